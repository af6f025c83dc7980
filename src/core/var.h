#pragma once
// Dynamic variables: typed values (CDvVar), their container payloads (CDvByteMem, CDvVarList) and
// the named set (CDvVarSet) that every item, folder and the document carry.
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CDvArchive;
class CDvVarList;

enum DvVarType : uint8_t {
    DV_VAR_NONE = 0,
    DV_VAR_DOUBLE = 1,
    DV_VAR_BOOL = 2,
    DV_VAR_INT64 = 3,
    DV_VAR_BYTEMEM = 4,
    DV_VAR_EVARS = 5,
    DV_VAR_STRING = 6,
};

/// A growable byte buffer with the program's sizing rule (grow to 1.2 x, shrink below 0.8 x).
class CDvByteMem {
public:
    CDvByteMem() = default;
    CDvByteMem(const CDvByteMem& other);
    CDvByteMem& operator=(const CDvByteMem& other);
    CDvByteMem(CDvByteMem&&) noexcept = default;
    CDvByteMem& operator=(CDvByteMem&&) noexcept = default;

    void SetSize(uint32_t n);
    /// Releases the buffer, then sizes it to the bytes and copies them.
    void Assign(std::span<const uint8_t> bytes);
    void Clear() { Assign({}); }

    uint32_t Size() const { return size_; }
    uint32_t Capacity() const { return capacity_; }
    bool KeepCapacity() const { return keepCapacity_; }
    void SetKeepCapacity(bool keep) { keepCapacity_ = keep; }
    uint8_t* Data() { return data_.get(); }
    const uint8_t* Data() const { return data_.get(); }
    std::span<const uint8_t> Bytes() const { return {data_.get(), size_}; }

    /// The bytemem block: 32-bit size, 32-bit 1, the bytes.
    void Serialize(CDvArchive& ar);

    friend bool operator==(const CDvByteMem& a, const CDvByteMem& b);

private:
    void reallocate(uint32_t capacity);

    std::unique_ptr<uint8_t[]> data_;
    uint32_t capacity_ = 0;
    uint32_t size_ = 0;
    bool keepCapacity_ = false;
};

class CDvVar {
public:
    CDvVar();
    CDvVar(const CDvVar& other);
    CDvVar& operator=(const CDvVar& other);
    CDvVar(CDvVar&& other) noexcept;
    CDvVar& operator=(CDvVar&& other) noexcept;
    ~CDvVar();

    static CDvVar FromString(std::u16string text);
    static CDvVar FromDouble(double v);
    static CDvVar FromInt64(int64_t v);
    static CDvVar FromBool(int32_t v);

    void SetDouble(double v);
    void SetBool(int32_t v);
    void SetInt64(int64_t v);
    void SetString(std::u16string v);
    void SetType(uint8_t code);

    uint8_t Type() const { return type_; }
    uint16_t AttrA() const { return attrA_; }
    uint16_t AttrB() const { return attrB_; }
    void SetAttrA(uint16_t v) { attrA_ = v; }
    void SetAttrB(uint16_t v) { attrB_ = v; }

    /// The container payloads; nullptr unless the value has type 4 or 5 respectively.
    CDvByteMem* ByteMem();
    const CDvByteMem* ByteMem() const;
    CDvVarList* VarList();
    const CDvVarList* VarList() const;
    /// The string payload (empty unless type 6).
    const std::u16string& StringPayload() const { return string_; }

    double AsDouble() const;
    int64_t AsInt64() const;
    int32_t AsBool() const;
    std::u16string AsText() const;

    bool ParseText(std::u16string_view text, bool keepNone);
    bool ConvertTo(uint8_t code);
    /// -1, 0 or +1; reversed when `ascending` is false.
    int Compare(const CDvVar& other, bool ascending = true) const;
    static std::u16string TypeName(uint8_t code);

    /// The stored value: type byte, both attribute words, the payload. Lists nested deeper than
    /// kMaxNesting levels are refused as damaged.
    void Serialize(CDvArchive& ar);
    static constexpr int kMaxNesting = 64;

    /// Same type, payload and attribute words; doubles compare by their stored bits.
    friend bool operator==(const CDvVar& a, const CDvVar& b);

private:
    void releasePayload();
    void takeFrom(CDvVar& other) noexcept;
    int compareSameType(const CDvVar& other) const;
    void serialize(CDvArchive& ar, int depth);
    void serializeList(CDvArchive& ar, int depth);

    union Payload {
        double d;
        int32_t b;
        int64_t i;
        CDvByteMem* mem;
        CDvVarList* list;
    } payload_;
    std::u16string string_;
    uint8_t type_ = DV_VAR_NONE;
    uint16_t attrA_ = 0;
    uint16_t attrB_ = 0;
};

/// Type name, text and attribute words, for test failure messages.
void PrintTo(const CDvVar& value, std::ostream* os);

/// The evars payload: an ordered list of unnamed values.
class CDvVarList {
public:
    std::vector<CDvVar> values;
    friend bool operator==(const CDvVarList&, const CDvVarList&) = default;
};

/// Named values in insertion order; names compare ignoring case under the user's locale.
class CDvVarSet {
public:
    /// Index of the first entry named `name` at or after `start`, or -1.
    int Find(std::u16string_view name, int start = 0) const;
    /// The entry's value, or nullptr when there is none.
    const CDvVar* Get(std::u16string_view name) const;
    CDvVar* Get(std::u16string_view name);
    /// The text of the variable, empty when missing.
    std::u16string GetText(std::u16string_view name) const;
    /// Copies the value into the existing entry, or appends one; returns the entry.
    CDvVar& Set(std::u16string_view name, const CDvVar& value, bool forceAppend = false);
    bool SetText(std::u16string_view name, std::u16string_view text, bool forceAppend = false);
    int Remove(std::u16string_view name);

    int Count() const { return static_cast<int>(names_.size()); }
    /// Index access; out-of-range indexes are refused (nullptr).
    const std::u16string* NameAt(int index) const;
    const CDvVar* ValueAt(int index) const;
    CDvVar* ValueAt(int index);
    void Clear();

    std::u16string ListAll(bool verbose) const;
    void Serialize(CDvArchive& ar);

    friend bool operator==(const CDvVarSet&, const CDvVarSet&) = default;

private:
    std::vector<std::u16string> names_;
    std::vector<CDvVar> values_;
};
