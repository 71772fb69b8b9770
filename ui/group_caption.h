#pragma once

class QGroupBox;

// Draws a group's caption on its frame line, the frame starting half a line
// below the group's top, so that controls placed 13 pixels down (the number
// boxes, the choices of a radio group) stand inside the frame.
void putCaptionOnFrame(QGroupBox *group);
