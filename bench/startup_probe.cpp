// Starts like the program and exits as soon as its window is first painted:
//   korvel-startup-probe main APPDIR [BANNER]
//                                      the main window on that program folder,
//                                      fetching its banner from BANNER if given
//   korvel-startup-probe bare          a bare QWidget, for comparison
//   korvel-startup-probe label         a bare window showing one Chinese label,
//                                      to tell the cost of the fonts apart
#include "app/chinese_ui.h"
#include "ui/clock.h"
#include "ui/qt_desktop.h"
#include "app/u_main.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <cstring>
#include <memory>

namespace {

class FirstPaint : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    speakChinese(application);
    FirstPaint firstPaint;
    QtDesktop desktop;
    SystemClock clock;
    std::unique_ptr<QWidget> window;
    if (argc >= 3 && std::strcmp(argv[1], "main") == 0) {
        BannerSource banner;
        if (argc >= 4)
            banner.address = argv[3];
        window = std::make_unique<Tfrmmain>(
            MainServices{desktop, clock, ProgramFolder(argv[2]), banner});
    } else if (argc >= 2 && std::strcmp(argv[1], "label") == 0) {
        window = std::make_unique<QLabel>(QStringLiteral("Korvel自动选号器：请输入6个1--33范围内数字"));
    } else {
        window = std::make_unique<QWidget>();
    }
    window->resize(685, 531);
    window->installEventFilter(&firstPaint);
    window->show();
    return application.exec();
}
