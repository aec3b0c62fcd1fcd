#pragma once

#include "CardLayout.h"
#include "CellColour.h"
#include "GameState.h"

#include <QAbstractTableModel>
#include <QPalette>
#include <QTableView>
#include <map>

// The colour a cell shows: an RGB colour as it is, the card's system colours from the palette.
QColor cellColour(CellColour colour, const QPalette &palette);

// One section of the score card as a table model, read from the game: column 0 the row labels,
// column n player n's column. Each cell's text, font weight and slant, alignment and colours are
// those the card has always shown: an entry above 0 on its turquoise, a 0 on green, the name of
// the player to move on red, the lower heading row black once a game has been set up. For screen
// readers each cell is named by its player and row ("Ann, Full House, 25"; "Bob, Sixes, free"),
// with headers of player names and row labels. Read only. The points the dice would score can be
// shown in free cells: they are the view's alone and never enter the game.
class ScoreCardModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The role of a cell's would-be score: the points as text, or nothing.
    static constexpr int kPossibleRole = Qt::UserRole + 1;
    static constexpr int kColumns = kMaxPlayers + 1;

    ScoreCardModel(card::Section section, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Shows the game; setUp: a game has been set up since start-up (until then the player cells
    // keep the plain look of an empty window). Tells the views only when something changed.
    void show(const GameState &state, bool setUp);
    // Would-be scores by row in column col; an empty map shows none.
    void setPossible(int col, const std::map<int, int> &points);
    // High contrast: the texts of the entries and the would-be scores darker, each at least 4.5
    // times as light as its cell or as dark; the cells keep their colours.
    void setHighContrast(bool on);
    // The colour of a would-be score.
    QColor possibleText() const;
    // What a screen reader calls the player of column col (1..6): the name as shown, "Player n"
    // for an empty one, "" for a column nobody plays.
    QString playerName(int col) const;
    // The column of the player to move; 1 while no game is in progress.
    int moverColumn() const { return m_state.inProgress() ? m_state.mover + 1 : 1; }

    struct Look
    {
        QString text;
        CellColour back;
        CellColour fore;
        bool bold = false;
        bool italic = false;
    };
    Look look(int row, int col) const;

private:
    void setBaseFont(const QFont &font);
    QString accessibleText(int row, int col) const;
    QColor colour(CellColour colour) const;

    card::Section m_section;
    const std::vector<card::Row> &m_rows;
    GameState m_state;
    bool m_setUp = false;
    int m_possibleCol = -1;
    std::map<int, int> m_possible;
    bool m_highContrast = false;
    QPalette m_palette;
    QFont m_fonts[4];  // plain, bold, italic, bold italic
};

// One grid of the score card on the window: every cell visible at once, no headers, no scroll
// bars, no selection. The label column is wider than the players', the rows share the height
// evenly. A click on a cell is reported with its row and column, and the row under the mouse,
// while the grid takes the mouse. Tab alone gives it the focus, for a screen reader to walk its cells with the
// arrows: it then starts at the first row of the player to move and frames the cell it is on.
class ScoreGridView : public QTableView
{
    Q_OBJECT

public:
    explicit ScoreGridView(card::Section section, QWidget *parent = nullptr);

    ScoreCardModel *cardModel() const { return m_model; }
    // Outlines one cell (where a click would score), or none with a row of -1.
    void setOutline(int row, int col);
    // While it does not take the mouse (a roll is shown) it looks the same and keeps the focus,
    // which a disabled grid would lose.
    void setTakesMouse(bool takes) { m_takesMouse = takes; }
    bool takesMouse() const { return m_takesMouse; }

signals:
    // Mouse pressed and released on the same cell while the grid takes the mouse.
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
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void layoutColumns();
    void layoutRows();

    ScoreCardModel *m_model;
    QModelIndex m_pressed;
    int m_outlineRow = -1;
    int m_outlineCol = -1;
    int m_hoverRow = -1;
    bool m_takesMouse = true;
};
