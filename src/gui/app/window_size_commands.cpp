#include "gui/app/window_size_commands.h"

namespace solvara {

QSize widenedToMultipleOf16(QSize size) { return {(size.width() / 16 + 1) * 16, size.height()}; }

QSize narrowedToMultipleOf16(QSize size) { return {(size.width() / 16) * 16 - 16, size.height()}; }

QSize nextPresetSize(QSize size) {
    if (size.width() < 720) return {720, 576};
    if (size.width() < 1280) return {1280, 720};
    if (size.width() < 1920) return {1920, 1080};
    return {720, 576};
}

QString windowSizeStatusText(QSize size) {
    return QStringLiteral("%1/%2 - 704/720, 1280").arg(size.width()).arg(size.height());
}

}  // namespace solvara
