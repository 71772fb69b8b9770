#include "base/app_error.h"
#include "cipher/des.h"

#include "../support/error_of.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Des::Block block(const char *hex)
{
    Des::Block b{};
    for (int i = 0; i < 8; ++i)
        b[i] = static_cast<std::uint8_t>(Des::HexToInt(std::string_view(hex + 2 * i, 2)));
    return b;
}

struct Vector
{
    const char *key;
    const char *plain;
    const char *cipher;
};

// NIST SP 800-17, variable plaintext known-answer test (key 01…01).
const char *const kVariablePlaintext[64][2] = {
    {"8000000000000000", "95F8A5E5DD31D900"}, {"4000000000000000", "DD7F121CA5015619"},
    {"2000000000000000", "2E8653104F3834EA"}, {"1000000000000000", "4BD388FF6CD81D4F"},
    {"0800000000000000", "20B9E767B2FB1456"}, {"0400000000000000", "55579380D77138EF"},
    {"0200000000000000", "6CC5DEFAAF04512F"}, {"0100000000000000", "0D9F279BA5D87260"},
    {"0080000000000000", "D9031B0271BD5A0A"}, {"0040000000000000", "424250B37C3DD951"},
    {"0020000000000000", "B8061B7ECD9A21E5"}, {"0010000000000000", "F15D0F286B65BD28"},
    {"0008000000000000", "ADD0CC8D6E5DEBA1"}, {"0004000000000000", "E6D5F82752AD63D1"},
    {"0002000000000000", "ECBFE3BD3F591A5E"}, {"0001000000000000", "F356834379D165CD"},
    {"0000800000000000", "2B9F982F20037FA9"}, {"0000400000000000", "889DE068A16F0BE6"},
    {"0000200000000000", "E19E275D846A1298"}, {"0000100000000000", "329A8ED523D71AEC"},
    {"0000080000000000", "E7FCE22557D23C97"}, {"0000040000000000", "12A9F5817FF2D65D"},
    {"0000020000000000", "A484C3AD38DC9C19"}, {"0000010000000000", "FBE00A8A1EF8AD72"},
    {"0000008000000000", "750D079407521363"}, {"0000004000000000", "64FEED9C724C2FAF"},
    {"0000002000000000", "F02B263B328E2B60"}, {"0000001000000000", "9D64555A9A10B852"},
    {"0000000800000000", "D106FF0BED5255D7"}, {"0000000400000000", "E1652C6B138C64A5"},
    {"0000000200000000", "E428581186EC8F46"}, {"0000000100000000", "AEB5F5EDE22D1A36"},
    {"0000000080000000", "E943D7568AEC0C5C"}, {"0000000040000000", "DF98C8276F54B04B"},
    {"0000000020000000", "B160E4680F6C696F"}, {"0000000010000000", "FA0752B07D9C4AB8"},
    {"0000000008000000", "CA3A2B036DBC8502"}, {"0000000004000000", "5E0905517BB59BCF"},
    {"0000000002000000", "814EEB3B91D90726"}, {"0000000001000000", "4D49DB1532919C9F"},
    {"0000000000800000", "25EB5FC3F8CF0621"}, {"0000000000400000", "AB6A20C0620D1C6F"},
    {"0000000000200000", "79E90DBC98F92CCA"}, {"0000000000100000", "866ECEDD8072BB0E"},
    {"0000000000080000", "8B54536F2F3E64A8"}, {"0000000000040000", "EA51D3975595B86B"},
    {"0000000000020000", "CAFFC6AC4542DE31"}, {"0000000000010000", "8DD45A2DDF90796C"},
    {"0000000000008000", "1029D55E880EC2D0"}, {"0000000000004000", "5D86CB23639DBEA9"},
    {"0000000000002000", "1D1CA853AE7C0C5F"}, {"0000000000001000", "CE332329248F3228"},
    {"0000000000000800", "8405D1ABE24FB942"}, {"0000000000000400", "E643D78090CA4207"},
    {"0000000000000200", "48221B9937748A23"}, {"0000000000000100", "DD7C0BBD61FAFD54"},
    {"0000000000000080", "2FBC291A570DB5C4"}, {"0000000000000040", "E07C30D7E4E26E12"},
    {"0000000000000020", "0953E2258E8E90A1"}, {"0000000000000010", "5B711BC4CEEBF2EE"},
    {"0000000000000008", "CC083F1E6D9E85F6"}, {"0000000000000004", "D2FD8867D50D2DFE"},
    {"0000000000000002", "06E7EA22CE92708F"}, {"0000000000000001", "166B40B44ABA4BD6"},
};

// NIST SP 800-17, variable key known-answer test (plaintext 0), first rows.
const char *const kVariableKey[][2] = {
    {"8001010101010101", "95A8D72813DAA94D"}, {"4001010101010101", "0EEC1487DD8C26D5"},
    {"2001010101010101", "7AD16FFB79C45926"}, {"1001010101010101", "D3746294CA6A6CF3"},
    {"0801010101010101", "809F5F873C1FD761"}, {"0401010101010101", "C02FAFFEC989D1FC"},
    {"0201010101010101", "4615AA1D33E72F10"}, {"0180010101010101", "2055123350C00858"},
    {"0140010101010101", "DF3B99D6577397C8"}, {"0120010101010101", "31FE17369B5288C9"},
};

void expectBlock(const char *key, const char *plain, const char *cipher)
{
    Des::MakeSubkeys(block(key));
    EXPECT_EQ(Des::CipherBlock(Des::Encipher, block(plain)), block(cipher)) << key << ' ' << plain;
    EXPECT_EQ(Des::CipherBlock(Des::Decipher, block(cipher)), block(plain)) << key << ' ' << cipher;
}

} // namespace

TEST(CipherBlock, VariablePlaintextKnownAnswers)
{
    for (const auto &[plain, cipher] : kVariablePlaintext)
        expectBlock("0101010101010101", plain, cipher);
}

TEST(CipherBlock, VariableKeyKnownAnswers)
{
    for (const auto &[key, cipher] : kVariableKey)
        expectBlock(key, "0000000000000000", cipher);
}

TEST(CipherBlock, ClassicVectors)
{
    expectBlock("133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405");
    expectBlock("0123456789ABCDEF", "4E6F772069732074", "3FA40E8A984D4815"); // "Now is t"
    // The parity bits of the key have no effect.
    expectBlock("0000000000000000", "0000000000000000", "8CA64DE9C1B123A7");
    expectBlock("0101010101010101", "0000000000000000", "8CA64DE9C1B123A7");
}

TEST(TextCipher, KnownTextUnderTheClassicKey)
{
    const std::string key("\x01\x23\x45\x67\x89\xAB\xCD\xEF", 8);
    EXPECT_EQ(Des::EncipherTextToHex("Now is the time for all ", key),
              "3FA40E8A984D48156A271787AB8883F9893D51EC4B563B53");
}

TEST(TextCipher, LengthsAndPadding)
{
    EXPECT_EQ(Des::EncipherText("", "27"), "");
    EXPECT_EQ(Des::EncipherTextToHex("", "27"), "");
    EXPECT_EQ(Des::DecipherHexText("", "27"), "");
    EXPECT_EQ(Des::EncipherText("12345678", "27").size(), 8u);
    EXPECT_EQ(Des::EncipherTextToHex("12345678", "27").size(), 16u);
    EXPECT_EQ(Des::EncipherText("123456789", "27").size(), 16u);
    EXPECT_EQ(Des::EncipherTextToHex("123456789", "27").size(), 32u);
    // The padding is NUL bytes, seen when the block is deciphered by itself.
    const std::string cipher = Des::EncipherText("abc", "k");
    Des::Block raw{};
    std::copy(cipher.begin(), cipher.end(), raw.begin());
    Des::MakeSubkeys(Des::keyBlock("k"));
    EXPECT_EQ(Des::CipherBlock(Des::Decipher, raw), (Des::Block{'a', 'b', 'c', 0, 0, 0, 0, 0}));
    EXPECT_EQ(Des::DecipherText(Des::EncipherText("abc", "k"), "k"), "abc");
}

TEST(TextCipher, KeyTextIsItsFirstEightBytesNulPadded)
{
    const std::string plain = "双色球 \xCB\xAB\xC9\xAB";
    EXPECT_EQ(Des::EncipherText(plain, "abcdefgh"), Des::EncipherText(plain, "abcdefghXYZ"));
    EXPECT_EQ(Des::EncipherText(plain, "27"), Des::EncipherText(plain, std::string("27\0\0\0\0\0\0", 8)));
    EXPECT_NE(Des::EncipherText(plain, "27"), Des::EncipherText(plain, "28"));
}

TEST(TextCipher, NulBytes)
{
    EXPECT_EQ(errorOf([] { Des::EncipherText(std::string("ab\0", 3), "27"); }),
              "Error: the last char is NULL char.");
    EXPECT_EQ(errorOf([] { Des::EncipherTextToHex(std::string(1, '\0'), "27"); }),
              "Error: the last char is NULL char.");
    const std::string inner("a\0b\0\0c", 6);
    EXPECT_EQ(Des::DecipherText(Des::EncipherText(inner, "27"), "27"), inner);
    EXPECT_EQ(Des::DecipherHexText(Des::EncipherTextToHex(inner, "27"), "27"), inner);
}

TEST(TextCipher, EqualBlocksGiveEqualCipherBlocks)
{
    const std::string cipher = Des::EncipherText("ABCDEFGHxxxxxxxxABCDEFGH", "27");
    EXPECT_EQ(cipher.substr(0, 8), cipher.substr(16, 8));
    EXPECT_NE(cipher.substr(0, 8), cipher.substr(8, 8));
}

TEST(HexText, ReadsEitherCaseAndWritesUpperCase)
{
    EXPECT_EQ(Des::HexToInt(""), 0u);
    EXPECT_EQ(Des::HexToInt("ff"), 255u);
    EXPECT_EQ(Des::HexToInt("A0"), 160u);
    EXPECT_EQ(errorOf([] { Des::HexToInt("0G"); }), "Error: not a Hex String");
    const std::string hex = Des::EncipherTextToHex("Korvel", "27");
    EXPECT_EQ(hex.find_first_of("abcdef"), std::string::npos);
    std::string lower = hex;
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(Des::DecipherHexText(lower, "27"), "Korvel");
}

TEST(HexText, PartialInputIsIgnored)
{
    const std::string hex = Des::EncipherTextToHex("Korvel", "27");
    EXPECT_EQ(Des::DecipherHexText(hex + "Z", "27"), "Korvel");    // odd last character unchecked
    EXPECT_EQ(Des::DecipherHexText(hex + "00FF", "27"), "Korvel"); // partial block ignored
    const std::string cipher = Des::EncipherText("Korvel", "27");
    EXPECT_EQ(Des::DecipherText(cipher + "abc", "27"), "Korvel");
    EXPECT_EQ(errorOf([&] { Des::DecipherHexText("0x" + hex, "27"); }), "Error: not a Hex String");
}
