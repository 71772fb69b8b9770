#pragma once

#include "app/history/history_services.h"
#include "catalogue/lottery_info.h"
#include "history/prize_check.h"

#include <QWidget>

#include <optional>
#include <vector>

class FunctionTableModel;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class ResultGridModel;

// Checks the grid's bets against the draws, beside the main window: against
// one draw (核对开奖号码), with the hits, level and prize of each bet, or
// against every stored draw (对照历史). It highlights the hits in `grid` and
// follows the grid's changes while it is open.
class CheckWindow : public QWidget
{
public:
    CheckWindow(HistoryServices services, ResultGridModel &grid, QWidget *parent = nullptr);
    ~CheckWindow() override;

    // Against the newest stored draw; when none is stored, against a draw
    // the player types in (nothing opens when that is cancelled or refused).
    void checkDraw(const LotteryInfo &lottery);
    // Against every stored draw.
    void checkHistory(const LotteryInfo &lottery);

    void comdrawClick();
    void btntypeClick();
    void complayClick();
    void comtierClick();

    const DrawCheck &drawCheck() const { return m_check; }
    const std::vector<HistoryCheck> &historyCheck() const { return m_history; }

private:
    void createCheckPage();
    void createHistoryPage();
    void guarded(const std::function<void()> &handler);
    void load(const LotteryInfo &lottery);
    std::optional<Draw> askDraw(QWidget *owner);
    void fillDrawList();
    std::optional<Draw> chosenDraw() const;
    CheckOptions options() const;
    void gridChanged();
    void runCheck();
    void runHistory();
    void showCheck(const Draw &draw);
    // What a summary adds when rows of the grid are no bets of its lottery.
    static QString misfitWord(const ResultGridModel &grid);

    HistoryServices m_services;
    ResultGridModel &m_grid;
    LotteryInfo m_lottery;
    DrawShape m_shape;
    std::vector<Draw> m_draws; // oldest first
    PrizeTable m_table;
    std::optional<Draw> m_typed;
    std::vector<LotteryNumbers> m_bets;
    DrawCheck m_check;
    std::vector<HistoryCheck> m_history;
    QLabel *m_playLabel = nullptr; // shown with the choices beside them
    QLabel *m_tierLabel = nullptr;
    FunctionTableModel *m_checkModel = nullptr;
    FunctionTableModel *m_historyModel = nullptr;

public:
    QTabWidget *tabs = nullptr;
    QComboBox *drawList = nullptr;
    QPushButton *typeDrawButton = nullptr;
    QComboBox *playList = nullptr;
    QComboBox *tierList = nullptr;
    QTableView *checkTable = nullptr;
    QLabel *summaryLabel = nullptr;
    QLabel *historySummaryLabel = nullptr;
    QTableView *historyTable = nullptr;
};
