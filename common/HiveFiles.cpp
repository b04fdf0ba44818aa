// Which file backs each hive, and the one shared HiveFile per file in this process.
#include "common/HiveFiles.h"

#include "common/BuiltinSettings.h"
#include "common/HiveFile.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <pwd.h>
#include <unistd.h>

namespace varnex {

namespace {

constexpr const char* kMachineHiveDefault = "/etc/xdg/Tamsel/machine.reg";
constexpr const char* kUserHiveInConfig = "/Tamsel/user.reg";

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string HomeFolder() {
    std::string home = Variable("HOME");
    if (home.empty()) {
        const passwd* user = getpwuid(getuid());
        if (user && user->pw_dir) home = user->pw_dir;
    }
    return home;
}

std::string UserConfigFolder() {
    const std::string config = Variable("XDG_CONFIG_HOME");
    // Relative values are invalid by the XDG rules and are ignored.
    if (!config.empty() && config.front() == '/') return config;
    return HomeFolder() + "/.config";
}

std::string Overridden(const char* variable, const std::string& fallback) {
    const std::string value = Variable(variable);
    return value.empty() ? fallback : value;
}

} // namespace

std::string HiveFilePath(Hive hive) {
    switch (hive) {
    case Hive::CurrentUser:
        return Overridden("TAMSEL_USER_HIVE", UserConfigFolder() + kUserHiveInConfig);
    case Hive::LocalMachine:
        return Overridden("TAMSEL_MACHINE_HIVE", kMachineHiveDefault);
    default:
        return {};
    }
}

HiveFile* HiveFileFor(Hive hive) {
    static std::mutex mutex;
    // Keyed by the path and whether the built-in layer lies below, should both hives share a file.
    static std::map<std::pair<std::string, bool>, std::unique_ptr<HiveFile>> files;
    const std::string path = HiveFilePath(hive);
    if (path.empty()) return nullptr;
    const bool overBuiltins = hive == Hive::LocalMachine;
    std::lock_guard guard(mutex);
    std::unique_ptr<HiveFile>& file = files[{path, overBuiltins}];
    if (!file) {
        file = std::make_unique<HiveFile>(path, overBuiltins ? BuiltinSettings() : nullptr);
    }
    return file.get();
}

} // namespace varnex
