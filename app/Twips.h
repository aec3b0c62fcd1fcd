#pragma once

#include <QRect>

// The window's design is measured in twips: 1440 to the inch, 15 to a pixel at the usual
// screen resolution.
namespace twips {
constexpr int kPerPixel = 15;

constexpr int px(int twips) { return twips / kPerPixel; }

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}
}  // namespace twips
