#pragma once

// Windows are laid out in twips, as they were drawn: 15 twips to the pixel at actual size
// (a zoom of 100 percent). Every front end draws the sheet from these.
inline constexpr int TwipsPerPixel = 15;
inline constexpr int ActualZoom = 100;

// The pixels that a length in twips takes at the zoom, rounded to the nearest.
constexpr int pixels(int twips, int zoom = ActualZoom) {
    return (twips * zoom + TwipsPerPixel * ActualZoom / 2) / (TwipsPerPixel * ActualZoom);
}

// A size in pixels at actual size, at the zoom.
constexpr int zoomed(int actualPixels, int zoom) {
    return (actualPixels * zoom + ActualZoom / 2) / ActualZoom;
}
