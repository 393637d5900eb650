#pragma once

#include "layout/twips.h"

#include <QRect>

// A rectangle given in twips, in pixels at the zoom.
constexpr QRect pixelRect(int left, int top, int width, int height, int zoom = ActualZoom) {
    return {pixels(left, zoom), pixels(top, zoom), pixels(width, zoom), pixels(height, zoom)};
}
