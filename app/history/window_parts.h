#pragma once

// Pieces the windows of the draw history share.

#include "history/prize_check.h"
#include "views/table_model.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>

// A bet as the check lists it: "01 02 03 04 05 06 + 07".
inline QString betText(const LotteryNumbers &bet, const DrawShape &shape)
{
    std::string text = zoneText(bet.front, shape.front.digits);
    if (!bet.back.empty())
        text += " + " + zoneText(bet.back, shape.back && shape.back->digits);
    return QString::fromStdString(text);
}

// Texts of the floors below as a list's items.
inline QStringList listTexts(const std::vector<std::string> &texts)
{
    QStringList items;
    for (const std::string &text : texts)
        items << QString::fromStdString(text);
    return items;
}

// A read-only list of rows, one line each, that lays out a long list at once.
inline QTableView *listTable(QWidget *parent, const char *name, FunctionTableModel *model)
{
    auto *view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(22);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

inline QLabel *plainLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
