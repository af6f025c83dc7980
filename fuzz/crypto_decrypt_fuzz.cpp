// Any bytes given to the decryption give a result code, never a crash, a hang or an allocation
// beyond their own size; and any bytes encrypted come back unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "core/crypto_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> input(data, size);
    std::vector<uint8_t> plaintext;
    const DvCryptResult result = DvDecryptBytes(input, u"secret", plaintext);
    if (result == DvCryptResult::Succeeded && plaintext.size() > size) std::abort();
    if (result != DvCryptResult::Succeeded && !plaintext.empty()) std::abort();

    // Inputs here stay far below a chunk, so the one ambiguous ending of whole chunks cannot occur.
    const auto file = DvEncryptBytes(input, u"secret");
    if (DvDecryptBytes(file, u"secret", plaintext) != DvCryptResult::Succeeded) std::abort();
    if (plaintext != std::vector<uint8_t>(input.begin(), input.end())) std::abort();
    return 0;
}
