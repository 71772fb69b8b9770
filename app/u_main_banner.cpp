// The advertisement strip across the top of the main window.
#include "app/banner_movie.h"
#include "ui/click_label.h"
#include "app/u_main.h"
#include "base/file_io.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"

#include <QFile>
#include <QFrame>
#include <QMovie>

namespace {

// The page a click on the banner opens.
const char *const kAdvertisedPage = "http://partner.korvel.example/reg.aspx?u=20061";

} // namespace

void Tfrmmain::bannerStep()
{
    const QString file = qPath(m_services.folder.bannerFile());
    const BannerDownload download = downloadBanner(m_services.banner);
    bool failed = !download.ok;
    if (download.ok) {
        try {
            writeFileAtomically(nativePath(file), download.body);
        } catch (const std::exception &) {
            failed = true;
        }
    }

    // The picture is decoded from the file, also the one of an earlier run
    // when this download failed, and plays from a copy in memory.
    QFile picture(file);
    if (picture.open(QIODevice::ReadOnly)) {
        if (QMovie *movie = bannerMovie(picture.readAll(), imggif)) {
            if (QMovie *old = imggif->movie())
                old->deleteLater();
            imggif->setMovie(movie);
            movie->start();
        } else {
            failed = true;
        }
    }
    if (failed)
        m_bannerShown = false;
    pan->setVisible(m_bannerShown);
}

void Tfrmmain::imggifClick()
{
    m_services.desktop.openDocument(QString::fromLatin1(kAdvertisedPage));
}

void Tfrmmain::Panel1Click()
{
    m_bannerShown = false;
    pan->hide();
}
