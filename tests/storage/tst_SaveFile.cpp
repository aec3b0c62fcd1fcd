#include "SaveFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

constexpr qint32 kWhite = 16777215;
constexpr qint32 kGreen = 65280;
constexpr qint32 kScored = 16047375;
constexpr qint32 kButtonFace = -2147483633;  // system colour 15, as the file holds it

SavedCell cell(const QString &text, qint32 colour)
{
    return SavedCell{text, colour};
}

// A two-player game in the middle of player 2's turn: a bonus, zero entries, a system colour,
// two rolls made, three dice set aside.
SavedGame goldenGame()
{
    SavedGame game;
    SavedPlayer ann;
    ann.name = QStringLiteral("Ann");
    ann.upperTotal = 116;
    ann.lowerTotal = 0;
    ann.grandTotal = 116;
    ann.top = {cell("3", kScored),   cell("6", kScored),    cell("12", kScored),
               cell("16", kScored),  cell("20", kScored),   cell("24", kScored),
               cell("81", kWhite),   cell("35", kWhite),    cell("116", kWhite)};
    ann.bottom = {cell("0", kGreen), cell("", kWhite),     cell("", kWhite),    cell("", kWhite),
                  cell("", kWhite),  cell("", kWhite),     cell("", kWhite),    cell("0", kWhite),
                  cell("116", kWhite), cell("116", kWhite)};
    SavedPlayer bob;
    bob.name = QStringLiteral("Bob");
    bob.upperTotal = 9;
    bob.lowerTotal = 75;
    bob.grandTotal = 84;
    bob.top = {cell("", kWhite), cell("", kWhite), cell("9", kScored),
               cell("", kWhite), cell("", kWhite), cell("", kWhite),
               cell("9", kWhite), cell("", kButtonFace), cell("9", kWhite)};
    bob.bottom = {cell("", kWhite),   cell("", kWhite),  cell("25", kScored), cell("", kWhite),
                  cell("", kWhite),   cell("50", kScored), cell("0", kGreen), cell("75", kWhite),
                  cell("9", kWhite),  cell("84", kWhite)};
    game.players = {ann, bob};
    game.currentPlayer = 2;
    game.rollCount = 2;
    game.roundCount = 7;
    game.rollEnabled = true;
    game.diceValue = {4, 4, 2, 6, 4};
    game.diceSaved = {true, true, false, false, true};
    return game;
}

// The same game, line by line, written out by hand.
QByteArrayList goldenLines()
{
    return {
        " 2 ",
        // Ann
        "Ann", " 116 ", " 0 ", " 116 ",
        "3", " 16047375 ", "6", " 16047375 ", "12", " 16047375 ", "16", " 16047375 ",
        "20", " 16047375 ", "24", " 16047375 ", "81", " 16777215 ", "35", " 16777215 ",
        "116", " 16777215 ",
        "0", " 65280 ", "", " 16777215 ", "", " 16777215 ", "", " 16777215 ", "", " 16777215 ",
        "", " 16777215 ", "", " 16777215 ", "0", " 16777215 ", "116", " 16777215 ",
        "116", " 16777215 ",
        // Bob
        "Bob", " 9 ", " 75 ", " 84 ",
        "", " 16777215 ", "", " 16777215 ", "9", " 16047375 ", "", " 16777215 ", "", " 16777215 ",
        "", " 16777215 ", "9", " 16777215 ", "", "-2147483633 ", "9", " 16777215 ",
        "", " 16777215 ", "", " 16777215 ", "25", " 16047375 ", "", " 16777215 ", "", " 16777215 ",
        "50", " 16047375 ", "0", " 65280 ", "75", " 16777215 ", "9", " 16777215 ", "84", " 16777215 ",
        // player to move, rolls, round, Roll button
        " 2 ", " 2 ", " 7 ", "True",
        // dice
        " 4 ", "True", " 4 ", "True", " 2 ", "False", " 6 ", "False", " 4 ", "True",
    };
}

QByteArray joined(const QByteArrayList &lines, const QByteArray &lineEnd = "\r\n")
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + lineEnd;
    return bytes;
}

QByteArray goldenWith(int line, const QByteArray &text)
{
    QByteArrayList lines = goldenLines();
    lines[line - 1] = text;
    return joined(lines);
}

// A game of any size with something in every kind of line; the dice as at the start of a turn
// (no roll), after the first roll, or after the third.
SavedGame sampleGame(int players, int rolls)
{
    SavedGame game;
    for (int p = 1; p <= players; ++p) {
        SavedPlayer player;
        player.name = QStringLiteral("Player %1, \"the\" Zoë 李").arg(p);
        player.upperTotal = qint16(10 * p);
        player.lowerTotal = qint16(-p);
        player.grandTotal = qint16(32767 - p);
        for (std::size_t r = 0; r < player.top.size(); ++r)
            player.top[r] = cell(r % 3 ? QString::number(r * p) : QString(), qint32(kScored - int(r)));
        for (std::size_t r = 0; r < player.bottom.size(); ++r)
            player.bottom[r] = cell(r % 2 ? QString() : QStringLiteral("%1").arg(r), kButtonFace - int(r));
        game.players.push_back(player);
    }
    game.currentPlayer = qint16(players);
    game.roundCount = 12;
    game.rollCount = qint16(rolls);
    game.rollEnabled = rolls < 3;
    if (rolls > 0) {
        game.diceValue = {1, 6, 3, 5, 2};
        game.diceSaved = {rolls == 3, false, true, false, rolls == 3};
    }
    return game;
}

int lineCount(const QByteArray &bytes)
{
    return int(bytes.count("\r\n"));
}

// Line n of a file written with CR LF, without its line end.
QByteArray lineOf(const QByteArray &bytes, int line)
{
    const QByteArrayList lines = bytes.split('\n');
    if (line < 1 || line >= lines.size() || !lines.at(line - 1).endsWith('\r'))
        return "<no such line>";
    return lines.at(line - 1).chopped(1);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

class tst_SaveFile : public QObject
{
    Q_OBJECT

private slots:
    void goldenTwoPlayerFile();
    void lineCounts_data();
    void lineCounts();
    void forms_data();
    void forms();
    void roundTrip_data();
    void roundTrip();

    void textWritten_data();
    void textWritten();
    void textRead_data();
    void textRead();
    void everyByteReadsBackAsItself();

    void acceptedNumbers_data();
    void acceptedNumbers();
    void limitBroken_data();
    void limitBroken();
    void cutShort_data();
    void cutShort();
    void heldLine_data();
    void heldLine();
    void rollButtonLineIgnored_data();
    void rollButtonLineIgnored();
    void lineEndsFromElsewhere_data();
    void lineEndsFromElsewhere();

    void writeThenRead();
    void readRefusesWhatIsNoSavedGame_data();
    void readRefusesWhatIsNoSavedGame();
    void writeBelowAFileFails();
    void writeIntoMissingFolderFails();
    void failedWriteKeepsTheExistingFile();
    void writeReplacesAnExistingFile();
};

void tst_SaveFile::goldenTwoPlayerFile()
{
    const QByteArray expected = joined(goldenLines());
    const QByteArray bytes = encodeSavedGame(goldenGame());
    QCOMPARE(bytes, expected);
    QCOMPARE(lineCount(bytes), 99);
    QVERIFY(bytes.startsWith(" 2 \r\n"));
    QVERIFY(bytes.endsWith(" 4 \r\nTrue\r\n"));

    const DecodeResult back = decodeSavedGame(expected);
    QVERIFY2(back.game, qPrintable(back.error.reason));
    QVERIFY(*back.game == goldenGame());
}

void tst_SaveFile::lineCounts_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("lines");
    QTest::newRow("one player") << 1 << 57;
    QTest::newRow("two players") << 2 << 99;
    QTest::newRow("six players") << 6 << 267;
}

void tst_SaveFile::lineCounts()
{
    QFETCH(int, players);
    QFETCH(int, lines);
    const QByteArray bytes = encodeSavedGame(sampleGame(players, 1));
    QCOMPARE(lineCount(bytes), lines);
    QCOMPARE(bytes.count('\n'), lines);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(lineOf(bytes, 1), QByteArray(" ") + QByteArray::number(players) + " ");
}

// Each form once, as it lands on its own line of a one-player file: 3 upper total, 7 colour of
// Aces, 47 Roll button, 48 and 49 the first die.
void tst_SaveFile::forms_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("integer zero") << "upperTotal" << 0 << 3 << QByteArray(" 0 ");
    QTest::newRow("integer two") << "upperTotal" << 2 << 3 << QByteArray(" 2 ");
    QTest::newRow("integer negative") << "upperTotal" << -7 << 3 << QByteArray("-7 ");
    QTest::newRow("integer largest") << "upperTotal" << 32767 << 3 << QByteArray(" 32767 ");
    QTest::newRow("integer smallest") << "upperTotal" << -32768 << 3 << QByteArray("-32768 ");
    QTest::newRow("colour white") << "colour" << kWhite << 7 << QByteArray(" 16777215 ");
    QTest::newRow("colour green") << "colour" << kGreen << 7 << QByteArray(" 65280 ");
    QTest::newRow("colour button face") << "colour" << kButtonFace << 7 << QByteArray("-2147483633 ");
    QTest::newRow("colour smallest") << "colour" << int(INT_MIN) << 7 << QByteArray("-2147483648 ");
    QTest::newRow("colour largest") << "colour" << int(INT_MAX) << 7 << QByteArray(" 2147483647 ");
    QTest::newRow("roll button on") << "rollEnabled" << 1 << 47 << QByteArray("True");
    QTest::newRow("roll button off") << "rollEnabled" << 0 << 47 << QByteArray("False");
    QTest::newRow("held") << "held" << 1 << 49 << QByteArray("True");
    QTest::newRow("not held") << "held" << 0 << 49 << QByteArray("False");
}

void tst_SaveFile::forms()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(int, line);
    QFETCH(QByteArray, expected);

    SavedGame game = sampleGame(1, 1);
    if (field == u"upperTotal")
        game.players[0].upperTotal = qint16(value);
    else if (field == u"colour")
        game.players[0].top[0].colour = value;
    else if (field == u"rollEnabled")
        game.rollEnabled = value != 0;
    else if (field == u"held")
        game.diceSaved[0] = value != 0;

    const QByteArray bytes = encodeSavedGame(game);
    QCOMPARE(lineOf(bytes, line), expected);
    const DecodeResult back = decodeSavedGame(bytes);
    QVERIFY2(back.game, qPrintable(back.error.reason));
    QVERIFY(*back.game == game);
}

void tst_SaveFile::roundTrip_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("rolls");
    for (int players : {1, 2, 6}) {
        for (int rolls : {0, 1, 3}) {
            const QByteArray row = QByteArray::number(players) + " players after " + QByteArray::number(rolls) + " rolls";
            QTest::newRow(row.constData()) << players << rolls;
        }
    }
}

void tst_SaveFile::roundTrip()
{
    QFETCH(int, players);
    QFETCH(int, rolls);
    const SavedGame game = sampleGame(players, rolls);
    const QByteArray bytes = encodeSavedGame(game);
    const DecodeResult back = decodeSavedGame(bytes);
    QVERIFY2(back.game, qPrintable(back.error.reason));
    QVERIFY(*back.game == game);
    QCOMPARE(encodeSavedGame(*back.game), bytes);
}

void tst_SaveFile::textWritten_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("empty") << "" << QByteArray("") << "";
    QTest::newRow("commas") << "Ann, Bob, Cy" << QByteArray("Ann, Bob, Cy") << "Ann, Bob, Cy";
    QTest::newRow("double quotes") << "\"Ace\" Al" << QByteArray("\"Ace\" Al") << "\"Ace\" Al";
    QTest::newRow("leading and trailing blanks") << "   Zed " << QByteArray("   Zed ") << "   Zed ";
    QTest::newRow("looks like a number") << " 3 " << QByteArray(" 3 ") << " 3 ";
    QTest::newRow("looks like False") << "False" << QByteArray("False") << "False";
    QTest::newRow("Windows-1252 letter") << "Zoë" << QByteArray("Zo\xEB") << "Zoë";
    QTest::newRow("Windows-1252 euro and quotes") << "€ “Hi”" << QByteArray("\x80 \x93Hi\x94") << "€ “Hi”";
    QTest::newRow("Polish letter needs UTF-8") << "Łukasz" << QByteArray("\xC5\x81ukasz") << "Łukasz";
    QTest::newRow("Chinese needs UTF-8") << "李雷" << QByteArray("\xE6\x9D\x8E\xE9\x9B\xB7") << "李雷";
    QTest::newRow("emoji needs UTF-8") << "Dice \U0001F3B2" << QByteArray("Dice \xF0\x9F\x8E\xB2") << "Dice \U0001F3B2";
    QTest::newRow("mixed needs UTF-8 for all") << "Zoë 李" << QByteArray("Zo\xC3\xAB \xE6\x9D\x8E") << "Zoë 李";
    // In Windows-1252 these two would be the UTF-8 of "é" and read back wrongly.
    QTest::newRow("Windows-1252 that reads as UTF-8") << "Ã©" << QByteArray("\xC3\x83\xC2\xA9") << "Ã©";
    QTest::newRow("line feed becomes a blank") << "Ann\nBob" << QByteArray("Ann Bob") << "Ann Bob";
    QTest::newRow("CR LF becomes one blank") << "Ann\r\nBob" << QByteArray("Ann Bob") << "Ann Bob";
    QTest::newRow("bare CR becomes a blank") << "Ann\rBob" << QByteArray("Ann Bob") << "Ann Bob";
}

void tst_SaveFile::textWritten()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, expected);
    QFETCH(QString, readBack);

    SavedGame game = goldenGame();
    game.players[0].name = name;
    game.players[1].bottom[3].text = name;  // a cell text goes the same way
    const QByteArray bytes = encodeSavedGame(game);
    QCOMPARE(lineCount(bytes), 99);
    QCOMPARE(lineOf(bytes, 2), expected);
    QCOMPARE(lineOf(bytes, 72), expected);  // Bob's Sm Straight

    const DecodeResult back = decodeSavedGame(bytes);
    QVERIFY2(back.game, qPrintable(back.error.reason));
    QCOMPARE(back.game->players[0].name, readBack);
    QCOMPARE(back.game->players[1].bottom[3].text, readBack);
}

void tst_SaveFile::textRead_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Windows-1252 by hand") << QByteArray("Zo\xEB") << "Zoë";
    QTest::newRow("UTF-8") << QByteArray("Zo\xC3\xAB") << "Zoë";
    QTest::newRow("euro sign") << QByteArray("\x80") << "€";
    QTest::newRow("curly quotes") << QByteArray("\x93Hi\x94") << "“Hi”";
    QTest::newRow("last of the high block") << QByteArray("\x9F") << "Ÿ";
    QTest::newRow("byte unused by the code page") << QByteArray("\x81") << QString(QChar(0x81));
    QTest::newRow("overlong UTF-8 is not UTF-8") << QByteArray("\xC0\xAF") << "À¯";
    QTest::newRow("encoded surrogate is not UTF-8") << QByteArray("\xED\xA0\x80") << "í\u00A0€";
    QTest::newRow("beyond U+10FFFF is not UTF-8") << QByteArray("\xF4\x90\x80\x80") << "ô\u0090€€";
    QTest::newRow("cut UTF-8 is not UTF-8") << QByteArray("\xE6\x9D") << QString("æ") + QChar(0x9D);
    QTest::newRow("four-byte UTF-8") << QByteArray("\xF0\x9F\x8E\xB2") << "\U0001F3B2";
    QTest::newRow("bare CR inside") << QByteArray("Ann\rBob") << "Ann Bob";
    QTest::newRow("blanks kept") << QByteArray("  x  ") << "  x  ";
}

void tst_SaveFile::textRead()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, expected);
    const DecodeResult back = decodeSavedGame(goldenWith(2, line));
    QVERIFY2(back.game, qPrintable(back.error.reason));
    QCOMPARE(back.game->players[0].name, expected);
}

void tst_SaveFile::everyByteReadsBackAsItself()
{
    for (int b = 0; b < 256; ++b) {
        if (b == '\r' || b == '\n')
            continue;
        const QByteArray line(1, char(b));
        const DecodeResult back = decodeSavedGame(goldenWith(2, line));
        QVERIFY2(back.game, qPrintable(back.error.reason));
        const QByteArray again = encodeSavedGame(*back.game);
        QVERIFY2(lineOf(again, 2) == line, qPrintable(QStringLiteral("byte %1").arg(b)));
    }
}

void tst_SaveFile::acceptedNumbers_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("expected");

    QTest::newRow("as written") << QByteArray(" 25 ") << 25;
    QTest::newRow("no blanks") << QByteArray("25") << 25;
    QTest::newRow("many blanks") << QByteArray("    25    ") << 25;
    QTest::newRow("tabs") << QByteArray("\t25\t") << 25;
    QTest::newRow("plus sign") << QByteArray("+25") << 25;
    QTest::newRow("leading zeros") << QByteArray(" 0025 ") << 25;
    QTest::newRow("negative") << QByteArray("-25 ") << -25;
    QTest::newRow("negative zero") << QByteArray("-0 ") << 0;
    QTest::newRow("smallest") << QByteArray("-32768 ") << -32768;
}

void tst_SaveFile::acceptedNumbers()
{
    QFETCH(QByteArray, line);
    QFETCH(int, expected);
    const DecodeResult back = decodeSavedGame(goldenWith(3, line));
    QVERIFY2(back.game, qPrintable(back.error.reason));
    QCOMPARE(int(back.game->players[0].upperTotal), expected);
}

// Line numbers of the two-player file: 1 count; 2..43 Ann; 44..85 Bob; 86 player to move;
// 87 rolls; 88 round; 89 Roll button; 90..99 the dice, value then held flag.
void tst_SaveFile::limitBroken_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line2");
    QTest::addColumn<QByteArray>("text2");
    QTest::addColumn<int>("badLine");
    QTest::addColumn<QString>("reasonPart");

    QTest::newRow("no players") << 1 << QByteArray(" 0 ") << 0 << QByteArray() << 1 << "1 to 6";
    QTest::newRow("seven players") << 1 << QByteArray(" 7 ") << 0 << QByteArray() << 1 << "not 7";
    QTest::newRow("negative players") << 1 << QByteArray("-2 ") << 0 << QByteArray() << 1 << "not -2";
    QTest::newRow("huge player count") << 1 << QByteArray(" 99999999999999999999999 ") << 0 << QByteArray() << 1 << "1 to 6";
    QTest::newRow("player count in words") << 1 << QByteArray("two") << 0 << QByteArray() << 1 << "number of players";
    QTest::newRow("player count empty") << 1 << QByteArray("") << 0 << QByteArray() << 1 << "whole number";
    QTest::newRow("player count with a point") << 1 << QByteArray(" 2.0 ") << 0 << QByteArray() << 1 << "whole number";
    QTest::newRow("player count then text") << 1 << QByteArray(" 2 players") << 0 << QByteArray() << 1 << "whole number";
    QTest::newRow("blank inside a number") << 1 << QByteArray(" 1 2 ") << 0 << QByteArray() << 1 << "whole number";
    QTest::newRow("sign without digits") << 1 << QByteArray(" - ") << 0 << QByteArray() << 1 << "whole number";
    QTest::newRow("upper total above 16 bits") << 3 << QByteArray(" 32768 ") << 0 << QByteArray() << 3 << "upper total of player 1";
    QTest::newRow("lower total below 16 bits") << 4 << QByteArray("-32769 ") << 0 << QByteArray() << 4 << "lower total of player 1";
    QTest::newRow("grand total not a number") << 5 << QByteArray("abc") << 0 << QByteArray() << 5 << "grand total of player 1";
    QTest::newRow("colour above 32 bits") << 7 << QByteArray(" 2147483648 ") << 0 << QByteArray() << 7 << "Aces";
    QTest::newRow("colour below 32 bits") << 7 << QByteArray("-2147483649 ") << 0 << QByteArray() << 7 << "Aces";
    QTest::newRow("colour empty") << 43 << QByteArray("") << 0 << QByteArray() << 43 << "Grand Total";
    QTest::newRow("colour of the second player") << 49 << QByteArray("&H8000000F") << 0 << QByteArray() << 49 << "player 2's Aces";
    QTest::newRow("lower card's Upper Total named") << 41 << QByteArray("x") << 0 << QByteArray() << 41 << "Upper Total cell in the lower card";
    QTest::newRow("second player's total") << 45 << QByteArray(" 40000 ") << 0 << QByteArray() << 45 << "upper total of player 2";
    QTest::newRow("no player to move") << 86 << QByteArray(" 0 ") << 0 << QByteArray() << 86 << "1 to 2";
    QTest::newRow("player to move beyond the players") << 86 << QByteArray(" 3 ") << 0 << QByteArray() << 86 << "not 3";
    QTest::newRow("negative roll count") << 87 << QByteArray("-1 ") << 0 << QByteArray() << 87 << "0 to 3";
    QTest::newRow("fourth roll") << 87 << QByteArray(" 4 ") << 0 << QByteArray() << 87 << "0 to 3";
    QTest::newRow("negative round") << 88 << QByteArray("-1 ") << 0 << QByteArray() << 88 << "0 to 12";
    QTest::newRow("thirteenth round") << 88 << QByteArray(" 13 ") << 0 << QByteArray() << 88 << "0 to 12";
    QTest::newRow("die shows seven") << 90 << QByteArray(" 7 ") << 0 << QByteArray() << 90 << "Die 1";
    QTest::newRow("last die negative") << 98 << QByteArray("-1 ") << 0 << QByteArray() << 98 << "Die 5";
    QTest::newRow("held die shows nothing") << 90 << QByteArray(" 0 ") << 91 << QByteArray("True") << 90 << "set aside";
    QTest::newRow("last held die shows nothing") << 98 << QByteArray(" 0 ") << 99 << QByteArray("false") << 98 << "Die 5";
    QTest::newRow("first fault is the one named") << 88 << QByteArray(" 99 ") << 3 << QByteArray("x") << 3 << "upper total";
}

void tst_SaveFile::limitBroken()
{
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    QFETCH(int, line2);
    QFETCH(QByteArray, text2);
    QFETCH(int, badLine);
    QFETCH(QString, reasonPart);

    QByteArrayList lines = goldenLines();
    lines[line - 1] = text;
    if (line2 > 0)
        lines[line2 - 1] = text2;
    const DecodeResult back = decodeSavedGame(joined(lines));
    QVERIFY(!back.game);
    QCOMPARE(back.error.line, badLine);
    QVERIFY2(back.error.reason.contains(reasonPart), qPrintable(back.error.reason));
}

void tst_SaveFile::cutShort_data()
{
    QTest::addColumn<int>("kept");
    for (int kept = 0; kept < 99; ++kept) {
        const QByteArray row = "after " + QByteArray::number(kept) + " lines";
        QTest::newRow(row.constData()) << kept;
    }
}

void tst_SaveFile::cutShort()
{
    QFETCH(int, kept);
    const DecodeResult back = decodeSavedGame(joined(goldenLines().mid(0, kept)));
    QVERIFY(!back.game);
    QCOMPARE(back.error.line, kept + 1);
    QVERIFY2(back.error.reason.contains(kept == 0 ? QStringLiteral("empty") : QStringLiteral("99 lines")),
             qPrintable(back.error.reason));
}

void tst_SaveFile::heldLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("held");
    QTest::newRow("True") << QByteArray("True") << true;
    QTest::newRow("false in small letters") << QByteArray("false") << true;
    QTest::newRow("FALSE in capitals") << QByteArray("FALSE") << true;
    QTest::newRow("empty") << QByteArray("") << true;
    QTest::newRow("False with a blank") << QByteArray("False ") << true;
    QTest::newRow("zero") << QByteArray("0") << true;
    QTest::newRow("False") << QByteArray("False") << false;
}

void tst_SaveFile::heldLine()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, held);
    const DecodeResult back = decodeSavedGame(goldenWith(97, line));  // the fourth die, showing 6
    QVERIFY2(back.game, qPrintable(back.error.reason));
    QCOMPARE(back.game->diceSaved[3], held);
    QCOMPARE(back.game->diceValue[3], qint16(6));
}

void tst_SaveFile::rollButtonLineIgnored_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("True") << QByteArray("True") << true;
    QTest::newRow("False") << QByteArray("False") << false;
    QTest::newRow("empty") << QByteArray("") << true;
    QTest::newRow("a number") << QByteArray(" 7 ") << true;
    QTest::newRow("anything") << QByteArray("\xFF\x01garbage") << true;
}

void tst_SaveFile::rollButtonLineIgnored()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, enabled);
    const DecodeResult back = decodeSavedGame(goldenWith(89, line));
    QVERIFY2(back.game, qPrintable(back.error.reason));
    QCOMPARE(back.game->rollEnabled, enabled);
    SavedGame expected = goldenGame();
    expected.rollEnabled = enabled;
    QVERIFY(*back.game == expected);
}

void tst_SaveFile::lineEndsFromElsewhere_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray golden = joined(goldenLines());
    QTest::newRow("bare line feeds") << joined(goldenLines(), "\n");
    QTest::newRow("last line without its end") << golden.chopped(2);
    QTest::newRow("last line without its LF") << golden.chopped(1);
    QTest::newRow("lines after the last ignored") << golden + "junk\r\n 99 \r\nmore";
    QTest::newRow("byte-order mark first") << "\xEF\xBB\xBF" + golden;
    QByteArray mixed = golden;
    mixed.replace(" 16047375 \r\n", " 16047375 \n");
    QTest::newRow("mixed line ends") << mixed;
}

void tst_SaveFile::lineEndsFromElsewhere()
{
    QFETCH(QByteArray, bytes);
    const DecodeResult back = decodeSavedGame(bytes);
    QVERIFY2(back.game, qPrintable(back.error.reason));
    QVERIFY(*back.game == goldenGame());
}

void tst_SaveFile::writeThenRead()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Zoë's game.sav"));
    const SavedGame game = sampleGame(6, 3);

    const std::optional<QString> failure = writeSavedGame(path, game);
    QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
    QCOMPARE(readAll(path), encodeSavedGame(game));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("Zoë's game.sav")});

    const DecodeResult back = readSavedGame(path);
    QVERIFY2(back.game, qPrintable(back.error.reason));
    QVERIFY(*back.game == game);
}

void tst_SaveFile::readRefusesWhatIsNoSavedGame_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("badLine");
    QTest::newRow("missing file") << "missing" << 0;
    QTest::newRow("folder") << "folder" << 0;
    QTest::newRow("far too large") << "large" << 0;
#ifdef Q_OS_UNIX
    QTest::newRow("named pipe") << "pipe" << 0;
#endif
    QTest::newRow("empty file") << "empty" << 1;
    QTest::newRow("binary file") << "binary" << 1;
    QTest::newRow("valid count then binary") << "binaryAfterCount" << 3;
}

void tst_SaveFile::readRefusesWhatIsNoSavedGame()
{
    QFETCH(QString, kind);
    QFETCH(int, badLine);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("game.sav"));
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 37) & 0xFF));

    if (kind == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == u"large") {
        QVERIFY(writeBytes(path, joined(goldenLines()) + QByteArray(1 << 20, ' ')));
    } else if (kind == u"pipe") {
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    } else if (kind == u"empty") {
        QVERIFY(writeBytes(path, QByteArray()));
    } else if (kind == u"binary") {
        QVERIFY(writeBytes(path, binary));
    } else if (kind == u"binaryAfterCount") {
        QVERIFY(writeBytes(path, " 1 \r\nname\r\n" + binary));
    }

    const DecodeResult back = readSavedGame(path);
    QVERIFY(!back.game);
    QCOMPARE(back.error.line, badLine);
    QVERIFY(!back.error.reason.isEmpty());
}

void tst_SaveFile::writeBelowAFileFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("plain")), "not a folder"));

    const std::optional<QString> failure =
        writeSavedGame(dir.filePath(QStringLiteral("plain/game.sav")), goldenGame());
    QVERIFY(failure);
    QVERIFY(!failure->isEmpty());
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("plain")});
    QCOMPARE(readAll(dir.filePath(QStringLiteral("plain"))), QByteArray("not a folder"));
}

void tst_SaveFile::writeIntoMissingFolderFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::optional<QString> failure =
        writeSavedGame(dir.filePath(QStringLiteral("missing/game.sav")), goldenGame());
    QVERIFY(failure);
    QVERIFY(!failure->isEmpty());
    QVERIFY(entries(dir.path()).isEmpty());
}

// The file name is as long as a name may be, so the new file can be written but not put in its
// place: the old one must survive, whole.
void tst_SaveFile::failedWriteKeepsTheExistingFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString name = QString(250, u'g') + QStringLiteral(".sav");
    const QString path = dir.filePath(name);
    const QByteArray old = encodeSavedGame(sampleGame(1, 0));
    QVERIFY(writeBytes(path, old));

    const std::optional<QString> failure = writeSavedGame(path, goldenGame());
    QVERIFY(failure);
    QVERIFY(!failure->isEmpty());
    QCOMPARE(readAll(path), old);
    QCOMPARE(entries(dir.path()), QStringList{name});
}

void tst_SaveFile::writeReplacesAnExistingFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("game.sav"));
    QVERIFY(writeBytes(path, QByteArray(50000, 'x')));

    QVERIFY(!writeSavedGame(path, goldenGame()));
    QCOMPARE(readAll(path), joined(goldenLines()));
}

QTEST_GUILESS_MAIN(tst_SaveFile)
#include "tst_SaveFile.moc"
