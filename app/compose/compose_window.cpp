#include "app/compose/compose_window.h"

#include "app/compose/ball_board.h"
#include "app/compose/wheel_search_job.h"
#include "app/filters/filter_panel.h"
#include "app/lottery_shape.h"
#include "base/app_error.h"
#include "base/file_io.h"
#include "history/history_store.h"
#include "history/ticket_ledger.h"
#include "results/number_file.h"
#include "ui/background_job.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"
#include "ui/guard.h"
#include "ui/window_place.h"
#include "wheels/digit_ticket.h"
#include "wheels/wheel_shelf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kProgressSteps = 100;

QString frontTitle(const Lottery &lottery)
{
    if (!lottery.hasBack())
        return QStringLiteral("号码");
    return lottery.backName == "蓝球" ? QStringLiteral("红球") : QStringLiteral("前区");
}

std::vector<LotteryNumbers> storedDraws(const ProgramFolder &folder, const LotteryInfo &lottery)
{
    try {
        const HistoryStore history(qPath(folder.catalogue()));
        const std::vector<Draw> stored
            = history.draws(lottery.name.toStdString(), lotteryDrawShape(lottery)).draws;
        return {stored.begin(), stored.end()};
    } catch (const AppError &) {
        return {}; // no draws: 缩水 offers its conditions without hit rates
    }
}

} // namespace

ComposeWindow::ComposeWindow(ComposeServices services, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("ComposeWindow"));
    auto *row = new QHBoxLayout(this);
    m_boardColumn = new QVBoxLayout;
    row->addLayout(m_boardColumn);

    auto *side = new QVBoxLayout;
    comPlay = new QComboBox(this);
    comPlay->setObjectName(QStringLiteral("comPlay"));
    comGuarantee = new QComboBox(this);
    comGuarantee->setObjectName(QStringLiteral("comGuarantee"));
    lblRecord = new QLabel(this);
    lblRecord->setObjectName(QStringLiteral("lblRecord"));
    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    lblCount->setWordWrap(true);
    lblCount->setStyleSheet(QStringLiteral("font-weight:bold;color:#9c2a1d;"));
    chkExtra = new QCheckBox(QStringLiteral("追加（每注加1元）"), this);
    chkExtra->setObjectName(QStringLiteral("chkExtra"));
    chkFilter = new QCheckBox(QStringLiteral("缩水"), this);
    chkFilter->setObjectName(QStringLiteral("chkFilter"));
    filterPanel = new FilterPanel;
    filterPanel->setObjectName(QStringLiteral("filterPanel"));
    auto *filterArea = new QScrollArea(this);
    filterArea->setWidget(filterPanel);
    filterArea->setWidgetResizable(true);
    filterArea->setVisible(false);
    btnAppend = new QPushButton(QStringLiteral("加入表格"), this);
    btnAppend->setObjectName(QStringLiteral("btnAppend"));
    btnSave = new QPushButton(QStringLiteral("保存…"), this);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnClear = new QPushButton(QStringLiteral("清空"), this);
    btnClear->setObjectName(QStringLiteral("btnClear"));
    for (QPushButton *button : {btnAppend, btnSave, btnClear})
        button->setAutoDefault(false);

    side->addWidget(new QLabel(QStringLiteral("玩法"), this));
    side->addWidget(comPlay);
    side->addWidget(new QLabel(QStringLiteral("保证条件"), this));
    side->addWidget(comGuarantee);
    side->addWidget(lblRecord);
    side->addWidget(chkExtra);
    side->addWidget(lblCount);
    side->addWidget(chkFilter);
    side->addWidget(filterArea, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnAppend);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnClear);
    side->addLayout(buttons);
    side->addStretch();
    row->addLayout(side, 1);

    connect(comPlay, &QComboBox::currentIndexChanged, this, [this] {
        fillGuarantees();
        updateCount();
    });
    connect(comGuarantee, &QComboBox::currentIndexChanged, this, [this] { updateCount(); });
    connect(chkExtra, &QCheckBox::toggled, this, [this] { updateCount(); });
    connect(chkFilter, &QCheckBox::toggled, filterArea, &QWidget::setVisible);
    filterPanel->onChange = [this] { updateCount(); };
    connectGuarded(m_services.desktop, btnAppend, &QPushButton::clicked, this, &ComposeWindow::appendToGrid);
    connectGuarded(m_services.desktop, btnSave, &QPushButton::clicked, this, &ComposeWindow::saveToFile);
    connect(btnClear, &QPushButton::clicked, this, [this] {
        for (BallBoard *board : boards)
            board->clearMarks();
    });
    resize(820, 520);
}

ComposeWindow::~ComposeWindow() = default;

void ComposeWindow::showLottery(const LotteryInfo &lottery)
{
    followLottery(lottery);
    placeBesideParent(this);
    show();
    raise();
    activateWindow();
}

void ComposeWindow::followLottery(const LotteryInfo &lottery)
{
    if (lottery != m_lottery || boards.empty()) {
        m_lottery = lottery;
        m_filling = true;
        for (BallBoard *board : boards)
            delete board;
        boards.clear();
        const Lottery &l = lottery.lottery;
        const QString back = QString::fromStdString(l.backName);
        if (l.isLotto()) {
            boards.push_back(new BallBoard(frontTitle(l), 1, l.total, false, this));
            if (l.hasBack())
                boards.push_back(new BallBoard(back, 1, l.backTotal, true, this));
        } else {
            for (int position = 0; position < l.numberCount(); ++position) {
                const bool inBack = position >= l.count;
                boards.push_back(new BallBoard(inBack ? back : QStringLiteral("第%1位").arg(position + 1), 0,
                                               (inBack ? l.backTotal : l.total) - 1, inBack, this));
            }
        }
        for (BallBoard *board : boards) {
            m_boardColumn->addWidget(board);
            board->onChange = [this] {
                fillGuarantees();
                updateCount();
            };
            board->onRefused = [this](const QString &text) { refuse(text); };
        }
        filterPanel->setLottery(l, storedDraws(m_services.folder, lottery));
        const bool extraSold = allowsExtra(lottery.name.toStdString());
        chkExtra->setVisible(extraSold);
        if (!extraSold)
            chkExtra->setChecked(false);
        m_filling = false;
        fillPlays();
    }
    setWindowTitle(QStringLiteral("组号 - %1").arg(lottery.name));
}

void ComposeWindow::fillPlays()
{
    m_filling = true;
    comPlay->clear();
    if (m_lottery.lottery.isLotto()) {
        comPlay->addItem(QStringLiteral("复式"), static_cast<int>(ComposePlay::Compound));
        comPlay->addItem(QStringLiteral("胆拖"), static_cast<int>(ComposePlay::Banker));
        comPlay->addItem(QStringLiteral("旋转矩阵"), static_cast<int>(ComposePlay::Wheel));
    } else {
        comPlay->addItem(QStringLiteral("复式"), static_cast<int>(ComposePlay::Compound));
        if (hasGroupPlay(m_lottery.lottery)) {
            comPlay->addItem(QStringLiteral("组选3"), static_cast<int>(ComposePlay::Group3));
            comPlay->addItem(QStringLiteral("组选6"), static_cast<int>(ComposePlay::Group6));
        }
    }
    m_filling = false;
    fillGuarantees();
    updateCount();
}

void ComposeWindow::fillGuarantees()
{
    if (m_filling)
        return;
    const bool wheel = static_cast<ComposePlay>(comPlay->currentData().toInt()) == ComposePlay::Wheel;
    const QString before = comGuarantee->currentText();
    m_filling = true;
    comGuarantee->clear();
    if (wheel && !boards.empty()) {
        const int chosen = static_cast<int>(boards[0]->choice().others.size());
        for (const WheelTerms &terms : offeredWheels(chosen, m_lottery.lottery.count))
            comGuarantee->addItem(QString::fromStdString(terms.guarantee()), terms.m * 100 + terms.t);
        const int kept = comGuarantee->findText(before);
        comGuarantee->setCurrentIndex(kept >= 0 ? kept : comGuarantee->count() - 1);
    }
    comGuarantee->setEnabled(comGuarantee->count() > 0);
    m_filling = false;
}

ComposeRequest ComposeWindow::request() const
{
    ComposeRequest result;
    result.lottery = m_lottery.lottery;
    result.play = static_cast<ComposePlay>(comPlay->currentData().toInt());
    for (const BallBoard *board : boards)
        result.zones.push_back(board->choice());
    const int guarantee = comGuarantee->currentData().toInt();
    result.drawn = guarantee / 100;
    result.kept = guarantee % 100;
    return result;
}

void ComposeWindow::updateCount()
{
    if (m_filling)
        return;
    const std::optional<WheelTerms> terms = requestedWheel(request());
    if (terms != m_wheelTerms) {
        m_wheelTerms = terms;
        m_wheel.clear();
    }
    QString record;
    if (terms) {
        if (const std::optional<WheelRecord> known = knownWheelRecord(m_services.folder, *terms))
            record = QStringLiteral("记录%1注").arg(known->bets);
        if (const std::vector<BetMask> *wheel = wheelAtHand(false))
            record = QStringLiteral("矩阵%1注 %2").arg(wheel->size()).arg(record);
        else
            record = QStringLiteral("矩阵表中没有，加入表格时搜索 %1").arg(record);
    }
    lblRecord->setText(record.trimmed());
    const Outcome<BetCount> count = composeCount(request(), m_wheel.empty() ? nullptr : &m_wheel);
    lblCount->setText(QString::fromStdString(
        count.accepted() ? countLine(count.value(), chkExtra->isChecked()) : count.refusal()));
    filterPanel->setNote(terms ? guaranteeNote(terms->m, terms->t) : QString());
}

const std::vector<BetMask> *ComposeWindow::wheelAtHand(bool search)
{
    if (!m_wheelTerms)
        return nullptr;
    const WheelTerms terms = *m_wheelTerms;
    const WheelShelf shelf({m_services.folder.wheelFolder()});
    if (m_wheel.empty()) {
        if (std::optional<std::vector<BetMask>> found = shelf.find(terms))
            m_wheel = std::move(*found);
    }
    if (m_wheel.empty() && search)
        m_wheel
            = searchWheelShown(m_services.desktop, this, m_services.folder, terms, m_services.searchSeconds);
    return m_wheel.empty() ? nullptr : &m_wheel;
}

void ComposeWindow::refuse(const QString &text)
{
    m_services.desktop.message(this, MessageKind::Plain, windowTitle(), text);
}

std::optional<ResultGrid> ComposeWindow::buildGrid(ResultGrid grid, BetCount held)
{
    const ComposeRequest asked = request();
    const std::vector<BetMask> *wheel = asked.play == ComposePlay::Wheel ? wheelAtHand(true) : nullptr;
    if (wheel)
        updateCount(); // the wheel just searched for has its count now
    const Outcome<BetCount> count = composeCount(asked, wheel);
    if (!count.accepted()) {
        refuse(QString::fromStdString(count.refusal()));
        return std::nullopt;
    }
    std::optional<BetFilter> filter;
    if (chkFilter->isChecked()) {
        Outcome<BetFilter> made = filterPanel->filter();
        if (!made.accepted()) {
            refuse(QString::fromStdString(made.refusal()));
            return std::nullopt;
        }
        filter = std::move(made.value());
    }
    // Counted before anything is built: too many bets are refused at once.
    // Bets to be 缩水ed are built in full first, so they too must fit.
    if (Check room = gridRoom(filter ? 0 : held, count.value())) {
        refuse(QString::fromStdString(room->message));
        return std::nullopt;
    }
    const std::unique_ptr<Desktop::Progress> progress
        = m_services.desktop.startProgress(this, QStringLiteral("组号"), kProgressSteps);
    const Lottery lottery = m_lottery.lottery;
    const size_t width = static_cast<size_t>(lottery.numberCount());
    std::optional<Refusal> tooMany;
    const bool finished = runInBackground(*progress, [&](JobProgress &job) {
        job.report(0, QStringLiteral("正在组号…"));
        const std::vector<int> numbers = composeBets(asked, wheel, [&](BetCount made) {
            return job.report(static_cast<int>(made * kProgressSteps / (2 * count.value())),
                              QStringLiteral("已生成%1注，共%2注").arg(made).arg(count.value()));
        });
        if (job.stopped())
            return;
        std::vector<std::uint32_t> kept;
        if (filter) {
            kept = filter->kept(numbers);
            if ((tooMany = gridRoom(held, kept.size())))
                return;
        }
        const size_t adding = filter ? kept.size() : numbers.size() / width;
        appendComposed(grid, lottery, numbers, filter ? &kept : nullptr, [&](size_t done) {
            return job.report(kProgressSteps / 2 + static_cast<int>(done * kProgressSteps / (2 * adding)),
                              QStringLiteral("正在放入表格…"));
        });
    });
    if (!finished)
        return std::nullopt;
    progress->setValue(kProgressSteps, QString());
    if (tooMany) {
        refuse(QString::fromStdString(tooMany->message));
        return std::nullopt;
    }
    return grid;
}

void ComposeWindow::appendToGrid()
{
    const ResultGrid &shown = m_services.grid.grid();
    if (shown.hasBets() && !fitsBetSize(shown, m_lottery.lottery.numberCount())) {
        refuse(QStringLiteral("表格里是别的彩票的号码，请先清空表格或保存。"));
        return;
    }
    const BetCount held = shown.hasBets() ? static_cast<BetCount>(shown.rowCount() - 1) : 0;
    std::optional<ResultGrid> grid = buildGrid(shown, held);
    if (!grid)
        return;
    ResultGridModel::Snapshot next;
    next.grid = std::move(*grid);
    next.unsaved = true; // the new bets are in no file yet
    m_services.showGrid(std::move(next), m_lottery);
}

void ComposeWindow::saveToFile()
{
    std::optional<ResultGrid> grid = buildGrid(ResultGrid(), 0);
    if (!grid)
        return;
    FileDialogRequest dialog;
    dialog.title = QStringLiteral("保存号码");
    dialog.filter = QStringLiteral("文本文件(*.txt)|*.txt");
    dialog.defaultSuffix = QStringLiteral("txt");
    dialog.initialFolder = qPath(m_services.folder.auxiliaryFolder());
    dialog.suggestedName = dialog.initialFolder + m_lottery.name + QStringLiteral("组号.txt");
    const QString fileName = m_services.desktop.saveFileName(this, dialog);
    if (fileName.isEmpty())
        return;
    writeFileAtomically(nativePath(fileName), savedNumberFile(*grid, m_lottery.lottery));
    m_services.desktop.message(this, MessageKind::Plain, windowTitle(), QStringLiteral("成功保存！"));
}
