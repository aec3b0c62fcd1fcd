#include "frmAbout.h"

#include "Fonts.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

struct LabelDesign
{
    const char *text;
    int top;     // twips
    int height;  // twips
    qreal points;
};

// The game's name is the same in every language; the other two lines are translated, and each
// must fit the label's 641 pixels in its face.
constexpr LabelDesign kLabels[3] = {
    {"Kelbrune!", 480, 1695, 72},
    //: The About window: "Kelbrune! by The Kelbrune! Crew".
    {QT_TRANSLATE_NOOP("frmAbout", "by"), 2280, 855, 26.25},
    //: The makers of the game, in a 48-point face on one line of 641 pixels.
    {QT_TRANSLATE_NOOP("frmAbout", "The Kelbrune! Crew"), 3120, 1575, 48},
};
constexpr int kLabelLeft = 480;
constexpr int kLabelWidth = 9615;
}  // namespace

frmAbout::frmAbout(QWidget *owner)
    : QDialog(owner, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                         | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    //: The title of the About window.
    setWindowTitle(tr("About"));
    setModal(true);
    setFixedSize(twips::px(11100), twips::px(5370));
    QPalette back = palette();
    back.setColor(QPalette::Window, QColor(0, 255, 255));
    setPalette(back);
    setAutoFillBackground(true);

    for (int i = 0; i < 3; ++i) {
        const LabelDesign &design = kLabels[i];
        auto *label = new QLabel(i == 0 ? QString::fromUtf8(design.text) : tr(design.text), this);
        label->setGeometry(twips::rect(kLabelLeft, design.top, kLabelWidth, design.height));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(fonts::comicBold(design.points));
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, QColor(255, 0, 0));
        label->setPalette(red);
        label->setAutoFillBackground(false);
        label->installEventFilter(this);
        m_label1[std::size_t(i)] = label;
    }

    // Centred over the owner. Its frame stands in for ours, which does not exist before the
    // first show.
    if (owner) {
        const QWidget *window = owner->window();
        const QPoint frameOffset = window->geometry().topLeft() - window->frameGeometry().topLeft();
        QRect client(QPoint(), size());
        client.moveCenter(window->geometry().center());
        move(client.topLeft() - frameOffset);
    }
}

void frmAbout::Form_Click()
{
    close();
}

void frmAbout::Label1_Click(int)
{
    close();
}

void frmAbout::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form_Click();
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        for (int i = 0; i < 3; ++i) {
            QLabel *label = m_label1[std::size_t(i)];
            if (watched == label && mouse->button() == Qt::LeftButton
                && label->rect().contains(mouse->position().toPoint())) {
                Label1_Click(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // The keys that close a message close this window too; no other key means anything here.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        close();
        break;
    default:
        break;
    }
    event->accept();
}
