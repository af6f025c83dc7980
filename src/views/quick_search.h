#pragma once
// The quick search's scoring and its document operation: items are scored against the typed
// words by title, keywords, variables and (within a time budget) contents; the first matching
// items in document order are taken and ranked by score.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/millisecond_clock.h"
#include "views/list_entry.h"

class CDvDoc;
class CDvItem;

/// What was typed, in lower case, and its words (split at spaces, empty words dropped).
struct DvSearchQuery {
    std::u16string text;
    std::vector<std::u16string> words;

    static DvSearchQuery FromText(std::u16string_view typed);
};

/// 1.0 when the whole query occurs in the lower-case form of `text`, 0.5 when every word does,
/// else 0.
double DvTextScore(std::u16string_view text, const DvSearchQuery& query);

/// Per word, the first keyword equal to it adds 1.0 (and ends that word's search); with
/// `partial`, each keyword before it that contains the word adds 0.5. The sum over the words,
/// divided by their number, at most 1.0.
double DvKeywordScore(const CDvItem& item, const DvSearchQuery& query, bool partial);

/// Contents are expensive to search; a pass reads them only during its first 1500 ms.
class DvContentsBudget {
public:
    static constexpr int64_t kMilliseconds = 1500;
    /// Starts now, by `clock`.
    explicit DvContentsBudget(const dv::MillisecondClock& clock = dv::millisecondClock());
    /// Less than kMilliseconds have passed since the start (reads the clock).
    bool Allows() const;

private:
    const dv::MillisecondClock& clock_;
    int64_t start_;
};

/// The item's score: the title's text score; while still 0 the keyword score; while still 0 the
/// first variable whose display text contains the whole query (0.2) or, with `partial`, is a
/// non-empty part of it (0.01); while still 0 and the budget allows, the contents' text score.
/// Then 0.2 more when `scopeFolder` is given and one of the item's folders is that folder itself.
double DvQuickSearchScore(const CDvItem& item, const DvSearchQuery& query, bool partial,
                          std::u16string_view scopeFolder, const DvContentsBudget& budget);

/// Scores the items of `itemType` (0: any) in `scopeFolder` and below (empty: the whole
/// document) in document order, writing each score into the item's relevance, and takes the
/// first `maxResults` with a score above 0 whose GUID is not among `entries` yet. Those are
/// sorted by score, highest first, and appended to `entries`. Returns how many were appended.
/// A query without words finds nothing.
int DvQuickSearch(CDvDoc& doc, const DvSearchQuery& query, int itemType, int maxResults, bool partialKeywords,
                  std::u16string_view scopeFolder, std::vector<DvListEntry>& entries,
                  const dv::MillisecondClock& clock = dv::millisecondClock());
