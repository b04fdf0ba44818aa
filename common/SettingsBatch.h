// Groups one thread's writes to a hive into a single locked read-modify-write of its file.
#pragma once

#include "common/SettingsTypes.h"
#include "common/StoreFailure.h"

#include <optional>

namespace varnex {

class HiveFile;

// While it lives, what this thread writes to the hive through any SettingsKey is collected
// (and read back by this thread) instead of stored; Commit stores it all at once, so other
// processes see a saved group whole or not at all. Not committed, it is forgotten. A batch
// made while another is open on the hive adds nothing: the writes go where they went before.
class SettingsBatch {
public:
    explicit SettingsBatch(Hive hive);
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

    // Stores the collected writes; false with LastError set when none of them was stored: when
    // the file could not be written, or a write in the batch found the hive unwritable.
    bool Commit();
    int LastError() const { return lastError_; }
    // After a failed Commit, the file and the system's reason, when the store knows them.
    const std::optional<StoreFailure>& Failure() const { return failure_; }
    // Why a group was not saved: Failure, or, when the store knows no system reason, a failure
    // to write the hive's file all the same.
    StoreFailure FailureOrWriteError() const;

private:
    Hive hive_;
    HiveFile* file_ = nullptr; // null when this batch collects nothing
    int lastError_ = kErrorSuccess;
    std::optional<StoreFailure> failure_;
};

} // namespace varnex
