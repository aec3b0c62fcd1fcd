#include "HintPanel.h"

#include "Fonts.h"
#include "MoveWords.h"
#include "ShownName.h"
#include "Twips.h"

#include <QLabel>
#include <QStringList>

HintPanel::HintPanel(QWidget *parent)
    //: The caption of the frame of advice under the status line.
    : FramedGroup(tr("Hints"), parent), m_text(new QLabel(this))
{
    // Unnamed, so a screen reader reads the hint itself and hears each new one.
    m_text->setGeometry(twips::rect(240, 360, 4575, 3630));
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    fonts::lightOnBlack(m_text);
}

void HintPanel::tell(const QString &narration, quint64 game)
{
    m_narration = narration;
    m_narrationGame = game;
}

namespace {
// A chance as a whole percentage; one that is neither certain nor impossible never reads as such.
QString percent(double chance)
{
    const double p = 100.0 * chance;
    //: A chance to win in per cent, as the language writes a percentage.
    if (p > 0.0 && p < 0.5)
        return HintPanel::tr("<1 %");
    //: A chance to win in per cent, as the language writes a percentage.
    if (p < 100.0 && p >= 99.5)
        return HintPanel::tr(">99 %");
    //: A chance to win in per cent, as the language writes a percentage.
    return HintPanel::tr("%1 %").arg(qRound(p));
}
}  // namespace

QString HintPanel::chanceLine(const GameState &state, const std::vector<double> &chances,
                              std::optional<int> toBeat)
{
    if (chances.empty())
        return {};
    if (toBeat)
        //: A solo player's chance to beat their best recorded score: %1 that score, %2 the chance
        //: in per cent.
        return tr("Chance to beat your best of %1: %2").arg(*toBeat).arg(percent(chances.front()));
    QStringList players;
    for (std::size_t p = 0; p < chances.size() && p < state.players.size(); ++p) {
        const QString &name = state.players[p].seat.name;
        //: A player's chance to win: %1 the name, %2 the chance in per cent ("Ann 22 %").
        players << tr("%1 %2").arg(name.isEmpty() ? tr("Player %1").arg(p + 1) : shownName(name),
                                   percent(chances[p]));
    }
    //: Each player's chance to win, one after the other: "Ann 22 %, Bea 78 %".
    return tr("Chance to win: %1").arg(players.join(QStringLiteral(", ")));
}

void HintPanel::follow(const GameState &state, quint64 game, const OptimalPlay &advisor,
                       const std::vector<double> &chances, std::optional<int> toBeat)
{
    if (m_narrationGame != game)
        m_narration.clear();
    // The computer's own moves are told, not advised; a person's advice follows what the
    // computer did last.
    QString advice = state.computerToMove() ? QString() : hintText(state, advisor);
    const QString chance = chanceLine(state, chances, toBeat);
    if (!chance.isEmpty())
        advice += (advice.isEmpty() ? QString() : QStringLiteral("\n")) + chance;
    const QString text = m_narration.isEmpty() || advice.isEmpty()
                             ? m_narration + advice
                             : m_narration + QStringLiteral("\n\n") + advice;
    if (m_text->text() != text)
        m_text->setText(text);
}
