#pragma once
// A column of the list views: which item variable it shows, under which header and how wide, and
// for user-defined columns the kind of value. Definitions are stored in folder variables as row
// table text, one row per column.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

struct DvColumn {
    std::u16string name;         // the item variable shown: dv_title, or a user field such as Company
    std::u16string displayName;  // the header text
    int32_t width = 100;         // pixels
    bool user = false;           // a user-defined column
    std::u16string typeName;     // "string", "e-mail", "link", "number", "bool"; empty means "string"
    std::u16string source;       // where the definition came from; never stored

    /// True when the type name, in lower case, is "number".
    bool IsNumber() const;

    friend bool operator==(const DvColumn&, const DvColumn&) = default;
};

void PrintTo(const DvColumn& column, std::ostream* os);

/// The source text of columns that no folder defines.
inline constexpr std::u16string_view kDvColumnBuiltIn = u"built-in";

/// The index of the column showing variable `name` (compared in lower case), or -1.
int DvFindColumn(const std::vector<DvColumn>& columns, std::u16string_view name);

/// One row of 8 fields per column: name, display name, width, "user_yes" or "user_no", type name
/// and three empty fields.
std::u16string DvColumnsToText(const std::vector<DvColumn>& columns);

/// Reads the rows written by DvColumnsToText. Rows of 4 fields or fewer are skipped; a width
/// outside -1..800 reads as 100. The source texts are left empty.
std::vector<DvColumn> DvColumnsFromText(std::u16string_view text);
