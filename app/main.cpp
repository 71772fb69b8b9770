#include "app/chinese_ui.h"
#include "app/u_flash.h"
#include "app/u_main.h"
#include "app/vendor.h"
#include "ui/clock.h"
#include "ui/design_font.h"
#include "ui/file_edge.h"
#include "ui/qt_desktop.h"

#include <QApplication>
#include <QDir>
#include <QThread>

#include <memory>

int main(int argc, char *argv[])
{
    // The environment is set before the font set-up's thread starts: it reads
    // the environment too.
    preferChineseFormats();
    startFontSetUp();
    QApplication application(argc, argv);
    // Chinese before the splash, so the error box of its set-up is too. No
    // application display name: Qt would add it to every window's caption.
    speakChinese(application);
    QtDesktop desktop;
    SystemClock clock;
    const ProgramFolder folder = programFolder(QDir(QCoreApplication::applicationDirPath()).absolutePath());

    // The banner is fetched while the splash is up: its five seconds are
    // spent waiting anyway, and the main window then never waits for the
    // server.
    BannerSource banner;
    banner.address = QStringLiteral("http://%1").arg(vendorHost()).toStdString();
    auto bannerFetch = std::make_shared<BannerFetch>(banner, folder.bannerFile());
    bannerFetch->start();

    // The splash first; its own timer ends its modal run.
    auto splash = std::make_unique<Tfrmflash>(desktop, folder);
    splash->exec();
    QCoreApplication::processEvents();
    QThread::msleep(100);

    Tfrmmain frmmain({desktop, clock, folder, banner, bannerFetch});
    splash.reset();
    frmmain.show();
    return application.exec();
}
