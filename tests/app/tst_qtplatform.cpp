#include "QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Answers the dialogs a call opens, one answer per dialog in order. A dialog shows only once the
// call under test runs its own event loop, so a repeating timer looks for it. The answer itself is
// queued, not run in the timer's slot: a box it opens in turn would otherwise block the timer.
class DialogDriver : public QObject
{
public:
    // False when the widget is not the kind of dialog the answer expects.
    using Answer = std::function<bool(QWidget *)>;

    static constexpr int kDeadlineMs = 5000;

    explicit DialogDriver(QList<Answer> answers) : m_answers(std::move(answers))
    {
        m_clock.start();
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &DialogDriver::poll);
        m_timer.start();
    }

    // Every answer given, no other dialog shown, nothing left open past the deadline.
    bool done() const { return problems().isEmpty(); }
    QString problems() const
    {
        QStringList all = m_problems;
        if (m_next < m_answers.size())
            all << QStringLiteral("%1 dialog(s) expected, %2 shown")
                       .arg(m_answers.size())
                       .arg(m_next);
        return all.join(QStringLiteral("; "));
    }

private:
    static QString describe(QWidget *w)
    {
        return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()),
                                               w->windowTitle());
    }

    static void dismiss(QWidget *w)
    {
        if (auto *dialog = qobject_cast<QDialog *>(w))
            dialog->reject();
        else
            w->close();
    }

    void poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        if (m_clock.hasExpired(kDeadlineMs)) {
            m_problems << QStringLiteral("still open after %1 ms: %2").arg(kDeadlineMs).arg(describe(w));
            dismiss(w);
            return;
        }
        for (const QPointer<QWidget> &seen : std::as_const(m_seen))
            if (seen == w)
                return;
        m_seen << w;
        if (m_next >= m_answers.size()) {
            m_problems << QStringLiteral("unexpected dialog: %1").arg(describe(w));
            dismiss(w);
            return;
        }
        const Answer answer = m_answers[m_next++];
        QPointer<QWidget> target(w);
        QMetaObject::invokeMethod(
            this,
            [this, answer, target] {
                if (!target)
                    return;
                if (!answer(target)) {
                    m_problems << QStringLiteral("not the dialog expected: %1").arg(describe(target));
                    dismiss(target);
                }
            },
            Qt::QueuedConnection);
    }

    QList<Answer> m_answers;
    qsizetype m_next = 0;
    QList<QPointer<QWidget>> m_seen;
    QStringList m_problems;
    QElapsedTimer m_clock;
    QTimer m_timer;
};

template <class Dialog>
DialogDriver::Answer answerAs(std::function<void(Dialog *)> answer)
{
    return [answer](QWidget *w) {
        auto *dialog = qobject_cast<Dialog *>(w);
        if (dialog)
            answer(dialog);
        return dialog != nullptr;
    };
}

// Keys go where a player's keys would: to the focused widget, when it is inside the dialog.
void press(QWidget *dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    if (!target || !dialog->isAncestorOf(target))
        target = dialog;
    QTest::keyClick(target, key, modifiers);
}

enum class Reply { Yes, No, Ok, Enter, Escape, Close };

// A button the box lacks is pressed as Escape; the checks on the buttons then report it.
void click(QMessageBox *box, QMessageBox::StandardButton which)
{
    if (QAbstractButton *button = box->button(which))
        button->click();
    else
        box->reject();
}

void reply(QMessageBox *box, Reply how)
{
    switch (how) {
    case Reply::Yes: click(box, QMessageBox::Yes); break;
    case Reply::No: click(box, QMessageBox::No); break;
    case Reply::Ok: click(box, QMessageBox::Ok); break;
    case Reply::Enter: press(box, Qt::Key_Return); break;
    case Reply::Escape: press(box, Qt::Key_Escape); break;
    case Reply::Close: box->close(); break;
    }
}

// What a message box showed when it came up.
struct BoxSeen
{
    QString title;
    QString text;
    QString label;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons;
    qsizetype buttonCount = 0;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool modalToWindow = false;
};

BoxSeen look(QMessageBox *box, QWidget *window)
{
    BoxSeen seen;
    seen.title = box->windowTitle();
    seen.text = box->text();
    if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        seen.label = label->text();
    seen.format = box->textFormat();
    seen.icon = box->icon();
    seen.buttons = box->standardButtons();
    seen.buttonCount = box->buttons().size();
    seen.defaultButton = box->defaultButton() ? box->standardButton(box->defaultButton())
                                              : QMessageBox::NoButton;
    seen.modalToWindow = box->isModal() && box->parentWidget() == window;
    return seen;
}

// Types the full path into the file name box and presses Enter, as a player may. (selectFile
// leaves a shown dialog's focused name box alone, so it cannot stand in for typing.)
void choose(QFileDialog *dialog, const QString &path)
{
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (!edit) {
        dialog->reject();
        return;
    }
    edit->setText(path);
    QTest::keyClick(edit, Qt::Key_Return);
}

enum class Entry { Ok, Type, Paste, Set, TypeThenCancel, Escape };

// What a file dialog offered when it came up.
struct FileDialogSeen
{
    QStringList nameFilters;
    QString selectedNameFilter;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    bool confirmsOverwrite = true;
    QString defaultSuffix;
    QStringList selectedFiles;
    bool modalToWindow = false;
};

FileDialogSeen look(QFileDialog *dialog, QWidget *window)
{
    FileDialogSeen seen;
    seen.nameFilters = dialog->nameFilters();
    seen.selectedNameFilter = dialog->selectedNameFilter();
    seen.acceptMode = dialog->acceptMode();
    seen.fileMode = dialog->fileMode();
    seen.confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    seen.defaultSuffix = dialog->defaultSuffix();
    seen.selectedFiles = dialog->selectedFiles();
    seen.modalToWindow = dialog->isModal() && dialog->parentWidget() == window;
    return seen;
}

const QString kFilter = QStringLiteral("Saved Games (*.sav)|*.sav");

}  // namespace

Q_DECLARE_METATYPE(Reply)
Q_DECLARE_METATYPE(Entry)

class QtPlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void fileFilter_data();
    void fileFilter();
    void cueFileBesideTheProgramComesFirst();
    void randomStaysInRange();

    void askYesNoBox_data();
    void askYesNoBox();
    void tellBox_data();
    void tellBox();
    void boxTextIsPlainWithUnixLineBreaks_data();
    void boxTextIsPlainWithUnixLineBreaks();
    void inputBox_data();
    void inputBox();
    void fileDialogOffersSavedGames_data();
    void fileDialogOffersSavedGames();
    void saveDialogTakesNewName();
    void cancelledFileDialogGivesEmptyName_data();
    void cancelledFileDialogGivesEmptyName();
    void lastChosenPathIsOfferedNext_data();
    void lastChosenPathIsOfferedNext();
    void cancelKeepsLastChosenPath();

private:
    QWidget *m_window = nullptr;
    QTemporaryDir m_dir;
};

void QtPlatformTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_window = new QWidget;
    m_window->setWindowTitle(QStringLiteral("Kelbrune!"));
    m_window->show();
}

void QtPlatformTest::cleanupTestCase()
{
    delete m_window;
}

void QtPlatformTest::fileFilter_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("qt");

    QTest::newRow("saved games") << "Saved Games (*.sav)|*.sav" << "Saved Games (*.sav)";
    QTest::newRow("name without patterns") << "Saved Games|*.sav" << "Saved Games (*.sav)";
    QTest::newRow("two patterns") << "Text|*.txt;*.log" << "Text (*.txt *.log)";
    QTest::newRow("two filters") << "Saved Games (*.sav)|*.sav|All Files (*.*)|*.*"
                                 << "Saved Games (*.sav);;All Files (*.*)";
    QTest::newRow("already Qt's form") << "Saved Games (*.sav)" << "Saved Games (*.sav)";
    QTest::newRow("empty") << "" << "";
}

void QtPlatformTest::fileFilter()
{
    QFETCH(QString, given);
    QFETCH(QString, qt);
    QCOMPARE(QtPlatform::qtFilter(given), qt);
}

void QtPlatformTest::cueFileBesideTheProgramComesFirst()
{
    const QString dir = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("tst_qtplatform-cue.wav");
    const QString beside = dir + QStringLiteral("/Media/") + name;
    QFile::remove(beside);

    QCOMPARE(QtPlatform::cuePath(name), dir + QStringLiteral("/../share/kelbrune/Media/") + name);

    QVERIFY(QDir(dir).mkpath(QStringLiteral("Media")));
    QFile file(beside);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(QtPlatform::cuePath(name), beside);
    QVERIFY(QFile::remove(beside));
}

void QtPlatformTest::randomStaysInRange()
{
    QtPlatform platform;
    platform.seedRandom();
    double low = 1;
    double high = 0;
    for (int i = 0; i < 20000; ++i) {
        const double r = platform.random();
        QVERIFY(r >= 0.0 && r < 1.0);
        low = std::min(low, r);
        high = std::max(high, r);
    }
    // Spread over the whole range, so every face and frame count can come up.
    QVERIFY(low < 0.01);
    QVERIFY(high > 0.99);
}

void QtPlatformTest::askYesNoBox_data()
{
    QTest::addColumn<Reply>("how");
    QTest::addColumn<bool>("answer");

    QTest::newRow("Yes clicked") << Reply::Yes << true;
    QTest::newRow("No clicked") << Reply::No << false;
    QTest::newRow("Enter takes the default") << Reply::Enter << true;
    QTest::newRow("Escape means No") << Reply::Escape << false;
    QTest::newRow("closed means No") << Reply::Close << false;
}

void QtPlatformTest::askYesNoBox()
{
    QFETCH(Reply, how);
    QFETCH(bool, answer);

    QtPlatform platform;
    platform.setWindow(m_window);
    BoxSeen seen;
    DialogDriver driver({answerAs<QMessageBox>([&](QMessageBox *box) {
        seen = look(box, m_window);
        reply(box, how);
    })});
    const bool result = platform.askYesNo(QStringLiteral("Game in progress"),
                                          QStringLiteral("A game is in progress.\r\n"
                                                         "Do you still want to quit?"));
    QVERIFY2(driver.done(), qPrintable(driver.problems()));

    QCOMPARE(result, answer);
    QCOMPARE(seen.title, QStringLiteral("Game in progress"));
    QCOMPARE(seen.text, QStringLiteral("A game is in progress.\nDo you still want to quit?"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seen.buttonCount, 2);
    QCOMPARE(seen.defaultButton, QMessageBox::Yes);
    QVERIFY(seen.modalToWindow);
}

void QtPlatformTest::tellBox_data()
{
    QTest::addColumn<Reply>("how");

    QTest::newRow("OK clicked") << Reply::Ok;
    QTest::newRow("Enter") << Reply::Enter;
    QTest::newRow("Escape") << Reply::Escape;
    QTest::newRow("closed") << Reply::Close;
}

void QtPlatformTest::tellBox()
{
    QFETCH(Reply, how);

    QtPlatform platform;
    platform.setWindow(m_window);
    BoxSeen seen;
    DialogDriver driver({answerAs<QMessageBox>([&](QMessageBox *box) {
        seen = look(box, m_window);
        reply(box, how);
    })});
    // Returning at all is the point: the game waits here until the box is gone.
    platform.tell(QStringLiteral("Game Over!"),
                  QStringLiteral("The game is over!\r\nCongratulations to Ann who won the game!"));
    QVERIFY2(driver.done(), qPrintable(driver.problems()));

    QCOMPARE(seen.title, QStringLiteral("Game Over!"));
    QCOMPARE(seen.text, QStringLiteral("The game is over!\nCongratulations to Ann who won the game!"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.buttonCount, 1);
    QVERIFY(seen.modalToWindow);
}

void QtPlatformTest::boxTextIsPlainWithUnixLineBreaks_data()
{
    QTest::addColumn<bool>("question");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    const QString twoLines = QStringLiteral("A\r\nB");
    // A path may hold characters that rich text would swallow or turn into markup.
    const QString path = QStringLiteral("/home/ann/<b>games</b> & co/x.sav already exists.\r\nOverwrite?");
    const QString blankLine = QStringLiteral("First\r\n\r\nThird");

    QTest::newRow("question, two lines") << true << twoLines << "A\nB";
    QTest::newRow("question, path like markup") << true << path
        << "/home/ann/<b>games</b> & co/x.sav already exists.\nOverwrite?";
    QTest::newRow("question, blank line kept") << true << blankLine << "First\n\nThird";
    QTest::newRow("message, two lines") << false << twoLines << "A\nB";
    QTest::newRow("message, path like markup") << false << path
        << "/home/ann/<b>games</b> & co/x.sav already exists.\nOverwrite?";
    QTest::newRow("message, single line") << false << "Done." << "Done.";
}

void QtPlatformTest::boxTextIsPlainWithUnixLineBreaks()
{
    QFETCH(bool, question);
    QFETCH(QString, text);
    QFETCH(QString, shown);

    QtPlatform platform;
    platform.setWindow(m_window);
    BoxSeen seen;
    DialogDriver driver({answerAs<QMessageBox>([&](QMessageBox *box) {
        seen = look(box, m_window);
        reply(box, Reply::Escape);
    })});
    if (question)
        platform.askYesNo(QStringLiteral("File Exists."), text);
    else
        platform.tell(QStringLiteral("Note"), text);
    QVERIFY2(driver.done(), qPrintable(driver.problems()));

    QCOMPARE(seen.text, shown);
    QCOMPARE(seen.label, shown);
    QCOMPARE(seen.format, Qt::PlainText);
}

void QtPlatformTest::inputBox_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QString>("label");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer");

    const QString count = QStringLiteral("How Many Players? (1-6)");
    const QString name = QStringLiteral("Please enter a name for Player #1:");
    const QString kelbrune = QStringLiteral("Kelbrune!");
    const QString player = QStringLiteral("Player Name");

    QTest::newRow("default kept") << count << kelbrune << "2" << count << Entry::Ok << "" << "2";
    QTest::newRow("number typed") << count << kelbrune << "2" << count << Entry::Type << "4" << "4";
    QTest::newRow("name typed") << name << player << "Player 1" << name << Entry::Type
                                << "  Ann \"Lee\", Jr." << "  Ann \"Lee\", Jr.";
    QTest::newRow("emptied and OK") << name << player << "Player 1" << name << Entry::Type << ""
                                    << "";
    QTest::newRow("pasted CR LF") << name << player << "Player 1" << name << Entry::Paste
                                  << "Ann\r\nLee" << "Ann\r\nLee";
    QTest::newRow("pasted trailing LF") << count << kelbrune << "2" << count << Entry::Paste
                                        << "3\n" << "3\n";
    QTest::newRow("set with CR alone") << name << player << "" << name << Entry::Set
                                       << "Ann\rLee\r\n" << "Ann\rLee\r\n";
    QTest::newRow("typed beyond the longest answer") << name << player << "" << name << Entry::Type
                                                     << QString(150, 'a') << QString(100, 'a');
    QTest::newRow("typed then Cancel") << name << player << "Player 1" << name
                                       << Entry::TypeThenCancel << "Bob" << "";
    QTest::newRow("Escape") << count << kelbrune << "2" << count << Entry::Escape << "" << "";
    QTest::newRow("prompt of two lines") << "First\r\nSecond" << player << "x"
                                         << "First\nSecond" << Entry::Ok << "" << "x";
}

void QtPlatformTest::inputBox()
{
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    QFETCH(QString, defaultText);
    QFETCH(QString, label);
    QFETCH(Entry, entry);
    QFETCH(QString, typed);
    QFETCH(QString, answer);

    QtPlatform platform;
    platform.setWindow(m_window);
    QString seenLabel;
    QString seenTitle;
    QString seenText;
    QString seenEdit;
    bool textInput = false;
    bool modalToWindow = false;
    DialogDriver driver({answerAs<QInputDialog>([&](QInputDialog *dialog) {
        seenLabel = dialog->labelText();
        seenTitle = dialog->windowTitle();
        seenText = dialog->textValue();
        textInput = dialog->inputMode() == QInputDialog::TextInput
                    && dialog->textEchoMode() == QLineEdit::Normal;
        modalToWindow = dialog->isModal() && dialog->parentWidget() == m_window;
        auto *edit = dialog->findChild<QLineEdit *>();
        if (!edit) {
            dialog->reject();
            return;
        }
        seenEdit = edit->text();
        switch (entry) {
        case Entry::Ok:
            press(dialog, Qt::Key_Return);
            break;
        case Entry::Type:
        case Entry::TypeThenCancel:
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, typed);
            if (entry == Entry::Type)
                QTest::keyClick(edit, Qt::Key_Return);
            else
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
            break;
        case Entry::Paste:
            QGuiApplication::clipboard()->setText(typed);
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            break;
        case Entry::Set:
            dialog->setTextValue(typed);
            dialog->accept();
            break;
        case Entry::Escape:
            press(dialog, Qt::Key_Escape);
            break;
        }
    })});
    const QString result = platform.inputBox(prompt, title, defaultText);
    QVERIFY2(driver.done(), qPrintable(driver.problems()));

    QCOMPARE(result, answer);
    QCOMPARE(seenLabel, label);
    QCOMPARE(seenTitle, title);
    QCOMPARE(seenText, defaultText);
    QCOMPARE(seenEdit, defaultText);
    QVERIFY(textInput);
    QVERIFY(modalToWindow);
}

void QtPlatformTest::fileDialogOffersSavedGames_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("open") << false;
    QTest::newRow("save over an existing file, no question") << true;
}

void QtPlatformTest::fileDialogOffersSavedGames()
{
    QFETCH(bool, save);
    const QString kept = m_dir.filePath(QStringLiteral("kept.sav"));
    QFile file(kept);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("3\r\n") == 3);
    file.close();

    QtPlatform platform;
    platform.setWindow(m_window);
    FileDialogSeen seen;
    // A second dialog, such as Qt's own overwrite question, would be reported as unexpected.
    DialogDriver driver({answerAs<QFileDialog>([&](QFileDialog *dialog) {
        seen = look(dialog, m_window);
        choose(dialog, kept);
    })});
    const QString result = save ? platform.saveFileName(kFilter) : platform.openFileName(kFilter);
    QVERIFY2(driver.done(), qPrintable(driver.problems()));

    QCOMPARE(result, kept);
    QCOMPARE(seen.nameFilters, QStringList{QStringLiteral("Saved Games (*.sav)")});
    QCOMPARE(seen.selectedNameFilter, QStringLiteral("Saved Games (*.sav)"));
    QVERIFY(seen.modalToWindow);
    if (save) {
        QCOMPARE(seen.acceptMode, QFileDialog::AcceptSave);
        QVERIFY(!seen.confirmsOverwrite);
        QCOMPARE(seen.defaultSuffix, QStringLiteral("sav"));
    } else {
        QCOMPARE(seen.acceptMode, QFileDialog::AcceptOpen);
        QCOMPARE(seen.fileMode, QFileDialog::ExistingFile);
        // Nothing chosen yet by this platform, so nothing is offered.
        QCOMPARE(seen.selectedFiles, QStringList());
    }
    // Choosing the name writes nothing.
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("3\r\n"));
}

void QtPlatformTest::saveDialogTakesNewName()
{
    const QString fresh = m_dir.filePath(QStringLiteral("fresh.sav"));
    QFile::remove(fresh);

    QtPlatform platform;
    platform.setWindow(m_window);
    DialogDriver driver({answerAs<QFileDialog>([&](QFileDialog *dialog) {
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!edit) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(m_dir.path());
        edit->setText(QStringLiteral("fresh"));
        QTest::keyClick(edit, Qt::Key_Return);
    })});
    const QString result = platform.saveFileName(kFilter);
    QVERIFY2(driver.done(), qPrintable(driver.problems()));

    // The name as typed: no extension is added and no file is made.
    QCOMPARE(result, fresh);
    QVERIFY(!QFile::exists(fresh));
}

void QtPlatformTest::cancelledFileDialogGivesEmptyName_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("byKey");

    QTest::newRow("open, Cancel clicked") << false << false;
    QTest::newRow("open, Escape") << false << true;
    QTest::newRow("save, Cancel clicked") << true << false;
    QTest::newRow("save, Escape") << true << true;
}

void QtPlatformTest::cancelledFileDialogGivesEmptyName()
{
    QFETCH(bool, save);
    QFETCH(bool, byKey);

    const QString kept = m_dir.filePath(QStringLiteral("kept.sav"));
    QFile file(kept);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QtPlatform platform;
    platform.setWindow(m_window);
    DialogDriver driver({answerAs<QFileDialog>([&](QFileDialog *dialog) {
        // A file typed first shows that the cancel, not an empty name box, gives "".
        if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(kept);
        if (byKey) {
            press(dialog, Qt::Key_Escape);
            return;
        }
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        QPushButton *cancel = buttons ? buttons->button(QDialogButtonBox::Cancel) : nullptr;
        if (cancel)
            cancel->click();
        else
            dialog->reject();
    })});
    const QString result = save ? platform.saveFileName(kFilter) : platform.openFileName(kFilter);
    QVERIFY2(driver.done(), qPrintable(driver.problems()));

    QCOMPARE(result, QString());
}

void QtPlatformTest::lastChosenPathIsOfferedNext_data()
{
    QTest::addColumn<bool>("firstSave");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("nextSave");

    QTest::newRow("opened, then open") << false << "kept.sav" << false;
    QTest::newRow("opened, then save") << false << "kept.sav" << true;
    QTest::newRow("saved, then open") << true << "new.sav" << false;
    QTest::newRow("saved, then save") << true << "new.sav" << true;
    QTest::newRow("saved over, then open") << true << "kept.sav" << false;
}

void QtPlatformTest::lastChosenPathIsOfferedNext()
{
    QFETCH(bool, firstSave);
    QFETCH(QString, chosen);
    QFETCH(bool, nextSave);

    QFile file(m_dir.filePath(QStringLiteral("kept.sav")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString path = m_dir.filePath(chosen);

    QtPlatform platform;
    platform.setWindow(m_window);
    FileDialogSeen next;
    QString nextDirectory;
    DialogDriver driver({answerAs<QFileDialog>([&](QFileDialog *dialog) {
                             choose(dialog, path);
                         }),
                         answerAs<QFileDialog>([&](QFileDialog *dialog) {
                             next = look(dialog, m_window);
                             nextDirectory = dialog->directory().absolutePath();
                             dialog->reject();
                         })});
    const QString first = firstSave ? platform.saveFileName(kFilter) : platform.openFileName(kFilter);
    QCOMPARE(first, path);
    const QString second = nextSave ? platform.saveFileName(kFilter) : platform.openFileName(kFilter);
    QVERIFY2(driver.done(), qPrintable(driver.problems()));

    QCOMPARE(second, QString());
    QCOMPARE(next.acceptMode, nextSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    QCOMPARE(nextDirectory, m_dir.path());
    QCOMPARE(next.selectedFiles, QStringList{path});
}

void QtPlatformTest::cancelKeepsLastChosenPath()
{
    const QString path = m_dir.filePath(QStringLiteral("new.sav"));

    QtPlatform platform;
    platform.setWindow(m_window);
    QStringList offered;
    DialogDriver driver({answerAs<QFileDialog>([&](QFileDialog *dialog) {
                             choose(dialog, path);
                         }),
                         answerAs<QFileDialog>([&](QFileDialog *dialog) { dialog->reject(); }),
                         answerAs<QFileDialog>([&](QFileDialog *dialog) {
                             offered = dialog->selectedFiles();
                             dialog->reject();
                         })});
    QCOMPARE(platform.saveFileName(kFilter), path);
    QCOMPARE(platform.openFileName(kFilter), QString());
    QCOMPARE(platform.saveFileName(kFilter), QString());
    QVERIFY2(driver.done(), qPrintable(driver.problems()));

    QCOMPARE(offered, QStringList{path});
}

QTEST_MAIN(QtPlatformTest)
#include "tst_qtplatform.moc"
