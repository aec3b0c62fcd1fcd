#pragma once

#include <QString>

// What a box, the hint panel, a grid cell or a screen reader shows of a name: at most kShownName
// characters, a longer name cut short with an ellipsis. Names themselves are kept whole.
constexpr int kShownName = 40;

inline QString shownName(const QString &name)
{
    if (name.size() <= kShownName)
        return name;
    return name.left(kShownName - 1) + QChar(0x2026);
}
