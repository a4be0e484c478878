#include "common/dpi_scale.h"

#include <cstdint>

int mulDivRounded(int value, int numerator, int denominator) {
    if (denominator == 0) return 0;
    const int64_t product = static_cast<int64_t>(value) * numerator;
    const int64_t divisor = denominator < 0 ? -static_cast<int64_t>(denominator) : denominator;
    const int64_t dividend = denominator < 0 ? -product : product;
    const int64_t half = divisor / 2;
    // Integer division truncates towards zero: adding half the divisor away
    // from zero first rounds a half away from zero.
    return static_cast<int>(dividend >= 0 ? (dividend + half) / divisor : (dividend - half) / divisor);
}

int scaleForDpi(int value, int dpi) { return mulDivRounded(value, dpi, kBaseDpi); }

int rescaleForDpi(int value, int fromDpi, int toDpi) { return mulDivRounded(value, toDpi, fromDpi); }

PixelBox scaleBoxForDpi(const PixelBox& box, int dpi) {
    return {scaleForDpi(box.x, dpi), scaleForDpi(box.y, dpi), scaleForDpi(box.width, dpi),
            scaleForDpi(box.height, dpi)};
}

int fontHeightForDpi(int points, int dpi) { return -mulDivRounded(points, dpi, 72); }
