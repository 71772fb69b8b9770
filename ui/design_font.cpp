#include "ui/design_font.h"

#include "ui/font_config.h"

#include <QFontDatabase>
#include <QStringList>

#include <future>

namespace {

// Chinese faces of the common Linux font packages and of Windows, most
// wanted first.
const char *const kChineseFaces[] = {"WenQuanYi Micro Hei",
                                     "Noto Sans CJK SC",
                                     "Source Han Sans SC",
                                     "WenQuanYi Zen Hei",
                                     "Droid Sans Fallback",
                                     "AR PL UMing CN",
                                     "SimHei",
                                     "Microsoft YaHei",
                                     "SimSun"};

QString chineseFace()
{
    const QStringList installed = QFontDatabase::families();
    for (const char *face : kChineseFaces) {
        if (installed.contains(QLatin1String(face), Qt::CaseInsensitive))
            return QLatin1String(face);
    }
    return {};
}

std::future<void> &fontSetUp()
{
    static std::future<void> setUp;
    return setUp;
}

} // namespace

void startFontSetUp()
{
    if (!fontSetUp().valid())
        fontSetUp() = std::async(std::launch::async, [] { loadFontConfiguration(); });
}

QFont designFont(const QString &face, int pixels)
{
    if (fontSetUp().valid())
        fontSetUp().get();
    // The faces do not change while the program runs.
    static const QStringList installed = QFontDatabase::families();
    static const QString standIn = chineseFace();
    QFont font(installed.contains(face, Qt::CaseInsensitive) || standIn.isEmpty() ? face : standIn);
    font.setPixelSize(pixels);
    // Antialiased Chinese at these heights looks the same unhinted, and
    // fitting every glyph to the pixel grid first is a good part of what the
    // first paint of a window costs.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
