#include "core/rtf_tokenizer_p.h"

#include <algorithm>
#include <cstdint>

namespace dv::rtf {
namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isDroppedFromText(char c) { return c == '\r' || c == '\n' || c == '\0'; }
bool endsText(char c) { return c == '{' || c == '}' || c == '\\' || isDroppedFromText(c); }

int hexValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

Token makeToken(TokenKind kind, std::string_view text = {}) {
    Token token;
    token.kind = kind;
    token.text = text;
    return token;
}

// Beyond this, further digits are read but no longer change the value, so no overflow.
constexpr int64_t kParameterLimit = INT32_MAX;

}  // namespace

Token Tokenizer::next() {
    while (!atEnd() && isDroppedFromText(peek())) ++pos_;
    if (atEnd()) return {};
    switch (input_[pos_++]) {
    case '{': return makeToken(TokenKind::GroupStart);
    case '}': return makeToken(TokenKind::GroupEnd);
    case '\\': return readControl();
    default: --pos_; return readText();
    }
}

Token Tokenizer::readControl() {
    if (atEnd()) return {};
    if (isLetter(peek())) return readControlWord();
    const char symbol = input_[pos_++];
    if (symbol == '\'') return readHexByte();
    return makeToken(TokenKind::ControlSymbol, input_.substr(pos_ - 1, 1));
}

Token Tokenizer::readControlWord() {
    const std::size_t start = pos_;
    while (!atEnd() && isLetter(peek())) ++pos_;
    Token token = makeToken(TokenKind::ControlWord, input_.substr(start, pos_ - start));
    token.parameter = readParameter(token.hasParameter);
    if (!atEnd() && peek() == ' ') ++pos_;  // the delimiter belongs to the word
    if (token.text == "bin") return readBinary(token.parameter);
    return token;
}

int32_t Tokenizer::readParameter(bool& present) {
    const bool negative = !atEnd() && peek() == '-' && pos_ + 1 < input_.size() && isDigit(input_[pos_ + 1]);
    if (negative) ++pos_;
    int64_t value = 0;
    present = false;
    while (!atEnd() && isDigit(peek())) {
        value = std::min(value * 10 + (input_[pos_++] - '0'), kParameterLimit);
        present = true;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

Token Tokenizer::readHexByte() {
    int value = 0;
    int digits = 0;
    while (digits < 2 && !atEnd() && hexValue(peek()) >= 0) {
        value = value * 16 + hexValue(input_[pos_++]);
        ++digits;
    }
    if (digits < 2) return makeToken(TokenKind::ControlSymbol, "'");  // damaged: no byte
    Token token = makeToken(TokenKind::HexByte);
    token.byte = static_cast<uint8_t>(value);
    return token;
}

Token Tokenizer::readText() {
    const std::size_t start = pos_;
    while (!atEnd() && !endsText(peek())) ++pos_;
    return makeToken(TokenKind::Text, input_.substr(start, pos_ - start));
}

Token Tokenizer::readBinary(int32_t count) {
    // A damaged length must not read past the input.
    const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), input_.size() - pos_);
    Token token = makeToken(TokenKind::Binary, input_.substr(pos_, length));
    pos_ += length;
    return token;
}

}  // namespace dv::rtf
