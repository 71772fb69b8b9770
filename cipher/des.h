#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// DES text cipher: texts enciphered block by block (ECB) under a key given
// as text, and carried as hexadecimal text so they can stand in a plain
// text file. Texts are byte strings; a NUL is an ordinary byte inside one.
//
// The subkey table belongs to the unit, as in the program this format comes
// from: every text operation rebuilds it from its own key, and CipherBlock
// works under whatever table is current. Calls must not overlap; the program
// makes them on the user-interface thread only.
namespace Des {

using Block = std::array<std::uint8_t, 8>;

enum Direction { Encipher = 0, Decipher = 1 };

// Fills the subkey table from an 8-byte key block (the standard schedule).
void MakeSubkeys(const Block &key);

// One block under the current subkey table, as FIPS 46-3 specifies.
Block CipherBlock(Direction direction, const Block &block);

// The key block of a key text: its first 8 bytes, NUL-padded.
Block keyBlock(std::string_view keyText);

// NUL-pads to a multiple of 8 (never a whole block of padding) and
// enciphers. A text ending in NUL throws AppError
// "Error: the last char is NULL char." before anything else happens.
std::string EncipherText(std::string_view plain, std::string_view key);

// Deciphers the whole blocks and drops the NUL bytes at the end.
std::string DecipherText(std::string_view cipher, std::string_view key);

// EncipherText written as upper-case hexadecimal, two digits a byte.
std::string EncipherTextToHex(std::string_view plain, std::string_view key);

// The value of a hexadecimal text (either case); any other character throws
// AppError "Error: not a Hex String". An empty text gives 0.
std::uint32_t HexToInt(std::string_view hex);

// Deciphers hexadecimal text; a last single character is ignored unchecked.
std::string DecipherHexText(std::string_view hex, std::string_view key);

} // namespace Des
