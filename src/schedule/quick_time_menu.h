#pragma once
// The quick time menu: a time picked relative to now or to a start, from five submenus
// ("(Minutes) from now", "(Hours) ...", "(days) ...", "Today at", "Tomorow at"). The model holds
// the entries and their values; the desktop program shows it as a popup at the mouse.
#include <optional>
#include <string>
#include <vector>

#include "core/date_time.h"

struct DvQuickTimeSubmenu {
    std::u16string title;  // menu text; "&&" stands for one "&"
    int firstEntry = 0;    // number of its first entry; entries are numbered across all submenus
    std::vector<std::u16string> labels;
};

/// The outcome of showing the menu: the entry's number and its value, or entry -1 when nothing
/// was chosen.
struct DvQuickTimeChoice {
    int entry = -1;
    DvDateTime value;

    bool Chosen() const { return entry >= 0; }
};

class DvQuickTimeMenu {
public:
    /// Entries relative to `base`, or to now when none is given. "Today at" and "Tomorow at"
    /// always follow the clock's date, whatever the base.
    explicit DvQuickTimeMenu(std::optional<DvDateTime> base = std::nullopt);

    const std::vector<DvQuickTimeSubmenu>& Submenus() const { return submenus_; }
    /// The value of every entry, by entry number.
    const std::vector<DvDateTime>& Values() const { return values_; }

    /// Resolves the number the shown menu answered: negative when the user dismissed it; a number
    /// outside the list shows "err#17ds4". Either way nothing is chosen.
    DvQuickTimeChoice Choose(int entry) const;

private:
    void addSubmenu(std::u16string title, std::vector<std::u16string> labels, std::vector<DvDateTime> values);

    std::vector<DvQuickTimeSubmenu> submenus_;
    std::vector<DvDateTime> values_;
};

/// The variant that fills a dialog's fields: writes the chosen value into the date field and,
/// when given, the time field. False, with nothing written, when nothing was chosen.
bool DvWriteQuickTimeChoice(const DvQuickTimeChoice& choice, DvDateTime& dateField, DvDateTime* timeField = nullptr);
