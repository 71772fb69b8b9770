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
// What an undo replaces waits for a redo. A new replacement after an undo
// puts the grids still undone that hold bets back within undo's reach,
// older than the step it adds, so no bet the player made is dropped by an
// undo.
//
// Steps share rows with the grid and with each other (ResultGrid copies on
// write), so a step costs only the rows no one else holds. The history keeps
// at most kDepth steps, and drops its oldest while those rows of its own pass
// kBytes; the newest step is always kept, so the last replacement can be
// undone whatever its size. Dropped steps wait in takeDropped() for the
// window to free them where freeing a million rows keeps nobody waiting.
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
    bool canRedo() const { return !m_undone.empty(); }
    std::size_t size() const { return m_steps.size(); }
    const Step &newest() const { return m_steps.back(); }

    // Adds a step; `shown` is the grid shown from now on, whose rows cost
    // the history nothing.
    void push(Step step, const ResultGrid &shown)
    {
        for (Step &undone : m_undone) {
            if (undone.content.grid.hasBets())
                m_steps.push_back(std::move(undone));
        }
        for (Step &undone : m_undone)
            m_dropped.push_back(std::move(undone));
        m_undone.clear();
        m_steps.push_back(std::move(step));
        trim(shown);
    }

    // Undo takes the newest step to show; what it replaced is given back
    // with `undone`, for redo.
    Step takeNewest()
    {
        Step step = std::move(m_steps.back());
        m_steps.pop_back();
        return step;
    }
    void undone(Step replaced) { m_undone.push_back(std::move(replaced)); }

    // Redo takes the grid the last undo replaced; what it replaces is given
    // back with `redone`, for undo.
    Step takeUndone()
    {
        Step step = std::move(m_undone.back());
        m_undone.pop_back();
        return step;
    }
    void redone(Step replaced, const ResultGrid &shown)
    {
        m_steps.push_back(std::move(replaced));
        trim(shown);
    }

    // The steps dropped since the last call, to be freed.
    std::vector<Step> takeDropped() { return std::exchange(m_dropped, {}); }

    // Bytes of rows held by the steps and by nothing else: each shared copy
    // counted once, rows shared with the grid shown not at all.
    std::size_t ownBytes(const ResultGrid &shown) const
    {
        std::vector<const ResultGrid *> counted{&shown};
        std::size_t bytes = 0;
        for (const std::deque<Step> *steps : {&m_steps, &m_undone}) {
            for (const Step &step : *steps) {
                const ResultGrid &grid = step.content.grid;
                bool shared = false;
                for (const ResultGrid *other : counted)
                    shared = shared || grid.sharesRowsWith(*other);
                if (!shared) {
                    bytes += grid.memoryUsed();
                    counted.push_back(&grid);
                }
            }
        }
        return bytes;
    }

private:
    void trim(const ResultGrid &shown)
    {
        while (m_steps.size() > kDepth || (m_steps.size() > 1 && ownBytes(shown) > kBytes)) {
            m_dropped.push_back(std::move(m_steps.front()));
            m_steps.pop_front();
        }
    }

    std::deque<Step> m_steps;
    std::vector<Step> m_dropped;
    std::deque<Step> m_undone; // the last undone last
};
