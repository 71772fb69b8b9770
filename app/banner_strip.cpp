#include "app/banner_strip.h"

#include "media/banner_fetch.h"
#include "media/banner_movie.h"
#include "ui/click_label.h"

#include <QFile>
#include <QMovie>

BannerStrip::BannerStrip(std::shared_ptr<BannerFetch> fetch, QString file, QWidget *parent)
    : QFrame(parent)
    , m_fetch(std::move(fetch))
    , m_file(std::move(file))
    , m_picture(new ClickLabel(this))
    , m_closer(new ClickLabel(QStringLiteral("×"), this))
{
    setObjectName(QStringLiteral("pan"));
    setGeometry(13, 0, 652, 65);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    // Transparent pixels of the picture show the panel, not the title below.
    setAutoFillBackground(true);
    m_picture->setObjectName(QStringLiteral("imggif"));
    m_picture->setGeometry(1, 1, 650, 63);
    m_picture->setScaledContents(true);
    m_picture->setCursor(Qt::PointingHandCursor);
    m_closer->setObjectName(QStringLiteral("Panel1"));
    m_closer->setGeometry(296, 16, 25, 25);
    m_closer->setAlignment(Qt::AlignCenter);
    QFont closeFont = m_closer->font();
    closeFont.setPixelSize(24);
    // The Chinese face draws "×" with thin strokes; light on dark it needs
    // the weight that the face of Windows gives it.
    closeFont.setBold(true);
    m_closer->setFont(closeFont);
    m_closer->setAutoFillBackground(true);
    QPalette closeColours = m_closer->palette();
    closeColours.setColor(QPalette::Window, closeColours.color(QPalette::Shadow));
    closeColours.setColor(QPalette::WindowText, palette().color(QPalette::Window));
    m_closer->setPalette(closeColours);
    m_closer->setCursor(Qt::PointingHandCursor);
    m_fetch->onFinished = [this] {
        if (const std::optional<bool> stored = m_fetch->takeOutcome())
            showOutcome(*stored);
    };
}

BannerStrip::~BannerStrip()
{
    m_fetch->onFinished = nullptr;
}

void BannerStrip::step()
{
    std::optional<bool> stored = m_fetch->takeOutcome(); // begun beside the splash, ended
    if (!stored && !m_fetch->running()) {
        m_fetch->start();
        stored = m_fetch->takeOutcome(); // there at once without an address
    }
    if (stored)
        showOutcome(*stored);
    else if (!m_stepped)
        setVisible(m_shown && loadPicture());
    m_stepped = true;
}

void BannerStrip::dismiss()
{
    m_shown = false;
    hide();
}

bool BannerStrip::pending() const
{
    return m_fetch->running();
}

void BannerStrip::showOutcome(bool stored)
{
    // The picture is decoded from the file, also the one of an earlier run
    // when this download failed.
    bool failed = !stored;
    if (QFile::exists(m_file) && !loadPicture())
        failed = true;
    if (failed)
        m_shown = false;
    setVisible(m_shown);
}

bool BannerStrip::loadPicture()
{
    QFile picture(m_file);
    if (!picture.open(QIODevice::ReadOnly))
        return false;
    QMovie *movie = bannerMovie(picture.readAll(), m_picture);
    if (!movie)
        return false;
    // It plays from a copy in memory.
    if (QMovie *old = m_picture->movie())
        old->deleteLater();
    m_picture->setMovie(movie);
    movie->start();
    return true;
}
