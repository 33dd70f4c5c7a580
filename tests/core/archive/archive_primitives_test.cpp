#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/archive/archive.h"
#include "support/archive_test_support.h"

namespace solvara {
namespace {

using testing::errorKindOf;

using testing::hexBytes;
using testing::Loader;
using testing::store;
using testing::StreamKind;

struct StringPrefixCase {
    std::size_t length;
    const char* prefix;
    friend void PrintTo(const StringPrefixCase& c, std::ostream* out) { *out << c.length; }
};

class StringPrefix : public ::testing::TestWithParam<StringPrefixCase> {};

TEST_P(StringPrefix, IsWrittenAtItsThresholdAndReadsBack) {
    const std::string text(GetParam().length, 'x');
    const std::string bytes = store([&](Archive& archive) { archive.writeString(text); });
    const std::string prefix = hexBytes(GetParam().prefix);
    ASSERT_EQ(bytes.size(), prefix.size() + text.size());
    EXPECT_EQ(bytes.substr(0, prefix.size()), prefix);

    Loader loader(bytes);
    EXPECT_EQ(loader.archive.readString(), text);
}

INSTANTIATE_TEST_SUITE_P(Lengths, StringPrefix,
                         ::testing::Values(StringPrefixCase{0, "00"}, StringPrefixCase{254, "FE"},
                                           StringPrefixCase{255, "FF FF 00"},
                                           StringPrefixCase{300, "FF 2C 01"},
                                           StringPrefixCase{65533, "FF FD FF"},
                                           StringPrefixCase{65534, "FF FF FF FE FF 00 00"},
                                           StringPrefixCase{100000, "FF FF FF A0 86 01 00"}),
                         [](const ::testing::TestParamInfo<StringPrefixCase>& param) {
                             return "Length" + std::to_string(param.param.length);
                         });

TEST(ArchiveString, HClIsLengthThenCharacters) {
    EXPECT_EQ(store([](Archive& archive) { archive.writeString("HCl"); }), hexBytes("03 48 43 6C"));
}

TEST(ArchiveString, KeepsWindows1252BytesAndEmbeddedZeros) {
    const std::string text(
        "\xB0"
        "C\0\x80",
        4);
    Loader loader(store([&](Archive& archive) { archive.writeString(text); }));
    EXPECT_EQ(loader.archive.readString(), text);
}

TEST(ArchiveString, AcceptsAnEightByteLengthThatFitsIn31Bits) {
    Loader loader(hexBytes("FF FF FF FF FF FF FF 02 00 00 00 00 00 00 00 41 42"));
    EXPECT_EQ(loader.archive.readString(), "AB");
}

TEST(ArchiveString, RefusesAnEightByteLengthBeyond31Bits) {
    Loader loader(hexBytes("FF FF FF FF FF FF FF 00 00 00 80 00 00 00 00"));
    try {
        loader.archive.readString();
        FAIL() << "no error";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.kind(), ArchiveErrorKind::generic);
    }
}

struct WideCase {
    const char* name;
    const char* bytes;
    std::string expected;
    friend void PrintTo(const WideCase& c, std::ostream* out) { *out << c.name; }
};

class WideString : public ::testing::TestWithParam<WideCase> {};

TEST_P(WideString, IsConvertedToWindows1252) {
    Loader loader(hexBytes(GetParam().bytes));
    EXPECT_EQ(loader.archive.readString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, WideString,
    ::testing::Values(
        WideCase{"Empty", "FF FE FF 00", ""},
        // "Na€°" : Latin-1 characters keep their value, the euro sign becomes 0x80.
        WideCase{"ShortLength", "FF FE FF 04 4E 00 61 00 AC 20 B0 00", "Na\x80\xB0"},
        // Cyrillic Zhe and a surrogate pair (one emoji) have no Windows-1252 byte.
        WideCase{"Unmappable", "FF FE FF 04 41 00 16 04 3D D8 00 DE", "A??"},
        WideCase{"LoneSurrogate", "FF FE FF 02 00 D8 42 00", "?B"},
        // An undefined Windows-1252 byte comes back as the C1 control Windows maps it to.
        WideCase{"UndefinedByte", "FF FE FF 01 81 00", "\x81"},
        WideCase{"TwoByteLength", "FF FE FF FF 02 00 48 00 43 00", "HC"},
        WideCase{"FourByteLength", "FF FE FF FF FF FF 01 00 00 00 48 00", "H"}),
    [](const ::testing::TestParamInfo<WideCase>& param) { return std::string(param.param.name); });

TEST(ArchiveCount, UsesTwoBytesBelow0xFFFFAndSixFromThere) {
    EXPECT_EQ(store([](Archive& archive) { archive.writeCount(65534); }), hexBytes("FE FF"));
    EXPECT_EQ(store([](Archive& archive) { archive.writeCount(65535); }),
              hexBytes("FF FF FF FF 00 00"));

    Loader loader(hexBytes("FE FF FF FF FF FF 00 00") + std::string(200000, '\0'));
    EXPECT_EQ(loader.archive.readCount(), 65534u);
    EXPECT_EQ(loader.archive.readCount(), 65535u);
}

TEST(ArchiveNumbers, AreLittleEndian) {
    const std::string bytes = store([](Archive& archive) {
        archive.writeByte(0xAB);
        archive.writeUInt16(0x1234);
        archive.writeInt32(-2);
        archive.writeDouble(1.0);
    });
    EXPECT_EQ(bytes, hexBytes("AB 34 12 FE FF FF FF 00 00 00 00 00 00 F0 3F"));

    Loader loader(bytes);
    EXPECT_EQ(loader.archive.readByte(), 0xAB);
    EXPECT_EQ(loader.archive.readUInt16(), 0x1234);
    EXPECT_EQ(loader.archive.readInt32(), -2);
    EXPECT_EQ(loader.archive.readDouble(), 1.0);
}

TEST(ArchiveSymmetricHelpers, WriteAndReadTheSameRecord) {
    struct Record {
        std::int32_t number = 0;
        double real = 0.0;
        std::string text;
        bool flag = false;
        std::vector<std::int32_t> integers;
        std::vector<double> reals;
        void serialize(Archive& archive) {
            archive.io(number);
            archive.io(real);
            archive.io(text);
            archive.ioBool(flag);
            archive.io(integers);
            archive.io(reals);
        }
    };
    Record written{-7,   -0.0,    "pKa",
                   true, {1, -1}, {0.5, std::numeric_limits<double>::denorm_min()}};
    const std::string bytes = store([&](Archive& archive) { written.serialize(archive); });
    EXPECT_EQ(bytes, hexBytes("F9 FF FF FF  00 00 00 00 00 00 00 80  03 70 4B 61  01 00 00 00 "
                              "02 00 01 00 00 00 FF FF FF FF "
                              "02 00 00 00 00 00 00 00 E0 3F 01 00 00 00 00 00 00 00"));

    Record read;
    Loader loader(bytes);
    read.serialize(loader.archive);
    EXPECT_EQ(read.number, written.number);
    EXPECT_TRUE(std::signbit(read.real));
    EXPECT_EQ(read.text, written.text);
    EXPECT_TRUE(read.flag);
    EXPECT_EQ(read.integers, written.integers);
    EXPECT_EQ(read.reals, written.reals);
}

TEST(ArchiveSymmetricHelpers, ReadAnyNonZeroIntegerAsTrue) {
    Loader loader(hexBytes("02 00 00 00 00 00 00 00"));
    bool flag = false;
    loader.archive.ioBool(flag);
    EXPECT_TRUE(flag);
    loader.archive.ioBool(flag);
    EXPECT_FALSE(flag);
}

// A stream buffer that records the size of every block handed to it or asked of it.
class RecordingBuffer : public std::stringbuf {
  public:
    using std::stringbuf::stringbuf;
    std::vector<std::streamsize> writes;
    std::vector<std::streamsize> reads;

  protected:
    std::streamsize xsputn(const char* data, std::streamsize size) override {
        writes.push_back(size);
        return std::stringbuf::xsputn(data, size);
    }
    std::streamsize xsgetn(char* data, std::streamsize size) override {
        reads.push_back(size);
        return std::stringbuf::xsgetn(data, size);
    }
};

TEST(ArchiveRawBlock, LargerThanTheBufferBypassesIt) {
    std::vector<double> values(5000);
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<double>(i) / 7.0;
    constexpr std::streamsize kBlockBytes = 5000 * 8;

    RecordingBuffer written;
    std::ostream out(&written);
    {
        Archive archive(out, "big.dat");
        archive.writeString("x");
        archive.io(values);
        archive.Close();
    }
    // The 4 buffered bytes go out first, then the block in one piece.
    EXPECT_EQ(written.writes, (std::vector<std::streamsize>{4, kBlockBytes}));

    RecordingBuffer readBack(written.str());
    std::istream in(&readBack);
    const ClassRegistry noClasses;
    Archive archive(in, noClasses, "big.dat");
    EXPECT_EQ(archive.readString(), "x");
    std::vector<double> read;
    archive.io(read);
    EXPECT_EQ(read, values);
    EXPECT_NE(std::find(readBack.reads.begin(), readBack.reads.end(), kBlockBytes - (4096 - 4)),
              readBack.reads.end());
}

TEST(ArchiveRawBlock, ItemsCrossingBufferBoundariesReadBack) {
    for (const StreamKind kind : {StreamKind::seekable, StreamKind::unseekable}) {
        const std::string bytes = store([](Archive& archive) {
            for (std::int32_t i = 0; i < 3000; ++i) {
                archive.writeByte(static_cast<std::uint8_t>(i));
                archive.writeDouble(i * 0.25);
            }
        });
        Loader loader(bytes, kind);
        for (std::int32_t i = 0; i < 3000; ++i) {
            ASSERT_EQ(loader.archive.readByte(), static_cast<std::uint8_t>(i));
            ASSERT_EQ(loader.archive.readDouble(), i * 0.25);
        }
    }
}

TEST(ArchiveEndOfFile, MidItemIsReported) {
    for (const StreamKind kind : {StreamKind::seekable, StreamKind::unseekable}) {
        Loader midDouble(hexBytes("01 02 03 04 05"), kind);
        EXPECT_EQ(errorKindOf([&] { midDouble.archive.readDouble(); }),
                  ArchiveErrorKind::endOfFile);
        Loader midString(hexBytes("05 41 42"), kind);
        EXPECT_EQ(errorKindOf([&] { midString.archive.readString(); }),
                  ArchiveErrorKind::endOfFile);
        Loader midCount(hexBytes("FF FF 01"), kind);
        EXPECT_EQ(errorKindOf([&] { midCount.archive.readCount(); }), ArchiveErrorKind::endOfFile);
        Loader empty("", kind);
        EXPECT_EQ(errorKindOf([&] { empty.archive.readByte(); }), ArchiveErrorKind::endOfFile);
    }
}

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Lengths that claim far more than the stream holds must fail without the
// archive first allocating what they claim.
TEST(ArchiveEndOfFile, HostileLengthsAllocateNothingTheyClaim) {
    const long peakBefore = peakResidentKiB();
    const char* const claims[] = {
        "FF FF FF FE FF FF FF 41 42",                    // a string of 4 GiB
        "FF FE FF FF FF FF FE FF FF FF 41 00",           // a wide string of 8 GiB
        "FF FF FF FF FF FF FF FF FF FF 7F 00 00 00 00",  // an 8-byte length of 2 GiB
    };
    for (const StreamKind kind : {StreamKind::seekable, StreamKind::unseekable}) {
        for (const char* claim : claims) {
            Loader loader(hexBytes(claim), kind);
            EXPECT_EQ(errorKindOf([&] { loader.archive.readString(); }),
                      ArchiveErrorKind::endOfFile)
                << claim;
        }
        Loader integers(hexBytes("FF FF FF FF FF FF 01 00 00 00"), kind);
        std::vector<std::int32_t> integerValues;
        EXPECT_EQ(errorKindOf([&] { integers.archive.io(integerValues); }),
                  ArchiveErrorKind::endOfFile);
        Loader doubles(hexBytes("FF FF FE FF FF 3F 00 00 00 00 00 00 F0 3F"), kind);
        std::vector<double> doubleValues;
        EXPECT_EQ(errorKindOf([&] { doubles.archive.io(doubleValues); }),
                  ArchiveErrorKind::endOfFile);
    }
    EXPECT_LT(peakResidentKiB() - peakBefore, 64 * 1024) << "KiB more at the peak";
}

TEST(ArchiveEndOfFile, MeasuredStreamRefusesCountsAndRawBlocksLargerThanTheRest) {
    Loader count(hexBytes("04 00 01 02 03"));
    EXPECT_EQ(errorKindOf([&] { count.archive.readCount(); }), ArchiveErrorKind::endOfFile);
    Loader pairs(hexBytes("02 00 01 02 03"));
    EXPECT_EQ(errorKindOf([&] { pairs.archive.readCount(2); }), ArchiveErrorKind::endOfFile);
    Loader fitting(hexBytes("03 00 01 02 03"));
    EXPECT_EQ(fitting.archive.readCount(), 3u);

    for (const StreamKind kind : {StreamKind::seekable, StreamKind::unseekable}) {
        Loader raw(std::string(10, 'r'), kind);
        std::vector<char> destination(100);
        EXPECT_EQ(errorKindOf([&] { raw.archive.readRaw(destination.data(), destination.size()); }),
                  ArchiveErrorKind::endOfFile);
    }
}

TEST(ArchiveDirection, WrongWayIsRefused) {
    std::ostringstream out;
    Archive storing(out, "w.dat");
    EXPECT_EQ(errorKindOf([&] { storing.readInt32(); }), ArchiveErrorKind::writeOnly);
    EXPECT_EQ(errorKindOf([&] { storing.readString(); }), ArchiveErrorKind::writeOnly);
    EXPECT_EQ(errorKindOf([&] { storing.readObject(); }), ArchiveErrorKind::writeOnly);

    Loader loading(hexBytes("00 00 00 00"));
    EXPECT_EQ(errorKindOf([&] { loading.archive.writeInt32(1); }), ArchiveErrorKind::readOnly);
    EXPECT_EQ(errorKindOf([&] { loading.archive.writeString("a"); }), ArchiveErrorKind::readOnly);
    EXPECT_EQ(errorKindOf([&] { loading.archive.writeObject(nullptr); }),
              ArchiveErrorKind::readOnly);
    EXPECT_TRUE(loading.archive.IsLoading());
    EXPECT_FALSE(loading.archive.IsStoring());
}

TEST(ArchiveClose, DestructorFlushesAnUnclosedArchive) {
    std::ostringstream out;
    {
        Archive archive(out, "d.dat");
        archive.writeInt32(0x01020304);
        EXPECT_TRUE(out.str().empty());
    }
    EXPECT_EQ(out.str(), hexBytes("04 03 02 01"));
}

TEST(ArchiveClose, ReportsAStreamThatFailsAndRefusesUseAfterwards) {
    std::ostream broken(nullptr);
    Archive failing(broken, "f.dat");
    failing.writeInt32(1);
    EXPECT_EQ(errorKindOf([&] { failing.Close(); }), ArchiveErrorKind::generic);

    std::ostringstream out;
    Archive closed(out, "c.dat");
    closed.Close();
    EXPECT_EQ(errorKindOf([&] { closed.writeInt32(1); }), ArchiveErrorKind::generic);
}

TEST(ArchiveErrorText, NamesTheFileInTheKindsText) {
    const std::pair<ArchiveErrorKind, const char*> texts[] = {
        {ArchiveErrorKind::generic, "An unknown error occurred while accessing a.buf."},
        {ArchiveErrorKind::readOnly, "Attempted to write to the reading a.buf."},
        {ArchiveErrorKind::endOfFile, "Attempted to access a.buf past its end."},
        {ArchiveErrorKind::writeOnly, "Attempted to read from the writing a.buf."},
        {ArchiveErrorKind::badIndex, "a.buf has a bad format."},
        {ArchiveErrorKind::badClass, "a.buf contained an unexpected object."},
        {ArchiveErrorKind::badSchema, "a.buf contains an incorrect schema."},
    };
    for (const auto& [kind, text] : texts) {
        const ArchiveError error(kind, "a.buf");
        EXPECT_STREQ(error.what(), text);
        EXPECT_EQ(error.message(), text);
        EXPECT_EQ(error.fileName(), "a.buf");
        EXPECT_EQ(error.kind(), kind);
    }
}

}  // namespace
}  // namespace solvara
