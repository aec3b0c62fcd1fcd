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

struct Message
{
    QString context;
    QString source;
    bool numerus = false;
    QString type;                // "" when finished, else unfinished, vanished or obsolete
    QStringList translations;    // one, or one a plural form
};

QList<Message> messagesOf(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"message")
            messages << m;
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            m = Message{context, {}, xml.attributes().value(QLatin1String("numerus")) == u"yes", {}, {}};
        } else if (name == u"source") {
            m.source = xml.readElementText();
        } else if (name == u"translation") {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!m.numerus)
                m.translations << xml.readElementText();
        } else if (name == u"numerusform") {
            m.translations << xml.readElementText();
        }
    }
    return messages;
}

// The arguments a text takes: %1 to %9 and %n, written %L1 or %Ln too.
QSet<QString> argumentsOf(const QString &text)
{
    static const QRegularExpression argument(QStringLiteral("%L?([1-9n])"));
    QSet<QString> found;
    for (auto it = argument.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

QString where(const Message &m)
{
    return m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
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

        const QList<Message> messages = messagesOf(copy);
        QVERIFY(!messages.isEmpty());
        QStringList problems;
        for (const Message &m : messages) {
            if (!m.type.isEmpty())
                problems << m.type + QLatin1Char(' ') + where(m);
            else if (m.translations.isEmpty() || m.translations.contains(QString()))
                problems << QStringLiteral("empty ") + where(m);
            for (const QString &translation : m.translations)
                if (argumentsOf(translation) != argumentsOf(m.source))
                    problems << where(m) + QStringLiteral(" as \"") + translation + QLatin1Char('"');
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
