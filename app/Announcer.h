#pragma once

#include <QStringList>
#include <QWidget>
#include <array>

// What a screen reader says of the game wherever the focus is. It stands on the window as a status
// bar holding two notifications of a pixel each and paints nothing. A line said becomes the name of
// the next notification in turn, which is then shown anew: a screen reader speaks a notification
// shown in a status bar as it is, while it says nothing of a changed name or label, nor of an
// alert. The lines of one pass of the event loop are joined and said together once it is over,
// since of two notes shown at once only the later is heard.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    // Adds a line to what is said after this pass of the event loop; "" adds nothing.
    void say(const QString &line);
    // Says at once what has been added, before a box opens, say.
    void flush();

    // The two notifications, for tests: a line said is the name of one of them.
    QWidget *note(int index) const { return m_notes.at(std::size_t(index)); }

    // About how long a screen reader takes to speak a line at its usual rate, in ms.
    static int speakingTime(const QString &line);

signals:
    // A line has just been said.
    void said(const QString &line);

private:
    std::array<QWidget *, 2> m_notes{};
    int m_next = 0;
    QStringList m_pending;
};
