#include "frmSeats.h"

#include "NumericValue.h"
#include "SettingsStore.h"

#include <QComboBox>
#include <algorithm>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
SeatKind kindOf(const QComboBox *box)
{
    return SeatKind(box->currentData().toInt());
}
}  // namespace

QString computerSeatName(int number)
{
    //: The name offered for a computer seat; %1 numbers the computers of the game.
    return frmSeats::tr("Computer %1").arg(number);
}

frmSeats::frmSeats(const std::vector<Seat> &offered, QWidget *owner) : QDialog(owner)
{
    setWindowTitle(tr("New Against Computer"));
    setModal(true);

    m_count = new QSpinBox(this);
    m_count->setRange(1, kMaxPlayers);
    m_count->setAccessibleName(tr("Number of players"));
    auto *countLabel = new QLabel(tr("&Players:"), this);
    countLabel->setBuddy(m_count);

    auto *grid = new QGridLayout;
    //: The heading of the column of the seats' names.
    grid->addWidget(new QLabel(tr("Name"), this), 0, 1);
    //: The heading of the column of who plays each seat: a person or the computer.
    grid->addWidget(new QLabel(tr("Played by"), this), 0, 2);
    for (int n = 1; n <= kMaxPlayers; ++n) {
        //: The & before the number makes it the seat's key (Alt+1 to Alt+6).
        auto *label = new QLabel(tr("Seat &%1").arg(n), this);
        auto *name = new QLineEdit(this);
        name->setMaxLength(kMaxNameLength);
        name->setAccessibleName(tr("Seat %1 name").arg(n));
        label->setBuddy(name);
        auto *kind = new QComboBox(this);
        for (SeatKind k : {SeatKind::Human, SeatKind::Beginner, SeatKind::Casual, SeatKind::Strong,
                           SeatKind::Perfect})
            //: A computer seat's choice in the dialog; %1 is its strength, as in "Strong".
            kind->addItem(k == SeatKind::Human ? seatKindLabel(k)
                                               : tr("Computer: %1").arg(seatKindLabel(k)),
                          int(k));
        // On Linux a screen reader names a combo box after the label whose buddy it is, not by
        // the name set on it, and reads its choice only from the description.
        kind->setAccessibleName(tr("Seat %1 played by").arg(n));
        auto *kindLabel = new QLabel(kind->accessibleName(), this);
        kindLabel->setBuddy(kind);
        kindLabel->hide();
        auto describe = [kind] { kind->setAccessibleDescription(kind->currentText()); };
        connect(kind, &QComboBox::currentIndexChanged, kind, describe);
        describe();
        grid->addWidget(label, n, 0);
        grid->addWidget(name, n, 1);
        grid->addWidget(kind, n, 2);
        m_names[std::size_t(n - 1)] = name;
        m_kinds[std::size_t(n - 1)] = kind;
    }
    grid->setColumnStretch(1, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *countRow = new QHBoxLayout;
    countRow->addWidget(countLabel);
    countRow->addWidget(m_count);
    countRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(countRow);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Offered seats as they are, the rest as computers named in turn.
    m_count->setValue(std::clamp(int(offered.size()), 1, kMaxPlayers));
    for (int n = 1; n <= kMaxPlayers; ++n) {
        const auto i = std::size_t(n - 1);
        const bool given = i < offered.size();
        m_kinds[i]->setCurrentIndex(m_kinds[i]->findData(int(given ? offered[i].kind : SeatKind::Strong)));
        m_given[i] = defaultName(n);
        m_names[i]->setText(given ? offered[i].name : m_given[i]);
        connect(m_kinds[i], &QComboBox::currentIndexChanged, this, &frmSeats::kindChanged);
    }
    connect(m_count, &QSpinBox::valueChanged, this, &frmSeats::countChanged);
    countChanged();
    m_names[0]->setFocus();
}

std::vector<Seat> frmSeats::offered(SettingsStore &settings)
{
    const int count = numericValue(settings.value(settingkeys::kSeatCount));
    if (count < 1 || count > kMaxPlayers)
        return {{settings.value(settingkeys::defPlayer(1)), SeatKind::Human},
                {computerSeatName(1), SeatKind::Strong}};
    std::vector<Seat> seats;
    for (int n = 1; n <= count; ++n) {
        const auto kind = seatKindFromName(settings.value(settingkeys::seatKind(n)));
        seats.push_back({settings.value(settingkeys::seatName(n)), kind.value_or(SeatKind::Human)});
    }
    return seats;
}

void frmSeats::remember(SettingsStore &settings, const std::vector<Seat> &seats)
{
    settings.save(settingkeys::kSeatCount, QString::number(seats.size()));
    for (std::size_t i = 0; i < seats.size(); ++i) {
        const int n = int(i) + 1;
        settings.save(settingkeys::seatKind(n), seatKindName(seats[i].kind));
        settings.save(settingkeys::seatName(n), seats[i].name);
    }
}

std::vector<Seat> frmSeats::seats() const
{
    std::vector<Seat> seats;
    for (int i = 0; i < m_count->value(); ++i)
        seats.push_back({m_names[std::size_t(i)]->text(),
                         kindOf(m_kinds[std::size_t(i)])});
    return seats;
}

void frmSeats::countChanged()
{
    for (int i = 0; i < kMaxPlayers; ++i) {
        const bool used = i < m_count->value();
        m_names[std::size_t(i)]->setEnabled(used);
        m_kinds[std::size_t(i)]->setEnabled(used);
    }
}

QString frmSeats::defaultName(int seat) const
{
    if (kindOf(m_kinds[std::size_t(seat - 1)]) == SeatKind::Human)
        return settingkeys::defaultFor(settingkeys::defPlayer(seat));
    int computers = 0;
    for (int n = 1; n <= seat; ++n)
        if (kindOf(m_kinds[std::size_t(n - 1)]) != SeatKind::Human)
            ++computers;
    return computerSeatName(computers);
}

void frmSeats::kindChanged()
{
    // A name the player typed stays; the names the dialog gave follow the kinds, so the
    // computers stay numbered in turn and no two seats share a given name.
    for (int n = 1; n <= kMaxPlayers; ++n) {
        const auto i = std::size_t(n - 1);
        const bool given = m_names[i]->text().isEmpty() || m_names[i]->text() == m_given[i];
        m_given[i] = defaultName(n);
        if (given)
            m_names[i]->setText(m_given[i]);
    }
}
