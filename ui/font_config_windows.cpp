#include "ui/font_config.h"

void loadFontConfiguration()
{
    // Windows keeps its font list ready; Qt asks the system for it when the
    // first font is made, and there is nothing to read beforehand.
}
