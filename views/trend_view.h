#pragma once

#include <QTableView>

class TrendModel;

// Shows a TrendModel: fixed cell sizes and uniform rows, so that the view
// lays out ten thousand draws without measuring them and paints only the
// rows in sight; the header carries each group's band over its numbers.
class TrendView : public QTableView
{
public:
    explicit TrendView(TrendModel *model, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applySizes();

    TrendModel *m_model;
};
