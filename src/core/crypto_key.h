#pragma once
// What a password turns into: the check byte stored in an encrypted file's header, and the AES
// key. Both depend on the password alone, so a file can be opened on any machine with the same
// code page.
#include <cstdint>
#include <string>
#include <string_view>

/// The sum of the password's UTF-16 code units modulo 30, with 0 replaced by 1. The empty
/// password therefore has the check byte 1.
uint8_t DvPasswordCheckByte(std::u16string_view password);

/// The 32-byte AES key: the MD5 digest of the password in the 8-bit code page ("?" for
/// unmappable characters), written as 32 hexadecimal digits whose case follows a fixed
/// pseudo-random sequence. The key bytes are those ASCII digits. Empty when libcrypto refuses
/// MD5 (a configuration restricted to FIPS algorithms); the cipher then fails cleanly.
std::string DvPasswordKey(std::u16string_view password);
