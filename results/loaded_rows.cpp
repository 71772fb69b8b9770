#include "results/loaded_rows.h"

LoadedRows loadedRows(ResultGrid grid, const Lottery &lottery, const ResultGrid &shown)
{
    LoadedRows loaded;
    ResultGridModel::Snapshot &rows = loaded.rows;
    loaded.misfits = gridMisfits(grid, lottery);
    rows.misfits = loaded.misfits.rows;
    rows.fitLottery = lottery;
    if (grid == shown) {
        // The model gives the shown rows' index to rows it shares.
        rows.grid = shown;
        return loaded;
    }
    rows.grid = std::move(grid);
    RepeatIndex repeats;
    repeats.rebuild(rows.grid);
    rows.repeats = std::move(repeats);
    return loaded;
}

std::string lotteryShapeText(const Lottery &lottery)
{
    std::string text = std::string(lottery.isLotto() ? "乐透型" : "数字型") + std::to_string(lottery.total)
                       + "选" + std::to_string(lottery.count);
    if (lottery.hasBack())
        text += "+" + std::to_string(lottery.backTotal) + "选" + std::to_string(lottery.backCount);
    return text;
}

std::string otherShapeWarning(const std::string &name, const Lottery &file)
{
    return "文件中的" + name + "是" + lotteryShapeText(file) + "，与彩票库中的" + name + "不同，已按文件显示";
}
