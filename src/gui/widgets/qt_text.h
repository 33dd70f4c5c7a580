#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace solvara {

// The core keeps texts as Windows-1252 bytes, exactly as its files store them; widgets show
// and take Unicode. These convert at that edge.
QString fromWindows1252(std::string_view text);
// A character the code page cannot hold becomes '?'.
std::string toWindows1252(const QString& text);
// Whether every character of `text` has a Windows-1252 byte.
bool fitsWindows1252(const QString& text);
// Texts that carry file names besides the core's own words (document titles, file errors): valid
// UTF-8 is taken as such, anything else as Windows-1252.
QString fromMixedText(std::string_view text);

// File names as the system spells them (UTF-8 on Linux), in both directions.
QString fromPath(const std::filesystem::path& path);
std::filesystem::path toPath(const QString& fileName);

}  // namespace solvara
