#include "ui/qt_desktop.h"

#include "base/quoted_text.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

namespace {

// A message box is made as narrow as its text, and the window manager then
// cuts its title ("Ko…器"). The title is drawn in the manager's own font,
// often larger and bolder than the box's, beside an icon and three buttons:
// the box keeps room for all of them.
void makeRoomForTitle(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    const int room = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + 150;
    grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                  1, grid->columnCount());
}

QString runFileDialog(QWidget *owner, const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner, request.title, request.initialFolder, qtFileFilter(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askBeforeReplacing);
    // The proposed folder lies where a player never looks; the home and
    // documents folders beside it let saved files go where the player finds them.
    QList<QUrl> places;
    for (const QString &folder : {request.initialFolder, QDir::homePath(),
                                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        const QUrl place = QUrl::fromLocalFile(QDir::cleanPath(folder));
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && !places.contains(place))
            places << place;
    }
    dialog.setSidebarUrls(places);
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

class DialogProgress : public Desktop::Progress
{
public:
    DialogProgress(QWidget *owner, const QString &title, int maximum)
        : m_dialog(title, QStringLiteral("取消"), 0, maximum, owner)
    {
        m_dialog.setWindowTitle(title);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(500);
    }

    bool setValue(int value, const QString &label) override
    {
        m_dialog.setLabelText(label);
        m_dialog.setValue(value);
        // Until the dialog shows and blocks the window, the window paints
        // but takes no clicks or keys, which would act in the middle of the
        // job; they are delivered afterwards.
        keepResponsive();
        return !m_dialog.wasCanceled();
    }

    void keepResponsive() override
    {
        QCoreApplication::processEvents(m_dialog.isVisible() ? QEventLoop::AllEvents
                                                             : QEventLoop::ExcludeUserInputEvents);
    }

private:
    QProgressDialog m_dialog;
};

} // namespace

QString qtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString &pattern = parts[i + 1];
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") + pattern + QLatin1Char(')');
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

void QtDesktop::message(QWidget *owner, MessageKind kind, const QString &caption, const QString &text)
{
    messageWithDetails(owner, kind, caption, text, {});
}

void QtDesktop::messageWithDetails(QWidget *owner, MessageKind kind, const QString &caption,
                                   const QString &text, const QString &details)
{
    const QMessageBox::Icon icon = kind == MessageKind::Error         ? QMessageBox::Critical
                                   : kind == MessageKind::Information ? QMessageBox::Information
                                                                      : QMessageBox::NoIcon;
    // Whatever a message quotes shows as the characters it holds, never as
    // markup, and a runaway text cannot make the box outgrow the screen.
    QMessageBox box(icon, caption, QString::fromStdString(boundedMessage(text.toStdString())),
                    QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    // Qt shows detailed text as plain text in a scrollable field; it is not
    // bounded, since the player opens it to read every line.
    if (!details.isEmpty())
        box.setDetailedText(details);
    makeRoomForTitle(box);
    box.exec();
}

Desktop::Answer QtDesktop::ask(QWidget *owner, const QString &caption, const QString &text,
                               const QString &yes, const QString &no, const QString &cancel)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, owner);
    QPushButton *yesButton = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton *noButton = no.isEmpty() ? nullptr : box.addButton(no, QMessageBox::DestructiveRole);
    QPushButton *cancelButton = box.addButton(cancel, QMessageBox::RejectRole);
    box.setDefaultButton(yesButton);
    box.setEscapeButton(cancelButton);
    makeRoomForTitle(box);
    box.exec();
    if (box.clickedButton() == yesButton)
        return Answer::Yes;
    if (noButton && box.clickedButton() == noButton)
        return Answer::No;
    return Answer::Cancel;
}

QString QtDesktop::openFileName(QWidget *owner, const FileDialogRequest &request)
{
    return runFileDialog(owner, request, QFileDialog::AcceptOpen);
}

QString QtDesktop::saveFileName(QWidget *owner, const FileDialogRequest &request)
{
    return runFileDialog(owner, request, QFileDialog::AcceptSave);
}

void QtDesktop::openDocument(const QString &fileOrAddress)
{
    const bool local = QFileInfo::exists(fileOrAddress);
    if (QDesktopServices::openUrl(local ? QUrl::fromLocalFile(fileOrAddress) : QUrl(fileOrAddress)) || !local)
        return;
    // Without a desktop that knows how to open files (no xdg-open), the help
    // still opens in a viewer for compiled HTML help that the player installed.
    if (fileOrAddress.endsWith(QStringLiteral(".chm"), Qt::CaseInsensitive)) {
        for (const QString &viewer : {QStringLiteral("xchm"), QStringLiteral("kchmviewer")}) {
            const QString program = QStandardPaths::findExecutable(viewer);
            if (!program.isEmpty() && QProcess::startDetached(program, {fileOrAddress}))
                return;
        }
    }
}

void QtDesktop::startProgram(const QString &programFile)
{
    QProcess::startDetached(programFile, {});
}

bool QtDesktop::startProcess(const QString &program, const QStringList &arguments,
                             const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessEnvironment(environment);
    return process.startDetached();
}

QString QtDesktop::findProgram(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

QImage QtDesktop::grabScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->grabWindow(0).toImage();
}

int QtDesktop::runModal(QDialog *dialog)
{
    return dialog->exec();
}

bool QtDesktop::choosePrinter(QWidget *owner, QPrinter &printer)
{
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

void QtDesktop::previewPrint(QWidget *owner, const std::function<void(QPrinter &)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, owner);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *target) { paint(*target); });
    dialog.exec();
}

std::unique_ptr<Desktop::Progress> QtDesktop::startProgress(QWidget *owner, const QString &title, int maximum)
{
    return std::make_unique<DialogProgress>(owner, title, maximum);
}

std::optional<QString> QtDesktop::askText(QWidget *owner, const QString &title, const QString &label,
                                          const QString &text)
{
    QInputDialog dialog(owner);
    dialog.setWindowTitle(title);
    dialog.setTextValue(text);
    dialog.setLabelText(QString::fromStdString(boundedMessage(label.toStdString())));
    for (QLabel *shown : dialog.findChildren<QLabel *>())
        shown->setTextFormat(Qt::PlainText);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void QtDesktop::copyText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}
