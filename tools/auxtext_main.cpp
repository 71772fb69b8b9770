// korvel-auxtext: writes and reads the auxiliary text files.
//   korvel-auxtext encipher [--key TEXT] < captions.txt > file.txt
//   korvel-auxtext decipher [--key TEXT] < file.txt > captions.txt
// Captions are UTF-8, one a line; each becomes one line of hexadecimal text
// (its GBK bytes enciphered) and back. A line that cannot be enciphered
// (it ends in NUL) or deciphered (it is no hexadecimal text) is reported on
// standard error; the other lines are still written and the tool then
// exits with status 1. Output lines end with CR LF when enciphering.
#include "base/gbk.h"
#include "cipher/aux_text_file.h"
#include "cipher/des.h"

#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char *argv[])
{
    std::string key(AuxTextFile::kFixedKey);
    std::string mode;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--key") == 0 && i + 1 < argc)
            key = argv[++i];
        else if (mode.empty())
            mode = argv[i];
        else
            mode = "?";
    }
    if (mode != "encipher" && mode != "decipher") {
        std::cerr << "usage: korvel-auxtext encipher|decipher [--key TEXT] < in > out\n";
        return 2;
    }
    bool failed = false;
    std::string line;
    int number = 0;
    while (std::getline(std::cin, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        try {
            if (mode == "encipher")
                std::cout << Des::EncipherTextToHex(utf8ToGbk(line), key) << "\r\n";
            else
                std::cout << gbkToUtf8(Des::DecipherHexText(line, key)) << '\n';
        } catch (const std::exception &error) {
            std::cerr << "korvel-auxtext: line " << number << ": " << error.what() << '\n';
            failed = true;
        }
    }
    return failed ? 1 : 0;
}
