#include "ComputerPlayer.h"
#include "OptimalPlay.h"

#include <QTest>

#include <cmath>
#include <random>

namespace {
// The expected final score of optimal play from an empty card under these rules.
constexpr double kOptimum = 245.870775;

const char *const kNames[kCategoryCount] = {"Aces", "Twos", "Threes", "Fours", "Fives", "Sixes",
                                            "3Kind", "4Kind", "FullHouse", "SmStraight",
                                            "LgStraight", "Kelbrune", "Chance"};

Category category(const QString &name)
{
    for (int c = 0; c < kCategoryCount; ++c)
        if (name == QLatin1String(kNames[c]))
            return Category(c);
    qFatal("no category %s", qPrintable(name));
}

QList<int> faces(const QString &text)
{
    QList<int> result;
    for (const QString &face : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        result << face.toInt();
    return result;
}

Dice dice(const QString &text)
{
    Dice d{};
    const QList<int> f = faces(text);
    for (qsizetype i = 0; i < f.size() && i < 5; ++i)
        d[std::size_t(i)] = f.at(i);
    return d;
}

// A card where only the named categories ("all" for every one) are still free.
Position position(const QString &free, int upperSum, int pointsSoFar, int rollsMade,
                  const QString &roll = QString())
{
    Position p;
    p.usedMask = kAllCategoriesUsed;
    if (free == QLatin1String("all"))
        p.usedMask = 0;
    else
        for (const QString &name : free.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            p.usedMask &= std::uint16_t(~usedBit(category(name)));
    p.upperSum = upperSum;
    p.pointsSoFar = pointsSoFar;
    p.rollsMade = rollsMade;
    p.dice = dice(roll);
    return p;
}

// Worth of one last turn with a single upper category free and only the dice showing its face
// counting: keep every such die, so each die shows it by the end with chance 91/216.
double lastUpperTurn(int face, bool bonusAtStake)
{
    const double missAll = std::pow(125.0 / 216.0, 5);
    return face * 5 * 91.0 / 216.0 + (bonusAtStake ? 35.0 * (1.0 - missAll) : 0.0);
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
    void initTestCase();
    void emptyCardIsWorthTheKnownOptimum();
    void noAdviceBeforeTheTableIsReady();
    void cancelledSolveNeverBecomesReady();
    void noAdviceOutsideTheLimits_data();
    void noAdviceOutsideTheLimits();
    void adviceWhereTheBestMoveIsCertain_data();
    void adviceWhereTheBestMoveIsCertain();
    void impossibleUpperSumIsTakenAsTheNearestLowerOne();
    void turnStartIsTheMeanOverFirstRolls_data();
    void turnStartIsTheMeanOverFirstRolls();
    void keepIsTheMeanOverItsRerolls();
    void seededGamesAverageTheOptimum();
    void weakerStrengthsNeverBlunder_data();
    void weakerStrengthsNeverBlunder();
    void seatsPlayWholeGames();

private:
    OptimalPlay m_play;
};

void AdvisorTest::initTestCase()
{
    m_play.solve();
    QVERIFY(m_play.ready());
}

void AdvisorTest::emptyCardIsWorthTheKnownOptimum()
{
    const std::optional<Advice> advice = m_play.advise(Position{});
    QVERIFY(advice);
    QCOMPARE(advice->kind, Advice::Kind::Roll);
    QVERIFY2(std::abs(advice->expectedFinal - kOptimum) < 1e-6,
             qPrintable(QString::number(advice->expectedFinal, 'f', 9)));
    QCOMPARE(m_play.expectedFinalScore(Position{}), advice->expectedFinal);
}

void AdvisorTest::noAdviceBeforeTheTableIsReady()
{
    const OptimalPlay unsolved;
    QVERIFY(!unsolved.ready());
    QVERIFY(!unsolved.advise(Position{}));
    QVERIFY(!unsolved.expectedFinalScore(Position{}));
}

void AdvisorTest::noAdviceOutsideTheLimits_data()
{
    QTest::addColumn<int>("usedMask");
    QTest::addColumn<int>("upperSum");
    QTest::addColumn<int>("rollsMade");
    QTest::addColumn<QString>("dice");

    QTest::newRow("every category used") << int(kAllCategoriesUsed) << 70 << 0 << "";
    QTest::newRow("a bit beyond the categories") << (1 << kCategoryCount) << 0 << 0 << "";
    QTest::newRow("four rolls") << 0 << 0 << 4 << "1 2 3 4 5";
    QTest::newRow("negative rolls") << 0 << 0 << -1 << "";
    QTest::newRow("face 0 after a roll") << 0 << 0 << 1 << "1 2 0 4 5";
    QTest::newRow("face 7 after a roll") << 0 << 0 << 3 << "1 2 7 4 5";
    QTest::newRow("negative upper sum") << 0 << -3 << 0 << "";
}

void AdvisorTest::noAdviceOutsideTheLimits()
{
    QFETCH(int, usedMask);
    QFETCH(int, upperSum);
    QFETCH(int, rollsMade);
    QFETCH(QString, dice);

    Position p = position(QStringLiteral("all"), upperSum, 0, rollsMade, dice);
    p.usedMask = std::uint16_t(usedMask);
    QVERIFY(!m_play.advise(p));
    QVERIFY(!m_play.expectedFinalScore(p));
}

void AdvisorTest::adviceWhereTheBestMoveIsCertain_data()
{
    QTest::addColumn<Position>("at");
    QTest::addColumn<Advice::Kind>("kind");
    QTest::addColumn<QString>("keep");
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("points");
    QTest::addColumn<double>("expectedFinal");  // negative: not known in closed form

    using K = Advice::Kind;
    const QString all = QStringLiteral("all");
    auto row = [](const char *name, const Position &at, K kind, const char *keep,
                  const char *category, int points, double expectedFinal) {
        QTest::newRow(name) << at << kind << QString::fromLatin1(keep)
                            << QString::fromLatin1(category) << points << expectedFinal;
    };

    row("empty card, large straight: score it", position(all, 0, 0, 1, "2 3 4 5 6"), K::Score, "",
        "LgStraight", 40, -1);
    row("empty card, five of a kind: score it", position(all, 0, 0, 1, "3 3 3 3 3"), K::Score, "",
        "Kelbrune", 50, -1);

    // Only Chance: each die on its own, kept when worth more than rerolling it.
    row("Chance only, before the roll", position("Chance", 70, 250, 0), K::Roll, "", "", 0,
        250 + 5 * kChanceTurn);
    row("Chance only, two rolls left: keep fives and sixes",
        position("Chance", 70, 250, 1, "6 1 5 2 6"), K::Keep, "5 6 6", "", 0,
        250 + 17 + 2 * kTwoRollsLeft);
    row("Chance only, one roll left: keep fours and up",
        position("Chance", 70, 250, 2, "4 3 6 1 2"), K::Keep, "4 6", "", 0,
        250 + 10 + 3 * kOneRollLeft);
    row("Chance only, five sixes: score now", position("Chance", 70, 250, 1, "6 6 6 6 6"), K::Score,
        "", "Chance", 30, 280);
    row("Chance only, last roll: score the sum", position("Chance", 70, 250, 3, "6 5 2 2 1"),
        K::Score, "", "Chance", 16, 266);

    // Only Kelbrune: the four alike are the only hope.
    row("Kelbrune only, two rolls left: keep four alike",
        position("Kelbrune", 40, 180, 1, "4 4 2 4 4"), K::Keep, "4 4 4 4", "", 0,
        180 + 50 * 11.0 / 36.0);
    row("Kelbrune only, one roll left: keep four alike",
        position("Kelbrune", 40, 180, 2, "4 4 2 4 4"), K::Keep, "4 4 4 4", "", 0, 180 + 50 / 6.0);
    row("Full House only, five alike score nothing", position("FullHouse", 40, 180, 3, "2 2 2 2 2"),
        K::Score, "", "FullHouse", 0, 180);

    // Only Sixes: the bonus counts once, whether still at stake, earned or out of reach.
    row("Sixes only, bonus one six away", position("Sixes", 57, 200, 0), K::Roll, "", "", 0,
        200 + lastUpperTurn(6, true));
    row("Sixes only, bonus earned", position("Sixes", 70, 235, 0), K::Roll, "", "", 0,
        235 + lastUpperTurn(6, false));
    row("Sixes only, bonus earned exactly", position("Sixes", 63, 235, 0), K::Roll, "", "", 0,
        235 + lastUpperTurn(6, false));
    row("Sixes only, bonus out of reach", position("Sixes", 20, 150, 0), K::Roll, "", "", 0,
        150 + lastUpperTurn(6, false));
    row("Sixes only, two sixes and the bonus secured: keep them",
        position("Sixes", 57, 200, 1, "6 1 6 2 3"), K::Keep, "6 6", "", 0,
        200 + 12 + 35 + 3 * 6 * 11.0 / 36.0);
    row("Sixes only, last roll, one six earns the bonus",
        position("Sixes", 57, 200, 3, "6 1 2 3 4"), K::Score, "", "Sixes", 6, 241);

    // Fours or Chance on the last roll, 4 short of the bonus: the four now is worth 39 and leaves
    // a Chance turn; the 28 now leaves a Fours turn that makes the bonus all but certainly.
    row("Fours or Chance, bonus in reach next turn: Chance now",
        position("Fours Chance", 59, 150, 3, "4 6 6 6 6"), K::Score, "", "Chance", 28,
        150 + 28 + lastUpperTurn(4, true));
    row("Fours or Chance, three fours earn the bonus: Fours now",
        position("Fours Chance", 59, 150, 3, "4 4 4 1 1"), K::Score, "", "Fours", 12,
        150 + 12 + 35 + 5 * kChanceTurn);
}

void AdvisorTest::adviceWhereTheBestMoveIsCertain()
{
    QFETCH(Position, at);
    QFETCH(Advice::Kind, kind);
    QFETCH(QString, keep);
    QFETCH(QString, category);
    QFETCH(int, points);
    QFETCH(double, expectedFinal);

    const std::optional<Advice> advice = m_play.advise(at);
    QVERIFY(advice);
    QCOMPARE(advice->kind, kind);
    if (kind == Advice::Kind::Keep)
        QCOMPARE(QList<int>(advice->keepFaces.begin(), advice->keepFaces.end()), faces(keep));
    else
        QVERIFY(advice->keepFaces.empty());
    if (kind == Advice::Kind::Score) {
        QCOMPARE(QLatin1String(kNames[int(advice->category)]), category);
        QCOMPARE(advice->points, points);
    }
    if (expectedFinal >= 0)
        QVERIFY2(std::abs(advice->expectedFinal - expectedFinal) < 1e-9,
                 qPrintable(QStringLiteral("%1, expected %2")
                                .arg(advice->expectedFinal, 0, 'f', 9)
                                .arg(expectedFinal, 0, 'f', 9)));
}

// Aces alone cannot add up to 7; only an edited file holds such a card.
void AdvisorTest::impossibleUpperSumIsTakenAsTheNearestLowerOne()
{
    Position edited;
    edited.usedMask = usedBit(Category::Aces);
    edited.upperSum = 7;
    Position possible = edited;
    possible.upperSum = 5;
    const std::optional<double> worth = m_play.expectedFinalScore(edited);
    QVERIFY(worth);
    QCOMPARE(*worth, m_play.expectedFinalScore(possible).value());

    edited.rollsMade = possible.rollsMade = 1;
    edited.dice = possible.dice = dice(QStringLiteral("1 1 2 5 6"));
    const Advice advice = m_play.advise(edited).value();
    QCOMPARE(advice.keepFaces, m_play.advise(possible)->keepFaces);
    QCOMPARE(advice.expectedFinal, m_play.advise(possible)->expectedFinal);
}

void AdvisorTest::turnStartIsTheMeanOverFirstRolls_data()
{
    QTest::addColumn<Position>("at");
    QTest::newRow("empty card") << position(QStringLiteral("all"), 0, 0, 0);
    QTest::newRow("mid game, bonus at stake")
        << position(QStringLiteral("Threes Fives Sixes 3Kind FullHouse LgStraight Chance"), 31, 96,
                    0);
    QTest::newRow("mid game, bonus earned")
        << position(QStringLiteral("Twos SmStraight Kelbrune Chance"), 66, 220, 0);
}

// The table's worth of a turn start against the advice after each of the 7776 first rolls.
void AdvisorTest::turnStartIsTheMeanOverFirstRolls()
{
    QFETCH(Position, at);
    const double start = m_play.expectedFinalScore(at).value();
    double sum = 0.0;
    Position rolled = at;
    rolled.rollsMade = 1;
    for (int code = 0; code < 7776; ++code) {
        for (int i = 0, rest = code; i < 5; ++i, rest /= 6)
            rolled.dice[std::size_t(i)] = rest % 6 + 1;
        sum += m_play.expectedFinalScore(rolled).value();
    }
    const double mean = sum / 7776;
    QVERIFY2(std::abs(mean - start) < 1e-9,
             qPrintable(QStringLiteral("%1 against %2")
                            .arg(mean, 0, 'f', 9)
                            .arg(start, 0, 'f', 9)));
}

// A keep's worth against the advice after each way the other dice can fall.
void AdvisorTest::keepIsTheMeanOverItsRerolls()
{
    const Position at = position(QStringLiteral("Fours Fives 4Kind SmStraight Chance"), 40, 150, 1,
                                 QStringLiteral("5 5 3 4 1"));
    const Advice advice = m_play.advise(at).value();
    QCOMPARE(advice.kind, Advice::Kind::Keep);
    const int rolled = 5 - int(advice.keepFaces.size());
    QVERIFY(rolled > 0);

    int outcomes = 1;
    for (int i = 0; i < rolled; ++i)
        outcomes *= 6;
    double sum = 0.0;
    Position next = at;
    next.rollsMade = 2;
    for (int code = 0; code < outcomes; ++code) {
        std::size_t i = 0;
        for (int face : advice.keepFaces)
            next.dice[i++] = face;
        for (int rest = code; i < 5; ++i, rest /= 6)
            next.dice[i] = rest % 6 + 1;
        sum += m_play.expectedFinalScore(next).value();
    }
    QVERIFY(std::abs(sum / outcomes - advice.expectedFinal) < 1e-9);
}

// Whole games played by the advice with seeded dice: the mean lands on the table's worth, and
// every piece of advice is one the player can follow.
void AdvisorTest::seededGamesAverageTheOptimum()
{
    constexpr int kGames = 10000;
    std::mt19937 random(1234567);
    std::uniform_int_distribution<int> die(1, 6);
    long long total = 0;
    for (int game = 0; game < kGames; ++game) {
        Position p;
        int upper = 0;
        int lower = 0;
        for (int turn = 0; turn < kCategoryCount; ++turn) {
            Dice kept{};
            std::size_t keptCount = 0;
            Advice advice;
            for (p.rollsMade = 1; p.rollsMade <= 3; ++p.rollsMade) {
                for (std::size_t i = 0; i < 5; ++i)
                    p.dice[i] = i < keptCount ? kept[i] : die(random);
                advice = m_play.advise(p).value();
                if (advice.kind != Advice::Kind::Keep)
                    break;
                QVERIFY(p.rollsMade < 3);
                // The faces kept must be among the dice.
                Dice left = p.dice;
                keptCount = 0;
                for (int face : advice.keepFaces) {
                    const auto at = std::find(left.begin(), left.end(), face);
                    QVERIFY(at != left.end());
                    *at = 0;
                    kept[keptCount++] = face;
                }
            }
            QCOMPARE(advice.kind, Advice::Kind::Score);
            QVERIFY(!(p.usedMask & usedBit(advice.category)));
            QCOMPARE(advice.points, categoryScore(advice.category, p.dice));
            p.usedMask |= usedBit(advice.category);
            (isUpper(advice.category) ? upper : lower) += advice.points;
            p.upperSum = upper;
            p.pointsSoFar = upper + lower + (upper >= 63 ? 35 : 0);
            p.rollsMade = 0;
        }
        total += p.pointsSoFar;
    }
    const double mean = double(total) / kGames;
    QVERIFY2(std::abs(mean - kOptimum) < 1.5, qPrintable(QString::number(mean, 'f', 3)));
}

void AdvisorTest::cancelledSolveNeverBecomesReady()
{
    OptimalPlay play;
    play.cancel();
    play.solve();
    QVERIFY(!play.ready());
    QVERIFY(!play.advise(Position{}).has_value());
}

void AdvisorTest::weakerStrengthsNeverBlunder_data()
{
    QTest::addColumn<Position>("at");
    QTest::addColumn<QString>("entered");  // empty: any move, but never a zero entry
    auto row = [](const char *name, const char *free, int upper, int rolls, const char *roll,
                  const char *entered) {
        QTest::newRow(name) << position(QString::fromLatin1(free), upper, 100, rolls, roll)
                            << QString::fromLatin1(entered);
    };
    row("large straight, empty card", "all", 0, 1, "2 3 4 5 6", "LgStraight");
    row("five alike", "Fours Kelbrune FullHouse", 40, 1, "4 4 4 4 4", "Kelbrune");
    row("full house or zeros", "FullHouse Kelbrune LgStraight Aces", 40, 3, "2 2 5 5 5", "");
    row("three aces or zeros", "Aces Kelbrune LgStraight", 40, 3, "1 1 1 2 4", "");
    row("high chance or zeros", "Chance Kelbrune FullHouse", 40, 3, "6 6 5 4 3", "");
    row("only zeros, rolls left", "Kelbrune", 40, 2, "1 2 3 4 6", "");
}

void AdvisorTest::weakerStrengthsNeverBlunder()
{
    QFETCH(Position, at);
    QFETCH(QString, entered);
    for (Strength strength : {Strength::Beginner, Strength::Casual, Strength::Strong})
        for (std::uint64_t seed = 0; seed < 200; ++seed) {
            const ComputerMove move = ComputerPlayer(strength, m_play, seed).decide(at).value();
            const bool score = move.kind == ComputerMove::Kind::Score;
            if (!entered.isEmpty())
                QCOMPARE(QLatin1String(score ? kNames[int(move.category)] : "a keep"), entered);
            else if (score)
                QVERIFY2(categoryScore(move.category, at.dice) > 0, kNames[int(move.category)]);
        }
}

// Whole seeded games, the table-free strengths with no table: two seats with one seed move alike,
// Perfect as advised, the others with another seed otherwise somewhere; every move is allowed.
// No move without a needed table, on a full card or after a fourth roll.
void AdvisorTest::seatsPlayWholeGames()
{
    const OptimalPlay unsolved;
    std::uniform_int_distribution<int> die(1, 6);
    for (int s = 0; s < kStrengthCount; ++s) {
        const OptimalPlay &table = needsTable(Strength(s)) ? m_play : unsolved;
        ComputerPlayer one(Strength(s), table, 7), same(Strength(s), table, 7);
        ComputerPlayer other(Strength(s), table, 8);
        QCOMPARE(!ComputerPlayer(Strength(s), unsolved, 1).decide({}), needsTable(Strength(s)));
        QVERIFY(!one.decide({kAllCategoriesUsed}) && !one.decide({0, 0, 0, 4, {1, 2, 3, 4, 5}}));
        std::mt19937 random(99);
        int differences = 0;
        Position p;
        for (int turn = 0; turn < 5 * kCategoryCount; ++turn) {
            if (turn % kCategoryCount == 0)
                p = Position{};
            std::vector<int> kept;
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
                kept = move.keepFaces;
                for (std::size_t i = 0; i < 5; ++i)
                    p.dice[i] = i < kept.size() ? kept[i] : die(random);
            }
        }
        QCOMPARE(differences > 0, Strength(s) != Strength::Perfect);
    }
}

QTEST_GUILESS_MAIN(AdvisorTest)
#include "tst_advisor.moc"
