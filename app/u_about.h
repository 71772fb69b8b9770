#pragma once

#include "base/program_folder.h"

#include <QDialog>

class Desktop;
class QLabel;
class QPushButton;

// "关于本程序": the program's title and version with the author's lines,
// read once from "附属/about.txt" when the box is made.
class Tfrmabout : public QDialog
{
public:
    Tfrmabout(Desktop &desktop, ProgramFolder folder, QWidget *parent = nullptr);

    void btncloseClick();

    QWidget *Shape1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblauthor = nullptr;
    QLabel *lblbanquan = nullptr;
    QLabel *lblweb = nullptr;
    QLabel *lblqq = nullptr;
    QLabel *lblphone2 = nullptr;
    QLabel *lblphone1 = nullptr;
    QLabel *lblmail = nullptr;
    QLabel *Image1 = nullptr;
    QPushButton *btnclose = nullptr;

private:
    void FormCreate();

    Desktop &m_desktop;
    ProgramFolder m_folder;
};
