#pragma once

#include "app/history/history_services.h"
#include "catalogue/lottery_info.h"
#include "history/draw.h"

#include <QWidget>

#include <functional>
#include <vector>

struct FileDialogRequest;
class FrequencyBars;
class FunctionTableModel;
class HistoryStore;
class LedgerTab;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class TrendModel;
class TrendView;

// The draw history of one lottery (开奖历史), beside the main window: the
// stored draws, the trend chart and the statistics.
class HistoryWindow : public QWidget
{
public:
    explicit HistoryWindow(HistoryServices services, QWidget *parent = nullptr);
    ~HistoryWindow() override;

    // Reads the lottery's draws afresh and shows them.
    void showLottery(const LotteryInfo &lottery);
    // The same in a window already in sight, which keeps its place and
    // leaves the focus where it is: the main window switched lotteries.
    void followLottery(const LotteryInfo &lottery);
    // Brings the tab of the player's tickets (我的投注) to the front.
    void showLedger();

    // 开奖号码
    void btnimportClick();
    void btnexportClick();
    void btnadddrawClick();
    void btndeleteClick();
    // 走势图
    void comrangeClick();
    void chkbetsClick();
    void btnpictureClick();
    void btnprintchartClick();
    // 统计
    void comrecentClick();
    void comgroupClick();

    const LotteryInfo &lottery() const { return m_lottery; }
    const std::vector<Draw> &draws() const { return m_draws; }
    const TrendModel &trend() const { return *m_trendModel; }

protected:
    bool event(QEvent *event) override;

private:
    void createDrawsTab();
    void createTrendTab();
    void createStatsTab();
    void guarded(const std::function<void()> &handler);
    HistoryStore store() const;
    FileDialogRequest drawFileDialog(const QString &title) const;
    void reload();
    void showDraws();
    void showTrend();
    void showOverlay();
    void showStats();

    HistoryServices m_services;
    LotteryInfo m_lottery;
    DrawShape m_shape;
    std::vector<Draw> m_draws; // oldest first
    FunctionTableModel *m_drawModel = nullptr;
    TrendModel *m_trendModel = nullptr;

public:
    QTabWidget *tabs = nullptr;
    QLabel *drawCountLabel = nullptr;

    QTableView *drawTable = nullptr;
    QPushButton *importButton = nullptr;
    QPushButton *exportButton = nullptr;
    QPushButton *addDrawButton = nullptr;
    QPushButton *deleteButton = nullptr;

    TrendView *trendView = nullptr;
    QComboBox *rangeList = nullptr;
    QCheckBox *showBetsCheck = nullptr;
    QPushButton *savePictureButton = nullptr;
    QPushButton *printChartButton = nullptr;
    QLabel *trendNoteLabel = nullptr; // how the rows under the draws are counted

    QComboBox *recentList = nullptr;
    QComboBox *zoneList = nullptr;
    QLabel *hotLabel = nullptr;
    QLabel *coldLabel = nullptr;
    FrequencyBars *frequencyBars = nullptr;

    LedgerTab *ledgerTab = nullptr;
};
