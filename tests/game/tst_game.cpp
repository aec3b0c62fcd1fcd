// The rules and flow of a game on Game alone, with the computer playing its seats through it.
#include "ComputerDriver.h"
#include "DecisionLog.h"
#include "Game.h"
#include "GameStates.h"
#include "OptimalPlay.h"
#include "Review.h"
#include "ScriptedPlatform.h"

#include <QSignalSpy>
#include <QTest>

namespace {
std::vector<Seat> people(const QStringList &names)
{
    std::vector<Seat> seats;
    for (const QString &name : names)
        seats.push_back({name, SeatKind::Human});
    return seats;
}

// The entries of a sheet, run together: "3 - 9 ..." with "-" for a free category.
QString entries(const ScoreSheet &sheet)
{
    QStringList texts;
    for (int c = 0; c < kCategoryCount; ++c) {
        const std::optional<int> entry = sheet.entry(Category(c));
        texts << (entry ? QString::number(*entry) : QStringLiteral("-"));
    }
    return texts.join(QLatin1Char(' '));
}

QString totals(const ScoreSheet &sheet)
{
    return QStringLiteral("%1+%2 %3 = %4")
        .arg(sheet.upperSum())
        .arg(sheet.bonus())
        .arg(sheet.lowerTotal())
        .arg(sheet.grandTotal());
}

OptimalPlay &solved()
{
    static OptimalPlay advisor;
    advisor.solve();
    return advisor;
}
}  // namespace

class GameTest : public QObject
{
    Q_OBJECT

    ScriptedPlatform platform;

    void roll(Game &game, const QString &faces)
    {
        platform.scriptRoll(faces, game.state().turn.held);
        QVERIFY(game.roll());
    }
    void turn(Game &game, const QString &faces, Category category)
    {
        roll(game, faces);
        QVERIFY(game.score(category));
    }

private slots:
    void init() { platform = ScriptedPlatform(); }

    // A roll draws a face for each die not held; a die is held only with a face; three rolls a turn.
    void rollsAndHolds()
    {
        Game game(platform);
        QVERIFY(!game.roll() && !game.hold(0));  // no game yet
        game.start(people({"Ann"}));
        QVERIFY(!game.hold(0) && !game.canScore(Category::Chance));  // nothing rolled yet
        roll(game, "5 4 3 2 1");
        QVERIFY(game.hold(1) && game.hold(3) && !game.hold(3) && !game.hold(5) && !game.release(0));
        platform.draws = 0;
        roll(game, "6 0 6 0 6");
        QCOMPARE(platform.draws, 3);
        QCOMPARE(game.state().turn.faces, diceOf("6 4 6 2 6"));
        QVERIFY(game.release(3));
        QCOMPARE(game.state().turn.held, (std::array<bool, 5>{false, true, false, false, false}));
        for (int d = 0; d < 5; ++d)
            game.hold(d);
        platform.draws = 0;
        QVERIFY(game.roll());  // all held: still a roll, no die changes
        QCOMPARE(platform.draws, 0);
        QCOMPARE(game.state().turn.rollsMade, kRollsPerTurn);
        QVERIFY(!game.canRoll() && !game.roll());
        QVERIFY(game.release(0) && game.hold(0));  // the dice still move after the third roll
        // A source that strays to 1.0 still gives a six.
        game.start(people({"Bo"}));
        platform.randoms = {1.0, 0.0, 0.5, 0.999, 0.1667};
        game.roll();
        QCOMPARE(game.state().turn.faces, diceOf("6 1 4 6 2"));
    }

    void categoryScore_data()
    {
        QTest::addColumn<QString>("roll");
        QTest::addColumn<Category>("category");
        QTest::addColumn<int>("expected");

        QTest::newRow("upper counts its face") << "3 3 2 3 1" << Category::Threes << 9;
        QTest::newRow("three alike sum all dice") << "6 6 6 1 2" << Category::ThreeOfAKind << 21;
        QTest::newRow("a pair is no three alike") << "6 6 5 1 2" << Category::ThreeOfAKind << 0;
        QTest::newRow("four alike sum all dice") << "5 5 5 5 2" << Category::FourOfAKind << 22;
        QTest::newRow("full house in any order") << "3 2 3 2 3" << Category::FullHouse << 25;
        QTest::newRow("two pairs are no full house") << "2 2 3 3 4" << Category::FullHouse << 0;
        QTest::newRow("five alike are no full house") << "4 4 4 4 4" << Category::FullHouse << 0;
        QTest::newRow("small straight around a pair") << "1 2 3 3 4" << Category::SmallStraight << 30;
        QTest::newRow("small straight above an outlier") << "1 3 4 5 6" << Category::SmallStraight << 30;
        QTest::newRow("three in a row are no straight") << "1 2 3 5 6" << Category::SmallStraight << 0;
        QTest::newRow("large straight unsorted") << "5 1 4 2 3" << Category::LargeStraight << 40;
        QTest::newRow("four in a row are not large") << "2 3 4 5 5" << Category::LargeStraight << 0;
        QTest::newRow("four alike are not five") << "4 4 4 4 3" << Category::Kelbrune << 0;
    }

    void categoryScore()
    {
        QFETCH(QString, roll);
        QFETCH(Category, category);
        QFETCH(int, expected);
        QCOMPARE(::categoryScore(category, diceOf(roll)), expected);
    }

    void scoring_data()
    {
        QTest::addColumn<QString>("dice");  // "": no roll yet this turn
        QTest::addColumn<Category>("category");
        QTest::addColumn<int>("entered");  // -1: refused, nothing changes

        QTest::newRow("upper zero") << "1 1 1 5 6" << Category::Twos << 0;
        QTest::newRow("Chance, the last category") << "6 6 6 6 5" << Category::Chance << 29;
        QTest::newRow("category already used") << "1 1 1 5 6" << Category::Aces << -1;
        QTest::newRow("before the first roll") << "" << Category::Threes << -1;
    }

    // An entry goes into the mover's column and passes the turn; a refused one changes nothing.
    void scoring()
    {
        QFETCH(QString, dice);
        QFETCH(Category, category);
        QFETCH(int, entered);
        Game game(platform);
        game.start(people({"Ann", "Bob"}));
        turn(game, "1 1 2 3 4", Category::Aces);
        turn(game, "1 1 2 3 4", Category::Aces);
        if (!dice.isEmpty())
            roll(game, dice);
        const GameState before = game.state();
        QSignalSpy scored(&game, &Game::scored);
        QCOMPARE(game.score(category), entered >= 0);
        if (entered < 0) {
            QVERIFY(game.state() == before && scored.isEmpty());
            return;
        }
        QCOMPARE(game.state().players[0].sheet.entry(category), std::optional(entered));
        QCOMPARE(game.state().players[1].sheet.freeCount(), 12);
        QCOMPARE(scored.takeFirst(), (QVariantList{0, QVariant::fromValue(category), entered}));
        QVERIFY(game.state().mover == 1 && game.state().turn == Turn{});
    }

    // Turns in order, rounds counted, the bonus at 63 not 62; the last entry ends the game with
    // tied winners and takes no further move. Bob's dice: upper 75 with the bonus, lower 200.
    void wholeGameOfFourWithATie()
    {
        const char *const dice[13] = {"1 1 1 5 6", "2 2 2 2 6", "3 3 3 1 1", "4 4 4 4 2", "5 5 5 1 1",
                                      "6 6 6 6 1", "6 6 6 2 1", "2 2 2 2 5", "3 3 5 5 5", "1 2 3 4 6",
                                      "2 3 4 5 1", "4 4 4 4 4", "6 5 4 3 3"};
        Game game(platform);
        game.start(people({"Ann", "Bob", "Cy", "Dan"}));
        QSignalSpy over(&game, &Game::gameOver);
        QSignalSpy turns(&game, &Game::turnStarted);
        for (int round = 0; round < 13; ++round) {
            for (int player = 0; player < 4; ++player) {
                QCOMPARE(game.state().mover * 100 + game.state().round, player * 100 + round);
                // Ann misses an ace and has one five (62); Cy misses an ace and the threes (63).
                QString faces = dice[round];
                if (round == 0 && player % 2 == 0)
                    faces = "2 3 4 5 6";
                else if (round == 4 && player == 0)
                    faces = "5 1 1 2 3";
                else if (round == 2 && player == 2)
                    faces = "1 1 2 2 4";
                turn(game, faces, Category(round));
            }
        }
        const QString bob = "3 8 9 16 15 24 21 13 25 30 40 50 21";
        QCOMPARE(entries(game.state().players[1].sheet), bob);
        QCOMPARE(entries(game.state().players[3].sheet), bob);
        QCOMPARE(totals(game.state().players[1].sheet), QStringLiteral("75+35 200 = 310"));
        QCOMPARE(totals(game.state().players[0].sheet), QStringLiteral("62+0 200 = 262"));
        QCOMPARE(totals(game.state().players[2].sheet), QStringLiteral("63+35 200 = 298"));
        QCOMPARE(over.size(), 1);
        QCOMPARE(turns.size(), 51);
        QVERIFY(!game.state().inProgress() && game.state().over());
        QCOMPARE(game.state().round * 10 + game.state().mover, 130);
        QCOMPARE(game.state().winners(), (std::vector<int>{1, 3}));
        const GameState end = game.state();
        QVERIFY(!game.roll() && !game.canUndo() && !game.undo());
        QVERIFY(game.state() == end);
    }

    void undo_data()
    {
        QTest::addColumn<QString>("seats");  // a letter a seat, P a person, C a computer
        QTest::addColumn<QString>("after");  // what is played after the entry
        QTest::addColumn<bool>("undoable");
        QTest::newRow("taken back") << "PP" << "" << true;
        QTest::newRow("the next player rolled") << "PP" << "roll" << false;
        QTest::newRow("alone, before the next roll") << "P" << "" << true;
        QTest::newRow("the game ended") << "PP" << "end" << false;
        QTest::newRow("a new game") << "PP" << "new" << false;
        QTest::newRow("a computer rolled since") << "PPC" << "roll" << true;
        QTest::newRow("computers' turns, the next person's begun")
            << "PPCC" << "turn turn" << true;
        QTest::newRow("computers' turns, the next person rolled")
            << "PPCC" << "turn turn roll" << false;
        QTest::newRow("a computer's turn, the entrant's own begun") << "CP" << "turn" << false;
    }

    // Undo takes back a person's entry (the second seat's, or a lone seat's second) and the
    // computers' moves since, once; a person's roll or the entrant's own turn again end it.
    void undo()
    {
        QFETCH(QString, seats);
        QFETCH(QString, after);
        QFETCH(bool, undoable);
        const QStringList names{"Ann", "Bob", "Cy", "Dee"};
        std::vector<Seat> table;
        for (int i = 0; i < seats.size(); ++i)
            table.push_back({names[i], seats[i] == 'C' ? SeatKind::Casual : SeatKind::Human});
        Game game(platform);
        game.start(table);
        // For "end", every category but the second seat's Chance is used first.
        for (int t = 0; t < (after == "end" ? 2 * kCategoryCount - 1 : 1); ++t)
            turn(game, "6 6 6 6 6", Category(t / 2));
        roll(game, "1 2 3 4 5");
        game.hold(4);
        roll(game, "2 2 5 5 0");
        const GameState before = game.state();
        QVERIFY(game.score(Category::Chance));
        for (const QString &step : after.split(' ', Qt::SkipEmptyParts)) {
            if (step == "roll")
                roll(game, "1 1 1 1 1");
            else if (step == "turn")
                turn(game, "3 3 3 3 3", Category::Threes);
            else if (step == "new")
                game.start(people({"Cy"}));
        }
        const GameState now = game.state();
        QCOMPARE(game.canUndo(), undoable);
        QCOMPARE(game.undo(), undoable);
        QVERIFY(game.state() == (undoable ? before : now));
        QVERIFY(!game.undo());  // once only
    }

    // Clearing, starting and loading replace the game; one outside the limits changes nothing.
    void replacedGames()
    {
        Game game(platform);
        QSignalSpy replaced(&game, &Game::replaced);
        QVERIFY(!game.start({}) && !game.start(std::vector<Seat>(7)));
        QVERIFY(game.start(people({"Ann\r\nLee", QString(150, 'x')})));
        QCOMPARE(game.state().players[0].seat.name, QStringLiteral("Ann Lee"));
        QCOMPARE(game.state().players[1].seat.name, QString(kMaxNameLength, 'x'));
        game.clear();
        QVERIFY(!game.state().inProgress() && !game.state().over() && game.state().players.empty());
        QCOMPARE(game.generation(), quint64(2));

        GameState loaded = gameOf({"Cy", "Dee"}, 2, "3 3 3 5 5", {true, true, true, false, false});
        loaded.mover = 1;
        loaded.round = 12;
        enter(loaded, 0, {"Aces 3"});
        QVERIFY(game.load(loaded));
        QVERIFY(game.state() == loaded);
        auto refused = [&](auto spoil) {
            GameState bad = loaded;
            spoil(bad);
            return !game.load(bad) && game.state() == loaded;
        };
        QVERIFY(refused([](GameState &s) { s.mover = 2; }));
        QVERIFY(refused([](GameState &s) { s.round = kRounds; }));
        QVERIFY(refused([](GameState &s) { s.turn.rollsMade = 4; }));
        QVERIFY(refused([](GameState &s) { s.turn.faces[0] = 0; }));  // held without a face
        QVERIFY(refused([](GameState &s) { s.turn.faces[4] = 7; }));
        QVERIFY(refused([](GameState &s) { s.players.resize(7, s.players[0]); }));
        QVERIFY(refused([](GameState &s) {
            for (int c = 0; c < kCategoryCount; ++c)
                s.players[1].sheet.enter(Category(c), 0);
        }));
        QCOMPARE(replaced.size(), 3);
    }

    // The computer plays its seat step by step, a pause apart, and passes the turn on.
    void computerPlaysItsTurn()
    {
        Game game(platform);
        ComputerDriver driver(game, platform, solved());
        QSignalSpy moved(&driver, &ComputerDriver::moved);
        game.start({{"Robo", SeatKind::Perfect}, {"Ann", SeatKind::Human}});
        platform.scriptRoll("6 6 6 2 3");
        QCOMPARE(platform.runScheduled(2), 2);  // the first roll, then it keeps the sixes
        QCOMPARE(game.state().turn.held, (std::array<bool, 5>{true, true, true, false, false}));
        QCOMPARE(moved.last().at(1).value<Move>().keepFaces, (std::vector<int>{6, 6, 6}));
        // Paused (a roll still being shown) it waits; resumed it goes on.
        driver.setPaused(true);
        QCOMPARE(platform.runScheduled(), 1);
        QCOMPARE(game.state().turn.rollsMade, 1);
        platform.scriptRoll("0 0 0 6 6", game.state().turn.held);
        driver.setPaused(false);
        platform.pauses.clear();
        QCOMPARE(platform.runScheduled(2), 2);  // rolls, then enters five sixes
        QCOMPARE(game.state().players[0].sheet.entry(Category::Kelbrune), std::optional(50));
        QCOMPARE(platform.pauses, (QList<int>{ComputerDriver::kStepPause}));
        QCOMPARE(platform.runScheduled(), 0);  // the person's turn: nothing more
        QCOMPARE(game.state().mover, 1);
        // A modal window holds it back; it looks again a little later.
        turn(game, "1 1 1 1 2", Category::Aces);
        platform.modal = true;
        platform.pauses.clear();
        QCOMPARE(platform.runScheduled(3), 3);
        QCOMPARE(game.state().turn.rollsMade, 0);
        QCOMPARE(platform.pauses, (QList<int>(3, ComputerDriver::kRetryPause)));
    }

    // Kept again, the dice already set aside stay where they are.
    void computerKeepsItsSavedDice()
    {
        Game game(platform);
        ComputerDriver driver(game, platform, solved());
        game.start({{"Robo", SeatKind::Perfect}});
        platform.scriptRoll("2 3 4 5 2");
        QCOMPARE(platform.runScheduled(2), 2);
        QCOMPARE(game.state().turn.held, (std::array<bool, 5>{true, true, true, true, false}));
        platform.scriptRoll("0 0 0 0 5", game.state().turn.held);
        QCOMPARE(platform.runScheduled(2), 2);
        QCOMPARE(game.state().turn.held, (std::array<bool, 5>{true, true, true, true, false}));
    }

    // An Undo mid-turn voids the computer's pending step; its turn starts afresh after the entry.
    void computerAfterAnUndo()
    {
        Game game(platform);
        ComputerDriver driver(game, platform, solved());
        game.start({{"Ann", SeatKind::Human}, {"Robo", SeatKind::Perfect}});
        turn(game, "1 1 1 2 3", Category::Aces);
        platform.scriptRoll("6 6 6 2 3");
        QCOMPARE(platform.runScheduled(2), 2);  // it rolls, then keeps the sixes
        QVERIFY(game.undo());
        QCOMPARE(platform.runScheduled(), 1);
        QCOMPARE(game.state().turn.faces, diceOf("1 1 1 2 3"));
        QVERIFY(game.score(Category::Threes));
        platform.scriptRoll("2 2 4 4 5");
        QCOMPARE(platform.runScheduled(1), 1);
        QCOMPARE(game.state().turn.faces, diceOf("2 2 4 4 5"));
        QCOMPARE(game.state().turn.rollsMade, 1);
    }

    void computerAfterAChange_data()
    {
        QTest::addColumn<QString>("change");
        for (const char *change : {"a new game", "a load", "blank dice", "no table yet"})
            QTest::newRow(change) << change;
    }

    // Each step looks at the game afresh; blank dice from a file still end its turn; without its
    // table a strong computer waits and says so.
    void computerAfterAChange()
    {
        QFETCH(QString, change);
        OptimalPlay unsolved;
        Game game(platform);
        ComputerDriver driver(game, platform, change == "no table yet" ? unsolved : solved());
        QSignalSpy thinking(&driver, &ComputerDriver::thinking);
        game.start({{"Robo", SeatKind::Perfect}});
        if (change == "no table yet") {
            QCOMPARE(platform.runScheduled(3), 3);
            QVERIFY(game.state().turn.rollsMade == 0 && thinking.size() == 3);
            return;
        }
        platform.scriptRoll("6 6 6 2 3");
        platform.runScheduled(2);
        GameState next = gameOf({"Dee"}, 1, "1 1 2 2 3");
        next.players[0].seat.kind = SeatKind::Strong;
        if (change == "a new game") {
            game.start({{"Robo", SeatKind::Perfect}});
            platform.scriptRoll("5 5 5 5 5");
            platform.runScheduled(2);
            QCOMPARE(game.state().players[0].sheet.entry(Category::Kelbrune), std::optional(50));
        } else if (change == "a load") {
            game.load(next);
            platform.runScheduled(1);
            QCOMPARE(game.state().turn.faces, diceOf("1 1 2 2 3"));  // it decides anew, not rolls
            QVERIFY((game.state().turn.held != std::array<bool, 5>{}));
        } else {
            next.turn = {{}, {}, 3};
            game.load(next);
            platform.runScheduled(1);
            QCOMPARE(game.state().players[0].sheet.entry(Category::Aces), std::optional(0));
        }
        QVERIFY(thinking.isEmpty());
    }

    // The log holds each keep and entry as made; Undo takes back, a loaded game starts part-way.
    void decisionsAreLogged()
    {
        Game game(platform);
        DecisionLog log(game);
        game.start(people({"Ann", "Bob"}));
        QVERIFY(!log.partWay());
        roll(game, "2 2 5 6 1");
        QVERIFY(game.hold(0) && game.hold(1) && game.hold(3) && game.release(3));
        roll(game, "0 0 2 3 4");
        roll(game, "0 0 2 2 4");  // kept the two twos again
        QVERIFY(game.score(Category::Twos));
        turn(game, "6 6 6 6 6", Category::Kelbrune);
        QCOMPARE(int(log.decisions().size()), 4);
        const Decision &first = log.decisions()[0];
        QCOMPARE(first.choice.keepFaces, (std::vector<int>{2, 2}));
        QVERIFY(first.turn.faces == diceOf("2 2 5 6 1") && first.turn.rollsMade == 1 && first.player == 0);
        QCOMPARE(log.decisions()[2].choice.category, Category::Twos);
        QVERIFY(log.decisions()[2].sheet.isEmpty());  // the card before the entry
        QCOMPARE(log.decisions()[3].player * 10 + log.decisions()[3].round, 10);
        roll(game, "1 2 3 4 5");
        QVERIFY(game.score(Category::LargeStraight));
        QVERIFY(game.undo());
        QCOMPARE(int(log.decisions().size()), 4);

        GameState loaded = gameOf({"Cy"}, 1, "1 1 1 2 3");
        enter(loaded, 0, {"Aces 3"});
        loaded.round = 1;
        game.load(loaded);
        QVERIFY(log.decisions().empty() && log.partWay());
        game.start(people({"Dee"}));
        QVERIFY(!log.partWay());
        game.load(loaded);
        QVERIFY(DecisionLog(game).partWay());  // a log begun on a game under way says so
    }

    // Play as advised loses nothing; a large straight entered as Chance loses what the table says.
    void reviewWeighsDecisions()
    {
        Game game(platform);
        ComputerDriver driver(game, platform, solved());
        DecisionLog log(game);
        game.start({{"Robo", SeatKind::Perfect}});
        while (game.state().inProgress())
            QVERIFY(platform.runScheduled(1) == 1);
        const GameReview perfect = reviewGame(log.decisions(), 1, log.partWay(), solved());
        QVERIFY(perfect.decisions.size() >= std::size_t(kRounds));
        QCOMPARE(perfect.lostBySeat, std::vector<double>{0.0});
        QVERIFY(perfect.costliest.empty());

        game.start(people({"Ann", "Bob"}));
        roll(game, "6 6 6 6 6");
        for (int d = 0; d < 5; ++d)
            game.hold(d);
        roll(game, "");  // every die held: a roll thrown away, but nothing lost by it
        QVERIFY(game.score(Category::Kelbrune));
        roll(game, "2 3 4 5 6");  // Bob: a large straight on the first roll...
        QVERIFY(game.score(Category::Chance));  // ...entered as Chance
        const GameReview review = reviewGame(log.decisions(), 2, false, solved());
        QCOMPARE(int(review.decisions.size()), 3);
        const JudgedDecision &blunder = review.decisions[2];
        QCOMPARE(blunder.best->category, Category::LargeStraight);
        const OptimalPlay::Choices choices =
            solved().choices(positionOf(blunder.decision.sheet, blunder.decision.turn)).value();
        const double expected = choices.entry[std::size_t(Category::LargeStraight)]
                                - choices.entry[std::size_t(Category::Chance)];
        QVERIFY(expected > 10 && std::abs(blunder.lost - expected) < 1e-9);
        QCOMPARE(review.lostBySeat, (std::vector<double>{0.0, blunder.lost}));
        QCOMPARE(review.costliest, std::vector<int>{2});
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "tst_game.moc"
