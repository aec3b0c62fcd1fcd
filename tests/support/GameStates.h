#pragma once

#include "GameState.h"

#include <QStringList>

// Games in the middle of play, for tests.

// Dice from a short text: "2 2 3 3 3".
inline Dice diceOf(const QString &text)
{
    Dice dice{};
    const QStringList faces = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (std::size_t i = 0; i < dice.size(); ++i)
        dice[i] = faces.value(qsizetype(i)).toInt();
    return dice;
}

// A game of people with these names, the first to move in round 1: rolls made and dice
// ("" for none), and which dice are held.
inline GameState gameOf(const QStringList &names, int rolls = 0, const QString &dice = {},
                        const std::array<bool, 5> &held = {})
{
    GameState state;
    for (const QString &name : names)
        state.players.push_back({{name, SeatKind::Human}, {}});
    state.turn.rollsMade = rolls;
    state.turn.faces = diceOf(dice);
    state.turn.held = held;
    return state;
}

// The categories' short names in tests, in card order.
inline const QStringList kCategoryNames{"Aces", "Twos", "Threes", "Fours", "Fives", "Sixes", "3K", "4K",
                                       "FullHouse", "SmStraight", "LgStraight", "Kelbrune", "Chance"};

// Enters entries ("Aces 3", "Chance 0") on player p's sheet.
inline void enter(GameState &state, int player, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QStringList parts = entry.split(QLatin1Char(' '));
        state.players[std::size_t(player)].sheet.enter(Category(kCategoryNames.indexOf(parts[0])),
                                                       parts[1].toInt());
    }
}
