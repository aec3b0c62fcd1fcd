#pragma once

#include <QByteArrayList>
#include <QFile>

// The saved file of a two-player game, byte for byte as the game must write it: Ann has Fours
// to Sixes and the bonus, Bob a zero in Aces, a full house and a small straight; Ann is to move
// in round 4, has rolled twice and holds three threes. Lines: 1 count; 2..43 Ann; 44..85 Bob;
// 86 player to move; 87 rolls; 88 round; 89 Roll button; 90..99 the dice, value then held.
inline QByteArrayList goldenLines()
{
    const char *const white = " 16777215 ";
    const char *const scored = " 16047375 ";
    QByteArrayList lines{" 2 ", "Ann", " 75 ", " 0 ", " 110 "};
    auto cell = [&](const char *text, const char *colour = " 16777215 ") { lines << text << colour; };
    auto blank = [&](int cells) {
        for (int i = 0; i < cells; ++i)
            cell("", white);
    };
    blank(3);
    cell("20", scored), cell("25", scored), cell("30", scored), cell("75"), cell("35"), cell("110");
    blank(7);
    cell("0"), cell("110"), cell("110");
    lines << "Bob" << " 0 " << " 55 " << " 55 ";
    cell("0", " 65280 ");
    blank(5);
    cell("0"), cell(""), cell("0");
    blank(2);
    cell("25", scored), cell("30", scored);
    blank(3);
    cell("55"), cell("0"), cell("55");
    return lines << " 1 " << " 2 " << " 3 " << "True" << " 3 " << "True" << " 3 " << "True" << " 3 " << "True"
                 << " 5 " << "False" << " 5 " << "False";
}

inline QByteArray joined(const QByteArrayList &lines, const QByteArray &lineEnd = "\r\n")
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + lineEnd;
    return bytes;
}

// Writes a whole file.
inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A file's bytes, for comparing with what a save must write.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
