#pragma once
// Deferred requests: other windows ask the main window for work by name ("GA:RefreshContents")
// instead of calling into it during their own event handling. A request runs at once, is sent
// and waited for, or is posted to run later; a posted request arrives with a check number, and
// one without it is not ours and is ignored.
#include <functional>
#include <map>
#include <string>
#include <string_view>

inline constexpr std::u16string_view kDvRequestSelectionChanged = u"GA:SelectionChangedNotify";
inline constexpr std::u16string_view kDvRequestRefreshContents = u"GA:RefreshContents";
inline constexpr std::u16string_view kDvRequestUpdateCalendarDays = u"GA:UpdateMonthCalendarCtrlDaysState";
inline constexpr int kDvRequestCheck = 226050910;

enum class DvRequestMode { Now, SendAndWait, Post };

class DvMainWindowRequests {
public:
    using Handler = std::function<void()>;
    /// Hands `delivery` to the event loop, to run once the current event is done.
    using Poster = std::function<void(std::function<void()> delivery)>;

    /// The work behind a name; names compare ignoring case.
    void Register(std::u16string_view name, Handler handler);
    void SetPoster(Poster poster) { poster_ = std::move(poster); }

    /// Runs or posts the request; a name nobody registered does nothing and gives false.
    bool Request(std::u16string_view name, DvRequestMode mode);
    /// A posted request arriving from the event loop: runs only with the right check number.
    void Deliver(std::u16string_view name, int check);

private:
    const Handler* find(std::u16string_view name) const;

    std::map<std::u16string, Handler> handlers_;  // by lower-case name
    Poster poster_;
};

/// The main window's requests, or nullptr while there is no main window.
DvMainWindowRequests* DvRequests();
void DvSetRequests(DvMainWindowRequests* requests);
/// Asks the main window for the named work; nothing happens while there is none.
void DvRequestMainWindow(std::u16string_view name, DvRequestMode mode = DvRequestMode::Post);
