#include "app/lottery_shape.h"

#include "catalogue/lottery_info.h"

DrawShape lotteryDrawShape(const LotteryInfo &lottery)
{
    // The catalogue's lotteries have one zone of numbers: no back zone.
    return drawShapeOf(lottery.name.toStdString(), lottery.kind, lottery.total, lottery.count, 0, 0);
}
