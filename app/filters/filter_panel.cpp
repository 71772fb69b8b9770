#include "app/filters/filter_panel.h"

#include "base/int_text.h"
#include "filters/filter_report.h"
#include "filters/stat_choices.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum class Editor { Range, Values, Numbers };
enum class NumberSet { None, Must, Kill, BackKill };

QString qText(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

// The rows in the order players read them: the front's statistics, the
// numbers kept and killed, then the back zone's.
struct RowPlan
{
    FilterStat stat;
    NumberSet set;
};
const std::vector<RowPlan> kFrontRows = {
    {FilterStat::Sum, NumberSet::None},
    {FilterStat::Span, NumberSet::None},
    {FilterStat::OddEven, NumberSet::None},
    {FilterStat::BigSmall, NumberSet::None},
    {FilterStat::PrimeComposite, NumberSet::None},
    {FilterStat::Consecutive, NumberSet::None},
    {FilterStat::Ac, NumberSet::None},
    {FilterStat::Road012, NumberSet::None},
    {FilterStat::DistinctTails, NumberSet::None},
    {FilterStat::TailSum, NumberSet::None},
    {FilterStat::Zones, NumberSet::None},
    {FilterStat::Repeats, NumberSet::None},
    {FilterStat::Neighbours, NumberSet::None},
    {FilterStat::Sum, NumberSet::Must},
    {FilterStat::Sum, NumberSet::Kill},
};
const std::vector<RowPlan> kBackRows = {
    {FilterStat::BackOddEven, NumberSet::None},
    {FilterStat::BackBigSmall, NumberSet::None},
    {FilterStat::Sum, NumberSet::BackKill},
};

} // namespace

struct FilterPanel::Row
{
    QString name;
    Editor editor = Editor::Range;
    FilterStat stat = FilterStat::Sum;
    NumberSet set = NumberSet::None;
    std::vector<std::int64_t> choices;
    QCheckBox *use = nullptr;
    QSpinBox *low = nullptr;
    QSpinBox *high = nullptr;
    QLineEdit *values = nullptr;
    QLabel *rate = nullptr;
};

FilterPanel::FilterPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("filterPanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_conventions = new QLabel(this);
    m_conventions->setObjectName(QStringLiteral("conventionsLabel"));
    m_conventions->setTextFormat(Qt::PlainText);
    m_conventions->setWordWrap(true);
    layout->addWidget(m_conventions);
    m_grid = new QGridLayout;
    m_grid->setColumnStretch(1, 1);
    layout->addLayout(m_grid);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problemLabel"));
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(m_problem);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("noteLabel"));
    m_note->setTextFormat(Qt::PlainText);
    m_note->setWordWrap(true);
    m_note->hide();
    layout->addWidget(m_note);
}

FilterPanel::~FilterPanel() = default;

void FilterPanel::setNote(const QString &note)
{
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

QString FilterPanel::note() const
{
    return m_note->text();
}

void FilterPanel::clearRows()
{
    m_rows.clear();
    while (QLayoutItem *item = m_grid->takeAt(0)) {
        if (item->widget())
            item->widget()->deleteLater();
        if (QLayout *inner = item->layout()) {
            while (QLayoutItem *child = inner->takeAt(0)) {
                if (child->widget())
                    child->widget()->deleteLater();
                delete child;
            }
        }
        delete item;
    }
}

void FilterPanel::setLottery(const Lottery &lottery, std::vector<LotteryNumbers> draws)
{
    m_filling = true;
    clearRows();
    m_lottery = lottery;
    m_draws = std::move(draws);
    const FilterConventions conventions = FilterConventions::defaultsFor(lottery);
    m_conventions->setText(QStringLiteral("约定：") + qText(conventionsText(lottery, conventions)));
    const QString back = qText(lottery.backName.empty() ? kDefaultBackName : lottery.backName);
    std::vector<RowPlan> plans = kFrontRows;
    if (lottery.hasBack())
        plans.insert(plans.end(), kBackRows.begin(), kBackRows.end());
    for (const RowPlan &plan : plans) {
        Row row;
        row.stat = plan.stat;
        row.set = plan.set;
        if (plan.set != NumberSet::None) {
            row.editor = Editor::Numbers;
            row.name = plan.set == NumberSet::Must   ? QStringLiteral("胆码")
                       : plan.set == NumberSet::Kill ? QStringLiteral("杀号")
                                                     : back + QStringLiteral("杀号");
        } else {
            row.editor = isRatio(plan.stat) ? Editor::Values : Editor::Range;
            row.name = qText(statName(plan.stat)).replace(QStringLiteral("后区"), back);
            row.choices = statChoices(plan.stat, lottery, conventions);
        }
        addRow(std::move(row));
    }
    m_filling = false;
    changed();
}

void FilterPanel::addRow(Row row)
{
    const int line = static_cast<int>(m_rows.size());
    row.use = new QCheckBox(row.name, this);
    row.use->setObjectName(QStringLiteral("use_") + row.name);
    m_grid->addWidget(row.use, line, 0);
    auto *editor = new QHBoxLayout;
    if (row.editor == Editor::Range) {
        const int lowest = row.choices.empty() ? 0 : static_cast<int>(row.choices.front());
        const int highest = row.choices.empty() ? 0 : static_cast<int>(row.choices.back());
        row.low = new QSpinBox(this);
        row.high = new QSpinBox(this);
        for (QSpinBox *box : {row.low, row.high}) {
            box->setRange(lowest, highest);
            editor->addWidget(box);
            connect(box, &QSpinBox::valueChanged, this, [this, use = row.use] {
                if (!m_filling)
                    use->setChecked(true);
                changed();
            });
        }
        row.low->setObjectName(QStringLiteral("low_") + row.name);
        row.high->setObjectName(QStringLiteral("high_") + row.name);
        row.low->setValue(lowest);
        row.high->setValue(highest);
        editor->insertWidget(1, new QLabel(QStringLiteral("至"), this));
        editor->addStretch();
    } else {
        row.values = new QLineEdit(this);
        row.values->setObjectName(QStringLiteral("values_") + row.name);
        row.values->setMinimumWidth(260); // room for the values offered, shown as its hint
        editor->addWidget(row.values, 1);
        if (row.editor == Editor::Values) {
            QStringList offered;
            for (const std::int64_t value : row.choices)
                offered << qText(statValueText(row.stat, value));
            row.values->setPlaceholderText(QStringLiteral("可选：") + offered.join(QLatin1Char(' ')));
            // The values offered, to tick instead of typing.
            auto *pick = new QToolButton(this);
            pick->setText(QStringLiteral("…"));
            pick->setPopupMode(QToolButton::InstantPopup);
            auto *menu = new QMenu(pick);
            for (const QString &value : offered)
                menu->addAction(value)->setCheckable(true);
            pick->setMenu(menu);
            QLineEdit *box = row.values;
            connect(menu, &QMenu::aboutToShow, menu, [menu, box] {
                const QStringList typed = box->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
                for (QAction *action : menu->actions())
                    action->setChecked(typed.contains(action->text()));
            });
            connect(menu, &QMenu::triggered, box, [menu, box] {
                QStringList ticked;
                for (QAction *action : menu->actions()) {
                    if (action->isChecked())
                        ticked << action->text();
                }
                box->setText(ticked.join(QLatin1Char(' ')));
            });
            editor->addWidget(pick);
        } else {
            row.values->setPlaceholderText(QStringLiteral("号码，以空格分开"));
        }
        connect(row.values, &QLineEdit::textChanged, this, [this, use = row.use](const QString &text) {
            if (!m_filling && !text.trimmed().isEmpty())
                use->setChecked(true);
            changed();
        });
    }
    m_grid->addLayout(editor, line, 1);
    row.rate = new QLabel(this);
    row.rate->setObjectName(QStringLiteral("rate_") + row.name);
    row.rate->setTextFormat(Qt::PlainText);
    row.rate->setMinimumWidth(110);
    m_grid->addWidget(row.rate, line, 2);
    connect(row.use, &QCheckBox::toggled, this, [this] { changed(); });
    m_rows.push_back(std::move(row));
}

void FilterPanel::changed()
{
    if (m_filling)
        return;
    showRates();
    const Outcome<BetFilter> made = filter();
    m_problem->setText(made.accepted() ? QString() : qText(made.refusal()));
    if (onChange)
        onChange();
}

FilterSettings FilterPanel::baseSettings() const
{
    FilterSettings settings;
    settings.conventions = FilterConventions::defaultsFor(m_lottery);
    if (!m_draws.empty())
        settings.lastDraw = m_draws.back().front;
    return settings;
}

Check FilterPanel::addTo(const Row &row, FilterSettings &settings) const
{
    if (row.editor == Editor::Range) {
        settings.conditions.push_back(ValueCondition::between(row.stat, row.low->value(), row.high->value()));
        return std::nullopt;
    }
    const QStringList parts
        = row.values->text().split(QRegularExpression(QStringLiteral("[\\s,，、]+")), Qt::SkipEmptyParts);
    if (row.editor == Editor::Values) {
        std::vector<std::int64_t> values;
        for (const QString &part : parts) {
            const auto found = std::find_if(row.choices.begin(), row.choices.end(), [&](std::int64_t value) {
                return qText(statValueText(row.stat, value)) == part;
            });
            if (found == row.choices.end())
                return Refusal{
                    QString(row.name + QStringLiteral("“%1”不是可选的值").arg(part)).toStdString()};
            values.push_back(*found);
        }
        settings.conditions.push_back(ValueCondition::oneOf(row.stat, std::move(values)));
        return std::nullopt;
    }
    std::vector<int> &numbers = row.set == NumberSet::Must   ? settings.must
                                : row.set == NumberSet::Kill ? settings.kill
                                                             : settings.backKill;
    for (const QString &part : parts) {
        const auto number = parseInt(part.toStdString());
        if (!number)
            return Refusal{QString(row.name + QStringLiteral("“%1”不是号码").arg(part)).toStdString()};
        numbers.push_back(*number);
    }
    return std::nullopt;
}

Outcome<BetFilter> FilterPanel::filter() const
{
    FilterSettings settings = baseSettings();
    for (const Row &row : m_rows) {
        if (!row.use->isChecked())
            continue;
        if (auto refusal = addTo(row, settings))
            return *refusal;
    }
    return BetFilter::make(m_lottery, settings);
}

void FilterPanel::showRates()
{
    std::vector<FilterBet> draws;
    draws.reserve(m_draws.size());
    for (const LotteryNumbers &draw : m_draws)
        draws.push_back({draw.front, draw.back});
    for (const Row &row : m_rows) {
        // Each condition alone, in use or not, so that the player sees its
        // cost before ticking it.
        FilterSettings settings = baseSettings();
        QString text;
        if (!addTo(row, settings)) {
            const Outcome<BetFilter> made = BetFilter::make(m_lottery, settings);
            if (made.accepted() && made.value().conditionCount() > 0)
                text = qText(conditionRates(made.value(), draws).front().text());
        }
        row.rate->setText(text);
    }
}

const FilterPanel::Row *FilterPanel::rowNamed(const QString &name) const
{
    for (const Row &row : m_rows) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

QCheckBox *FilterPanel::useBox(const QString &name) const
{
    const Row *row = rowNamed(name);
    return row ? row->use : nullptr;
}

QSpinBox *FilterPanel::lowBox(const QString &name) const
{
    const Row *row = rowNamed(name);
    return row ? row->low : nullptr;
}

QSpinBox *FilterPanel::highBox(const QString &name) const
{
    const Row *row = rowNamed(name);
    return row ? row->high : nullptr;
}

QLineEdit *FilterPanel::valuesBox(const QString &name) const
{
    const Row *row = rowNamed(name);
    return row ? row->values : nullptr;
}

QLabel *FilterPanel::rateLabel(const QString &name) const
{
    const Row *row = rowNamed(name);
    return row ? row->rate : nullptr;
}

QString guaranteeNote(int drawn, int kept)
{
    return QStringLiteral("缩水后不再保证中%1保%2").arg(drawn).arg(kept);
}
