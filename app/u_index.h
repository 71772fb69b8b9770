#pragma once

#include "base/program_folder.h"

#include <QDialog>

class Desktop;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;

// The add-lottery dialog "彩票操作". Created once and kept; its fields keep
// what was typed last. Ends with Accepted once a lottery has been added.
// Below its designed layout, "有后区" opens the fields of a back zone.
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
    QCheckBox *chkhouqu = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *edthouquname = nullptr;
    QLabel *Label7 = nullptr;
    QLineEdit *edthouqusum = nullptr;
    QLabel *Label8 = nullptr;
    QLineEdit *edthouqusel = nullptr;

private:
    void refuse(const QString &message);
    void showBackFields(bool shown);

    Desktop &m_desktop;
    ProgramFolder m_folder;
};
