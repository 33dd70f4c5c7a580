#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace solvara {

// The kinds of document the program reads and writes.
enum class DocumentKind { pHCalculation, bufferDesign };

// ".phc" and ".buf".
std::string_view documentExtension(DocumentKind kind);

// "pH calculation" and "buffer design", as the messages name them.
std::string_view documentKindName(DocumentKind kind);

// The kind whose extension `path` has, in any letter case; none for any other extension.
std::optional<DocumentKind> documentKindOfExtension(const std::filesystem::path& path);

// The kind whose file starts like `bytes`, as every writer of either kind writes it; none when
// neither does.
std::optional<DocumentKind> documentKindOfContent(std::string_view bytes);

// Why a document of `kind` may not be saved at `path` ("a pH calculation is saved as .phc"):
// under another extension it could not be opened as what it is. None when the extension fits.
std::optional<std::string> saveExtensionProblem(DocumentKind kind,
                                                const std::filesystem::path& path);

}  // namespace solvara
