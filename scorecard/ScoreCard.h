#pragma once

#include "Colour.h"

#include <QString>
#include <vector>

// One grid of the score card: a fixed number of rows and columns of cells, each with its text
// and attributes. The grid is the only store of the category scores; the window is a view of it.
// It has a current cell (row(), col()), a cursor that the attribute setters act on.
class ScoreCard
{
public:
    struct Cell
    {
        QString text;
        bool centred = false;
        Colour back = colours::kWindow;
        Colour fore = colours::kWindowText;
        bool bold = false;
        bool italic = false;
    };

    // Rows and columns below fixedRows / fixedCols are header cells, drawn in button colours.
    ScoreCard(int rows, int cols, int fixedRows, int fixedCols, int defaultColWidth);

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }

    // The current cell; out-of-range values are clamped into the grid.
    int row() const { return m_row; }
    int col() const { return m_col; }
    void setRow(int row);
    void setCol(int col);

    // Out-of-range cells read as "" and ignore writes.
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);
    const Cell &cell(int row, int col) const;

    // Attributes of the current cell.
    void setCellAlignmentCentre();
    void setCellBackColor(Colour c);
    void setCellForeColor(Colour c);
    void setCellFontBold(bool on);
    void setCellFontItalic(bool on);

    // Widths in twips.
    int colWidth(int col) const;
    void setColWidth(int col, int twips);

    // A disabled grid ignores clicks.
    bool enabled() const { return m_enabled; }
    void setEnabled(bool on) { m_enabled = on; }

    // Bumped by every change, so a view can tell whether it must redraw.
    quint64 revision() const { return m_revision; }
    // Takes every cell, width and the cursor of another card of the same shape, as a change.
    void assign(const ScoreCard &other);

private:
    Cell &current();
    int index(int row, int col) const { return row * m_cols + col; }
    bool inside(int row, int col) const;

    int m_rows;
    int m_cols;
    int m_row = 0;
    int m_col = 0;
    bool m_enabled = true;
    quint64 m_revision = 0;
    std::vector<Cell> m_cells;
    std::vector<int> m_colWidths;
};
