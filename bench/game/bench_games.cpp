// Plays 1000 scripted games through the real window in one process and prints the peak memory
// after the first game and after the last: the game must not grow as games go by.
#include "MemorySettings.h"
#include "ScriptedPlatform.h"
#include "ScriptedPrompts.h"
#include "OptimalPlay.h"
#include "RecordStore.h"
#include "frmMain.h"

#include <QTemporaryDir>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace {
long statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}

// One game of three players, thirteen rounds, every turn rolled twice with a die held.
void playOneGame(ScriptedPrompts &platform, frmMain &window)
{
    platform.inputAnswers << "3" << "Ann" << "Bob" << "Cy";
    window.mnuNewGame()->trigger();
    for (int round = 0; round < 13; ++round) {
        for (int player = 0; player < 3; ++player) {
            window.cmdRoll_Click();
            window.imgDiceRolled_Click(0);
            window.cmdRoll_Click();
            platform.yesNoAnswers << true;
            if (round < 6)
                window.clickScoreCardTop(round + 1, 1);
            else
                window.clickScoreCardBottom(round - 5, 1);
            platform.yesNoAnswers.clear();
        }
    }
    platform.clearRecords();
}
}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ScriptedPlatform dice;
    ScriptedPrompts platform;
    MemorySettings settings;
    OptimalPlay advisor;
    QTemporaryDir recordsDir;
    records::RecordStore records(recordsDir.filePath("records.sqlite"));
    frmMain window(dice, platform, settings, advisor, records);
    window.mnuAnimateDice()->trigger();  // no frames: each roll lands at once

    playOneGame(platform, window);
    const long afterFirst = statusKiB("VmHWM:");
    QElapsedTimer timer;
    timer.start();
    const int games = 1000;
    for (int g = 1; g < games; ++g) {
        playOneGame(platform, window);
        settings.log.clear();
        // What the event loop does between two games: windows closed meanwhile (the records
        // window a top-ten game opens) are deleted.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const long afterLast = statusKiB("VmHWM:");
    std::printf("games played:          %d (3 players, 13 rounds each)\n", games);
    std::printf("time per game:         %.2f ms\n", double(timer.elapsed()) / (games - 1));
    std::printf("peak memory, game 1:   %ld KiB\n", afterFirst);
    std::printf("peak memory, game %d: %ld KiB\n", games, afterLast);
    std::printf("growth:                %ld KiB (target: under 1024)\n", afterLast - afterFirst);
    return 0;
}
