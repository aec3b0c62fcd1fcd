#pragma once

#include "Seat.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <vector>

// The contents of a saved game (.sav) file, value by value, in the order of the file.
struct SavedCell
{
    QString text;
    qint32 colour = 0;  // the cell's background, as the score card holds it, read as signed
    bool operator==(const SavedCell &) const = default;
};

struct SavedPlayer
{
    QString name;
    qint16 upperTotal = 0;
    qint16 lowerTotal = 0;
    qint16 grandTotal = 0;
    std::array<SavedCell, 9> top;      // rows 1..9 of the upper grid
    std::array<SavedCell, 10> bottom;  // rows 1..10 of the lower grid
    bool operator==(const SavedPlayer &) const = default;
};

struct SavedGame
{
    std::vector<SavedPlayer> players;  // 1..6 players; the file's first line is their count
    qint16 currentPlayer = 1;
    qint16 rollCount = 0;
    qint16 roundCount = 0;
    // Written from the Roll button; read back as true unless the line is exactly "False". The
    // game sets the button from rollCount instead.
    bool rollEnabled = false;
    std::array<qint16, 5> diceValue{};
    std::array<bool, 5> diceSaved{};
    // The kind of each player's seat, one per player, when any seat is the computer's; empty
    // when every seat is a person's (the file then ends with the dice, as it always has).
    std::vector<SeatKind> seats;
    bool operator==(const SavedGame &) const = default;
};

// Where and why a file was refused. line is 1-based; 0 when the file as a whole is at fault
// (missing, a folder, unreadable, far too large). reason is a sentence a player understands,
// naming neither the file nor the line: the caller adds those.
struct SaveFileError
{
    int line = 0;
    QString reason;
};

// The file's bytes: one value per line, each line ending in CR LF. Integers as a blank or minus
// sign, the digits, a blank. Texts in code page 1252 when they fit, in UTF-8 otherwise (also when
// the code page's bytes would read as different UTF-8, so every text reads back as it was); a
// line break inside a text is written as a blank so that it cannot shift the lines after it.
// A game with a computer seat is followed by the line "Computer players" and one line per player
// naming the seat's kind. Writes what it is given: the caller keeps the game within its limits.
QByteArray encodeSavedGame(const SavedGame &game);

// Reads and checks the whole file before anything is used: every line present, numbers where
// numbers belong, every value within the limits of a game in progress. A "Computer players" line
// after the dice must be followed by a known kind for every player; any other lines past the
// last one the layout needs are ignored. Lines may end in CR LF or a bare LF, the last one in nothing; a
// line is read as UTF-8 when it is valid UTF-8, as code page 1252 otherwise. A player with fewer
// free categories than turns still to play is refused, as a turn could never end, and so is a
// category cell that holds anything but nothing or a score the dice can make in that category.
struct DecodeResult
{
    std::optional<SavedGame> game;
    SaveFileError error;  // set when game is empty
};
DecodeResult decodeSavedGame(const QByteArray &bytes);

// Writes the file so that an existing file is replaced only by a complete new one.
// Returns an empty optional on success, the reason on failure.
std::optional<QString> writeSavedGame(const QString &path, const SavedGame &game);
// Refuses anything but an ordinary file of at most 1 MiB before decoding it.
DecodeResult readSavedGame(const QString &path);
