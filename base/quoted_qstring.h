#pragma once

#include "base/quoted_text.h"

#include <QString>

// quotedText for the texts the windows hold.
inline QString quotedText(const QString &text)
{
    return QString::fromStdString(quotedText(text.toStdString()));
}
