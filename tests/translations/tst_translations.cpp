// The .ts files against the code, read by lupdate into a scratch copy: every text translated, none
// left over, and no argument dropped or invented.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {
// The language the code is written in: its file holds the plural forms alone.
const QString kSourceFile = QStringLiteral("kelbrune_en.ts");

// The arguments a text takes: %1 to %9 and %n, written %L1 or %Ln too.
QSet<QString> argumentsOf(const QString &text)
{
    static const QRegularExpression argument(QStringLiteral("%L?([1-9n])"));
    QSet<QString> found;
    for (auto it = argument.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}
}  // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void completeForTheCode_data()
    {
        QTest::addColumn<QString>("file");
        const QDir dir(QStringLiteral(SOURCE_DIR "/translations"));
        const QStringList files = dir.entryList({QStringLiteral("kelbrune_*.ts")}, QDir::Files);
        QVERIFY(files.contains(kSourceFile) && files.size() >= 3);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << dir.filePath(file);
    }

    // Nothing new (unfinished), nothing gone (vanished, obsolete), and every translation, each
    // plural form of it, takes the arguments its source takes.
    void completeForTheCode()
    {
        QFETCH(QString, file);
        QTemporaryDir scratch;
        const QString copy = scratch.filePath(QFileInfo(file).fileName());
        QVERIFY(QFile::copy(file, copy));
        QStringList arguments{QStringLiteral("-locations"), QStringLiteral("none"),
                              QStringLiteral("-silent")};
        if (file.endsWith(kSourceFile))
            arguments << QStringLiteral("-pluralonly");
        for (const QString &folder : QStringLiteral(WORDED_FOLDERS).split(QLatin1Char(',')))
            arguments << QStringLiteral(SOURCE_DIR "/") + folder;
        arguments << QStringLiteral("-ts") << copy;
        QProcess lupdate;
        lupdate.start(QStringLiteral(LUPDATE), arguments);
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

        QFile read(copy);
        QVERIFY(read.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&read);
        QString context, source;
        bool numerus = false;
        int messages = 0;
        QStringList problems;
        auto where = [&] { return context + QStringLiteral(": \"") + source + QLatin1Char('"'); };
        auto check = [&](const QString &translation) {
            if (translation.isEmpty())
                problems << QStringLiteral("empty ") + where();
            else if (argumentsOf(translation) != argumentsOf(source))
                problems << where() + QStringLiteral(" as \"") + translation + QLatin1Char('"');
        };
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto name = xml.name();
            if (name == u"name") {
                context = xml.readElementText();
            } else if (name == u"message") {
                numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
                ++messages;
            } else if (name == u"source") {
                source = xml.readElementText();
            } else if (name == u"translation") {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                if (!type.isEmpty())
                    problems << type + QLatin1Char(' ') + where();
                if (!numerus)
                    check(xml.readElementText());
            } else if (name == u"numerusform") {
                check(xml.readElementText());
            }
        }
        QVERIFY(messages > 0 && !xml.hasError());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
