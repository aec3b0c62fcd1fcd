// The game in the player's language: chosen from the system, the window in German, and texts that
// fit their places in every language.
#include "FramedGroup.h"
#include "GameStates.h"
#include "Language.h"
#include "ScoreGridView.h"
#include "Table.h"
#include "frmAbout.h"
#include "frmRecords.h"
#include "frmSeats.h"

#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <cstdio>

namespace {
const QLocale kGerman(QLocale::German, QLocale::Germany);

// How wide a text is painted in a widget's font.
int widthOf(const QString &text, const QFont &font)
{
    return QFontMetrics(font).horizontalAdvance(text);
}
}  // namespace

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    // Each test starts in the system's language, English here.
    void cleanup() { language::install(); }

    // LANGUAGE first, then LC_ALL, LC_MESSAGES and LANG, the first language the game speaks, region
    // or not; each row runs this program afresh.
    void chosenFromTheSystem_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("LANG, a region") << QStringList{"LANG=de_AT.UTF-8"} << "de";
        QTest::newRow("LC_MESSAGES over LANG")
            << QStringList{"LC_MESSAGES=fr_CA.UTF-8", "LANG=de_DE.UTF-8"} << "fr";
        QTest::newRow("LC_ALL over LANG") << QStringList{"LC_ALL=fr_FR.UTF-8", "LANG=de_DE.UTF-8"}
                                          << "fr";
        QTest::newRow("LANGUAGE, its first spoken language")
            << QStringList{"LANGUAGE=es:fr:de", "LANG=es_ES.UTF-8"} << "fr";
        QTest::newRow("LANGUAGE English first") << QStringList{"LANGUAGE=en_GB:de", "LANG=de_DE.UTF-8"}
                                                << "en";
        QTest::newRow("C") << QStringList{"LC_ALL=C.UTF-8"} << "en";
        QTest::newRow("none spoken") << QStringList{"LANG=pt_BR.UTF-8"} << "en";
    }
    void chosenFromTheSystem()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, chosen);
        QProcess child;
        QProcessEnvironment env;
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const QString &setting : environment)
            env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--spoken")});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), chosen);
    }

    // The German window: menus, status line, hints with numbers, a refused file, Qt's own buttons,
    // the records.
    void germanWindow()
    {
        QCOMPARE(language::install(kGerman), QStringLiteral("de"));
        Table t;
        QCOMPARE(t.window.menuBar()->actions().at(0)->text(), QStringLiteral("&Spiel"));
        QCOMPARE(t.window.mnuNewGame()->text(), QStringLiteral("&Neu"));
        QCOMPARE(t.window.cmdRoll()->text(), QStringLiteral("Würfeln!"));

        t.window.mnuShowHints()->trigger();
        t.newGame({"Ann", "Bob"});
        QCOMPARE(t.window.status()->text(), QStringLiteral("Ann — Wurf 1 von 3"));
        QCOMPARE(t.window.hintPanel()->text(),
                 QStringLiteral("Ann: Würfeln.\nErwartete Endsumme bei bestem Spiel: 245,9"));
        t.roll("2 3 4 5 6");
        QCOMPARE(t.window.hintPanel()->text().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Ann: Jetzt Gr. Straße für 40 Punkte eintragen."));

        // A saved game refused: the line and the limits in the sentence.
        const QString path = t.writeGame(toSavedGame(gameOf(QStringList(7, "Ann"))));
        t.prompts.fileAnswers << path;
        t.window.mnuLoadGame()->trigger();
        const auto told = t.prompts.promptsOf(ScriptedPrompts::Prompt::Ok);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told[0].title, QStringLiteral("Laden fehlgeschlagen"));
        QCOMPARE(told[0].text, QStringLiteral("Das Spiel in %1 konnte nicht geladen werden.\nZeile 1: "
                                              "Die Anzahl der Spieler muss zwischen 1 und 6 liegen, "
                                              "nicht 7.")
                                   .arg(path));

        // Qt's own buttons, from the translations the system has.
        QMessageBox box(QMessageBox::NoIcon, {}, {}, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));

        // The records: kinds of seats, figures, dates and plural forms.
        const QDateTime ended(QDate(2026, 3, 1), QTime(20, 0));
        const records::SeatRecord ann{"Ann", "Human", 215, 35, 0, 250, {}, {}};
        const records::SeatRecord robo{"Computer 1", "Strong", 1240, 0, 0, 1240, {}, {}};
        QVERIFY(t.records.recordAll({{ended, {ann, robo}}, {ended.addSecs(60), {ann}}}).ok);
        frmRecords window(t.records, t.prompts);
        auto topRow = [&](int col) { return window.topTen()->item(0, col)->text(); };
        QCOMPARE(topRow(2) + ' ' + topRow(3) + ' ' + topRow(4), QStringLiteral("Stark 1.240 01.03.26"));
        window.players()->setCurrentRow(0);
        QCOMPARE(window.statistic(frmRecords::Average)->text(), QStringLiteral("250,0"));
        QCOMPARE(window.statistic(frmRecords::Bonus)->text(), QStringLiteral("2 von 2 Spielen (100\u00A0%)"));
        window.players()->setCurrentRow(1);
        QCOMPARE(window.players()->currentItem()->text(), QStringLiteral("Computer 1 (Stark)"));
        QCOMPARE(window.statistic(frmRecords::Bonus)->text(), QStringLiteral("0 von 1 Spiel (0\u00A0%)"));

        language::install();
        Table english;
        QCOMPARE(english.window.menuBar()->actions().at(0)->text(), QStringLiteral("&Game"));
    }

    // Nothing is cut off: the card's labels, offered names, captions, Roll, the status line, About.
    void textsFitTheirPlaces_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("English") << QLocale::c();
        QTest::newRow("German") << kGerman;
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
    }
    void textsFitTheirPlaces()
    {
        QFETCH(QLocale, locale);
        language::install(locale);
        Table t;
        QStringList cut;
        for (ScoreGridView *grid : {t.window.ScoreCardTop(), t.window.ScoreCardBottom()}) {
            // The cell's text is drawn 2 pixels in from each side, the grid line in its last.
            const int room = grid->columnWidth(0) - 5;
            for (int row = 0; row < grid->model()->rowCount(); ++row) {
                const QModelIndex label = grid->model()->index(row, 0);
                const QString text = label.data().toString();
                if (widthOf(text, label.data(Qt::FontRole).value<QFont>()) > room)
                    cut << text;
            }
        }
        // The heading row shows the names in bold; "Computer 1" fills its cell to the grid line.
        ScoreGridView *top = t.window.ScoreCardTop();
        const QFont bold = top->model()->index(0, 0).data(Qt::FontRole).value<QFont>();
        for (int n = 1; n <= kMaxPlayers; ++n)
            for (const QString &name : {computerSeatName(n),
                                        t.settings.value(settingkeys::defPlayer(n))})
                if (widthOf(name, bold) > top->columnWidth(n) - 1)
                    cut << name;
        QList<FramedGroup *> frames{t.window.findChildren<FramedGroup *>()};
        QCOMPARE(frames.size(), 3);
        for (FramedGroup *frame : frames)
            // The caption starts 7 pixels in, with 2 of room each side.
            if (7 + widthOf(frame->title(), frame->font()) + 4 > frame->width() - 7)
                cut << frame->title();
        QPushButton *roll = t.window.cmdRoll();
        if (widthOf(roll->text(), roll->font()) > roll->width() - 16)
            cut << roll->text();

        t.newGame({"Maximiliane", "Bob"});
        for (int i = 0; i < kRollsPerTurn; ++i)
            t.roll("1 2 3 4 6");
        QLabel *status = t.window.status();
        if (widthOf(status->text(), status->font()) > status->width())
            cut << status->text();

        frmAbout about(&t.window);
        QCOMPARE(about.Label1(2)->text() == "The Kelbrune! Crew", locale == QLocale::c());
        for (int i = 0; i < 3; ++i)
            if (widthOf(about.Label1(i)->text(), about.Label1(i)->font()) > about.Label1(i)->width())
                cut << about.Label1(i)->text();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    }
};

int main(int argc, char *argv[])
{
    // A child run: the language this environment gives, printed.
    if (argc > 1 && qstrcmp(argv[1], "--spoken") == 0) {
        QCoreApplication app(argc, argv);
        std::printf("%s\n", qPrintable(language::install()));
        return 0;
    }
    QApplication app(argc, argv);
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_language.moc"
