#include "engine/provenance.h"

#include "engine/methods.h"

std::string describeConversion(const ConversionRequest &r)
{
    std::string boxes;
    for (int i = 0; i < r.count && i < static_cast<int>(r.boxes.size()); ++i)
        boxes += (i ? " " : "") + r.boxes[static_cast<size_t>(i)];
    if (r.method == kGeneralizedMethod)
        return r.method + "：初始号码 " + r.initial + "，控制量数 " + boxes;
    return r.method + "：" + r.year + "-" + r.month + "-" + r.day + " " + r.hour + "时，" + r.arrangement
           + "，" + r.direction + "，原始号码 " + boxes;
}
