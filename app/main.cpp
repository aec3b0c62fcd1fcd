#include "Language.h"
#include "QtPlatform.h"
#include "QtSettingsStore.h"
#include "OptimalPlay.h"
#include "RecordStore.h"
#include "frmMain.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Both names, so the settings live in Kelbrune!/Kelbrune!.conf of the user's config folder.
    QApplication::setApplicationName(QStringLiteral("Kelbrune!"));
    QApplication::setOrganizationName(QStringLiteral("Kelbrune!"));
    // Ties the window to its menu entry and icon on desktops that ask.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelbrune.Kelbrune"));
    language::install();

    QtSettingsStore settings;
    QtPlatform platform;
    OptimalPlay advisor;
    records::RecordStore records(records::RecordStore::defaultPath());
    frmMain window(platform, platform, settings, advisor, records);
    platform.setWindow(&window);
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    // The sound cues load once the window is on screen, so they never delay it.
    QTimer::singleShot(0, &window, [&platform] { platform.preloadCues(); });
    return app.exec();
}
