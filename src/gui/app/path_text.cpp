#include "gui/app/path_text.h"

#include <QFile>

namespace solvara {

QString fileNameText(const std::string& nativeName) {
    return QFile::decodeName(QByteArray::fromStdString(nativeName));
}

std::string nativeFileName(const QString& text) { return QFile::encodeName(text).toStdString(); }

}  // namespace solvara
