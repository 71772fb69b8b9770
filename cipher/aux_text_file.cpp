#include "cipher/aux_text_file.h"

#include "base/file_io.h"
#include "base/gbk.h"
#include "cipher/des.h"

AuxTextFile::AuxTextFile(const std::string &path)
{
    split(readFile(path));
}

AuxTextFile AuxTextFile::fromBytes(const std::string &bytes)
{
    AuxTextFile file;
    file.split(bytes);
    return file;
}

void AuxTextFile::split(const std::string &bytes)
{
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        m_lines.push_back(std::move(line));
        start = end + 1;
    }
}

std::string_view AuxTextFile::line(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_lines.size()))
        return {};
    return m_lines[static_cast<size_t>(index)];
}

std::string AuxTextFile::caption(int index) const
{
    return gbkToUtf8(Des::DecipherHexText(line(index), kFixedKey));
}

std::string auxTextLine(std::string_view captionUtf8, std::string_view key)
{
    return Des::EncipherTextToHex(utf8ToGbk(captionUtf8), key);
}
