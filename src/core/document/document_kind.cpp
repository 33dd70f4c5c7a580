#include "core/document/document_kind.h"

#include <algorithm>
#include <cstdint>

namespace solvara {

namespace {

constexpr DocumentKind kKinds[] = {DocumentKind::pHCalculation, DocumentKind::bufferDesign};

// The version every record of these files has been written with.
constexpr std::int32_t kRecordVersion = 0x00010000;

// The little-endian 32-bit integer at `offset`, or none past the end.
std::optional<std::int32_t> int32At(std::string_view bytes, std::size_t offset) {
    if (bytes.size() < offset + 4) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    }
    return static_cast<std::int32_t>(value);
}

bool isVersionAt(std::string_view bytes, std::size_t offset) {
    return int32At(bytes, offset) == kRecordVersion;
}

// The volume and ionic strength modes of a pH calculation run from 0 to 2.
bool isModeAt(std::string_view bytes, std::size_t offset) {
    const std::optional<std::int32_t> mode = int32At(bytes, offset);
    return mode && *mode >= 0 && *mode <= 2;
}

// The versions of the document, of its buffer and of that buffer's own record, one after the
// other.
bool startsLikeBufferDesign(std::string_view bytes) {
    return isVersionAt(bytes, 0) && isVersionAt(bytes, 4) && isVersionAt(bytes, 8);
}

// The version, four doubles, the two modes and the version of the document's acid list. The
// doubles of a buffer design's start would be a subnormal ionic strength, which no solution
// has, so the two starts never meet.
bool startsLikePHCalculation(std::string_view bytes) {
    return isVersionAt(bytes, 0) && isModeAt(bytes, 36) && isModeAt(bytes, 40) &&
           isVersionAt(bytes, 44);
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

}  // namespace

std::string_view documentExtension(DocumentKind kind) {
    return kind == DocumentKind::pHCalculation ? ".phc" : ".buf";
}

std::string_view documentKindName(DocumentKind kind) {
    return kind == DocumentKind::pHCalculation ? "pH calculation" : "buffer design";
}

std::optional<DocumentKind> documentKindOfExtension(const std::filesystem::path& path) {
    const std::string extension = lowerCase(path.extension().string());
    for (const DocumentKind kind : kKinds) {
        if (extension == documentExtension(kind)) return kind;
    }
    return std::nullopt;
}

std::optional<DocumentKind> documentKindOfContent(std::string_view bytes) {
    if (startsLikeBufferDesign(bytes)) return DocumentKind::bufferDesign;
    if (startsLikePHCalculation(bytes)) return DocumentKind::pHCalculation;
    return std::nullopt;
}

std::optional<std::string> saveExtensionProblem(DocumentKind kind,
                                                const std::filesystem::path& path) {
    if (documentKindOfExtension(path) == kind) return std::nullopt;
    return "a " + std::string(documentKindName(kind)) + " is saved as " +
           std::string(documentExtension(kind));
}

}  // namespace solvara
