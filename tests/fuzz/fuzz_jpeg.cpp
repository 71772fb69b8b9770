// The JPEG reader: any bytes decode or fail with an ordinary error.
#include "base/app_error.h"
#include "media/jpeg_image.h"

#include <QGuiApplication>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        const QImage image = decodeJpeg(std::string_view(reinterpret_cast<const char *>(data), size));
        if (image.isNull())
            __builtin_trap();
    } catch (const AppError &) {
    }
    return 0;
}
