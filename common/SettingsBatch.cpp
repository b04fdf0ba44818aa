// Groups one thread's writes to a hive into a single locked read-modify-write of its file.
#include "common/SettingsBatch.h"

#include "common/HiveFile.h"
#include "common/HiveFiles.h"

#include <cerrno>

namespace varnex {

SettingsBatch::SettingsBatch(Hive hive) : hive_(hive) {
    HiveFile* file = HiveFileFor(hive);
    if (file && file->BeginBatch()) file_ = file;
}

SettingsBatch::~SettingsBatch() {
    if (file_) file_->DiscardBatch();
}

bool SettingsBatch::Commit() {
    if (!file_) return true;
    lastError_ = file_->CommitBatch();
    if (lastError_ != kErrorSuccess) failure_ = file_->LastFailure();
    file_ = nullptr;
    return lastError_ == kErrorSuccess;
}

StoreFailure SettingsBatch::FailureOrWriteError() const {
    return failure_.value_or(StoreFailure{HiveFilePath(hive_), EIO});
}

} // namespace varnex
