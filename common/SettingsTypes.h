// Hives, open modes, value types and error codes shared by the settings store.
#pragma once

#include <cstdint>
#include <string_view>

namespace varnex {

// The hives a settings path can live in. Only CurrentUser and LocalMachine are backed by files;
// the others exist so that "HKEY_…" prefixes can be recognised, and they are always empty.
enum class Hive {
    None, // the path picks its hive by an "HKEY_…" prefix, else the current user's
    ClassesRoot,
    CurrentUser,
    LocalMachine,
    Users,
    CurrentConfig,
    DynData,
};

// Settings read machine-wide come from LocalMachine, the others from the current user.
inline constexpr Hive HiveFor(bool machineWide) {
    return machineWide ? Hive::LocalMachine : Hive::CurrentUser;
}

enum class OpenMode : int {
    Read = 0,      // existing key, reading only
    ReadWrite = 1, // existing key, reading and writing
    Create = 2,    // reading and writing; the key and its missing parents are created
};

// Type numbers as the registry export syntax writes them in "hex(N):"; any other number is kept.
enum class ValueType : std::uint32_t {
    None = 0,
    String = 1,       // 8-bit text ending in one zero byte
    ExpandString = 2, // like String; treated as a string when read
    Binary = 3,
    Number = 4,       // 32-bit, little-endian
    MultiString = 7,  // zero-terminated strings, the list ended by an empty string
    Any = 0xFFFFFFFF, // only for reading: accept whatever type is stored
};

// Errors of the cursor itself.
inline constexpr int kErrorNoKeyOpen = 22549;
inline constexpr int kErrorNestingLimit = 22550;
inline constexpr int kErrorReadOnly =
    22551; // write through a read-mode key, or read-mode open failed
inline constexpr int kErrorNoData = 22552;

// Errors of the store beneath, as LastError reports them. The numbers are fixed and kept apart
// from the cursor's own codes above, so that one number always names one failure.
inline constexpr int kErrorSuccess = 0;
inline constexpr int kErrorNotFound = 2;
inline constexpr int kErrorAccessDenied = 5;
inline constexpr int kErrorInvalidParameter = 87;
inline constexpr int kErrorMoreData = 234; // the buffer is too small for the value
inline constexpr int kErrorNoMoreItems = 259;
inline constexpr int kErrorStoreIo = 1016;
inline constexpr int kErrorKeyDeleted =
    1018; // an open key vanished (another process rewrote the hive)
inline constexpr int kErrorUnsupportedType = 1630; // the stored type is not the requested one

// The program's own settings path: "Software", its registry key, its profile name.
inline constexpr std::string_view kRegistryKeyName = "Tamsel";
inline constexpr std::string_view kProfileName = "Varnex";
inline constexpr std::string_view kDefaultSettingsPath = "Software\\Tamsel\\Varnex";

} // namespace varnex
