// Writes a handful of valid saved games into the folder named on the command line.

#include "SaveFile.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

SavedGame game(int players, int rolls, const QString &firstName)
{
    SavedGame game;
    for (int p = 1; p <= players; ++p) {
        SavedPlayer player;
        player.name = p == 1 ? firstName : QStringLiteral("Player%1").arg(p);
        player.upperTotal = qint16(63 + p);
        player.lowerTotal = qint16(25 * p);
        player.grandTotal = qint16(player.upperTotal + player.lowerTotal + 35);
        for (std::size_t r = 0; r < player.top.size(); ++r)
            player.top[r] = {r % 2 ? QString() : QString::number(3 * r), r % 2 ? 16777215 : 16047375};
        for (std::size_t r = 0; r < player.bottom.size(); ++r)
            player.bottom[r] = {r == 2 ? QStringLiteral("0") : QString(), r == 2 ? 65280 : -2147483633};
        game.players.push_back(player);
    }
    game.currentPlayer = qint16(players);
    game.rollCount = qint16(rolls);
    game.roundCount = 6;
    game.rollEnabled = rolls < 3;
    if (rolls > 0) {
        game.diceValue = {2, 3, 4, 5, 6};
        game.diceSaved = {true, false, true, false, false};
    }
    return game;
}

bool write(const QDir &dir, const char *name, const QByteArray &bytes)
{
    QFile file(dir.filePath(QString::fromLatin1(name)));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path()))
        return 1;
    SavedGame computers = game(3, 1, QStringLiteral("Ann"));
    computers.seats = {SeatKind::Human, SeatKind::Strong, SeatKind::Perfect};
    QByteArray bareLineFeeds = encodeSavedGame(game(2, 1, QStringLiteral("Ann")));
    bareLineFeeds.replace("\r\n", "\n");
    const bool ok = write(dir, "one-player-start.sav", encodeSavedGame(game(1, 0, QStringLiteral("Solo"))))
        && write(dir, "two-players-mid-turn.sav", encodeSavedGame(game(2, 2, QStringLiteral("Zoë"))))
        && write(dir, "six-players-third-roll.sav", encodeSavedGame(game(6, 3, QStringLiteral("李雷 \U0001F3B2"))))
        && write(dir, "two-players-bare-line-feeds.sav", bareLineFeeds)
        && write(dir, "against-two-computers.sav", encodeSavedGame(computers));
    return ok ? 0 : 1;
}
