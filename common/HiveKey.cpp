// One key of a hive held in memory: its sub-keys and values, both ordered by name.
#include "common/HiveKey.h"

#include "common/NoCase.h"

#include <algorithm>
#include <utility>

namespace varnex {

namespace {

// First element whose name is not below `name`. Parsing a file that was written sorted
// appends at the end, so that case is checked before the binary search.
template <typename Items, typename NameOf>
auto LowerBoundByName(Items& items, std::string_view name, NameOf nameOf) {
    if (items.empty() || CompareNoCase(nameOf(items.back()), name) < 0) return items.end();
    return std::lower_bound(items.begin(), items.end(), name, [&](const auto& item, auto wanted) {
        return CompareNoCase(nameOf(item), wanted) < 0;
    });
}

const std::string& KeyName(const HiveKey& key) {
    return key.Name();
}
const std::string& ValueName(const HiveValue& value) {
    return value.name;
}

template <typename Items, typename NameOf>
auto FindByName(Items& items, std::string_view name, NameOf nameOf) -> decltype(&items.front()) {
    const auto found = LowerBoundByName(items, name, nameOf);
    return (found != items.end() && EqualNoCase(nameOf(*found), name)) ? &*found : nullptr;
}

} // namespace

const HiveKey* HiveKey::FindSub(std::string_view name) const {
    return FindByName(subKeys_, name, KeyName);
}

HiveKey* HiveKey::FindSub(std::string_view name) {
    return FindByName(subKeys_, name, KeyName);
}

HiveKey& HiveKey::CreateSub(std::string_view name) {
    const auto found = LowerBoundByName(subKeys_, name, KeyName);
    if (found != subKeys_.end() && EqualNoCase(found->Name(), name)) return *found;
    return *subKeys_.insert(found, HiveKey(std::string(name)));
}

const HiveKey* HiveKey::FindPath(const std::vector<std::string>& path) const {
    const HiveKey* key = this;
    for (const std::string& name : path) {
        key = key->FindSub(name);
        if (!key) return nullptr;
    }
    return key;
}

HiveKey* HiveKey::FindPath(const std::vector<std::string>& path) {
    return const_cast<HiveKey*>(std::as_const(*this).FindPath(path));
}

HiveKey& HiveKey::CreatePath(const std::vector<std::string>& path) {
    HiveKey* key = this;
    for (const std::string& name : path)
        key = &key->CreateSub(name);
    return *key;
}

const HiveValue* HiveKey::FindValue(std::string_view name) const {
    return FindByName(values_, name, ValueName);
}

void HiveKey::SetValue(std::string_view name, ValueType type, std::string data) {
    const auto found = LowerBoundByName(values_, name, ValueName);
    if (found != values_.end() && EqualNoCase(found->name, name)) {
        found->type = type;
        found->data = std::move(data);
        return;
    }
    values_.insert(found, HiveValue{std::string(name), type, std::move(data)});
}

} // namespace varnex
