#include "views/trend_view.h"

#include "views/table_corner.h"
#include "views/trend_model.h"
#include "views/trend_paint.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

class TrendDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (option.state & QStyle::State_Selected)
            painter->fillRect(option.rect, option.palette.highlight().color().lighter(170));
        paintTrendCell(*painter, option.rect, index);
    }
};

// Numbers under the band of their group; the band's label stands over the
// middle of the group's columns, whichever of them are in sight.
class TrendHeader : public QHeaderView
{
public:
    explicit TrendHeader(QWidget *parent)
        : QHeaderView(Qt::Horizontal, parent)
    {
        setSectionResizeMode(QHeaderView::Fixed);
        setHighlightSections(false);
        setMinimumSectionSize(1);
        setFixedHeight(kTrendMetrics.headerHeight);
    }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        const QAbstractItemModel *source = model();
        const auto groupOf = [&](int section) {
            return source->headerData(section, Qt::Horizontal, TrendModel::GroupRole).toInt();
        };
        const int group = groupOf(logicalIndex);
        int first = logicalIndex;
        while (first > 0 && groupOf(first - 1) == group)
            --first;
        int last = logicalIndex;
        while (last + 1 < count() && groupOf(last + 1) == group)
            ++last;
        const int left = sectionViewportPosition(first);
        const int right = sectionViewportPosition(last) + sectionSize(last);
        const QRect band(left, rect.top(), right - left, kTrendMetrics.bandHeight);
        const bool figures = logicalIndex >= count() - TrendModel::kFigureColumns;
        painter->save();
        painter->setClipRect(QRect(rect.left(), rect.top(), rect.width(), kTrendMetrics.bandHeight));
        paintTrendBand(
            *painter, band,
            source->headerData(logicalIndex, Qt::Horizontal, TrendModel::GroupLabelRole).toString(),
            source->headerData(logicalIndex, Qt::Horizontal, TrendModel::BackGroupRole).toBool(), figures);
        painter->restore();
        QHeaderView::paintSection(painter, rect.adjusted(0, kTrendMetrics.bandHeight, 0, 0), logicalIndex);
    }
};

} // namespace

TrendView::TrendView(TrendModel *model, QWidget *parent)
    : QTableView(parent)
    , m_model(model)
{
    setHorizontalHeader(new TrendHeader(this));
    setModel(model);
    setItemDelegate(new TrendDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setGridStyle(Qt::SolidLine);
    QHeaderView *rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(kTrendMetrics.rowHeight);
    rows->setMinimumSectionSize(1);
    rows->setFixedWidth(kTrendMetrics.issueWidth);
    rows->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setDefaultSectionSize(kTrendMetrics.numberWidth);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { applySizes(); });
    applySizes();
    // The corner over the 期号 column names it.
    if (auto *corner = findChild<QAbstractButton *>())
        corner->installEventFilter(this);
}

bool TrendView::eventFilter(QObject *watched, QEvent *event)
{
    auto *corner = qobject_cast<QAbstractButton *>(watched);
    if (!corner || event->type() != QEvent::Paint)
        return QTableView::eventFilter(watched, event);
    paintTableCorner(corner, QStringLiteral("期号"), Qt::AlignCenter);
    return true;
}

void TrendView::applySizes()
{
    // The header keeps the widths of the chart before, whose figure
    // columns stood elsewhere: every column gets its width anew.
    const int columns = m_model->columnCount();
    const int numbers = std::max(0, columns - TrendModel::kFigureColumns);
    for (int c = 0; c < columns; ++c)
        horizontalHeader()->resizeSection(c, c < numbers ? kTrendMetrics.numberWidth
                                                         : kTrendMetrics.figureWidth);
}
