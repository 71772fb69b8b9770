#pragma once

#include <QWidget>

#include <vector>

// How often each number of a group came, as bars painted by hand: the hot
// numbers red, the cold ones blue, the rest grey; the count over each bar
// and the number under it.
class FrequencyBars : public QWidget
{
public:
    enum Heat { Plain, Hot, Cold };
    struct Bar
    {
        QString label;
        int count = 0;
        Heat heat = Plain;
    };

    explicit FrequencyBars(QWidget *parent = nullptr);

    void setBars(std::vector<Bar> bars);
    const std::vector<Bar> &bars() const { return m_bars; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<Bar> m_bars;
};
