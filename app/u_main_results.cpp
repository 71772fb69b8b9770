// The main window's handlers that write, read and print the result grid.
#include "app/u_main.h"
#include "base/app_error.h"
#include "base/file_io.h"
#include "catalogue/catalogue_store.h"
#include "results/loaded_rows.h"
#include "results/number_file.h"
#include "results/printout.h"
#include "results/result_grid_model.h"
#include "ui/background_job.h"
#include "ui/clock.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"
#include "views/qt_print_surface.h"
#include "views/result_grid_view.h"

#include <QComboBox>
#include <QFile>
#include <QPrinter>

#include <algorithm>
#include <optional>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// The steps of a load's progress: a thousandth of the file's lines each.
constexpr int kLoadProgressSteps = 1000;

// The file's bytes and a file equal to the grid shown are freed on the
// reading thread, whose heap would keep their pages: they go back to the
// system, so that loading a file again and again does not grow the program.
void releaseFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace

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
    // The file is read, split and indexed on a thread of its own, with 取消
    // offered from the start; the window goes on painting, and a stopped
    // load leaves everything as it was. The grid shown is handed over as it
    // is now (its rows shared, never changed in place) so that a file of
    // the same rows takes them over.
    const std::string path = nativePath(fileName);
    const std::optional<Lottery> current = m_hasLottery ? std::optional(m_current.lottery) : std::nullopt;
    const ResultGrid shown = m_gridModel->grid();
    std::optional<Outcome<NumberFileContent>> parsed;
    LoadedRows loaded;
    const std::unique_ptr<Desktop::Progress> progress
        = m_services.desktop.startProgress(this, QStringLiteral("加载号码"), kLoadProgressSteps);
    const bool finished = runInBackground(*progress, [&](JobProgress &job) {
        // The first report starts the clock after which the progress shows.
        job.report(0, QStringLiteral("正在读取文件…"));
        // A bound on what is read keeps a huge file from filling memory
        // before it is refused.
        std::string bytes = readFile(path, kMaxNumberFileBytes + 1);
        parsed = parseNumberFile(bytes, current, [&job](std::size_t read, std::size_t lines) {
            return job.report(static_cast<int>(read * kLoadProgressSteps / std::max<std::size_t>(lines, 1)),
                              QStringLiteral("正在读取第%1行，共%2行").arg(read).arg(lines));
        });
        std::string().swap(bytes); // the rows hold copies of what they need
        if (parsed->accepted() && parsed->value().headerError.empty() && !parsed->value().cancelled)
            loaded = loadedRows(std::move(parsed->value().grid), parsed->value().lottery, shown);
        releaseFreedMemory();
    });
    if (!finished || (parsed->accepted() && parsed->value().cancelled))
        return;
    progress->setValue(kLoadProgressSteps, QString());
    if (!parsed->accepted()) {
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                   QString::fromStdString(parsed->refusal()));
        return;
    }
    NumberFileContent &content = parsed->value();
    if (!content.headerError.empty()) {
        // The name line has been read when a later header line fails.
        selectListedName(QString::fromStdString(content.name));
        m_current.name = QString::fromStdString(content.name);
        throw AppError(content.headerError);
    }
    // The rows are put in first: rows that do not fit the file's lottery
    // stop the load before anything has changed.
    const LotteryInfo before = m_current;
    const LotteryInfo loadedLottery = content.headerLayout
                                          ? LotteryInfo{QString::fromStdString(content.name), content.lottery}
                                          : m_current;
    replaceGrid(std::move(loaded.rows), loadedLottery.lottery.numberCount(), before);
    QStringList words;
    if (content.headerLayout) {
        // A listed name of another shape: the rows keep the file's shape;
        // the catalogue's lottery of that name is neither read into it nor
        // changed, and choosing it from the list brings it back whole.
        if (const std::optional<LotteryInfo> listed = listedLottery(loadedLottery.name);
            listed && listed->lottery != loadedLottery.lottery)
            words << QString::fromStdString(otherShapeWarning(content.name, loadedLottery.lottery));
        selectListedName(loadedLottery.name);
        applyLottery(loadedLottery);
        commodeClick();
    }
    grdcode->setAllColumnWidths(loadedColumnWidth(grdcode->clientWidth(), m_current.lottery.numberCount()));
    if (!loaded.misfits.rows.empty())
        words << QString::fromStdString(misfitMessage(loaded.misfits, m_current.name.toStdString()));
    // One message for all there is to say about the file.
    if (!words.isEmpty())
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                   words.join(QStringLiteral("\n\n")));
}

std::optional<LotteryInfo> Tfrmmain::listedLottery(const QString &name) const
{
    const std::vector<CatalogueRow> rows = CatalogueStore(qPath(m_services.folder.catalogue())).readAll();
    if (const CatalogueRow *row = namedRow(rows, name))
        return lotteryFromRow(*row);
    return std::nullopt;
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
    // A long printout is previewed by its first pages: the preview holds
    // every page it shows, and would hold them all.
    const int pages = printPageCount(grid);
    if (pages > kPreviewPages)
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                   QStringLiteral("共%1页，预览只显示前%2页；打印号码时打印全部%1页。")
                                       .arg(pages)
                                       .arg(kPreviewPages));
    m_services.desktop.previewPrint(this, [&](QPrinter &printer) {
        QtPrintSurface surface(&printer);
        printResultGrid(grid, job, surface, {}, kPreviewPages);
    });
}
