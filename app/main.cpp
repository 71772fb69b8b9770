#include "app/clock.h"
#include "app/qt_desktop.h"
#include "app/u_main.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Korvel自动选号器"));

    QtDesktop desktop;
    SystemClock clock;
    const QString appDir = QDir(QCoreApplication::applicationDirPath()).absolutePath()
                           + QLatin1Char('/');
    Tfrmmain frmmain({desktop, clock, appDir});
    frmmain.show();
    return application.exec();
}
