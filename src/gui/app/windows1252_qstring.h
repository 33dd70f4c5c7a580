#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace solvara {

// The core keeps texts as Windows-1252 bytes; widgets show and take Unicode.
QString fromWindows1252(std::string_view text);
// A character the code page cannot hold becomes '?'.
std::string toWindows1252(const QString& text);
// Whether every character of `text` has a Windows-1252 byte.
bool fitsWindows1252(const QString& text);

}  // namespace solvara
