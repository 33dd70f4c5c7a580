#include "core/archive/file_descriptor.h"

#include <unistd.h>

#include <array>
#include <cerrno>

namespace solvara {

FileDescriptor::~FileDescriptor() { close(); }

std::error_code FileDescriptor::close() noexcept {
    if (descriptor_ < 0) return {};
    const int result = ::close(descriptor_);
    descriptor_ = -1;
    return result == 0 ? std::error_code() : lastSystemError();
}

std::error_code lastSystemError() noexcept { return {errno, std::generic_category()}; }

std::error_code writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return lastSystemError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::error_code readAll(int descriptor, std::string& bytes) {
    std::array<char, 65536> block;
    for (;;) {
        const ssize_t count = ::read(descriptor, block.data(), block.size());
        if (count == 0) return {};
        if (count < 0) {
            if (errno == EINTR) continue;
            return lastSystemError();
        }
        bytes.append(block.data(), static_cast<std::size_t>(count));
    }
}

}  // namespace solvara
