// Saving never loses the old file, a Load that overtakes a prompt is never spoiled, and the
// limits of an edited file never leave the game stuck or self-contradicting.
#include "Table.h"

#include <QFile>
#include <QLabel>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using Prompt = ScriptedPlatform::Prompt;

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Two players, Bob to move after one roll.
SavedGame otherGame()
{
    SavedGame saved = savedTurn(QStringLiteral("Cleo"), 1, {2, 2, 4, 5, 6});
    saved.players.push_back(saved.players.front());
    saved.players.back().name = QStringLiteral("Dan");
    saved.currentPlayer = 2;
    saved.roundCount = 4;
    saved.rollEnabled = true;
    return saved;
}

// Every write beyond the first few bytes fails, as on a full disk, until the limit is lifted.
class WriteLimit
{
public:
    explicit WriteLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~WriteLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};
}  // namespace

class SafetyTest : public QObject
{
    Q_OBJECT

private slots:
    void failedWriteKeepsTheOldFile();
    void specialFilesAreNotReplaced();
    void loadOvertakingAPrompt_data();
    void loadOvertakingAPrompt();
    void totalsStayWithinTheLimit();
    void fullColumnToMoveIsRefused();
    void finishedGameStaysFinishedUnderItsBox();
    void rollAfterMidRollNewGame();
    void longNamesAreShortenedInMessages();
    void lineBreaksInNamesBecomeBlanks();
};

void SafetyTest::failedWriteKeepsTheOldFile()
{
    Table t;
    t.newGame({"Ann"});
    const QString path = t.writeGame(otherGame(), QStringLiteral("old.sav"));
    const QByteArray old = readAll(path);
    t.platform.fileAnswers << path;
    t.platform.yesNoAnswers << true;  // overwrite
    {
        const WriteLimit full(100);
        t.window.mnuSaveGame_Click();
    }
    const QList<Prompt> told = t.platform.promptsOf(Prompt::Ok);
    QCOMPARE(told.size(), 1);
    QCOMPARE(told[0].title, QStringLiteral("Save Failed"));
    QVERIFY(told[0].text.startsWith(QStringLiteral("The game could not be saved to ") + path
                                    + QStringLiteral(".\r\n")));
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(t.files.path()).entryList(QDir::Files), QStringList{"old.sav"});
}

void SafetyTest::specialFilesAreNotReplaced()
{
    Table t;
    t.newGame({"Ann"});
    const QString fifo = t.files.filePath(QStringLiteral("pipe.sav"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    t.platform.clearRecords();
    t.platform.fileAnswers << fifo;
    t.window.mnuSaveGame_Click();
    QCOMPARE(t.platform.events, (QStringList{"save", "ok Save Failed"}));
    QVERIFY(!QFileInfo(fifo).isFile());
    QVERIFY(QFileInfo(fifo).exists());
}

void SafetyTest::loadOvertakingAPrompt_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::newRow("Zero Score?") << "Zero Score?";
    QTest::newRow("Game Over!") << "Game Over!";
    QTest::newRow("Game In Progress") << "Game In Progress";
    QTest::newRow("player count") << "Kelbrune!";
    QTest::newRow("player name") << "Player Name";
    QTest::newRow("Exit's question") << "Game in progress";
    QTest::newRow("File Exists.") << "File Exists.";
}

// The player answers Yes, OK or a name, but a Load chosen meanwhile has already replaced the
// game: the loaded game must stand exactly as it was loaded.
void SafetyTest::loadOvertakingAPrompt()
{
    QFETCH(QString, prompt);
    Table t;
    const SavedGame loaded = otherGame();
    const QString loadPath = t.writeGame(loaded, QStringLiteral("load.sav"));
    const QString existing = t.writeGame(loaded, QStringLiteral("existing.sav"));
    const QByteArray existingBytes = readAll(existing);
    t.newGame({"Ann"});
    t.platform.duringPrompt(prompt, [&] {
        t.platform.fileAnswers.prepend(loadPath);
        t.window.mnuLoadGame_Click();
    });
    t.platform.yesNoAnswers << true;
    t.platform.inputAnswers << "2" << "Eve" << "Fay";

    if (prompt == u"Zero Score?") {
        t.roll("1 1 1 1 1");
        t.scoreTop(6);
    } else if (prompt == u"Game Over!") {
        for (int turn = 0; turn < 13; ++turn)
            t.turn("6 6 6 6 6", turn < 6, turn < 6 ? turn + 1 : turn - 5);
    } else if (prompt == u"Game in progress") {
        t.window.mnuExit_Click();
    } else if (prompt == u"File Exists.") {
        t.platform.fileAnswers << existing;
        t.window.mnuSaveGame_Click();
    } else {
        t.window.mnuNewGame_Click();
    }
    QVERIFY(t.platform.promptsOf(Prompt::OpenFile).size() == 1);
    QCOMPARE(t.snapshot(), loaded);
    QVERIFY(t.state().GameInProgress);
    QVERIFY(t.game().rollEnabled());
    QVERIFY(t.game().saveEnabled());
    QVERIFY(!t.platform.quitCalled);
    QCOMPARE(readAll(existing), existingBytes);
}

void SafetyTest::totalsStayWithinTheLimit()
{
    Table t;
    SavedGame saved = savedTurn(QStringLiteral("Ann"), 0, {});
    saved.players[0].upperTotal = 32767;
    saved.players[0].grandTotal = 32767;
    saved.players.push_back(saved.players[0]);
    saved.players[1].name = QStringLiteral("Bob");
    saved.players[1].upperTotal = 32000;
    saved.players[1].grandTotal = 32000;
    t.load(saved);
    t.roll("1 1 1 1 1");
    t.scoreTop(1);
    QCOMPARE(t.state().GrandTotal[1], qint16(32767));
    for (auto [grid, row] : {std::pair{&t.top(), 7}, {&t.top(), 9}, {&t.bottom(), 9},
                             {&t.bottom(), 10}})
        QCOMPARE(grid->textMatrix(row, 1), QStringLiteral("32767"));
    QCOMPARE(t.game().WinnerNames(), QStringLiteral("Ann"));
}

void SafetyTest::fullColumnToMoveIsRefused()
{
    Table t;
    t.newGame({"Ann"});
    const SavedGame before = t.snapshot();
    SavedGame full = otherGame();
    for (int r = 0; r < 6; ++r)
        full.players[1].top[std::size_t(r)].text = QStringLiteral("0");
    for (int r = 0; r < 7; ++r)
        full.players[1].bottom[std::size_t(r)].text = QStringLiteral("0");
    const QString path = t.writeGame(full);
    t.platform.fileAnswers << path;
    t.window.mnuLoadGame_Click();
    QCOMPARE(t.platform.promptsOf(Prompt::Ok).last().text,
             QStringLiteral("The game in ") + path
                 + QStringLiteral(" could not be loaded.\r\nLine 86: Player 2 is to move but has "
                                  "no free category left on the score card."));
    // A column that fills up before the last round: round 4, Dan to move, Cleo with 7 free.
    full.players[1] = full.players[0];
    for (int r = 0; r < 6; ++r)
        full.players[0].top[std::size_t(r)].text = QStringLiteral("1");
    t.platform.fileAnswers << t.writeGame(full);
    t.window.mnuLoadGame_Click();
    QVERIFY(t.platform.promptsOf(Prompt::Ok).last().text.endsWith(
        "Line 88: Player 1 has 7 free categories left on the score card but 8 turns still to "
        "play."));
    QCOMPARE(t.snapshot(), before);
}

// Keys that overtake the Game Over box find a game that is over.
void SafetyTest::finishedGameStaysFinishedUnderItsBox()
{
    Table t;
    t.newGame({"Ann"});
    const QString path = t.files.filePath("over.sav");
    t.platform.duringPrompt("Game Over!", [&] {
        const SavedGame over = t.snapshot();
        t.window.mnuUndo_Click();
        t.window.cmdRoll_Click();
        t.platform.fileAnswers << path;
        t.window.mnuSaveGame_Click();
        QCOMPARE(t.snapshot(), over);
    });
    for (int turn = 0; turn < 13; ++turn)
        t.turn("6 6 6 6 6", turn < 6, turn < 6 ? turn + 1 : turn - 5);
    QVERIFY(!t.state().GameInProgress);
    QCOMPARE(t.state().RoundCount, qint16(13));
    QVERIFY(!QFile::exists(path));
}

// A New game chosen while a roll waits out a frame: the old roll gives way at once, and the new
// game's first Roll is not lost behind it.
void SafetyTest::rollAfterMidRollNewGame()
{
    Table t;
    t.newGame({"Ann"});
    t.platform.scriptRoll("1 1 1 1 1", {}, 20);
    t.platform.atWait(1, [&] {
        t.platform.yesNoAnswers << true;
        t.newGame({"Bob"});
        t.platform.randoms.clear();  // the old roll's frames that will never be drawn
        t.roll("2 3 4 5 6");
    });
    t.window.cmdRoll_Click();
    QCOMPARE(t.platform.waitCancels, 1);
    QCOMPARE(t.state().PlayerNames[1], QStringLiteral("Bob"));
    QCOMPARE(t.state().RollCount, qint16(1));
    QCOMPARE(t.game().rolledFaces(), (std::array<int, 5>{2, 3, 4, 5, 6}));
    QVERIFY(t.game().rollEnabled());
}

void SafetyTest::longNamesAreShortenedInMessages()
{
    Table t;
    const QString longName(10000, QLatin1Char('x'));
    t.window.mnuShowHints_Click();
    t.newGame({longName});
    QCOMPARE(t.state().PlayerNames[1], longName);
    const QString shown = QString(kShownName - 1, QLatin1Char('x')) + QChar(0x2026);
    QVERIFY(t.window.hintPanel()->text().startsWith(shown + QStringLiteral(": Roll")));
    for (int turn = 0; turn < 13; ++turn)
        t.turn("6 6 6 6 6", turn < 6, turn < 6 ? turn + 1 : turn - 5);
    QCOMPARE(t.platform.promptsOf(Prompt::Ok).last().text,
             QStringLiteral("The game is over!\r\nCongratulations to ") + shown
                 + QStringLiteral(" who won the game!"));
}

void SafetyTest::lineBreaksInNamesBecomeBlanks()
{
    Table t;
    t.platform.inputAnswers << "1" << "Player\r\nOne\rA\nB";
    t.window.mnuNewGame_Click();
    QCOMPARE(t.state().PlayerNames[1], QStringLiteral("Player One A B"));
    QCOMPARE(t.settings.values.value("DefPlayer1"), QStringLiteral("Player One A B"));
}

QTEST_MAIN(SafetyTest)
#include "tst_safety.moc"
