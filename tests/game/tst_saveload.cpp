#include "SaveFile.h"
#include "Table.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Prompt = ScriptedPlatform::Prompt;

namespace {
const QString kFilter = QStringLiteral("Saved Games (*.sav)|*.sav");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Two players, mid-turn: Ann has earned the bonus, Bob holds a zero; Ann has rolled twice and
// holds three dice.
void playGoldenGame(Table &t)
{
    t.newGame({"Ann", "Bob"});
    t.turn("6 6 6 6 6", true, 6);
    t.turn("2 3 4 5 6", true, 1);  // Bob: Aces 0
    t.turn("5 5 5 5 5", true, 5);
    t.turn("2 2 3 3 3", false, 3);
    t.turn("4 4 4 4 4", true, 4);
    t.turn("1 2 3 4 6", false, 4);
    t.roll("3 3 1 2 6");
    t.hold(0);
    t.hold(1);
    t.roll("0 0 3 5 5");
    t.hold(2);
}

QByteArray goldenFile()
{
    const char *const white = " 16777215 ";
    const char *const scored = " 16047375 ";
    const char *const zero = " 65280 ";
    QList<QByteArray> lines{" 2 "};
    auto cell = [&](const char *text, const char *colour) { lines << text << colour; };
    // Ann
    lines << "Ann" << " 75 " << " 0 " << " 110 ";
    cell("", white); cell("", white); cell("", white);
    cell("20", scored); cell("25", scored); cell("30", scored);
    cell("75", white); cell("35", white); cell("110", white);
    for (int r = 1; r <= 7; ++r)
        cell("", white);
    cell("0", white); cell("110", white); cell("110", white);
    // Bob
    lines << "Bob" << " 0 " << " 55 " << " 55 ";
    cell("0", zero);
    for (int r = 2; r <= 6; ++r)
        cell("", white);
    cell("0", white); cell("", white); cell("0", white);
    cell("", white); cell("", white); cell("25", scored); cell("30", scored);
    cell("", white); cell("", white); cell("", white);
    cell("55", white); cell("0", white); cell("55", white);
    // Turn
    lines << " 1 " << " 2 " << " 3 " << "True";
    lines << " 3 " << "True" << " 3 " << "True" << " 3 " << "True" << " 5 " << "False"
          << " 5 " << "False";
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray &l : lines)
        l.chop(1);
    return lines;
}

QByteArray joinLines(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &l : lines)
        bytes += l + "\r\n";
    return bytes;
}

struct Seen
{
    GameState state;
    SavedGame card;
    std::array<int, 5> rolled, saved;
    bool roll, save;
    bool operator==(const Seen &) const = default;
};

Seen seen(Table &t)
{
    return {t.state(), t.snapshot(), t.game().rolledFaces(), t.game().savedFaces(),
            t.game().rollEnabled(), t.game().saveEnabled()};
}
}  // namespace

class SaveLoadTest : public QObject
{
    Q_OBJECT

private slots:
    void goldenFileByteForByte();
    void roundTrip_data();
    void roundTrip();
    void loadTwoOverFour();
    void loadRightAfterStartUp();
    void heldLines_data();
    void heldLines();
    void namesSurvive();
    void badFilesAreRefused_data();
    void badFilesAreRefused();
    void shortFilesAreRefused();
    void saveCancelWritesNothing();
    void overwriteQuestion();
    void saveFailureIsReported_data();
    void saveFailureIsReported();
    void saveWithoutAGameOnlyDisablesTheItem();
    void loadedCellsLookAsEntries();
    void totalsFromAFileNeverWrap();
};

void SaveLoadTest::goldenFileByteForByte()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("golden.sav");
    Table t;
    playGoldenGame(t);
    t.platform.clearRecords();
    t.platform.fileAnswers << path;
    t.window.mnuSaveGame_Click();

    const auto asked = t.platform.promptsOf(Prompt::SaveFile);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, kFilter);
    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes.count('\n'), 99);
    QVERIFY(bytes.startsWith(" 2 \r\n"));
    const QList<QByteArray> got = splitLines(bytes);
    const QList<QByteArray> want = splitLines(goldenFile());
    QCOMPARE(got.size(), want.size());
    for (int i = 0; i < want.size(); ++i)
        if (got[i] != want[i])
            QFAIL(qPrintable(QStringLiteral("line %1: %2 instead of %3")
                                 .arg(i + 1).arg(QString::fromLatin1(got[i]), QString::fromLatin1(want[i]))));
    QCOMPARE(bytes, goldenFile());
    QVERIFY(t.platform.prompts.size() == 1);
}

void SaveLoadTest::roundTrip_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("rolls");
    for (int players : {1, 2, 6})
        for (int rolls : {0, 1, 3})
            QTest::addRow("%d players, %d rolls", players, rolls) << players << rolls;
}

void SaveLoadTest::roundTrip()
{
    QFETCH(int, players);
    QFETCH(int, rolls);
    QTemporaryDir dir;
    const QString path = dir.filePath("round.sav");

    Table t;
    QStringList names;
    for (int p = 1; p <= players; ++p)
        names << QStringLiteral("P%1").arg(p);
    t.newGame(names);
    for (int entry = 0; entry < players + 1; ++entry)
        t.turn(entry % 2 ? "2 2 3 3 3" : "6 5 4 1 1", entry % 2 == 0, entry / players + 1);
    for (int r = 0; r < rolls; ++r) {
        t.roll("4 4 2 6 1");
        if (r == 0)
            t.hold(1);
    }
    const Seen before = seen(t);
    t.platform.fileAnswers << path;
    t.window.mnuSaveGame_Click();
    QCOMPARE(seen(t), before);

    Table u;
    u.platform.fileAnswers << path;
    u.window.mnuLoadGame_Click();
    Seen after = seen(u);
    after.state.AnimateDice = before.state.AnimateDice;
    after.state.DefNumPlayers = before.state.DefNumPlayers;
    QCOMPARE(after, before);
    QCOMPARE(u.game().rollEnabled(), rolls < 3);
    int red = 0;
    for (int c = 1; c <= 6; ++c)
        red += u.top().cell(0, c).back == colours::kRed;
    QCOMPARE(red, 1);
    QCOMPARE(u.top().cell(0, u.state().CurrentPlayer).back, colours::kRed);
}

void SaveLoadTest::loadTwoOverFour()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("two.sav");
    writeAll(path, goldenFile());
    Table t;
    t.newGame({"A", "B", "C", "D"});
    t.turn("6 6 6 6 6", false, 6);
    t.turn("6 6 6 6 6", false, 6);
    t.turn("6 6 6 6 6", false, 6);
    t.roll("1 1 1 1 1");
    t.platform.clearRecords();
    t.platform.fileAnswers << path;
    t.window.mnuLoadGame_Click();

    QVERIFY(t.platform.promptsOf(Prompt::YesNo).isEmpty());  // a load asks nothing
    const GameState &s = t.state();
    QCOMPARE(s.NumPlayers, qint16(2));
    for (int p = 3; p <= 6; ++p) {
        QCOMPARE(s.PlayerNames[std::size_t(p)], QString());
        QCOMPARE(s.LowerTotal[std::size_t(p)], qint16(0));
        QCOMPARE(s.GrandTotal[std::size_t(p)], qint16(0));
        for (int r = 0; r < t.top().rows(); ++r)
            QCOMPARE(t.top().textMatrix(r, p), QString());
        for (int r = 0; r < t.bottom().rows(); ++r)
            QCOMPARE(t.bottom().textMatrix(r, p), QString());
        QCOMPARE(t.bottom().cell(6, p).back, colours::kWhite);
        QCOMPARE(t.top().cell(0, p).back, colours::kButtonFace);
    }
    QCOMPARE(t.top().textMatrix(0, 1), QStringLiteral("Ann"));
    QCOMPARE(t.top().cell(0, 1).back, colours::kRed);
    QCOMPARE(t.top().cell(0, 2).back, colours::kButtonFace);
    QCOMPARE(t.game().savedFaces(), (std::array<int, 5>{3, 3, 3, 0, 0}));
    QCOMPARE(t.game().rolledFaces(), (std::array<int, 5>{0, 0, 0, 5, 5}));
    QCOMPARE(s.RollCount, qint16(2));
    QCOMPARE(s.RoundCount, qint16(3));
    QVERIFY(t.game().rollEnabled());
}

void SaveLoadTest::loadRightAfterStartUp()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("start.sav");
    writeAll(path, goldenFile());
    Table t;
    t.platform.fileAnswers << path;
    t.window.mnuLoadGame_Click();
    QVERIFY(t.state().GameInProgress);
    QVERIFY(t.game().saveEnabled());

    // Save saves it, New and Exit ask first.
    const QString again = dir.filePath("again.sav");
    t.platform.fileAnswers << again;
    t.window.mnuSaveGame_Click();
    QCOMPARE(readAll(again), goldenFile());
    t.platform.yesNoAnswers << false;
    t.window.mnuNewGame_Click();
    QCOMPARE(t.platform.promptsOf(Prompt::YesNo).last().title, QStringLiteral("Game In Progress"));
    t.platform.yesNoAnswers << false;
    t.window.mnuExit_Click();
    QCOMPARE(t.platform.promptsOf(Prompt::YesNo).last().title, QStringLiteral("Game in progress"));
    QVERIFY(!t.platform.quitCalled);
    // The game goes on from the loaded point: a roll throws the two free dice only.
    t.roll("0 0 0 2 2");
    QCOMPARE(t.state().DiceValue, (std::array<qint16, 5>{3, 3, 3, 2, 2}));
    t.scoreBottom(3);
    QCOMPARE(t.bottom().textMatrix(3, 1), QStringLiteral("25"));
    QCOMPARE(t.state().CurrentPlayer, qint16(2));
}

void SaveLoadTest::heldLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("held");
    QTest::newRow("False") << QByteArray("False") << false;
    QTest::newRow("false in small letters") << QByteArray("false") << true;
    QTest::newRow("empty") << QByteArray("") << true;
}

void SaveLoadTest::heldLines()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, held);
    QTemporaryDir dir;
    const QString path = dir.filePath("held.sav");
    QList<QByteArray> lines = splitLines(goldenFile());
    lines[42 * 2 + 6 + 2 * 3] = line;  // die 3: value 5, held line
    writeAll(path, joinLines(lines));
    Table t;
    t.platform.fileAnswers << path;
    t.window.mnuLoadGame_Click();
    QVERIFY(t.state().GameInProgress);
    QCOMPARE(t.state().DiceSaved[3], held);
    QCOMPARE(t.game().savedFaces()[3], held ? 5 : 0);
    QCOMPARE(t.game().rolledFaces()[3], held ? 0 : 5);
}

void SaveLoadTest::namesSurvive()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("names.sav");
    const QStringList names{"Ann, \"Bee\"", "  spaced", "Zoë", "Łukasz", "李雷", "Ace 🎲"};
    Table t;
    t.newGame(names);
    t.platform.fileAnswers << path;
    t.window.mnuSaveGame_Click();
    Table u;
    u.platform.fileAnswers << path;
    u.window.mnuLoadGame_Click();
    for (int p = 1; p <= 6; ++p) {
        QCOMPARE(u.state().PlayerNames[std::size_t(p)], names[p - 1]);
        QCOMPARE(u.top().textMatrix(0, p), names[p - 1]);
    }

    // A file written in the 8-bit code page by another copy of the game.
    QList<QByteArray> lines = splitLines(goldenFile());
    lines[1] = QByteArray("Zo\xEB");
    writeAll(path, joinLines(lines));
    Table w;
    w.platform.fileAnswers << path;
    w.window.mnuLoadGame_Click();
    QCOMPARE(w.state().PlayerNames[1], QStringLiteral("Zoë"));
}

void SaveLoadTest::badFilesAreRefused_data()
{
    // The reader's own tests break every limit; here a few show what the player sees.
    QTest::addColumn<int>("line");  // 1-based line of the golden file to replace
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("seven players") << 1 << QByteArray(" 7 ");
    QTest::newRow("total not a number") << 4 << QByteArray(" 1 0 ");
    QTest::newRow("current player past the count") << 86 << QByteArray(" 3 ");
    QTest::newRow("four rolls") << 87 << QByteArray(" 4 ");
    QTest::newRow("held die without a face") << 90 << QByteArray(" 0 ");
}

void SaveLoadTest::badFilesAreRefused()
{
    QFETCH(int, line);
    QFETCH(QByteArray, value);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.sav");
    QList<QByteArray> lines = splitLines(goldenFile());
    lines[line - 1] = value;
    writeAll(path, joinLines(lines));

    Table t;
    t.newGame({"Keep", "Me"});
    t.turn("5 5 5 1 2", true, 5);
    t.roll("3 3 3 4 4");
    t.hold(4);
    const Seen before = seen(t);
    t.platform.clearRecords();
    t.platform.fileAnswers << path;
    t.window.mnuLoadGame_Click();

    QCOMPARE(seen(t), before);
    const auto told = t.platform.promptsOf(Prompt::Ok);
    QCOMPARE(told.size(), 1);
    QCOMPARE(told[0].title, QStringLiteral("Load Failed"));
    QVERIFY2(told[0].text.contains(path), qPrintable(told[0].text));
    QVERIFY2(told[0].text.contains(QStringLiteral("Line %1:").arg(line)), qPrintable(told[0].text));
}

void SaveLoadTest::shortFilesAreRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("short.sav");
    const QList<QByteArray> lines = splitLines(goldenFile());
    Table t;
    t.newGame({"Keep"});
    t.roll("1 2 3 4 5");
    const Seen before = seen(t);
    for (int count : {0, 1, 42, 89, 98}) {
        writeAll(path, joinLines(lines.mid(0, count)));
        t.platform.clearRecords();
        t.platform.fileAnswers << path;
        t.window.mnuLoadGame_Click();
        QVERIFY2(seen(t) == before, qPrintable(QStringLiteral("cut after %1 lines").arg(count)));
        QCOMPARE(t.platform.promptsOf(Prompt::Ok).size(), 1);
    }
    // Missing files, folders, binary data.
    const QByteArray binary("\x00\x01\xFF\xFE\x80 7 \r\n\x00", 12);
    const QString binaryPath = dir.filePath("binary.sav");
    writeAll(binaryPath, binary);
    for (const QString &bad : {dir.filePath("missing.sav"), dir.path(), binaryPath}) {
        t.platform.clearRecords();
        t.platform.fileAnswers << bad;
        t.window.mnuLoadGame_Click();
        QVERIFY(seen(t) == before);
        QCOMPARE(t.platform.promptsOf(Prompt::Ok).size(), 1);
        QVERIFY(t.platform.promptsOf(Prompt::Ok)[0].text.contains(bad));
    }
    // Cancel changes nothing and says nothing.
    t.platform.clearRecords();
    t.platform.fileAnswers << QString();
    t.window.mnuLoadGame_Click();
    QVERIFY(seen(t) == before);
    QCOMPARE(t.platform.promptsOf(Prompt::Ok).size(), 0);
}

void SaveLoadTest::saveCancelWritesNothing()
{
    QTemporaryDir dir;
    Table t;
    t.newGame({"Ann"});
    t.platform.fileAnswers << QString();
    t.window.mnuSaveGame_Click();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 0);
    QVERIFY(t.platform.promptsOf(Prompt::Ok).isEmpty());
}

void SaveLoadTest::overwriteQuestion()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("taken.sav");
    writeAll(path, "keep me\r\n");
    Table t;
    t.newGame({"Ann"});

    // No twice brings the dialog back each time; cancelling then leaves the file as it was.
    t.platform.fileAnswers << path << path << QString();
    t.platform.yesNoAnswers << false << false;
    t.window.mnuSaveGame_Click();
    QCOMPARE(t.platform.events, (QStringList{"input Kelbrune!", "input Player Name", "save",
                                             "yes/no File Exists.", "save", "yes/no File Exists.",
                                             "save"}));
    const auto asked = t.platform.promptsOf(Prompt::YesNo);
    QCOMPARE(asked[0].text, path + QStringLiteral(" already exists.\r\nOverwrite?"));
    QCOMPARE(readAll(path), QByteArray("keep me\r\n"));

    // Yes replaces it.
    t.platform.fileAnswers << path;
    t.platform.yesNoAnswers << true;
    t.window.mnuSaveGame_Click();
    QCOMPARE(readAll(path).count('\n'), 57);
    QVERIFY(readAll(path).startsWith(" 1 \r\nAnn\r\n"));
}

void SaveLoadTest::saveFailureIsReported_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("missing folder") << "no/such/folder/game.sav";
    QTest::newRow("below a regular file") << "plain.txt/game.sav";
    QTest::newRow("an existing folder") << "folder";
}

void SaveLoadTest::saveFailureIsReported()
{
    QFETCH(QString, where);
    QTemporaryDir dir;
    writeAll(dir.filePath("plain.txt"), "x");
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    const QString path = dir.filePath(where);
    Table t;
    t.newGame({"Ann"});
    t.roll("1 2 3 4 5");
    const Seen before = seen(t);
    t.platform.clearRecords();
    t.platform.fileAnswers << path;
    t.window.mnuSaveGame_Click();
    QCOMPARE(seen(t), before);
    const auto told = t.platform.promptsOf(Prompt::Ok);
    QCOMPARE(told.size(), 1);
    QCOMPARE(told[0].title, QStringLiteral("Save Failed"));
    QVERIFY(told[0].text.contains(path));
    QVERIFY(t.platform.promptsOf(Prompt::YesNo).isEmpty());  // no "File Exists." for a folder
    QCOMPARE(readAll(dir.filePath("plain.txt")), QByteArray("x"));
}

void SaveLoadTest::saveWithoutAGameOnlyDisablesTheItem()
{
    Table t;
    t.window.mnuSaveGame_Click();
    QVERIFY(t.platform.prompts.isEmpty());
    QVERIFY(!t.game().saveEnabled());
}

void SaveLoadTest::loadedCellsLookAsEntries()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("look.sav");
    writeAll(path, goldenFile());
    Table t;
    t.newGame({"Zed", "Yan"});
    t.turn("2 3 4 5 6", true, 1);  // Zed: a zero in Aces, yellow and bold
    t.turn("4 4 4 1 1", true, 4);  // Yan: Fours 12
    t.platform.fileAnswers << path;
    t.window.mnuLoadGame_Click();

    // Ann's Aces is free in the file: plain, whatever the cell showed before.
    QCOMPARE(t.top().cell(1, 1).fore, colours::kWindowText);
    QVERIFY(!t.top().cell(1, 1).bold);
    // Bob's zero and Ann's Fours look as entries look.
    QCOMPARE(t.top().cell(1, 2).fore, colours::kZeroText);
    QVERIFY(t.top().cell(1, 2).bold);
    QCOMPARE(t.top().cell(4, 1).fore, colours::kScoredText);
    QVERIFY(t.top().cell(4, 1).bold);
    QCOMPARE(t.top().cell(4, 2).fore, colours::kWindowText);
    QVERIFY(!t.top().cell(4, 2).bold);
}

void SaveLoadTest::totalsFromAFileNeverWrap()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("edge.sav");
    QList<QByteArray> lines = splitLines(goldenFile());
    lines[3] = " 32767 ";  // Ann's lower total
    lines[4] = " 32767 ";  // and grand total
    writeAll(path, joinLines(lines));
    Table t;
    t.platform.fileAnswers << path;
    t.window.mnuLoadGame_Click();
    t.roll("0 0 0 6 6");
    t.scoreBottom(7);
    QCOMPARE(t.state().LowerTotal[1], qint16(32767));
    QCOMPARE(t.state().GrandTotal[1], qint16(32767));
}

QTEST_MAIN(SaveLoadTest)
#include "tst_saveload.moc"
