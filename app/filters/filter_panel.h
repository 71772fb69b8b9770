#pragma once

#include "base/lottery_numbers.h"
#include "base/outcome.h"
#include "filters/bet_filter.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

// The 缩水 conditions of one lottery, one row each: a box to use it, the
// range or the set of values the player allows, and how often the stored
// draws met it ("近100期 82%"), so that the player sees what a condition
// costs in hit chance before using it. Any window that filters bets embeds
// it: the 缩水 dialog on the result grid, the 组号 window on a wheel's bets.
class FilterPanel : public QWidget
{
public:
    explicit FilterPanel(QWidget *parent = nullptr);
    ~FilterPanel() override;

    // The lottery whose bets are filtered and its stored draws, oldest
    // first: they decide the rows, the values offered, the hit rates and the
    // last draw that 重号 and 邻号 compare with. Every condition is cleared.
    void setLottery(const Lottery &lottery, std::vector<LotteryNumbers> draws);

    // A sentence in plain words under the conditions, for what filtering
    // means where the panel is used: a wheel's bets lose their guarantee
    // ("缩水后不再保证中5保4", see guaranteeNote). Empty hides it.
    void setNote(const QString &note);
    QString note() const;

    // The conditions in use as one filter, or why they cannot filter, in a
    // sentence for the player (a value that is none of those offered, a
    // 胆码 that is also a 杀号 …).
    Outcome<BetFilter> filter() const;

    // Called after any condition changed.
    std::function<void()> onChange;

    // The row of a condition, by the name it shows ("和值", "蓝球杀号").
    QCheckBox *useBox(const QString &name) const;
    QSpinBox *lowBox(const QString &name) const;
    QSpinBox *highBox(const QString &name) const;
    QLineEdit *valuesBox(const QString &name) const; // ratios, 胆码 and 杀号
    QLabel *rateLabel(const QString &name) const;

private:
    struct Row;
    void clearRows();
    void addRow(Row row);
    void changed();
    void showRates();
    Check addTo(const Row &row, FilterSettings &settings) const;
    FilterSettings baseSettings() const;
    const Row *rowNamed(const QString &name) const;

    Lottery m_lottery;
    std::vector<LotteryNumbers> m_draws;
    std::vector<Row> m_rows;
    QGridLayout *m_grid = nullptr;
    QLabel *m_conventions = nullptr;
    QLabel *m_note = nullptr;
    QLabel *m_problem = nullptr;
    bool m_filling = false;
};

// The note for a wheel's bets: "缩水后不再保证中5保4".
QString guaranteeNote(int drawn, int kept);
