#include "DiceTray.h"

#include "DieBox.h"
#include "FramedGroup.h"
#include "MoveWords.h"
#include "Twips.h"

DiceTray::DiceTray(QWidget *client) : QObject(client)
{
    for (int k = 0; k < kFaces; ++k)
        m_pictures[std::size_t(k)] = QPixmap(QStringLiteral(":/dice/die%1.bmp").arg(k + 1));
    //: Captions of the two rows of dice, 337 pixels wide: the dice set aside, and those rolled.
    const std::array<QString, 2> captions{tr("Saved Dice"), tr("Rolled Dice")};
    const std::array<int, 2> frameTops{240, 1800};
    for (std::size_t f = 0; f < 2; ++f) {
        auto *frame = new FramedGroup(captions[f], client);
        frame->setGeometry(twips::rect(7560, frameTops[f], 5055, 1335));
        m_frames[f] = frame;
        auto &row = f == 0 ? m_saved : m_table;
        for (int i = 0; i < kDiceCount; ++i) {
            auto *box = new DieBox(i, frame);
            box->setGeometry(twips::rect(240 + 960 * i, 360, 735, 735));
            row[std::size_t(i)] = box;
            connect(box, &DieBox::clicked, this,
                    f == 0 ? &DiceTray::releaseClicked : &DiceTray::holdClicked);
        }
    }
}

const QPixmap &DiceTray::picture(int face) const
{
    static const QPixmap none;
    return face >= 1 && face <= kFaces ? m_pictures[std::size_t(face - 1)] : none;
}

void DiceTray::show(const Turn &turn, const std::optional<Dice> &thrown, bool pressable)
{
    for (std::size_t i = 0; i < m_table.size(); ++i) {
        const int onTable = turn.held[i] ? 0 : thrown ? (*thrown)[i] : turn.faces[i];
        const int saved = turn.held[i] ? turn.faces[i] : 0;
        m_table[i]->setFace(onTable, picture(onTable));
        m_saved[i]->setFace(saved, picture(saved));

        const QString number = QString::number(i + 1);
        // A die in the air is named once, not after each face it shows on the way.
        const bool inTheAir = thrown && !turn.held[i];
        // What a screen reader says of a box: its die, its face and where the die is, and how
        // to move it.
        auto describe = [&](DieBox *box, bool held) {
            if (box->isEnabled() != pressable)
                box->setEnabled(pressable);
            const int face = box->face();
            //: A die's box as a screen reader names it: %1 the die's number, %2 its face in words.
            const QString spoken = inTheAir && !held ? tr("Die %1: rolling").arg(number)
                                   : face == 0       ? tr("Die %1: empty").arg(number)
                                   : held            ? tr("Die %1: %2, held").arg(number, faceWord(face))
                                                     : tr("Die %1: %2, on the table").arg(number, faceWord(face));
            if (box->accessibleName() != spoken)
                box->setAccessibleName(spoken);
            //: How to move a die, told to a screen reader; %1 is the key, the die's number.
            const QString how = face == 0 || !pressable ? QString()
                                : held ? tr("Press %1 to put it back.").arg(number)
                                       : tr("Press %1 to set it aside.").arg(number);
            if (box->accessibleDescription() != how)
                box->setAccessibleDescription(how);
        };
        describe(m_table[i], false);
        describe(m_saved[i], true);
    }
}
