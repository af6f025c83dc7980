#include "core/crypto_format.h"

#include <openssl/evp.h>

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <optional>
#include <string>

#include "core/crypto_key.h"
#include "platform/large_buffer.h"

namespace {

constexpr size_t kBlockSize = 16;
constexpr size_t kSignatureSize = 19;
constexpr std::string_view kSignatureText = "kencryptedvemblix";  // offsets 2-18
constexpr std::array<uint8_t, 4> kHeaderMarker = {2, 8, 6, 5};    // offsets 21-24
constexpr size_t kMarkerOffset = 21;
constexpr unsigned char kZeroVector[kBlockSize] = {};

bool hasSignatureIgnoringCheckByte(std::span<const uint8_t> bytes) {
    if (bytes.size() < kSignatureSize || bytes[0] != '0') return false;
    return std::equal(kSignatureText.begin(), kSignatureText.end(), bytes.begin() + 2);
}

bool hasHeaderMarker(std::span<const uint8_t> bytes) {
    return bytes.size() >= kDvCryptHeaderSize &&
           std::equal(kHeaderMarker.begin(), kHeaderMarker.end(), bytes.begin() + kMarkerOffset);
}

unsigned paddingLengthFor(size_t plaintextSize) {
    return static_cast<unsigned>(kBlockSize - plaintextSize % kBlockSize);
}

// Whole chunks keep their size; only a short last chunk grows by its padding.
size_t ciphertextSizeFor(size_t plaintextSize) {
    const size_t rest = plaintextSize % kDvCryptChunkSize;
    return plaintextSize - rest + (rest == 0 ? 0 : rest + paddingLengthFor(plaintextSize));
}

void writeHeader(uint8_t* out, uint8_t checkByte, unsigned paddingLength) {
    out[0] = '0';
    out[1] = checkByte;
    std::copy(kSignatureText.begin(), kSignatureText.end(), out + 2);
    out[19] = static_cast<uint8_t>(paddingLength / 10);
    out[20] = static_cast<uint8_t>(paddingLength % 10);
    std::copy(kHeaderMarker.begin(), kHeaderMarker.end(), out + kMarkerOffset);
}

// The padding length the header records, or nullopt when its two digits cannot be one.
std::optional<unsigned> recordedPaddingLength(std::span<const uint8_t> header) {
    const unsigned tens = header[19];
    const unsigned units = header[20];
    if (tens > 1 || units > 9) return std::nullopt;
    const unsigned length = tens * 10 + units;
    if (length < 1 || length > kBlockSize) return std::nullopt;
    return length;
}

// Chunks are whole blocks, and a file without ciphertext can only be an empty plaintext, which
// records 16. Anything else was cut short or damaged.
bool ciphertextSizeFits(size_t size, unsigned recordedPadding) {
    if (size % kBlockSize != 0) return false;
    return size != 0 || recordedPadding == kBlockSize;
}

bool endsWithPadding(std::span<const uint8_t> plaintext, unsigned length) {
    if (plaintext.size() < length) return false;
    return std::all_of(plaintext.end() - length, plaintext.end(), [length](uint8_t b) { return b == length; });
}

// How many bytes at the end of the decrypted chunks are padding, or nullopt when the padding the
// header announces is missing. A short last chunk is always padded. A whole last chunk is padded
// only when the plaintext ended 1 to 16 bytes short of a chunk; whole-chunk plaintexts record 16,
// so a smaller recorded length proves padding, and 16 with a valid tail is taken as padding too.
std::optional<size_t> paddingAtEnd(std::span<const uint8_t> plaintext, unsigned recorded, bool shortLastChunk) {
    if (plaintext.empty()) return 0;
    const bool padded = endsWithPadding(plaintext, recorded);
    if (shortLastChunk || recorded != kBlockSize) {
        if (!padded) return std::nullopt;
        return recorded;
    }
    return padded ? recorded : 0;
}

// One AES-256-CBC context for a whole file: the key schedule is built once, and every chunk
// starts again from the zero vector. Padding is ours to add and remove, never OpenSSL's.
class ChunkCipher {
public:
    ChunkCipher(const std::string& key, bool encrypt) : ctx_(EVP_CIPHER_CTX_new()) {
        const auto* keyBytes = reinterpret_cast<const unsigned char*>(key.data());
        ok_ = ctx_ && key.size() == 32 &&
              EVP_CipherInit_ex(ctx_.get(), EVP_aes_256_cbc(), nullptr, keyBytes, kZeroVector, encrypt ? 1 : 0) == 1 &&
              EVP_CIPHER_CTX_set_padding(ctx_.get(), 0) == 1;
    }

    bool ok() const { return ok_; }

    bool restartChain() { return EVP_CipherInit_ex(ctx_.get(), nullptr, nullptr, nullptr, kZeroVector, -1) == 1; }

    // `count` is a multiple of the block size and at most one chunk.
    bool run(const uint8_t* in, size_t count, uint8_t* out) {
        if (count == 0) return true;
        int written = 0;
        return EVP_CipherUpdate(ctx_.get(), out, &written, in, static_cast<int>(count)) == 1 &&
               static_cast<size_t>(written) == count;
    }

private:
    struct Free {
        void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
    };
    std::unique_ptr<EVP_CIPHER_CTX, Free> ctx_;
    bool ok_ = false;
};

// The last block of a short chunk: its remaining bytes followed by the PKCS #7 padding.
std::array<uint8_t, kBlockSize> paddedLastBlock(std::span<const uint8_t> rest) {
    std::array<uint8_t, kBlockSize> block;
    block.fill(static_cast<uint8_t>(kBlockSize - rest.size()));
    std::copy(rest.begin(), rest.end(), block.begin());
    return block;
}

// Encrypts one chunk and returns the end of its ciphertext, or nullptr when the cipher failed.
uint8_t* encryptChunk(ChunkCipher& cipher, std::span<const uint8_t> chunk, uint8_t* out) {
    if (!cipher.restartChain()) return nullptr;
    const bool padded = chunk.size() < kDvCryptChunkSize;
    const size_t whole = padded ? chunk.size() - chunk.size() % kBlockSize : chunk.size();
    if (!cipher.run(chunk.data(), whole, out)) return nullptr;
    if (!padded) return out + whole;
    const auto last = paddedLastBlock(chunk.subspan(whole));
    return cipher.run(last.data(), kBlockSize, out + whole) ? out + whole + kBlockSize : nullptr;
}

bool encryptChunks(std::span<const uint8_t> plaintext, const std::string& key, uint8_t* out) {
    ChunkCipher cipher(key, true);
    if (!cipher.ok()) return false;
    for (size_t at = 0; at < plaintext.size(); at += kDvCryptChunkSize) {
        out = encryptChunk(cipher, plaintext.subspan(at, std::min(kDvCryptChunkSize, plaintext.size() - at)), out);
        if (!out) return false;
    }
    return true;
}

bool decryptChunks(std::span<const uint8_t> ciphertext, const std::string& key, uint8_t* out) {
    ChunkCipher cipher(key, false);
    if (!cipher.ok()) return false;
    for (size_t at = 0; at < ciphertext.size(); at += kDvCryptChunkSize) {
        const size_t count = std::min(kDvCryptChunkSize, ciphertext.size() - at);
        if (!cipher.restartChain() || !cipher.run(ciphertext.data() + at, count, out + at)) return false;
    }
    return true;
}

DvCryptResult decryptInto(std::span<const uint8_t> ciphertext, unsigned recordedPadding, std::u16string_view password,
                          std::vector<uint8_t>& plaintext) {
    dv::resizeLargeBuffer(plaintext, ciphertext.size());
    if (!decryptChunks(ciphertext, DvPasswordKey(password), plaintext.data())) return DvCryptResult::ReadWriteError;
    const bool shortLastChunk = ciphertext.size() % kDvCryptChunkSize != 0;
    const auto padding = paddingAtEnd(plaintext, recordedPadding, shortLastChunk);
    if (!padding) return DvCryptResult::WrongPassword;
    plaintext.resize(plaintext.size() - *padding);
    return DvCryptResult::Succeeded;
}

}  // namespace

DvCryptResult DvIsEncryptedBytes(std::span<const uint8_t> fileStart) {
    return hasSignatureIgnoringCheckByte(fileStart) ? DvCryptResult::AlreadyEncrypted : DvCryptResult::NotEncrypted;
}

DvCryptResult DvCheckCryptHeader(std::span<const uint8_t> fileStart, std::u16string_view password) {
    if (!hasHeaderMarker(fileStart)) return DvCryptResult::NotEncrypted;
    if (!hasSignatureIgnoringCheckByte(fileStart) || fileStart[1] != DvPasswordCheckByte(password)) {
        return DvCryptResult::SignatureMismatch;
    }
    return DvCryptResult::AlreadyEncrypted;
}

std::vector<uint8_t> DvEncryptBytes(std::span<const uint8_t> plaintext, std::u16string_view password,
                                    DvCryptResult* result) {
    DvCryptResult ignored = DvCryptResult::Succeeded;
    DvCryptResult& outcome = result ? *result : ignored;
    try {
        std::vector<uint8_t> file;
        dv::resizeLargeBuffer(file, kDvCryptHeaderSize + ciphertextSizeFor(plaintext.size()));
        writeHeader(file.data(), DvPasswordCheckByte(password), paddingLengthFor(plaintext.size()));
        if (!encryptChunks(plaintext, DvPasswordKey(password), file.data() + kDvCryptHeaderSize)) {
            outcome = DvCryptResult::ReadWriteError;
            return {};
        }
        outcome = DvCryptResult::Succeeded;
        return file;
    } catch (const std::bad_alloc&) {
        outcome = DvCryptResult::AllocationError;
        return {};
    }
}

DvCryptResult DvDecryptBytes(std::span<const uint8_t> fileBytes, std::u16string_view password,
                             std::vector<uint8_t>& plaintext) {
    plaintext.clear();
    if (!hasSignatureIgnoringCheckByte(fileBytes)) return DvCryptResult::NotEncrypted;
    if (fileBytes[1] != DvPasswordCheckByte(password)) return DvCryptResult::WrongPassword;
    if (const auto header = DvCheckCryptHeader(fileBytes, password); header != DvCryptResult::AlreadyEncrypted) {
        return header;
    }
    const auto recordedPadding = recordedPaddingLength(fileBytes);
    const auto ciphertext = fileBytes.subspan(kDvCryptHeaderSize);
    if (!recordedPadding || !ciphertextSizeFits(ciphertext.size(), *recordedPadding)) {
        return DvCryptResult::ReadWriteError;
    }
    try {
        const DvCryptResult result = decryptInto(ciphertext, *recordedPadding, password, plaintext);
        if (result != DvCryptResult::Succeeded) plaintext.clear();
        return result;
    } catch (const std::bad_alloc&) {
        plaintext = {};
        return DvCryptResult::AllocationError;
    }
}
