// Plays animated rolls in the real window with the real event loop and prints the CPU time they
// used against their wall time. The frames wait on a timer, so the CPU should stay nearly idle.
#include "MemorySettings.h"
#include "QtPlatform.h"
#include "OptimalPlay.h"
#include "RecordStore.h"
#include "frmMain.h"

#include <QTemporaryDir>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStringList>
#include <cstdio>
#include <sys/resource.h>

namespace {
// The real platform, with the set-up prompts answered in advance and no sound.
class BenchPlatform : public QtPlatform
{
public:
    QStringList answers{"1", "Bench"};
    QString inputBox(const QString &, const QString &, const QString &) override
    {
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    void playCue(Cue) override {}
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BenchPlatform platform;
    MemorySettings settings;
    OptimalPlay advisor;
    QTemporaryDir recordsDir;
    records::RecordStore records(recordsDir.filePath("records.sqlite"));
    frmMain window(platform, platform, settings, advisor, records);
    window.show();
    window.mnuNewGame()->trigger();
    QApplication::processEvents();

    const int rolls = 3;
    double cpu = 0;
    qint64 wall = 0;
    for (int r = 0; r < rolls; ++r) {
        QElapsedTimer timer;
        timer.start();
        const double before = cpuSeconds();
        window.cmdRoll_Click();
        while (window.rolling())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        cpu += cpuSeconds() - before;
        wall += timer.elapsed();
    }
    std::printf("animated rolls: %d\n", rolls);
    std::printf("wall time:      %lld ms\n", static_cast<long long>(wall));
    std::printf("CPU time:       %.1f ms\n", cpu * 1000.0);
    std::printf("CPU / wall:     %.2f %% of one core (target: under 2 %%)\n",
                wall > 0 ? 100.0 * cpu * 1000.0 / double(wall) : 0.0);
    return 0;
}
