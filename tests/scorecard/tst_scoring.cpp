#include "Scoring.h"

#include <QTest>
#include <set>

namespace {
Dice dice(const char *text)
{
    Dice d{};
    const QStringList faces = QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (std::size_t i = 0; i < 5 && i < std::size_t(faces.size()); ++i)
        d[i] = faces.at(qsizetype(i)).toInt();
    return d;
}

// Four or five consecutive faces all present, without any of the game's own machinery.
int directStraight(const Dice &d)
{
    const std::set<int> present(d.begin(), d.end());
    auto has = [&](int from, int length) {
        for (int f = from; f < from + length; ++f)
            if (!present.count(f))
                return false;
        return true;
    };
    if (has(1, 5) || has(2, 5))
        return 5;
    if (has(1, 4) || has(2, 4) || has(3, 4))
        return 4;
    return 0;
}
}  // namespace

class ScoringTest : public QObject
{
    Q_OBJECT

private slots:
    void categoryScore_data();
    void categoryScore();
    void straightLengthAgreesWithRunsOfFaces();
    void rowsMapToCategories_data();
    void rowsMapToCategories();
};

void ScoringTest::categoryScore_data()
{
    QTest::addColumn<QString>("roll");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("expected");

    auto row = [](const char *name, const char *roll, Category c, int score) {
        QTest::newRow(name) << QString::fromLatin1(roll) << int(c) << score;
    };
    row("aces from three ones", "1 1 1 5 6", Category::Aces, 3);
    row("fives from one five", "1 1 1 5 6", Category::Fives, 5);
    row("sixes from one six", "1 1 1 5 6", Category::Sixes, 6);
    row("twos absent", "1 1 1 5 6", Category::Twos, 0);
    row("threes count every three", "3 3 2 3 1", Category::Threes, 9);
    row("fours of five of a kind", "4 4 4 4 4", Category::Fours, 20);

    row("full house", "2 2 3 3 3", Category::FullHouse, 25);
    row("full house in any order", "3 2 3 2 3", Category::FullHouse, 25);
    row("three of a kind from a full house", "2 2 3 3 3", Category::ThreeOfAKind, 13);
    row("four of a kind missing in a full house", "2 2 3 3 3", Category::FourOfAKind, 0);
    row("two pairs are no full house", "2 2 3 3 4", Category::FullHouse, 0);
    row("four of a kind is no full house", "5 5 5 5 2", Category::FullHouse, 0);
    row("four of a kind", "5 5 5 5 2", Category::FourOfAKind, 22);
    row("four of a kind counts as three", "5 5 5 5 2", Category::ThreeOfAKind, 22);
    row("three of a kind sums all dice", "6 6 6 1 2", Category::ThreeOfAKind, 21);
    row("a pair is no three of a kind", "6 6 5 1 2", Category::ThreeOfAKind, 0);

    row("five of a kind as three of a kind", "4 4 4 4 4", Category::ThreeOfAKind, 20);
    row("five of a kind as four of a kind", "4 4 4 4 4", Category::FourOfAKind, 20);
    row("five of a kind is no full house", "4 4 4 4 4", Category::FullHouse, 0);
    row("five of a kind scores fifty", "4 4 4 4 4", Category::Kelbrune, 50);
    row("five of a kind is no small straight", "4 4 4 4 4", Category::SmallStraight, 0);
    row("five of a kind as chance", "4 4 4 4 4", Category::Chance, 20);
    row("four alike is no five of a kind", "4 4 4 4 3", Category::Kelbrune, 0);

    row("small straight low with a pair", "1 2 3 4 4", Category::SmallStraight, 30);
    row("small straight above an outlier", "1 3 4 5 6", Category::SmallStraight, 30);
    row("small straight high with a pair", "3 4 5 6 6", Category::SmallStraight, 30);
    row("small straight with the pair inside", "1 2 3 3 4", Category::SmallStraight, 30);
    row("small straight is no large one", "1 2 3 4 4", Category::LargeStraight, 0);
    row("large straight high", "2 3 4 5 6", Category::LargeStraight, 40);
    row("large straight low, unsorted", "5 1 4 2 3", Category::LargeStraight, 40);
    row("large straight is also small", "2 3 4 5 6", Category::SmallStraight, 30);
    row("gap breaks the small straight", "1 2 3 5 6", Category::SmallStraight, 0);
    row("gap breaks the large straight", "1 2 3 5 6", Category::LargeStraight, 0);
    row("three in a row is not enough", "1 2 3 6 6", Category::SmallStraight, 0);

    row("chance sums the dice", "1 1 1 5 6", Category::Chance, 14);
    row("chance of ones", "1 1 1 1 1", Category::Chance, 5);
}

void ScoringTest::categoryScore()
{
    QFETCH(QString, roll);
    QFETCH(int, category);
    QFETCH(int, expected);
    QCOMPARE(::categoryScore(Category(category), dice(roll.toLatin1().constData())), expected);
}

void ScoringTest::straightLengthAgreesWithRunsOfFaces()
{
    int mismatches = 0;
    int rolls = 0;
    Dice d{};
    for (int code = 0; code < 7776; ++code) {
        int rest = code;
        for (int &face : d) {
            face = rest % 6 + 1;
            rest /= 6;
        }
        ++rolls;
        const int length = StraightLength(d);
        const int direct = directStraight(d);
        const bool agrees = (length >= 4) == (direct >= 4) && (length == 5) == (direct == 5);
        if (!agrees && ++mismatches <= 5)
            qWarning() << "dice" << d[0] << d[1] << d[2] << d[3] << d[4] << "length" << length
                       << "expected" << direct;
    }
    QCOMPARE(rolls, 7776);
    QCOMPARE(mismatches, 0);
}

void ScoringTest::rowsMapToCategories_data()
{
    QTest::addColumn<bool>("upper");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("category");  // -1: not a category row

    QTest::newRow("upper heading") << true << 0 << -1;
    QTest::newRow("aces") << true << 1 << int(Category::Aces);
    QTest::newRow("sixes") << true << 6 << int(Category::Sixes);
    QTest::newRow("upper total") << true << 7 << -1;
    QTest::newRow("bonus") << true << 8 << -1;
    QTest::newRow("upper total with bonus") << true << 9 << -1;
    QTest::newRow("lower heading") << false << 0 << -1;
    QTest::newRow("three of a kind") << false << 1 << int(Category::ThreeOfAKind);
    QTest::newRow("five of a kind") << false << 6 << int(Category::Kelbrune);
    QTest::newRow("chance") << false << 7 << int(Category::Chance);
    QTest::newRow("lower total") << false << 8 << -1;
    QTest::newRow("grand total") << false << 10 << -1;
    QTest::newRow("below the grid") << false << 11 << -1;
    QTest::newRow("above the grid") << true << -1 << -1;
}

void ScoringTest::rowsMapToCategories()
{
    QFETCH(bool, upper);
    QFETCH(int, row);
    QFETCH(int, category);
    const std::optional<Category> found = upper ? topRowCategory(row) : bottomRowCategory(row);
    QCOMPARE(found ? int(*found) : -1, category);
}

QTEST_GUILESS_MAIN(ScoringTest)
#include "tst_scoring.moc"
