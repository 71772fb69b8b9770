// Starts like the program and exits as soon as its window is first painted:
//   korvel-startup-probe main APPDIR [BANNER]
//       the main window on that program folder, the splash's five seconds
//       left out; with BANNER the banner download starts first, from there,
//       as the program starts it before the splash
//   korvel-startup-probe splash APPDIR
//       the splash on that program folder
#include "app/chinese_ui.h"
#include "app/u_flash.h"
#include "app/u_main.h"
#include "first_paint.h"
#include "ui/clock.h"
#include "ui/design_font.h"
#include "ui/file_edge.h"
#include "ui/qt_desktop.h"

#include <QApplication>

#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    preferChineseFormats();
    startFontSetUp();
    QApplication application(argc, argv);
    speakChinese(application);
    if (argc < 3)
        return 2;
    FirstPaint firstPaint;
    QtDesktop desktop;
    SystemClock clock;
    const ProgramFolder folder = programFolder(QString::fromLocal8Bit(argv[2]));
    std::unique_ptr<QWidget> window;
    if (std::strcmp(argv[1], "splash") == 0) {
        window = std::make_unique<Tfrmflash>(desktop, folder);
    } else {
        BannerSource banner;
        std::shared_ptr<BannerFetch> fetch;
        if (argc >= 4) {
            banner.address = argv[3];
            fetch = std::make_shared<BannerFetch>(banner, folder.bannerFile());
            fetch->start();
        }
        window = std::make_unique<Tfrmmain>(MainServices{desktop, clock, folder, banner, fetch});
    }
    window->installEventFilter(&firstPaint);
    window->show();
    return application.exec();
}
