#pragma once
// The add-user-column dialog without widgets: the new field's name, display name and value type,
// and the checks OK makes before the field joins the scope folder's user columns.
#include <array>
#include <string>
#include <string_view>

class CDvColumnUserDefinedMgrDlgModel;

/// Names the program keeps for its own variables: the "dv_" prefix in any letter case, and the
/// reminder and repeat variables.
bool DvIsReservedColumnName(std::u16string_view name);

class CDvColumnMgrAddUserColumnDlgModel {
public:
    static constexpr std::u16string_view kTitle = u"Adding user column (field)";
    static constexpr std::u16string_view kNameLabel = u"Name of column";
    static constexpr std::u16string_view kDisplayNameLabel = u"Display name - non-obligatory";
    static constexpr std::u16string_view kAutoDisplayNameLabel = u"Automatically create 'display name'";
    static constexpr std::u16string_view kTypeLabel =
        u"Type of variable - determines how it is edited - 'string' by default";
    static constexpr std::array<std::u16string_view, 5> kTypes{u"string", u"e-mail", u"link", u"number", u"bool"};
    static constexpr int kNewColumnWidth = 100;

    std::u16string name;
    std::u16string displayName;
    bool autoDisplayName = true;  // the display name follows the name and cannot be edited
    std::u16string typeName = u"string";

    bool IsDisplayNameEnabled() const { return !autoDisplayName; }
    /// The 500 ms timer: copies the name into the display name while that is automatic.
    void Tick();

    /// OK. An empty name adds nothing. A name already available (in any letter case) or reserved
    /// is refused with a message and the dialog stays open (false). Otherwise the column joins
    /// `owner`'s folder, which saves it at once.
    bool Ok(CDvColumnUserDefinedMgrDlgModel& owner);
};
