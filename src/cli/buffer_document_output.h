#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "core/buffer/buffer_origin.h"
#include "core/bufferdoc/solvara_doc.h"

namespace solvara {

// The forms in which a buffer design is printed.
enum class BufferOutput { text, json, recipe };

// The output the flags ask for; none, after saying so on `err`, when they ask for more than one.
std::optional<BufferOutput> chooseBufferOutput(bool json, bool recipe, std::ostream& err);

// Prints the results of the document's last recalculation; the status says whether the buffer
// could be prepared (exitSuccess or exitCalculationFailed, with the reason on `err`). Text, JSON
// and the recipe are UTF-8.
int printBufferResults(const CSolvaraDoc& document, const std::optional<BufferOrigin>& origin,
                       BufferOutput output, int digits, std::ostream& out, std::ostream& err);

// Writes the document as a ".buf" file; false, after saying why on `err`, when it cannot.
bool saveBufferDocument(CSolvaraDoc& document, const std::filesystem::path& path,
                        std::ostream& err);

}  // namespace solvara
