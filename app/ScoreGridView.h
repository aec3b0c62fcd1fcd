#pragma once

#include "ScoreCard.h"

#include <QAbstractTableModel>
#include <QPalette>
#include <QTableView>

// The colour a cell shows: an RGB colour as it is, a system colour from the palette.
QColor cellColour(Colour colour, const QPalette &palette);

// The cells of one score card as a table model: text, font weight and slant, alignment and
// colours. Read only; refresh() tells the view when the card changed.
class ScoreCardModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    ScoreCardModel(const ScoreCard &card, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // True when the card changed since the last call; then the views are told.
    bool refresh();

private:
    void setBaseFont(const QFont &font);

    const ScoreCard &m_card;
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
    ScoreGridView(const ScoreCard &card, QWidget *parent = nullptr);

    // Brings the view in line with the card; does nothing when the card is unchanged.
    void refresh();

signals:
    // Mouse pressed and released on the same cell while the grid is enabled.
    void cellClicked(int row, int col);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void layoutColumns();
    void layoutRows();

    const ScoreCard &m_card;
    ScoreCardModel *m_model;
    QModelIndex m_pressed;
};
