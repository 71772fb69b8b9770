#pragma once

#include <QString>

class QAbstractButton;

// Paints the corner button over a table view's row headers as one more
// header section holding `text`; Qt's own corner is blank.
void paintTableCorner(QAbstractButton *corner, const QString &text, Qt::Alignment alignment);
