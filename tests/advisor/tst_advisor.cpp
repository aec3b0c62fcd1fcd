#include "ComputerPlayer.h"
#include "OptimalPlay.h"

#include <QTest>

#include <cmath>
#include <random>

namespace {
// The expected final score of optimal play from an empty card under these rules.
constexpr double kOptimum = 245.870775;
constexpr int kGames = 20;

// A card where only these categories are free; all of them when none is named.
Position position(std::initializer_list<Category> free, int upperSum, int pointsSoFar, int rollsMade,
                  Dice dice = {})
{
    Position p{free.size() > 0 ? kAllCategoriesUsed : std::uint16_t(0), upperSum, pointsSoFar, rollsMade, dice};
    for (Category c : free)
        p.usedMask &= std::uint16_t(~usedBit(c));
    return p;
}

// Worth of one last turn with a single upper category free and only the dice showing its face
// counting: keep every such die, so each die shows it by the end with chance 91/216.
double lastUpperTurn(int face, bool bonusAtStake)
{
    return face * 5 * 91.0 / 216.0 + (bonusAtStake ? 35.0 * (1.0 - std::pow(125.0 / 216.0, 5)) : 0.0);
}

// One die with only its face counting: kept when at least what rerolling is worth.
constexpr double kOneRollLeft = 3.5;                                       // keep 4 to 6
constexpr double kTwoRollsLeft = (4 + 5 + 6) / 6.0 + 0.5 * kOneRollLeft;   // 4.25: keep 5 and 6
constexpr double kChanceTurn = (5 + 6) / 6.0 + 4.0 / 6.0 * kTwoRollsLeft;  // 14 / 3
}  // namespace

class AdvisorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_play.solve(); }

    void emptyCardIsWorthTheKnownOptimum()
    {
        const std::optional<Advice> advice = m_play.advise(Position{});
        QVERIFY(advice);
        QCOMPARE(advice->kind, Advice::Kind::Roll);
        QVERIFY2(std::abs(advice->expectedFinal - kOptimum) < 1e-6,
                 qPrintable(QString::number(advice->expectedFinal, 'f', 9)));
        QCOMPARE(m_play.expectedFinalScore(Position{}), advice->expectedFinal);
    }

    void adviceWhereTheBestMoveIsCertain_data()
    {
        QTest::addColumn<Position>("at");
        QTest::addColumn<Advice::Kind>("kind");
        QTest::addColumn<QList<int>>("keep");
        QTest::addColumn<Category>("category");
        QTest::addColumn<int>("points");
        QTest::addColumn<double>("expectedFinal");  // negative: not known in closed form

        using K = Advice::Kind;
        using C = Category;
        QTest::newRow("empty card, large straight: score it")
            << position({}, 0, 0, 1, {2, 3, 4, 5, 6}) << K::Score << QList<int>() << C::LargeStraight << 40 << -1.0;
        // Only Chance: each die on its own, kept when worth more than rerolling it.
        QTest::newRow("Chance only, before the roll")
            << position({C::Chance}, 70, 250, 0) << K::Roll << QList<int>() << C::Chance << 0 << 250 + 5 * kChanceTurn;
        QTest::newRow("Chance only, two rolls left: keep fives and sixes")
            << position({C::Chance}, 70, 250, 1, {6, 1, 5, 2, 6}) << K::Keep << QList<int>{5, 6, 6} << C::Chance << 0
            << 250 + 17 + 2 * kTwoRollsLeft;
        QTest::newRow("Chance only, one roll left: keep fours and up")
            << position({C::Chance}, 70, 250, 2, {4, 3, 6, 1, 2}) << K::Keep << QList<int>{4, 6} << C::Chance << 0
            << 250 + 10 + 3 * kOneRollLeft;
        // Only Sixes: two sixes secure the bonus.
        QTest::newRow("Sixes only, two sixes secure the bonus: keep them")
            << position({C::Sixes}, 57, 200, 1, {6, 1, 6, 2, 3}) << K::Keep << QList<int>{6, 6} << C::Chance << 0
            << 200 + 12 + 35 + 3 * 6 * 11.0 / 36.0;
        // 4 short of the bonus on the last roll: the four now is worth 39 and leaves a Chance turn;
        // the 28 now leaves a Fours turn that makes the bonus all but certainly.
        QTest::newRow("Fours or Chance, bonus in reach next turn: Chance now")
            << position({C::Fours, C::Chance}, 59, 150, 3, {4, 6, 6, 6, 6}) << K::Score << QList<int>() << C::Chance
            << 28 << 150 + 28 + lastUpperTurn(4, true);
        QTest::newRow("Fours or Chance, three fours earn the bonus: Fours now")
            << position({C::Fours, C::Chance}, 59, 150, 3, {4, 4, 4, 1, 1}) << K::Score << QList<int>() << C::Fours
            << 12 << 150 + 12 + 35 + 5 * kChanceTurn;
    }

    void adviceWhereTheBestMoveIsCertain()
    {
        QFETCH(Position, at);
        QFETCH(Advice::Kind, kind);
        QFETCH(QList<int>, keep);
        QFETCH(Category, category);
        QFETCH(int, points);
        QFETCH(double, expectedFinal);

        const Advice advice = m_play.advise(at).value();
        QCOMPARE(advice.kind, kind);
        QCOMPARE(QList<int>(advice.keepFaces.begin(), advice.keepFaces.end()), keep);
        QCOMPARE(advice.points, points);
        if (kind == Advice::Kind::Score)
            QCOMPARE(advice.category, category);
        if (expectedFinal >= 0)
            QVERIFY2(std::abs(advice.expectedFinal - expectedFinal) < 1e-9,
                     qPrintable(QStringLiteral("%1, expected %2")
                                    .arg(advice.expectedFinal, 0, 'f', 9)
                                    .arg(expectedFinal, 0, 'f', 9)));
    }

    void weakerStrengthsNeverBlunder_data()
    {
        QTest::addColumn<Position>("at");
        QTest::addColumn<int>("entered");  // the category it must enter; -1: any move but a zero
        using enum Category;
        auto row = [](const char *name, std::initializer_list<Category> free, int rolls, Dice dice,
                      int entered) {
            QTest::newRow(name) << position(free, 40, 100, rolls, dice) << entered;
        };
        row("large straight, empty card", {}, 1, {2, 3, 4, 5, 6}, int(LargeStraight));
        row("five alike", {Fours, Kelbrune, FullHouse}, 1, {4, 4, 4, 4, 4}, int(Kelbrune));
        row("full house or zeros", {FullHouse, Kelbrune, LargeStraight, Aces}, 3, {2, 2, 5, 5, 5}, -1);
        row("three aces or zeros", {Aces, Kelbrune, LargeStraight}, 3, {1, 1, 1, 2, 4}, -1);
        row("high chance or zeros", {Chance, Kelbrune, FullHouse}, 3, {6, 6, 5, 4, 3}, -1);
        row("only zeros, rolls left", {Kelbrune}, 2, {1, 2, 3, 4, 6}, -1);
    }

    void weakerStrengthsNeverBlunder()
    {
        QFETCH(Position, at);
        QFETCH(int, entered);
        for (Strength strength : {Strength::Beginner, Strength::Casual, Strength::Strong})
            for (std::uint64_t seed = 0; seed < 200; ++seed) {
                const ComputerMove move = ComputerPlayer(strength, m_play, seed).decide(at).value();
                const bool score = move.kind == ComputerMove::Kind::Score;
                if (entered >= 0)
                    QVERIFY(score && int(move.category) == entered);
                else if (score)
                    QVERIFY(categoryScore(move.category, at.dice) > 0);
            }
    }

    // Whole seeded games, the table-free strengths with no table: two seats with one seed move alike,
    // Perfect as advised, the others with another seed otherwise somewhere; every move is allowed.
    // No move without a needed table, on a full card or after a fourth roll. The seeded games come
    // to the points they came to when the strengths were tuned, so any change of a strength's
    // judgement shows (bench_strengths measures the strengths themselves).
    void seatsPlayWholeGames()
    {
        const OptimalPlay unsolved;
        std::uniform_int_distribution<int> die(1, 6);
        QList<int> points;
        for (int s = 0; s < kStrengthCount; ++s) {
            const OptimalPlay &table = needsTable(Strength(s)) ? m_play : unsolved;
            ComputerPlayer one(Strength(s), table, 7), same(Strength(s), table, 7);
            ComputerPlayer other(Strength(s), table, 8);
            QCOMPARE(!ComputerPlayer(Strength(s), unsolved, 1).decide({}), needsTable(Strength(s)));
            QVERIFY(!one.decide({kAllCategoriesUsed}) && !one.decide({0, 0, 0, 4, {1, 2, 3, 4, 5}}));
            std::mt19937 random(99);
            int differences = 0;
            Position p;
            points << 0;
            for (int turn = 0; turn < kGames * kCategoryCount; ++turn) {
                if (turn % kCategoryCount == 0) {
                    points.last() += earnsUpperBonus(p.upperSum) ? kUpperBonus : 0;
                    p = Position{};
                }
                for (p.rollsMade = 0;; ++p.rollsMade) {
                    const ComputerMove move = one.decide(p).value();
                    QVERIFY(same.decide(p) == move);
                    differences += other.decide(p) != move;
                    if (Strength(s) == Strength::Perfect && p.rollsMade > 0) {
                        const Advice advice = m_play.advise(p).value();  // kinds: Roll, Keep, Score
                        QVERIFY(int(move.kind) == int(advice.kind) && move.keepFaces == advice.keepFaces
                                && move.category == advice.category);
                        // The advice is worth what the best of all the choices is worth.
                        const OptimalPlay::Choices choices = m_play.choices(p).value();
                        double best = 0.0;
                        for (double worth : choices.entry)
                            best = worth > best ? worth : best;  // a used category's is NaN
                        for (const OptimalPlay::Choices::Keep &keep : choices.keeps)
                            best = std::max(best, keep.worth);
                        QVERIFY(std::abs(best - advice.expectedFinal) < 1e-9);
                    }
                    QCOMPARE(move.kind == ComputerMove::Kind::Roll, p.rollsMade == 0);
                    if (move.kind == ComputerMove::Kind::Score) {
                        QVERIFY(!(p.usedMask & usedBit(move.category)));
                        points.last() += categoryScore(move.category, p.dice);
                        p.usedMask |= usedBit(move.category);
                        p.upperSum += isUpper(move.category) ? categoryScore(move.category, p.dice) : 0;
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
                        p.dice[i] = i < move.keepFaces.size() ? move.keepFaces[i] : die(random);
                }
            }
            QCOMPARE(differences > 0, Strength(s) != Strength::Perfect);
            points.last() += earnsUpperBonus(p.upperSum) ? kUpperBonus : 0;
        }
        QCOMPARE(points, (QList<int>{3937, 4451, 4791, 4949}));
    }

private:
    OptimalPlay m_play;
};

QTEST_GUILESS_MAIN(AdvisorTest)
#include "tst_advisor.moc"
