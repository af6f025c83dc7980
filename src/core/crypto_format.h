#pragma once
// The encrypted form of a document file, in memory. Layout:
//
//   offset 0   "0"
//   offset 1   the password's check byte (DvPasswordCheckByte)
//   offset 2   "kencryptedvemblix"
//   offset 19  tens digit of the padding length, as a number (0 or 1)
//   offset 20  units digit of the padding length, as a number (0-9)
//   offset 21  the bytes 2, 8, 6, 5
//   offset 25  the ciphertext
//
// The plaintext is cut into chunks of 524288 bytes, each encrypted with AES-256-CBC on its own
// from the all-zero vector. Only a last chunk shorter than 524288 bytes is padded (PKCS #7, with
// 16 - size % 16 bytes); a plaintext of whole chunks has no padding block although the header
// still records 16.
//
// Loading and saving go through these functions so that a protected database's plaintext never
// reaches the disk; the file operations in crypto_file.h are built on them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/crypto_result.h"

inline constexpr size_t kDvCryptHeaderSize = 25;
inline constexpr size_t kDvCryptChunkSize = 524288;

/// AlreadyEncrypted when `fileStart` begins with the signature "0?kencryptedvemblix" (the check
/// byte at offset 1 is not compared), otherwise NotEncrypted. Nineteen bytes are enough.
DvCryptResult DvIsEncryptedBytes(std::span<const uint8_t> fileStart);

/// The header check: NotEncrypted unless bytes 21-24 are 2, 8, 6, 5 (a file shorter than the
/// header counts as not encrypted); SignatureMismatch when bytes 0-18 differ from the signature
/// with this password's check byte; otherwise AlreadyEncrypted.
DvCryptResult DvCheckCryptHeader(std::span<const uint8_t> fileStart, std::u16string_view password);

/// The whole encrypted file for `plaintext`. Whatever the plaintext looks like, it is encrypted:
/// refusing already encrypted input is the file operation's business, not this one's. Returns the
/// empty vector on failure (an encrypted file is never empty), with the reason in `*result`
/// (AllocationError, ReadWriteError when the cipher fails) and Succeeded otherwise.
std::vector<uint8_t> DvEncryptBytes(std::span<const uint8_t> plaintext, std::u16string_view password,
                                    DvCryptResult* result = nullptr);

/// Decrypts a whole encrypted file into `plaintext`. Results: NotEncrypted when the signature is
/// missing; WrongPassword when the check byte belongs to another password, or when the padding
/// the header announces is not there (a colliding check byte, or a damaged end); ReadWriteError
/// when the header or the ciphertext's length cannot be right (damaged or truncated);
/// AllocationError; Succeeded. `plaintext` is left empty on failure. Never allocates more than
/// the ciphertext's size.
DvCryptResult DvDecryptBytes(std::span<const uint8_t> fileBytes, std::u16string_view password,
                             std::vector<uint8_t>& plaintext);
