#pragma once
// Result codes of the encrypted-file operations. The numbers are stored nowhere, but callers show
// their texts to the user, so both stay exactly as they are.
#include <string_view>

enum class DvCryptResult : int {
    Succeeded = 0,
    SourceError = 1,
    DestinationError = 2,
    InsufficientMemory = 3,
    AlreadyEncrypted = 5,
    NotEncrypted = 6,
    ReadWriteError = 7,
    AllocationError = 8,
    SignatureMismatch = 9,
    WrongPassword = 20,
};

/// The text shown for a result code; the empty text for a code outside the table.
std::u16string_view DvCryptResultText(int code);
inline std::u16string_view DvCryptResultText(DvCryptResult result) {
    return DvCryptResultText(static_cast<int>(result));
}
