#pragma once

#include <QString>

namespace lw {

// An advisory lock (flock) on a file, held while this program works on it, so
// that a second process, this program or any other that asks for the lock,
// is refused instead of working on the same file at the same time.
//
// The lock belongs to the file's current content: when the file is replaced
// by a rename, the new file's locked handle is adopted, so that the lock never
// lapses.
class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Throws lw::Error naming the file when another process holds it, or
    // when it cannot be opened.
    void acquire(const QString& path);
    // Takes over the open, locked handle of the file that now stands under the
    // path, and lets go of the old one.
    void adopt(int handle);
    void release();
    bool isHeld() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace lw
