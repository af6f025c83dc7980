#include "core/archive.h"

#include "platform/large_buffer.h"

#include <bit>
#include <cstring>
#include <limits>

#include "platform/codepage.h"

namespace {

constexpr uint8_t kByteEscape = 0xFF;       // "the length does not fit in this byte"
constexpr uint16_t kUnicodeMarker = 0xFFFE;  // after 0xFF: the string is UTF-16
constexpr uint16_t kWordEscape = 0xFFFF;    // "a 32-bit value follows"

[[noreturn]] void fail(CDvArchiveError::Kind kind, const char* what) { throw CDvArchiveError(kind, what); }

}  // namespace

CDvArchive::CDvArchive() : storing_(true) {}

CDvArchive::CDvArchive(std::span<const uint8_t> bytes) : storing_(false), input_(bytes) {}

void CDvArchive::requireStoring() const {
    if (!storing_) fail(CDvArchiveError::Kind::WrongDirection, "writing to an archive that is being read");
}

void CDvArchive::requireLoading() const {
    if (storing_) fail(CDvArchiveError::Kind::WrongDirection, "reading from an archive that is being written");
}

const uint8_t* CDvArchive::take(size_t n) {
    requireLoading();
    if (n > Remaining()) fail(CDvArchiveError::Kind::Truncated, "the data ends too early");
    const uint8_t* at = input_.data() + pos_;
    pos_ += n;
    return at;
}

// ---- writing

void CDvArchive::writeLittleEndian(uint64_t v, int bytes) {
    requireStoring();
    uint8_t little[8];
    for (int i = 0; i < bytes; ++i) little[i] = static_cast<uint8_t>(v >> (8 * i));
    output_.insert(output_.end(), little, little + bytes);
}

void CDvArchive::WriteByte(uint8_t v) { writeLittleEndian(v, 1); }
void CDvArchive::WriteWord(uint16_t v) { writeLittleEndian(v, 2); }
void CDvArchive::WriteUInt32(uint32_t v) { writeLittleEndian(v, 4); }
void CDvArchive::WriteInt64(int64_t v) { writeLittleEndian(static_cast<uint64_t>(v), 8); }
void CDvArchive::WriteDouble(double v) { writeLittleEndian(std::bit_cast<uint64_t>(v), 8); }

void CDvArchive::WriteCount(uint32_t v) {
    if (v < kWordEscape) return WriteWord(static_cast<uint16_t>(v));
    WriteWord(kWordEscape);
    WriteUInt32(v);
}

void CDvArchive::WriteString(std::u16string_view v) {
    if (v.size() > std::numeric_limits<uint32_t>::max())
        fail(CDvArchiveError::Kind::Damaged, "a string is too long to be stored");
    WriteByte(kByteEscape);
    WriteWord(kUnicodeMarker);
    writeStringLength(static_cast<uint32_t>(v.size()));
    const size_t at = output_.size();
    output_.resize(at + 2 * v.size());
    for (size_t i = 0; i < v.size(); ++i) {
        output_[at + 2 * i] = static_cast<uint8_t>(v[i] & 0xFF);
        output_[at + 2 * i + 1] = static_cast<uint8_t>(v[i] >> 8);
    }
}

void CDvArchive::writeStringLength(uint32_t length) {
    if (length < kByteEscape) return WriteByte(static_cast<uint8_t>(length));
    WriteByte(kByteEscape);
    // 0xFFFE would read as the Unicode marker, so a word holds lengths below it only.
    if (length < kUnicodeMarker) return WriteWord(static_cast<uint16_t>(length));
    WriteWord(kWordEscape);
    WriteUInt32(length);
}

void CDvArchive::WriteDateTime(const DvDateTime& v) {
    WriteUInt32(static_cast<uint32_t>(v.status));
    WriteDouble(v.value);
}

void CDvArchive::WriteStringArray(const std::vector<std::u16string>& v) {
    if (v.size() > std::numeric_limits<uint32_t>::max())
        fail(CDvArchiveError::Kind::Damaged, "a string array is too long to be stored");
    WriteCount(static_cast<uint32_t>(v.size()));
    for (const auto& s : v) WriteString(s);
}

void CDvArchive::WriteBytes(std::span<const uint8_t> v) {
    requireStoring();
    output_.insert(output_.end(), v.begin(), v.end());
}

// ---- reading

uint64_t CDvArchive::readLittleEndian(int bytes) {
    const uint8_t* at = take(static_cast<size_t>(bytes));
    uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= uint64_t{at[i]} << (8 * i);
    return v;
}

uint8_t CDvArchive::ReadByte() { return static_cast<uint8_t>(readLittleEndian(1)); }
uint16_t CDvArchive::ReadWord() { return static_cast<uint16_t>(readLittleEndian(2)); }
uint32_t CDvArchive::ReadUInt32() { return static_cast<uint32_t>(readLittleEndian(4)); }
int64_t CDvArchive::ReadInt64() { return static_cast<int64_t>(readLittleEndian(8)); }
double CDvArchive::ReadDouble() { return std::bit_cast<double>(readLittleEndian(8)); }

uint32_t CDvArchive::ReadCount() {
    const uint16_t word = ReadWord();
    return word == kWordEscape ? ReadUInt32() : word;
}

std::u16string CDvArchive::ReadString() {
    const uint8_t first = ReadByte();
    if (first < kByteEscape) return readSingleByteChars(first);
    const uint16_t word = ReadWord();
    if (word == kUnicodeMarker) return readUtf16Chars(readLengthAfterMarker());
    if (word < kWordEscape) return readSingleByteChars(word);
    return readSingleByteChars(ReadUInt32());
}

uint32_t CDvArchive::readLengthAfterMarker() {
    const uint8_t first = ReadByte();
    if (first < kByteEscape) return first;
    const uint16_t word = ReadWord();
    return word < kWordEscape ? word : ReadUInt32();
}

std::u16string CDvArchive::readUtf16Chars(uint32_t length) {
    CheckCount(length, 2);
    const uint8_t* at = take(size_t{length} * 2);
    std::u16string out(length, u'\0');
    for (uint32_t i = 0; i < length; ++i) out[i] = static_cast<char16_t>(at[2 * i] | at[2 * i + 1] << 8);
    return out;
}

// Never written by this program, but older files may hold them: they are in the 8-bit code page.
std::u16string CDvArchive::readSingleByteChars(uint32_t length) {
    CheckCount(length, 1);
    const uint8_t* at = take(length);
    return dv::fromCodePage(std::string_view(reinterpret_cast<const char*>(at), length));
}

DvDateTime CDvArchive::ReadDateTime() {
    DvDateTime v;
    v.status = static_cast<DvDateTimeStatus>(ReadUInt32());
    v.value = ReadDouble();
    return v;
}

std::vector<std::u16string> CDvArchive::ReadStringArray() {
    const uint32_t count = ReadCount();
    CheckCount(count, 1);  // the shortest string is one length byte
    std::vector<std::u16string> out;
    out.reserve(count);
    for (uint32_t i = 0; i < count; ++i) out.push_back(ReadString());
    return out;
}

void CDvArchive::ReadBytes(std::span<uint8_t> into) {
    const uint8_t* at = take(into.size());
    if (!into.empty()) std::memcpy(into.data(), at, into.size());
}

void CDvArchive::CheckCount(uint64_t count, size_t minBytesEach) const {
    requireLoading();
    const size_t each = minBytesEach == 0 ? 1 : minBytesEach;
    if (count > Remaining() / each) fail(CDvArchiveError::Kind::Damaged, "a stored length exceeds the data");
}

void CDvArchive::Reserve(size_t bytes) {
    requireStoring();
    dv::reserveLargeBuffer(output_, output_.size() + bytes);
}
