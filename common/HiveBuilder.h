// Builds a hive's key tree from sections and values in the order a file gives them.
#pragma once

#include "common/HiveKey.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {

// Gives the tree that HiveKey::CreatePath and SetValue would give in the same order, without
// their inserts into the middle of sorted vectors: a file of many keys or values out of order
// took minutes to read that way.
class HiveBuilder {
public:
    class Key;

    HiveBuilder();
    ~HiveBuilder();

    // The key at `path` below the root, created with its parents when missing. Stays valid
    // until Finish.
    Key& CreatePath(const std::vector<std::string>& path);
    // Replaces the value of that name (keeping its name's case) or adds it.
    static void SetValue(Key& key, std::string_view name, ValueType type, std::string data);

    // The nameless root with everything given, sorted.
    HiveKey Finish();

private:
    std::unique_ptr<Key> root_;
};

} // namespace varnex
