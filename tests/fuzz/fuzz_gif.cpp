// The banner's decoding path: the bytes of guanggao.gif become an animation
// or are refused, and every frame of an accepted one can be read.
#include "media/banner_movie.h"

#include <QGuiApplication>
#include <QMovie>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QObject owner;
    QMovie *movie
        = bannerMovie(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)), &owner);
    if (movie) {
        for (int frame = 0; frame < 16 && movie->jumpToNextFrame(); ++frame)
            (void)movie->currentImage();
    }
    return 0;
}
