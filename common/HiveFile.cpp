// One hive file on disk: its parsed tree, cached until the file changes, and locked atomic writes.
#include "common/HiveFile.h"

#include "common/FileLock.h"
#include "common/FileOwner.h"
#include "common/FileProbe.h"
#include "common/HiveFormat.h"
#include "common/HiveLayers.h"
#include "common/StaleTemporaries.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <unistd.h>
#include <vector>

namespace varnex {

namespace {

// A file that keeps changing while it is read is given up on after this many tries.
constexpr int kMaxRefreshAttempts = 8;
constexpr int kMaxAsideNumber = 1000;
constexpr mode_t kNewFileMode = 0666; // narrowed by the umask

FileStamp StampOf(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? FileStamp::Of(info) : FileStamp{};
}

// The lock belongs to the file that is replaced, so that writers through different links to it
// exclude each other.
std::string LockPath(const std::string& target) {
    return target + ".lock";
}

bool Exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

// What stands in the hive's place is no file: the closest reason the system has for it.
int NotRegularError(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored) ? EISDIR : EINVAL;
}

// 0 when `target` may be written, else the errno that tells why not.
int WriteObstacle(const std::string& target) {
    if (Exists(target)) {
        if (!IsRegularFile(target)) return NotRegularError(target);
        const std::string folder = std::filesystem::path(target).parent_path().string();
        const bool writable =
            access(target.c_str(), W_OK) == 0 && access(folder.c_str(), W_OK) == 0;
        return writable ? 0 : errno;
    }
    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    while (!Exists(folder.string()) && folder.has_relative_path())
        folder = folder.parent_path();
    std::error_code ignored;
    if (!std::filesystem::is_directory(folder, ignored)) return ENOTDIR;
    return access(folder.c_str(), W_OK) == 0 ? 0 : errno;
}

int ErrorFromErrno(int error) {
    const bool denied = error == EACCES || error == EPERM || error == EROFS;
    return denied ? kErrorAccessDenied : kErrorStoreIo;
}

struct FileText {
    int error = 0; // errno when the file could not be read
    std::string text;
    FileStamp stamp;
};

// Reads only a regular file; what else the path turned into is left unread, its stamp telling why.
// Opening does not wait, so a pipe put in the hive's place cannot block.
FileText ReadWhole(const std::string& path) {
    FileText file;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info;
    if (fd < 0 || fstat(fd, &info) != 0) {
        file.error = errno;
        if (fd >= 0) close(fd);
        // What stands there unread, so that it is dealt with once rather than tried again.
        file.stamp = StampOf(path);
        return file;
    }
    file.stamp = FileStamp::Of(info);
    if (!file.stamp.regular) {
        close(fd);
        return file;
    }
    ByteBuffer bytes;
    // A file that large is no settings file: refused from its size, without reading it.
    file.error = info.st_size > kMaxFileBytes
                     ? EFBIG
                     : ReadToEnd(fd, bytes, static_cast<std::size_t>(kMaxFileBytes));
    close(fd);
    file.text.assign(bytes.begin(), bytes.end());
    return file;
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno != EINTR) return false;
        if (wrote > 0) done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// A replaced file keeps the owner and permissions of the old one: a process of another user
// (sudo) must not take a hive from its owner. 0, or the errno of the failure.
int KeepOwnerAndMode(int fd, const std::string& path) {
    struct stat old;
    if (stat(path.c_str(), &old) != 0) return 0;
    if (const int error = GiveTo(fd, {old.st_uid, old.st_gid}); error != 0) return error;
    return fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

std::string FreeAsidePath(const std::string& path) {
    const std::string base = path + ".damaged";
    if (!Exists(base)) return base;
    for (int number = 2; number < kMaxAsideNumber; ++number) {
        const std::string candidate = base + '.' + std::to_string(number);
        if (!Exists(candidate)) return candidate;
    }
    return {};
}

void Warn(const std::string& path, const std::string& reason, const std::string& outcome) {
    std::fprintf(stderr, "varnex: settings file %s %s; %s, defaults are used\n", path.c_str(),
                 reason.c_str(), outcome.c_str());
}

} // namespace

HiveFile::HiveFile(std::string path, std::shared_ptr<const HiveKey> base)
    : path_(std::move(path)), base_(std::move(base)), ownTree_(std::make_shared<HiveKey>()),
      tree_(base_ ? base_ : ownTree_) {}

std::shared_ptr<const HiveKey> HiveFile::Snapshot() {
    std::lock_guard guard(mutex_);
    if (InBatch()) return batch_->tree;
    Refresh(false);
    return tree_;
}

int HiveFile::Modify(const Change& change) {
    std::lock_guard guard(mutex_);
    return InBatch() ? Collect(change) : WriteLocked(change);
}

bool HiveFile::BeginBatch() {
    std::lock_guard guard(mutex_);
    if (batch_) return false;
    Refresh(false);
    batch_ = Batch{std::this_thread::get_id(), tree_, {}};
    return true;
}

int HiveFile::CommitBatch() {
    std::lock_guard guard(mutex_);
    if (!InBatch()) return kErrorSuccess;
    const std::vector<Change> changes = std::move(batch_->changes);
    const int error = batch_->error;
    batch_.reset();
    if (error != kErrorSuccess || changes.empty()) return error;
    return WriteLocked([&changes](HiveKey& root) {
        for (const Change& change : changes) {
            if (const int error = change(root); error != kErrorSuccess) return error;
        }
        return kErrorSuccess;
    });
}

void HiveFile::DiscardBatch() {
    std::lock_guard guard(mutex_);
    if (InBatch()) batch_.reset();
}

bool HiveFile::InBatch() const {
    return batch_ && batch_->owner == std::this_thread::get_id();
}

// Applies `change` to the batch's tree only; it is stored when the batch is committed.
int HiveFile::Collect(const Change& change) {
    auto changed = std::make_shared<HiveKey>(*batch_->tree);
    if (const int error = change(*changed); error != kErrorSuccess) return error;
    batch_->tree = std::move(changed);
    batch_->changes.push_back(change);
    return kErrorSuccess;
}

// The read-modify-write itself; the caller holds mutex_.
int HiveFile::WriteLocked(const Change& change) {
    const std::string target = FollowLinks(path_);
    std::error_code folderError;
    std::filesystem::create_directories(std::filesystem::path(target).parent_path(), folderError);
    if (folderError) return Failed(target, folderError.value());
    const FileLock lock(LockPath(target), OwnerOf(target));
    if (!lock.Held()) return Failed(target, lock.Error());
    RemoveStaleTemporaries(target);
    if (!Refresh(true) || damagedInPlace_) return Failed(target, EIO, kErrorStoreIo);
    if (notRegular_) return Failed(target, NotRegularError(target), kErrorAccessDenied);
    auto changed = std::make_shared<HiveKey>(*tree_);
    if (const int error = change(*changed); error != kErrorSuccess) return error;
    if (base_) changed = std::make_shared<HiveKey>(TopLayerOf(*changed, *base_, *ownTree_));
    if (const int error = WriteReplacing(target, FormatHive(*changed)); error != 0) {
        return Failed(target, error);
    }
    lastFailure_.reset();
    Cache(std::move(changed), StampOf(path_));
    return kErrorSuccess;
}

bool HiveFile::CanWrite() {
    std::lock_guard guard(mutex_);
    const std::string target = FollowLinks(path_);
    const int obstacle = WriteObstacle(target);
    if (obstacle != 0) Failed(target, obstacle);
    return obstacle == 0;
}

std::optional<StoreFailure> HiveFile::LastFailure() {
    std::lock_guard guard(mutex_);
    return lastFailure_;
}

// Records why a write failed and returns the store's code for it; a batch keeps the first one.
int HiveFile::Failed(const std::string& target, int systemError, int code) {
    lastFailure_ = StoreFailure{target, systemError};
    if (InBatch() && batch_->error == kErrorSuccess) batch_->error = code;
    return code;
}

int HiveFile::Failed(const std::string& target, int systemError) {
    return Failed(target, systemError, ErrorFromErrno(systemError));
}

bool HiveFile::Refresh(bool locked) {
    for (int attempt = 0; attempt < kMaxRefreshAttempts; ++attempt) {
        if (TryRefresh(locked)) return true;
    }
    return false;
}

// False when the file changed while it was looked at, so that it must be looked at again.
bool HiveFile::TryRefresh(bool locked) {
    const FileStamp now = StampOf(path_);
    if (loaded_ && now == stamp_) return true;
    if (!now.exists) {
        Cache(std::make_shared<HiveKey>(), now);
        return true;
    }
    if (!now.regular) return RefuseNotRegular(now);
    FileText file = ReadWhole(path_);
    if (file.error == ENOENT || !file.stamp.regular) return false; // replaced meanwhile
    if (file.error != 0) {
        const std::string reason =
            "cannot be read (" + std::string(std::strerror(file.error)) + ")";
        return KeepAside(file.stamp, reason, locked);
    }
    HiveParseResult parsed = ParseHive(file.text);
    if (!parsed.ok) {
        return KeepAside(file.stamp, "is damaged at line " + std::to_string(parsed.errorLine),
                         locked);
    }
    Cache(std::make_shared<HiveKey>(std::move(parsed.root)), file.stamp);
    return true;
}

// A folder, pipe or device in the hive's place is nobody's settings file: it is neither read nor
// moved, and said once.
bool HiveFile::RefuseNotRegular(const FileStamp& stamp) {
    if (!notRegular_) Warn(path_, "is not a regular file", "it is left as it is");
    Cache(std::make_shared<HiveKey>(), stamp);
    notRegular_ = true;
    return true;
}

// Moves the damaged file aside under the write lock, unless a writer replaced it meanwhile.
bool HiveFile::KeepAside(const FileStamp& damaged, const std::string& reason, bool locked) {
    std::optional<FileLock> lock;
    const std::string target = FollowLinks(path_);
    if (!locked) lock.emplace(LockPath(target), OwnerOf(target));
    const bool mayMove = locked || lock->Held();
    if (mayMove && !(StampOf(path_) == damaged)) return false;
    if (mayMove && MoveAside(reason)) return true;
    if (!mayMove) Warn(path_, reason, "it cannot be locked and is left as it is");
    Cache(std::make_shared<HiveKey>(), damaged);
    damagedInPlace_ = true;
    return true;
}

bool HiveFile::MoveAside(const std::string& reason) {
    // A link stays where it is; the damaged file it leads to is what goes.
    const std::string target = FollowLinks(path_);
    const std::string aside = FreeAsidePath(target);
    if (aside.empty() || std::rename(target.c_str(), aside.c_str()) != 0) {
        Warn(path_, reason, "it cannot be moved aside and is left as it is");
        return false;
    }
    Warn(path_, reason, "it was kept as " + aside);
    Cache(std::make_shared<HiveKey>(), StampOf(path_));
    return true;
}

void HiveFile::Cache(std::shared_ptr<const HiveKey> tree, const FileStamp& stamp) {
    ownTree_ = std::move(tree);
    tree_ = base_ ? std::make_shared<const HiveKey>(MergeLayers(*base_, *ownTree_)) : ownTree_;
    stamp_ = stamp;
    loaded_ = true;
    damagedInPlace_ = false;
    notRegular_ = false;
}

// Replaces `target`, the file the hive's path leads to, so that a symlinked hive stays a link.
// 0, or the errno of the failure.
int HiveFile::WriteReplacing(const std::string& target, const std::string& text) const {
    const std::string temporary = TemporaryPath(target, getpid());
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode);
    if (fd < 0) return errno;
    int error = KeepOwnerAndMode(fd, target);
    // The data must be on disk before the rename makes it the hive; its times need not be.
    if (error == 0) error = (WriteAll(fd, text) && fdatasync(fd) == 0) ? 0 : errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) unlink(temporary.c_str());
    return error;
}

} // namespace varnex
