// Writes a handful of valid saved games into the folder named on the command line.

#include "Golden.h"
#include "SaveFile.h"

#include <QDir>
#include <QFile>

int main(int argc, char **argv)
{
    if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1])))
        return 2;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    SavedGame six = decodeSavedGame(joined(goldenLines())).game.value();
    six.players.resize(6, six.players[1]);
    six.players[0].name = QStringLiteral("李雷 \U0001F3B2 Zoë");
    six.currentPlayer = 6;
    six.rollCount = 3;
    six.roundCount = 12;
    SavedGame one = six;
    one.players.resize(1);
    one.currentPlayer = 1;
    one.rollCount = 0;
    one.diceValue = {};
    one.diceSaved = {};
    SavedGame computers = decodeSavedGame(joined(goldenLines())).game.value();
    computers.seats = {SeatKind::Human, SeatKind::Strong};
    const std::pair<const char *, QByteArray> seeds[] = {
        {"two-players-mid-turn.sav", joined(goldenLines())},
        {"two-players-bare-line-feeds.sav", joined(goldenLines(), "\n")},
        {"six-players-third-roll.sav", encodeSavedGame(six)},
        {"one-player-start.sav", encodeSavedGame(one)},
        {"against-the-computer.sav", encodeSavedGame(computers)}};
    for (const auto &[name, bytes] : seeds) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }
    return 0;
}
