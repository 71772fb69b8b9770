// The history window's trend chart (走势图) and statistics (统计).
#include "app/u_history.h"

#include "app/frequency_bars.h"
#include "app/qt_print_surface.h"
#include "app/trend_model.h"
#include "app/trend_picture.h"
#include "app/trend_view.h"
#include "base/app_error.h"
#include "base/file_io.h"
#include "history/check_text.h"
#include "results/save_name.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The spans of draws a chart or the statistics cover; 0 stands for all.
constexpr int kSpans[] = {30, 50, 100, 0};

QComboBox *spanList(QWidget *parent, const char *name, int chosen)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    for (int span : kSpans)
        list->addItem(span ? QStringLiteral("最近%1期").arg(span) : QStringLiteral("全部"));
    list->setCurrentIndex(chosen);
    return list;
}

int spanOf(const QComboBox *list)
{
    return kSpans[std::clamp(list->currentIndex(), 0, static_cast<int>(std::size(kSpans)) - 1)];
}

QString numbersText(const std::vector<int> &numbers, bool digits)
{
    return QString::fromStdString(zoneText(numbers, digits));
}

} // namespace

void Tfrmhistory::createTrendTab()
{
    auto *page = new QWidget(tabs);
    auto *layout = new QVBoxLayout(page);
    auto *controls = new QHBoxLayout;
    comrange = spanList(page, "comrange", 0);
    chkbets = new QCheckBox(QStringLiteral("叠加当前投注"), page);
    chkbets->setObjectName(QStringLiteral("chkbets"));
    btnpicture = new QPushButton(QStringLiteral("保存图片…"), page);
    btnpicture->setObjectName(QStringLiteral("btnpicture"));
    btnprintchart = new QPushButton(QStringLiteral("打印…"), page);
    btnprintchart->setObjectName(QStringLiteral("btnprintchart"));
    controls->addWidget(new QLabel(QStringLiteral("显示："), page));
    controls->addWidget(comrange);
    controls->addWidget(chkbets);
    controls->addStretch();
    controls->addWidget(btnpicture);
    controls->addWidget(btnprintchart);
    layout->addLayout(controls);
    m_trendModel = new TrendModel(this);
    grdtrend = new TrendView(m_trendModel, page);
    grdtrend->setObjectName(QStringLiteral("grdtrend"));
    layout->addWidget(grdtrend, 1);
    tabs->addTab(page, QStringLiteral("走势图"));

    connect(comrange, &QComboBox::activated, this, [this] { guarded([this] { comrangeClick(); }); });
    connect(chkbets, &QCheckBox::clicked, this, [this] { guarded([this] { chkbetsClick(); }); });
    connect(btnpicture, &QPushButton::clicked, this, [this] { guarded([this] { btnpictureClick(); }); });
    connect(btnprintchart, &QPushButton::clicked, this,
            [this] { guarded([this] { btnprintchartClick(); }); });
}

void Tfrmhistory::createStatsTab()
{
    auto *page = new QWidget(tabs);
    auto *layout = new QVBoxLayout(page);
    auto *controls = new QHBoxLayout;
    comrecent = spanList(page, "comrecent", 1);
    comgroup = new QComboBox(page);
    comgroup->setObjectName(QStringLiteral("comgroup"));
    controls->addWidget(new QLabel(QStringLiteral("统计："), page));
    controls->addWidget(comrecent);
    controls->addWidget(comgroup);
    controls->addStretch();
    layout->addLayout(controls);
    lblhot = new QLabel(page);
    lblhot->setObjectName(QStringLiteral("lblhot"));
    lblcold = new QLabel(page);
    lblcold->setObjectName(QStringLiteral("lblcold"));
    for (QLabel *label : {lblhot, lblcold}) {
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
    }
    barfreq = new FrequencyBars(page);
    barfreq->setObjectName(QStringLiteral("barfreq"));
    layout->addWidget(barfreq, 1);
    tabs->addTab(page, QStringLiteral("统计"));

    connect(comrecent, &QComboBox::activated, this, [this] { guarded([this] { comrecentClick(); }); });
    connect(comgroup, &QComboBox::activated, this, [this] { guarded([this] { comgroupClick(); }); });
}

void Tfrmhistory::showTrend()
{
    m_trendModel->setChart(TrendChart(m_draws, m_shape, spanOf(comrange)), m_shape.front.digits);
    showOverlay();
    grdtrend->scrollToBottom();
}

void Tfrmhistory::showOverlay()
{
    if (!chkbets->isChecked() || !m_services.bets) {
        m_trendModel->setOverlay({});
        return;
    }
    const std::vector<Bet> bets = m_services.bets(m_lottery.name).value_or(std::vector<Bet>{});
    m_trendModel->setOverlay(betColumnCounts(m_trendModel->chart(), bets));
}

void Tfrmhistory::showStats()
{
    const std::vector<ChartGroup> groups = chartGroups(m_shape);
    const int chosen = std::clamp(comgroup->currentIndex(), 0, static_cast<int>(groups.size()) - 1);
    comgroup->clear();
    for (const ChartGroup &group : groups)
        comgroup->addItem(QString::fromStdString(group.label));
    comgroup->setCurrentIndex(chosen);
    comgroup->setVisible(groups.size() > 1);

    const TrendChart chart(m_draws, m_shape, spanOf(comrecent));
    const ChartGroup &group = groups[static_cast<size_t>(chosen)];
    const HotCold heat = hotAndCold(chart, chosen, hotColdCount(group));
    const bool digits = group.position >= 0;
    const QString span = spanOf(comrecent) && chart.rowCount() == spanOf(comrecent)
                             ? QStringLiteral("最近%1期").arg(chart.rowCount())
                             : QStringLiteral("全部%1期").arg(chart.rowCount());
    lblhot->setText(QStringLiteral("%1热号（出现最多）：%2").arg(span, numbersText(heat.hot, digits)));
    lblcold->setText(QStringLiteral("%1冷号（出现最少）：%2").arg(span, numbersText(heat.cold, digits)));

    std::vector<FrequencyBars::Bar> bars;
    for (int c = 0; c < chart.columnCount(); ++c) {
        if (chart.group(c) != chosen)
            continue;
        const int number = chart.number(c);
        const auto among = [number](const std::vector<int> &list) {
            return std::find(list.begin(), list.end(), number) != list.end();
        };
        const FrequencyBars::Heat level = among(heat.hot)    ? FrequencyBars::Hot
                                          : among(heat.cold) ? FrequencyBars::Cold
                                                             : FrequencyBars::Plain;
        bars.push_back({numbersText({number}, digits), chart.stats(c).appearances, level});
    }
    if (chart.rowCount() == 0) {
        lblhot->setText(QStringLiteral("还没有开奖号码，请先在“开奖号码”页导入或添加。"));
        lblcold->clear();
        bars.clear();
    }
    barfreq->setBars(std::move(bars));
}

void Tfrmhistory::comrangeClick()
{
    showTrend();
}

void Tfrmhistory::chkbetsClick()
{
    showOverlay();
    // The row of the bets stands last: in sight once asked for.
    grdtrend->scrollToBottom();
}

void Tfrmhistory::comrecentClick()
{
    showStats();
}

void Tfrmhistory::comgroupClick()
{
    showStats();
}

bool Tfrmhistory::event(QEvent *event)
{
    // Back from the main window, the overlay shows the bets as they are now.
    if (event->type() == QEvent::WindowActivate && chkbets->isChecked())
        guarded([this] { showOverlay(); });
    return QWidget::event(event);
}

void Tfrmhistory::btnpictureClick()
{
    const int draws = m_trendModel->chart().rowCount();
    if (draws == 0) {
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                   QStringLiteral("还没有开奖号码。"));
        return;
    }
    if (draws > kPictureDraws) {
        m_services.desktop.message(
            this, MessageKind::Plain, windowTitle(),
            QStringLiteral("图片最多容纳%1期，请在“显示”中选择较少的期数。").arg(kPictureDraws));
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("保存走势图");
    request.initialFolder = qPath(m_services.folder.auxiliaryFolder());
    request.filter = QStringLiteral("PNG图片(*.png)|*.png");
    request.defaultSuffix = QStringLiteral("png");
    request.suggestedName = suggestedFileName(m_lottery.name, QStringLiteral("走势图.png"));
    const QString file = m_services.desktop.saveFileName(this, request);
    if (file.isEmpty())
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!trendPicture(*m_trendModel).save(&buffer, "PNG"))
        throw AppError("无法生成走势图图片。");
    writeFileAtomically(nativePath(file), bytes.toStdString());
    m_services.desktop.message(this, MessageKind::Plain, windowTitle(), QStringLiteral("成功保存！"));
}

void Tfrmhistory::btnprintchartClick()
{
    if (m_trendModel->chart().rowCount() == 0) {
        m_services.desktop.message(this, MessageKind::Plain, windowTitle(),
                                   QStringLiteral("还没有开奖号码。"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!m_services.desktop.choosePrinter(this, printer))
        return;
    std::unique_ptr<Desktop::Progress> progress;
    QtPrintSurface surface(&printer);
    printTrend(surface, *m_trendModel, [&](int page, int pages) {
        if (pages <= 3)
            return true;
        if (!progress)
            progress = m_services.desktop.startProgress(this, QStringLiteral("打印走势图"), pages);
        return progress->setValue(page, QStringLiteral("正在打印第%1页，共%2页").arg(page).arg(pages));
    });
}
