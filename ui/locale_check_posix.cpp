#include "ui/help_viewer.h"

#include <clocale>
#include <locale.h>

bool localeInstalled(const QString &name)
{
    const QByteArray bytes = name.toLocal8Bit();
    const locale_t loaded = ::newlocale(LC_ALL_MASK, bytes.constData(), static_cast<locale_t>(nullptr));
    if (!loaded)
        return false;
    ::freelocale(loaded);
    return true;
}
