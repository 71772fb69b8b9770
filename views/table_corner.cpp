#include "views/table_corner.h"

#include <QAbstractButton>
#include <QStyleOptionHeader>
#include <QStylePainter>

void paintTableCorner(QAbstractButton *corner, const QString &text, Qt::Alignment alignment)
{
    QStylePainter painter(corner);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = text;
    option.textAlignment = alignment;
    painter.drawControl(QStyle::CE_Header, option);
}
