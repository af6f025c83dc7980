#include "core/crypto_file.h"

#include <cstdint>
#include <fstream>
#include <new>
#include <vector>

#include "core/crypto_format.h"
#include "platform/files.h"

namespace {

namespace fs = std::filesystem;

bool isInPlace(const fs::path& source, const fs::path& destination) {
    if (destination.empty() || destination == source) return true;
    std::error_code ec;
    return fs::equivalent(source, destination, ec);
}

const fs::path& targetOf(const fs::path& source, const fs::path& destination) {
    return isInPlace(source, destination) ? source : destination;
}

bool isRegularFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

DvCryptResult readSource(const fs::path& source, std::vector<uint8_t>& bytes) {
    if (!isRegularFile(source)) return DvCryptResult::SourceError;
    try {
        return dv::readFile(source, bytes) ? DvCryptResult::Succeeded : DvCryptResult::SourceError;
    } catch (const std::bad_alloc&) {
        return DvCryptResult::AllocationError;
    }
}

DvCryptResult writeTarget(const fs::path& target, std::span<const uint8_t> bytes) {
    return dv::writeFileAtomically(target, bytes) ? DvCryptResult::Succeeded : DvCryptResult::DestinationError;
}

}  // namespace

DvCryptResult IsEncrypted(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!isRegularFile(path) || !in) return DvCryptResult::SourceError;
    uint8_t start[19] = {};
    in.read(reinterpret_cast<char*>(start), sizeof start);
    if (in.bad()) return DvCryptResult::SourceError;
    return DvIsEncryptedBytes(std::span(start, static_cast<size_t>(in.gcount())));
}

DvCryptResult EncryptFile(const fs::path& source, std::u16string_view password, const fs::path& destination) {
    std::vector<uint8_t> plaintext;
    if (const auto read = readSource(source, plaintext); read != DvCryptResult::Succeeded) return read;
    // Keeps a file from being encrypted twice. A plain file that happens to carry the marker at
    // offset 21 is refused too; Save does not come here, it encrypts the bytes it just made.
    if (const auto header = DvCheckCryptHeader(plaintext, password); header != DvCryptResult::NotEncrypted) {
        return header;
    }
    DvCryptResult result = DvCryptResult::Succeeded;
    const std::vector<uint8_t> encrypted = DvEncryptBytes(plaintext, password, &result);
    if (result != DvCryptResult::Succeeded) return result;
    return writeTarget(targetOf(source, destination), encrypted);
}

DvCryptResult DecryptFile(const fs::path& source, const fs::path& destination, std::u16string_view password) {
    std::vector<uint8_t> encrypted;
    if (const auto read = readSource(source, encrypted); read != DvCryptResult::Succeeded) return read;
    std::vector<uint8_t> plaintext;
    if (const auto result = DvDecryptBytes(encrypted, password, plaintext); result != DvCryptResult::Succeeded) {
        return result;
    }
    return writeTarget(targetOf(source, destination), plaintext);
}
