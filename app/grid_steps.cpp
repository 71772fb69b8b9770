#include "app/grid_steps.h"

#include <QThreadPool>

#include <memory>

GridSteps::GridSteps(ResultGridModel &model)
    : m_model(model)
{}

void GridSteps::replace(ResultGridModel::Snapshot next, int count, const LotteryInfo &before)
{
    ResultGridModel::Snapshot previous = m_model.exchange(std::move(next), count);
    m_history.push({std::move(previous), before}, m_model.grid());
    freeDropped();
}

void GridSteps::undo(const LotteryInfo &current, const ShowStep &show)
{
    if (m_history.empty())
        return;
    m_history.undone({show(m_history.takeNewest()), current});
}

void GridSteps::redo(const LotteryInfo &current, const ShowStep &show)
{
    if (!m_history.canRedo())
        return;
    ResultGridModel::Snapshot replaced = show(m_history.takeUndone());
    m_history.redone({std::move(replaced), current}, m_model.grid());
    freeDropped();
}

void GridSteps::freeDropped()
{
    // Nothing else holds the dropped rows.
    auto dropped = std::make_shared<std::vector<Step>>(m_history.takeDropped());
    if (!dropped->empty())
        QThreadPool::globalInstance()->start([dropped] { dropped->clear(); });
}
