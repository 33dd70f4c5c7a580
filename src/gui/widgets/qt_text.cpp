#include "gui/widgets/qt_text.h"

#include <QFile>

#include "core/text/windows1252.h"

namespace solvara {

QString fromWindows1252(std::string_view text) {
    return QString::fromStdString(windows1252ToUtf8(text));
}

std::string toWindows1252(const QString& text) { return utf16ToWindows1252(text.toStdU16String()); }

bool fitsWindows1252(const QString& text) {
    for (const char32_t codePoint : text.toStdU32String()) {
        if (!unicodeToWindows1252(codePoint)) return false;
    }
    return true;
}

QString fromMixedText(std::string_view text) { return QString::fromStdString(repairUtf8(text)); }

QString fromPath(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

std::filesystem::path toPath(const QString& fileName) {
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

}  // namespace solvara
