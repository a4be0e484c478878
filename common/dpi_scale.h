#pragma once
// Places, sizes and font heights for a display's DPI. The windows' tables give
// them at 96 DPI (100 %); a window on a display of another DPI gets them
// scaled by dpi / 96, rounded to the nearest pixel as MulDiv rounds (a half
// away from zero).

// The DPI that the tables' values are given for.
constexpr int kBaseDpi = 96;

// value * numerator / denominator, rounded to the nearest integer, a half
// away from zero, as Windows' MulDiv; 0 when denominator is 0. Computed in 64
// bits, so no product overflows.
int mulDivRounded(int value, int numerator, int denominator);

// A length given at 96 DPI, for a display of that DPI.
int scaleForDpi(int value, int dpi);

// A length laid out for fromDpi, for a display of toDpi (a window moved to
// another display).
int rescaleForDpi(int value, int fromDpi, int toDpi);

// A rectangle's left edge, top edge, width and height.
struct PixelBox {
    int x;
    int y;
    int width;
    int height;
};

// A rectangle given at 96 DPI, for a display of that DPI: each of its four
// values is scaled on its own.
PixelBox scaleBoxForDpi(const PixelBox& box, int dpi);

// The font height (LOGFONT's lfHeight: negative, the character height
// without the leading) of a font of that point size on a display of that DPI.
int fontHeightForDpi(int points, int dpi);
