#pragma once

#include <QByteArray>
#include <QString>

namespace lw {

// Writes the new content of a file under a temporary name beside it and puts
// it in the file's place in one step, so that the file is always either the
// old content or the new one, whatever happens on the way.
//
// The temporary file is created exclusively (no other process can share its
// name), owner-only, and locked (flock) for as long as this object holds it,
// which tells a clean-up that it is alive. Every write and the final rename is
// checked; a failure throws lw::Error naming the target file and the system's
// reason, and the unfinished temporary file is removed.
class AtomicFile {
public:
    // The temporary file's name starts with `tempPrefix` (a full path); by
    // default with the target's path followed by ".~".
    explicit AtomicFile(QString target, QString tempPrefix = {});
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    const QString& target() const { return target_; }
    const QString& tempPath() const { return temp_; }

    void open();
    void write(const char* data, qint64 size);
    void write(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }

    // The permission bits the file gets instead of the target's own.
    void setMode(unsigned mode) { mode_ = int(mode); }
    int handle() const { return fd_; }

    // Syncs the content, gives it the target's permissions (owner-only when the
    // target is new), renames it over the target and syncs the folder.
    void commit();

    // After commit: the open handle of the file now under the target's name,
    // still locked; the caller closes it.
    int releaseHandle();

private:
    [[noreturn]] void fail(const QString& what, int errorNumber) const;
    void startWriteback();

    QString target_;
    QString prefix_;
    QString temp_;
    int fd_ = -1;
    int mode_ = -1;
    bool committed_ = false;
    qint64 written_ = 0;
    qint64 handedToDisk_ = 0;
};

// Removes what a process that ended part way left in `folder`: files whose
// name starts with `prefix`, and their "-journal", that no process holds
// locked. A live writer's temporary file is locked and stays.
void RemoveDeadTemporaries(const QString& folder, const QString& prefix);

// Makes a rename in the folder of `path` durable. Throws lw::Error.
void SyncFolderOf(const QString& path);

} // namespace lw
