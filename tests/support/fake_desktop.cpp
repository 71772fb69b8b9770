#include "fake_desktop.h"

#include <QDialog>

void FakeDesktop::message(QWidget *, MessageKind kind, const QString &caption, const QString &text)
{
    messages.push_back({kind, caption, text});
}

QString FakeDesktop::openFileName(QWidget *, const FileDialogRequest &request)
{
    dialogs.push_back(request);
    if (fileAnswers.empty())
        return {};
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

QString FakeDesktop::saveFileName(QWidget *owner, const FileDialogRequest &request)
{
    return openFileName(owner, request);
}

void FakeDesktop::openDocument(const QString &fileOrAddress)
{
    openedDocuments << fileOrAddress;
}

void FakeDesktop::startProgram(const QString &programFile)
{
    startedPrograms << programFile;
}

QImage FakeDesktop::grabScreen()
{
    ++screenGrabs;
    return screen;
}

QStringList FakeDesktop::messageTexts() const
{
    QStringList texts;
    for (const Message &m : messages)
        texts << m.text;
    return texts;
}

int FakeDesktop::runModal(QDialog *dialog)
{
    modalDialogs.push_back(dialog);
    dialog->setResult(QDialog::Rejected);
    if (modalScript)
        modalScript(dialog);
    return dialog->result();
}
