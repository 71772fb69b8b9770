#pragma once

#include "base/program_folder.h"

#include <QDialog>

class Desktop;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;

// The add-lottery dialog "彩票操作". Created once and kept; its fields keep
// what was typed last. Ends with Accepted once a lottery has been added.
class Tfrmindex : public QDialog
{
public:
    Tfrmindex(Desktop &desktop, ProgramFolder folder, QWidget *parent = nullptr);

    void btnaddClick();
    void btnextClick();
    void FormClick();

    QLabel *Label2 = nullptr;
    QLineEdit *edtcainame = nullptr;
    RadioGroup *optcaitype = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *edtcaisum = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *edtcaisel = nullptr;
    QPushButton *btnadd = nullptr;
    QPushButton *btnext = nullptr;

private:
    void refuse(const QString &message);

    Desktop &m_desktop;
    ProgramFolder m_folder;
};
