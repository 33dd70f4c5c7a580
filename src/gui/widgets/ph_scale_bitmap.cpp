#include "gui/widgets/ph_scale_bitmap.h"

#include <array>
#include <cstdint>

namespace solvara {

namespace {

// Written as 0xBBGGRR: blue in the high byte, red in the low byte.
constexpr std::array<std::uint32_t, 14> kRamp = {
    0x0000FF, 0x0033FF, 0x0066FF, 0x0099FF, 0x00CCFF, 0x00FFFF, 0x00FFCC,
    0x99FF00, 0xAABB00, 0xBB7700, 0xBB5500, 0xAA4400, 0x882200, 0x440000,
};

constexpr int kWidth = 281;
constexpr int kHeight = 70;
constexpr int kPixelsPerPh = 20;
constexpr int kDottedRow = 14;
constexpr int kDotSpacing = 6;
constexpr int kTickLength = 2;

int channel(std::uint32_t bbggrr, int shift) { return static_cast<int>((bbggrr >> shift) & 0xFF); }

// The channel a fraction `f` of the way from `from` to `to`, truncated towards `from`.
int blend(int from, int to, double f) { return from + static_cast<int>((to - from) * f); }

int pale(int value) { return value / 2 + 128; }

}  // namespace

QColor phColour(double pH) {
    // Written so that a NaN takes the acid end rather than an index outside the ramp.
    if (!(pH > 0)) pH = 0;
    if (pH > 14) pH = 14;
    const double t = pH * 12 / 14 + 1;
    const auto i = static_cast<std::size_t>(t);
    const double f = t - static_cast<double>(i);
    const std::uint32_t from = kRamp[i];
    // At pH 14 the fraction is 0 and there is no colour after the last one.
    const std::uint32_t to = i + 1 < kRamp.size() ? kRamp[i + 1] : from;
    return QColor(blend(channel(from, 0), channel(to, 0), f),
                  blend(channel(from, 8), channel(to, 8), f),
                  blend(channel(from, 16), channel(to, 16), f));
}

QColor palePhColour(double pH) {
    const QColor colour = phColour(pH);
    return QColor(pale(colour.red()), pale(colour.green()), pale(colour.blue()));
}

QImage makePhScaleBitmap() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int x = 0; x < kWidth; ++x) {
        const QRgb colour = palePhColour(x / double{kPixelsPerPh}).rgb();
        for (int y = 0; y < kHeight; ++y) image.setPixel(x, y, colour);
    }
    for (int x = 0; x < kWidth - 1; x += kDotSpacing) {
        image.setPixel(x, kDottedRow, qRgb(0, 0, 0));
        image.setPixel(x + kDotSpacing / 2, kDottedRow, qRgb(255, 255, 255));
    }
    for (int x = kPixelsPerPh; x < kWidth - kPixelsPerPh; x += kPixelsPerPh) {
        for (int y = kHeight - 1; y > kHeight - 1 - kTickLength; --y) {
            image.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return image;
}

}  // namespace solvara
