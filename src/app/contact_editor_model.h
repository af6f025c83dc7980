#pragma once
// The contact editing dialog's own fields: the common name fields, one section of address and
// communication fields at a time ("Per&sonal" or "&Business"), and the title, composed from the
// names unless "Edit title manually" is ticked.
#include <string>
#include <string_view>
#include <vector>

#include "app/item_editor_model.h"

enum class DvContactSection { Personal, Business };

class CDvContactEditorModel {
public:
    static constexpr std::u16string_view kPersonalButton = u"Per&sonal";
    static constexpr std::u16string_view kBusinessButton = u"&Business";
    static constexpr std::u16string_view kManualTitleBox = u"Edit title manually";

    /// Opens on the Personal section. "Edit title manually" starts ticked when the contact's
    /// title is not what its names compose, so opening and confirming never renames a contact.
    explicit CDvContactEditorModel(CDvItemEditorModel& editor);

    /// "[Personal] " or "[Business] ".
    static std::u16string_view Prefix(DvContactSection section);

    /// Values of DvContactNameFieldNames(), in that order.
    std::vector<std::u16string> names;
    /// Values of the shown section's DvContactSectionFieldNames(), in that order.
    std::vector<std::u16string> sectionFields;
    bool manualTitle = false;
    /// The title field's text as the user typed it (used only while manualTitle is set).
    std::u16string title;

    DvContactSection Section() const { return section_; }
    /// Switches the section; the shown section's fields are kept in the working copy first, so
    /// what was typed there is not lost.
    void ShowSection(DvContactSection section);

    /// The title field is read-only while the title is composed.
    bool TitleReadOnly() const { return !manualTitle; }
    /// The composed title of the names as they stand.
    std::u16string ComposedTitle() const;
    /// What the title field shows and OK saves: the typed title when it is manual and not empty,
    /// otherwise the composed one.
    std::u16string Title() const;

    /// Writes the name fields and the shown section's fields into the working copy.
    void Apply();

private:
    void readSection();
    void writeFields(const std::vector<std::u16string>& fieldNames, std::u16string_view prefix,
                     const std::vector<std::u16string>& values);

    CDvItemEditorModel& editor_;
    DvContactSection section_ = DvContactSection::Personal;
};
