#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

#include "core/crypto_file.h"
#include "core/crypto_format.h"
#include "platform/files.h"
#include "support/sample_bytes.h"

namespace fs = std::filesystem;

namespace {

const std::u16string kPassword = u"secret";

// Each test gets a folder of its own, so "nothing else appeared" can be checked by listing it.
class CryptFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / ("dv_crypt_" + std::to_string(::getpid()) + "_" + test->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path put(const std::string& name, const std::vector<uint8_t>& bytes) {
        const fs::path path = dir_ / name;
        EXPECT_TRUE(dv::writeFileAtomically(path, bytes));
        return path;
    }

    // Every file in the folder with its bytes: the whole state a test can compare.
    std::map<std::string, std::vector<uint8_t>> snapshot() const {
        std::map<std::string, std::vector<uint8_t>> files;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            if (!entry.is_regular_file()) continue;
            EXPECT_TRUE(dv::readFile(entry.path(), files[entry.path().filename().string()]));
        }
        return files;
    }

    static std::vector<uint8_t> encrypted(const std::vector<uint8_t>& plaintext,
                                          std::u16string_view password = kPassword) {
        return DvEncryptBytes(plaintext, password);
    }

    fs::path dir_;
};

std::vector<uint8_t> plainDocument(size_t size = 1000) {
    auto bytes = sampleBytes(size);
    bytes[0] = 1;  // the format version
    return bytes;
}

}  // namespace

TEST_F(CryptFileTest, IsEncryptedLooksAtTheSignatureOnly) {
    put("plain", plainDocument());
    put("empty", {});
    put("encrypted", encrypted(plainDocument()));
    put("other password", encrypted(plainDocument(), u"A"));
    fs::create_directory(dir_ / "folder");
    struct Case { const char* name; DvCryptResult result; };
    const Case cases[] = {
        {"plain", DvCryptResult::NotEncrypted},
        {"empty", DvCryptResult::NotEncrypted},
        {"encrypted", DvCryptResult::AlreadyEncrypted},
        {"other password", DvCryptResult::AlreadyEncrypted},
        {"missing", DvCryptResult::SourceError},
        {"folder", DvCryptResult::SourceError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsEncrypted(dir_ / c.name), c.result);
    }
}

TEST_F(CryptFileTest, InPlaceRoundTripLeavesOnlyTheFile) {
    const auto document = plainDocument(kDvCryptChunkSize + 100);
    const fs::path path = put("_main_data.dayvault", document);

    ASSERT_EQ(EncryptFile(path, kPassword), DvCryptResult::Succeeded);
    EXPECT_EQ(snapshot(), (std::map<std::string, std::vector<uint8_t>>{{"_main_data.dayvault", encrypted(document)}}));

    ASSERT_EQ(DecryptFile(path, path, kPassword), DvCryptResult::Succeeded);
    EXPECT_EQ(snapshot(), (std::map<std::string, std::vector<uint8_t>>{{"_main_data.dayvault", document}}));
}

TEST_F(CryptFileTest, SeparateDestinationLeavesTheSourceAlone) {
    const auto document = plainDocument();
    const fs::path source = put("doc", document);
    ASSERT_EQ(EncryptFile(source, kPassword, dir_ / "doc.enc"), DvCryptResult::Succeeded);
    ASSERT_EQ(DecryptFile(dir_ / "doc.enc", dir_ / "doc.dec", kPassword), DvCryptResult::Succeeded);
    EXPECT_EQ(snapshot(), (std::map<std::string, std::vector<uint8_t>>{
                              {"doc", document}, {"doc.enc", encrypted(document)}, {"doc.dec", document}}));
}

TEST_F(CryptFileTest, EmptyFileEncryptsToTheHeaderAlone) {
    const fs::path path = put("empty", {});
    ASSERT_EQ(EncryptFile(path, kPassword), DvCryptResult::Succeeded);
    EXPECT_EQ(fs::file_size(path), kDvCryptHeaderSize);
    ASSERT_EQ(DecryptFile(path, {}, kPassword), DvCryptResult::Succeeded);
    EXPECT_EQ(fs::file_size(path), 0u);
}

TEST_F(CryptFileTest, RefusalsChangeNothingOnDisk) {
    auto markedPlain = plainDocument(40);
    std::copy_n(std::begin({uint8_t{2}, uint8_t{8}, uint8_t{6}, uint8_t{5}}), 4, markedPlain.begin() + 21);
    put("encrypted", encrypted(plainDocument()));
    put("plain", plainDocument());
    put("marked plain", markedPlain);

    using R = DvCryptResult;
    enum Op { Encrypt, Decrypt };
    struct Case { const char* what; Op op; const char* source; const char* destination; std::u16string password; R result; };
    const Case cases[] = {
        {"encrypt again", Encrypt, "encrypted", "", kPassword, R::AlreadyEncrypted},
        {"encrypt again, other password", Encrypt, "encrypted", "new", u"A", R::SignatureMismatch},
        // An arbitrary file carrying the marker is refused by the file operation; Save does not
        // come here and encrypts such bytes fine.
        {"encrypt a plain file with the marker", Encrypt, "marked plain", "", kPassword, R::SignatureMismatch},
        {"decrypt, wrong password", Decrypt, "encrypted", "", u"Secret", R::WrongPassword},
        {"decrypt, wrong password with the same check byte", Decrypt, "encrypted", "new", u"terces", R::WrongPassword},
        {"decrypt a plain file", Decrypt, "plain", "", kPassword, R::NotEncrypted},
        {"encrypt a missing file", Encrypt, "missing", "", kPassword, R::SourceError},
        {"decrypt a missing file", Decrypt, "missing", "new", kPassword, R::SourceError},
        {"encrypt into a missing folder", Encrypt, "plain", "no/new", kPassword, R::DestinationError},
        {"decrypt into a missing folder", Decrypt, "encrypted", "no/new", kPassword, R::DestinationError},
    };
    const auto run = [this](const Case& c) {
        const fs::path destination = *c.destination ? dir_ / c.destination : fs::path();
        return c.op == Encrypt ? EncryptFile(dir_ / c.source, c.password, destination)
                               : DecryptFile(dir_ / c.source, destination, c.password);
    };
    const auto before = snapshot();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(run(c), c.result);
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(CryptFileTest, FailedReplacementKeepsTheOldFile) {
    // A folder squatting on the temporary file's name makes the replacement fail before the
    // rename: the source must stay as it was, for either direction.
    const auto document = plainDocument();
    const fs::path plain = put("plain", document);
    const fs::path sealed = put("sealed", encrypted(document));
    fs::create_directory(dir_ / "plain.saving");
    fs::create_directory(dir_ / "sealed.saving");
    const auto before = snapshot();
    EXPECT_EQ(EncryptFile(plain, kPassword), DvCryptResult::DestinationError);
    EXPECT_EQ(DecryptFile(sealed, {}, kPassword), DvCryptResult::DestinationError);
    EXPECT_EQ(snapshot(), before);
}
