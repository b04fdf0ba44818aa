// One key of a hive held in memory: its sub-keys and values, both ordered by name.
#pragma once

#include "common/SettingsTypes.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {

// The deepest a key may lie below its hive's own key. The settings cursor reaches no deeper, and
// a bound keeps the tree's recursive copies and the written paths small whatever a file holds.
inline constexpr std::size_t kMaxKeyDepth = 11;

struct HiveValue {
    std::string name; // "" is the key's default value
    ValueType type = ValueType::None;
    std::string data; // the bytes exactly as written
};

// Names are found case-insensitively and keep the case they were created with. Sub-keys and
// values are kept sorted by name, which is also their enumeration order.
class HiveKey {
public:
    explicit HiveKey(std::string name = {}) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }

    const std::vector<HiveKey>& SubKeys() const { return subKeys_; }
    const HiveKey* FindSub(std::string_view name) const;
    HiveKey* FindSub(std::string_view name);
    // The sub-key of that name, created when missing. Invalidates references to its siblings.
    HiveKey& CreateSub(std::string_view name);

    // Follows `path` (one name per level) down from this key; null when a level is missing.
    const HiveKey* FindPath(const std::vector<std::string>& path) const;
    HiveKey* FindPath(const std::vector<std::string>& path);
    HiveKey& CreatePath(const std::vector<std::string>& path);

    const std::vector<HiveValue>& Values() const { return values_; }
    const HiveValue* FindValue(std::string_view name) const;
    // Replaces the value of that name (keeping its name's case) or adds it.
    void SetValue(std::string_view name, ValueType type, std::string data);

private:
    std::string name_;
    std::vector<HiveKey> subKeys_;
    std::vector<HiveValue> values_;
};

} // namespace varnex
