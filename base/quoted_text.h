#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How much of an outside text (a file's line, a name, a typed entry, a
// library's error) a message may quote: enough to recognise it, never so
// much that the message box outgrows the screen.
inline constexpr std::size_t kQuotedCharacters = 40;

// A UTF-8 text as a message quotes it: control characters, invisible
// direction marks and bytes that are no UTF-8 shown as escapes ("\n", "\t",
// "\0", "\x1B", "\u202E"), and the whole cut after `maxCharacters` shown
// characters with "…" in place of the rest. An escape is never cut apart.
std::string quotedText(std::string_view utf8, std::size_t maxCharacters = kQuotedCharacters);

// A whole message as a box may show it: the same escapes, except that line
// breaks stay line breaks, and no more than `maxCharacters` characters in
// at most `maxLines` lines, the rest replaced by "…".
std::string boundedMessage(std::string_view utf8, std::size_t maxCharacters = 300, std::size_t maxLines = 12);
