// The live filter on generated databases of a busy and a very large size: the keyword table is
// rebuilt on every refresh of the main window, and every view runs the filter test once per item
// it collects, so both are time the user waits after each edit.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "core/doc.h"
#include "sample_database.h"
#include "views/keywords_edit_model.h"
#include "views/live_filter.h"

namespace {

// Generating 100,000 items takes longer than the measurements; each size is made once.
CDvDoc& sampleDoc(int items) {
    static std::map<int, std::unique_ptr<CDvDoc>> docs;
    auto& doc = docs[items];
    if (!doc) {
        doc = std::make_unique<CDvDoc>();
        DvFillSampleDatabase(*doc, items);
    }
    return *doc;
}

void report(benchmark::State& state, size_t items) {
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(items));
}

// range(1): 0 every type in the root with alphabetical order, 1 the tasks of one top folder by
// popularity.
void RebuildKeywordTable(benchmark::State& state) {
    CDvDoc& doc = sampleDoc(static_cast<int>(state.range(0)));
    CDvLiveFilter filter(doc);
    filter.SetKeywordFilterOn(true);
    if (state.range(1) == 0) {
        filter.Prepare(u"\\", 0);
    } else {
        filter.Prepare(u"\\Work", 1);
        filter.alphabetical = false;
    }
    for (auto _ : state) {
        filter.RebuildKeywordList();
        benchmark::DoNotOptimize(filter.KeywordTable().data());
    }
    state.counters["keywords"] = static_cast<double>(filter.KeywordTable().size());
    report(state, doc.items.size());
}

enum FilterCase { kTextPhrase, kAnyKeyword, kAllKeywords, kTextAndKeywords };

void ItemPassesFilter(benchmark::State& state) {
    CDvDoc& doc = sampleDoc(static_cast<int>(state.range(0)));
    const auto which = static_cast<FilterCase>(state.range(1));
    CDvLiveFilter filter(doc);
    filter.Prepare(u"\\", 0);
    if (which == kTextPhrase || which == kTextAndKeywords) {
        filter.SetTextFilterOn(true);
        filter.SetPhrase(u"Meet");
    }
    if (which != kTextPhrase) {
        filter.SetKeywordFilterOn(true);
        filter.allKeywords = which == kAllKeywords;
        filter.RebuildKeywordList();
        for (int row = 0; row < filter.RowCount(); row += 9) filter.SetRowSelected(row, true);
    }
    size_t passed = 0;
    for (auto _ : state) {
        passed = 0;
        for (const auto& item : doc.items) passed += filter.ItemPassesFilter(*item) ? 1 : 0;
        benchmark::DoNotOptimize(passed);
    }
    state.counters["passed"] = static_cast<double>(passed);
    report(state, doc.items.size());
}

// Auto-complete walks the whole document twice when the item's folders hold few keywords.
void KeywordCandidates(benchmark::State& state) {
    CDvDoc& doc = sampleDoc(static_cast<int>(state.range(0)));
    const std::vector<std::u16string> folders{u"\\Work\\Area 1"};
    size_t count = 0;
    for (auto _ : state) {
        const auto candidates = DvKeywordCandidates(doc, folders, u"re");
        count = candidates.size();
        benchmark::DoNotOptimize(candidates.data());
    }
    state.counters["candidates"] = static_cast<double>(count);
    report(state, doc.items.size() * 2);
}

}  // namespace

BENCHMARK(RebuildKeywordTable)->ArgsProduct({{10000, 100000}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(ItemPassesFilter)
    ->ArgsProduct({{10000, 100000}, {kTextPhrase, kAnyKeyword, kAllKeywords, kTextAndKeywords}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(KeywordCandidates)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
