#include "app/history/ledger_tab.h"

#include "app/history/window_parts.h"
#include "base/file_io.h"
#include "catalogue/catalogue_store.h"
#include "history/ledger_text.h"
#include "results/save_name.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"
#include "ui/guard.h"
#include "views/table_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kAllLotteries = QStringLiteral("全部彩票");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *result = new QPushButton(text, parent);
    result->setObjectName(QLatin1String(name));
    result->setAutoDefault(false);
    return result;
}

QString qText(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

QString costText(const TicketCheck &check)
{
    return qText(yuanText(check.costFen)) + QStringLiteral("元")
           + (check.extra ? QStringLiteral("（追加）") : QString());
}

} // namespace

LedgerTab::LedgerTab(HistoryServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("ledgerTab"));
    auto *layout = new QVBoxLayout(this);
    auto *choices = new QHBoxLayout;
    choices->addWidget(new QLabel(QStringLiteral("彩票："), this));
    lotteryList = new QComboBox(this);
    lotteryList->setObjectName(QStringLiteral("lotteryList"));
    lotteryList->setMinimumContentsLength(8);
    choices->addWidget(lotteryList);
    periodCheck = new QCheckBox(QStringLiteral("购买日期从"), this);
    periodCheck->setObjectName(QStringLiteral("periodCheck"));
    choices->addWidget(periodCheck);
    fromDate = new QDateEdit(this);
    fromDate->setObjectName(QStringLiteral("fromDate"));
    toDate = new QDateEdit(this);
    toDate->setObjectName(QStringLiteral("toDate"));
    for (QDateEdit *date : {fromDate, toDate}) {
        date->setDisplayFormat(kDateFormat);
        date->setCalendarPopup(true);
        date->setEnabled(false);
    }
    choices->addWidget(fromDate);
    choices->addWidget(new QLabel(QStringLiteral("至"), this));
    choices->addWidget(toDate);
    choices->addStretch();
    layout->addLayout(choices);

    auto *middle = new QHBoxLayout;
    m_model = new FunctionTableModel(this);
    ticketTable = listTable(this, "ticketTable", m_model);
    middle->addWidget(ticketTable, 1);
    auto *buttons = new QVBoxLayout;
    openButton = button(this, "openButton", QStringLiteral("放入表格"));
    deleteButton = button(this, "deleteTicketButton", QStringLiteral("删除"));
    exportButton = button(this, "exportTicketsButton", QStringLiteral("导出…"));
    for (QPushButton *b : {openButton, deleteButton, exportButton})
        buttons->addWidget(b);
    buttons->addStretch();
    middle->addLayout(buttons);
    layout->addLayout(middle, 2);
    m_betModel = new FunctionTableModel(this);
    betTable = listTable(this, "betTable", m_betModel);
    layout->addWidget(betTable, 1);
    summaryLabel = plainLabel(this, "summaryLabel");
    summaryLabel->setWordWrap(true);
    layout->addWidget(summaryLabel);

    Desktop &desktop = m_services.desktop;
    connect(lotteryList, &QComboBox::currentIndexChanged, this, [this, &desktop] {
        if (!m_filling)
            runGuarded(desktop, this, [this] { comlotteryClick(); });
    });
    const auto periodChanged = [this] {
        fromDate->setEnabled(periodCheck->isChecked());
        toDate->setEnabled(periodCheck->isChecked());
        if (!m_filling)
            showTickets();
    };
    connect(periodCheck, &QCheckBox::toggled, this, periodChanged);
    connect(fromDate, &QDateEdit::dateChanged, this, periodChanged);
    connect(toDate, &QDateEdit::dateChanged, this, periodChanged);
    connectGuarded(desktop, openButton, &QPushButton::clicked, this, &LedgerTab::btnopenClick);
    connectGuarded(desktop, deleteButton, &QPushButton::clicked, this, &LedgerTab::btndeleteClick);
    connectGuarded(desktop, exportButton, &QPushButton::clicked, this, &LedgerTab::btnexportClick);
    connect(ticketTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showBets(); });
    connect(ticketTable, &QTableView::doubleClicked, this,
            [this, &desktop] { runGuarded(desktop, this, [this] { btnopenClick(); }); });
}

LedgerTab::~LedgerTab() = default;

TicketStore LedgerTab::store() const
{
    return TicketStore(qPath(m_services.folder.catalogue()));
}

void LedgerTab::readLotteries()
{
    m_lotteries.clear();
    for (const CatalogueRow &row : CatalogueStore(qPath(m_services.folder.catalogue())).readAll()) {
        // A row the program cannot read is no lottery its tickets can be of.
        try {
            m_lotteries.push_back(lotteryFromRow(row));
        } catch (const std::exception &) {
        }
    }
}

void LedgerTab::reload(const QString &lottery)
{
    const bool followWindow = lottery != m_windowLottery;
    m_windowLottery = lottery;
    m_entries.clear();
    readLotteries();
    m_entries = store().ledger(m_lotteries);

    // The lotteries that have tickets, and the window's own.
    QStringList names;
    for (const LedgerEntry &entry : m_entries) {
        if (!names.contains(qText(entry.stored.ticket.lottery)))
            names << qText(entry.stored.ticket.lottery);
    }
    if (!names.contains(lottery))
        names.prepend(lottery);
    const QString chosen
        = followWindow || lotteryList->currentIndex() < 0 ? lottery : lotteryList->currentText();
    m_filling = true;
    lotteryList->clear();
    lotteryList->addItem(kAllLotteries);
    lotteryList->addItems(names);
    lotteryList->setCurrentIndex(std::max(0, lotteryList->findText(chosen)));
    // An open period starts from the first ticket to the last.
    if (!periodCheck->isChecked()) {
        QDate first;
        QDate last;
        for (const LedgerEntry &entry : m_entries) {
            const QDate date = QDate::fromString(qText(entry.stored.ticket.date), kDateFormat);
            if (!date.isValid())
                continue;
            first = first.isValid() ? std::min(first, date) : date;
            last = last.isValid() ? std::max(last, date) : date;
        }
        if (first.isValid()) {
            fromDate->setDate(first);
            toDate->setDate(last);
        }
    }
    m_filling = false;
    showTickets();
}

void LedgerTab::comlotteryClick()
{
    showTickets();
}

LedgerPeriod LedgerTab::period() const
{
    LedgerPeriod period;
    if (lotteryList->currentText() != kAllLotteries)
        period.lottery = lotteryList->currentText().toStdString();
    if (periodCheck->isChecked()) {
        period.from = fromDate->date().toString(kDateFormat).toStdString();
        period.to = toDate->date().toString(kDateFormat).toStdString();
    }
    return period;
}

void LedgerTab::showTickets()
{
    const LedgerPeriod chosen = period();
    m_shown.clear();
    std::vector<TicketCheck> checks;
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
        checks.push_back(entry->check);
        if (chosen.covers(entry->check))
            m_shown.push_back(*entry);
    }
    m_model->reset({QStringLiteral("彩票"), QStringLiteral("期号"), QStringLiteral("购买日期"),
                    QStringLiteral("注数"), QStringLiteral("投入"), QStringLiteral("命中"),
                    QStringLiteral("奖金"), QStringLiteral("中奖")},
                   static_cast<int>(m_shown.size()), [this](int row, int column, int role) -> QVariant {
                       const LedgerEntry &entry = m_shown[static_cast<size_t>(row)];
                       const TicketCheck &check = entry.check;
                       if (role == Qt::TextAlignmentRole && (column == 3 || column == 4 || column == 6))
                           return QVariant(Qt::AlignRight | Qt::AlignVCenter);
                       if (role != Qt::DisplayRole)
                           return {};
                       switch (column) {
                       case 0:
                           return qText(check.lottery);
                       case 1:
                           return qText(check.issue);
                       case 2:
                           return qText(check.date);
                       case 3:
                           return QString::number(check.betCount);
                       case 4:
                           return costText(check);
                       case 5:
                           return qText(ticketHitsText(entry));
                       case 6:
                           return check.drawn ? qText(check.wonText()) : QString();
                       default:
                           return qText(ticketLevelsText(check));
                       }
                   });
    const int widths[] = {70, 80, 90, 50, 90, 70, 90};
    for (int column = 0; column < 7; ++column)
        ticketTable->setColumnWidth(column, widths[column]);
    summaryLabel->setText(QStringLiteral("合计：") + qText(summarizeLedger(checks, chosen).text()));
    showBets();
}

void LedgerTab::showBets()
{
    const QModelIndex current = ticketTable->selectionModel()->currentIndex();
    const LedgerEntry *entry = current.isValid() && static_cast<size_t>(current.row()) < m_shown.size()
                                   ? &m_shown[static_cast<size_t>(current.row())]
                                   : nullptr;
    bool digits = false;
    for (const LotteryInfo &info : m_lotteries) {
        if (entry && info.name.toStdString() == entry->stored.ticket.lottery)
            digits = !info.lottery.isLotto();
    }
    const int rows = entry ? static_cast<int>(entry->stored.ticket.bets.size()) : 0;
    m_betModel->reset({QStringLiteral("号码"), QStringLiteral("命中"), QStringLiteral("中奖")}, rows,
                      [entry, digits](int row, int column, int role) -> QVariant {
                          if (role != Qt::DisplayRole)
                              return {};
                          const auto at = static_cast<size_t>(row);
                          const LotteryNumbers &bet = entry->stored.ticket.bets[at];
                          const TicketLine *line
                              = at < entry->check.lines.size() ? &entry->check.lines[at] : nullptr;
                          if (column == 0) {
                              std::string text = zoneText(bet.front, digits);
                              if (!bet.back.empty())
                                  text += " + " + zoneText(bet.back, digits);
                              return qText(text);
                          }
                          if (!line)
                              return column == 2 ? QStringLiteral("未开奖") : QString();
                          if (column == 1) {
                              QString hits = QString::number(line->frontHits);
                              if (!bet.back.empty())
                                  hits += QStringLiteral("+%1").arg(line->backHits);
                              return line->specialHit ? hits + QStringLiteral("+特") : hits;
                          }
                          const std::string prize = line->prizeText();
                          return prize.empty() ? QStringLiteral("未中奖") : qText(prize);
                      });
    betTable->setColumnWidth(0, 220);
    betTable->setColumnWidth(1, 70);
}

const LedgerEntry *LedgerTab::selected()
{
    const QModelIndexList rows = ticketTable->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        m_services.desktop.message(this, MessageKind::Plain, window()->windowTitle(),
                                   QStringLiteral("请先选择一张投注记录。"));
        return nullptr;
    }
    return &m_shown[static_cast<size_t>(rows.front().row())];
}

void LedgerTab::btnopenClick()
{
    const LedgerEntry *entry = selected();
    if (!entry || !m_services.openBets)
        return;
    // A copy: the main window switching lotteries reloads this list.
    const Ticket ticket = entry->stored.ticket;
    m_services.openBets(qText(ticket.lottery), ticket.bets);
}

void LedgerTab::btndeleteClick()
{
    const LedgerEntry *entry = selected();
    if (!entry)
        return;
    const Ticket &ticket = entry->stored.ticket;
    const QString question = QStringLiteral("删除%1第%2期的投注记录（%3注，投入%4）？")
                                 .arg(qText(ticket.lottery), qText(ticket.issue))
                                 .arg(entry->check.betCount)
                                 .arg(costText(entry->check));
    if (m_services.desktop.ask(this, QStringLiteral("删除投注记录"), question, QStringLiteral("删除"), {},
                               QStringLiteral("取消"))
        != Desktop::Answer::Yes)
        return;
    store().remove(entry->stored.id);
    reload(m_windowLottery);
}

void LedgerTab::btnexportClick()
{
    if (m_shown.empty()) {
        m_services.desktop.message(this, MessageKind::Plain, window()->windowTitle(),
                                   QStringLiteral("没有可导出的投注记录。"));
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("导出投注记录");
    request.initialFolder = qPath(m_services.folder.auxiliaryFolder());
    request.filter = QStringLiteral("文本文件(*.txt)|*.txt");
    request.defaultSuffix = QStringLiteral("txt");
    const QString lottery
        = lotteryList->currentText() == kAllLotteries ? QString() : lotteryList->currentText();
    request.suggestedName = suggestedFileName(lottery, QStringLiteral("投注记录.txt"));
    const QString file = m_services.desktop.saveFileName(this, request);
    if (file.isEmpty())
        return;
    std::vector<TicketCheck> checks;
    for (const LedgerEntry &entry : m_shown)
        checks.push_back(entry.check);
    writeFileAtomically(nativePath(file), ledgerFileBytes(m_shown, summarizeLedger(checks), m_lotteries));
    m_services.desktop.message(this, MessageKind::Plain, window()->windowTitle(),
                               QStringLiteral("成功导出%1张投注记录！").arg(m_shown.size()));
}
