#pragma once

#include <QtGlobal>

// Colours in the game's own 32-bit encoding, the one the save file carries:
// 0x00BBGGRR for an RGB colour, 0x800000nn for system colour nn.
using Colour = quint32;

constexpr Colour rgb(int red, int green, int blue)
{
    return Colour(red & 0xFF) | (Colour(green & 0xFF) << 8) | (Colour(blue & 0xFF) << 16);
}

constexpr bool isSystemColour(Colour c) { return (c & 0x80000000u) != 0; }
constexpr int systemColourIndex(Colour c) { return int(c & 0xFFu); }
constexpr int redOf(Colour c) { return int(c & 0xFF); }
constexpr int greenOf(Colour c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return int((c >> 16) & 0xFF); }

namespace colours {
constexpr Colour kWindow = 0x80000005;      // system: window background
constexpr Colour kWindowText = 0x80000008;  // system: window text
constexpr Colour kButtonFace = 0x8000000F;  // system: button face, also the fixed cells
constexpr Colour kButtonText = 0x80000012;  // system: button text
constexpr Colour kWhite = rgb(255, 255, 255);
constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kGridLines = rgb(192, 192, 192);
constexpr Colour kScoredBack = rgb(15, 221, 244);
constexpr Colour kScoredText = rgb(0, 128, 128);
constexpr Colour kZeroBack = rgb(0, 255, 0);
constexpr Colour kZeroText = rgb(255, 255, 0);
}  // namespace colours
