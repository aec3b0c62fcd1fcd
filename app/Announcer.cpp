#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {
class AnnouncerNote : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};

QAccessibleInterface *announcerAccessible(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (className == QLatin1String("AnnouncerNote"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}
}  // namespace

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(announcerAccessible), true);
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(int(m_notes.size()), 1);
    for (std::size_t i = 0; i < m_notes.size(); ++i) {
        m_notes[i] = new AnnouncerNote(this);
        m_notes[i]->setGeometry(int(i), 0, 1, 1);
    }
}

void Announcer::say(const QString &line)
{
    if (line.isEmpty())
        return;
    if (m_pending.isEmpty())
        QMetaObject::invokeMethod(this, &Announcer::flush, Qt::QueuedConnection);
    m_pending << line;
}

void Announcer::flush()
{
    if (m_pending.isEmpty())
        return;
    QWidget *note = m_notes[std::size_t(m_next)];
    m_next = (m_next + 1) % int(m_notes.size());
    note->setAccessibleName(m_pending.join(QLatin1Char(' ')));
    m_pending.clear();
    QAccessibleEvent shown(note, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit said(note->accessibleName());
}

int Announcer::speakingTime(const QString &line)
{
    // Measured roughly with the reader's default voice: numbers read out between commas make a
    // character last longer than in running words.
    constexpr int kPerCharacter = 70;
    return int(line.size()) * kPerCharacter;
}

#include "Announcer.moc"
