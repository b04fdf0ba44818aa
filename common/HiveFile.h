// One hive file on disk: its parsed tree, cached until the file changes, and locked atomic writes.
#pragma once

#include "common/FileStamp.h"
#include "common/HiveKey.h"
#include "common/StoreFailure.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace varnex {

// Several processes share a hive file. A write takes an flock on "<file>.lock", reads the
// newest file, applies the change, writes a temporary file and renames it over the old one,
// so readers always see a whole file and concurrent writers lose nothing. Temporary files that
// writers killed before their rename left behind are removed by the next write. A write keeps the
// owner, group and permissions of the file it replaces, or fails and leaves the file alone. A
// damaged file is renamed to "<file>.damaged" (".damaged.2", … when taken) and the hive starts
// empty. A path that is a folder, pipe or device is left alone: the hive is empty and cannot be
// written. When the path is a symbolic link, "<file>" is the file it leads to, and the link stays.
// A hive may lie over a base layer that readers see beneath the file's own keys and values;
// the base is never written, and writes store in the file only what the base does not give.
class HiveFile {
public:
    explicit HiveFile(std::string path, std::shared_ptr<const HiveKey> base = nullptr);

    const std::string& Path() const { return path_; }

    // The tree as the file holds it now, over the base layer; the file is parsed again only when
    // it changed.
    std::shared_ptr<const HiveKey> Snapshot();

    using Change = std::function<int(HiveKey&)>;

    // Applies `change` to the newest tree under the lock and stores the result. `change`
    // returns kErrorSuccess to have it stored, or an error code that is passed on unstored.
    // A batch keeps `change` to run it again on commit, so it must own what it refers to.
    int Modify(const Change& change);

    // While a batch is open, the changes of the thread that opened it are collected: that
    // thread's snapshots show them, and CommitBatch stores them all in one locked write, so other
    // processes see all or none of them. Other threads' writes are stored one by one. False when
    // a batch is open already (this one then opens nothing).
    bool BeginBatch();
    // Runs the collected changes again on the newest file under one lock and stores the
    // result; the batch ends either way. When a write in the batch found the hive unwritable,
    // nothing is stored and that failure is returned.
    int CommitBatch();
    // Ends the batch and forgets what it collected.
    void DiscardBatch();

    // Whether writes may succeed: the file (or the folder it would be created in) is writable.
    // When not, LastFailure tells why.
    bool CanWrite();

    // The file and reason of the last write that failed for a reason of the system or of the
    // file; nothing after a successful write.
    std::optional<StoreFailure> LastFailure();

private:
    int WriteLocked(const Change& change);
    int Failed(const std::string& target, int systemError, int code);
    int Failed(const std::string& target, int systemError);
    int Collect(const Change& change);
    bool InBatch() const;
    bool Refresh(bool locked);
    bool TryRefresh(bool locked);
    bool RefuseNotRegular(const FileStamp& stamp);
    bool KeepAside(const FileStamp& damaged, const std::string& reason, bool locked);
    bool MoveAside(const std::string& reason);
    void Cache(std::shared_ptr<const HiveKey> tree, const FileStamp& stamp);
    int WriteReplacing(const std::string& target, const std::string& text) const;

    const std::string path_;
    const std::shared_ptr<const HiveKey> base_;
    std::mutex mutex_;
    std::shared_ptr<const HiveKey> ownTree_; // what the file holds
    std::shared_ptr<const HiveKey> tree_;    // what readers see: the file over the base
    FileStamp stamp_;
    bool loaded_ = false;
    bool damagedInPlace_ = false; // the cache stands for a damaged file that could not be moved
    bool notRegular_ = false; // the path is a folder, pipe or device: nothing is read or written

    struct Batch {
        std::thread::id owner;
        std::shared_ptr<const HiveKey> tree; // what the owner reads: the file with the changes
        std::vector<Change> changes;
        int error = 0; // the code of the first failure: then nothing is stored
    };
    std::optional<Batch> batch_;
    std::optional<StoreFailure> lastFailure_;
};

} // namespace varnex
