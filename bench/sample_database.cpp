#include "sample_database.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/doc.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace {

const char16_t* const kWords[] = {
    u"budget", u"review", u"dentist", u"invoice", u"garden", u"report", u"Kraków", u"meeting", u"plan",
    u"call", u"draft", u"holiday", u"insurance", u"car", u"school", u"zażółć", u"gęślą", u"jaźń", u"project",
    u"release", u"tax", u"birthday", u"groceries", u"server", u"backup", u"conference", u"ticket",
};
const char16_t* const kTopFolders[] = {u"Work", u"Home", u"Family", u"Projects", u"Finance", u"Hobby"};
const char16_t* const kFirstNames[] = {u"Anna", u"Piotr", u"John", u"Maria", u"Łukasz", u"Eve", u"Tom"};
const char16_t* const kLastNames[] = {u"Kowalski", u"Nowak", u"Smith", u"Wiśniewska", u"Brown", u"Zając"};
const char16_t* const kRepeatKinds[] = {u"day(s)", u"week(s)", u"year(s)", u"weekly", u"monthly"};

class Generator {
public:
    Generator(CDvDoc& doc, uint32_t seed) : doc_(doc), rng_(seed) {}

    void run(int itemCount) {
        buildFolders();
        doc_.items.reserve(static_cast<size_t>(itemCount));
        for (int i = 0; i < itemCount; ++i) addItem(i % 4 + 1);
        doc_.vars.SetText(u"dv_recent_folder", u"\\Work");
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    template <class T, size_t N> T pickFrom(T (&table)[N]) { return table[pick(static_cast<int>(N))]; }

    std::u16string words(int n) {
        std::u16string out;
        for (int i = 0; i < n; ++i) out += (i ? u" " : u"") + std::u16string(pickFrom(kWords));
        return out;
    }

    void buildFolders() {
        for (const char16_t* top : kTopFolders)
            for (int a = 0; a < 4; ++a)
                for (int b = 0; b < 3; ++b) {
                    const std::u16string path = u"\\" + std::u16string(top) + u"\\Area " + dv::formatInt64(a) +
                                                u"\\Topic " + dv::formatInt64(b);
                    FindOrCreateFolderPath(doc_.root, path);
                    paths_.push_back(path);
                }
    }

    DvDateTime someDay() {
        return DvDateTime::FromFields(2026, 1 + pick(12), 1 + pick(28), 7 + pick(12), pick(4) * 15, 0);
    }

    std::vector<uint8_t> rtf(const std::u16string& text) {
        std::string body = dv::toUtf8(text);
        std::string out = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 Tahoma;}}"
                          "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
        for (int p = 0; p < 3; ++p) out += "\\b " + std::string(p ? "Point" : "Summary") + "\\b0  " + body + "\\par\n";
        out += "}";
        return {out.begin(), out.end()};
    }

    void addItem(int type) {
        auto item = std::make_unique<CDvItem>();
        item->NewGuid();
        item->itemType = type;
        item->title = words(2 + pick(5));
        item->folders.push_back(paths_[static_cast<size_t>(pick(static_cast<int>(paths_.size())))]);
        if (pick(4) == 0) item->folders.push_back(paths_[static_cast<size_t>(pick(static_cast<int>(paths_.size())))]);
        std::u16string keywords = words(1 + pick(3));
        std::replace(keywords.begin(), keywords.end(), u' ', u',');
        item->SetKeywordsFromText(keywords);
        item->SetPriority(static_cast<unsigned>(pick(101)));  // as the editors store it: no legacy bits
        item->vars.Set(u"Estimate", CDvVar::FromInt64(pick(100)));
        switch (type) {
        case 1: makeTask(*item); break;
        case 2: makeToDo(*item); break;
        case 3: item->contents.Assign(rtf(words(40 + pick(80)))); break;
        default: makeContact(*item); break;
        }
        doc_.items.push_back(std::move(item));
    }

    void makeTask(CDvItem& item) {
        item.taskStart = someDay();
        item.taskEnd = DvDateTime{item.taskStart.value + (1 + pick(8)) / 96.0, DvDateTimeStatus::Valid};
        if (pick(3) == 0) {
            item.vars.Set(u"task_repeating_n_active", CDvVar::FromInt64(1));
            item.vars.Set(u"task_repeating_s_type", CDvVar::FromString(pickFrom(kRepeatKinds)));
            item.vars.Set(u"task_repeating_n_count", CDvVar::FromInt64(1 + pick(3)));
            item.vars.Set(u"task_repeating_s_weekdays", CDvVar::FromString(u"mon,wed,fri,"));
            item.vars.Set(u"task_repeating_n_monthday", CDvVar::FromInt64(1 + pick(28)));
        }
        if (pick(2) == 0) {
            item.vars.Set(u"reminder_s_type", CDvVar::FromString(u"popup"));
            item.vars.Set(u"reminder_n_before_count", CDvVar::FromInt64(15));
            item.vars.Set(u"reminder_s_before_units", CDvVar::FromString(u"minutes"));
        }
    }

    void makeToDo(CDvItem& item) {
        item.SetCompletion(static_cast<uint32_t>(pick(5) * 25));
        if (pick(2) == 0) {
            item.flags |= DV_ITEM_FLAG_DEADLINE;
            item.taskEnd = someDay();
        }
    }

    void makeContact(CDvItem& item) {
        const std::u16string first = pickFrom(kFirstNames), last = pickFrom(kLastNames);
        item.title = first + u" " + last;
        item.vars.SetText(u"First name", first);
        item.vars.SetText(u"Last name", last);
        item.vars.SetText(u"Company", words(2));
        item.vars.SetText(u"[Business] Phone", u"+48 12 " + dv::formatInt64(1000000 + pick(8999999)));
        item.vars.SetText(u"[Personal] E-mails", dv::asciiLower(last) + u"@example.org");
        item.vars.SetText(u"[Personal] City", pickFrom(kWords));
    }

    CDvDoc& doc_;
    std::mt19937 rng_;
    std::vector<std::u16string> paths_;
};

}  // namespace

void DvFillSampleDatabase(CDvDoc& doc, int itemCount, uint32_t seed) {
    auto lock = doc.Lock();
    Generator(doc, seed).run(itemCount);
}
