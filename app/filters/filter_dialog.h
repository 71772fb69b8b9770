#pragma once

#include "app/filters/grid_filter.h"
#include "base/lottery_numbers.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class Desktop;
class FilterPanel;
class QLabel;
class QPushButton;
class QTimer;

// 缩水 of the result grid: the conditions (a FilterPanel), the counts
// before and after, and a confirmation showing them before anything
// changes. Accepted, it holds the bets kept; the grid is the caller's.
class FilterDialog : public QDialog
{
public:
    // `bets` read from the grid, `draws` the lottery's stored ones (oldest
    // first), `priceFen` what a bet costs.
    FilterDialog(Desktop &desktop, const Lottery &lottery, std::vector<LotteryNumbers> draws, GridBets bets,
                 std::int64_t priceFen, QWidget *parent = nullptr);
    ~FilterDialog() override;

    void btnapplyClick();

    const GridBets &bets() const { return m_bets; }
    // The places in bets() of those kept, once accepted.
    const std::vector<std::uint32_t> &kept() const { return m_kept; }

    FilterPanel *panel = nullptr;
    QLabel *reportLabel = nullptr;
    QPushButton *applyButton = nullptr;
    QPushButton *cancelButton = nullptr;

private:
    void showReport();
    QString reportText(std::int64_t after) const;

    Desktop &m_desktop;
    GridBets m_bets;
    std::int64_t m_priceFen;
    std::vector<std::uint32_t> m_kept;
    QTimer *m_recount = nullptr;
};
