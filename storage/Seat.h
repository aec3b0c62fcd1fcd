#pragma once

#include <QString>
#include <optional>

// Who plays a seat of the game: a person, or the computer at one of its strengths.
enum class SeatKind { Human, Beginner, Casual, Strong, Perfect };

// "Human", "Beginner", "Casual", "Strong" or "Perfect": the word saved games and settings keep.
QString seatKindName(SeatKind kind);
// The kind a word names, exactly as seatKindName() writes it; none for any other text.
std::optional<SeatKind> seatKindFromName(QStringView name);

// The name a computer seat is given until a player names it: "Computer 1" for the first.
QString computerSeatName(int number);

// One seat of a game: its player's name and kind.
struct Seat
{
    QString name;
    SeatKind kind = SeatKind::Human;
    bool operator==(const Seat &) const = default;
};
