#pragma once

#include <QtGlobal>

// The colours of the score card's cells as the save file carries them: 0x00BBGGRR for an RGB
// colour (red in the lowest byte), 0x800000nn for system colour nn. The window paints the same
// values.
using CellColour = quint32;

constexpr CellColour rgb(int red, int green, int blue)
{
    return CellColour(red & 0xFF) | (CellColour(green & 0xFF) << 8)
           | (CellColour(blue & 0xFF) << 16);
}
constexpr bool isSystemColour(CellColour c) { return (c & 0x80000000u) != 0; }
constexpr int redOf(CellColour c) { return int(c & 0xFF); }
constexpr int greenOf(CellColour c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(CellColour c) { return int((c >> 16) & 0xFF); }

namespace colours {
constexpr CellColour kWindow = 0x80000005;      // system: window background
constexpr CellColour kWindowText = 0x80000008;  // system: window text
constexpr CellColour kButtonFace = 0x8000000F;  // system: button face, also the fixed cells
constexpr CellColour kButtonText = 0x80000012;  // system: button text
constexpr CellColour kWhite = rgb(255, 255, 255);  // a cell of a game in play, not yet scored
constexpr CellColour kBlack = rgb(0, 0, 0);
constexpr CellColour kRed = rgb(255, 0, 0);         // the name of the player to move
constexpr CellColour kGridLines = rgb(192, 192, 192);
constexpr CellColour kScoredBack = rgb(15, 221, 244);  // an entry above 0
constexpr CellColour kScoredText = rgb(0, 128, 128);
constexpr CellColour kZeroBack = rgb(0, 255, 0);       // an entry of 0
constexpr CellColour kZeroText = rgb(255, 255, 0);
}  // namespace colours
