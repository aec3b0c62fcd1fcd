#include "GameStates.h"
#include "Golden.h"
#include "SaveFile.h"
#include "SavedGameConversion.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
QByteArray goldenWith(int line, const QByteArray &text, int line2 = 0, const QByteArray &text2 = {})
{
    QByteArrayList lines = goldenLines();
    lines[line - 1] = text;
    if (line2 > 0)
        lines[line2 - 1] = text2;
    return joined(lines);
}

SavedGame golden() { return decodeSavedGame(joined(goldenLines())).game.value(); }

// The golden file's game.
GameState goldenGame()
{
    GameState game = gameOf({"Ann", "Bob"}, 2, "3 3 3 5 5", {true, true, true, false, false});
    enter(game, 0, {"Fours 20", "Fives 25", "Sixes 30"});
    enter(game, 1, {"Aces 0", "FullHouse 25", "SmStraight 30"});
    game.round = 3;
    return game;
}

// Every write past the first bytes fails, as on a full disk, until the limit is lifted.
struct WriteLimit
{
    explicit WriteLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~WriteLimit() { setrlimit(RLIMIT_FSIZE, &old); }
    rlimit old{};
};
}  // namespace

class SaveFileTest : public QObject
{
    Q_OBJECT

private slots:
    void textWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("line");

        QTest::newRow("blanks, quotes and commas kept") << " \"A\", B " << QByteArray(" \"A\", B ");
        QTest::newRow("code page letter") << "Zoë" << QByteArray("Zo\xEB");
        QTest::newRow("code page high block") << "€ “Hi”" << QByteArray("\x80 \x93Hi\x94");
        QTest::newRow("first past ASCII, not in the code page") << "\u0080" << QByteArray("\xC2\x80");
        QTest::newRow("mixed goes all UTF-8") << "Zoë 李" << QByteArray("Zo\xC3\xAB \xE6\x9D\x8E");
        // In the code page these two would be the UTF-8 of "é" and read back wrongly.
        QTest::newRow("code page bytes that read as UTF-8") << "Ã©" << QByteArray("\xC3\x83\xC2\xA9");
    }

    // Names and cell texts go the same way, and come back as they were.
    void textWritten()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, line);
        SavedGame game = golden();
        game.players[0].name = text;
        game.players[1].top[7].text = text;  // Bob's bonus
        const QByteArray bytes = encodeSavedGame(game);
        QCOMPARE(bytes, goldenWith(2, line, 62, line));
        QVERIFY(decodeSavedGame(bytes).game == game);
        // A computer's seat adds its block after the dice; a game of people writes none.
        game.seats = {SeatKind::Strong, SeatKind::Human};
        const QByteArray seats = bytes + "Computer players\r\nStrong\r\nHuman\r\n";
        QVERIFY(encodeSavedGame(game) == seats && decodeSavedGame(seats).game == game);
        game.seats = {SeatKind::Human, SeatKind::Human};
        QCOMPARE(encodeSavedGame(game), bytes);
    }

    // Files the game never writes but reads, each as if the game had written it.
    void variantsRead()
    {
        auto reread = [](const QByteArray &bytes) {
            const DecodeResult back = decodeSavedGame(bytes);
            return back.game ? encodeSavedGame(*back.game) : back.error.reason.toUtf8();
        };
        const QByteArray g = joined(goldenLines());
        for (const QByteArray &variant : {joined(goldenLines(), "\n"), "\xEF\xBB\xBF" + g, g.chopped(2),
                                          goldenWith(3, "\t+0075\t"), goldenWith(89, "\xFF?")})
            QCOMPARE(reread(variant), g);
        QCOMPARE(reread(goldenWith(97, "false")), goldenWith(97, "True"));  // held unless exactly False
    }

    void badLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");

        const QString needs = QStringLiteral("The file ends before this line; this game needs 99 lines.");
        const QString count = QStringLiteral("This line should hold the number of players as a whole number.");
        const QByteArray g = joined(goldenLines());
        QTest::newRow("empty file") << QByteArray() << 1 << "The file is empty.";
        QTest::newRow("cut after the count") << joined(goldenLines().mid(0, 1)) << 2 << needs;
        QTest::newRow("cut before the last line") << joined(goldenLines().mid(0, 98)) << 99 << needs;
        QTest::newRow("no players") << goldenWith(1, " 0 ") << 1 << "The number of players must be from 1 to 6, not 0.";
        QTest::newRow("seven players") << goldenWith(1, "7") << 1 << "The number of players must be from 1 to 6, not 7.";
        QTest::newRow("beyond any limit, shortened") << goldenWith(1, " 99999999999999999999999 ") << 1
            << "The number of players must be from 1 to 6, not 99999999999999999999999....";
        QTest::newRow("empty number") << goldenWith(1, "") << 1 << count;
        QTest::newRow("sign without digits") << goldenWith(1, " - ") << 1 << count;
        QTest::newRow("blank inside a number") << goldenWith(1, " 1 2 ") << 1 << count;
        QTest::newRow("total beyond 16 bits") << goldenWith(3, " 32768 ") << 3
            << "The upper total of player 1 must be from -32768 to 32767, not 32768.";
        QTest::newRow("colour beyond 32 bits") << goldenWith(7, "-2147483649") << 7
            << "The colour of player 1's Aces cell must be from -2147483648 to 2147483647, not -2147483649.";
        QTest::newRow("lower card's Upper Total named") << goldenWith(83, "9x") << 83
            << "This line should hold the colour of player 2's Upper Total cell in the lower card as a whole number.";
        QTest::newRow("player to move past the count") << goldenWith(86, " 3 ") << 86
            << "The player to move must be from 1 to 2, not 3.";
        QTest::newRow("fourth roll") << goldenWith(87, " 4 ") << 87
            << "The number of rolls made this turn must be from 0 to 3, not 4.";
        QTest::newRow("thirteenth round") << goldenWith(88, " 13 ") << 88 << "The round must be from 0 to 12, not 13.";
        QTest::newRow("die shows seven") << goldenWith(90, " 7 ") << 90 << "Die 1 must be from 0 to 6, not 7.";
        QTest::newRow("held die shows nothing") << goldenWith(94, " 0 ") << 94
            << "Die 3 is set aside, so it must show 1 to 6, not 0.";
        QTest::newRow("a computer seat missing") << g + "Computer players\r\nHuman\r\n" << 102
            << "The file ends before this line; this game needs 102 lines.";
        const QString seat = "This line should say who plays seat 1: Human, Beginner, Casual, Strong or Perfect, not \"%1\".";
        QTest::newRow("an unknown seat") << g + "Computer players\r\nstrong\r\nHuman" << 101 << seat.arg("strong");
        QTest::newRow("a seat with a tab after it") << g + "Computer players\r\nPerfect\t\r\nHuman" << 101
            << seat.arg("Perfect\\t");
        QTest::newRow("a seat with a carriage return after it") << g + "Computer players\r\nPerfect\r\r\nHuman"
            << 101 << seat.arg("Perfect\\r");
        QByteArrayList early = goldenLines();  // Ann has played this round, with five rows used
        early[85] = " 2 ";
        early[5] = "3";
        early[7] = "2";
        QTest::newRow("a column that fills up early") << joined(early) << 88
            << "Player 1 has 8 free categories left on the score card but 9 turns still to play.";
        const QString score = "Player %1's %2 should be empty or a score the dice can make there, not \"%3\".";
        QTest::newRow("a category holding words") << goldenWith(6, "one") << 6 << score.arg(1).arg("Aces", "one");
        QTest::newRow("a score no roll makes") << goldenWith(70, "24") << 70 << score.arg(2).arg("Full House", "24");
        QTest::newRow("a score beyond the category") << goldenWith(16, " 35 ") << 16 << score.arg(1).arg("Sixes", "35");
        QTest::newRow("first fault is the one named") << goldenWith(88, " 99 ", 5, "x") << 5
            << "This line should hold the grand total of player 1 as a whole number.";
    }

    void badLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const DecodeResult back = decodeSavedGame(bytes);
        QVERIFY(!back.game);
        QCOMPARE(back.error.reason, reason);
        QCOMPARE(back.error.line, line);
    }

    // The file's game is its entries: the totals, the bonus and the colours follow from them, and
    // the game writes the golden file again byte for byte.
    void convertedToTheGame()
    {
        QVERIFY(fromSavedGame(golden()) == goldenGame());
        QCOMPARE(encodeSavedGame(toSavedGame(goldenGame())), joined(goldenLines()));
        // An edited file's own totals and colours are not read back: the entries decide.
        const SavedGame edited = decodeSavedGame(goldenWith(3, " 99 ", 17, " 255 ")).game.value();
        QVERIFY(fromSavedGame(edited) == goldenGame());
        // Computer seats come and go with their block.
        GameState computers = goldenGame();
        computers.players[0].seat.kind = SeatKind::Strong;
        QCOMPARE(toSavedGame(computers).seats, (std::vector<SeatKind>{SeatKind::Strong, SeatKind::Human}));
        QVERIFY(fromSavedGame(toSavedGame(computers)) == computers);
    }

    // A name as long as a game keeps comes back whole; a longer one read from a file is cut as a
    // typed one is, never inside a character, so that whatever the game writes it reads back.
    void namesAtTheLimit()
    {
        const QString face = QStringLiteral("\U0001F3B2");  // two UTF-16 units, four UTF-8 bytes
        GameState six = goldenGame();
        six.players.resize(kMaxPlayers, six.players[1]);
        for (Player &player : six.players)
            player.seat.name = face.repeated(kMaxNameLength / 2);
        const QByteArray bytes = encodeSavedGame(toSavedGame(six));
        QVERIFY(fromSavedGame(decodeSavedGame(bytes).game.value()) == six);

        SavedGame longer = golden();
        longer.players[0].name = face.repeated(kMaxNameLength) + "x";
        longer.players[1].name = QString(kMaxNameLength - 1, 'b') + face;
        const GameState read = fromSavedGame(decodeSavedGame(encodeSavedGame(longer)).game.value());
        QCOMPARE(read.players[0].seat.name, face.repeated(kMaxNameLength / 2));
        QCOMPARE(read.players[1].seat.name, QString(kMaxNameLength - 1, 'b'));
        QVERIFY(fromSavedGame(decodeSavedGame(encodeSavedGame(toSavedGame(read))).game.value()) == read);
    }

    void wholeFileRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("padding");  // blanks after the game, up to 1 MiB and beyond
        QTest::addColumn<QString>("reason");  // "": accepted

        QTest::newRow("missing") << "missing" << 0 << "The file does not exist.";
        QTest::newRow("folder") << "folder" << 0 << "This is a folder, not a saved game.";
        QTest::newRow("named pipe") << "pipe" << 0 << "This is not an ordinary file.";
        QTest::newRow("largest size accepted") << "file" << 0 << "";
        QTest::newRow("a byte more") << "file" << 1 << "The file is far too large to be a saved game.";
    }

    void wholeFileRefused()
    {
        QFETCH(QString, kind);
        QFETCH(int, padding);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.sav"));
        const QByteArray g = joined(goldenLines());
        if (kind == u"folder")
            QVERIFY(QDir().mkdir(path));
        else if (kind == u"pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == u"file")
            QVERIFY(writeBytes(path, g + QByteArray((1 << 20) - g.size() + padding, ' ')));
        const DecodeResult back = readSavedGame(path);
        QCOMPARE(back.error.reason, reason);
        QCOMPARE(back.game.has_value(), reason.isEmpty());
    }

    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << "old.sav" << "The file could not be written.";
        // As long as a name may be: the new file cannot be put in its place.
        QTest::newRow("no room for the name") << QString(250, u'g') + ".sav" << "*";  // the system's words vary
        QTest::newRow("below a file") << "old.sav/game.sav" << QString::fromLocal8Bit(std::strerror(ENOTDIR));
        QTest::newRow("missing folder") << "missing/game.sav" << QString::fromLocal8Bit(std::strerror(ENOENT));
        QTest::newRow("a folder") << "folder" << "This is a folder, not a file.";
        QTest::newRow("a pipe") << "pipe" << "This is not an ordinary file, so it is left as it is.";
    }

    // A save that cannot finish says why and leaves the folder as it was; a save that can replaces
    // the old file whole.
    void failedWriteKeepsTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        const QString old = dir.filePath(QStringLiteral("old.sav"));
        const QByteArray x(50000, 'x');
        QVERIFY(writeBytes(old, x) && (name.size() < 200 || writeBytes(path, x)));
        QVERIFY(QDir().mkdir(dir.filePath("folder")));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
        const auto entries = [&] {
            return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        };
        const QStringList before = entries();
        std::optional<WriteLimit> full;
        if (name == u"old.sav")
            full.emplace(100);
        const std::optional<QString> failure = writeSavedGame(path, golden());
        full.reset();
        QVERIFY2(failure && (reason == u"*" ? !failure->isEmpty() : *failure == reason),
                 qPrintable(failure.value_or("")));
        QCOMPARE(readAll(old), x);
        QCOMPARE(name.size() < 200 || readAll(path) == x, true);
        QCOMPARE(entries(), before);

        QCOMPARE(writeSavedGame(old, golden()), std::nullopt);
        QCOMPARE(readAll(old), joined(goldenLines()));
        QCOMPARE(entries(), before);
    }
};

QTEST_GUILESS_MAIN(SaveFileTest)
#include "tst_savefile.moc"
