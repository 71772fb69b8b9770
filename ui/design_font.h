#pragma once

#include <QFont>
#include <QString>

// A font of a face the design names (faces of Windows such as "MS Sans
// Serif" or "黑体"), at a height in pixels. Where the system lacks that
// face, the first installed face that holds Chinese stands in for it, as
// the font's only face: a font asked for by a missing name makes Qt search
// all the system's faces for stand-ins, anew for every font and for every
// script of its text, and those searches are a good part of what a first
// window costs before it shows.
QFont designFont(const QString &face, int pixels);

// Reading the system's font configuration is the dearest step of the first
// text a window measures, and it needs nothing of Qt: started on a thread
// of its own before the application object is made, it runs while Qt starts
// up. designFont waits for it.
void startFontSetUp();
