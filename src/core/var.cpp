#include "core/var.h"

#include <bit>
#include <initializer_list>
#include <limits>
#include <ostream>
#include <vector>

#include "core/archive.h"
#include "platform/locale_text.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace {

// Out of range and NaN give the most negative value, as the processor's own conversion does,
// where a plain cast would be undefined.
int64_t truncateToInt64(double d) {
    if (d >= -0x1p63 && d < 0x1p63) return static_cast<int64_t>(d);
    return std::numeric_limits<int64_t>::min();
}

int32_t low32(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }

template <class T>
int threeWay(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

bool isOneOf(std::u16string_view text, std::initializer_list<std::u16string_view> words) {
    for (auto w : words)
        if (dv::equalsAsciiNoCase(text, w)) return true;
    return false;
}

// The code units little-endian with their terminating zero, as the rich-text editor hands text over.
std::vector<uint8_t> unitsWithTerminator(std::u16string_view text) {
    std::vector<uint8_t> out;
    out.reserve(text.size() * 2 + 2);
    for (char16_t unit : text) {
        out.push_back(static_cast<uint8_t>(unit & 0xFF));
        out.push_back(static_cast<uint8_t>(unit >> 8));
    }
    out.insert(out.end(), {0, 0});
    return out;
}

}  // namespace

// ---- lifetime

CDvVar::CDvVar() { payload_.i = 0; }

CDvVar::CDvVar(const CDvVar& other)
    : payload_(other.payload_), string_(other.string_), type_(other.type_), attrA_(other.attrA_),
      attrB_(other.attrB_) {
    if (type_ == DV_VAR_BYTEMEM) payload_.mem = new CDvByteMem(*other.payload_.mem);
    if (type_ == DV_VAR_EVARS) payload_.list = new CDvVarList(*other.payload_.list);
    if (type_ == DV_VAR_NONE) attrA_ = attrB_ = 0;  // a "none" value carries nothing over
}

CDvVar& CDvVar::operator=(const CDvVar& other) {
    if (this == &other) return *this;
    if (other.type_ == DV_VAR_NONE) {  // the destination keeps its own attribute words
        releasePayload();
        type_ = DV_VAR_NONE;
        return *this;
    }
    CDvVar copy(other);  // before releasing: `other` may live inside this value's own list
    releasePayload();
    takeFrom(copy);
    return *this;
}

CDvVar::CDvVar(CDvVar&& other) noexcept {
    payload_.i = 0;
    takeFrom(other);
}

CDvVar& CDvVar::operator=(CDvVar&& other) noexcept {
    if (this == &other) return *this;
    CDvVar moved(std::move(other));
    releasePayload();
    takeFrom(moved);
    return *this;
}

CDvVar::~CDvVar() { releasePayload(); }

void CDvVar::releasePayload() {
    if (type_ == DV_VAR_BYTEMEM) delete payload_.mem;
    if (type_ == DV_VAR_EVARS) delete payload_.list;
    payload_.i = 0;
    string_.clear();
}

void CDvVar::takeFrom(CDvVar& other) noexcept {
    payload_ = other.payload_;
    string_ = std::move(other.string_);
    type_ = other.type_;
    attrA_ = other.attrA_;
    attrB_ = other.attrB_;
    other.payload_.i = 0;
    other.string_.clear();
    other.type_ = DV_VAR_NONE;
}

CDvVar CDvVar::FromString(std::u16string text) {
    CDvVar v;
    v.SetString(std::move(text));
    return v;
}

CDvVar CDvVar::FromDouble(double d) {
    CDvVar v;
    v.SetDouble(d);
    return v;
}

CDvVar CDvVar::FromInt64(int64_t i) {
    CDvVar v;
    v.SetInt64(i);
    return v;
}

CDvVar CDvVar::FromBool(int32_t b) {
    CDvVar v;
    v.SetBool(b);
    return v;
}

// ---- setters: the attribute words survive every change of type or payload

void CDvVar::SetDouble(double v) {
    releasePayload();
    payload_.d = v;
    type_ = DV_VAR_DOUBLE;
}

void CDvVar::SetBool(int32_t v) {
    releasePayload();
    payload_.b = v;
    type_ = DV_VAR_BOOL;
}

void CDvVar::SetInt64(int64_t v) {
    releasePayload();
    payload_.i = v;
    type_ = DV_VAR_INT64;
}

void CDvVar::SetString(std::u16string v) {
    releasePayload();
    string_ = std::move(v);
    type_ = DV_VAR_STRING;
}

void CDvVar::SetType(uint8_t code) {
    if (code == type_ || code > DV_VAR_STRING) return;
    std::unique_ptr<CDvByteMem> mem = code == DV_VAR_BYTEMEM ? std::make_unique<CDvByteMem>() : nullptr;
    std::unique_ptr<CDvVarList> list = code == DV_VAR_EVARS ? std::make_unique<CDvVarList>() : nullptr;
    releasePayload();
    type_ = code;
    if (mem) payload_.mem = mem.release();
    if (list) payload_.list = list.release();
}

CDvByteMem* CDvVar::ByteMem() { return type_ == DV_VAR_BYTEMEM ? payload_.mem : nullptr; }
const CDvByteMem* CDvVar::ByteMem() const { return type_ == DV_VAR_BYTEMEM ? payload_.mem : nullptr; }
CDvVarList* CDvVar::VarList() { return type_ == DV_VAR_EVARS ? payload_.list : nullptr; }
const CDvVarList* CDvVar::VarList() const { return type_ == DV_VAR_EVARS ? payload_.list : nullptr; }

// ---- readings under any type

double CDvVar::AsDouble() const {
    switch (type_) {
        case DV_VAR_DOUBLE: return payload_.d;
        case DV_VAR_BOOL: return payload_.b;
        case DV_VAR_INT64: return static_cast<double>(payload_.i);
        case DV_VAR_STRING: return dv::parseLeadingDouble(string_);
        default: return 0.0;
    }
}

int64_t CDvVar::AsInt64() const {
    switch (type_) {
        case DV_VAR_DOUBLE: return truncateToInt64(payload_.d);
        case DV_VAR_BOOL: return payload_.b;
        case DV_VAR_INT64: return payload_.i;
        case DV_VAR_STRING: return dv::parseLeadingInt64(string_);
        default: return 0;
    }
}

int32_t CDvVar::AsBool() const {
    switch (type_) {
        case DV_VAR_BOOL: return payload_.b;
        case DV_VAR_DOUBLE:
        case DV_VAR_INT64: return low32(AsInt64());
        case DV_VAR_STRING:
            if (string_.empty() || dv::equalsAsciiNoCase(string_, u"false")) return 0;
            if (dv::equalsAsciiNoCase(string_, u"true")) return 1;
            return low32(AsInt64());
        default: return 0;
    }
}

std::u16string CDvVar::AsText() const {
    switch (type_) {
        case DV_VAR_DOUBLE: return dv::formatG(payload_.d);
        case DV_VAR_BOOL: return payload_.b ? u"true" : u"false";
        case DV_VAR_INT64: return dv::formatInt64(payload_.i);
        case DV_VAR_BYTEMEM: return u"byte mem";
        case DV_VAR_EVARS: {
            std::u16string out;
            for (const CDvVar& v : payload_.list->values) {
                if (&v != &payload_.list->values.front()) out += u',';
                out += v.AsText();
            }
            return out;
        }
        case DV_VAR_STRING: return string_;
        default: return {};
    }
}

// ---- text in, conversions, order

bool CDvVar::ParseText(std::u16string_view text, bool keepNone) {
    switch (type_) {
        case DV_VAR_STRING: SetString(std::u16string(text)); return true;
        case DV_VAR_DOUBLE: SetDouble(dv::parseLeadingDouble(text)); return true;
        case DV_VAR_INT64: SetInt64(dv::parseLeadingInt64(text)); return true;
        case DV_VAR_BYTEMEM: payload_.mem->Assign(unitsWithTerminator(text)); return true;
        case DV_VAR_BOOL:
            if (isOneOf(text, {u"0", u"false", u"no"})) {
                SetBool(0);
                return true;
            }
            if (isOneOf(text, {u"1", u"true", u"yes"})) {
                SetBool(1);
                return true;
            }
            return false;
        default:
            // "none" takes no text either way: with the flag because the caller wants it kept,
            // without it because there is no type to parse into. Lists take no text at all.
            (void)keepNone;
            return false;
    }
}

bool CDvVar::ConvertTo(uint8_t code) {
    if (code == type_) return true;
    if (type_ == DV_VAR_BYTEMEM || type_ == DV_VAR_EVARS) return false;
    switch (code) {
        case DV_VAR_INT64: SetInt64(AsInt64()); return true;
        case DV_VAR_DOUBLE: SetDouble(AsDouble()); return true;
        case DV_VAR_STRING: SetString(AsText()); return true;
        case DV_VAR_BOOL: SetBool(AsBool()); return true;
        default: return false;
    }
}

int CDvVar::Compare(const CDvVar& other, bool ascending) const {
    int result = 0;
    if (type_ == other.type_) {
        result = compareSameType(other);
    } else {
        CDvVar converted(*this);
        result = converted.ConvertTo(other.type_) ? converted.compareSameType(other) : 0;
    }
    return ascending ? result : -result;
}

int CDvVar::compareSameType(const CDvVar& other) const {
    switch (type_) {
        case DV_VAR_DOUBLE: {
            const double a = payload_.d, b = other.payload_.d;
            if (a < b) return -1;
            if (a == b) return 0;
            return 1;  // greater, or unordered (NaN)
        }
        case DV_VAR_BOOL: return threeWay(payload_.b, other.payload_.b);
        case DV_VAR_INT64: return threeWay(payload_.i, other.payload_.i);
        case DV_VAR_STRING: return string_ == other.string_ ? 0 : dv::compareNoCase(string_, other.string_);
        default: return -1;
    }
}

std::u16string CDvVar::TypeName(uint8_t code) {
    static constexpr std::u16string_view kNames[] = {u"none", u"double", u"", u"int64", u"bytemem", u"evars", u"string"};
    return code < std::size(kNames) ? std::u16string(kNames[code]) : std::u16string();
}

// ---- stored form

void CDvVar::Serialize(CDvArchive& ar) { serialize(ar, 0); }

void CDvVar::serialize(CDvArchive& ar, int depth) {
    if (depth > kMaxNesting) throw CDvArchiveError(CDvArchiveError::Kind::Damaged, "variables nested too deeply");
    if (ar.IsStoring()) {
        ar.WriteByte(type_);
    } else {
        const uint8_t code = ar.ReadByte();
        if (code > DV_VAR_STRING) throw CDvArchiveError(CDvArchiveError::Kind::Damaged, "unknown variable type");
        SetType(code);
    }
    ar.Io(attrA_);
    ar.Io(attrB_);
    switch (type_) {
        case DV_VAR_DOUBLE: ar.Io(payload_.d); break;
        case DV_VAR_BOOL: ar.Io(payload_.b); break;
        case DV_VAR_INT64: ar.Io(payload_.i); break;
        case DV_VAR_BYTEMEM: payload_.mem->Serialize(ar); break;
        case DV_VAR_EVARS: serializeList(ar, depth); break;
        case DV_VAR_STRING: ar.Io(string_); break;
        default: break;
    }
}

void CDvVar::serializeList(CDvArchive& ar, int depth) {
    std::vector<CDvVar>& values = payload_.list->values;
    if (ar.IsStoring()) {
        ar.WriteUInt32(static_cast<uint32_t>(values.size()));
        for (CDvVar& v : values) v.serialize(ar, depth + 1);
        return;
    }
    const uint32_t count = ar.ReadUInt32();
    ar.CheckCount(count, 5);  // a value is at least its type byte and two attribute words
    values.clear();
    // No reserve: nested lists could each claim the whole remaining input before any is read.
    for (uint32_t i = 0; i < count; ++i) values.emplace_back().serialize(ar, depth + 1);
}

bool operator==(const CDvVar& a, const CDvVar& b) {
    if (a.type_ != b.type_ || a.attrA_ != b.attrA_ || a.attrB_ != b.attrB_) return false;
    switch (a.type_) {
        case DV_VAR_DOUBLE: return std::bit_cast<uint64_t>(a.payload_.d) == std::bit_cast<uint64_t>(b.payload_.d);
        case DV_VAR_BOOL: return a.payload_.b == b.payload_.b;
        case DV_VAR_INT64: return a.payload_.i == b.payload_.i;
        case DV_VAR_BYTEMEM: return *a.payload_.mem == *b.payload_.mem;
        case DV_VAR_EVARS: return a.payload_.list->values == b.payload_.list->values;
        case DV_VAR_STRING: return a.string_ == b.string_;
        default: return true;
    }
}

void PrintTo(const CDvVar& value, std::ostream* os) {
    *os << dv::toUtf8(CDvVar::TypeName(value.Type())) << '(' << int(value.Type()) << ") \""
        << dv::toUtf8(value.AsText()) << "\" words " << value.AttrA() << ',' << value.AttrB();
}
