#pragma once

class QGroupBox;

// Draws a group's frame as a plain rounded line in the window's colours.
// Qt's own style paints it from a picture, and the first such picture makes
// Qt load every picture plug-in while the window is first painted.
void plainFrame(QGroupBox *group);

// A plain frame with the caption on its line, the frame starting half a line
// below the group's top, so that controls placed 13 pixels down (the number
// boxes, the choices of a radio group) stand inside the frame.
void putCaptionOnFrame(QGroupBox *group);
