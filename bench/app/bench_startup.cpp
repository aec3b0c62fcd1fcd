// Time from process start to the first painted main window, and the peak memory of a session
// that has just started. Run without arguments: it starts itself a number of times and prints
// the spread. Use QT_QPA_PLATFORM=offscreen, or a display. The language is the system's, as the
// game takes it: LANG=de_DE.UTF-8 measures a start with the German texts loaded.

#include "Language.h"
#include "QtPlatform.h"
#include "QtSettingsStore.h"
#include "OptimalPlay.h"
#include "RecordStore.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPaintEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {
QElapsedTimer g_sinceMain;

// Milliseconds since the kernel started this process.
double msSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();  // field 22: starttime
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
    return nowMs - startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

long statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Covers the window and is painted last, on top of every control.
class PaintProbe : public QWidget
{
public:
    explicit PaintProbe(QWidget *window) : QWidget(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(window->rect());
        raise();
    }
    double processMs = -1;
    double mainMs = -1;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (processMs < 0) {
            processMs = msSinceProcessStart();
            mainMs = double(g_sinceMain.nsecsElapsed()) / 1e6;
        }
    }
};

int child(int argc, char *argv[])
{
    QTemporaryDir config;  // the player's own settings stay untouched
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelbrune!"));
    QApplication::setOrganizationName(QStringLiteral("Kelbrune!"));
    const QString spoken = language::install();
    QtSettingsStore settings;
    QtPlatform platform;
    OptimalPlay advisor;
    QTemporaryDir recordsDir;
    records::RecordStore records(recordsDir.filePath("records.sqlite"));
    frmMain window(platform, platform, settings, advisor, records);
    platform.setWindow(&window);
    PaintProbe probe(&window);
    window.show();
    QTimer::singleShot(0, &window, [&platform] { platform.preloadCues(); });

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (probe.processMs >= 0)
            QTimer::singleShot(300, &app, [] { QCoreApplication::exit(0); });
        if (probe.processMs >= 0)
            poll.stop();
    });
    poll.start(1);
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(1); });
    const int rc = app.exec();
    std::printf("%.1f %.1f %ld %s\n", probe.processMs, probe.mainMs, statusKb("VmHWM:"),
                qPrintable(spoken));
    return rc;
}
}  // namespace

int main(int argc, char *argv[])
{
    g_sinceMain.start();
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10;
    QList<double> fromStart, fromMain, peakMb;
    QByteArray spoken;
    for (int i = 0; i < runs; ++i) {
        QProcess run;
        run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        if (!run.waitForFinished(30000) || run.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed\n", i + 1);
            return 1;
        }
        const QList<QByteArray> f = run.readAllStandardOutput().trimmed().split(' ');
        fromStart << f.value(0).toDouble();
        fromMain << f.value(1).toDouble();
        peakMb << f.value(2).toDouble() / 1024.0;
        spoken = f.value(3);
    }
    auto report = [](const char *what, QList<double> v, const char *unit) {
        std::sort(v.begin(), v.end());
        std::printf("%-40s min %7.1f  median %7.1f  max %7.1f %s\n", what, v.first(),
                    v[v.size() / 2], v.last(), unit);
    };
    std::printf("Kelbrune! start-up, %d runs, platform %s, language %s\n", runs,
                qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                    ? qgetenv("QT_QPA_PLATFORM").constData()
                    : "default",
                spoken.constData());
    report("process start to first painted window", fromStart, "ms (target < 150)");
    report("main() to first painted window", fromMain, "ms");
    report("peak memory (VmHWM)", peakMb, "MB (target < 60)");
    return 0;
}
