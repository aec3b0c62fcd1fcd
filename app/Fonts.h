#pragma once

#include <QFont>
#include <QPalette>
#include <QWidget>
#include <QStringList>

// The two faces of the game: a compact sans for the score card and the frames, and a rounded
// comic face, bold, for the Roll button and the About window. Both come from Debian packages the
// set-up installs; the fall-backs keep the game readable without them.
namespace fonts {

inline QFont compactSans()
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Sans Serif")});
    font.setStretch(QFont::SemiCondensed);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

inline QFont comicBold(qreal points)
{
    QFont font;
    font.setFamilies({QStringLiteral("Comic Neue"), QStringLiteral("Sans Serif")});
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// The look of the texts on the window's black: light, a little larger than the card's.
inline void lightOnBlack(QWidget *label)
{
    QFont font = compactSans();
    font.setPointSizeF(10.5);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor(230, 230, 230));
    label->setPalette(colours);
}

}  // namespace fonts
