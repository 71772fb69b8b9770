#pragma once

#include "qt_printers.h"
#include "ui/desktop.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// Records what a window asked of the desktop and answers file dialogs from a
// queue (an empty queue answers as a cancelled dialog).
class FakeDesktop : public Desktop
{
public:
    struct Message
    {
        MessageKind kind;
        QString caption;
        QString text;
        bool ownerShown = false; // whether the window it belongs to was on screen
        QString details;
    };

    struct Question
    {
        QString caption;
        QString text;
        QStringList buttons;
    };

    void message(QWidget *owner, MessageKind kind, const QString &caption, const QString &text) override;
    // Recorded as a message whose `details` are kept.
    void messageWithDetails(QWidget *owner, MessageKind kind, const QString &caption, const QString &text,
                            const QString &details) override;
    // Answers from `answers`; none left: Cancel, as closing the box would.
    Answer ask(QWidget *owner, const QString &caption, const QString &text, const QString &yes,
               const QString &no, const QString &cancel) override;
    QString openFileName(QWidget *owner, const FileDialogRequest &request) override;
    QString saveFileName(QWidget *owner, const FileDialogRequest &request) override;
    void openDocument(const QString &fileOrAddress) override;
    void startProgram(const QString &programFile) override;
    // Records the start in `processes`; answers `processStarts`.
    bool startProcess(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &environment) override;
    // A program named in `installedPrograms` lies in /usr/bin.
    QString findProgram(const QString &name) override;
    QImage grabScreen() override;
    // Plays the player's part in a modal dialog: the script acts on the
    // dialog, and the dialog's result is returned. No script: cancelled.
    int runModal(QDialog *dialog) override;
    // Answers from `textAnswers`; none left: cancelled.
    std::optional<QString> askText(QWidget *owner, const QString &title, const QString &label,
                                   const QString &text = {}) override;
    void copyText(const QString &text) override { clipboard = text; }
    // Answers print dialogs from `printTargets`: a PDF file name to print
    // to, or an empty text (or none left) for a cancelled dialog.
    bool choosePrinter(QWidget *owner, QPrinter &printer) override;
    // Paints the preview into `previewFile` as a PDF.
    void previewPrint(QWidget *owner, const std::function<void(QPrinter &)> &paint) override;
    std::unique_ptr<Progress> startProgress(QWidget *owner, const QString &title, int maximum) override;

    // The texts of every message so far, in order.
    QStringList messageTexts() const;
    // Forgets what was asked so far, for a long session that must not grow.
    void clearRecords();

    std::vector<Message> messages;
    std::vector<Question> questions;
    std::deque<Answer> answers;
    std::vector<FileDialogRequest> dialogs;
    std::deque<QString> fileAnswers;
    QStringList openedDocuments;
    QStringList startedPrograms;
    struct Process
    {
        QString program;
        QStringList arguments;
        QProcessEnvironment environment;
    };
    std::vector<Process> processes;
    bool processStarts = true;
    QStringList installedPrograms;
    QImage screen{64, 48, QImage::Format_RGB32};
    int screenGrabs = 0;
    std::function<void(QDialog *)> modalScript;
    std::deque<QString> printTargets;
    std::deque<QString> textAnswers;
    QStringList askedTitles;
    QStringList askedLabels;
    QStringList askedTexts; // what each question offered to change
    QString clipboard;
    int printDialogs = 0;
    QString previewFile;
    int previews = 0;
    // Progress shown: the maximum, then every value; cancels at `cancelAt`.
    std::vector<int> progressValues;
    int progressMaximum = -1;
    int cancelAt = -1;
    std::vector<QDialog *> modalDialogs;
};
