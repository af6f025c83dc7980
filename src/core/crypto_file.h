#pragma once
// Encrypting and decrypting whole files (the format is in crypto_format.h). Every file written
// here replaces its target atomically: the new bytes go to a temporary file beside the target
// (target + ".saving"), reach the disk, and are renamed over it. So an in-place operation never
// leaves a moment without the file, a failed one leaves the source as it was and no temporary file
// behind, and a refused one (wrong password, already encrypted) writes nothing at all.
#include <filesystem>
#include <string_view>

#include "core/crypto_result.h"

/// AlreadyEncrypted when the file begins with the encrypted-file signature (the check byte is not
/// compared), SourceError when it cannot be read, otherwise NotEncrypted.
DvCryptResult IsEncrypted(const std::filesystem::path& path);

/// Encrypts `source` into `destination`; an empty destination, or the source itself, means in
/// place. Refuses, changing nothing, a source that passes the header check (AlreadyEncrypted) or
/// carries the header's marker with another signature (SignatureMismatch). SourceError when the
/// source cannot be read, DestinationError when the destination cannot be written.
DvCryptResult EncryptFile(const std::filesystem::path& source, std::u16string_view password,
                          const std::filesystem::path& destination = {});

/// Decrypts `source` into `destination`; an empty destination, or the source itself, means in
/// place. Results as DvDecryptBytes, plus SourceError and DestinationError; nothing is written
/// unless decryption succeeded.
DvCryptResult DecryptFile(const std::filesystem::path& source, const std::filesystem::path& destination,
                          std::u16string_view password);
