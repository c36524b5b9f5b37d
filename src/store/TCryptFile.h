#pragma once

#include <QString>

namespace lw {

class FileLock;
class Messages;

// The start of the name of the temporary file of an in-place run.
inline constexpr const char* kCipherTempName = "___.~--";

// Scrambles a file with a keyed pseudo-random byte stream, and removes the
// scrambling again.
//
// Scrambled form: a 4-byte little-endian header, (KeyWord + IntKey) modulo
// 2^32, followed by every byte of the plain file with the next RandomBelow(10)
// added modulo 256. KeyWord is the key text read as four little-endian bytes;
// the generator is seeded with it once per run.
//
// When Infile and Outfile are the same text the run is in place: the result is
// written to "___.~--" followed by a unique suffix in the file's folder (so
// that two processes never share it), synced to disk and renamed over the
// original in one step. If anything fails the original stays complete and the
// run throws lw::Error naming the file and the system's reason.
class TCryptFile {
public:
    explicit TCryptFile(Messages& messages);

    QString Infile() const { return m_infile; }
    void setInfile(const QString& path) { m_infile = path; }

    // After an in-place run this holds the path of the temporary file.
    QString Outfile() const { return m_outfile; }
    void setOutfile(const QString& path) { m_outfile = path; }

    // At most 4 characters; a longer text is refused with a message.
    QString Password() const { return m_password; }
    void setPassword(const QString& keyText);

    // Any value but 0 and -1, which are refused with a message.
    qint32 IntKey() const { return m_intKey; }
    void setIntKey(qint32 key);

    // When set, an in-place run hands the locked handle of the file it put in
    // place to this lock, so that the file stays locked without a gap.
    void setResultLock(FileLock* lock) { m_resultLock = lock; }

    // Writes the scrambled form of Infile to Outfile.
    void Encrypt();
    // Writes the plain form of Infile to Outfile when the header of Infile
    // matches the keys; otherwise changes nothing.
    void Decrypt();

private:
    enum class Direction { Scramble, Unscramble };

    void run(Direction direction);
    bool prepareTarget();
    void seedFromPassword();

    Messages& m_messages;
    FileLock* m_resultLock = nullptr;
    QString m_infile;
    QString m_outfile;
    QString m_password;
    qint32 m_intKey;
    quint32 m_keyWord = 0;
    bool m_inPlace = false;
};

} // namespace lw
