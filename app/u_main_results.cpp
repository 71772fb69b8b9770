// The main window's handlers that write, read and print the result grid.
#include "app/u_main.h"
#include "base/app_error.h"
#include "base/file_io.h"
#include "results/number_file.h"
#include "results/printout.h"
#include "results/result_grid_model.h"
#include "ui/clock.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"
#include "views/qt_print_surface.h"
#include "views/result_grid_view.h"

#include <QComboBox>
#include <QFile>
#include <QPrinter>

#include <climits>

FileDialogRequest Tfrmmain::numberFileDialog() const
{
    FileDialogRequest request;
    request.filter = QStringLiteral("文本文件(*.txt)|*.txt");
    request.defaultSuffix = QStringLiteral("txt");
    request.initialFolder = qPath(m_services.folder.auxiliaryFolder());
    return request;
}

void Tfrmmain::btnsaveClick()
{
    FileDialogRequest request = numberFileDialog();
    request.title = QStringLiteral("保存号码");
    request.askBeforeReplacing = false; // the chosen file is replaced without a question
    request.suggestedName = request.initialFolder
                            + suggestedSaveName(m_current.name, m_dateFormat.text(m_services.clock.today()));
    const QString fileName = m_services.desktop.saveFileName(this, request);
    if (fileName.isEmpty())
        return;
    const std::string bytes = savedNumberFile(m_gridModel->grid(), m_current.lottery);
    writeFileAtomically(nativePath(fileName), bytes);
    m_gridModel->markSaved();
    m_services.desktop.message(this, MessageKind::Plain, windowTitle(), QStringLiteral("成功保存！"));
}

void Tfrmmain::selectListedName(const QString &name)
{
    comcainame->setCurrentIndex(comcainame->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
    if (comcainame->currentIndex() < 0)
        comcainame->setEditText({});
}

void Tfrmmain::btnloadClick()
{
    FileDialogRequest request = numberFileDialog();
    request.title = QStringLiteral("加载号码");
    const QString fileName = m_services.desktop.openFileName(this, request);
    if (fileName.isEmpty())
        return;
    // A bound on what is read keeps a huge file from filling memory before
    // it is refused.
    const std::string bytes = readFile(nativePath(fileName), kMaxNumberFileBytes + 1);
    // A long file shows its progress, and the window goes on painting; a
    // stopped load leaves everything as it was.
    std::unique_ptr<Desktop::Progress> progress;
    int lineCount = 0;
    const auto reading = [&](std::size_t read, std::size_t lines) {
        lineCount = static_cast<int>(std::min<std::size_t>(lines, INT_MAX));
        if (!progress)
            progress = m_services.desktop.startProgress(this, QStringLiteral("加载号码"), lineCount);
        return progress->setValue(static_cast<int>(std::min<std::size_t>(read, INT_MAX)),
                                  QStringLiteral("正在读取第%1行，共%2行").arg(read).arg(lines));
    };
    auto parsed
        = parseNumberFile(bytes, m_hasLottery ? std::optional(m_current.lottery) : std::nullopt, reading);
    const bool cancelled = parsed.accepted() && parsed.value().cancelled;
    if (progress && !cancelled)
        progress->setValue(lineCount, QString());
    if (cancelled)
        return;
    if (!parsed.accepted()) {
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                   QString::fromStdString(parsed.refusal()));
        return;
    }
    NumberFileContent &content = parsed.value();
    if (!content.headerError.empty()) {
        // The name line has been read when a later header line fails.
        selectListedName(QString::fromStdString(content.name));
        m_current.name = QString::fromStdString(content.name);
        throw AppError(content.headerError);
    }
    // The rows are put in first: rows that do not fit the file's lottery
    // stop the load before anything has changed.
    const LotteryInfo before = m_current;
    const LotteryInfo loaded = content.headerLayout
                                   ? LotteryInfo{QString::fromStdString(content.name), content.lottery}
                                   : m_current;
    ResultGridModel::Snapshot rows;
    rows.grid = std::move(content.grid);
    replaceGrid(std::move(rows), loaded.lottery.numberCount(), before);
    if (content.headerLayout) {
        selectListedName(loaded.name);
        applyLottery(loaded);
        commodeClick();
    }
    grdcode->setAllColumnWidths(loadedColumnWidth(grdcode->clientWidth(), m_current.lottery.numberCount()));
}

void Tfrmmain::btnprintClick()
{
    const ResultGrid &shown = m_gridModel->grid();
    if (!shown.hasBets()) {
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(), QStringLiteral("请先生成表格！"));
        return;
    }
    // The job prints the grid as it was when it started, whatever the
    // player does while the progress is shown.
    const ResultGrid grid = shown;
    try {
        QPrinter printer(QPrinter::HighResolution);
        if (!m_services.desktop.choosePrinter(this, printer))
            return;
        m_dateFormat.switchToPrintFormat();
        const PrintJob job{m_current.name, m_current.lottery, m_dateFormat.text(m_services.clock.today())};
        const int pages = printPageCount(grid);
        std::unique_ptr<Desktop::Progress> progress;
        if (printShowsProgress(pages))
            progress = m_services.desktop.startProgress(this, QStringLiteral("打印号码"), pages);
        QtPrintSurface surface(&printer);
        const bool printed = printResultGrid(grid, job, surface, [&](int page, int count) {
            return !progress
                   || progress->setValue(page - 1, QStringLiteral("正在打印第%1页，共%2页")
                                                       .arg(QString::number(page), QString::number(count)));
        });
        if (printed && progress)
            progress->setValue(pages, QString());
    } catch (const std::exception &) {
        m_services.desktop.message(this, MessageKind::Error, QStringLiteral("错误"),
                                   QStringLiteral("请安装打印机！"));
    }
}

void Tfrmmain::printPreview()
{
    const ResultGrid &grid = m_gridModel->grid();
    if (!grid.hasBets()) {
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(), QStringLiteral("请先生成表格！"));
        return;
    }
    // The preview shows the pages as paper will: with the print date format.
    ShortDateFormat printFormat;
    printFormat.switchToPrintFormat();
    const PrintJob job{m_current.name, m_current.lottery, printFormat.text(m_services.clock.today())};
    m_services.desktop.previewPrint(this, [&](QPrinter &printer) {
        QtPrintSurface surface(&printer);
        printResultGrid(grid, job, surface);
    });
}
