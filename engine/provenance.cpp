#include "engine/provenance.h"

#include "base/quoted_text.h"
#include "engine/methods.h"

std::string describeConversion(const ConversionRequest &r)
{
    // The lists take any typed text; the tooltip quotes it, not a page of it.
    const auto q = [](const std::string &text) { return quotedText(text); };
    std::string boxes;
    for (int i = 0; i < r.lottery.count && i < static_cast<int>(r.boxes.size()); ++i)
        boxes += (i ? " " : "") + q(r.boxes[static_cast<size_t>(i)]);
    if (r.method == kGeneralizedMethod)
        return r.method + "：初始号码 " + q(r.initial) + "，控制量数 " + boxes;
    return r.method + "：" + q(r.year) + "-" + q(r.month) + "-" + q(r.day) + " " + q(r.hour) + "时，"
           + q(r.arrangement) + "，" + q(r.direction) + "，原始号码 " + boxes;
}
