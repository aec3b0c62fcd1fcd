#include "OptimalPlay.h"

#include <QTest>

#include <cmath>

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
    void noAdviceOutsideTheLimits_data();
    void noAdviceOutsideTheLimits();
    void adviceWhereTheBestMoveIsCertain_data();
    void adviceWhereTheBestMoveIsCertain();
    void impossibleUpperSumIsTakenAsTheNearestLowerOne();

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

// Also when a solve was cancelled: it never becomes ready.
void AdvisorTest::noAdviceBeforeTheTableIsReady()
{
    OptimalPlay unsolved;
    QVERIFY(!unsolved.ready());
    QVERIFY(!unsolved.advise(Position{}));
    QVERIFY(!unsolved.expectedFinalScore(Position{}));
    unsolved.cancel();
    unsolved.solve();
    QVERIFY(!unsolved.ready());
    QVERIFY(!unsolved.advise(Position{}));
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
    QTest::newRow("face 0 after a roll") << 0 << 0 << 1 << "1 2 0 4 5";
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

    // Only Chance: each die on its own, kept when worth more than rerolling it.
    row("Chance only, before the roll", position("Chance", 70, 250, 0), K::Roll, "", "", 0,
        250 + 5 * kChanceTurn);
    row("Chance only, two rolls left: keep fives and sixes",
        position("Chance", 70, 250, 1, "6 1 5 2 6"), K::Keep, "5 6 6", "", 0,
        250 + 17 + 2 * kTwoRollsLeft);
    row("Chance only, one roll left: keep fours and up",
        position("Chance", 70, 250, 2, "4 3 6 1 2"), K::Keep, "4 6", "", 0,
        250 + 10 + 3 * kOneRollLeft);
    row("Chance only, last roll: score the sum", position("Chance", 70, 250, 3, "6 5 2 2 1"),
        K::Score, "", "Chance", 16, 266);

    // Only Kelbrune: the four alike are the only hope.
    row("Kelbrune only, two rolls left: keep four alike",
        position("Kelbrune", 40, 180, 1, "4 4 2 4 4"), K::Keep, "4 4 4 4", "", 0,
        180 + 50 * 11.0 / 36.0);
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

QTEST_GUILESS_MAIN(AdvisorTest)
#include "tst_advisor.moc"
