// The scoring rules.
#include "Scoring.h"

#include <QTest>

namespace {
Dice dice(const QString &text)
{
    Dice d{};
    const QStringList faces = text.split(QLatin1Char(' '));
    for (std::size_t i = 0; i < 5; ++i)
        d[i] = faces.value(qsizetype(i)).toInt();
    return d;
}
}  // namespace

class RulesTest : public QObject
{
    Q_OBJECT

private slots:
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
        QCOMPARE(::categoryScore(category, dice(roll)), expected);
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
