#pragma once

#include "app/compose/compose_bets.h"
#include "base/program_folder.h"
#include "catalogue/lottery_info.h"
#include "results/result_grid_model.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class BallBoard;
class Desktop;
class FilterPanel;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

// What the 组号 window needs from the main window: the desktop, the program
// folder (wheel tables, draws for 缩水), the grid as it stands and the way to
// show a grid with the new bets as one undo step.
struct ComposeServices
{
    Desktop &desktop;
    ProgramFolder folder;
    const ResultGridModel &grid;
    std::function<void(ResultGridModel::Snapshot next, const LotteryInfo &lottery)> showGrid;
    // How long a wheel the tables do not hold is searched for, at most.
    double searchSeconds = 10;
};

// 组号: the player picks balls per zone and a play (复式, 胆拖, 旋转矩阵, or
// 复式 and 组选 of a digit lottery), sees the bets' count and price at once,
// and puts the bets, optionally 缩水ed, into the result grid or a file.
class ComposeWindow : public QWidget
{
public:
    explicit ComposeWindow(ComposeServices services, QWidget *parent = nullptr);
    ~ComposeWindow() override;

    // Shows the window for the lottery; followLottery only changes the
    // boards (the main window's pick, while this window is open).
    void showLottery(const LotteryInfo &lottery);
    void followLottery(const LotteryInfo &lottery);
    const LotteryInfo &lottery() const { return m_lottery; }

    // The wheel found for the guarantee chosen (empty until found).
    const std::vector<BetMask> &wheel() const { return m_wheel; }
    void setSearchSeconds(double seconds) { m_services.searchSeconds = seconds; }

    void appendToGrid();
    void saveToFile();

    std::vector<BallBoard *> boards;
    QComboBox *comPlay = nullptr;
    QComboBox *comGuarantee = nullptr;
    QLabel *lblCount = nullptr;
    QLabel *lblRecord = nullptr;
    QCheckBox *chkExtra = nullptr; // 追加, where the lottery sells it
    QCheckBox *chkFilter = nullptr;
    FilterPanel *filterPanel = nullptr;
    QPushButton *btnAppend = nullptr;
    QPushButton *btnSave = nullptr;
    QPushButton *btnClear = nullptr;

private:
    void fillPlays();
    void fillGuarantees();
    void updateCount();
    ComposeRequest request() const;
    // The wheel's bets: from the tables, or searched for (progress, 取消);
    // nothing when the player stopped before any was found.
    const std::vector<BetMask> *wheelAtHand(bool search);
    // The bets to add or save, 缩水ed when asked; nothing when refused or
    // stopped. `held` is what the grid holds already.
    std::optional<ResultGrid> buildGrid(ResultGrid grid, BetCount held);
    void refuse(const QString &text);

    ComposeServices m_services;
    LotteryInfo m_lottery;
    QVBoxLayout *m_boardColumn = nullptr;
    std::optional<WheelTerms> m_wheelTerms;
    std::vector<BetMask> m_wheel; // for m_wheelTerms, when found
    bool m_filling = false;
};
