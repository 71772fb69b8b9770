#pragma once

#include "results/result_grid_model.h"

#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

// Where the result grid can go back to, newest step last. A step holds what
// the grid showed before a clear, a selection or a load, together with the
// lottery its bets were made for, so that undo brings back both: bets of six
// numbers never come back under a lottery of three.
//
// Steps share rows with the grid and with each other (ResultGrid copies on
// write), so a step costs only the rows no one else holds. The history keeps
// at most kDepth steps, and drops its oldest while those rows of its own pass
// kBytes; the newest step is always kept, so the last replacement can be
// undone whatever its size.
template<typename Lottery>
class GridHistory
{
public:
    static constexpr std::size_t kDepth = 10;
    static constexpr std::size_t kBytes = 32u << 20;

    struct Step
    {
        ResultGridModel::Snapshot content;
        Lottery lottery;
    };

    bool empty() const { return m_steps.empty(); }
    std::size_t size() const { return m_steps.size(); }
    const Step &newest() const { return m_steps.back(); }

    // Adds a step; `shown` is the grid shown from now on, whose rows cost
    // the history nothing.
    void push(Step step, const ResultGrid &shown)
    {
        m_steps.push_back(std::move(step));
        while (m_steps.size() > kDepth || (m_steps.size() > 1 && ownBytes(shown) > kBytes))
            m_steps.pop_front();
    }

    Step takeNewest()
    {
        Step step = std::move(m_steps.back());
        m_steps.pop_back();
        return step;
    }

    // Bytes of rows held by the steps and by nothing else: each shared copy
    // counted once, rows shared with the grid shown not at all.
    std::size_t ownBytes(const ResultGrid &shown) const
    {
        std::vector<const ResultGrid *> counted{&shown};
        std::size_t bytes = 0;
        for (const Step &step : m_steps) {
            const ResultGrid &grid = step.content.grid;
            bool shared = false;
            for (const ResultGrid *other : counted)
                shared = shared || grid.sharesRowsWith(*other);
            if (!shared) {
                bytes += grid.memoryUsed();
                counted.push_back(&grid);
            }
        }
        return bytes;
    }

private:
    std::deque<Step> m_steps;
};
