#pragma once
// The archive stream: the little-endian primitives every stored form is built from. An archive
// either writes into memory or reads from a byte span; a fault aborts the whole load or save by
// throwing CDvArchiveError, which the document loader turns into a failed load.
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/date_time.h"

class CDvArchiveError : public std::runtime_error {
public:
    enum class Kind { WrongDirection, Truncated, Damaged };
    CDvArchiveError(Kind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

class CDvArchive {
public:
    /// A writing archive that collects bytes in memory.
    CDvArchive();
    /// A reading archive over `bytes`, which must outlive it.
    explicit CDvArchive(std::span<const uint8_t> bytes);
    /// A temporary buffer would be gone before the first read.
    explicit CDvArchive(std::vector<uint8_t>&&) = delete;

    bool IsStoring() const { return storing_; }
    bool IsLoading() const { return !storing_; }

    // Writing. Each throws WrongDirection on a reading archive.
    void WriteByte(uint8_t v);
    void WriteWord(uint16_t v);
    void WriteUInt32(uint32_t v);
    void WriteInt32(int32_t v) { WriteUInt32(static_cast<uint32_t>(v)); }
    void WriteInt64(int64_t v);
    void WriteDouble(double v);
    void WriteCount(uint32_t v);
    void WriteString(std::u16string_view v);
    void WriteDateTime(const DvDateTime& v);
    void WriteStringArray(const std::vector<std::u16string>& v);
    void WriteBytes(std::span<const uint8_t> v);

    // Reading. Each throws WrongDirection on a writing archive and Truncated past the end.
    uint8_t ReadByte();
    uint16_t ReadWord();
    uint32_t ReadUInt32();
    int32_t ReadInt32() { return static_cast<int32_t>(ReadUInt32()); }
    int64_t ReadInt64();
    double ReadDouble();
    uint32_t ReadCount();
    std::u16string ReadString();  // single-byte strings are decoded through the code page
    DvDateTime ReadDateTime();
    std::vector<std::u16string> ReadStringArray();
    void ReadBytes(std::span<uint8_t> into);

    /// Throws Damaged unless `count` elements of at least `minBytesEach` bytes could still follow:
    /// a count never makes the reader allocate more than the remaining bytes could describe.
    void CheckCount(uint64_t count, size_t minBytesEach) const;
    size_t Remaining() const { return input_.size() - pos_; }

    /// Reads in a reading archive, writes in a writing one: one function serves both directions.
    void Io(uint8_t& v) { storing_ ? WriteByte(v) : void(v = ReadByte()); }
    void Io(uint16_t& v) { storing_ ? WriteWord(v) : void(v = ReadWord()); }
    void Io(uint32_t& v) { storing_ ? WriteUInt32(v) : void(v = ReadUInt32()); }
    void Io(int32_t& v) { storing_ ? WriteInt32(v) : void(v = ReadInt32()); }
    void Io(int64_t& v) { storing_ ? WriteInt64(v) : void(v = ReadInt64()); }
    void Io(double& v) { storing_ ? WriteDouble(v) : void(v = ReadDouble()); }
    void Io(std::u16string& v) { storing_ ? WriteString(v) : void(v = ReadString()); }
    void Io(DvDateTime& v) { storing_ ? WriteDateTime(v) : void(v = ReadDateTime()); }
    void Io(std::vector<std::u16string>& v) { storing_ ? WriteStringArray(v) : void(v = ReadStringArray()); }

    /// Makes room for `bytes` more output, so that a whole document is written without regrowing.
    void Reserve(size_t bytes);

    /// The bytes written so far.
    const std::vector<uint8_t>& Bytes() const { return output_; }
    std::vector<uint8_t> TakeBytes() { return std::move(output_); }

private:
    void requireStoring() const;
    void requireLoading() const;
    const uint8_t* take(size_t n);
    void writeLittleEndian(uint64_t v, int bytes);
    uint64_t readLittleEndian(int bytes);
    void writeStringLength(uint32_t length);
    uint32_t readLengthAfterMarker();
    std::u16string readUtf16Chars(uint32_t length);
    std::u16string readSingleByteChars(uint32_t length);

    bool storing_;
    std::vector<uint8_t> output_;
    std::span<const uint8_t> input_;
    size_t pos_ = 0;
};
