#pragma once

#include <QRect>

// Windows are laid out in twips, as they were drawn: 15 twips to the pixel at actual size
// (a zoom of 100 percent).
inline constexpr int TwipsPerPixel = 15;
inline constexpr int ActualZoom = 100;

// The pixels that a length in twips takes at the zoom, rounded to the nearest.
constexpr int pixels(int twips, int zoom = ActualZoom) {
    return (twips * zoom + TwipsPerPixel * ActualZoom / 2) / (TwipsPerPixel * ActualZoom);
}

constexpr QRect pixelRect(int left, int top, int width, int height, int zoom = ActualZoom) {
    return {pixels(left, zoom), pixels(top, zoom), pixels(width, zoom), pixels(height, zoom)};
}

// A size in pixels at actual size, at the zoom.
constexpr int zoomed(int actualPixels, int zoom) {
    return (actualPixels * zoom + ActualZoom / 2) / ActualZoom;
}
