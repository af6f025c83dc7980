#include "app/demo_database.h"

#include <string>

#include "core/doc.h"
#include "core/item.h"

namespace {

constexpr const char16_t* kFolders[] = {
    u"\\Work\\Projects\\Website relaunch", u"\\Work\\Projects\\Annual report", u"\\Work\\Meetings",
    u"\\Home\\Garden", u"\\Home\\Finance", u"\\Family", u"\\Hobby\\Photography", u"\\Friends",
};

struct DemoTask {
    const char16_t* title;
    const char16_t* folder;
    int day;  // from Monday of this week
    int hour, minute, minutes;
    const char16_t* keywords;
    const char16_t* repeat;  // empty: once
    int repeatCount;
    bool reminder;
};

constexpr DemoTask kTasks[] = {
    {u"Team stand-up", u"\\Work\\Meetings", 0, 9, 0, 15, u"team", u"day(s)", 1, false},
    {u"Weekly planning", u"\\Work\\Meetings", 0, 10, 0, 60, u"team,planning", u"weekly", 1, true},
    {u"Review the new home page design", u"\\Work\\Projects\\Website relaunch", 1, 13, 30, 90, u"design,review",
     u"", 0, true},
    {u"Call the printer about the report", u"\\Work\\Projects\\Annual report", 2, 11, 0, 30, u"call", u"", 0, false},
    {u"Dentist", u"\\Family", 2, 16, 15, 45, u"health", u"", 0, true},
    {u"Water the vegetable beds", u"\\Home\\Garden", 3, 19, 0, 30, u"garden", u"day(s)", 2, false},
    {u"Launch rehearsal", u"\\Work\\Projects\\Website relaunch", 4, 14, 0, 120, u"release,team", u"", 0, true},
    {u"Photo walk in the old town", u"\\Hobby\\Photography", 5, 8, 30, 180, u"outdoor", u"", 0, false},
    {u"Family dinner", u"\\Family", 6, 18, 0, 150, u"family", u"", 0, false},
    {u"Pay the rent", u"\\Home\\Finance", 7, 9, 0, 10, u"bills", u"monthly", 1, true},
    {u"Anna's birthday", u"\\Friends", 9, 0, 0, 24 * 60, u"birthday", u"year(s)", 1, true},
};

struct DemoToDo {
    const char16_t* title;
    const char16_t* folder;
    int deadlineDay;  // from Monday; below -100: no deadline
    int completion, priority;
    const char16_t* keywords;
};

constexpr DemoToDo kToDos[] = {
    {u"Send the invoice to Baker & Sons", u"\\Work\\Projects\\Website relaunch", -2, 0, 90, u"invoice,urgent"},
    {u"Collect figures for chapter 3", u"\\Work\\Projects\\Annual report", 3, 50, 60, u"report"},
    {u"Book the conference hotel", u"\\Work", 8, 0, 40, u"travel"},
    {u"File the tax return", u"\\Home\\Finance", 20, 25, 80, u"tax,urgent"},
    {u"Buy tomato seedlings", u"\\Home\\Garden", 4, 100, 20, u"garden,shopping"},
    {u"Print photos for grandma", u"\\Hobby\\Photography", -1000, 0, 30, u"family"},
    {u"Renew the car insurance", u"\\Home\\Finance", 12, 0, 70, u"bills"},
};

struct DemoNote {
    const char16_t* title;
    const char16_t* folder;
    const char* rtfBody;
    const char16_t* keywords;
};

constexpr DemoNote kNotes[] = {
    {u"Website relaunch: decisions", u"\\Work\\Projects\\Website relaunch",
     "\\b Decided on Monday\\b0\\par - The new colours stay; the logo gets more room.\\par"
     "- Launch on the first working day of next month.\\par\\i Open:\\i0  who writes the press text?\\par",
     u"design,decisions"},
    {u"Report outline", u"\\Work\\Projects\\Annual report",
     "\\b\\fs28 Annual report\\b0\\fs20\\par 1. The year in numbers\\par 2. Projects\\par 3. People\\par"
     "4. What comes next\\par",
     u"report"},
    {u"Garden plan", u"\\Home\\Garden",
     "Tomatoes along the south fence, beans beside them. \\ul Do not\\ul0  plant potatoes where they were last "
     "year.\\par",
     u"garden"},
    {u"Camera settings for night shots", u"\\Hobby\\Photography",
     "ISO 800-1600, aperture f/2.8, \\b tripod\\b0 , two-second timer.\\par", u"howto"},
    {u"Wi-Fi password for guests", u"\\Home", "Network \\b Guest\\b0 , password on the fridge.\\par", u"home"},
};

struct DemoContact {
    const char16_t* first;
    const char16_t* last;
    const char16_t* company;
    const char16_t* phone;
    const char16_t* email;
    const char16_t* city;
    const char16_t* folder;
    const char16_t* keywords;
};

constexpr DemoContact kContacts[] = {
    {u"Anna", u"Kowalska", u"", u"+48 601 234 567", u"anna.kowalska@example.org", u"Kraków", u"\\Friends",
     u"friend"},
    {u"Tom", u"Baker", u"Baker & Sons", u"+44 20 7946 0018", u"tom@bakerandsons.example", u"London", u"\\Work",
     u"client"},
    {u"Maria", u"Nowak", u"Printing House Nowak", u"+48 12 345 67 89", u"office@nowak-print.example", u"Kraków",
     u"\\Work\\Projects\\Annual report", u"supplier"},
    {u"Dr. Eve", u"Smith", u"Smile Dental", u"+1 555 0100", u"reception@smile.example", u"Springfield", u"\\Family",
     u"health"},
    {u"Łukasz", u"Zając", u"", u"+48 502 111 222", u"lukasz@example.net", u"Gdańsk", u"\\Hobby\\Photography",
     u"friend,outdoor"},
};

DvDateTime at(const DvDateTime& monday, int day, int hour = 0, int minute = 0) {
    return {monday.value + day + (hour * 60 + minute) / 1440.0, DvDateTimeStatus::Valid};
}

CDvItem& addItem(CDvDoc& doc, int type, const char16_t* title, const char16_t* folder, const char16_t* keywords) {
    auto item = std::make_unique<CDvItem>();
    item->NewGuid();
    item->itemType = type;
    item->title = title;
    item->folders = {folder};
    item->SetKeywordsFromText(keywords);
    doc.items.push_back(std::move(item));
    return *doc.items.back();
}

void addTask(CDvDoc& doc, const DemoTask& t, const DvDateTime& monday) {
    CDvItem& item = addItem(doc, DV_ITEM_TASK, t.title, t.folder, t.keywords);
    item.taskStart = at(monday, t.day, t.hour, t.minute);
    item.taskEnd = {item.taskStart.value + t.minutes / 1440.0, DvDateTimeStatus::Valid};
    if (*t.repeat) {
        item.vars.Set(u"task_repeating_n_active", CDvVar::FromInt64(1));
        item.vars.Set(u"task_repeating_s_type", CDvVar::FromString(t.repeat));
        item.vars.Set(u"task_repeating_n_count", CDvVar::FromInt64(t.repeatCount));
        item.vars.Set(u"task_repeating_s_weekdays", CDvVar::FromString(u""));
        item.vars.Set(u"task_repeating_n_monthday", CDvVar::FromInt64(item.taskStart.Day()));
    }
    if (t.reminder) {
        item.vars.Set(u"reminder_s_type", CDvVar::FromString(u"popup"));
        item.vars.Set(u"reminder_n_before_count", CDvVar::FromInt64(15));
        item.vars.Set(u"reminder_s_before_units", CDvVar::FromString(u"minutes"));
    }
}

void addToDo(CDvDoc& doc, const DemoToDo& t, const DvDateTime& monday) {
    CDvItem& item = addItem(doc, DV_ITEM_TODO, t.title, t.folder, t.keywords);
    item.SetCompletion(static_cast<unsigned>(t.completion));
    item.SetPriority(static_cast<unsigned>(t.priority));
    if (t.deadlineDay > -100) {
        item.flags |= DV_ITEM_FLAG_DEADLINE;
        item.taskEnd = at(monday, t.deadlineDay, 17, 0);
    }
}

void addNote(CDvDoc& doc, const DemoNote& n) {
    CDvItem& item = addItem(doc, DV_ITEM_NOTE, n.title, n.folder, n.keywords);
    const std::string rtf = std::string("{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil Sans;}}\\pard\\f0\\fs20 ") +
                            n.rtfBody + "}";
    item.contents.Assign(std::vector<uint8_t>(rtf.begin(), rtf.end()));
}

void addContact(CDvDoc& doc, const DemoContact& c) {
    const std::u16string name = std::u16string(c.first) + u" " + c.last;
    CDvItem& item = addItem(doc, DV_ITEM_CONTACT, name.c_str(), c.folder, c.keywords);
    item.vars.SetText(u"First name", c.first);
    item.vars.SetText(u"Last name", c.last);
    if (*c.company) item.vars.SetText(u"Company", c.company);
    item.vars.SetText(*c.company ? u"[Business] Phone" : u"[Personal] Phone", c.phone);
    item.vars.SetText(u"[Personal] E-mails", c.email);
    item.vars.SetText(u"[Personal] City", c.city);
}

}  // namespace

void DvFillDemoDatabase(CDvDoc& doc, const DvDateTime& today) {
    auto lock = doc.Lock();
    for (const char16_t* path : kFolders) FindOrCreateFolderPath(doc.root, path);
    // Monday of the current week, midnight: DayOfWeek counts from Sunday = 1.
    const DvDateTime monday{static_cast<double>(static_cast<long long>(today.value)) - (today.DayOfWeek() + 5) % 7,
                            DvDateTimeStatus::Valid};
    for (const DemoTask& t : kTasks) addTask(doc, t, monday);
    for (const DemoToDo& t : kToDos) addToDo(doc, t, monday);
    for (const DemoNote& n : kNotes) addNote(doc, n);
    for (const DemoContact& c : kContacts) addContact(doc, c);
    doc.vars.SetText(u"dv_recent_folder", u"\\");
}
