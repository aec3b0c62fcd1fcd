#include "RollButton.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
class RollButtonAccessible : public QAccessibleWidget
{
public:
    explicit RollButtonAccessible(QWidget *button) : QAccessibleWidget(button, QAccessible::Button) {}

    RollButton *button() const { return static_cast<RollButton *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && button()->accessibleName().isEmpty())
            return button()->text().remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.disabled = state.disabled || !button()->isAvailable();
        return state;
    }
    QStringList actionNames() const override
    {
        return button()->isAvailable() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && button()->isAvailable())
            button()->click();
    }
};

QAccessibleInterface *rollButtonAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("RollButton") && object && object->isWidgetType())
        return new RollButtonAccessible(static_cast<QWidget *>(object));
    return nullptr;
}
}  // namespace

RollButton::RollButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    static const bool accessible = (QAccessible::installFactory(rollButtonAccessible), true);
    Q_UNUSED(accessible);
    setAutoDefault(false);
}

void RollButton::setAvailable(bool available)
{
    if (available == m_available)
        return;
    m_available = available;
    setDown(false);
    update();
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void RollButton::paintEvent(QPaintEvent *event)
{
    if (m_available) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~(QStyle::State_Enabled | QStyle::State_HasFocus | QStyle::State_MouseOver
                      | QStyle::State_Sunken);
    option.state |= QStyle::State_Raised;
    option.palette.setCurrentColorGroup(QPalette::Disabled);
    painter.drawControl(QStyle::CE_PushButton, option);
}

void RollButton::mousePressEvent(QMouseEvent *event)
{
    if (m_available)
        QPushButton::mousePressEvent(event);
    else
        event->ignore();
}

void RollButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_available)
        QPushButton::mouseDoubleClickEvent(event);
    else
        event->ignore();
}
