#include "app/confirm_box.h"

#include "ui/desktop.h"

#include <QMessageBox>
#include <QPushButton>

bool confirmed(Desktop &desktop, QWidget *owner, const QString &caption, const QString &text,
               const QString &yes)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    QPushButton *yesButton = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton *cancelButton = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(cancelButton);
    box.setEscapeButton(cancelButton);
    desktop.runModal(&box);
    return box.clickedButton() == yesButton;
}
