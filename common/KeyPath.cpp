// Settings paths: the hive a path names and the key names it consists of.
#include "common/KeyPath.h"

#include <array>

namespace varnex {

namespace {

struct HiveName {
    Hive hive;
    std::string_view name;
};

constexpr std::array<HiveName, 6> kHiveNames = {{
    {Hive::ClassesRoot, "HKEY_CLASSES_ROOT"},
    {Hive::CurrentUser, "HKEY_CURRENT_USER"},
    {Hive::LocalMachine, "HKEY_LOCAL_MACHINE"},
    {Hive::Users, "HKEY_USERS"},
    {Hive::CurrentConfig, "HKEY_CURRENT_CONFIG"},
    {Hive::DynData, "HKEY_DYN_DATA"},
}};

bool NamesHive(std::string_view path, std::string_view name) {
    return path.substr(0, name.size()) == name &&
           (path.size() == name.size() || path[name.size()] == '\\');
}

// Finds the hive a Hive::None path names and removes its name from `path`.
Hive TakeHivePrefix(std::string_view& path) {
    for (const HiveName& entry : kHiveNames) {
        if (NamesHive(path, entry.name)) {
            path.remove_prefix(std::min(path.size(), entry.name.size() + 1));
            return entry.hive;
        }
    }
    return Hive::CurrentUser;
}

} // namespace

std::string_view HiveRootName(Hive hive) {
    for (const HiveName& entry : kHiveNames) {
        if (entry.hive == hive) return entry.name;
    }
    return {};
}

std::vector<std::string> SplitKeyPath(std::string_view path) {
    std::vector<std::string> names;
    while (!path.empty()) {
        const std::size_t slash = path.find('\\');
        if (slash != 0) names.emplace_back(path.substr(0, slash));
        if (slash == std::string_view::npos) break;
        path.remove_prefix(slash + 1);
    }
    return names;
}

KeyPath ResolveKeyPath(Hive hive, std::string_view path) {
    KeyPath resolved;
    resolved.hive = hive == Hive::None ? TakeHivePrefix(path) : hive;
    resolved.names.emplace_back(HiveRootName(resolved.hive));
    for (std::string& name : SplitKeyPath(path))
        resolved.names.push_back(std::move(name));
    return resolved;
}

} // namespace varnex
