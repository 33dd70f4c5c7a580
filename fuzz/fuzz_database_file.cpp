// Feeds arbitrary bytes to the database file reader. Anything but a refused
// file or a complete database is a bug: a crash, a hang, an oversized
// allocation, an exception escaping. A database that was read is written
// again, and what was written must read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "core/program/database_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    solvara::DatabaseFileContent content = solvara::readDatabase(in, "fuzz.dat");
    if (content.program == nullptr) return 0;

    std::ostringstream out;
    solvara::writeDatabase(out, "fuzz.dat", *content.program, content.passwordDigest.value_or(""));
    std::istringstream written(out.str());
    if (solvara::readDatabase(written, "fuzz.dat").program == nullptr) std::abort();
    return 0;
}
