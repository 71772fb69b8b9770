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
#include <QEvent>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

namespace {

// Runs `then` once, as soon as the watched window's first paint is done.
class AfterFirstPaint : public QObject
{
public:
    AfterFirstPaint(QObject *watched, std::function<void()> then)
        : QObject(watched)
        , m_then(std::move(then))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_then) {
            // Queued behind the paint, which then reaches the screen first.
            QTimer::singleShot(0, this, std::exchange(m_then, {}));
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

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
    // server. It starts once the splash is on screen: its thread loads
    // libcurl, which would otherwise hold the splash back.
    BannerSource banner;
    banner.address = QStringLiteral("http://%1").arg(vendorHost()).toStdString();
    auto bannerFetch = std::make_shared<BannerFetch>(banner, folder.bannerFile());

    // The splash first; its own timer ends its modal run.
    auto splash = std::make_unique<Tfrmflash>(desktop, folder);
    new AfterFirstPaint(splash.get(), [bannerFetch] { bannerFetch->start(); });
    splash->exec();
    QCoreApplication::processEvents();
    QThread::msleep(100);

    Tfrmmain frmmain({desktop, clock, folder, banner, bannerFetch});
    splash.reset();
    frmmain.show();
    return application.exec();
}
