#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace solvara {

// File names cross between Qt and the file system in the encoding of file
// names: UTF-8 on Linux.
QString fileNameText(const std::string& nativeName);
std::string nativeFileName(const QString& text);

inline QString pathText(const std::filesystem::path& path) { return fileNameText(path.string()); }
inline std::filesystem::path pathFromText(const QString& text) { return nativeFileName(text); }

}  // namespace solvara
