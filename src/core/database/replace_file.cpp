#include "core/database/replace_file.h"

#include <fstream>
#include <system_error>

namespace solvara {

namespace {

std::filesystem::path temporaryPathFor(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    return temporary;
}

[[noreturn]] void failOn(const char* what, const std::filesystem::path& path) {
    throw std::filesystem::filesystem_error(what, path, std::make_error_code(std::errc::io_error));
}

}  // namespace

void replaceFile(const std::filesystem::path& target, const std::function<void(std::ostream&)>& write) {
    const std::filesystem::path temporary = temporaryPathFor(target);
    try {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) failOn("cannot create file", temporary);
        write(out);
        out.close();
        if (!out) failOn("cannot write file", temporary);
        std::filesystem::rename(temporary, target);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw;
    }
}

}  // namespace solvara
