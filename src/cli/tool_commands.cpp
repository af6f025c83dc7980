// The commands that need no database: datecalc.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/cli.h"
#include "platform/text.h"
#include "schedule/date_calculator.h"
#include "schedule/date_format.h"

namespace dvcli {
namespace {

struct SpanOption {
    const char* name;
    int32_t DvDateShiftFields::*field;
};
constexpr SpanOption kSpanOptions[] = {
    {"--years", &DvDateShiftFields::years},     {"--months", &DvDateShiftFields::months},
    {"--weeks", &DvDateShiftFields::weeks},     {"--days", &DvDateShiftFields::days},
    {"--hours", &DvDateShiftFields::hours},     {"--minutes", &DvDateShiftFields::minutes},
    {"--seconds", &DvDateShiftFields::seconds},
};

std::optional<DvDateTime> dateArgument(const std::string& text) {
    const auto value = DvParseIsoText(dv::fromUtf8(text));
    if (!value)
        std::fprintf(stderr, "dayvault-cli datecalc: '%s' is not a date YYYY-MM-DD [HH:MM[:SS]]\n", text.c_str());
    return value;
}

int between(const Args& args) {
    if (args.positional.size() != 3) {
        std::fprintf(stderr, "dayvault-cli datecalc between: give FROM and TO (see --help)\n");
        return kUsage;
    }
    for (const auto& o : kSpanOptions)
        if (args.has(o.name)) {
            std::fprintf(stderr, "dayvault-cli datecalc between: %s belongs to 'add'\n", o.name);
            return kUsage;
        }
    if (args.has("--subtract")) {
        std::fprintf(stderr, "dayvault-cli datecalc between: --subtract belongs to 'add'\n");
        return kUsage;
    }
    const auto from = dateArgument(args.positional[1]);
    const auto to = dateArgument(args.positional[2]);
    if (!from || !to) return kUsage;
    DvDaysBetweenFields fields;
    fields.startDate = fields.startTime = *from;
    fields.endDate = fields.endTime = *to;
    fields.specifyTime = args.has("--time");
    printText(DvDaysBetweenText(fields) + u"\n");
    return kOk;
}

int add(const Args& args) {
    if (args.positional.size() != 2) {
        std::fprintf(stderr, "dayvault-cli datecalc add: give BASE (see --help)\n");
        return kUsage;
    }
    const auto base = dateArgument(args.positional[1]);
    if (!base) return kUsage;
    DvDateShiftFields fields;
    fields.startDate = fields.startTime = *base;
    fields.specifyTime = args.has("--time");
    fields.operation = args.has("--subtract") ? kDvCalculatorSubtract : kDvCalculatorAdd;
    for (const auto& o : kSpanOptions) {
        if (!args.has(o.name)) continue;
        // The window's spinners hold 32-bit counts.
        const auto n = intOption(args, o.name, INT32_MIN, INT32_MAX, "datecalc add");
        if (!n) return kUsage;
        fields.*o.field = static_cast<int32_t>(*n);
    }
    printText(DvDateShiftText(fields) + u"\n");
    return kOk;
}

}  // namespace

int runDateCalc(const Args& args) {
    const std::string what = args.positional.empty() ? std::string() : args.positional[0];
    if (what == "between") return between(args);
    if (what == "add") return add(args);
    std::fprintf(stderr, "dayvault-cli datecalc: say 'between' or 'add' (see --help)\n");
    return kUsage;
}

}  // namespace dvcli
