#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace solvara {

// An open file of the operating system, closed when it goes.
class FileDescriptor {
  public:
    // Takes over `descriptor`; a negative one is no file.
    explicit FileDescriptor(int descriptor) noexcept : descriptor_(descriptor) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept : descriptor_(other.descriptor_) {
        other.descriptor_ = -1;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool isOpen() const noexcept { return descriptor_ >= 0; }
    int get() const noexcept { return descriptor_; }

    // Closes the file now: the error closing reports (some file systems report a failed write
    // only then), or none.
    std::error_code close() noexcept;

  private:
    int descriptor_;
};

// The error of the last system call, as errno tells it.
std::error_code lastSystemError() noexcept;

// Writes every byte; the system's error, or none.
std::error_code writeAll(int descriptor, std::string_view bytes);

// Appends everything up to the end of the file to `bytes`; the system's error, or none.
std::error_code readAll(int descriptor, std::string& bytes);

}  // namespace solvara
