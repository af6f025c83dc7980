// Storing and loading items through the archive, at the sizes of a small, a busy and a very large
// database: the document file is written every two minutes, so this is time the user waits.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/item.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace {

const char* const kWords[] = {"call", "dentist", "invoice", "meeting", "project", "review", "Anna", "garden",
                               "quarterly", "report", "tickets", "Kraków", "birthday", "plan", "budget", "car"};
const char* const kFolders[] = {"\\", "\\Work", "\\Work\\Projects", "\\Work\\Projects\\Apollo", "\\Home",
                                "\\Home\\Garden", "\\Contacts\\Family", "\\Contacts\\Clients", "\\Archive\\2023"};

std::u16string words(std::mt19937& rng, int count) {
    std::u16string out;
    for (int i = 0; i < count; ++i) {
        if (i) out += u' ';
        out += dv::fromUtf8(kWords[rng() % std::size(kWords)]);
    }
    return out;
}

std::vector<uint8_t> rtfOf(const std::u16string& text) {
    const std::string body = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Segoe UI;}}\\f0\\fs20 " + dv::toUtf8(text) + "\\par}";
    return {body.begin(), body.end()};
}

CDvItem makeItem(std::mt19937& rng, size_t n) {
    CDvItem item;
    item.itemType = static_cast<int32_t>(1 + rng() % 4);
    item.title = words(rng, 2 + static_cast<int>(rng() % 6));
    item.NewGuid();
    item.SetKeywordsFromText(words(rng, static_cast<int>(rng() % 3)));
    item.folders = {dv::fromUtf8(kFolders[rng() % std::size(kFolders)])};
    if (rng() % 4 == 0) item.folders.push_back(dv::fromUtf8(kFolders[rng() % std::size(kFolders)]));
    if (rng() % 3 == 0) item.contents.Assign(rtfOf(words(rng, 10 + static_cast<int>(rng() % 60))));
    item.taskStart = DvDateTime::FromFields(2024, 1 + static_cast<int>(rng() % 12), 1 + static_cast<int>(rng() % 28), 9);
    item.taskEnd = item.taskStart;
    item.taskEnd.value += 1.0 / 24;
    item.completion = static_cast<uint8_t>(rng() % 101);
    item.priority = static_cast<uint8_t>(rng() % 101);
    if (item.itemType == DV_ITEM_TASK) {
        item.vars.Set(u"reminder_s_type", CDvVar::FromString(u"popup"));
        item.vars.Set(u"reminder_n_before_count", CDvVar::FromInt64(15));
        item.vars.Set(u"reminder_s_before_units", CDvVar::FromString(u"minutes"));
    }
    if (item.itemType == DV_ITEM_CONTACT) {
        item.vars.Set(u"First name", CDvVar::FromString(words(rng, 1)));
        item.vars.Set(u"[Business] Phone", CDvVar::FromString(u"+48 12 345 67 " + dv::formatInt64(int64_t(n % 100))));
    }
    if (rng() % 10 == 0) item.relations = {{u"1", item.guid, item.title, u"", u"", u"", u""}};
    return item;
}

std::vector<CDvItem> makeItems(size_t count) {
    std::mt19937 rng(20240305);
    std::vector<CDvItem> items;
    items.reserve(count);
    for (size_t n = 0; n < count; ++n) items.push_back(makeItem(rng, n));
    return items;
}

std::vector<uint8_t> store(std::vector<CDvItem>& items) {
    CDvArchive out;
    out.WriteUInt32(static_cast<uint32_t>(items.size()));
    for (CDvItem& item : items) item.Serialize(out);
    return out.TakeBytes();
}

std::vector<CDvItem> load(const std::vector<uint8_t>& bytes) {
    CDvArchive in(bytes);
    const uint32_t count = in.ReadUInt32();
    std::vector<CDvItem> items(count);
    for (CDvItem& item : items) item.Serialize(in);
    return items;
}

void report(benchmark::State& state, size_t items, size_t bytes) {
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * items));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

void StoreItems(benchmark::State& state) {
    auto items = makeItems(static_cast<size_t>(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        auto stored = store(items);
        bytes = stored.size();
        benchmark::DoNotOptimize(stored.data());
    }
    report(state, items.size(), bytes);
}

void LoadItems(benchmark::State& state) {
    auto items = makeItems(static_cast<size_t>(state.range(0)));
    const auto stored = store(items);
    for (auto _ : state) {
        auto loaded = load(stored);
        benchmark::DoNotOptimize(loaded.data());
    }
    report(state, items.size(), stored.size());
}

void StoreAndLoadItems(benchmark::State& state) {
    auto items = makeItems(static_cast<size_t>(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        const auto stored = store(items);
        auto loaded = load(stored);
        bytes = stored.size();
        benchmark::DoNotOptimize(loaded.data());
    }
    report(state, items.size(), bytes);
}

}  // namespace

BENCHMARK(StoreItems)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadItems)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(StoreAndLoadItems)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
