#include "QtSettingsStore.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Every test points QSettings at a fresh temporary folder before any store exists, so the
// user's own settings are never read or written.
class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keyNames();
    void defaults_data();
    void defaults();
    void absentKeyGivesTheDefaultAsked();
    void emptyTextIsKeptAsEmpty();
    void roundTrip_data();
    void roundTrip();
    void storedUnderTheGameAndSection();
    void handEditedListReadsAsTheWholeLine();

private:
    QString confPath() const { return m_dir->filePath(QStringLiteral("Kelbrune!/Kelbrune!.conf")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_SettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir->path());
}

void tst_SettingsStore::cleanup()
{
    m_dir.reset();
}

void tst_SettingsStore::keyNames()
{
    QCOMPARE(settingkeys::defPlayer(1), QStringLiteral("DefPlayer1"));
    QCOMPARE(settingkeys::defPlayer(6), QStringLiteral("DefPlayer6"));
    QCOMPARE(settingkeys::kAnimateDice, QStringLiteral("AnimateDice"));
    QCOMPARE(settingkeys::kDefNumPlayers, QStringLiteral("DefNumPlayers"));
}

void tst_SettingsStore::defaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("animation on") << "AnimateDice" << "True";
    QTest::newRow("two players") << "DefNumPlayers" << "2";
    QTest::newRow("hints off") << "ShowHints" << "False";
    for (int n = 1; n <= 6; ++n) {
        const QByteArray row = "name of player " + QByteArray::number(n);
        QTest::newRow(row.constData()) << settingkeys::defPlayer(n) << QStringLiteral("Player%1").arg(n);
    }
    QTest::newRow("no player 0") << "DefPlayer0" << "";
    QTest::newRow("no leading zero") << "DefPlayer01" << "";
    QTest::newRow("prefix alone") << "DefPlayer" << "";
    QTest::newRow("unknown key") << "Volume" << "";
}

void tst_SettingsStore::defaults()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(settingkeys::defaultFor(key), expected);
    QtSettingsStore store;
    QCOMPARE(store.get(key, settingkeys::defaultFor(key)), expected);
}

void tst_SettingsStore::absentKeyGivesTheDefaultAsked()
{
    QtSettingsStore store;
    QCOMPARE(store.get(settingkeys::kDefNumPlayers, QStringLiteral("5")), QStringLiteral("5"));
    QVERIFY(!QFile::exists(confPath()));
}

void tst_SettingsStore::emptyTextIsKeptAsEmpty()
{
    {
        QtSettingsStore store;
        store.save(settingkeys::defPlayer(2), QString());
    }
    QtSettingsStore store;
    const QString value = store.get(settingkeys::defPlayer(2), QStringLiteral("Player2"));
    QCOMPARE(value, QString());
}

void tst_SettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("word") << "False";
    QTest::newRow("number") << "3";
    QTest::newRow("lower-case word") << "false";
    QTest::newRow("comma") << "Ann, Bob";
    QTest::newRow("quotes") << "\"The\" Champ";
    QTest::newRow("leading and trailing blanks") << "  Zed  ";
    QTest::newRow("at sign first") << "@Variant(x)";
    QTest::newRow("equals and semicolon") << "a=b;c";
    QTest::newRow("backslash") << "C:\\games";
    QTest::newRow("accented") << "Zoë";
    QTest::newRow("Polish") << "Łukasz";
    QTest::newRow("Chinese") << "李雷";
    QTest::newRow("emoji") << "Dice \U0001F3B2";
}

void tst_SettingsStore::roundTrip()
{
    QFETCH(QString, text);
    {
        QtSettingsStore store;
        store.save(settingkeys::defPlayer(3), text);
        QCOMPARE(store.get(settingkeys::defPlayer(3), QString()), text);
    }
    // A new store reads what the first one wrote to disk.
    QtSettingsStore store;
    QCOMPARE(store.get(settingkeys::defPlayer(3), QStringLiteral("Player3")), text);
}

void tst_SettingsStore::storedUnderTheGameAndSection()
{
    QtSettingsStore store;
    store.save(settingkeys::kAnimateDice, QStringLiteral("False"));
    // Saved at once: the file is complete while the store is still alive.
    QFile file(confPath());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(confPath()));
    const QByteArray contents = file.readAll();
    QVERIFY(contents.contains("[Settings]"));
    QVERIFY(contents.contains("AnimateDice=False"));
}

void tst_SettingsStore::handEditedListReadsAsTheWholeLine()
{
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("Kelbrune!"))));
    QFile file(confPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nDefPlayer1=Ann, Bob\nDefNumPlayers=\n");
    file.close();

    QtSettingsStore store;
    QCOMPARE(store.get(settingkeys::defPlayer(1), QString()), QStringLiteral("Ann, Bob"));
    QCOMPARE(store.get(settingkeys::kDefNumPlayers, QStringLiteral("2")), QString());
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_SettingsStore.moc"
