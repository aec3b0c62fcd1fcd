#include "ComputerPlayer.h"
#include "OptimalPlay.h"

#include <QTest>

#include <cmath>
#include <random>

namespace {
constexpr int kGames = 20;
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
        QVERIFY2(std::abs(advice->expectedFinal - kEmptyCardWorth) < 1e-6,
                 qPrintable(QString::number(advice->expectedFinal, 'f', 9)));
        QCOMPARE(m_play.expectedFinalScore(Position{}), advice->expectedFinal);
    }

    // Whole seeded games, the table-free strengths with no table: two seats with one seed move alike,
    // Perfect as advised, the others with another seed otherwise somewhere; every move is allowed.
    // No move without a needed table, on a full card or after a fourth roll. The games score what
    // they scored when the strengths were tuned, so any change of a strength's judgement shows.
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
        QCOMPARE(points, (QList<int>{3591, 4207, 4819, 4944}));
    }

private:
    OptimalPlay m_play;
};

QTEST_GUILESS_MAIN(AdvisorTest)
#include "tst_advisor.moc"
