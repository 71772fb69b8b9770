#pragma once

#include "ui/desktop.h"

// The real desktop: Qt's message boxes and file dialogs, the system's
// handler for files and web addresses, and the primary screen.
class QtDesktop : public Desktop
{
public:
    void message(QWidget *owner, MessageKind kind, const QString &caption, const QString &text) override;
    void messageWithDetails(QWidget *owner, MessageKind kind, const QString &caption, const QString &text,
                            const QString &details) override;
    Answer ask(QWidget *owner, const QString &caption, const QString &text, const QString &yes,
               const QString &no, const QString &cancel) override;
    QString openFileName(QWidget *owner, const FileDialogRequest &request) override;
    QString saveFileName(QWidget *owner, const FileDialogRequest &request) override;
    void openDocument(const QString &fileOrAddress) override;
    void startProgram(const QString &programFile) override;
    bool startProcess(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &environment) override;
    QString findProgram(const QString &name) override;
    QImage grabScreen() override;
    int runModal(QDialog *dialog) override;
    std::optional<QString> askText(QWidget *owner, const QString &title, const QString &label,
                                   const QString &text = {}) override;
    void copyText(const QString &text) override;
    bool choosePrinter(QWidget *owner, QPrinter &printer) override;
    void previewPrint(QWidget *owner, const std::function<void(QPrinter &)> &paint) override;
    std::unique_ptr<Progress> startProgress(QWidget *owner, const QString &title, int maximum) override;
};

// "图片(*.bmp)|*.bmp" in the form Qt's file dialogs take: "图片(*.bmp)".
QString qtFileFilter(const QString &filter);
