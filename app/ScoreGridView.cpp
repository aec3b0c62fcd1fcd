#include "ScoreGridView.h"

#include "Fonts.h"
#include "ShownName.h"
#include "Twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {
const QColor kPossibleText(150, 150, 150);
// The high-contrast texts: the same hues, dark enough for their cells and for white.
const QColor kPossibleTextHigh(90, 90, 90);
const QColor kScoredTextHigh(0, 70, 70);
const QColor kZeroTextHigh(0, 90, 0);
// Column widths in twips.
constexpr int kLabelWidth = 1340;
constexpr int kPlayerWidth = 990;
const QColor kOutline(0, 0, 170);

// The card is a light sheet of paper: under a dark desktop theme the system colours would give
// dark heading cells beside the white player cells, so the light set stands in.
QPalette cardPalette()
{
    QPalette palette = QApplication::palette();
    if (palette.color(QPalette::Base).lightness() < palette.color(QPalette::Text).lightness()
        || palette.color(QPalette::Button).lightness() < 128) {
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        palette.setColor(QPalette::Window, QColor(240, 240, 240));
        palette.setColor(QPalette::WindowText, Qt::black);
        palette.setColor(QPalette::Button, QColor(240, 240, 240));
        palette.setColor(QPalette::ButtonText, Qt::black);
        palette.setColor(QPalette::Light, Qt::white);
        palette.setColor(QPalette::Midlight, QColor(227, 227, 227));
        palette.setColor(QPalette::Dark, QColor(160, 160, 160));
        palette.setColor(QPalette::Shadow, QColor(105, 105, 105));
    }
    // The card looks the same whatever its state: in a window in the background, say.
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        const QBrush active = palette.brush(QPalette::Active, r);
        palette.setBrush(QPalette::Inactive, r, active);
        palette.setBrush(QPalette::Disabled, r, active);
    }
    return palette;
}

// Paints a cell from its roles alone: no selection, focus or hover state of the style shows.
class CellDelegate : public QStyledItemDelegate
{
public:
    CellDelegate(const ScoreCardModel *model, QObject *parent)
        : QStyledItemDelegate(parent), m_model(model)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QColor>());
        const QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty()) {
            const QString possible = index.data(ScoreCardModel::kPossibleRole).toString();
            if (possible.isEmpty())
                return;
            // Faint, so a would-be score never reads as an entry.
            painter->save();
            QFont font = index.data(Qt::FontRole).value<QFont>();
            font.setItalic(true);
            painter->setFont(font);
            painter->setPen(m_model->possibleText());
            painter->drawText(option.rect.adjusted(2, 0, -2, -1), Qt::AlignCenter, possible);
            painter->restore();
            return;
        }
        painter->save();
        painter->setFont(index.data(Qt::FontRole).value<QFont>());
        painter->setPen(index.data(Qt::ForegroundRole).value<QColor>());
        const auto align = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        painter->drawText(option.rect.adjusted(2, 0, -2, -1), int(align | Qt::TextSingleLine),
                          text);
        painter->restore();
    }

private:
    const ScoreCardModel *m_model;
};
}  // namespace

QColor cellColour(CellColour colour, const QPalette &palette)
{
    if (!isSystemColour(colour))
        return QColor(redOf(colour), greenOf(colour), blueOf(colour));
    // The card uses these four; any other reads as the window's background.
    switch (colour) {
    case colours::kWindowText: return palette.color(QPalette::Text);
    case colours::kButtonFace: return palette.color(QPalette::Button);
    case colours::kButtonText: return palette.color(QPalette::ButtonText);
    default: return palette.color(QPalette::Base);
    }
}

// ---------------------------------------------------------------------------------------------

ScoreCardModel::ScoreCardModel(card::Section section, QObject *parent)
    : QAbstractTableModel(parent), m_section(section), m_rows(card::rows(section)),
      m_palette(cardPalette())
{
    setBaseFont(fonts::compactSans());
}

int ScoreCardModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ScoreCardModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

void ScoreCardModel::show(const GameState &state, bool setUp)
{
    if (state == m_state && setUp == m_setUp)
        return;
    m_state = state;
    m_setUp = setUp;
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

QString ScoreCardModel::playerName(int col) const
{
    if (col < 1 || col > int(m_state.players.size()))
        return {};
    const QString &name = m_state.players[std::size_t(col - 1)].seat.name;
    //: A player who gave no name, by seat number.
    return name.isEmpty() ? tr("Player %1").arg(col) : shownName(name);
}

ScoreCardModel::Look ScoreCardModel::look(int row, int col) const
{
    using namespace colours;
    const card::Row &line = m_rows[std::size_t(row)];
    const bool heading = line.line == card::Line::Heading;
    if (col == 0) {
        // The labels: headings and totals in bold, the grand total also slanted.
        return {card::label(line), kButtonFace, kButtonText, line.line != card::Line::Entry,
                line.line == card::Line::GrandTotal};
    }
    const bool played = col <= int(m_state.players.size());
    if (heading && m_section == card::Section::Upper) {
        const bool toMove = m_state.inProgress() && col == m_state.mover + 1;
        return {played ? m_state.players[std::size_t(col - 1)].seat.name : QString(),
                toMove ? kRed : kButtonFace, kButtonText, true};
    }
    const CellColour empty = !m_setUp ? kWindow : heading ? kBlack : kWhite;
    if (!played || heading)
        return {QString(), empty, kWindowText};
    const std::optional<int> value = card::value(m_state.players[std::size_t(col - 1)].sheet, line);
    if (!value)
        return {QString(), empty, kWindowText};
    if (line.line != card::Line::Entry)
        return {QString::number(*value), empty, kWindowText};
    return {QString::number(*value), *value > 0 ? kScoredBack : kZeroBack,
            *value > 0 ? kScoredText : kZeroText, true};
}

QVariant ScoreCardModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        // A cell shows a dozen characters; laying out a name of a hundred would slow every paint.
        return shownName(look(index.row(), index.column()).text);
    case Qt::FontRole: {
        const Look cell = look(index.row(), index.column());
        return m_fonts[(cell.bold ? 1 : 0) + (cell.italic ? 2 : 0)];
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        return colour(look(index.row(), index.column()).back);
    case Qt::ForegroundRole:
        return colour(look(index.row(), index.column()).fore);
    case Qt::AccessibleTextRole:
        return accessibleText(index.row(), index.column());
    case Qt::AccessibleDescriptionRole:
    case kPossibleRole: {
        const auto it = m_possible.find(index.row());
        if (index.column() != m_possibleCol || it == m_possible.end()
            || !look(index.row(), index.column()).text.isEmpty())
            return {};
        const QString points = QString::number(it->second);
        //: Told to a screen reader of a free cell: what the dice would score there.
        return role == kPossibleRole ? points : tr("would score %1").arg(points);
    }
    default:
        return {};
    }
}

QString ScoreCardModel::accessibleText(int row, int col) const
{
    const QString label = card::label(m_rows[std::size_t(row)]).simplified();
    if (col == 0)
        return label;
    const QString player = playerName(col);
    // A column nobody plays is silent.
    if (player.isEmpty())
        return QString();
    // A heading row: the player's name above the upper section, the section's name below.
    if (row == 0)
        return m_section == card::Section::Upper ? player : label;
    const QString text = look(row, col).text;
    const bool category = m_rows[std::size_t(row)].line == card::Line::Entry;
    //: The value of a free category's cell, as a screen reader says it.
    const QString free = tr("free");
    //: The value of a total's cell that shows nothing yet, as a screen reader says it.
    const QString none = tr("none");
    //: A cell as a screen reader names it: %1 the player, %2 the row, %3 the value ("Ann, Full
    //: House, 25"; "Bob, Sixes, free").
    return tr("%1, %2, %3").arg(player, label, !text.isEmpty() ? text : category ? free : none);
}

QVariant ScoreCardModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (orientation == Qt::Vertical)
        return section >= 0 && section < rowCount()
                   ? card::label(m_rows[std::size_t(section)]).simplified()
                   : QString();
    //: The heading of the card's column of row labels, for a screen reader.
    if (section == 0)
        return tr("Category");
    const QString player = playerName(section);
    //: The heading of a column nobody plays, for a screen reader.
    return player.isEmpty() ? tr("No player") : player;
}

QColor ScoreCardModel::colour(CellColour colour) const
{
    if (m_highContrast && colour == colours::kScoredText)
        return kScoredTextHigh;
    if (m_highContrast && colour == colours::kZeroText)
        return kZeroTextHigh;
    return cellColour(colour, m_palette);
}

QColor ScoreCardModel::possibleText() const
{
    return m_highContrast ? kPossibleTextHigh : kPossibleText;
}

void ScoreCardModel::setHighContrast(bool on)
{
    if (on == m_highContrast)
        return;
    m_highContrast = on;
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

void ScoreCardModel::setPossible(int col, const std::map<int, int> &points)
{
    if (col == m_possibleCol && points == m_possible)
        return;
    m_possibleCol = col;
    m_possible = points;
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

Qt::ItemFlags ScoreCardModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void ScoreCardModel::setBaseFont(const QFont &font)
{
    for (int i = 0; i < 4; ++i) {
        m_fonts[i] = font;
        m_fonts[i].setBold(i & 1);
        m_fonts[i].setItalic(i & 2);
    }
}

// ---------------------------------------------------------------------------------------------

ScoreGridView::ScoreGridView(card::Section section, QWidget *parent)
    : QTableView(parent), m_model(new ScoreCardModel(section, this))
{
    setPalette(cardPalette());
    setFont(fonts::compactSans());
    setModel(m_model);
    setItemDelegate(new CellDelegate(m_model, this));
    setFocusPolicy(Qt::TabFocus);
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setShowGrid(false);  // drawn in paintEvent, in the card's own grey
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setMouseTracking(true);
    layoutColumns();
}

void ScoreGridView::setOutline(int row, int col)
{
    if (row == m_outlineRow && col == m_outlineCol)
        return;
    m_outlineRow = row;
    m_outlineCol = col;
    viewport()->update();
}

void ScoreGridView::layoutColumns()
{
    for (int c = 0; c < ScoreCardModel::kColumns; ++c)
        setColumnWidth(c, twips::px(c == 0 ? kLabelWidth : kPlayerWidth));
}

void ScoreGridView::layoutRows()
{
    const int rows = m_model->rowCount();
    const int height = viewport()->height();
    for (int r = 0; r < rows; ++r) {
        // Spread the pixels left over across the first rows, one each.
        const int h = height / rows + (r < height % rows ? 1 : 0);
        if (rowHeight(r) != h)
            setRowHeight(r, h);
    }
}

void ScoreGridView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    layoutRows();
}

void ScoreGridView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    const int rows = m_model->rowCount();
    const int cols = ScoreCardModel::kColumns;
    const int right = columnViewportPosition(cols - 1) + columnWidth(cols - 1) - 1;
    const int bottom = rowViewportPosition(rows - 1) + rowHeight(rows - 1) - 1;
    QPainter painter(viewport());
    painter.setPen(cellColour(colours::kGridLines, palette()));
    for (int c = 0; c < cols; ++c) {
        const int x = columnViewportPosition(c) + columnWidth(c) - 1;
        painter.drawLine(x, 0, x, bottom);
    }
    for (int r = 0; r < rows; ++r) {
        const int y = rowViewportPosition(r) + rowHeight(r) - 1;
        painter.drawLine(0, y, right, y);
    }
    if (m_outlineRow >= 0) {
        const QRect cell = visualRect(m_model->index(m_outlineRow, m_outlineCol));
        painter.setPen(QPen(kOutline, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(1, 1, -2, -2));
    }
    if (hasFocus() && currentIndex().isValid()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(visualRect(currentIndex()).adjusted(3, 3, -5, -5));
    }
}

void ScoreGridView::focusInEvent(QFocusEvent *event)
{
    const QModelIndex at = currentIndex().isValid() ? currentIndex()
                                                    : m_model->index(1, m_model->moverColumn());
    QTableView::focusInEvent(event);
    setCurrentIndex(at);
    viewport()->update();
    // Made current anew once the grid is told to have the focus, so that a screen reader reads
    // the cell after the grid.
    QMetaObject::invokeMethod(
        this,
        [this, at] {
            if (hasFocus() && currentIndex() == at) {
                selectionModel()->clearCurrentIndex();
                setCurrentIndex(at);
            }
        },
        Qt::QueuedConnection);
}

void ScoreGridView::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}

// The mouse handlers stand in for the table's own: no current cell, no selection, no editing.
void ScoreGridView::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton && m_takesMouse
                    ? indexAt(event->position().toPoint())
                    : QModelIndex();
}

void ScoreGridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void ScoreGridView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_takesMouse)
        return;
    const QModelIndex under = indexAt(event->position().toPoint());
    const int row = under.isValid() ? under.row() : -1;
    if (row != m_hoverRow) {
        m_hoverRow = row;
        emit rowHovered(row);
    }
}

void ScoreGridView::leaveEvent(QEvent *event)
{
    QTableView::leaveEvent(event);
    if (m_hoverRow != -1) {
        m_hoverRow = -1;
        emit rowHovered(-1);
    }
}

void ScoreGridView::mouseReleaseEvent(QMouseEvent *event)
{
    const QModelIndex pressed = m_pressed;
    m_pressed = QModelIndex();
    if (event->button() != Qt::LeftButton || !pressed.isValid() || !m_takesMouse)
        return;
    if (indexAt(event->position().toPoint()) == pressed)
        emit cellClicked(pressed.row(), pressed.column());
}

void ScoreGridView::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}
