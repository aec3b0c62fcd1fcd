#include "DiceTray.h"

#include "DieBox.h"
#include "FramedGroup.h"
#include "MoveWords.h"
#include "Twips.h"

DiceTray::DiceTray(QWidget *client) : QObject(client)
{
    for (int k = 0; k < kFaces; ++k)
        m_pictures[std::size_t(k)] = QPixmap(QStringLiteral(":/dice/die%1.bmp").arg(k + 1));
    const std::array<const char *, 2> captions{"Saved Dice", "Rolled Dice"};
    const std::array<int, 2> frameTops{240, 1800};
    for (std::size_t f = 0; f < 2; ++f) {
        auto *frame = new FramedGroup(QString::fromLatin1(captions[f]), client);
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

        const QString die = QStringLiteral("Die %1: ").arg(i + 1);
        const QString key = QString::number(i + 1);
        // A die in the air is named once, not after each face it shows on the way.
        const bool inTheAir = thrown && !turn.held[i];
        auto describe = [&](DieBox *box, const QString &place, const QString &press) {
            if (box->isEnabled() != pressable)
                box->setEnabled(pressable);
            const int face = box->face();
            const QString spoken = inTheAir && box == m_table[i] ? die + QStringLiteral("rolling")
                                   : face > 0                   ? die + faceWord(face) + place
                                                                : die + "empty";
            if (box->accessibleName() != spoken)
                box->setAccessibleName(spoken);
            const QString how = face > 0 && pressable ? QStringLiteral("Press ") + key + press : QString();
            if (box->accessibleDescription() != how)
                box->setAccessibleDescription(how);
        };
        describe(m_table[i], QStringLiteral(", on the table"), QStringLiteral(" to set it aside."));
        describe(m_saved[i], QStringLiteral(", held"), QStringLiteral(" to put it back."));
    }
}
