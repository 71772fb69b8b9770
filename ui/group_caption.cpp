#include "ui/group_caption.h"

#include <QGroupBox>

void putCaptionOnFrame(QGroupBox *group)
{
    // The style draws a caption above its frame, which then begins a whole
    // line down, behind controls placed for a frame through the caption.
    const int halfLine = group->fontMetrics().height() / 2;
    group->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 3px;"
                                        " margin-top: %1px; }"
                                        "QGroupBox::title { subcontrol-origin: margin;"
                                        " subcontrol-position: top left; left: 6px; padding: 0 2px; }")
                             .arg(halfLine));
}
