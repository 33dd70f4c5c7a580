#include "core/archive/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/archive/file_descriptor.h"
#include "core/archive/file_error.h"
#include "core/archive/resolve_symbolic_links.h"

namespace solvara {

namespace {

bool inGroup(gid_t group) {
    if (group == ::getegid()) return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int listed = ::getgroups(count, groups.data());
    groups.resize(static_cast<std::size_t>(std::max(listed, 0)));
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

// The write bit that applies to this process, as the kernel chooses it. Root, whom no bit
// stops, is held to the owner's, so that a file nobody may write stays as it is.
bool writeBitSet(const struct stat& file) {
    const uid_t user = ::geteuid();
    if (user == 0 || file.st_uid == user) return (file.st_mode & S_IWUSR) != 0;
    if (inGroup(file.st_gid)) return (file.st_mode & S_IWGRP) != 0;
    return (file.st_mode & S_IWOTH) != 0;
}

// The file now at `destination`, or none; throws when it may not be replaced.
std::optional<struct stat> replaceableFile(const std::filesystem::path& target,
                                           const std::filesystem::path& destination) {
    struct stat file {};
    if (::stat(destination.c_str(), &file) != 0) {
        if (errno == ENOENT) return std::nullopt;
        throw FileError(FileAction::save, target, lastSystemError());
    }
    if (S_ISDIR(file.st_mode)) {
        throw FileError(FileAction::save, target, std::make_error_code(std::errc::is_a_directory));
    }
    // A device or a pipe would be replaced by an ordinary file.
    if (!S_ISREG(file.st_mode)) throw FileError(FileAction::save, target, "is not a regular file");
    if (!writeBitSet(file)) throw FileError(FileAction::save, target, "is read-only");
    return file;
}

struct TemporaryFile {
    std::filesystem::path path;
    FileDescriptor file;
};

// A new, empty file beside `destination` under a name nobody else uses: a random suffix,
// created exclusively, so no file or folder already there is ever opened. It starts with
// `permissions` less the umask: never more open than the file it replaces, and for a new file
// what any new file gets.
TemporaryFile createTemporaryFile(const std::filesystem::path& target,
                                  const std::filesystem::path& destination, mode_t permissions) {
    static constexpr std::string_view kLetters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<std::size_t> letter(0, kLetters.size() - 1);
    // ".<name>." and six random letters.
    std::string prefix(1, '.');
    prefix += destination.filename().string();
    prefix += '.';
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 6; ++i) name += kLetters[letter(random)];
        std::filesystem::path path = destination.parent_path() / name;
        FileDescriptor file(
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, permissions));
        if (file.isOpen()) return {std::move(path), std::move(file)};
        if (errno != EEXIST) throw FileError(FileAction::save, target, lastSystemError());
    }
    throw FileError(FileAction::save, target, std::make_error_code(std::errc::file_exists));
}

// Where the system allows: only root may give a file away, and some file systems keep no
// permissions. Neither costs the save; the new file is at most as open as the old one.
void keepOwnerAndPermissions(int file, const struct stat& old) {
    [[maybe_unused]] const int ownerKept = ::fchown(file, old.st_uid, old.st_gid);
    // After the owner, since changing it clears the set-id bits.
    [[maybe_unused]] const int permissionsKept = ::fchmod(file, old.st_mode & 07777);
}

std::string contentOf(const std::function<void(std::ostream&)>& write) {
    std::ostringstream out;
    write(out);
    return std::move(out).str();
}

}  // namespace

void replaceFile(const std::filesystem::path& target,
                 const std::function<void(std::ostream&)>& write) {
    const std::filesystem::path destination = resolveSymbolicLinks(target);
    const std::optional<struct stat> old = replaceableFile(target, destination);
    // A failing `write` leaves nothing behind to remove.
    const std::string content = contentOf(write);
    const mode_t permissions = old ? old->st_mode & mode_t{0777} : mode_t{0666};
    TemporaryFile temporary = createTemporaryFile(target, destination, permissions);
    FileDescriptor& file = temporary.file;
    if (old) keepOwnerAndPermissions(file.get(), *old);
    std::error_code error = writeAll(file.get(), content);
    // On the disk before the rename, so that after a crash the name never stands for a file
    // whose bytes were still in the cache.
    if (!error && ::fsync(file.get()) != 0) error = lastSystemError();
    if (const std::error_code closing = file.close(); !error) error = closing;
    if (!error && ::rename(temporary.path.c_str(), destination.c_str()) != 0) {
        error = lastSystemError();
    }
    if (error) {
        ::unlink(temporary.path.c_str());
        throw FileError(FileAction::save, target, error);
    }
}

}  // namespace solvara
