#include "app/main_window_requests.h"

#include "platform/text.h"

namespace {

DvMainWindowRequests* gRequests = nullptr;

}  // namespace

void DvMainWindowRequests::Register(std::u16string_view name, Handler handler) {
    handlers_[dv::asciiLower(name)] = std::move(handler);
}

const DvMainWindowRequests::Handler* DvMainWindowRequests::find(std::u16string_view name) const {
    const auto it = handlers_.find(dv::asciiLower(name));
    return it == handlers_.end() ? nullptr : &it->second;
}

bool DvMainWindowRequests::Request(std::u16string_view name, DvRequestMode mode) {
    const Handler* handler = find(name);
    if (!handler) return false;
    if (mode == DvRequestMode::Post && poster_) {
        poster_([this, key = std::u16string(name)] { Deliver(key, kDvRequestCheck); });
        return true;
    }
    (*handler)();  // one thread: sending and waiting is running it now
    return true;
}

void DvMainWindowRequests::Deliver(std::u16string_view name, int check) {
    if (check != kDvRequestCheck) return;
    if (const Handler* handler = find(name)) (*handler)();
}

DvMainWindowRequests* DvRequests() { return gRequests; }

void DvSetRequests(DvMainWindowRequests* requests) { gRequests = requests; }

void DvRequestMainWindow(std::u16string_view name, DvRequestMode mode) {
    if (gRequests) gRequests->Request(name, mode);
}
