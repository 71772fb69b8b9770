// The history window's trend chart (走势图) and statistics (统计).
#include "app/history/history_window.h"

#include "base/app_error.h"
#include "base/file_io.h"
#include "history/check_text.h"
#include "results/printout.h"
#include "results/save_name.h"
#include "ui/desktop.h"
#include "ui/file_edge.h"
#include "ui/guard.h"
#include "views/frequency_bars.h"
#include "views/qt_print_surface.h"
#include "views/trend_model.h"
#include "views/trend_picture.h"
#include "views/trend_view.h"

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
constexpr int kSpans[] = {30, 50, 100, 200, 0};

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

void HistoryWindow::createTrendTab()
{
    auto *page = new QWidget(tabs);
    auto *layout = new QVBoxLayout(page);
    auto *controls = new QHBoxLayout;
    rangeList = spanList(page, "rangeList", 0);
    showBetsCheck = new QCheckBox(QStringLiteral("叠加当前投注"), page);
    showBetsCheck->setObjectName(QStringLiteral("showBetsCheck"));
    savePictureButton = new QPushButton(QStringLiteral("保存图片…"), page);
    savePictureButton->setObjectName(QStringLiteral("savePictureButton"));
    printChartButton = new QPushButton(QStringLiteral("打印…"), page);
    printChartButton->setObjectName(QStringLiteral("printChartButton"));
    controls->addWidget(new QLabel(QStringLiteral("显示："), page));
    controls->addWidget(rangeList);
    controls->addWidget(showBetsCheck);
    controls->addStretch();
    controls->addWidget(savePictureButton);
    controls->addWidget(printChartButton);
    layout->addLayout(controls);
    m_trendModel = new TrendModel(this);
    trendView = new TrendView(m_trendModel, page);
    trendView->setObjectName(QStringLiteral("trendView"));
    layout->addWidget(trendView, 1);
    trendNoteLabel = new QLabel(TrendModel::statsNote(), page);
    trendNoteLabel->setObjectName(QStringLiteral("trendNoteLabel"));
    trendNoteLabel->setWordWrap(true);
    layout->addWidget(trendNoteLabel);
    tabs->addTab(page, QStringLiteral("走势图"));

    connectGuarded(m_services.desktop, rangeList, &QComboBox::activated, this, &HistoryWindow::comrangeClick);
    connectGuarded(m_services.desktop, showBetsCheck, &QCheckBox::clicked, this,
                   &HistoryWindow::chkbetsClick);
    connectGuarded(m_services.desktop, savePictureButton, &QPushButton::clicked, this,
                   &HistoryWindow::btnpictureClick);
    connectGuarded(m_services.desktop, printChartButton, &QPushButton::clicked, this,
                   &HistoryWindow::btnprintchartClick);
}

void HistoryWindow::createStatsTab()
{
    auto *page = new QWidget(tabs);
    auto *layout = new QVBoxLayout(page);
    auto *controls = new QHBoxLayout;
    recentList = spanList(page, "recentList", 1);
    zoneList = new QComboBox(page);
    zoneList->setObjectName(QStringLiteral("zoneList"));
    controls->addWidget(new QLabel(QStringLiteral("统计："), page));
    controls->addWidget(recentList);
    controls->addWidget(zoneList);
    controls->addStretch();
    layout->addLayout(controls);
    hotLabel = new QLabel(page);
    hotLabel->setObjectName(QStringLiteral("hotLabel"));
    coldLabel = new QLabel(page);
    coldLabel->setObjectName(QStringLiteral("coldLabel"));
    for (QLabel *label : {hotLabel, coldLabel}) {
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
    }
    frequencyBars = new FrequencyBars(page);
    frequencyBars->setObjectName(QStringLiteral("frequencyBars"));
    layout->addWidget(frequencyBars, 1);
    tabs->addTab(page, QStringLiteral("统计"));

    connectGuarded(m_services.desktop, recentList, &QComboBox::activated, this,
                   &HistoryWindow::comrecentClick);
    connectGuarded(m_services.desktop, zoneList, &QComboBox::activated, this, &HistoryWindow::comgroupClick);
}

void HistoryWindow::showTrend()
{
    m_trendModel->setChart(TrendChart(m_draws, m_shape, spanOf(rangeList)), m_shape.front.digits);
    showOverlay();
    trendView->scrollToBottom();
}

void HistoryWindow::showOverlay()
{
    if (!showBetsCheck->isChecked() || !m_services.bets) {
        m_trendModel->setOverlay({});
        return;
    }
    const std::vector<LotteryNumbers> bets
        = m_services.bets(m_lottery.name).value_or(std::vector<LotteryNumbers>{});
    m_trendModel->setOverlay(betColumnCounts(m_trendModel->chart(), bets));
}

void HistoryWindow::showStats()
{
    const std::vector<ChartGroup> groups = chartGroups(m_shape);
    const int chosen = std::clamp(zoneList->currentIndex(), 0, static_cast<int>(groups.size()) - 1);
    zoneList->clear();
    for (const ChartGroup &group : groups)
        zoneList->addItem(QString::fromStdString(group.label));
    zoneList->setCurrentIndex(chosen);
    zoneList->setVisible(groups.size() > 1);

    const TrendChart chart(m_draws, m_shape, spanOf(recentList));
    const ChartGroup &group = groups[static_cast<size_t>(chosen)];
    const HotCold heat = hotAndCold(chart, chosen, hotColdCount(group));
    const bool digits = group.position >= 0;
    const QString span = spanOf(recentList) && chart.rowCount() == spanOf(recentList)
                             ? QStringLiteral("最近%1期").arg(chart.rowCount())
                             : QStringLiteral("全部%1期").arg(chart.rowCount());
    hotLabel->setText(QStringLiteral("%1热号（出现最多）：%2")
                          .arg(span, QString::fromStdString(heatListText(heat.hot, heat.hotTied, digits))));
    coldLabel->setText(
        QStringLiteral("%1冷号（出现最少）：%2")
            .arg(span, QString::fromStdString(heatListText(heat.cold, heat.coldTied, digits))));

    std::vector<FrequencyBars::Bar> bars;
    for (int c = 0; c < chart.columnCount(); ++c) {
        if (chart.group(c) != chosen)
            continue;
        const int number = chart.number(c);
        const Heat is = heatOf(heat, number);
        const FrequencyBars::Heat level = is == Heat::Hot    ? FrequencyBars::Hot
                                          : is == Heat::Cold ? FrequencyBars::Cold
                                                             : FrequencyBars::Plain;
        bars.push_back({numbersText({number}, digits), chart.stats(c).appearances, level});
    }
    if (chart.rowCount() == 0) {
        hotLabel->setText(QStringLiteral("还没有开奖号码，请先在“开奖号码”页导入或添加。"));
        coldLabel->clear();
        bars.clear();
    }
    frequencyBars->setBars(std::move(bars));
}

void HistoryWindow::comrangeClick()
{
    showTrend();
}

void HistoryWindow::chkbetsClick()
{
    showOverlay();
    // The row of the bets stands last: in sight once asked for.
    trendView->scrollToBottom();
}

void HistoryWindow::comrecentClick()
{
    showStats();
}

void HistoryWindow::comgroupClick()
{
    showStats();
}

bool HistoryWindow::event(QEvent *event)
{
    // Back from the main window, the overlay shows the bets as they are now.
    if (event->type() == QEvent::WindowActivate && showBetsCheck->isChecked())
        guarded([this] { showOverlay(); });
    return QWidget::event(event);
}

void HistoryWindow::btnpictureClick()
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

void HistoryWindow::btnprintchartClick()
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
        if (!printShowsProgress(pages))
            return true;
        if (!progress)
            progress = m_services.desktop.startProgress(this, QStringLiteral("打印走势图"), pages);
        return progress->setValue(page, QStringLiteral("正在打印第%1页，共%2页").arg(page).arg(pages));
    });
}
