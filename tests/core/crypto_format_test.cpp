#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/crypto_format.h"
#include "support/sample_bytes.h"

namespace {

constexpr size_t kChunk = kDvCryptChunkSize;
constexpr size_t kHeader = kDvCryptHeaderSize;
const std::u16string kPassword = u"secret";  // check byte 16

std::vector<uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> fromHex(std::string_view hex) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        out.push_back(static_cast<uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return out;
}

std::vector<uint8_t> headerFor(uint8_t check, uint8_t tens, uint8_t units) {
    std::vector<uint8_t> header = bytesOf("0?kencryptedvemblix");
    header[1] = check;
    for (uint8_t b : {tens, units, uint8_t{2}, uint8_t{8}, uint8_t{6}, uint8_t{5}}) header.push_back(b);
    return header;
}

std::vector<uint8_t> concat(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<uint8_t> encrypt(std::span<const uint8_t> plaintext, std::u16string_view password = kPassword) {
    DvCryptResult result = DvCryptResult::InsufficientMemory;
    auto file = DvEncryptBytes(plaintext, password, &result);
    EXPECT_EQ(result, DvCryptResult::Succeeded);
    return file;
}

}  // namespace

// The expected ciphertexts come from OpenSSL's command line, independent of this code:
//   K=$(printf 5ebe2294ecD0E0F08EAB7690d2a6ee69 | xxd -p -c 64)
//   printf 'Dayvault' | openssl enc -aes-256-cbc -K $K -iv 00000000000000000000000000000000 | xxd -p
// (the key of "secret" is the ASCII of its cased MD5 digits; enc's padding is PKCS #7 too).
TEST(CryptFormat, KnownAnswerForShortPlaintexts) {
    struct Case { const char* plaintext; uint8_t tens, units; const char* ciphertextHex; };
    const Case cases[] = {
        {"Dayvault", 0, 8, "4f7f3cecef0af15c6df94f021654faa1"},
        {"0123456789abcdef", 1, 6, "adc2f1a1db62f121c3a2d6128cf2cdb53424113c03b3ef44682253f0b5a8b03f"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plaintext);
        EXPECT_EQ(encrypt(bytesOf(c.plaintext)), concat(headerFor(16, c.tens, c.units), fromHex(c.ciphertextHex)));
    }
}

struct LayoutCase {
    size_t size;
    uint8_t tens, units;
    size_t ciphertextSize;
    const char* why;
};

const LayoutCase kLayouts[] = {
    {0, 1, 6, 0, "empty: 16 recorded, no ciphertext at all"},
    {96, 1, 6, 112, "whole blocks get a whole padding block"},
    {100, 1, 2, 112, "12 bytes of padding"},
    {kChunk - 16, 1, 6, kChunk, "the padding block completes the chunk"},
    {kChunk - 8, 0, 8, kChunk, "padding fills the chunk to its end"},
    {kChunk - 1, 0, 1, kChunk, "one byte of padding completes the chunk"},
    {kChunk, 1, 6, kChunk, "a whole chunk: no padding block, yet 16 recorded"},
    {kChunk + 1, 1, 5, kChunk + 16, "one byte into a second chunk"},
    {2 * kChunk, 1, 6, 2 * kChunk, "two whole chunks"},
};

TEST(CryptFormat, HeaderAndSizeForEachKindOfLastChunk) {
    for (const auto& c : kLayouts) {
        SCOPED_TRACE(c.why);
        const auto file = encrypt(sampleBytes(c.size));
        ASSERT_EQ(file.size(), kHeader + c.ciphertextSize);
        EXPECT_EQ(std::vector<uint8_t>(file.begin(), file.begin() + kHeader), headerFor(16, c.tens, c.units));
    }
}

TEST(CryptFormat, RoundTripGivesBackExactlyTheBytes) {
    for (const auto& c : kLayouts) {
        SCOPED_TRACE(c.why);
        const auto plaintext = sampleBytes(c.size, static_cast<uint32_t>(c.size));
        std::vector<uint8_t> decrypted;
        ASSERT_EQ(DvDecryptBytes(encrypt(plaintext), kPassword, decrypted), DvCryptResult::Succeeded);
        EXPECT_TRUE(decrypted == plaintext) << "got " << decrypted.size() << " bytes";
    }
}

TEST(CryptFormat, DataThatLooksLikePaddingIsKept) {
    struct Case { size_t size; uint8_t tail; size_t tailLength; const char* why; };
    const Case cases[] = {
        {100, 12, 12, "ends like its own padding"},
        {kChunk, 1, 1, "whole chunk ending in 01"},
        {kChunk - 1, 1, 1, "a 01 before the single padding byte"},
        {kChunk - 16, 16, 16, "sixteen 0x10 before the padding block"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        auto plaintext = sampleBytes(c.size);
        std::fill(plaintext.end() - static_cast<std::ptrdiff_t>(c.tailLength), plaintext.end(), c.tail);
        std::vector<uint8_t> decrypted;
        ASSERT_EQ(DvDecryptBytes(encrypt(plaintext), kPassword, decrypted), DvCryptResult::Succeeded);
        EXPECT_TRUE(decrypted == plaintext) << "got " << decrypted.size() << " bytes";
    }
}

// A plaintext of whole chunks ending in sixteen bytes 0x10 encrypts to the very same file as the
// plaintext without those bytes (whose padding block completes the chunk). Decryption has to pick
// one reading and takes the padded one; this pins the choice down.
TEST(CryptFormat, WholeChunksEndingInSixteenBytesOf16AreReadAsPadded) {
    auto plaintext = sampleBytes(kChunk);
    std::fill(plaintext.end() - 16, plaintext.end(), uint8_t{16});
    const std::vector<uint8_t> shorter(plaintext.begin(), plaintext.end() - 16);
    EXPECT_EQ(encrypt(plaintext), encrypt(shorter));
    std::vector<uint8_t> decrypted;
    ASSERT_EQ(DvDecryptBytes(encrypt(plaintext), kPassword, decrypted), DvCryptResult::Succeeded);
    EXPECT_EQ(decrypted.size(), shorter.size());
}

TEST(CryptFormat, EveryChunkStartsAgainFromTheZeroVector) {
    // Two equal chunks encrypt equally, and the last short chunk as if it were alone.
    auto plaintext = std::vector<uint8_t>(2 * kChunk, 0x5A);
    plaintext.push_back('x');
    const auto file = encrypt(plaintext);
    const auto first = file.begin() + kHeader;
    EXPECT_TRUE(std::equal(first, first + kChunk, first + kChunk));
    const auto alone = encrypt(bytesOf("x"));
    EXPECT_TRUE(std::equal(alone.begin() + kHeader, alone.end(), first + 2 * kChunk));
}

TEST(CryptFormat, EncryptsPlaintextThatLooksEncrypted) {
    // Save encrypts whatever the document's bytes are, even the header's marker at offset 21 or a
    // whole encrypted file.
    auto marked = sampleBytes(40);
    std::copy_n(std::begin({uint8_t{2}, uint8_t{8}, uint8_t{6}, uint8_t{5}}), 4, marked.begin() + 21);
    for (const auto& plaintext : {marked, encrypt(sampleBytes(40)), encrypt(sampleBytes(40), u"other")}) {
        std::vector<uint8_t> decrypted;
        ASSERT_EQ(DvDecryptBytes(encrypt(plaintext), kPassword, decrypted), DvCryptResult::Succeeded);
        EXPECT_EQ(decrypted, plaintext);
    }
}

TEST(CryptFormat, WrongPasswordIsRefused) {
    const auto file = encrypt(sampleBytes(100));
    struct Case { std::u16string password; const char* why; };
    const Case cases[] = {
        {u"Secret", "another check byte"},
        {u"", "the empty password"},
        {u"terces", "same check byte, refused by the padding it does not find"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::vector<uint8_t> decrypted = {1, 2, 3};
        EXPECT_EQ(DvDecryptBytes(file, c.password, decrypted), DvCryptResult::WrongPassword);
        EXPECT_TRUE(decrypted.empty());
    }
}

TEST(CryptFormat, DamagedOrTruncatedFilesGiveAResultCode) {
    const auto intact = encrypt(sampleBytes(100));  // 25 + 112 bytes; padding 12 stored as 1, 2
    struct Flip { size_t at; uint8_t mask; };
    struct Case { const char* what; size_t keep; std::vector<Flip> flips; DvCryptResult result; };
    const Case cases[] = {
        {"empty", 0, {}, DvCryptResult::NotEncrypted},
        {"part of the signature", 18, {}, DvCryptResult::NotEncrypted},
        {"no marker", 24, {}, DvCryptResult::NotEncrypted},
        {"header only, padding 12 recorded", 25, {}, DvCryptResult::ReadWriteError},
        {"a byte short", 136, {}, DvCryptResult::ReadWriteError},
        {"last block missing", 121, {}, DvCryptResult::WrongPassword},
        {"tens digit 2", 137, {{19, 3}}, DvCryptResult::ReadWriteError},
        {"units digit 10", 137, {{20, 8}}, DvCryptResult::ReadWriteError},
        {"padding 0", 137, {{19, 1}, {20, 2}}, DvCryptResult::ReadWriteError},
        {"padding 17", 137, {{20, 5}}, DvCryptResult::ReadWriteError},
        {"marker changed", 137, {{24, 3}}, DvCryptResult::NotEncrypted},
        {"signature changed", 137, {{5, 0x20}}, DvCryptResult::NotEncrypted},
        {"last ciphertext byte changed", 137, {{136, 1}}, DvCryptResult::WrongPassword},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> file(intact.begin(), intact.begin() + static_cast<std::ptrdiff_t>(c.keep));
        for (const auto& flip : c.flips) file[flip.at] ^= flip.mask;
        std::vector<uint8_t> decrypted = {1, 2, 3};
        EXPECT_EQ(DvDecryptBytes(file, kPassword, decrypted), c.result);
        EXPECT_TRUE(decrypted.empty());
    }
}

TEST(CryptFormat, SignatureAndHeaderChecks) {
    const auto encrypted = encrypt(sampleBytes(10));
    auto plainWithMarker = sampleBytes(30);
    std::copy_n(encrypted.begin() + 21, 4, plainWithMarker.begin() + 21);
    auto document = sampleBytes(30);
    document[0] = 1;  // a plain document starts with its format version
    const std::vector<uint8_t> signatureOnly(encrypted.begin(), encrypted.begin() + 19);
    const std::vector<uint8_t> shortSignature(encrypted.begin(), encrypted.begin() + 18);

    using R = DvCryptResult;
    struct Case { const char* what; std::vector<uint8_t> bytes; std::u16string password; R is, header; };
    const Case cases[] = {
        {"plain document", document, kPassword, R::NotEncrypted, R::NotEncrypted},
        {"encrypted, same password", encrypted, kPassword, R::AlreadyEncrypted, R::AlreadyEncrypted},
        {"encrypted, other password", encrypted, u"A", R::AlreadyEncrypted, R::SignatureMismatch},
        {"plain bytes with the marker", plainWithMarker, kPassword, R::NotEncrypted, R::SignatureMismatch},
        {"signature without marker", signatureOnly, kPassword, R::AlreadyEncrypted, R::NotEncrypted},
        {"18 bytes of signature", shortSignature, kPassword, R::NotEncrypted, R::NotEncrypted},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DvIsEncryptedBytes(c.bytes), c.is);
        EXPECT_EQ(DvCheckCryptHeader(c.bytes, c.password), c.header);
    }
}
