// What players of other pickers asked for, kept off the designed layout:
// the grid's context menu (check a draw, undo, copy) and its keys.
#include "app/chinese_ui.h"
#include "app/u_main.h"
#include "base/app_error.h"
#include "engine/methods.h"
#include "results/draw_check.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"
#include "ui/guard.h"
#include "ui/help_viewer.h"
#include "ui/text_box_keys.h"
#include "views/result_grid_view.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTimer>

#include <set>

namespace {

QAction *action(QWidget *owner, const char *name, const QString &text, const QKeySequence &keys,
                Qt::ShortcutContext context)
{
    auto *result = new QAction(text, owner);
    result->setObjectName(QLatin1String(name));
    result->setShortcut(keys);
    result->setShortcutContext(context);
    owner->addAction(result);
    return result;
}

} // namespace

void Tfrmmain::createExtras()
{
    QAction *check = action(grdcode, "actCheckDraw", QStringLiteral("核对开奖号码…"), {}, Qt::WidgetShortcut);
    QAction *history
        = action(grdcode, "actCheckHistory", QStringLiteral("对照历史…"), {}, Qt::WidgetShortcut);
    // Ctrl+Z brings the grid back from anywhere in the window but a text
    // box with something of its own to undo; the same action stands in the
    // menu, with its key.
    QAction *undo = action(this, "actUndo", QStringLiteral("撤销"), QKeySequence::Undo, Qt::WindowShortcut);
    undo->setShortcutVisibleInContextMenu(true);
    grdcode->addAction(undo);
    // What an undo replaced comes back with 重做 (Ctrl+Y, Ctrl+Shift+Z).
    QAction *redo = action(this, "actRedo", QStringLiteral("重做"), {}, Qt::WindowShortcut);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redo->setShortcutVisibleInContextMenu(true);
    grdcode->addAction(redo);
    QAction *copy
        = action(grdcode, "actCopy", QStringLiteral("复制"), QKeySequence::Copy, Qt::WidgetShortcut);
    QAction *filter = action(grdcode, "actFilter", QStringLiteral("缩水…"), {}, Qt::WidgetShortcut);
    QAction *record = action(grdcode, "actRecordTicket", QStringLiteral("记录投注…"), {}, Qt::WidgetShortcut);
    copy->setShortcutVisibleInContextMenu(true);
    new TextBoxKeys(this);
    connectGuarded(m_services.desktop, check, &QAction::triggered, this, &Tfrmmain::checkDraw);
    connectGuarded(m_services.desktop, history, &QAction::triggered, this, &Tfrmmain::checkHistory);
    connectGuarded(m_services.desktop, undo, &QAction::triggered, this, &Tfrmmain::undoGrid);
    connectGuarded(m_services.desktop, redo, &QAction::triggered, this, &Tfrmmain::redoGrid);
    connectGuarded(m_services.desktop, copy, &QAction::triggered, this, &Tfrmmain::copyRows);
    connectGuarded(m_services.desktop, filter, &QAction::triggered, this, &Tfrmmain::filterGrid);
    connectGuarded(m_services.desktop, record, &QAction::triggered, this, &Tfrmmain::recordTicket);
    createHistoryControls();
    createComposeControls();
}

void Tfrmmain::replaceGrid(ResultGridModel::Snapshot next, int count, const LotteryInfo &before)
{
    m_steps->replace(std::move(next), count, before);
}

void Tfrmmain::undoGrid()
{
    const LotteryInfo before = m_current;
    m_steps->undo(before, [this](GridSteps::Step step) { return showStep(std::move(step)); });
}

void Tfrmmain::redoGrid()
{
    const LotteryInfo before = m_current;
    m_steps->redo(before, [this](GridSteps::Step step) { return showStep(std::move(step)); });
}

ResultGridModel::Snapshot Tfrmmain::showStep(GridSteps::Step step)
{
    // A step from before any lottery was chosen has no lottery to show and
    // holds no bets.
    if (step.lottery != m_current && !lotteryProblem(step.lottery))
        showSelection(step.lottery);
    ResultGridModel::Snapshot replaced
        = m_gridModel->exchange(std::move(step.content), m_current.lottery.numberCount());
    if (m_gridModel->grid().hasBets())
        grdcode->setAllColumnWidths(resultColumnWidth(grdcode->width(), m_current.lottery.numberCount()));
    return replaced;
}

void Tfrmmain::copyRows()
{
    std::set<int> rows;
    for (const QModelIndex &index : grdcode->selectionModel()->selectedIndexes())
        rows.insert(index.row() + 1);
    std::vector<std::vector<std::string>> bets;
    bets.reserve(rows.size());
    for (int row : rows)
        bets.push_back(m_gridModel->bet(row));
    if (!bets.empty())
        m_services.desktop.copyText(QString::fromStdString(copiedBets(bets, m_current.lottery)));
}

void Tfrmmain::btnhelpClick()
{
    const QString helpFile = qPath(m_services.folder.helpFile());
    if (!QFileInfo::exists(helpFile))
        return;
#ifdef Q_OS_WIN
    m_services.desktop.openDocument(helpFile);
#else
    // The viewer gets the player's own environment, with locales the machine
    // has: the Chinese formats the program asked for itself may be missing.
    const std::optional<ViewerStart> viewer
        = helpViewerStart(helpFile, withInstalledLocales(startedEnvironment()),
                          [this](const QString &name) { return m_services.desktop.findProgram(name); });
    if (!viewer) {
        m_services.desktop.message(this, MessageKind::Information, windowTitle(), missingHelpViewerMessage());
        return;
    }
    if (!m_services.desktop.startProcess(viewer->program, viewer->arguments, viewer->environment))
        throw AppError(QStringLiteral("无法启动帮助查看程序“%1”。").arg(viewer->program).toStdString());
#endif
}
