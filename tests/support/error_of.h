#pragma once

#include "base/app_error.h"

#include <functional>
#include <string>

// The message of the AppError an action throws, or "no error".
inline std::string errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const AppError &error) {
        return error.what();
    }
    return "no error";
}
