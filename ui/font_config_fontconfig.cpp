#include "ui/font_config.h"

#include <fontconfig/fontconfig.h>

void loadFontConfiguration()
{
    FcInit();
}
