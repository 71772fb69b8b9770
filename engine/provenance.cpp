#include "engine/provenance.h"

#include "base/quoted_text.h"
#include "engine/methods.h"

namespace {

// The lists and boxes take any typed text; the tooltip quotes it, not a
// page of it.
std::string q(const std::string &text)
{
    return quotedText(text);
}

std::string joinedBoxes(const ConversionRequest &r, int from, int to)
{
    std::string text;
    for (int i = from; i < to && i < static_cast<int>(r.boxes.size()); ++i)
        text += (i > from ? " " : "") + q(r.boxes[static_cast<size_t>(i)]);
    return text;
}

} // namespace

std::string describeConversion(const ConversionRequest &r)
{
    const int count = r.lottery.count;
    std::string boxes = joinedBoxes(r, 0, count);
    if (r.lottery.hasBack())
        boxes += "，" + r.lottery.backName + " " + joinedBoxes(r, count, r.lottery.numberCount());
    if (r.method == kGeneralizedMethod)
        return r.method + "：初始号码 " + q(r.initial) + "，控制量数 " + boxes;
    return r.method + "：" + q(r.year) + "-" + q(r.month) + "-" + q(r.day) + " " + q(r.hour) + "时，"
           + q(r.arrangement) + "，" + q(r.direction) + "，原始号码 " + boxes;
}
