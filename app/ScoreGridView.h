#pragma once

#include "ScoreCard.h"
#include "Scoring.h"

#include <QAbstractTableModel>
#include <QPalette>
#include <QTableView>
#include <functional>
#include <map>

// The colour a cell shows: an RGB colour as it is, a system colour from the palette.
QColor cellColour(Colour colour, const QPalette &palette);

// The cells of one score card as a table model: text, font weight and slant, alignment and
// colours, and for screen readers each cell named by its player and row ("Ann, Full House, 25";
// "Bob, Sixes, free") with headers of player names and row labels. Read only; refresh() tells the
// view when the card changed. The points the dice would score can be shown in free cells: they
// are the view's alone and never enter the card.
class ScoreCardModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The role of a cell's would-be score: the points as text, or nothing.
    static constexpr int kPossibleRole = Qt::UserRole + 1;

    // categoryOf names the category of a row, none for headings and totals.
    using CategoryOf = std::optional<Category> (*)(int row);
    ScoreCardModel(const ScoreCard &card, CategoryOf categoryOf, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The player of column c (1..6) as a screen reader names it; "" for a column nobody plays.
    void setPlayerNames(std::function<QString(int)> names) { m_names = std::move(names); }
    // Would-be scores by row in column col; an empty map shows none.
    void setPossible(int col, const std::map<int, int> &points);

    // True when the card changed since the last call; then the views are told.
    bool refresh();

private:
    void setBaseFont(const QFont &font);
    QString accessibleText(int row, int col) const;

    const ScoreCard &m_card;
    CategoryOf m_categoryOf;
    std::function<QString(int)> m_names;
    int m_possibleCol = -1;
    std::map<int, int> m_possible;
    QPalette m_palette;
    QFont m_fonts[4];  // plain, bold, italic, bold italic
    quint64 m_revision;
};

// One grid of the score card on the window: every cell visible at once, no headers, no scroll
// bars, no focus, no selection. Column widths come from the card (twips), the rows share the
// height evenly. A click on a cell is reported with its row and column; a disabled grid ignores
// clicks and keeps its look.
class ScoreGridView : public QTableView
{
    Q_OBJECT

public:
    ScoreGridView(const ScoreCard &card, ScoreCardModel::CategoryOf categoryOf,
                  QWidget *parent = nullptr);

    ScoreCardModel *cardModel() const { return m_model; }

    // Brings the view in line with the card; does nothing when the card is unchanged.
    void refresh();
    // Outlines one cell (where a click would score), or none with a row of -1.
    void setOutline(int row, int col);

signals:
    // Mouse pressed and released on the same cell while the grid is enabled.
    void cellClicked(int row, int col);
    // The row under the mouse; -1 once it has left the grid.
    void rowHovered(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void layoutColumns();
    void layoutRows();

    const ScoreCard &m_card;
    ScoreCardModel *m_model;
    QModelIndex m_pressed;
    int m_outlineRow = -1;
    int m_outlineCol = -1;
    int m_hoverRow = -1;
};
