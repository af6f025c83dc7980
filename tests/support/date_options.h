#pragma once
// Answers the date-format options from a map for the lifetime of a test.
#include <map>
#include <string>
#include <string_view>

#include "schedule/date_format.h"

namespace dvtest {

class ScopedDateOptions {
public:
    ScopedDateOptions() {
        DvSetDateFormatSource([this](std::u16string_view key) {
            const auto it = values.find(std::u16string(key));
            return it == values.end() ? std::u16string() : it->second;
        });
    }
    ~ScopedDateOptions() { DvSetDateFormatSource(nullptr); }
    ScopedDateOptions(const ScopedDateOptions&) = delete;
    ScopedDateOptions& operator=(const ScopedDateOptions&) = delete;

    std::map<std::u16string, std::u16string, std::less<>> values;
};

}  // namespace dvtest
