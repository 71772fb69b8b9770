#include "app/lottery_shape.h"

#include "catalogue/lottery_info.h"

DrawShape lotteryDrawShape(const LotteryInfo &lottery)
{
    return drawShapeOf(lottery.name.toStdString(), lottery.lottery);
}
