#include "core/program/program_defaults.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>

#include "core/archive/replace_file.h"

namespace solvara {
namespace {

namespace fs = std::filesystem;

class ProgramDefaultsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("solvara-defaults-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path path() const { return folder_ / "config.dat"; }

    std::string contents() const {
        std::ifstream in(path(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    void overwrite(const std::string& bytes) const {
        std::ofstream out(path(), std::ios::binary | std::ios::trunc);
        out << bytes;
    }

    fs::path folder_;
};

ProgramDefaults unusualDefaults() {
    ProgramDefaults defaults;
    defaults.pH = 7.4;
    defaults.concentration = 25.0;
    defaults.concentrationUnit = ConcentrationUnit::millimolar;
    defaults.volume = 500.0;
    defaults.volumeUnit = VolumeUnit::millilitres;
    defaults.temperature = 0.1 + 0.2;
    defaults.forceIonicStrength = true;
    defaults.ionicStrength = std::numeric_limits<double>::denorm_min();
    defaults.preparationTemperature = -0.0;
    defaults.daviesC = -0.2;
    defaults.highIonicStrengthLimit = std::nextafter(0.5, 1.0);
    defaults.startWith = StartDocument::ask;
    return defaults;
}

void expectBitwiseEqual(const ProgramDefaults& a, const ProgramDefaults& b) {
    const auto bits = [](double value) { return std::bit_cast<std::uint64_t>(value); };
    EXPECT_EQ(bits(a.pH), bits(b.pH));
    EXPECT_EQ(bits(a.concentration), bits(b.concentration));
    EXPECT_EQ(a.concentrationUnit, b.concentrationUnit);
    EXPECT_EQ(bits(a.volume), bits(b.volume));
    EXPECT_EQ(a.volumeUnit, b.volumeUnit);
    EXPECT_EQ(bits(a.temperature), bits(b.temperature));
    EXPECT_EQ(a.forceIonicStrength, b.forceIonicStrength);
    EXPECT_EQ(bits(a.ionicStrength), bits(b.ionicStrength));
    EXPECT_EQ(bits(a.preparationTemperature), bits(b.preparationTemperature));
    EXPECT_EQ(bits(a.daviesC), bits(b.daviesC));
    EXPECT_EQ(bits(a.highIonicStrengthLimit), bits(b.highIonicStrengthLimit));
    EXPECT_EQ(a.startWith, b.startWith);
}

TEST_F(ProgramDefaultsFile, MissingFileKeepsTheBuiltInValues) {
    ProgramDefaults defaults = unusualDefaults();
    ResetProgramDefaults(defaults);
    EXPECT_FALSE(ReadProgramDefaults(path(), defaults));

    EXPECT_EQ(defaults.pH, 7.0);
    EXPECT_EQ(defaults.concentration, 0.025);
    EXPECT_EQ(defaults.concentrationUnit, ConcentrationUnit::molar);
    EXPECT_EQ(defaults.volume, 1.0);
    EXPECT_EQ(defaults.volumeUnit, VolumeUnit::litres);
    EXPECT_EQ(defaults.temperature, 25.0);
    EXPECT_EQ(defaults.preparationTemperature, 25.0);
    EXPECT_FALSE(defaults.forceIonicStrength);
    EXPECT_EQ(defaults.ionicStrength, 0.0);
    EXPECT_EQ(defaults.daviesC, -0.3);
    EXPECT_EQ(defaults.highIonicStrengthLimit, 0.1);
    EXPECT_EQ(defaults.startWith, StartDocument::newBuffer);
}

TEST_F(ProgramDefaultsFile, RoundTripsBitForBitIn84BytesInFileOrder) {
    const ProgramDefaults written = unusualDefaults();
    ASSERT_TRUE(WriteProgramDefaults(path(), written));

    const std::string bytes = contents();
    ASSERT_EQ(bytes.size(), 84u);
    const auto doubleAt = [&](std::size_t offset) {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < 8; ++i)
            bits |= std::uint64_t{static_cast<unsigned char>(bytes[offset + i])} << (8 * i);
        return std::bit_cast<double>(bits);
    };
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x00\x00\x01\x00", 4));  // version
    EXPECT_EQ(doubleAt(4), written.concentration);
    EXPECT_EQ(doubleAt(12), written.volume);
    EXPECT_EQ(doubleAt(20), written.pH);
    EXPECT_EQ(doubleAt(28), written.temperature);
    EXPECT_EQ(bytes.substr(44, 16), std::string("\x01\0\0\0\x01\0\0\0\x02\0\0\0\x01\0\0\0", 16));
    EXPECT_EQ(doubleAt(60), written.ionicStrength);
    EXPECT_EQ(doubleAt(68), written.daviesC);
    EXPECT_EQ(doubleAt(76), written.highIonicStrengthLimit);

    ProgramDefaults read;
    ASSERT_TRUE(ReadProgramDefaults(path(), read));
    expectBitwiseEqual(read, written);
}

TEST_F(ProgramDefaultsFile, UnknownUnitsAndStartDocumentReadAsTheFirstChoice) {
    ASSERT_TRUE(WriteProgramDefaults(path(), unusualDefaults()));
    std::string bytes = contents();
    bytes.replace(44, 12, std::string("\x05\0\0\0\xff\xff\xff\xff\x07\0\0\0", 12));
    overwrite(bytes);

    ProgramDefaults defaults;
    ASSERT_TRUE(ReadProgramDefaults(path(), defaults));
    EXPECT_EQ(defaults.concentrationUnit, ConcentrationUnit::molar);
    EXPECT_EQ(defaults.volumeUnit, VolumeUnit::litres);
    EXPECT_EQ(defaults.startWith, StartDocument::newBuffer);
}

TEST_F(ProgramDefaultsFile, FirstWriteMakesThePerUserFolder) {
    const fs::path file = path().parent_path() / "Orvane" / "Solvara" / "config.dat";
    ASSERT_TRUE(WriteProgramDefaults(file, unusualDefaults()));
    ProgramDefaults read;
    ASSERT_TRUE(ReadProgramDefaults(file, read));
    expectBitwiseEqual(read, unusualDefaults());
}

TEST_F(ProgramDefaultsFile, ShortFileLeavesTheRecordUntouched) {
    ASSERT_TRUE(WriteProgramDefaults(path(), unusualDefaults()));
    overwrite(contents().substr(0, 60));  // ends inside ionicStrength

    ProgramDefaults defaults;
    EXPECT_FALSE(ReadProgramDefaults(path(), defaults));
    expectBitwiseEqual(defaults, ProgramDefaults{});
}

TEST_F(ProgramDefaultsFile, FailedWriteKeepsTheOldFile) {
    ASSERT_TRUE(WriteProgramDefaults(path(), unusualDefaults()));
    const std::string before = contents();
    fs::permissions(path(), fs::perms::owner_read);
    EXPECT_FALSE(WriteProgramDefaults(path(), ProgramDefaults{}));
    EXPECT_EQ(contents(), before);
}

TEST_F(ProgramDefaultsFile, WriterThatThrowsLeavesOldFileAndNoTemporary) {
    overwrite("old contents");
    EXPECT_THROW(replaceFile(path(),
                             [](std::ostream& out) {
                                 out << "half";
                                 throw std::runtime_error("disk full");
                             }),
                 std::runtime_error);
    EXPECT_EQ(contents(), "old contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(ProgramDefaultsFile, WriteWhereNoFolderCanBeMadeFails) {
    std::ofstream(folder_ / "a file");
    EXPECT_FALSE(WriteProgramDefaults(folder_ / "a file" / "config.dat", ProgramDefaults{}));
}

}  // namespace
}  // namespace solvara
