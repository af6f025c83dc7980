#include "views/column.h"

#include <ostream>

#include "core/row_table.h"
#include "platform/locale_text.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace {

constexpr std::u16string_view kUserYes = u"user_yes";
constexpr std::u16string_view kUserNo = u"user_no";
constexpr size_t kStoredFields = 8;
constexpr int64_t kMinWidth = -1;
constexpr int64_t kMaxWidth = 800;
constexpr int32_t kFallbackWidth = 100;

}  // namespace

bool DvColumn::IsNumber() const { return dv::toLowerLocale(typeName) == u"number"; }

void PrintTo(const DvColumn& column, std::ostream* os) {
    *os << "{" << dv::toUtf8(column.name) << ", \"" << dv::toUtf8(column.displayName) << "\", " << column.width
        << (column.user ? ", user" : ", built-in") << ", type \"" << dv::toUtf8(column.typeName) << "\", from \""
        << dv::toUtf8(column.source) << "\"}";
}

int DvFindColumn(const std::vector<DvColumn>& columns, std::u16string_view name) {
    const std::u16string wanted = dv::toLowerLocale(name);
    for (size_t i = 0; i < columns.size(); ++i)
        if (dv::toLowerLocale(columns[i].name) == wanted) return static_cast<int>(i);
    return -1;
}

std::u16string DvColumnsToText(const std::vector<DvColumn>& columns) {
    DvRowTable rows;
    rows.reserve(columns.size());
    for (const DvColumn& c : columns) {
        std::vector<std::u16string> row{c.name, c.displayName, dv::formatInt64(c.width),
                                        std::u16string(c.user ? kUserYes : kUserNo), c.typeName};
        row.resize(kStoredFields);
        rows.push_back(std::move(row));
    }
    return DvRowTableToText(rows);
}

std::vector<DvColumn> DvColumnsFromText(std::u16string_view text) {
    std::vector<DvColumn> columns;
    for (auto& row : DvRowTableFromText(text)) {
        if (row.size() <= 4) continue;
        DvColumn c;
        c.name = std::move(row[0]);
        c.displayName = std::move(row[1]);
        const int64_t width = dv::parseLeadingInt64(row[2]);
        c.width = (width < kMinWidth || width > kMaxWidth) ? kFallbackWidth : static_cast<int32_t>(width);
        c.user = row[3] == kUserYes;
        c.typeName = std::move(row[4]);
        columns.push_back(std::move(c));
    }
    return columns;
}
