// Feeds arbitrary bytes to the buffer document reader. Anything but a refused file or a complete
// document is a bug: a crash, a hang, an oversized allocation, an exception escaping. A document
// that was read is written again, and what was written must read back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "core/bufferdoc/solvara_doc_file.h"
#include "core/document/document_read_error.h"
#include "core/program/program_model.h"

namespace {

std::string written(solvara::CSolvaraDoc& document) {
    std::ostringstream out;
    solvara::Archive archive(out, "fuzz.buf");
    document.Serialize(archive);
    archive.Close();
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Reading a document leaves the program as it was, so one serves every input.
    static const std::shared_ptr<solvara::ProgramModel> program =
        solvara::makeStarterProgramModel();
    std::unique_ptr<solvara::CSolvaraDoc> document;
    try {
        std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
        document = solvara::readBufferDocument(in, "fuzz.buf", *program);
    } catch (const solvara::DocumentReadError&) {
        return 0;
    }
    const std::string first = written(*document);
    std::istringstream again(first);
    std::unique_ptr<solvara::CSolvaraDoc> reread;
    try {
        reread = solvara::readBufferDocument(again, "fuzz.buf", *program);
    } catch (const solvara::DocumentReadError&) {
        std::abort();
    }
    if (written(*reread) != first) std::abort();
    return 0;
}
