#include "ScoreCard.h"

#include <algorithm>

ScoreCard::ScoreCard(int rows, int cols, int fixedRows, int fixedCols, int defaultColWidth)
    : m_rows(rows), m_cols(cols),
      m_cells(std::size_t(rows * cols)), m_colWidths(std::size_t(cols), defaultColWidth)
{
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            if (r < fixedRows || c < fixedCols) {
                Cell &cell = m_cells[std::size_t(index(r, c))];
                cell.back = colours::kButtonFace;
                cell.fore = colours::kButtonText;
            }
        }
    }
}

void ScoreCard::setRow(int row) { m_row = std::clamp(row, 0, m_rows - 1); }
void ScoreCard::setCol(int col) { m_col = std::clamp(col, 0, m_cols - 1); }

bool ScoreCard::inside(int row, int col) const
{
    return row >= 0 && row < m_rows && col >= 0 && col < m_cols;
}

QString ScoreCard::textMatrix(int row, int col) const
{
    return inside(row, col) ? m_cells[std::size_t(index(row, col))].text : QString();
}

void ScoreCard::setTextMatrix(int row, int col, const QString &text)
{
    if (!inside(row, col))
        return;
    m_cells[std::size_t(index(row, col))].text = text;
    ++m_revision;
}

const ScoreCard::Cell &ScoreCard::cell(int row, int col) const
{
    static const Cell outside;
    return inside(row, col) ? m_cells[std::size_t(index(row, col))] : outside;
}

ScoreCard::Cell &ScoreCard::current()
{
    ++m_revision;
    return m_cells[std::size_t(index(m_row, m_col))];
}

void ScoreCard::setCellAlignmentCentre() { current().centred = true; }
void ScoreCard::setCellBackColor(Colour c) { current().back = c; }
void ScoreCard::setCellForeColor(Colour c) { current().fore = c; }
void ScoreCard::setCellFontBold(bool on) { current().bold = on; }
void ScoreCard::setCellFontItalic(bool on) { current().italic = on; }

int ScoreCard::colWidth(int col) const
{
    return inside(0, col) ? m_colWidths[std::size_t(col)] : 0;
}

void ScoreCard::setColWidth(int col, int twips)
{
    if (!inside(0, col))
        return;
    m_colWidths[std::size_t(col)] = twips;
    ++m_revision;
}

void ScoreCard::assign(const ScoreCard &other)
{
    const quint64 revision = std::max(m_revision, other.m_revision);
    *this = other;
    m_revision = revision + 1;
}
