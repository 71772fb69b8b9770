#include "fake_desktop.h"

#include <QDialog>
#include <QPrinter>
#include <QWidget>

void FakeDesktop::message(QWidget *owner, MessageKind kind, const QString &caption, const QString &text)
{
    messages.push_back({kind, caption, text, owner && owner->isVisible(), {}});
}

void FakeDesktop::messageWithDetails(QWidget *owner, MessageKind kind, const QString &caption,
                                     const QString &text, const QString &details)
{
    messages.push_back({kind, caption, text, owner && owner->isVisible(), details});
}

Desktop::Answer FakeDesktop::ask(QWidget *, const QString &caption, const QString &text, const QString &yes,
                                 const QString &no, const QString &cancel)
{
    questions.push_back({caption, text, {yes, no, cancel}});
    if (answers.empty())
        return Answer::Cancel;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
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

bool FakeDesktop::startProcess(const QString &program, const QStringList &arguments,
                               const QProcessEnvironment &environment)
{
    processes.push_back({program, arguments, environment});
    return processStarts;
}

QString FakeDesktop::findProgram(const QString &name)
{
    return installedPrograms.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
}

QImage FakeDesktop::grabScreen()
{
    ++screenGrabs;
    return screen;
}

void FakeDesktop::clearRecords()
{
    messages.clear();
    questions.clear();
    dialogs.clear();
    openedDocuments.clear();
    startedPrograms.clear();
    processes.clear();
    askedTitles.clear();
    askedLabels.clear();
    progressValues.clear();
    modalDialogs.clear();
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

bool FakeDesktop::choosePrinter(QWidget *, QPrinter &printer)
{
    ++printDialogs;
    if (printTargets.empty())
        return false;
    const QString target = printTargets.front();
    printTargets.pop_front();
    if (target.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target);
    return true;
}

void FakeDesktop::previewPrint(QWidget *, const std::function<void(QPrinter &)> &paint)
{
    ++previews;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(previewFile);
    paint(printer);
}

namespace {

class FakeProgress : public Desktop::Progress
{
public:
    explicit FakeProgress(FakeDesktop &desktop)
        : m_desktop(desktop)
    {}
    bool setValue(int value, const QString &) override
    {
        m_desktop.progressValues.push_back(value);
        return value != m_desktop.cancelAt;
    }

private:
    FakeDesktop &m_desktop;
};

} // namespace

std::unique_ptr<Desktop::Progress> FakeDesktop::startProgress(QWidget *, const QString &, int maximum)
{
    progressMaximum = maximum;
    return std::make_unique<FakeProgress>(*this);
}

std::optional<QString> FakeDesktop::askText(QWidget *, const QString &title, const QString &label,
                                            const QString &text)
{
    askedTitles << title;
    askedLabels << label;
    askedTexts << text;
    if (textAnswers.empty())
        return std::nullopt;
    QString answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}
