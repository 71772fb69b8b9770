// The history window and its first tab, the stored draws.
#include "app/history/history_window.h"

#include "app/history/ledger_tab.h"
#include "app/history/window_parts.h"
#include "app/lottery_shape.h"
#include "base/file_io.h"
#include "history/check_text.h"
#include "history/draw_text.h"
#include "history/history_store.h"
#include "history/next_issue.h"
#include "results/save_name.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"
#include "ui/guard.h"
#include "ui/window_place.h"
#include "views/table_model.h"
#include "views/trend_model.h"
#include "views/trend_picture.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *result = new QPushButton(text, parent);
    result->setObjectName(QLatin1String(name));
    result->setAutoDefault(false);
    return result;
}

// The narrowest the window is useful at (its buttons, a few chart columns),
// and how much of the main window, from its left, holds its grid.
constexpr int kLeastWidth = 480;
constexpr int kMainGridRight = 470;

} // namespace

HistoryWindow::HistoryWindow(HistoryServices services, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("historyWindow"));
    resize(880, 580);
    auto *layout = new QVBoxLayout(this);
    drawCountLabel = new QLabel(this);
    drawCountLabel->setObjectName(QStringLiteral("drawCountLabel"));
    drawCountLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(drawCountLabel);
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    layout->addWidget(tabs);
    createDrawsTab();
    createTrendTab();
    createStatsTab();
    ledgerTab = new LedgerTab(m_services, tabs);
    tabs->addTab(ledgerTab, QStringLiteral("我的投注"));
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::createDrawsTab()
{
    auto *page = new QWidget(tabs);
    auto *layout = new QHBoxLayout(page);
    m_drawModel = new FunctionTableModel(this);
    drawTable = listTable(page, "drawTable", m_drawModel);
    layout->addWidget(drawTable, 1);

    auto *buttons = new QVBoxLayout;
    importButton = button(page, "importButton", QStringLiteral("导入…"));
    exportButton = button(page, "exportButton", QStringLiteral("导出…"));
    addDrawButton = button(page, "addDrawButton", QStringLiteral("添加…"));
    deleteButton = button(page, "deleteButton", QStringLiteral("删除"));
    for (QPushButton *b : {importButton, exportButton, addDrawButton, deleteButton})
        buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);
    tabs->addTab(page, QStringLiteral("开奖号码"));

    connectGuarded(m_services.desktop, importButton, &QPushButton::clicked, this,
                   &HistoryWindow::btnimportClick);
    connectGuarded(m_services.desktop, exportButton, &QPushButton::clicked, this,
                   &HistoryWindow::btnexportClick);
    connectGuarded(m_services.desktop, addDrawButton, &QPushButton::clicked, this,
                   &HistoryWindow::btnadddrawClick);
    connectGuarded(m_services.desktop, deleteButton, &QPushButton::clicked, this,
                   &HistoryWindow::btndeleteClick);
}

void HistoryWindow::guarded(const std::function<void()> &handler)
{
    runGuarded(m_services.desktop, this, handler);
}

HistoryStore HistoryWindow::store() const
{
    return HistoryStore(qPath(m_services.folder.catalogue()));
}

void HistoryWindow::followLottery(const LotteryInfo &lottery)
{
    m_lottery = lottery;
    m_shape = lotteryDrawShape(lottery);
    setWindowTitle(QStringLiteral("开奖历史 - %1").arg(quotedText(lottery.name)));
    guarded([this] { reload(); });
}

void HistoryWindow::showLottery(const LotteryInfo &lottery)
{
    followLottery(lottery);
    if (!isVisible()) {
        // Wide enough for the whole chart where the screen beside the main
        // window allows, so that the player picks and reads at once; the
        // chart scrolls within a narrower window.
        const int wanted = std::max(kLeastWidth, trendPictureSize(*m_trendModel, 0).width() + 64);
        const QWidget *main = parentWidget();
        const int shown = main && screen() ? widthBeside(main->frameGeometry(), wanted, kLeastWidth,
                                                         kMainGridRight, screen()->availableGeometry())
                                           : wanted;
        resize(shown, height());
    }
    placeBesideParent(this);
    show();
    raise();
    activateWindow();
}

void HistoryWindow::reload()
{
    // Whatever the reading does, the window shows no draws of another lottery.
    m_draws.clear();
    HistoryStore::StoredDraws stored = store().draws(m_lottery.name.toStdString(), m_shape);
    m_draws = std::move(stored.draws);
    QString count = QStringLiteral("%1：共%2期开奖号码")
                        .arg(quotedText(m_lottery.name), QString::number(m_draws.size()));
    if (stored.unfit > 0)
        count += QStringLiteral("（另有%1期与本彩票的号码不符，未列出）").arg(stored.unfit);
    drawCountLabel->setText(count);
    showDraws();
    showTrend();
    showStats();
    ledgerTab->reload(m_lottery.name);
}

void HistoryWindow::showLedger()
{
    tabs->setCurrentWidget(ledgerTab);
}

void HistoryWindow::showDraws()
{
    m_drawModel->reset({QStringLiteral("期号"), QStringLiteral("开奖日期"), QStringLiteral("开奖号码")},
                       static_cast<int>(m_draws.size()), [this](int row, int column, int role) -> QVariant {
                           if (role != Qt::DisplayRole)
                               return {};
                           // Newest first.
                           const Draw &draw = m_draws[m_draws.size() - 1 - static_cast<size_t>(row)];
                           switch (column) {
                           case 0:
                               return QString::fromStdString(draw.issue);
                           case 1:
                               return QString::fromStdString(draw.date);
                           default:
                               return QString::fromStdString(drawNumbersText(draw, m_shape));
                           }
                       });
    drawTable->setColumnWidth(0, 90);
    drawTable->setColumnWidth(1, 100);
}

FileDialogRequest HistoryWindow::drawFileDialog(const QString &title) const
{
    FileDialogRequest request;
    request.title = title;
    request.initialFolder = qPath(m_services.folder.auxiliaryFolder());
    request.filter = QStringLiteral("文本文件(*.txt)|*.txt|所有文件(*.*)|*.*");
    request.defaultSuffix = QStringLiteral("txt");
    return request;
}

void HistoryWindow::btnimportClick()
{
    const QString file
        = m_services.desktop.openFileName(this, drawFileDialog(QStringLiteral("导入开奖号码")));
    if (file.isEmpty())
        return;
    if (QFileInfo(file).size() > static_cast<qint64>(kMaxDrawFileBytes)) {
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                   QStringLiteral("文件太大（超过32MB），不是开奖号码文件。"));
        return;
    }
    const std::string bytes = readFile(nativePath(file));
    const ImportPlan plan = store().importDraws(m_lottery.name.toStdString(), m_shape, bytes);
    reload();
    const ImportReport report = importReport(plan);
    m_services.desktop.messageWithDetails(this, MessageKind::Plain, windowTitle(),
                                          QString::fromStdString(report.summary),
                                          QString::fromStdString(report.details));
}

void HistoryWindow::btnexportClick()
{
    if (m_draws.empty()) {
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                   QStringLiteral("还没有开奖号码。"));
        return;
    }
    FileDialogRequest request = drawFileDialog(QStringLiteral("导出开奖号码"));
    request.suggestedName = suggestedFileName(m_lottery.name, QStringLiteral("开奖号码.txt"));
    const QString file = m_services.desktop.saveFileName(this, request);
    if (file.isEmpty())
        return;
    writeFileAtomically(nativePath(file), drawFileBytes(m_draws, m_shape));
    m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                               QStringLiteral("成功导出%1期开奖号码！").arg(m_draws.size()));
}

void HistoryWindow::btnadddrawClick()
{
    // A refused line comes back to be corrected, not typed again; the
    // first question proposes the next 期号.
    QString typed = QString::fromStdString(proposedIssue(m_draws));
    if (!typed.isEmpty())
        typed += QLatin1Char(' ');
    while (true) {
        const std::optional<QString> answer = m_services.desktop.askText(
            this, QStringLiteral("添加开奖号码"),
            QString::fromStdString(drawPrompt(quotedText(m_lottery.name).toStdString(), m_shape, true)),
            typed);
        if (!answer)
            return;
        typed = *answer;
        auto parsed = parseDrawLine(typed.toStdString(), m_shape);
        if (!parsed.accepted()) {
            m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                       QString::fromStdString(typedDrawRefusal(parsed.refusal())));
            continue;
        }
        Draw draw = std::move(parsed.value());
        draw.lottery = m_lottery.name.toStdString();
        if (const auto refusal = store().addDraw(draw)) {
            m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                       QString::fromStdString(refusal->message));
            continue;
        }
        reload();
        return;
    }
}

void HistoryWindow::btndeleteClick()
{
    std::vector<std::string> issues;
    for (const QModelIndex &index : drawTable->selectionModel()->selectedRows())
        issues.push_back(m_draws[m_draws.size() - 1 - static_cast<size_t>(index.row())].issue);
    if (issues.empty()) {
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                   QStringLiteral("请先选择要删除的开奖号码。"));
        return;
    }
    const QString question
        = issues.size() == 1
              ? QStringLiteral("删除第%1期开奖号码？").arg(QString::fromStdString(issues.front()))
              : QStringLiteral("删除选中的%1期开奖号码？").arg(issues.size());
    if (m_services.desktop.ask(this, QStringLiteral("删除开奖号码"), question, QStringLiteral("删除"), {},
                               QStringLiteral("取消"))
        != Desktop::Answer::Yes)
        return;
    store().deleteDraws(m_lottery.name.toStdString(), issues);
    reload();
}
