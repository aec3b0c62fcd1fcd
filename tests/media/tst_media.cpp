#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

#include <vector>

namespace {

quint16 u16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Dark spots that the white face encloses; the dark ground around the face does not count.
int countPips(const QImage &image)
{
    const int w = image.width();
    const int h = image.height();
    std::vector<char> seen(std::size_t(w * h), 0);
    const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    const auto fill = [&](int x0, int y0) {
        std::vector<QPoint> todo{{x0, y0}};
        seen[std::size_t(y0 * w + x0)] = 1;
        while (!todo.empty()) {
            const QPoint p = todo.back();
            todo.pop_back();
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint q = p + step;
                if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h)
                    continue;
                char &mark = seen[std::size_t(q.y() * w + q.x())];
                if (!mark && dark(q.x(), q.y())) {
                    mark = 1;
                    todo.push_back(q);
                }
            }
        }
    };
    for (int x = 0; x < w; ++x)
        for (int y : {0, h - 1})
            if (!seen[std::size_t(y * w + x)] && dark(x, y))
                fill(x, y);
    for (int y = 0; y < h; ++y)
        for (int x : {0, w - 1})
            if (!seen[std::size_t(y * w + x)] && dark(x, y))
                fill(x, y);
    int pips = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!seen[std::size_t(y * w + x)] && dark(x, y)) {
                fill(x, y);
                ++pips;
            }
    return pips;
}

}  // namespace

class tst_media : public QObject
{
    Q_OBJECT

private slots:
    void dieFace_data();
    void dieFace();
    void icon_data();
    void icon();
    void soundCue_data();
    void soundCue();
};

void tst_media::dieFace_data()
{
    QTest::addColumn<int>("face");
    QTest::newRow("one") << 1;
    QTest::newRow("two") << 2;
    QTest::newRow("three") << 3;
    QTest::newRow("four") << 4;
    QTest::newRow("five") << 5;
    QTest::newRow("six") << 6;
}

void tst_media::dieFace()
{
    QFETCH(int, face);
    const QString name = QStringLiteral("dice/die%1.bmp").arg(face);

    // The embedded picture is the committed file, byte for byte.
    const QByteArray bmp = readAll(QStringLiteral(KELBRUNE_MEDIA_DIR "/") + name);
    QCOMPARE(readAll(QStringLiteral(":/") + name), bmp);

    const int imageBytes = 64 * 64 * 3;  // rows of 192 bytes need no padding
    QCOMPARE(bmp.size(), 14 + 40 + imageBytes);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(u32(bmp, 2), quint32(bmp.size()));
    QCOMPARE(u32(bmp, 10), 54u);      // pixels right after the two headers
    QCOMPARE(u32(bmp, 14), 40u);      // BITMAPINFOHEADER
    QCOMPARE(qint32(u32(bmp, 18)), 64);
    QCOMPARE(qint32(u32(bmp, 22)), 64);
    QCOMPARE(u16(bmp, 26), quint16(1));
    QCOMPARE(u16(bmp, 28), quint16(24));
    QCOMPARE(u32(bmp, 30), 0u);       // BI_RGB, uncompressed
    QCOMPARE(qint32(u32(bmp, 38)), 3780);
    QCOMPARE(qint32(u32(bmp, 42)), 3780);

    const QImage image(QStringLiteral(":/") + name);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(64, 64));
    QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(63, 63), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(32, 4), qRgb(255, 255, 255));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p))
                QFAIL(qPrintable(QStringLiteral("colour at %1,%2").arg(x).arg(y)));
        }
    QCOMPARE(countPips(image), face);
}

void tst_media::icon_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%dpx", size) << size;
}

void tst_media::icon()
{
    QFETCH(int, size);
    const QImage image(QStringLiteral(":/icons/kelbrune-%1.png").arg(size));
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, size - 1)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
}

void tst_media::soundCue_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("roll") << QStringLiteral("DieRoll.wav");
    QTest::newRow("five of a kind") << QStringLiteral("Kelbrune!.wav");
    QTest::newRow("game over") << QStringLiteral("GameOver.wav");
}

// The sound player decodes only plain 8- or 16-bit PCM; a float or extensible
// header would leave the cue silent.
void tst_media::soundCue()
{
    QFETCH(QString, name);
    const QByteArray wav = readAll(QStringLiteral(KELBRUNE_SOUND_DIR "/") + name);
    QVERIFY2(wav.size() > 44, "the build copies the cue beside the executable");
    QVERIFY(wav.size() < 200 * 1024);
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(u32(wav, 4), quint32(wav.size() - 8));
    QCOMPARE(wav.mid(8, 4), QByteArray("WAVE"));

    qsizetype fmt = -1;
    qsizetype data = -1;
    for (qsizetype at = 12; at + 8 <= wav.size(); at += 8 + ((u32(wav, at + 4) + 1) & ~1u)) {
        if (wav.mid(at, 4) == "fmt ")
            fmt = at;
        else if (wav.mid(at, 4) == "data")
            data = at;
    }
    QVERIFY(fmt > 0);
    QVERIFY(data > fmt);
    QCOMPARE(u32(wav, fmt + 4), 16u);
    QCOMPARE(u16(wav, fmt + 8), quint16(1));   // WAVE_FORMAT_PCM
    QCOMPARE(u16(wav, fmt + 10), quint16(1));  // mono
    const quint32 rate = u32(wav, fmt + 12);
    QVERIFY2(rate == 22050 || rate == 44100, qPrintable(QString::number(rate)));
    QCOMPARE(u32(wav, fmt + 16), rate * 2);
    QCOMPARE(u16(wav, fmt + 20), quint16(2));
    QCOMPARE(u16(wav, fmt + 22), quint16(16));

    const quint32 bytes = u32(wav, data + 4);
    QCOMPARE(qsizetype(data + 8 + bytes), wav.size());
    const double seconds = bytes / 2.0 / rate;
    QVERIFY2(seconds > 0.3 && seconds < 2.5, qPrintable(QString::number(seconds)));
}

QTEST_GUILESS_MAIN(tst_media)
#include "tst_media.moc"
