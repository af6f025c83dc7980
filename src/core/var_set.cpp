#include "core/archive.h"
#include "core/var.h"
#include "platform/locale_text.h"

int CDvVarSet::Find(std::u16string_view name, int start) const {
    if (start < 0) return -1;
    for (int i = start; i < Count(); ++i)
        if (dv::equalsNoCase(names_[static_cast<size_t>(i)], name)) return i;
    return -1;
}

const CDvVar* CDvVarSet::Get(std::u16string_view name) const { return ValueAt(Find(name)); }

CDvVar* CDvVarSet::Get(std::u16string_view name) { return ValueAt(Find(name)); }

std::u16string CDvVarSet::GetText(std::u16string_view name) const {
    const CDvVar* v = Get(name);
    return v ? v->AsText() : std::u16string();
}

CDvVar& CDvVarSet::Set(std::u16string_view name, const CDvVar& value, bool forceAppend) {
    if (!forceAppend) {
        if (CDvVar* existing = Get(name)) {
            *existing = value;  // the name keeps the letter case it was first stored with
            return *existing;
        }
    }
    names_.emplace_back(name);
    values_.push_back(value);
    return values_.back();
}

bool CDvVarSet::SetText(std::u16string_view name, std::u16string_view text, bool forceAppend) {
    CDvVar* existing = forceAppend ? nullptr : Get(name);
    if (!existing) {
        Set(name, CDvVar::FromString(std::u16string(text)), true);
        return true;
    }
    // A variable that exists keeps its type: a number field stays a number.
    return existing->ParseText(text, true);
}

int CDvVarSet::Remove(std::u16string_view name) {
    const int at = Find(name);
    if (at < 0) return 0;
    names_.erase(names_.begin() + at);
    values_.erase(values_.begin() + at);
    return 1;
}

const std::u16string* CDvVarSet::NameAt(int index) const {
    return index >= 0 && index < Count() ? &names_[static_cast<size_t>(index)] : nullptr;
}

const CDvVar* CDvVarSet::ValueAt(int index) const {
    return index >= 0 && index < Count() ? &values_[static_cast<size_t>(index)] : nullptr;
}

CDvVar* CDvVarSet::ValueAt(int index) {
    return index >= 0 && index < Count() ? &values_[static_cast<size_t>(index)] : nullptr;
}

void CDvVarSet::Clear() {
    names_.clear();
    values_.clear();
}

std::u16string CDvVarSet::ListAll(bool verbose) const {
    std::u16string out;
    for (size_t i = 0; i < names_.size(); ++i) {
        if (verbose) {
            out += u"name:" + names_[i] + u"\r\n";
            out += u"type:" + CDvVar::TypeName(values_[i].Type()) + u"\r\n";
            out += u"val:" + values_[i].AsText();
        } else {
            out += names_[i] + u"\r\n" + values_[i].AsText();
        }
        out += u"\r\n\r\n";
    }
    return out;
}

void CDvVarSet::Serialize(CDvArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteUInt32(static_cast<uint32_t>(names_.size()));
        for (size_t i = 0; i < names_.size(); ++i) {
            ar.WriteString(names_[i]);
            values_[i].Serialize(ar);
        }
        return;
    }
    const uint32_t count = ar.ReadUInt32();
    ar.CheckCount(count, 6);  // a one-byte name and a five-byte value at the least
    Clear();
    names_.resize(count);
    values_.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
        names_[i] = ar.ReadString();
        values_[i].Serialize(ar);
    }
}
