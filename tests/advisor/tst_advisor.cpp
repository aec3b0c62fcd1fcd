#include "ComputerPlayer.h"
#include "GameStates.h"
#include "OptimalPlay.h"
#include "WinChance.h"

#include <QTest>

#include <cmath>
#include <random>
#include <stop_token>

namespace {
constexpr int kGames = 20;

// A move as a test row names it: "keep 3 4 5 6", "score Twos".
QString describe(const Move &move)
{
    if (move.kind == Move::Kind::Score)
        return QStringLiteral("score ") + kCategoryNames[int(move.category)];
    QStringList faces;
    for (int face : move.keepFaces)
        faces << QString::number(face);
    return QStringLiteral("keep ") + faces.join(QLatin1Char(' '));
}

// A card with only the categories named in `free` free ("Sixes Chance"), at a point of a turn.
Position card(const QString &free, int upperSum, int points, int rollsMade = 0,
              const QString &faces = {})
{
    Position p;
    p.usedMask = kAllCategoriesUsed;
    for (const QString &name : free.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        p.usedMask &= std::uint16_t(~usedBit(Category(kCategoryNames.indexOf(name))));
    p.upperSum = upperSum;
    p.pointsSoFar = points;
    p.rollsMade = rollsMade;
    p.dice = diceOf(faces);
    return p;
}

QString percents(const std::vector<double> &chances)
{
    QStringList texts;
    for (double chance : chances)
        texts << QString::number(100 * chance, 'f', 4);
    return texts.join(QLatin1Char(' '));
}
}  // namespace

class AdvisorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_play.solve(); }

    void emptyCardIsWorthTheKnownOptimum()
    {
        const Advice advice = m_play.advise(Position{}).value();
        QCOMPARE(advice.kind, Advice::Kind::Roll);
        QVERIFY2(std::abs(advice.expectedFinal - kEmptyCardWorth) < 1e-6,
                 qPrintable(QString::number(advice.expectedFinal, 'f', 9)));
        QCOMPARE(m_play.expectedFinalScore(Position{}), advice.expectedFinal);
    }

    // Whole seeded games: one seed moves alike, Perfect as advised, every move allowed. The games
    // score what they scored when the strengths were tuned, so any change of judgement shows.
    void seatsPlayWholeGames()
    {
        const OptimalPlay unsolved;
        QList<int> points;
        for (SeatKind s : {SeatKind::Beginner, SeatKind::Casual, SeatKind::Strong, SeatKind::Perfect}) {
            const OptimalPlay &table = needsTable(s) ? m_play : unsolved;
            ComputerPlayer one(s, table, 7), same(s, table, 7);
            ComputerPlayer other(s, table, 8);
            QCOMPARE(!ComputerPlayer(s, unsolved, 1).decide({}), needsTable(s));
            QVERIFY(!one.decide({kAllCategoriesUsed}) && !one.decide({0, 0, 0, 4, {1, 2, 3, 4, 5}}));
            std::mt19937 random(99);
            int differences = 0;
            Position p;
            points << 0;
            for (int turn = 0; turn < kGames * kCategoryCount; ++turn) {
                if (turn % kCategoryCount == 0)
                    p = Position{};
                for (p.rollsMade = 0;; ++p.rollsMade) {
                    const Move move = one.decide(p).value();
                    QVERIFY(same.decide(p) == move);
                    differences += other.decide(p) != move;
                    if (s == SeatKind::Perfect && p.rollsMade > 0) {
                        const Advice advice = m_play.advise(p).value();  // kinds: Roll, Keep, Score
                        QVERIFY(move == Move(advice));
                        // The advice is worth what the best of all the choices is worth.
                        const OptimalPlay::Choices choices = m_play.choices(p).value();
                        double best = 0.0;
                        for (double worth : choices.entry)
                            best = worth > best ? worth : best;  // a used category's is NaN
                        for (const OptimalPlay::Choices::Keep &keep : choices.keeps)
                            best = std::max(best, keep.worth);
                        QVERIFY(std::abs(best - advice.expectedFinal) < 1e-9);
                    }
                    QCOMPARE(move.kind == Move::Kind::Roll, p.rollsMade == 0);
                    if (move.kind == Move::Kind::Score) {
                        QVERIFY(!(p.usedMask & usedBit(move.category)));
                        const int scored = categoryScore(move.category, p.dice);
                        p.usedMask |= usedBit(move.category);
                        p.upperSum += isUpper(move.category) ? scored : 0;
                        points.last() += scored;
                        if (p.usedMask == kAllCategoriesUsed && earnsUpperBonus(p.upperSum))
                            points.last() += kUpperBonus;
                        break;
                    }
                    QVERIFY(p.rollsMade < 3 && move.keepFaces.size() < 5);
                    QVERIFY(std::is_sorted(move.keepFaces.begin(), move.keepFaces.end()));
                    Dice left = p.dice;
                    for (int face : move.keepFaces) {
                        const auto at = std::find(left.begin(), left.end(), face);
                        QVERIFY(p.rollsMade > 0 && at != left.end());
                        *at = 0;
                    }
                    for (std::size_t i = 0; i < 5; ++i)
                        p.dice[i] = i < move.keepFaces.size() ? move.keepFaces[i] : int(random() % 6) + 1;
                }
            }
            QCOMPARE(differences > 0, s != SeatKind::Perfect);
        }
        QCOMPARE(points, (QList<int>{3663, 4207, 4819, 4944}));
    }

    // The Beginner's mistakes are a person's, whatever its seed; where two moves are listed, seeds show both.
    void beginnerPlaysLikeAPerson_data()
    {
        QTest::addColumn<Position>("position");
        QTest::addColumn<QStringList>("moves");
        const auto noLarge = std::uint16_t(usedBit(Category::LargeStraight));

        QTest::newRow("more points in the cheaper row") << card("Twos Sixes", 0, 0, 3, "2 2 2 2 6")
            << QStringList{"score Twos"};
        QTest::newRow("aces before a lone three") << card("Aces Threes", 0, 0, 3, "1 1 1 1 3")
            << QStringList{"score Aces"};
        QTest::newRow("small straight rolled on for the large") << Position{0, 0, 0, 1, diceOf("1 3 4 5 6")}
            << QStringList{"keep 3 4 5 6"};
        QTest::newRow("small straight taken, large used") << Position{noLarge, 0, 0, 2, diceOf("1 3 4 5 6")}
            << QStringList{"score SmStraight"};
        QTest::newRow("one face short of the large") << Position{0, 0, 0, 1, diceOf("1 2 3 5 6")}
            << QStringList{"keep 2 3 5 6"};
        QTest::newRow("higher small straight chased") << Position{noLarge, 0, 0, 2, diceOf("1 2 3 5 6")}
            << QStringList{"keep 3 5 6"};
        QTest::newRow("run open at both ends") << card("SmStraight Chance", 0, 0, 1, "2 3 4 6 6")
            << QStringList{"keep 2 3 4"};
        QTest::newRow("three alike not broken for a run")
            << Position{std::uint16_t(usedBit(Category::Threes)), 0, 0, 1, diceOf("3 3 3 4 5")}
            << QStringList{"keep 3 3 3"};
        QTest::newRow("three alike banked in their row") << Position{0, 0, 0, 1, diceOf("4 4 4 1 2")}
            << QStringList{"score Fours"};
        QTest::newRow("a gap or a pair") << Position{0, 0, 0, 1, diceOf("2 3 5 6 6")}
            << QStringList{"keep 2 3 5 6", "keep 6 6"};
    }

    void beginnerPlaysLikeAPerson()
    {
        QFETCH(Position, position);
        QFETCH(QStringList, moves);
        QSet<QString> seen;
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            ComputerPlayer beginner(SeatKind::Beginner, m_play, seed);
            const QString move = describe(beginner.decide(position).value());
            QVERIFY2(moves.contains(move), qPrintable(move));
            seen << move;
        }
        QCOMPARE(seen.size(), moves.size());
    }

    // A turn's plan makes advise()'s move at every roll: every roll of cards where many moves tie,
    // and random rolls of random cards planned four side by side.
    void turnPlansMoveAsAdvised()
    {
        const DiceSets &sets = DiceSets::instance();
        auto agrees = [&](const Position &start, const OptimalPlay::TurnPlan &plan, int roll) {
            Position p = start;
            p.dice = sets.rollDice(roll);
            for (p.rollsMade = 1; p.rollsMade <= 3; ++p.rollsMade) {
                const Advice advice = m_play.advise(p).value();
                const int keep = p.rollsMade < 3 ? plan.keep[std::size_t(p.rollsMade - 1)]
                                                            [std::size_t(roll)]
                                                 : OptimalPlay::TurnPlan::kScoreNow;
                const bool same = keep == OptimalPlay::TurnPlan::kScoreNow
                                      ? advice.kind == Advice::Kind::Score
                                            && advice.category == plan.category[std::size_t(roll)]
                                      : advice.kind == Advice::Kind::Keep
                                            && advice.keepFaces == sets.faces(keep);
                if (!same)
                    return false;
            }
            return true;
        };
        for (const Position &start : {card("Kelbrune", 0, 0), card("Chance", 0, 0),
                                      card("Aces", 10, 0), Position{}}) {
            const OptimalPlay::TurnPlan plan = m_play.turnPlan(start.usedMask, start.upperSum).value();
            for (int roll = 0; roll < DiceSets::kRollCount; ++roll)
                QVERIFY2(agrees(start, plan, roll), qPrintable(QString::number(roll)));
        }
        std::mt19937 random(5);
        std::vector<OptimalPlay::TurnPlan> plans(4);
        for (int trial = 0; trial < 300; ++trial) {
            Position start;
            start.usedMask = std::uint16_t(random() % kAllCategoriesUsed);
            const std::vector<int> uppers{int(random() % 64), int(random() % 64), 0, 63};
            QVERIFY(m_play.turnPlans(start.usedMask, uppers, plans));
            const std::size_t lane = std::size_t(trial % 4);
            start.upperSum = uppers[lane];
            QVERIFY2(agrees(start, plans[lane], int(random() % DiceSets::kRollCount)),
                     qPrintable(QString::number(trial)));
        }
        QVERIFY(!m_play.turnPlan(kAllCategoriesUsed, 0));
        QVERIFY(!m_play.turnPlans(0, std::vector<int>{0, -1}, plans));
        QVERIFY(!m_play.turnPlans(0, std::vector<int>{0, 1}, std::span(plans).first(1)));
        QVERIFY(!OptimalPlay().turnPlan(0, 0));
    }

    // A player's final score averages what the advice expects, whatever is still open.
    void finalScoresAverageTheExpectedScore_data()
    {
        QTest::addColumn<Position>("position");
        QTest::newRow("one category, start of turn") << card("FullHouse", 30, 180);
        QTest::newRow("upper bonus within reach") << card("Fours Fives Sixes", 30, 120);
        QTest::newRow("lower section left")
            << card("3K 4K SmStraight Kelbrune", 70, 140);
        QTest::newRow("seven open, after a roll")
            << card("Aces Twos Sixes FullHouse LgStraight Kelbrune Chance", 9, 60, 1, "6 6 1 2 6");
        QTest::newRow("bonus out of reach, second roll")
            << card("Sixes 3K Chance", 20, 100, 2, "6 6 5 5 1");
    }

    void finalScoresAverageTheExpectedScore()
    {
        QFETCH(Position, position);
        const WinChance chances(m_play);
        const ScoreDistribution finals = chances.finalScores({&position, 1}, 0)->front();
        double total = 0.0;
        for (int s = finals.lowest(); s <= finals.highest(); ++s)
            total += finals.chance(s);
        QVERIFY(std::abs(total - 1.0) < 1e-5);
        QVERIFY2(std::abs(finals.mean() - m_play.expectedFinalScore(position).value()) < 1e-3,
                 qPrintable(QString::number(finals.mean(), 'f', 6)));
        QCOMPARE(finals.atMost(finals.lowest() - 1), 0.0);
        QCOMPARE(finals.above(finals.highest()), 0.0);
        QVERIFY(std::abs(finals.atMost(250) + finals.above(250) - 1.0) < 1e-5);
    }

    // Points where the answer is a short sum: the mover's last turn against finished rivals.
    void lastTurnChances_data()
    {
        QTest::addColumn<Position>("mover");
        QTest::addColumn<QList<int>>("rivals");
        QTest::addColumn<QList<double>>("expected");  // mover first, then the rivals

        // Four sixes kept, one die to roll: a six (1 in 6) makes 30 rather than 24.
        QTest::newRow("sixes, one die left")
            << card("Sixes", 20, 200, 2, "6 6 6 6 1") << QList<int>{226} << QList<double>{1.0 / 6, 5.0 / 6};
        QTest::newRow("sixes, the bonus with the sixth six")
            << card("Sixes", 35, 200, 2, "6 6 6 6 1") << QList<int>{264} << QList<double>{1.0 / 6, 5.0 / 6};
        // Four fours kept for five alike, two rolls of the fifth die: 1/6 + 5/6 * 1/6.
        QTest::newRow("five alike, two rolls of one die")
            << card("Kelbrune", 0, 200, 1, "4 4 4 4 2") << QList<int>{220}
            << QList<double>{11.0 / 36, 25.0 / 36};
        QTest::newRow("five alike, two dice once")
            << card("Kelbrune", 0, 200, 2, "3 3 1 3 2") << QList<int>{220}
            << QList<double>{1.0 / 36, 35.0 / 36};
        // Chance: 24 and the rerolled die; a six ties the rival, and a tie is a win for both.
        QTest::newRow("a tie is a win for each")
            << card("Chance", 0, 200, 2, "6 6 1 6 6") << QList<int>{230} << QList<double>{1.0 / 6, 1.0};
        QTest::newRow("two rivals tied ahead")
            << card("Chance", 0, 100, 0) << QList<int>{231, 231} << QList<double>{0.0, 1.0, 1.0};
        QTest::newRow("decided by the last roll")
            << card("Kelbrune", 0, 180, 3, "5 5 5 5 5") << QList<int>{229} << QList<double>{1.0, 0.0};
        QTest::newRow("a rival out of any card's reach")
            << card("Chance", 0, 200, 1, "6 6 6 6 6") << QList<int>{WinChance::kMostPointsSoFar}
            << QList<double>{0.0, 1.0};
        // Three upper categories at most 30 points, and no bonus within reach.
        QTest::newRow("decided three turns early")
            << card("Aces Twos Threes", 0, 170, 0) << QList<int>{201} << QList<double>{0.0, 1.0};
    }

    void lastTurnChances()
    {
        QFETCH(Position, mover);
        QFETCH(QList<int>, rivals);
        QFETCH(QList<double>, expected);
        const WinChance chances(m_play);
        // The mover in every seat: the answer comes in seat order.
        for (qsizetype seat = 0; seat <= rivals.size(); ++seat) {
            std::vector<Position> seats;
            for (int total : rivals)
                seats.push_back(card({}, 0, total));  // finished
            seats.insert(seats.begin() + seat, mover);
            QList<double> wanted = expected.mid(1);
            wanted.insert(seat, expected.front());
            const std::vector<double> answer = chances.winChances(seats, std::size_t(seat)).value();
            bool near = answer.size() == std::size_t(wanted.size());
            for (std::size_t i = 0; near && i < answer.size(); ++i)
                near = std::abs(answer[i] - wanted[qsizetype(i)]) < 1e-6;
            QVERIFY2(near, qPrintable(percents(answer) + " in seat " + QString::number(seat)));
        }
        // Alone: the chance to beat the best rival's total is the mover's, less the ties.
        const int best = *std::max_element(rivals.begin(), rivals.end());
        const double beat = chances.chanceToBeat(mover, best).value();
        const ScoreDistribution finals = chances.finalScores({&mover, 1}, 0)->front();
        QVERIFY(std::abs(beat + finals.chance(best) - expected.front()) < 1e-6);
    }

    // Seats other than the mover are read at the start of a turn; bad seats get no answer.
    void winChancesTakeOnlyWhatIsWithinLimits()
    {
        const WinChance chances(m_play);
        const Position mover = card("Sixes", 20, 200, 2, "6 6 6 6 1");
        std::vector<Position> seats{mover, card("Chance", 0, 210)};
        const std::vector<double> answer = chances.winChances(seats, 0).value();
        seats[1].rollsMade = 3;
        seats[1].dice = diceOf("6 6 6 6 6");
        QCOMPARE(chances.winChances(seats, 0).value(), answer);
        seats[1].rollsMade = 9;
        seats[1].dice = diceOf("0 0 0 0 0");
        QCOMPARE(chances.winChances(seats, 0).value(), answer);
        const Position rival = seats[1];

        auto refused = [&](std::vector<Position> seats, std::size_t moving) {
            return !chances.winChances(seats, moving) && !chances.finalScores(seats, moving);
        };
        QVERIFY(refused({}, 0));
        QVERIFY(refused({mover, rival}, 2));
        std::vector<std::vector<Position>> bad(5, {mover, rival});
        bad[0][1].usedMask |= 1u << kCategoryCount;
        bad[1][1].upperSum = -1;
        bad[2][1].pointsSoFar = WinChance::kMostPointsSoFar + 1;
        bad[3][0].rollsMade = 4;
        bad[4][0].dice[2] = 7;
        for (std::size_t i = 0; i < bad.size(); ++i)
            QVERIFY2(refused(bad[i], 0), qPrintable(QString::number(i)));
        QVERIFY(!chances.chanceToBeat(bad[4][0], 0));

        OptimalPlay unsolved;
        QVERIFY(!WinChance(unsolved).winChances(seats, 0));
    }

    // What one answer keeps serves the next as the game goes on: a stopped answer still comes,
    // and it is the answer worked out from nothing.
    void keptWorkServesTheNextPoints()
    {
        WinChance chances(m_play);
        const std::vector<Position> start{card("Aces Fives SmStraight Kelbrune Chance", 15, 120),
                                          card("Twos Threes Fours FullHouse 4K", 30, 110)};
        std::vector<std::vector<Position>> later;
        for (const char *faces : {"5 5 5 2 1", "5 5 5 5 1"}) {
            std::vector<Position> rolled = later.empty() ? start : later.back();
            ++rolled[0].rollsMade;
            rolled[0].dice = diceOf(QString::fromLatin1(faces));
            later.push_back(rolled);
        }
        std::vector<Position> next = start;
        next[0] = card("Aces SmStraight Kelbrune Chance", 35, 140);
        next[1].rollsMade = 1;
        next[1].dice = diceOf("3 3 3 4 4");
        later.push_back(next);

        std::stop_source stopped;
        stopped.request_stop();
        QVERIFY(!chances.winChances(start, 0, stopped.get_token()));
        QVERIFY(chances.winChances(start, 0));
        for (std::size_t i = 0; i < later.size(); ++i) {
            const std::size_t mover = i + 1 < later.size() ? 0 : 1;
            const std::optional<std::vector<double>> kept =
                chances.winChances(later[i], mover, stopped.get_token());
            QVERIFY2(kept, qPrintable(QString::number(i)));
            WinChance fresh(m_play);
            const std::vector<double> answer = fresh.winChances(later[i], mover).value();
            QVERIFY2(std::abs(answer[0] - (*kept)[0]) < 1e-9 && std::abs(answer[1] - (*kept)[1]) < 1e-9,
                     qPrintable(percents(answer) + " / " + percents(*kept)));
        }
        chances.forget();
        QVERIFY(!chances.winChances(later.back(), 1, stopped.get_token()));
    }

    // The table: none before it is built; the cards it holds average the expected score; six
    // empty cards have the same chance, a sixth and the share of ties.
    void tableServesEarlyCards()
    {
        WinChance chances(m_play);
        const std::vector<Position> empty(6);
        QVERIFY(!chances.winChances(empty, 0));
        QVERIFY(!chances.ready() && chances.tableBytes() == 0);
        chances.prepare();
        QVERIFY(chances.ready());
        const ScoreDistribution finals = chances.finalScores({&empty[0], 1}, 0)->front();
        QVERIFY2(std::abs(finals.mean() - kEmptyCardWorth) < 1e-3,
                 qPrintable(QString::number(finals.mean(), 'f', 6)));
        const Position early = card("Aces Twos Threes Fours Fives 3K FullHouse Kelbrune", 12, 80);
        QVERIFY(std::abs(chances.finalScores({&early, 1}, 0)->front().mean()
                         - m_play.expectedFinalScore(early).value())
                < 1e-3);
        const std::vector<double> six = chances.winChances(empty, 0).value();
        for (double chance : six)
            QVERIFY2(std::abs(chance - six[0]) < 1e-6 && chance > 1.0 / 6, qPrintable(percents(six)));
    }

private:
    OptimalPlay m_play;
};

QTEST_GUILESS_MAIN(AdvisorTest)
#include "tst_advisor.moc"
