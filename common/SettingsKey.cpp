// The settings cursor: opens keys by hive and path, enters sub-keys, reads and writes values.
#include "common/SettingsKey.h"

#include "common/HiveFile.h"
#include "common/HiveFiles.h"
#include "common/KeyPath.h"
#include "common/ValueCopy.h"

namespace varnex {

namespace {

std::string CutToNameBuffer(std::string_view name) {
    return std::string(name.substr(0, SettingsKey::kMaxValueNameLength));
}

// A hive's own key (a path of just its name) exists even in an empty or missing file.
const HiveKey* FindKey(const HiveKey& root, const std::vector<std::string>& path) {
    static const HiveKey emptyHiveKey;
    const HiveKey* key = root.FindPath(path);
    return (key || path.size() > 1) ? key : &emptyHiveKey;
}

HiveKey* FindKeyForWriting(HiveKey& root, const std::vector<std::string>& path) {
    return path.size() == 1 ? &root.CreatePath(path) : root.FindPath(path);
}

bool KeyExists(HiveFile* file, const std::vector<std::string>& path) {
    return file && FindKey(*file->Snapshot(), path) != nullptr;
}

int OpenForWriting(HiveFile* file, const std::vector<std::string>& path, OpenMode mode) {
    if (!file || !file->CanWrite()) return kErrorAccessDenied;
    if (KeyExists(file, path)) return kErrorSuccess;
    if (mode == OpenMode::ReadWrite) return kErrorNotFound;
    return file->Modify([path](HiveKey& root) {
        root.CreatePath(path);
        return kErrorSuccess;
    });
}

// The hive's own name leads every path.
bool TooDeep(const std::vector<std::string>& path) {
    return path.size() > kMaxKeyDepth + 1;
}

std::vector<std::string> Joined(std::vector<std::string> path, std::string_view subPath) {
    for (std::string& name : SplitKeyPath(subPath))
        path.push_back(std::move(name));
    return path;
}

} // namespace

SettingsKey::~SettingsKey() {
    CloseAll();
}

bool SettingsKey::Open(Hive hive, OpenMode mode) {
    return Open(hive, kDefaultSettingsPath, mode);
}

bool SettingsKey::Open(Hive hive, std::string_view path, OpenMode mode) {
    CloseAll();
    KeyPath resolved = ResolveKeyPath(hive, path);
    if (TooDeep(resolved.names)) return Fail(kErrorNestingLimit);
    HiveFile* file = HiveFileFor(resolved.hive);
    if (mode == OpenMode::Read && !KeyExists(file, resolved.names)) return Fail(kErrorReadOnly);
    if (mode != OpenMode::Read) {
        if (const int error = OpenForWriting(file, resolved.names, mode); error != kErrorSuccess) {
            return Fail(error);
        }
    }
    file_ = file;
    hive_ = resolved.hive;
    mode_ = mode;
    PushLevel(std::string(path), std::move(resolved.names));
    return Succeed();
}

bool SettingsKey::OpenSub(std::string_view name) {
    if (!IsOpen()) return Fail(kErrorNoKeyOpen);
    if (levels_.size() >= kMaxLevels) return Fail(kErrorNestingLimit);
    std::shared_ptr<const HiveKey> snapshot;
    const HiveKey* parent = CurrentKey(snapshot);
    if (!parent) return false;
    const std::vector<std::string> subPath = SplitKeyPath(name);
    std::vector<std::string> path = Joined(levels_.back().path, name);
    if (TooDeep(path)) return Fail(kErrorNestingLimit);
    if (!parent->FindPath(subPath)) {
        const int error = mode_ == OpenMode::Read ? kErrorNotFound : CreateSubKey(subPath);
        if (error != kErrorSuccess) return Fail(error);
    }
    PushLevel(std::string(name), std::move(path));
    return Succeed();
}

bool SettingsKey::OpenSubNext() {
    if (!IsOpen()) return Fail(kErrorNoKeyOpen);
    if (levels_.size() >= kMaxLevels) return Fail(kErrorNestingLimit);
    std::shared_ptr<const HiveKey> snapshot;
    const HiveKey* parent = CurrentKey(snapshot);
    if (!parent) return false;
    Level& level = levels_.back();
    if (level.nextSubKey >= parent->SubKeys().size()) return Fail(kErrorNoMoreItems);
    const std::string& name = parent->SubKeys()[level.nextSubKey++].Name();
    std::vector<std::string> path = level.path;
    path.push_back(name);
    PushLevel(name, std::move(path));
    return Succeed();
}

bool SettingsKey::Close() {
    if (!IsOpen()) return Fail(kErrorNoKeyOpen);
    levels_.pop_back();
    if (levels_.empty()) file_ = nullptr;
    return Succeed();
}

void SettingsKey::CloseAll() {
    levels_.clear();
    file_ = nullptr;
}

bool SettingsKey::Read(void* buffer, std::size_t size, std::string_view name, ValueType type) {
    std::shared_ptr<const HiveKey> snapshot;
    return CopyOut(FindNamedValue(name, snapshot), buffer, size, type);
}

bool SettingsKey::ReadNext(void* buffer, std::size_t size, ValueType type) {
    std::shared_ptr<const HiveKey> snapshot;
    const HiveKey* key = CurrentKey(snapshot);
    const bool exhausted = key && levels_.back().nextValue >= key->Values().size();
    if (exhausted) lastError_ = kErrorNoMoreItems;
    if (!key || exhausted) return CopyOut(nullptr, buffer, size, type);
    const HiveValue& value = key->Values()[levels_.back().nextValue];
    valueName_ = CutToNameBuffer(value.name);
    const bool read = CopyOut(&value, buffer, size, type);
    if (read || lastError_ != kErrorMoreData) ++levels_.back().nextValue;
    return read;
}

bool SettingsKey::ReadDefault(void* buffer, std::size_t size, ValueType type) {
    return Read(buffer, size, "", type);
}

std::optional<std::vector<char>> SettingsKey::ReadAlloc(std::string_view name, ValueType type) {
    std::shared_ptr<const HiveKey> snapshot;
    const HiveValue* value = FindNamedValue(name, snapshot);
    std::vector<char> buffer(value ? ReadSize(*value) : 0);
    if (!CopyOut(value, buffer.data(), buffer.size(), type)) return std::nullopt;
    return buffer;
}

bool SettingsKey::Write(const void* data, std::size_t size, std::string_view name, ValueType type) {
    if (!IsOpen()) return Fail(kErrorNoKeyOpen);
    if (mode_ == OpenMode::Read) return Fail(kErrorReadOnly);
    if (!data) return Fail(kErrorNoData);
    if (type == ValueType::Any) return Fail(kErrorInvalidParameter);
    std::string bytes(static_cast<const char*>(data), size);
    if (AlreadyStored(name, type, bytes)) return Succeed();
    // A batch runs the change again on commit: it owns copies of all it uses.
    const int error = file_->Modify([path = levels_.back().path, name = std::string(name), type,
                                     bytes = std::move(bytes)](HiveKey& root) {
        HiveKey* key = FindKeyForWriting(root, path);
        if (!key) return kErrorKeyDeleted;
        key->SetValue(name, type, bytes);
        return kErrorSuccess;
    });
    return error == kErrorSuccess ? Succeed() : Fail(error);
}

std::int64_t SettingsKey::ValueSize(std::string_view name) {
    std::shared_ptr<const HiveKey> snapshot;
    const HiveValue* value = FindNamedValue(name, snapshot);
    if (!value) return -1;
    lastType_ = value->type;
    Succeed();
    return static_cast<std::int64_t>(value->data.size());
}

std::int64_t SettingsKey::ValueSizeNext() {
    std::shared_ptr<const HiveKey> snapshot;
    const HiveKey* key = CurrentKey(snapshot);
    if (!key) return -1;
    const std::size_t next = levels_.back().nextValue;
    if (next >= key->Values().size()) {
        Fail(kErrorNoMoreItems);
        return -1;
    }
    lastType_ = key->Values()[next].type;
    Succeed();
    return static_cast<std::int64_t>(key->Values()[next].data.size());
}

const std::string& SettingsKey::KeyName() const {
    static const std::string none;
    return levels_.empty() ? none : levels_.back().name;
}

bool SettingsKey::Fail(int error) {
    lastError_ = error;
    return false;
}

bool SettingsKey::Succeed() {
    lastError_ = kErrorSuccess;
    return true;
}

// Creates `subPath` below the current level, unless another process removed that level.
int SettingsKey::CreateSubKey(const std::vector<std::string>& subPath) {
    return file_->Modify([path = levels_.back().path, subPath](HiveKey& root) {
        HiveKey* parent = FindKeyForWriting(root, path);
        if (!parent) return kErrorKeyDeleted;
        parent->CreatePath(subPath);
        return kErrorSuccess;
    });
}

// Settings are written back on every close; rewriting the file for unchanged values would
// make that slow for nothing.
bool SettingsKey::AlreadyStored(std::string_view name, ValueType type, const std::string& bytes) {
    std::shared_ptr<const HiveKey> snapshot;
    const HiveKey* key = CurrentKey(snapshot);
    const HiveValue* value = key ? key->FindValue(name) : nullptr;
    return value && value->type == type && value->data == bytes;
}

void SettingsKey::PushLevel(std::string name, std::vector<std::string> path) {
    levels_.push_back(Level{std::move(name), std::move(path)});
}

const HiveKey* SettingsKey::CurrentKey(std::shared_ptr<const HiveKey>& snapshot) {
    if (!IsOpen()) {
        Fail(kErrorNoKeyOpen);
        return nullptr;
    }
    snapshot = file_->Snapshot();
    const HiveKey* key = FindKey(*snapshot, levels_.back().path);
    if (!key) Fail(kErrorKeyDeleted);
    return key;
}

const HiveValue* SettingsKey::FindNamedValue(std::string_view name,
                                             std::shared_ptr<const HiveKey>& snapshot) {
    valueName_ = CutToNameBuffer(name);
    const HiveKey* key = CurrentKey(snapshot);
    const HiveValue* value = key ? key->FindValue(name) : nullptr;
    if (key && !value) Fail(kErrorNotFound);
    return value;
}

// Hands `value` to the caller's buffer; a null `value` is a failure already recorded.
bool SettingsKey::CopyOut(const HiveValue* value, void* buffer, std::size_t size, ValueType type) {
    char* out = static_cast<char*>(buffer);
    const int error = value ? CheckReadable(*value, out ? size : 0, type) : lastError_;
    if (error != kErrorSuccess) {
        EmptyStringBuffer(out, size, value && IsStringType(value->type) ? value->type : type);
        return Fail(error);
    }
    if (lastSize_ > 0) CopyValue(*value, out);
    return Succeed();
}

int SettingsKey::CheckReadable(const HiveValue& value, std::size_t room, ValueType type) {
    lastType_ = value.type;
    lastSize_ = ReadSize(value);
    if (type != ValueType::Any && type != value.type) return kErrorUnsupportedType;
    return lastSize_ > room ? kErrorMoreData : kErrorSuccess;
}

} // namespace varnex
