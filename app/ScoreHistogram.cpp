#include "ScoreHistogram.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

ScoreHistogram::ScoreHistogram(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setScores({}, {});
}

void ScoreHistogram::setScores(const QString &name, const QList<qint64> &scores)
{
    m_count = int(scores.size());
    m_above = 0;
    m_bins.fill(0);
    for (qint64 score : scores) {
        ++m_bins[std::size_t(std::clamp<qint64>(score / kBinWidth, 0, kBins - 1))];
        if (score > kYardstick)
            ++m_above;
    }
    //: The chart of a player's final scores, as a screen reader names it; %1 is the player.
    setAccessibleName(name.isEmpty() ? tr("Final scores") : tr("Final scores of %1").arg(name));
    setAccessibleDescription(describe());
    setToolTip(accessibleDescription());
    update();
}

QString ScoreHistogram::describe() const
{
    const QLocale locale;
    //: The chart described to a screen reader. "Perfect" is the computer's best strength; %1
    //: its average final score.
    const QString yardstick = tr("The line marks the Perfect computer's average, %1.")
                                  .arg(locale.toString(kYardstick, 'f', 2));
    if (m_count == 0)
        //: %1 is the sentence on the Perfect computer's average.
        return tr("No games recorded. %1").arg(yardstick);
    QStringList parts;
    for (int b = 0; b < kBins; ++b) {
        const int n = m_bins[std::size_t(b)];
        if (n == 0)
            continue;
        const int high = b == kBins - 1 ? kTop : (b + 1) * kBinWidth - 1;
        //: How many final scores fall in a bar of the chart, told to a screen reader: "3 from 200
        //: to 224".
        parts << tr("%n from %1 to %2", nullptr, n)
                     .arg(locale.toString(b * kBinWidth), locale.toString(high));
    }
    //: The chart described to a screen reader: %1 the bars, as in "3 from 200 to 224, 1 from 250
    //: to 274"; %2 the sentence on the Perfect computer's average; %3 how many scores are above it.
    return tr("%n final score(s): %1. %2 %3 of them above it.", nullptr, m_count)
        .arg(parts.join(QStringLiteral(", ")), yardstick, locale.toString(m_above));
}

QRect ScoreHistogram::plotArea() const
{
    const QFontMetrics metrics(font());
    const int left = metrics.horizontalAdvance(QStringLiteral("0")) + 6;
    const int top = metrics.height() + 6;  // room for the captions
    const int bottom = metrics.height() + 6;
    return QRect(left, top, std::max(1, width() - left - 10), std::max(1, height() - top - bottom));
}

int ScoreHistogram::xOf(double score) const
{
    const QRect plot = plotArea();
    return plot.left() + int(score * plot.width() / kTop + 0.5);
}

void ScoreHistogram::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    const QRect plot = plotArea();
    const QFontMetrics metrics(font());
    const QColor text = colours.color(QPalette::Text);

    const int most = std::max(1, *std::max_element(m_bins.begin(), m_bins.end()));
    for (int b = 0; b < kBins; ++b) {
        const int n = m_bins[std::size_t(b)];
        if (n == 0)
            continue;
        const int x0 = xOf(b * kBinWidth) + 1;
        const int x1 = xOf((b + 1) * kBinWidth) - 1;
        const int h = std::max(1, n * plot.height() / most);
        painter.fillRect(QRect(x0, plot.bottom() - h + 1, std::max(1, x1 - x0), h), kBarColour);
    }

    painter.setPen(text);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (int score = 0; score <= kTop; score += 100) {
        const int x = xOf(score);
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + 3);
        const QString label = QLocale().toString(score);
        const int w = metrics.horizontalAdvance(label);
        painter.drawText(std::clamp(x - w / 2, 0, width() - w),
                         plot.bottom() + 4 + metrics.ascent(), label);
    }
    // The tallest bar's count at the top of the axis, so a height reads as a number of games.
    if (m_count > 0) {
        painter.drawLine(plot.left() - 3, plot.top(), plot.left(), plot.top());
        //: The count of games of the chart's tallest bar, at the top of its axis.
        const QString games = tr("%n game(s)", nullptr, most);
        painter.drawText(plot.left() + 4, metrics.ascent() + 2, games);
    }

    const int x = xOf(kYardstick);
    QPen dashed(kYardstickColour, 2, Qt::DashLine);
    painter.setPen(dashed);
    painter.drawLine(x, plot.top() - 2, x, plot.bottom());
    painter.setPen(kYardstickColour);
    //: The caption of the line of the Perfect computer's average; %1 is that average.
    const QString caption = tr("Perfect %1").arg(QLocale().toString(kYardstick, 'f', 2));
    const int w = metrics.horizontalAdvance(caption);
    painter.drawText(std::clamp(x - w / 2, 0, width() - w), metrics.ascent() + 2, caption);

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
