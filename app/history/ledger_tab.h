#pragma once

#include "app/history/history_services.h"
#include "catalogue/lottery_info.h"
#include "history/ticket_store.h"

#include <QWidget>

#include <vector>

class FunctionTableModel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableView;

// 我的投注, a tab of the draw history: the tickets the player recorded, each
// checked against the draws stored now, and the sums of a chosen lottery
// and period. A ticket opens back into the grid, is deleted, or the list
// is written to a text file.
class LedgerTab : public QWidget
{
public:
    // `services` belong to the window the tab is part of and outlive it.
    explicit LedgerTab(HistoryServices &services, QWidget *parent = nullptr);
    ~LedgerTab() override;

    // Reads the tickets and the draws afresh; `lottery` is the window's,
    // shown unless the player chose another.
    void reload(const QString &lottery);

    void comlotteryClick();
    void btnopenClick();
    void btndeleteClick();
    void btnexportClick();

    // The tickets as listed, newest first.
    const std::vector<LedgerEntry> &shown() const { return m_shown; }

    QComboBox *lotteryList = nullptr;
    QCheckBox *periodCheck = nullptr;
    QDateEdit *fromDate = nullptr;
    QDateEdit *toDate = nullptr;
    QTableView *ticketTable = nullptr;
    QPushButton *openButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *exportButton = nullptr;
    QTableView *betTable = nullptr; // the bets of the ticket in hand, each with its hits
    QLabel *summaryLabel = nullptr;

private:
    void readLotteries();
    LedgerPeriod period() const;
    void showTickets();
    void showBets();
    const LedgerEntry *selected();
    TicketStore store() const;

    HistoryServices &m_services;
    QString m_windowLottery;
    std::vector<LotteryInfo> m_lotteries;
    std::vector<LedgerEntry> m_entries; // as stored, oldest first
    std::vector<LedgerEntry> m_shown;
    FunctionTableModel *m_model = nullptr;
    FunctionTableModel *m_betModel = nullptr;
    bool m_filling = false;
};
