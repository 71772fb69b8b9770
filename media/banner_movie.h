#pragma once

#include <QByteArray>

class QMovie;
class QObject;

// The banner picture as an animation playing from its own copy of the
// bytes, or nullptr when the bytes are no GIF picture Qt can decode.
QMovie *bannerMovie(const QByteArray &bytes, QObject *parent);
