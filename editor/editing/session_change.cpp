#include "editing/session_change.h"

#include <algorithm>

namespace mosalind {

void SessionSubscription::Cancel() {
    if (const std::shared_ptr<Entries> entries = list_.lock()) {
        std::erase_if(entries->Listeners, [this](const auto& entry) { return entry.first == id_; });
    }
    list_.reset();
    id_ = 0;
}

SessionListeners::SessionListeners() : entries_(std::make_shared<SessionSubscription::Entries>()) {}

SessionSubscription SessionListeners::Listen(SessionListener listener) {
    const int id = ++entries_->LastId;
    entries_->Listeners.emplace_back(id, std::make_shared<const SessionListener>(std::move(listener)));
    return SessionSubscription(entries_, id);
}

void SessionListeners::Tell(const SessionChange& change) const {
    if (change.What == 0) {
        return;
    }
    // The listeners as they are now; each is looked up again before it is told, as one told
    // earlier may have cancelled it.
    std::vector<int> ids;
    for (const auto& entry : entries_->Listeners) {
        ids.push_back(entry.first);
    }
    for (const int id : ids) {
        const auto entry = std::find_if(entries_->Listeners.begin(), entries_->Listeners.end(),
                                        [id](const auto& listener) { return listener.first == id; });
        if (entry != entries_->Listeners.end()) {
            const std::shared_ptr<const SessionListener> listener = entry->second;
            (*listener)(change);
        }
    }
}

}  // namespace mosalind
