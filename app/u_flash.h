#pragma once

#include "base/program_folder.h"

#include <QDialog>

class Desktop;
class QLabel;
class QTimer;

// The splash screen: the title and the maker's lines over a picture, shown
// modally before the main window and closed by its own timer on the fifth
// one-second tick, whatever its set-up met.
class Tfrmflash : public QDialog
{
public:
    // Runs the set-up: the captions from "附属/flash.txt", then the picture
    // "图片/flash.jpg". A failure is shown in an error box and ends the
    // set-up at that step.
    Tfrmflash(Desktop &desktop, ProgramFolder folder, QWidget *parent = nullptr);

    void Timer1Timer();
    int ticks() const { return m_ticks; }

    // Only the timer ends the splash: Escape and the window system's close
    // request, which a dialog takes as a rejection, do nothing.
    void reject() override {}

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblchuping = nullptr;
    QLabel *lblshiyong = nullptr;
    QLabel *lblweb = nullptr;
    QLabel *lblqq = nullptr;
    QLabel *lblmail = nullptr;
    QLabel *lblphone = nullptr;
    QTimer *Timer1 = nullptr;

private:
    void FormCreate();

    Desktop &m_desktop;
    ProgramFolder m_folder;
    int m_ticks = 0;
};
