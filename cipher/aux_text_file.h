#pragma once

#include <string>
#include <string_view>
#include <vector>

// An auxiliary text file: one caption a line, each the hexadecimal text of
// the caption's GBK bytes enciphered under the fixed key. Lines end with
// CR LF or LF; a line past the end of the file reads as empty.
class AuxTextFile
{
public:
    // The key the shipped files are enciphered under.
    static constexpr std::string_view kFixedKey = "27";

    // Reads the whole file; a file that cannot be read throws AppError with
    // the platform's message.
    explicit AuxTextFile(const std::string &path);

    // Takes the file's bytes as they are.
    static AuxTextFile fromBytes(const std::string &bytes);

    // The raw text of line `index` (from 0), without its line end.
    std::string_view line(int index) const;

    // Line `index` deciphered under the fixed key, as UTF-8. A line that is
    // no hexadecimal text throws AppError "Error: not a Hex String".
    std::string caption(int index) const;

private:
    AuxTextFile() = default;
    void split(const std::string &bytes);

    std::vector<std::string> m_lines;
};

// The other direction, for the tool that writes the shipped files: a UTF-8
// caption as one line of hexadecimal text under the given key.
std::string auxTextLine(std::string_view captionUtf8, std::string_view key = AuxTextFile::kFixedKey);
