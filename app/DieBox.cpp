#include "DieBox.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {
class DieBoxAccessible : public QAccessibleWidget
{
public:
    explicit DieBoxAccessible(QWidget *box) : QAccessibleWidget(box, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<DieBox *>(widget())->activate();
    }
};

QAccessibleInterface *dieBoxAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("DieBox") && object && object->isWidgetType())
        return new DieBoxAccessible(static_cast<QWidget *>(object));
    return nullptr;
}
}  // namespace

DieBox::DieBox(int index, QWidget *parent) : QWidget(parent), m_index(index)
{
    static const bool accessible = (QAccessible::installFactory(dieBoxAccessible), true);
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void DieBox::activate()
{
    if (isEnabled())
        emit clicked(m_index);
}

void DieBox::setFace(int face, const QPixmap &picture)
{
    if (face == m_face)
        return;
    m_face = face;
    m_picture = face > 0 ? picture : QPixmap();
    update();
}

void DieBox::paintEvent(QPaintEvent *)
{
    // Painted by hand, from no palette: nothing here depends on the enabled state.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_picture);
    }
}

void DieBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

// The second click of a quick double click is a click of its own: a player who holds and at
// once releases a die means both.
void DieBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void DieBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        activate();
}
