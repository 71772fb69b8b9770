#include "media/banner_movie.h"

#include <QBuffer>
#include <QMovie>

QMovie *bannerMovie(const QByteArray &bytes, QObject *parent)
{
    auto *movie = new QMovie(parent);
    auto *buffer = new QBuffer(movie);
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    movie->setDevice(buffer);
    movie->setFormat("gif");
    if (movie->isValid() && movie->jumpToFrame(0))
        return movie;
    delete movie;
    return nullptr;
}
