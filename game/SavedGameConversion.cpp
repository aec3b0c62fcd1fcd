#include "SavedGameConversion.h"

#include "ScoreCardLayout.h"

#include <algorithm>

SavedGame toSavedGame(const GameState &state, const ScoreCard &top, const ScoreCard &bottom,
                      bool rollEnabled, const std::array<SeatKind, 7> &seats)
{
    SavedGame saved;
    const int players = std::clamp<int>(state.NumPlayers, 0, layout::kMaxPlayers);
    for (int p = 1; p <= players; ++p) {
        const auto slot = std::size_t(p);
        SavedPlayer player;
        player.name = state.PlayerNames[slot];
        player.upperTotal = state.UpperTotal[slot];
        player.lowerTotal = state.LowerTotal[slot];
        player.grandTotal = state.GrandTotal[slot];
        for (int r = 1; r < top.rows(); ++r)
            player.top[std::size_t(r - 1)] = {top.textMatrix(r, p), qint32(top.cell(r, p).back)};
        for (int r = 1; r < bottom.rows(); ++r)
            player.bottom[std::size_t(r - 1)] = {bottom.textMatrix(r, p),
                                                 qint32(bottom.cell(r, p).back)};
        saved.players.push_back(player);
    }
    saved.currentPlayer = state.CurrentPlayer;
    saved.rollCount = state.RollCount;
    saved.roundCount = state.RoundCount;
    saved.rollEnabled = rollEnabled;
    saved.diceValue = state.DiceValue;
    saved.diceSaved = state.DiceSaved;
    const auto first = seats.begin() + 1;
    const auto last = first + players;
    if (std::any_of(first, last, [](SeatKind kind) { return kind != SeatKind::Human; }))
        saved.seats.assign(first, last);
    return saved;
}

namespace {
void restoreCell(ScoreCard &grid, int row, int col, const SavedCell &cell)
{
    const auto back = Colour(quint32(cell.colour));
    grid.setTextMatrix(row, col, cell.text);
    grid.setRow(row);
    grid.setCol(col);
    grid.setCellBackColor(back);
    // The file keeps no text colour or weight: an entry looks as it did when it was made, any
    // other cell plain, whatever the card showed before.
    const bool scored = back == colours::kScoredBack;
    const bool zero = back == colours::kZeroBack;
    grid.setCellForeColor(scored ? colours::kScoredText
                          : zero ? colours::kZeroText
                                 : colours::kWindowText);
    grid.setCellFontBold(scored || zero);
}
}  // namespace

void fromSavedGame(const SavedGame &saved, GameState &state, ScoreCard &top, ScoreCard &bottom,
                   std::array<SeatKind, 7> &seats)
{
    seats.fill(SeatKind::Human);
    for (std::size_t i = 0; i < saved.seats.size() && i + 1 < seats.size(); ++i)
        seats[i + 1] = saved.seats[i];
    state.NumPlayers = qint16(saved.players.size());
    for (int p = 1; p <= state.NumPlayers; ++p) {
        const auto slot = std::size_t(p);
        const SavedPlayer &player = saved.players[slot - 1];
        state.PlayerNames[slot] = player.name;
        top.setTextMatrix(0, p, player.name);
        state.UpperTotal[slot] = player.upperTotal;
        state.LowerTotal[slot] = player.lowerTotal;
        state.GrandTotal[slot] = player.grandTotal;
        for (int r = 1; r < top.rows(); ++r)
            restoreCell(top, r, p, player.top[std::size_t(r - 1)]);
        for (int r = 1; r < bottom.rows(); ++r)
            restoreCell(bottom, r, p, player.bottom[std::size_t(r - 1)]);
    }
    state.CurrentPlayer = saved.currentPlayer;
    state.RollCount = saved.rollCount;
    state.RoundCount = saved.roundCount;
    state.DiceValue = saved.diceValue;
    state.DiceSaved = saved.diceSaved;
}
