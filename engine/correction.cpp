#include "engine/correction.h"

#include "base/app_error.h"
#include "base/quoted_text.h"

#include <string>

DigitPair CorrectPair(std::string_view methodName, DigitPair pair, int n)
{
    const PairMethod *method = findPairMethod(methodName);
    if (!method)
        throw AppError("未知的修正方法：" + quotedText(methodName) + "。");
    return CorrectPair(*method, pair, n);
}
