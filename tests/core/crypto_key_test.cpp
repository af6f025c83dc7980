#include <gtest/gtest.h>

#include <cstdlib>

#include "core/crypto_key.h"
#include "core/crypto_result.h"
#include "platform/text.h"

TEST(PasswordCheckByte, SumsUtf16UnitsModulo30WithZeroAsOne) {
    struct Case { std::u16string password; int check; const char* why; };
    const Case cases[] = {
        {u"A", 5, "65 mod 30"},
        {u"\x1E\x1E", 1, "60 is 0 mod 30, stored as 1"},
        {u"", 1, "the empty sum is 0 as well"},
        {u"secret", 16, "646 mod 30"},
        {u"terces", 16, "any order of the same units collides"},
        {u"\u0141", 21, "U+0141 is 321: the UTF-16 unit counts, not the code page byte 0xA3"},
        {u"\U0001F600", (0xD83D + 0xDE00) % 30, "both surrogates are summed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(DvPasswordCheckByte(c.password), c.check);
    }
}

TEST(PasswordCheckByte, LongPasswordsDoNotWrapTheSum) {
    // 70000 units of U+FFFF sum past 2^32; 65535 * 70000 = 4587450000, which is 0 mod 30.
    EXPECT_EQ(DvPasswordCheckByte(std::u16string(70000, u'\xFFFF')), 1);
}

// Expected keys come from md5sum and the case sequence applied by hand. The generator's first
// sixteen values are 41 18467 6334 26500 19169 15724 11478 29358 26962 24464 5705 28145 23281
// 16827 9961 491, so the pairs are cased  l l U U l U U U U U l l l l l l  (even = upper).
TEST(PasswordKey, MatchesMd5OfTheCodePageBytesWithTheFixedCasePattern) {
    if (std::getenv("DAYVAULT_CODEPAGE")) GTEST_SKIP() << "code page overridden";
    struct Case { std::u16string password; const char* key; const char* md5sum; };
    const Case cases[] = {
        // printf 'secret' | md5sum
        {u"secret", "5ebe2294ecD0E0F08EAB7690d2a6ee69", "5ebe2294ecd0e0f08eab7690d2a6ee69"},
        // printf '' | md5sum
        {u"", "d41d8CD98f00B204E9800998ecf8427e", "d41d8cd98f00b204e9800998ecf8427e"},
        // windows-1250 bytes A3 F3 64 9F: printf '\xA3\xF3\x64\x9F' | md5sum
        {dv::fromUtf8("\xC5\x81\xC3\xB3\x64\xC5\xBA"), "1fe2E5F914BBEF108BD64b06b2f6b1ba",
         "1fe2e5f914bbef108bd64b06b2f6b1ba"},
        // CJK is not in windows-1250 and becomes "?": printf '?x' | md5sum
        {u"\u65E5x", "6afeB37060792766A9FD8215b1588d26", "6afeb37060792766a9fd8215b1588d26"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.md5sum);
        EXPECT_EQ(DvPasswordKey(c.password), c.key);
    }
}

TEST(CryptResultText, EveryCodeHasItsTextAndOthersNone) {
    struct Case { int code; std::u16string_view text; };
    const Case cases[] = {
        {0, u"Operation succeeded"}, {1, u"Source error"}, {2, u"Destination error"},
        {3, u"Insufficient Memory"}, {5, u"File (already) encrypted"}, {6, u"File not Encrypted"},
        {7, u"Read/write Error"}, {8, u"Allocation Error"}, {9, u"User signature mismatch"},
        {20, u"Wrong password (Probably)"},
        {4, u""}, {10, u""}, {-1, u""}, {21, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(DvCryptResultText(c.code), c.text);
    }
    EXPECT_EQ(DvCryptResultText(DvCryptResult::WrongPassword), u"Wrong password (Probably)");
}
