#pragma once

#include <string>
#include <string_view>

// The one codec pair between the program's UTF-8 text and the GBK bytes of
// the files players exchange. A byte sequence that is no GBK becomes U+FFFD
// for each bad byte; a character GBK cannot hold becomes "?".
std::string utf8ToGbk(std::string_view utf8);
std::string gbkToUtf8(std::string_view gbk);

// UTF-16 text without its byte-order mark (Excel's "Unicode text") as
// UTF-8; bad units become U+FFFD.
std::string utf16ToUtf8(std::string_view utf16, bool littleEndian);
