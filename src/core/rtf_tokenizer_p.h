#pragma once
// Splits RTF into groups, control words, control symbols, escaped bytes, text and binary data.
// Only core/rtf_*.cpp include this.
#include <cstdint>
#include <string_view>

namespace dv::rtf {

enum class TokenKind : uint8_t { GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text, Binary, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text;  // the word's name, the symbol character, the text bytes or the binary data
    bool hasParameter = false;
    int32_t parameter = 0;  // clamped to the 32-bit range however many digits were written
    uint8_t byte = 0;       // of \'hh

    /// Toggles such as \b and \b0: on unless the parameter is 0.
    bool flagOn() const { return !hasParameter || parameter != 0; }
    int32_t parameterOr(int32_t fallback) const { return hasParameter ? parameter : fallback; }
};

class Tokenizer {
public:
    explicit Tokenizer(std::string_view input) : input_(input) {}
    /// The next token; End (repeatedly) once the input is used up. Line ends and NUL bytes in text
    /// are dropped: writers insert them freely and they are not content.
    Token next();

private:
    Token readControl();
    Token readControlWord();
    Token readHexByte();
    Token readText();
    Token readBinary(int32_t count);
    int32_t readParameter(bool& present);
    bool atEnd() const { return pos_ >= input_.size(); }
    char peek() const { return input_[pos_]; }

    std::string_view input_;
    std::size_t pos_ = 0;
};

}  // namespace dv::rtf
