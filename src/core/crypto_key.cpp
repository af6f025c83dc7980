#include "core/crypto_key.h"

#include <openssl/evp.h>

#include <array>

#include "platform/codepage.h"

namespace {

using Md5Digest = std::array<unsigned char, 16>;

bool md5(std::string_view bytes, Md5Digest& digest) {
    unsigned int length = 0;
    return EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_md5(), nullptr) == 1 &&
           length == digest.size();
}

// Chooses the case of each hexadecimal pair. Files written and read by Dayvault only need the
// choice to be fixed; this one is the linear congruential generator
//     state = state * 214013 + 2531011 (mod 2^32),  value = (state >> 16) & 0x7FFF,
// seeded with 1 before every key, an even value giving upper case and an odd one lower case.
// Its first values are 41, 18467, 6334, 26500, ..., so every key starts with two lower-case pairs.
class HexCaseSequence {
public:
    bool nextIsUpper() {
        state_ = state_ * 214013u + 2531011u;
        return ((state_ >> 16) & 0x7FFFu) % 2 == 0;
    }

private:
    uint32_t state_ = 1;
};

void appendHexPair(std::string& out, unsigned char byte, bool upper) {
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    out += digits[byte >> 4];
    out += digits[byte & 0x0F];
}

}  // namespace

uint8_t DvPasswordCheckByte(std::u16string_view password) {
    uint64_t sum = 0;
    for (char16_t unit : password) sum += unit;
    const auto check = static_cast<uint8_t>(sum % 30);
    return check == 0 ? 1 : check;
}

std::string DvPasswordKey(std::u16string_view password) {
    Md5Digest digest{};
    if (!md5(dv::toCodePage(password), digest)) return {};
    HexCaseSequence caseOf;
    std::string key;
    key.reserve(2 * digest.size());
    for (unsigned char byte : digest) appendHexPair(key, byte, caseOf.nextIsUpper());
    return key;
}
