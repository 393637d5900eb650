#pragma once

#include <QRect>

// Windows are laid out in twips, as they were drawn: 15 twips to the pixel at actual size.
inline constexpr int TwipsPerPixel = 15;

// The pixels that a length in twips takes, rounded to the nearest.
constexpr int pixels(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr QRect pixelRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}
