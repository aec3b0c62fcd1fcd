// Any bytes may arrive as a .sav file. The reader must never crash, hang or step outside its
// buffers; a file it accepts must be a game within its limits that a save and a load give back
// unchanged, as a file and as the game it holds; a file it refuses must say where and why.

#include "SaveFile.h"
#include "SavedGameConversion.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool withinLimits(const SavedGame &game)
{
    const auto players = qint16(game.players.size());
    if (players < 1 || players > 6)
        return false;
    if (game.currentPlayer < 1 || game.currentPlayer > players)
        return false;
    if (game.rollCount < 0 || game.rollCount > 3 || game.roundCount < 0 || game.roundCount > 12)
        return false;
    for (std::size_t d = 0; d < game.diceValue.size(); ++d) {
        const int lowest = game.diceSaved[d] ? 1 : 0;
        if (game.diceValue[d] < lowest || game.diceValue[d] > 6)
            return false;
    }
    return true;
}

bool textsHoldNoLineBreak(const SavedGame &game)
{
    auto clean = [](const QString &text) { return !text.contains(u'\r') && !text.contains(u'\n'); };
    auto cellsClean = [&](const auto &cells) {
        return std::all_of(cells.begin(), cells.end(), [&](const SavedCell &cell) { return clean(cell.text); });
    };
    return std::all_of(game.players.begin(), game.players.end(), [&](const SavedPlayer &player) {
        return clean(player.name) && cellsClean(player.top) && cellsClean(player.bottom);
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const DecodeResult result = decodeSavedGame(bytes);
    if (!result.game) {
        if (result.error.line < 1 || result.error.line > 42 * 6 + 15 + 1 + 6 || result.error.reason.isEmpty())
            std::abort();
        return 0;
    }
    if (!withinLimits(*result.game) || !textsHoldNoLineBreak(*result.game))
        std::abort();

    const QByteArray saved = encodeSavedGame(*result.game);
    const DecodeResult again = decodeSavedGame(saved);
    if (!again.game || !(*again.game == *result.game))
        std::abort();
    if (encodeSavedGame(*again.game) != saved)
        std::abort();

    // The game the file holds is written as the game writes it, and read back as the same game.
    const GameState game = fromSavedGame(*result.game);
    const DecodeResult written = decodeSavedGame(encodeSavedGame(toSavedGame(game)));
    if (!written.game || !(fromSavedGame(*written.game) == game))
        std::abort();
    return 0;
}
