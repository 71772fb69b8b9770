#pragma once

#include <QImage>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

// What a window asks of a file dialog. The filter is written as the player
// sees it described, "图片(*.bmp)|*.bmp": description and pattern pairs
// separated by "|".
struct FileDialogRequest
{
    QString title;
    QString initialFolder;
    QString filter;
    QString defaultSuffix; // without the dot; empty for none
    QString suggestedName;
    bool askBeforeReplacing = true; // a save dialog asks before an existing file is replaced
};

enum class MessageKind {
    Plain,       // a notice with the application title and no icon
    Information, // a notice with an information icon
    Error,       // an error icon
};

// The desktop as the windows see it: message boxes, file dialogs, the shell
// and the screen. The program passes the Qt implementation; tests pass a fake
// that records what was asked and answers from a queue.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // The answer to a question of three buttons; closing the box is Cancel.
    enum class Answer { Yes, No, Cancel };

    // A modal box with one button "确定".
    virtual void message(QWidget *owner, MessageKind kind, const QString &caption, const QString &text) = 0;

    // The same box with `details` of any length, which the player opens in
    // a scrollable field below the text.
    virtual void messageWithDetails(QWidget *owner, MessageKind kind, const QString &caption,
                                    const QString &text, const QString &details)
        = 0;

    // A modal question with three buttons labelled `yes`, `no` and `cancel`
    // (for example "保存", "不保存", "取消"); an empty `no` leaves that button
    // out, for a question of yes or cancel ("删除", "取消").
    virtual Answer ask(QWidget *owner, const QString &caption, const QString &text, const QString &yes,
                       const QString &no, const QString &cancel)
        = 0;

    // The chosen file name, or an empty text when the player cancelled.
    virtual QString openFileName(QWidget *owner, const FileDialogRequest &request) = 0;
    virtual QString saveFileName(QWidget *owner, const FileDialogRequest &request) = 0;

    // Opens a file or web address in the program the system chooses for it.
    virtual void openDocument(const QString &fileOrAddress) = 0;

    // Starts a program as a separate process and does not wait for it.
    virtual void startProgram(const QString &programFile) = 0;

    // Starts a program with these arguments and this environment, not
    // waiting for it; false when it could not be started.
    virtual bool startProcess(const QString &program, const QStringList &arguments,
                              const QProcessEnvironment &environment)
        = 0;

    // Where an installed program of this name lies on the search path, or
    // an empty text when none is installed.
    virtual QString findProgram(const QString &name) = 0;

    // The whole screen's current contents.
    virtual QImage grabScreen() = 0;

    // The print dialog for this printer; false when the player cancelled.
    virtual bool choosePrinter(QWidget *owner, QPrinter &printer) = 0;

    // A preview of the pages `paint` draws on the printer it is given.
    virtual void previewPrint(QWidget *owner, const std::function<void(QPrinter &)> &paint) = 0;

    // Progress of a long job, `maximum` steps; setValue answers false once
    // the player has asked to stop. The window stays responsive meanwhile.
    class Progress
    {
    public:
        virtual ~Progress() = default;
        virtual bool setValue(int value, const QString &label) = 0;
        // Lets the window paint and answer between two values, while the
        // job runs on another thread.
        virtual void keepResponsive() {}
    };
    virtual std::unique_ptr<Progress> startProgress(QWidget *owner, const QString &title, int maximum) = 0;

    // Asks for one line of text, offering `text` to change (a proposal, or
    // what the player typed before); an empty optional when cancelled.
    virtual std::optional<QString> askText(QWidget *owner, const QString &title, const QString &label,
                                           const QString &text = {})
        = 0;

    // Puts text on the clipboard.
    virtual void copyText(const QString &text) = 0;

    // Shows one of the program's own dialogs modally and returns its result
    // (QDialog::Accepted or Rejected).
    virtual int runModal(QDialog *dialog) = 0;
};
