#include "frmReview.h"

#include "CardLayout.h"
#include "MarkedRow.h"
#include "ShownName.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Column { RoundCol, RollCol, DiceCol, ChoiceCol, BestCol, LostCol, ColumnCount };

QString facesText(const std::vector<int> &faces)
{
    QStringList words;
    for (int face : faces)
        words << QString::number(face);
    return words.join(QLatin1Char(' '));
}

QString diceText(const Dice &dice)
{
    return facesText(std::vector<int>(dice.begin(), dice.end()));
}

QString nameOf(const GameState &game, int player)
{
    const QString &name = game.players.at(std::size_t(player)).seat.name;
    return name.isEmpty() ? frmReview::tr("Player %1").arg(player + 1) : shownName(name);
}

QString points(double lost)
{
    return QLocale().toString(lost, 'f', 1);
}
}  // namespace

QString frmReview::choiceText(const Move &move, const Dice &dice)
{
    switch (move.kind) {
    case Move::Kind::Roll:
        //: A move in the review, as in "with 6 6 3 2 1 rolled".
        return tr("rolled");
    case Move::Kind::Keep:
        if (move.keepFaces.empty())
            return tr("rolled all five again");
        if (move.keepFaces.size() == dice.size())
            return tr("kept all five and rolled anyway");
        //: A move in the review: %1 the faces kept, as in "6 6 3".
        return tr("kept %1").arg(facesText(move.keepFaces));
    case Move::Kind::Score:
        //: A move in the review: %1 a row of the card, %2 the points.
        return tr("entered %1 for %2")
            .arg(card::categoryLabel(move.category), QString::number(categoryScore(move.category, dice)));
    }
    return {};
}

frmReview::frmReview(const GameState &game, const GameReview &review, QWidget *owner)
    : QDialog(owner)
{
    setWindowTitle(tr("Review of the Last Game"));

    QStringList lines;
    if (review.partWay)
        lines << tr("This game was loaded from a file part-way through: the review covers what was "
                    "played after the load.");
    if (review.costliest.empty()) {
        lines << tr("Every decision of the game was the best one the advisor knows.");
    } else {
        lines << tr("The costliest decisions of the game:");
        for (std::size_t i = 0; i < review.costliest.size(); ++i) {
            const JudgedDecision &d = review.decisions[std::size_t(review.costliest[i])];
            //: One of the costliest decisions: %1 its place, %2 the player, %3 the round, %4 the
            //: roll, %5 the dice ("6 6 3 2 1"), %6 what the player did and %7 the best play (as in
            //: "kept 6 6"), %8 the expected points lost.
            lines << tr("%1. %2, round %3, roll %4: with %5 %6; %7 was better (%8 points given "
                        "away).")
                         .arg(QString::number(i + 1), nameOf(game, d.decision.player),
                              QString::number(d.decision.round + 1),
                              QString::number(d.decision.turn.rollsMade),
                              diceText(d.decision.turn.faces),
                              choiceText(d.decision.choice, d.decision.turn.faces),
                              choiceText(*d.best, d.decision.turn.faces), points(d.lost));
        }
    }
    m_summary = new QLabel(lines.join(QLatin1Char('\n')), this);
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_summary->setFocusPolicy(Qt::StrongFocus);

    m_seats = new QTabWidget(this);
    for (int p = 0; p < int(game.players.size()); ++p)
        m_seats->addTab(seatPage(game, review, p), nameOf(game, p));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_seats, 1);
    layout->addWidget(buttons);
    resize(720, 520);
}

QWidget *frmReview::seatPage(const GameState &game, const GameReview &review, int player)
{
    auto *page = new QWidget;
    int decisions = 0;
    for (const JudgedDecision &d : review.decisions)
        decisions += d.decision.player == player;
    const double lost = player < int(review.lostBySeat.size())
                            ? review.lostBySeat[std::size_t(player)]
                            : 0.0;
    const QString name = nameOf(game, player);
    QString total;
    if (decisions == 0)
        total = tr("No decision of %1's was seen.").arg(name);
    else if (lost == 0.0)
        //: %1 is the player's name.
        total = tr("%1 played every one of %n decisions as well as it could be played.", nullptr,
                   decisions)
                    .arg(name);
    else
        //: %1 is the player's name, %2 the expected points lost, as in "12.5".
        total = tr("%1 gave away %2 expected points in %n decisions.", nullptr, decisions)
                    .arg(name, points(lost));
    auto *heading = new QLabel(total, page);
    heading->setWordWrap(true);

    auto *table = new QTableWidget(0, ColumnCount, page);
    table->setObjectName(QStringLiteral("seat%1").arg(player));
    table->setAccessibleName(tr("Decisions of %1").arg(name));
    table->setHorizontalHeaderLabels({tr("Round"), tr("Roll"), tr("Dice"), tr("Choice"),
                                      tr("Best play"), tr("Points given away")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(ChoiceCol, QHeaderView::Stretch);
    for (int i = 0; i < int(review.decisions.size()); ++i) {
        const JudgedDecision &d = review.decisions[std::size_t(i)];
        if (d.decision.player != player)
            continue;
        const Dice &dice = d.decision.turn.faces;
        const bool marked = std::find(review.costliest.begin(), review.costliest.end(), i)
                            != review.costliest.end();
        const int row = table->rowCount();
        table->insertRow(row);
        const QStringList texts{QString::number(d.decision.round + 1),
                                QString::number(d.decision.turn.rollsMade), diceText(dice),
                                choiceText(d.decision.choice, dice),
                                d.best ? choiceText(*d.best, dice) : QString(), points(d.lost)};
        for (int col = 0; col < ColumnCount; ++col) {
            auto *item = new QTableWidgetItem(texts[col]);
            if (col == RoundCol || col == RollCol || col == LostCol)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (marked)
                markItem(item, tr("One of the three costliest decisions of the game"));
            table->setItem(row, col, item);
        }
    }

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(heading);
    layout->addWidget(table, 1);
    return page;
}

QTableWidget *frmReview::seatTable(int player) const
{
    return findChild<QTableWidget *>(QStringLiteral("seat%1").arg(player));
}
