#pragma once

#include <QTableView>

class ResultGridModel;

// The grid control of the main window: fixed header row and row-number
// column, cells selectable but not editable, uniform rows so that a million
// bets scroll as lightly as ten.
class ResultGridView : public QTableView
{
public:
    ResultGridView(ResultGridModel *model, QWidget *parent = nullptr);

    // Gives every column, the row-number column included, the same width.
    void setAllColumnWidths(int width);

    // The width inside the frame that the columns may fill without a
    // horizontal scroll bar: without the vertical scroll bar's width once
    // the rows are more than the grid's height shows.
    int clientWidth() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    ResultGridModel *m_model;
};
