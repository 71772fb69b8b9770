#include "cipher/des.h"

#include "base/app_error.h"

namespace Des {
namespace {

// The tables of FIPS 46-3, bit 1 the most significant.
constexpr std::uint8_t kPc1[56] = {
    57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18, 10, 2,  59, 51, 43,
    35, 27, 19, 11, 3,  60, 52, 44, 36, 63, 55, 47, 39, 31, 23, 15, 7,  62, 54,
    46, 38, 30, 22, 14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4,
};
constexpr std::uint8_t kPc2[48] = {
    14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10, 23, 19, 12, 4,  26, 8,  16, 7,  27, 20, 13, 2,
    41, 52, 31, 37, 47, 55, 30, 40, 51, 45, 33, 48, 44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32,
};
constexpr std::uint8_t kShifts[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};
constexpr std::uint8_t kP[32] = {
    16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
    2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25,
};
constexpr std::uint8_t kS[8][4][16] = {
    {{14, 4, 13, 1, 2, 15, 11, 8, 3, 10, 6, 12, 5, 9, 0, 7},
     {0, 15, 7, 4, 14, 2, 13, 1, 10, 6, 12, 11, 9, 5, 3, 8},
     {4, 1, 14, 8, 13, 6, 2, 11, 15, 12, 9, 7, 3, 10, 5, 0},
     {15, 12, 8, 2, 4, 9, 1, 7, 5, 11, 3, 14, 10, 0, 6, 13}},
    {{15, 1, 8, 14, 6, 11, 3, 4, 9, 7, 2, 13, 12, 0, 5, 10},
     {3, 13, 4, 7, 15, 2, 8, 14, 12, 0, 1, 10, 6, 9, 11, 5},
     {0, 14, 7, 11, 10, 4, 13, 1, 5, 8, 12, 6, 9, 3, 2, 15},
     {13, 8, 10, 1, 3, 15, 4, 2, 11, 6, 7, 12, 0, 5, 14, 9}},
    {{10, 0, 9, 14, 6, 3, 15, 5, 1, 13, 12, 7, 11, 4, 2, 8},
     {13, 7, 0, 9, 3, 4, 6, 10, 2, 8, 5, 14, 12, 11, 15, 1},
     {13, 6, 4, 9, 8, 15, 3, 0, 11, 1, 2, 12, 5, 10, 14, 7},
     {1, 10, 13, 0, 6, 9, 8, 7, 4, 15, 14, 3, 11, 5, 2, 12}},
    {{7, 13, 14, 3, 0, 6, 9, 10, 1, 2, 8, 5, 11, 12, 4, 15},
     {13, 8, 11, 5, 6, 15, 0, 3, 4, 7, 2, 12, 1, 10, 14, 9},
     {10, 6, 9, 0, 12, 11, 7, 13, 15, 1, 3, 14, 5, 2, 8, 4},
     {3, 15, 0, 6, 10, 1, 13, 8, 9, 4, 5, 11, 12, 7, 2, 14}},
    {{2, 12, 4, 1, 7, 10, 11, 6, 8, 5, 3, 15, 13, 0, 14, 9},
     {14, 11, 2, 12, 4, 7, 13, 1, 5, 0, 15, 10, 3, 9, 8, 6},
     {4, 2, 1, 11, 10, 13, 7, 8, 15, 9, 12, 5, 6, 3, 0, 14},
     {11, 8, 12, 7, 1, 14, 2, 13, 6, 15, 0, 9, 10, 4, 5, 3}},
    {{12, 1, 10, 15, 9, 2, 6, 8, 0, 13, 3, 4, 14, 7, 5, 11},
     {10, 15, 4, 2, 7, 12, 9, 5, 6, 1, 13, 14, 0, 11, 3, 8},
     {9, 14, 15, 5, 2, 8, 12, 3, 7, 0, 4, 10, 1, 13, 11, 6},
     {4, 3, 2, 12, 9, 5, 15, 10, 11, 14, 1, 7, 6, 0, 8, 13}},
    {{4, 11, 2, 14, 15, 0, 8, 13, 3, 12, 9, 7, 5, 10, 6, 1},
     {13, 0, 11, 7, 4, 9, 1, 10, 14, 3, 5, 12, 2, 15, 8, 6},
     {1, 4, 11, 13, 12, 3, 7, 14, 10, 15, 6, 8, 0, 5, 9, 2},
     {6, 11, 13, 8, 1, 4, 10, 7, 9, 5, 0, 15, 14, 2, 3, 12}},
    {{13, 2, 8, 4, 6, 15, 11, 1, 10, 9, 3, 14, 5, 0, 12, 7},
     {1, 15, 13, 8, 10, 3, 7, 4, 12, 5, 6, 11, 0, 14, 9, 2},
     {7, 11, 4, 1, 9, 12, 14, 2, 0, 6, 10, 13, 15, 3, 5, 8},
     {2, 1, 14, 7, 4, 10, 8, 13, 15, 12, 9, 0, 3, 5, 6, 11}},
};

constexpr std::uint32_t rotl(std::uint32_t v, int n)
{
    return (v << n) | (v >> (32 - n));
}

// S-box n followed by P, for each 6-bit input b1…b6 (b1 the most
// significant), rotated left by one bit to match the rotated halves the
// rounds work on. Derived once from the standard's tables.
struct SpTables
{
    std::uint32_t sp[8][64];

    constexpr SpTables()
        : sp{}
    {
        for (int n = 0; n < 8; ++n) {
            for (int x = 0; x < 64; ++x) {
                const int row = ((x >> 4) & 2) | (x & 1);
                const int column = (x >> 1) & 15;
                const std::uint32_t s = static_cast<std::uint32_t>(kS[n][row][column]) << (28 - 4 * n);
                std::uint32_t p = 0;
                for (int i = 0; i < 32; ++i) {
                    if (s & (0x80000000u >> (kP[i] - 1)))
                        p |= 0x80000000u >> i;
                }
                sp[n][x] = rotl(p, 1);
            }
        }
    }
};
constexpr SpTables kSp;

// The unit's subkey table, as the standard forms it (6 bytes a subkey), and
// the same subkeys regrouped for the rounds: two words a subkey, holding
// the 6-bit groups 1, 3, 5, 7 and 2, 4, 6, 8 in their low six bits per byte.
std::uint8_t g_subkeys[16][6];
std::uint32_t g_rounds[16][2];

inline void swapBits(std::uint32_t &a, std::uint32_t &b, int shift, std::uint32_t mask)
{
    const std::uint32_t t = ((a >> shift) ^ b) & mask;
    b ^= t;
    a ^= t << shift;
}

inline std::uint32_t feistel(std::uint32_t r, const std::uint32_t *k)
{
    std::uint32_t w = ((r << 28) | (r >> 4)) ^ k[0];
    std::uint32_t f = kSp.sp[6][w & 0x3f] | kSp.sp[4][(w >> 8) & 0x3f] | kSp.sp[2][(w >> 16) & 0x3f]
                      | kSp.sp[0][(w >> 24) & 0x3f];
    w = r ^ k[1];
    f |= kSp.sp[7][w & 0x3f] | kSp.sp[5][(w >> 8) & 0x3f] | kSp.sp[3][(w >> 16) & 0x3f]
         | kSp.sp[1][(w >> 24) & 0x3f];
    return f;
}

inline std::uint32_t load(const std::uint8_t *p)
{
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

inline void store(std::uint8_t *p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

// IP, 16 rounds, the exchange of the halves and IP⁻¹. The initial and final
// permutations are done as the usual sequence of bit-group exchanges.
void cipher(const std::uint8_t *in, std::uint8_t *out, bool decipher)
{
    std::uint32_t left = load(in);
    std::uint32_t right = load(in + 4);
    swapBits(left, right, 4, 0x0f0f0f0fu);
    swapBits(left, right, 16, 0x0000ffffu);
    swapBits(right, left, 2, 0x33333333u);
    swapBits(right, left, 8, 0x00ff00ffu);
    right = rotl(right, 1);
    std::uint32_t t = (left ^ right) & 0xaaaaaaaau;
    left ^= t;
    right ^= t;
    left = rotl(left, 1);

    for (int i = 0; i < 16; i += 2) {
        const int a = decipher ? 15 - i : i;
        const int b = decipher ? 14 - i : i + 1;
        left ^= feistel(right, g_rounds[a]);
        right ^= feistel(left, g_rounds[b]);
    }

    right = rotl(right, 31);
    t = (left ^ right) & 0xaaaaaaaau;
    left ^= t;
    right ^= t;
    left = rotl(left, 31);
    swapBits(left, right, 8, 0x00ff00ffu);
    swapBits(left, right, 2, 0x33333333u);
    swapBits(right, left, 16, 0x0000ffffu);
    swapBits(right, left, 4, 0x0f0f0f0fu);
    store(out, right);
    store(out + 4, left);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    throw AppError("Error: not a Hex String");
}

} // namespace

void MakeSubkeys(const Block &key)
{
    bool bits[56];
    for (int i = 0; i < 56; ++i) {
        const int bit = kPc1[i] - 1;
        bits[i] = (key[bit / 8] >> (7 - bit % 8)) & 1;
    }
    for (int round = 0; round < 16; ++round) {
        for (int s = 0; s < kShifts[round]; ++s) {
            const bool c0 = bits[0];
            const bool d0 = bits[28];
            for (int i = 0; i < 27; ++i) {
                bits[i] = bits[i + 1];
                bits[28 + i] = bits[29 + i];
            }
            bits[27] = c0;
            bits[55] = d0;
        }
        std::uint8_t *subkey = g_subkeys[round];
        std::uint8_t groups[8] = {};
        for (int i = 0; i < 6; ++i)
            subkey[i] = 0;
        for (int i = 0; i < 48; ++i) {
            if (bits[kPc2[i] - 1]) {
                subkey[i / 8] |= static_cast<std::uint8_t>(0x80 >> (i % 8));
                groups[i / 6] |= static_cast<std::uint8_t>(0x20 >> (i % 6));
            }
        }
        g_rounds[round][0] = (std::uint32_t{groups[0]} << 24) | (std::uint32_t{groups[2]} << 16)
                             | (std::uint32_t{groups[4]} << 8) | groups[6];
        g_rounds[round][1] = (std::uint32_t{groups[1]} << 24) | (std::uint32_t{groups[3]} << 16)
                             | (std::uint32_t{groups[5]} << 8) | groups[7];
    }
}

Block CipherBlock(Direction direction, const Block &block)
{
    Block out{};
    cipher(block.data(), out.data(), direction == Decipher);
    return out;
}

Block keyBlock(std::string_view keyText)
{
    Block key{};
    for (size_t i = 0; i < key.size() && i < keyText.size(); ++i)
        key[i] = static_cast<std::uint8_t>(keyText[i]);
    return key;
}

std::string EncipherText(std::string_view plain, std::string_view key)
{
    if (!plain.empty() && plain.back() == '\0')
        throw AppError("Error: the last char is NULL char.");
    MakeSubkeys(keyBlock(key));
    std::string text(plain);
    text.resize((text.size() + 7) / 8 * 8, '\0');
    auto *bytes = reinterpret_cast<std::uint8_t *>(text.data());
    for (size_t i = 0; i < text.size(); i += 8)
        cipher(bytes + i, bytes + i, false);
    return text;
}

std::string DecipherText(std::string_view cipherText, std::string_view key)
{
    MakeSubkeys(keyBlock(key));
    std::string text(cipherText.substr(0, cipherText.size() / 8 * 8));
    auto *bytes = reinterpret_cast<std::uint8_t *>(text.data());
    for (size_t i = 0; i < text.size(); i += 8)
        cipher(bytes + i, bytes + i, true);
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

std::string EncipherTextToHex(std::string_view plain, std::string_view key)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const std::string cipherText = EncipherText(plain, key);
    std::string hex;
    hex.reserve(cipherText.size() * 2);
    for (unsigned char byte : cipherText) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

std::uint32_t HexToInt(std::string_view hex)
{
    std::uint32_t value = 0;
    for (char c : hex)
        value = value * 16 + static_cast<std::uint32_t>(hexDigit(c));
    return value;
}

std::string DecipherHexText(std::string_view hex, std::string_view key)
{
    std::string cipherText;
    cipherText.reserve(hex.size() / 2);
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        cipherText += static_cast<char>(HexToInt(hex.substr(i, 2)));
    return DecipherText(cipherText, key);
}

} // namespace Des
