#pragma once

#include "Turn.h"

#include <QObject>
#include <QPixmap>
#include <array>
#include <optional>

class DieBox;
class FramedGroup;
class QWidget;

// The dice on the window: the saved row above the table row, five boxes each, a die always in its
// own column. A held die shows in the saved row, any other in the table row. To a screen reader
// each box is a button named after what it shows ("Die 2: five, held"), described by the key that
// moves it.
class DiceTray : public QObject
{
    Q_OBJECT

public:
    // Lays the two framed rows out on the window's client area.
    explicit DiceTray(QWidget *client);

    // Shows the turn's dice. While a roll is shown, `thrown` holds what the dice in the air show
    // (0: nothing) and the held dice stay as they are. Boxes take clicks only when `pressable`.
    void show(const Turn &turn, const std::optional<Dice> &thrown, bool pressable);

    DieBox *tableBox(int die) const { return m_table.at(std::size_t(die)); }
    DieBox *savedBox(int die) const { return m_saved.at(std::size_t(die)); }
    // 0 the saved row, 1 the table row.
    FramedGroup *frame(int row) const { return m_frames.at(std::size_t(row)); }
    // The picture of a face 1..6; a null picture for any other face.
    const QPixmap &picture(int face) const;

signals:
    void holdClicked(int die);
    void releaseClicked(int die);

private:
    std::array<QPixmap, kFaces> m_pictures;  // face k + 1 at index k
    std::array<FramedGroup *, 2> m_frames{};
    std::array<DieBox *, kDiceCount> m_table{};
    std::array<DieBox *, kDiceCount> m_saved{};
};
