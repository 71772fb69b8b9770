#pragma once

#include <string>
#include <string_view>

// The text of the default error box: the error's own text with a "." added
// when its last character sorts after "." (so "abc" gets one, "abc." and
// "abc-" do not), except after a sentence already ended by "。", "！" or
// "？". Works on UTF-8.
std::string errorBoxText(std::string_view message);
