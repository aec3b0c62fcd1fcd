#include "QtPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

class QtPlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void fileFilter_data();
    void fileFilter();
    void cueFileBesideTheProgramComesFirst();
    void randomStaysInRange();
};

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

QTEST_GUILESS_MAIN(QtPlatformTest)
#include "tst_qtplatform.moc"
