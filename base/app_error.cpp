#include "base/app_error.h"

#include "base/quoted_text.h"

AppError::AppError(const std::string &message)
    : std::runtime_error(message)
{}

void throwNotAnInteger(std::string_view text)
{
    std::string message = "'";
    message += quotedText(text);
    message += "' 不是一个有效的整形值";
    throw AppError(message);
}
