#pragma once

#include "OptimalPlay.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <array>

// A small bar chart of one player's final scores in bins of 25 points, with the average of the
// Perfect computer drawn across it as a yardstick. Its accessible description says the same in
// words. It takes the keyboard focus by Tab only, so a screen reader can reach it.
class ScoreHistogram : public QWidget
{
    Q_OBJECT

public:
    static constexpr double kYardstick = kEmptyCardWorth;
    static constexpr int kBinWidth = 25;
    // Scores 0..374 in 15 bins; the highest possible total, 375, joins the last one.
    static constexpr int kBins = 15;
    static constexpr int kTop = kBins * kBinWidth;
    static inline const QColor kBarColour{40, 110, 190};
    static inline const QColor kYardstickColour{200, 30, 30};

    explicit ScoreHistogram(QWidget *parent = nullptr);

    // Shows these scores as the final scores of name (its accessible name says whose). A score
    // beyond either end of the scale joins the bar at that end.
    void setScores(const QString &name, const QList<qint64> &scores);

    // Where the bars stand, and the x of a score in it; for the window's tests.
    QRect plotArea() const;
    int xOf(double score) const;

    QSize sizeHint() const override { return {360, 170}; }
    QSize minimumSizeHint() const override { return {240, 120}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString describe() const;

    int m_count = 0;
    int m_above = 0;  // scores above the yardstick
    std::array<int, kBins> m_bins{};
};
