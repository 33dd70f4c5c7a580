#include "core/archive/archive_error.h"

#include <utility>

namespace solvara {

namespace {

std::string formatMessage(ArchiveErrorKind kind, const std::string& fileName) {
    std::string text(archiveErrorText(kind));
    const std::size_t placeholder = text.find("%1");
    if (placeholder != std::string::npos) text.replace(placeholder, 2, fileName);
    return text;
}

}  // namespace

std::string_view archiveErrorText(ArchiveErrorKind kind) {
    switch (kind) {
        case ArchiveErrorKind::generic:
            break;
        case ArchiveErrorKind::readOnly:
            return "Attempted to write to the reading %1.";
        case ArchiveErrorKind::endOfFile:
            return "Attempted to access %1 past its end.";
        case ArchiveErrorKind::writeOnly:
            return "Attempted to read from the writing %1.";
        case ArchiveErrorKind::badIndex:
            return "%1 has a bad format.";
        case ArchiveErrorKind::badClass:
            return "%1 contained an unexpected object.";
        case ArchiveErrorKind::badSchema:
            return "%1 contains an incorrect schema.";
    }
    return "An unknown error occurred while accessing %1.";
}

ArchiveError::ArchiveError(ArchiveErrorKind kind, std::string fileName)
    : std::runtime_error(formatMessage(kind, fileName)),
      kind_(kind),
      fileName_(std::move(fileName)) {}

}  // namespace solvara
