#include "views/result_grid_view.h"

#include "results/result_grid_model.h"
#include "views/table_corner.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QTextDocument>
#include <QToolTip>

ResultGridView::ResultGridView(ResultGridModel *model, QWidget *parent)
    : QTableView(parent)
    , m_model(model)
{
    setModel(model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(24);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setFixedHeight(24);
    setAllColumnWidths(64);
    // Tab leaves the grid for the next control instead of walking its cells.
    setTabKeyNavigation(false);
    // The corner above the row numbers shows cell (0, 0), "序号". Qt repaints
    // it only for its own reasons, so every change of the grid asks for it.
    if (auto *corner = findChild<QAbstractButton *>()) {
        corner->installEventFilter(this);
        const auto repaint = [corner] { corner->update(); };
        connect(model, &QAbstractItemModel::modelReset, corner, repaint);
        connect(model, &QAbstractItemModel::headerDataChanged, corner, repaint);
        connect(model, &QAbstractItemModel::dataChanged, corner, repaint);
    }
}

int ResultGridView::clientWidth() const
{
    int width = contentsRect().width();
    const int rowsHeight
        = horizontalHeader()->height() + m_model->rowCount() * verticalHeader()->defaultSectionSize();
    if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff && rowsHeight > contentsRect().height())
        width -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
    return width;
}

void ResultGridView::setAllColumnWidths(int width)
{
    horizontalHeader()->setDefaultSectionSize(width);
    verticalHeader()->setFixedWidth(width);
}

bool ResultGridView::eventFilter(QObject *watched, QEvent *event)
{
    auto *corner = qobject_cast<QAbstractButton *>(watched);
    if (!corner || event->type() != QEvent::Paint)
        return QTableView::eventFilter(watched, event);
    const std::string_view text = m_model->grid().cell(0, 0);
    paintTableCorner(corner, QString::fromUtf8(text), Qt::AlignLeft | Qt::AlignVCenter);
    return true;
}

bool ResultGridView::viewportEvent(QEvent *event)
{
    // A row's tooltip quotes what the player named (a back zone's name):
    // it shows as the characters typed, never as markup.
    if (event->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.data(Qt::ToolTipRole).toString();
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), Qt::convertFromPlainText(text), viewport(), visualRect(index));
    return true;
}
