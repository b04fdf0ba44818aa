// The settings cursor: opens keys by hive and path, enters sub-keys, reads and writes values.
#pragma once

#include "common/SettingsTypes.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {

class HiveFile;
class HiveKey;
struct HiveValue;

// Every operation records its error code (LastError) and returns false on failure.
// Key names compare case-insensitively and keep the case they were created with.
class SettingsKey {
public:
    // The key opened by Open and at most ten nested sub-keys.
    static constexpr std::size_t kMaxLevels = 11;
    // Value names longer than this are cut in the name buffer (ValueName).
    static constexpr std::size_t kMaxValueNameLength = 256;

    SettingsKey() = default;
    ~SettingsKey();
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;

    // Closes whatever is open, then opens `path` in `hive`. With Hive::None a leading
    // "HKEY_…" name followed by a backslash or the end picks the hive; other paths are the
    // current user's. Mode Read fails with kErrorReadOnly when the key cannot be opened; a path
    // deeper than kMaxKeyDepth below its hive fails with kErrorNestingLimit.
    bool Open(Hive hive, std::string_view path, OpenMode mode);
    // The same for the program's default settings path (kDefaultSettingsPath).
    bool Open(Hive hive, OpenMode mode);

    // Opens (read mode) or creates (write modes) a sub-key of the current level and makes it
    // the current level. Fails with kErrorNestingLimit when kMaxLevels are open or the key would
    // lie deeper than kMaxKeyDepth below its hive.
    bool OpenSub(std::string_view name);
    // Opens the next sub-key of the current level in enumeration order (kErrorNoMoreItems at the
    // end).
    bool OpenSubNext();
    // Closes the current level and returns to its parent.
    bool Close();
    // Closes every level; also done on destruction.
    void CloseAll();

    // Reads the value `name` ("" is the key's default value) into `buffer`. `type` is the type
    // the caller expects (ValueType::Any takes any). Strings come back terminated (a
    // multi-string with its double terminator); without room for that the read fails with
    // kErrorMoreData and LastSize() tells the size needed. On failure a string buffer is emptied.
    bool Read(void* buffer, std::size_t size, std::string_view name, ValueType type);
    // Reads the next value of the current level in enumeration order; its name is ValueName().
    // A read that fails for lack of room does not advance, so it can be repeated.
    bool ReadNext(void* buffer, std::size_t size, ValueType type);
    bool ReadDefault(void* buffer, std::size_t size, ValueType type);
    // Reads into a buffer of the value's size, with room for any terminators a string needs.
    std::optional<std::vector<char>> ReadAlloc(std::string_view name, ValueType type);

    // Stores `size` bytes exactly as given. Needs a key opened in a write mode (else
    // kErrorReadOnly); a null `data` fails with kErrorNoData.
    bool Write(const void* data, std::size_t size, std::string_view name, ValueType type);

    // The stored size in bytes of the value, or -1 when it does not exist.
    std::int64_t ValueSize(std::string_view name);
    // The size of the value that ReadNext would read next (does not advance), or -1.
    std::int64_t ValueSizeNext();

    int LastError() const { return lastError_; }
    bool IsOpen() const { return !levels_.empty(); }
    // The hive of the open key: with Hive::None, the one its path picked.
    Hive OpenHive() const { return hive_; }
    // Number of open levels: 1 after Open, one more for every open sub-key.
    std::size_t Depth() const { return levels_.size(); }
    // Name of the current level as opened (the whole path for level 0).
    const std::string& KeyName() const;
    // Name of the last value read by ReadNext, cut to kMaxValueNameLength bytes.
    const std::string& ValueName() const { return valueName_; }
    // Type and size of the last value read (the size needed when a read failed for lack of room).
    ValueType LastType() const { return lastType_; }
    std::size_t LastSize() const { return lastSize_; }

private:
    bool Fail(int error);
    bool Succeed();
    int CreateSubKey(const std::vector<std::string>& path);
    bool AlreadyStored(std::string_view name, ValueType type, const std::string& bytes);
    void PushLevel(std::string name, std::vector<std::string> path);
    // The current level's key in a fresh snapshot, or null with the error recorded.
    const HiveKey* CurrentKey(std::shared_ptr<const HiveKey>& snapshot);
    const HiveValue* FindNamedValue(std::string_view name,
                                    std::shared_ptr<const HiveKey>& snapshot);
    bool CopyOut(const HiveValue* value, void* buffer, std::size_t size, ValueType type);
    // Records the value's type and read size; the error that keeps it from `room` bytes, or 0.
    int CheckReadable(const HiveValue& value, std::size_t room, ValueType type);

    struct Level {
        std::string name;              // as given to Open or OpenSub
        std::vector<std::string> path; // segments from the hive file's root, hive name first
        std::size_t nextSubKey = 0;
        std::size_t nextValue = 0;
    };

    HiveFile* file_ = nullptr; // null for hives without a file (always empty)
    Hive hive_ = Hive::None;
    OpenMode mode_ = OpenMode::Read;
    std::vector<Level> levels_;
    std::string valueName_;
    ValueType lastType_ = ValueType::None;
    std::size_t lastSize_ = 0;
    int lastError_ = kErrorSuccess;
};

} // namespace varnex
