#include "app/history/check_window.h"

#include "app/history/window_parts.h"
#include "app/lottery_shape.h"
#include "history/check_text.h"
#include "history/draw_text.h"
#include "history/history_store.h"
#include "history/next_issue.h"
#include "results/result_grid_model.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"
#include "ui/guard.h"
#include "ui/window_place.h"
#include "views/table_model.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

CheckWindow::CheckWindow(HistoryServices services, ResultGridModel &grid, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_services(std::move(services))
    , m_grid(grid)
{
    setObjectName(QStringLiteral("checkWindow"));
    resize(760, 480);
    auto *layout = new QVBoxLayout(this);
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    layout->addWidget(tabs);
    createCheckPage();
    createHistoryPage();

    // The grid changes under an open check (a conversion, a file loaded):
    // the check follows once the change is complete.
    auto *pending = new QTimer(this);
    pending->setSingleShot(true);
    pending->setInterval(0);
    connectGuarded(m_services.desktop, pending, &QTimer::timeout, this, &CheckWindow::gridChanged);
    const auto later = [pending] { pending->start(); };
    connect(&m_grid, &QAbstractItemModel::modelReset, this, later);
    connect(&m_grid, &QAbstractItemModel::rowsInserted, this, later);
    connect(&m_grid, &QAbstractItemModel::headerDataChanged, this, later);
}

CheckWindow::~CheckWindow() = default;

void CheckWindow::createCheckPage()
{
    auto *page = new QWidget(tabs);
    auto *layout = new QVBoxLayout(page);
    auto *controls = new QHBoxLayout;
    drawList = new QComboBox(page);
    drawList->setObjectName(QStringLiteral("drawList"));
    // Sized by the length of a draw, not by measuring ten thousand of them.
    drawList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    drawList->setMinimumContentsLength(36);
    typeDrawButton = new QPushButton(QStringLiteral("输入开奖号码…"), page);
    typeDrawButton->setObjectName(QStringLiteral("typeDrawButton"));
    typeDrawButton->setAutoDefault(false);
    playList = new QComboBox(page);
    playList->setObjectName(QStringLiteral("playList"));
    tierList = new QComboBox(page);
    tierList->setObjectName(QStringLiteral("tierList"));
    m_playLabel = new QLabel(QStringLiteral("玩法："), page);
    m_tierLabel = new QLabel(QStringLiteral("奖池："), page);
    controls->addWidget(new QLabel(QStringLiteral("开奖号码："), page));
    controls->addWidget(drawList, 1);
    controls->addWidget(typeDrawButton);
    for (QWidget *choice : {static_cast<QWidget *>(m_playLabel), static_cast<QWidget *>(playList),
                            static_cast<QWidget *>(m_tierLabel), static_cast<QWidget *>(tierList)}) {
        controls->addWidget(choice);
        choice->hide();
    }
    layout->addLayout(controls);
    m_checkModel = new FunctionTableModel(this);
    checkTable = listTable(page, "checkTable", m_checkModel);
    layout->addWidget(checkTable, 1);
    summaryLabel = plainLabel(page, "summaryLabel");
    layout->addWidget(summaryLabel);
    tabs->addTab(page, QStringLiteral("核对开奖号码"));

    connectGuarded(m_services.desktop, drawList, &QComboBox::activated, this, &CheckWindow::comdrawClick);
    connectGuarded(m_services.desktop, typeDrawButton, &QPushButton::clicked, this,
                   &CheckWindow::btntypeClick);
    connectGuarded(m_services.desktop, playList, &QComboBox::activated, this, &CheckWindow::complayClick);
    connectGuarded(m_services.desktop, tierList, &QComboBox::activated, this, &CheckWindow::comtierClick);
}

void CheckWindow::guarded(const std::function<void()> &handler)
{
    runGuarded(m_services.desktop, this, handler);
}

void CheckWindow::load(const LotteryInfo &lottery)
{
    const HistoryStore store(qPath(m_services.folder.catalogue()));
    const DrawShape shape = lotteryDrawShape(lottery);
    std::vector<Draw> draws = store.draws(lottery.name.toStdString(), shape).draws;
    PrizeTable table = store.prizeTable(lottery.name.toStdString());
    m_lottery = lottery;
    m_shape = shape;
    m_draws = std::move(draws);
    m_table = std::move(table);
    m_typed.reset();
    setWindowTitle(QStringLiteral("核对开奖号码 - %1").arg(quotedText(lottery.name)));
}

std::optional<Draw> CheckWindow::askDraw(QWidget *owner)
{
    // The 期号 says which rules the draw is checked by (大乐透's changed at
    // 26014): the next one is proposed. Left out, the newest rules apply.
    QString proposal = QString::fromStdString(proposedIssue(m_draws));
    if (!proposal.isEmpty())
        proposal += QLatin1Char(' ');
    const std::optional<QString> typed = m_services.desktop.askText(
        owner, QStringLiteral("核对开奖号码"),
        QString::fromStdString(checkDrawPrompt(quotedText(m_lottery.name).toStdString(), m_shape)), proposal);
    if (!typed)
        return std::nullopt;
    // A line that starts with a 期号 (five digits or more) is read as one;
    // two digits are a number, never a 期号.
    const std::string text = typed->toStdString();
    const bool issued = typed->simplified().section(QLatin1Char(' '), 0, 0).size() >= 5;
    std::string reason;
    if (issued) {
        auto parsed = parseDrawLine(text, m_shape);
        if (parsed.accepted())
            return std::move(parsed.value());
        reason = parsed.refusal();
    }
    auto numbers = parseDrawNumbers(text, m_shape);
    if (numbers.accepted())
        return std::move(numbers.value());
    m_services.desktop.message(owner, MessageKind::Plain, applicationTitle(),
                               QString::fromStdString(typedDrawRefusal(issued ? reason : numbers.refusal())));
    return std::nullopt;
}

void CheckWindow::checkDraw(const LotteryInfo &lottery)
{
    QWidget *owner = isVisible() ? this : parentWidget();
    load(lottery);
    if (m_draws.empty()) {
        m_typed = askDraw(owner);
        if (!m_typed) {
            // What stood here was of the draws just read again; it goes.
            hide();
            return;
        }
    }
    fillDrawList();
    {
        const QSignalBlocker quiet(tabs);
        tabs->setCurrentIndex(0);
    }
    runCheck();
    placeBesideParent(this);
    show();
    raise();
    activateWindow();
}

void CheckWindow::fillDrawList()
{
    drawList->clear();
    if (m_typed)
        drawList->addItem(QString::fromStdString(drawLabel(*m_typed, m_shape)));
    for (auto draw = m_draws.rbegin(); draw != m_draws.rend(); ++draw)
        drawList->addItem(QString::fromStdString(drawLabel(*draw, m_shape)));
    drawList->setCurrentIndex(0);
}

std::optional<Draw> CheckWindow::chosenDraw() const
{
    int index = drawList->currentIndex();
    if (m_typed && index == 0)
        return m_typed;
    index -= m_typed ? 1 : 0;
    if (index < 0 || index >= static_cast<int>(m_draws.size()))
        return std::nullopt;
    return m_draws[m_draws.size() - 1 - static_cast<size_t>(index)];
}

CheckOptions CheckWindow::options() const
{
    CheckOptions options;
    if (!tierList->isHidden())
        options.tier = tierOfChoice(tierList->currentIndex());
    if (!playList->isHidden())
        options.play = playList->currentText().toStdString();
    return options;
}

void CheckWindow::comdrawClick()
{
    runCheck();
}

void CheckWindow::btntypeClick()
{
    std::optional<Draw> typed = askDraw(this);
    if (!typed)
        return;
    m_typed = std::move(typed);
    fillDrawList();
    runCheck();
}

void CheckWindow::complayClick()
{
    runCheck();
}

void CheckWindow::comtierClick()
{
    runCheck();
}

void CheckWindow::gridChanged()
{
    if (!isVisible())
        return;
    if (tabs->currentIndex() == 0)
        runCheck();
    else
        runHistory();
}

void CheckWindow::runCheck()
{
    const std::optional<Draw> draw = chosenDraw();
    std::optional<std::vector<LotteryNumbers>> bets = m_services.bets(m_lottery.name);
    if (!draw || !bets) {
        // The grid now holds another lottery's bets.
        hide();
        return;
    }
    m_bets = std::move(*bets);
    const int betCount = m_bets.empty() ? m_shape.front.count : static_cast<int>(m_bets.front().front.size());
    const std::vector<std::string> plays = playChoices(m_table, draw->issue, betCount);
    const int play = keptChoice(plays, playList->currentText().toStdString());
    playList->clear();
    playList->addItems(listTexts(plays));
    playList->setCurrentIndex(play);
    playList->setVisible(!plays.empty());
    m_playLabel->setVisible(!plays.empty());

    m_check = checkBets(m_bets, *draw, m_shape, m_table, options());
    // The tier list is made again only when the draw's rules change it, so
    // the player's tier stays chosen from draw to draw.
    const QStringList tiers = listTexts(tierChoices(m_check.highCondition));
    QStringList shown;
    for (int i = 0; i < tierList->count(); ++i)
        shown << tierList->itemText(i);
    if (tiers != shown) {
        tierList->clear();
        tierList->addItems(tiers);
        tierList->setVisible(!tiers.isEmpty());
        m_tierLabel->setVisible(!tiers.isEmpty());
    }
    showCheck(*draw);
}

void CheckWindow::showCheck(const Draw &draw)
{
    enum Column { Row, Numbers, Front, Back, Special, Level, Money };
    std::vector<Column> columns{Row, Numbers, Front};
    QStringList headers{QStringLiteral("序号"), QStringLiteral("投注号码")};
    headers << (m_shape.back ? QString::fromStdString(m_shape.front.name) + QStringLiteral("命中")
                             : QStringLiteral("命中"));
    if (m_shape.back) {
        columns.push_back(Back);
        headers << QString::fromStdString(m_shape.back->name) + QStringLiteral("命中");
    }
    if (m_shape.special) {
        columns.push_back(Special);
        headers << QStringLiteral("特别号");
    }
    columns.insert(columns.end(), {Level, Money});
    headers << QStringLiteral("奖级") << QStringLiteral("奖金");
    m_checkModel->reset(
        headers, static_cast<int>(m_bets.size()), [this, columns](int row, int column, int role) -> QVariant {
            // The amount of a prize that depends on the pool names both
            // tiers: its tooltip shows it whole where the window is narrow.
            const Column shown = columns[static_cast<size_t>(column)];
            if (role != Qt::DisplayRole && !(role == Qt::ToolTipRole && shown == Money))
                return {};
            const BetCheck &check = m_check.bets[static_cast<size_t>(row)];
            switch (shown) {
            case Row:
                return row + 1;
            case Numbers:
                return betText(m_bets[static_cast<size_t>(row)], m_shape);
            case Front:
                return check.frontHits;
            case Back:
                return check.backHits;
            case Special:
                return check.specialHit ? QStringLiteral("中") : QString();
            case Level:
                return check.rated ? (check.level.empty() ? QStringLiteral("未中奖")
                                                          : QString::fromStdString(check.level))
                                   : QStringLiteral("—");
            default:
                return QString::fromStdString(prizeText(check, m_check.highCondition));
            }
        });
    // Each column as wide as what it holds: an amount of both tiers is
    // long, the hit counts are short.
    checkTable->resizeColumnsToContents();
    summaryLabel->setText(QString::fromStdString(m_check.summary()) + misfitWord(m_grid));
    m_grid.setDraw(draw, m_lottery.lottery);
}

QString CheckWindow::misfitWord(const ResultGridModel &grid)
{
    if (grid.misfitCount() == 0)
        return {};
    return QStringLiteral("；表格中另有%1注不符合当前彩票，未计入").arg(grid.misfitCount());
}
