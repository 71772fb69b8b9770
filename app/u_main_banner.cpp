// The advertisement strip across the top of the main window.
#include "app/u_main.h"
#include "media/banner_movie.h"
#include "ui/click_label.h"
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
    // The download runs beside the window (the first one began beside the
    // splash) and ends in showBanner. Until then a strip keeps what it
    // shows; at the first run that is the picture of an earlier run, if any.
    std::optional<bool> stored = m_bannerFetch->takeOutcome(); // begun beside the splash, ended
    if (!stored && !m_bannerFetch->running()) {
        m_bannerFetch->start();
        stored = m_bannerFetch->takeOutcome(); // there at once without an address
    }
    if (stored) {
        showBanner(*stored);
    } else if (!m_bannerStepped) {
        pan->setVisible(m_bannerShown && loadBannerPicture());
    }
    m_bannerStepped = true;
}

void Tfrmmain::showBanner(bool stored)
{
    // The picture is decoded from the file, also the one of an earlier run
    // when this download failed.
    bool failed = !stored;
    if (QFile::exists(qPath(m_services.folder.bannerFile())) && !loadBannerPicture())
        failed = true;
    if (failed)
        m_bannerShown = false;
    pan->setVisible(m_bannerShown);
}

bool Tfrmmain::loadBannerPicture()
{
    QFile picture(qPath(m_services.folder.bannerFile()));
    if (!picture.open(QIODevice::ReadOnly))
        return false;
    QMovie *movie = bannerMovie(picture.readAll(), imggif);
    if (!movie)
        return false;
    // It plays from a copy in memory.
    if (QMovie *old = imggif->movie())
        old->deleteLater();
    imggif->setMovie(movie);
    movie->start();
    return true;
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
