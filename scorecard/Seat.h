#pragma once

#include <QString>
#include <optional>

// Who plays a seat of the game: a person, or the computer at one of its strengths, weakest first.
enum class SeatKind { Human, Beginner, Casual, Strong, Perfect };

// "Human", "Beginner", "Casual", "Strong" or "Perfect": the word saved games, settings and records
// keep. Never translated.
QString seatKindName(SeatKind kind);
// What the window calls a kind, in the player's language ("Strong" is "Stark" in German).
QString seatKindLabel(SeatKind kind);
// The kind a word names, exactly as seatKindName() writes it; none for any other text.
std::optional<SeatKind> seatKindFromName(QStringView name);

// The most characters a player's name holds, typed or loaded.
constexpr int kMaxNameLength = 100;
// The text with each line break (CR LF, a bare CR or a bare LF) turned into one blank, so that no
// name can span two lines of a file.
QString singleLine(QString text);
// A name as the game keeps it: on one line and at most kMaxNameLength characters, never cut
// inside a character that takes two.
QString fittedName(const QString &text);

// One seat of a game: its player's name and who plays it.
struct Seat
{
    QString name;
    SeatKind kind = SeatKind::Human;
    bool isComputer() const { return kind != SeatKind::Human; }
    bool operator==(const Seat &) const = default;
};
