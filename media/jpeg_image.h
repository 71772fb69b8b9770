#pragma once

#include <QImage>
#include <QString>

#include <string_view>

// JPEG pictures decoded with libjpeg's decompression interface. A file that
// is missing, truncated, corrupt or no JPEG throws AppError with a message
// for the player; nothing ends the program.
QImage decodeJpeg(std::string_view bytes);
QImage readJpeg(const QString &path);

// A picture stored with the program (a Qt resource such as
// ":/pictures/logo-main.jpg"); a null image if it cannot be decoded.
QImage storedJpeg(const QString &resource);
