#include "app/contact_editor_model.h"

#include "core/contact_fields.h"

namespace {

enum NameField { First, Middle, Last, Nick, Company };

}  // namespace

CDvContactEditorModel::CDvContactEditorModel(CDvItemEditorModel& editor) : editor_(editor) {
    const CDvVarSet& vars = editor_.Item().vars;
    for (const auto& name : DvContactNameFieldNames()) names.push_back(vars.GetText(name));
    readSection();
    title = editor_.Item().title;
    manualTitle = !title.empty() && title != ComposedTitle();
}

std::u16string_view CDvContactEditorModel::Prefix(DvContactSection section) {
    return section == DvContactSection::Personal ? u"[Personal] " : u"[Business] ";
}

void CDvContactEditorModel::readSection() {
    const CDvVarSet& vars = editor_.Item().vars;
    sectionFields.clear();
    for (const auto& field : DvContactSectionFieldNames())
        sectionFields.push_back(vars.GetText(std::u16string(Prefix(section_)) + field));
}

void CDvContactEditorModel::ShowSection(DvContactSection section) {
    if (section == section_) return;
    writeFields(DvContactSectionFieldNames(), Prefix(section_), sectionFields);
    section_ = section;
    readSection();
}

std::u16string CDvContactEditorModel::ComposedTitle() const {
    return DvComposeContactTitle(names[First], names[Middle], names[Last], names[Company]);
}

std::u16string CDvContactEditorModel::Title() const { return manualTitle && !title.empty() ? title : ComposedTitle(); }

void CDvContactEditorModel::writeFields(const std::vector<std::u16string>& fieldNames, std::u16string_view prefix,
                                        const std::vector<std::u16string>& values) {
    CDvVarSet& vars = editor_.Item().vars;
    for (size_t i = 0; i < fieldNames.size() && i < values.size(); ++i) {
        const std::u16string name = std::u16string(prefix) + fieldNames[i];
        // An empty field the contact never had adds no variable; SetText keeps an existing one's type.
        if (values[i].empty() && !vars.Get(name)) continue;
        vars.SetText(name, values[i]);
    }
}

void CDvContactEditorModel::Apply() {
    writeFields(DvContactNameFieldNames(), u"", names);
    writeFields(DvContactSectionFieldNames(), Prefix(section_), sectionFields);
}
