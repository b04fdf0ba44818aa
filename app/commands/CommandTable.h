// A command target's commands as a table: each id with what runs it and what enables it.
#pragma once

#include "app/commands/CommandTarget.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace varnex {

// The one place where a target's command is checked before it runs: a disabled command is
// taken and ignored, so that no later target on the route runs it either.
template <class Owner> class CommandTable {
public:
    struct Entry {
        CommandId id;
        void (Owner::*run)(CommandId id);
        CommandState (Owner::*query)(CommandId id) const;
    };

    CommandTable(std::initializer_list<Entry> entries) : entries_(entries) {}

    // Runs `id` on `owner` when it is enabled; false when the table does not know `id`.
    bool Run(Owner& owner, CommandId id) const {
        const Entry* entry = Find(id);
        if (!entry) return false;
        if ((owner.*entry->query)(id).enabled) (owner.*entry->run)(id);
        return true;
    }

    // The state of `id` for `owner`; false when the table does not know `id`.
    bool Query(const Owner& owner, CommandId id, CommandState& state) const {
        const Entry* entry = Find(id);
        if (!entry) return false;
        state = (owner.*entry->query)(id);
        return true;
    }

private:
    const Entry* Find(CommandId id) const {
        const auto found = std::find_if(entries_.begin(), entries_.end(),
                                        [id](const Entry& entry) { return entry.id == id; });
        return found == entries_.end() ? nullptr : &*found;
    }

    std::vector<Entry> entries_;
};

} // namespace varnex
