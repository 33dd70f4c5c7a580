#pragma once

#include <optional>
#include <string>

namespace solvara {

class Buffer;
class BufferDatabase;

// Where a design's buffer came from in the program's buffer database.
struct BufferOrigin {
    std::string groupName;  // Windows-1252
    std::string variantName;
};

// The database variant with the buffer's id and name; none when there is no such one, as for a
// design opened with another database than it was made with.
std::optional<BufferOrigin> findBufferOrigin(const Buffer& buffer, const BufferDatabase& buffers);

}  // namespace solvara
