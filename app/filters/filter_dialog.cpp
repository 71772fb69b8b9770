#include "app/filters/filter_dialog.h"

#include "app/filters/filter_panel.h"
#include "filters/filter_report.h"
#include "ui/desktop.h"
#include "ui/guard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

FilterDialog::FilterDialog(Desktop &desktop, const Lottery &lottery, std::vector<LotteryNumbers> draws,
                           GridBets bets, std::int64_t priceFen, QWidget *parent)
    : QDialog(parent)
    , m_desktop(desktop)
    , m_bets(std::move(bets))
    , m_priceFen(priceFen)
{
    setObjectName(QStringLiteral("filterDialog"));
    setWindowTitle(QStringLiteral("缩水"));
    auto *layout = new QVBoxLayout(this);
    panel = new FilterPanel(this);
    layout->addWidget(panel);
    reportLabel = new QLabel(this);
    reportLabel->setObjectName(QStringLiteral("reportLabel"));
    reportLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(reportLabel);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    applyButton = new QPushButton(QStringLiteral("缩水"), this);
    applyButton->setObjectName(QStringLiteral("applyButton"));
    cancelButton = new QPushButton(QStringLiteral("取消"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(applyButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    // Counting a million bets takes about a tenth of a second
    // (bench_grid_filter), quick enough for the window's own thread; the
    // count follows the conditions once the player pauses, not every key.
    m_recount = new QTimer(this);
    m_recount->setSingleShot(true);
    m_recount->setInterval(m_bets.count() > 100000 ? 300 : 50);
    connect(m_recount, &QTimer::timeout, this, [this] { showReport(); });
    panel->onChange = [this] { m_recount->start(); };
    panel->setLottery(lottery, std::move(draws));
    showReport();
    connectGuarded(m_desktop, applyButton, &QPushButton::clicked, this, &FilterDialog::btnapplyClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

FilterDialog::~FilterDialog() = default;

QString FilterDialog::reportText(std::int64_t after) const
{
    const auto others = static_cast<std::int64_t>(m_bets.others.size());
    QString text = QString::fromStdString(shrinkReportText(m_bets.count(), after, m_priceFen));
    if (others > 0)
        text += QStringLiteral("（另有%1行不是本彩票的号码，保留）").arg(others);
    return text;
}

void FilterDialog::showReport()
{
    const Outcome<BetFilter> filter = panel->filter();
    if (!filter.accepted()) {
        reportLabel->setText(
            QString::fromStdString(shrinkReportText(m_bets.count(), m_bets.count(), m_priceFen)));
        return;
    }
    const auto kept = static_cast<std::int64_t>(filter.value().kept(m_bets.numbers).size());
    reportLabel->setText(reportText(kept));
}

void FilterDialog::btnapplyClick()
{
    const Outcome<BetFilter> filter = panel->filter();
    if (!filter.accepted()) {
        m_desktop.message(this, MessageKind::Plain, windowTitle(), QString::fromStdString(filter.refusal()));
        return;
    }
    std::vector<std::uint32_t> kept = filter.value().kept(m_bets.numbers);
    if (kept.empty()) {
        m_desktop.message(this, MessageKind::Plain, windowTitle(),
                          QStringLiteral("缩水后一注也不剩，请放宽条件。表格未改变。"));
        return;
    }
    const QString report = reportText(static_cast<std::int64_t>(kept.size()));
    reportLabel->setText(report);
    if (m_desktop.ask(this, windowTitle(), report + QStringLiteral("\n用缩水后的号码替换表格？"),
                      QStringLiteral("缩水"), {}, QStringLiteral("取消"))
        != Desktop::Answer::Yes)
        return;
    m_kept = std::move(kept);
    accept();
}
