#pragma once

#include <QSize>
#include <QString>

namespace solvara {

// The main window's width to the next multiple of 16 above it.
QSize widenedToMultipleOf16(QSize size);
// The main window's width to the multiple of 16 at or below it, less 16.
QSize narrowedToMultipleOf16(QSize size);
// The next of the preset sizes 720 × 576, 1280 × 720 and 1920 × 1080, from the width.
QSize nextPresetSize(QSize size);
// What the status bar says after a size command.
QString windowSizeStatusText(QSize size);

}  // namespace solvara
