#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace mosalind {

// What changed in the editing session, as its listeners are told: one or more of the kinds
// below, and for changed tile values the tiles.
struct SessionChange {
    enum Kind : unsigned {
        kTiles = 1u << 0,         // the values (type, sides, frames' cells) of `Tiles` changed
        kSet = 1u << 1,           // a whole set was made, opened or put back: every tile changed
        kSelection = 1u << 2,     // the selected tiles or the current tile
        kFrame = 1u << 3,         // the current frame
        kSheet = 1u << 4,         // the tile sheet was loaded, read again or put back
        kFile = 1u << 5,          // the set's own file, or whether anything is unsaved
        kRevision = 1u << 6,      // the set's revision: an edit, an undo or a redo
        kPendingSlope = 1u << 7,  // the slope levels SET SLOPE would write
        kEmpty = 1u << 8,         // the colours the suggestions count as empty
        kDone = 1u << 9,          // the blank tiles done by hand
        kTry = 1u << 10,          // the Try window's map, start or motion parameters
    };

    unsigned What = 0;
    std::vector<std::int16_t> Tiles;  // with kTiles: the tiles whose values changed, in increasing order

    bool Has(unsigned kinds) const { return (What & kinds) != 0; }
    // Whether any tile's values may have changed: some tiles, or the whole set.
    bool TileValues() const { return Has(kTiles | kSet); }
};

using SessionListener = std::function<void(const SessionChange&)>;

class SessionListeners;

// A listener's place in the list: while it lives, the listener is told every change.
// Destroyed or cancelled, the listener is told nothing more; it may outlive the list.
class SessionSubscription {
public:
    SessionSubscription() = default;
    SessionSubscription(SessionSubscription&& other) noexcept
        : list_(std::move(other.list_)), id_(std::exchange(other.id_, 0)) {}
    SessionSubscription& operator=(SessionSubscription&& other) noexcept {
        if (this != &other) {
            Cancel();
            list_ = std::move(other.list_);
            id_ = std::exchange(other.id_, 0);
        }
        return *this;
    }
    SessionSubscription(const SessionSubscription&) = delete;
    SessionSubscription& operator=(const SessionSubscription&) = delete;
    ~SessionSubscription() { Cancel(); }

    void Cancel();

private:
    friend class SessionListeners;
    struct Entries;
    SessionSubscription(std::weak_ptr<Entries> list, int id) : list_(std::move(list)), id_(id) {}

    std::weak_ptr<Entries> list_;
    int id_ = 0;
};

// The session's listeners, told in the order they subscribed. A listener may subscribe
// or cancel others (or itself) while being told: one cancelled is not told again, one
// subscribed hears from the next change on.
class SessionListeners {
public:
    SessionListeners();
    [[nodiscard]] SessionSubscription Listen(SessionListener listener);
    void Tell(const SessionChange& change) const;

private:
    std::shared_ptr<SessionSubscription::Entries> entries_;
};

struct SessionSubscription::Entries {
    std::vector<std::pair<int, std::shared_ptr<const SessionListener>>> Listeners;
    int LastId = 0;
};

}  // namespace mosalind
