#include "SavedGameConversion.h"

#include "CardLayout.h"
#include "CellColour.h"

namespace {
// The cells of one section of a column, row 1 onwards.
template<std::size_t N>
void writeCells(std::array<SavedCell, N> &cells, const ScoreSheet &sheet, card::Section section)
{
    const std::vector<card::Row> &rows = card::rows(section);
    for (std::size_t r = 0; r < N; ++r) {
        const card::Row &row = rows[r + 1];
        const std::optional<int> value = card::value(sheet, row);
        cells[r].text = value ? QString::number(*value) : QString();
        CellColour colour = colours::kWhite;
        if (row.line == card::Line::Entry && value)
            colour = *value > 0 ? colours::kScoredBack : colours::kZeroBack;
        cells[r].colour = qint32(colour);
    }
}
}  // namespace

SavedGame toSavedGame(const GameState &state)
{
    SavedGame saved;
    bool computers = false;
    for (const Player &player : state.players) {
        SavedPlayer out;
        out.name = player.seat.name;
        out.upperTotal = qint16(player.sheet.upperSum());
        out.lowerTotal = qint16(player.sheet.lowerTotal());
        out.grandTotal = qint16(player.sheet.grandTotal());
        writeCells(out.top, player.sheet, card::Section::Upper);
        writeCells(out.bottom, player.sheet, card::Section::Lower);
        saved.players.push_back(out);
        saved.seats.push_back(player.seat.kind);
        computers = computers || player.seat.isComputer();
    }
    if (!computers)
        saved.seats.clear();
    saved.currentPlayer = qint16(state.mover + 1);
    saved.rollCount = qint16(state.turn.rollsMade);
    saved.roundCount = qint16(state.round);
    saved.rollEnabled = state.turn.rollsMade < kRollsPerTurn;
    for (std::size_t d = 0; d < saved.diceValue.size(); ++d) {
        saved.diceValue[d] = qint16(state.turn.faces[d]);
        saved.diceSaved[d] = state.turn.held[d];
    }
    return saved;
}

GameState fromSavedGame(const SavedGame &saved)
{
    GameState state;
    for (std::size_t p = 0; p < saved.players.size(); ++p) {
        const SavedPlayer &in = saved.players[p];
        Player player;
        player.seat.name = fittedName(in.name);
        player.seat.kind = p < saved.seats.size() ? saved.seats[p] : SeatKind::Human;
        for (int c = 0; c < kCategoryCount; ++c) {
            const auto category = Category(c);
            const auto row = std::size_t(card::rowOf(category) - 1);
            const QString text = (isUpper(category) ? in.top[row] : in.bottom[row]).text;
            if (!text.isEmpty())
                player.sheet.enter(category, text.trimmed().toInt());
        }
        state.players.push_back(player);
    }
    state.mover = saved.currentPlayer - 1;
    state.round = saved.roundCount;
    state.turn.rollsMade = saved.rollCount;
    for (std::size_t d = 0; d < saved.diceValue.size(); ++d) {
        state.turn.faces[d] = saved.diceValue[d];
        state.turn.held[d] = saved.diceSaved[d];
    }
    return state;
}
