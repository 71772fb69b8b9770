// The auxiliary-file reader and DecipherHexText: any bytes give captions or
// one of the two error messages, never anything worse.
#include "base/app_error.h"
#include "cipher/aux_text_file.h"
#include "cipher/des.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const AuxTextFile file = AuxTextFile::fromBytes(bytes);
    for (int line = 0; line < 8; ++line) {
        try {
            (void)file.caption(line);
        } catch (const AppError &) {
        }
    }
    try {
        const std::string plain = Des::DecipherHexText(bytes, "27");
        if (!plain.empty() && plain.back() != '\0') {
            // What deciphers must encipher back to the same whole blocks.
            const std::string again = Des::DecipherText(Des::EncipherText(plain, "27"), "27");
            if (again != plain)
                __builtin_trap();
        }
    } catch (const AppError &) {
    }
    return 0;
}
