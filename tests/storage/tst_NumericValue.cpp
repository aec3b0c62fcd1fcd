#include "NumericValue.h"

#include <QTest>

class tst_NumericValue : public QObject
{
    Q_OBJECT

private slots:
    void value_data();
    void value();
};

void tst_NumericValue::value_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("plain count") << "2" << 2;
    QTest::newRow("leading blanks") << " 5" << 5;
    QTest::newRow("leading tab") << "\t5" << 5;
    QTest::newRow("trailing blanks") << "4   " << 4;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("plus sign") << "+4" << 4;
    QTest::newRow("blank between sign and digits") << "- 3" << -3;
    QTest::newRow("blanks inside the digits") << "1 2" << 12;
    QTest::newRow("blanks around the point") << "3 . 5" << 4;
    QTest::newRow("line feed ignored like a blank") << "1\n2" << 12;

    // Halfway goes to the even neighbour; anything past halfway goes up.
    QTest::newRow("3.5 to even 4") << "3.5" << 4;
    QTest::newRow("2.5 to even 2") << "2.5" << 2;
    QTest::newRow("1.5 to even 2") << "1.5" << 2;
    QTest::newRow("0.5 to even 0") << "0.5" << 0;
    QTest::newRow("-2.5 to even -2") << "-2.5" << -2;
    QTest::newRow("-3.5 to even -4") << "-3.5" << -4;
    QTest::newRow("2.50 still halfway") << "2.50" << 2;
    QTest::newRow("just past halfway") << "2.500001" << 3;
    QTest::newRow("just below halfway") << "2.4999999999999999999" << 2;
    QTest::newRow("0.6 up") << "0.6" << 1;
    QTest::newRow("6.4 down") << "6.4" << 6;
    QTest::newRow("-0.4 is zero") << "-0.4" << 0;
    QTest::newRow("point first") << ".6" << 1;
    QTest::newRow("point last") << "5." << 5;

    QTest::newRow("number then words") << "3 players" << 3;
    QTest::newRow("second point stops") << "1.2.3" << 1;
    QTest::newRow("comma stops") << "1,5" << 1;
    QTest::newRow("no exponent") << "1e3" << 1;
    QTest::newRow("no hexadecimal") << "0x10" << 0;
    QTest::newRow("no radix prefix") << "&H10" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blanks only") << "   " << 0;
    QTest::newRow("sign only") << "-" << 0;
    QTest::newRow("point only") << "." << 0;
    QTest::newRow("two signs") << "--1" << 0;
    QTest::newRow("mixed signs") << "+-1" << 0;
    QTest::newRow("digits of another script") << "\u0663" << 0;
    QTest::newRow("full-width digit") << "\uFF11" << 0;

    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("smallest") << "-32768" << -32768;
    QTest::newRow("too large clamped") << "99999" << 32767;
    QTest::newRow("too small clamped") << "-99999" << -32768;
    QTest::newRow("32767.5 rounds past the top, clamped") << "32767.5" << 32767;
    QTest::newRow("32766.5 to even") << "32766.5" << 32766;
    QTest::newRow("-32768.5 to even stays") << "-32768.5" << -32768;
    QTest::newRow("hundred digits clamped") << QString(100, u'9') << 32767;
}

void tst_NumericValue::value()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(int(numericValue(text)), expected);
}

QTEST_GUILESS_MAIN(tst_NumericValue)
#include "tst_NumericValue.moc"
