#pragma once

class Desktop;
class QWidget;

// Saves a picture of the whole screen, taken before the dialog opens, as a
// BMP file under the name the player types, exactly as typed. Cancelling
// writes nothing; a file that cannot be written throws AppError.
void ScreenCapture(QWidget *owner, Desktop &desktop);
