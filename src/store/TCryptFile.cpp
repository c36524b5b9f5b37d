#include "TCryptFile.h"

#include "CipherKernel.h"
#include "Cp1252.h"
#include "FileLock.h"
#include "Messages.h"
#include "RandomGenerator.h"
#include "SecretWipe.h"
#include "settings/AtomicFile.h"
#include "settings/Error.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QtEndian>
#include <algorithm>
#include <optional>
#include <string.h>
#include <vector>

namespace lw {
namespace {

// Built-in integer key; the program always sets its own.
constexpr qint32 kDefaultIntKey = 1;
constexpr qint64 kBlockSize = 16384;
const QString kTempName = QString::fromLatin1(kCipherTempName);

// Index of the first character after the folder part of a path.
qsizetype nameStart(const QString& path)
{
#ifdef Q_OS_WIN
    return std::max({path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'), path.lastIndexOf(u':')}) + 1;
#else
    return path.lastIndexOf(u'/') + 1;
#endif
}

QString folderPart(const QString& path)
{
    return path.left(nameStart(path));
}
QString fileNamePart(const QString& path)
{
    return path.mid(nameStart(path));
}

} // namespace

TCryptFile::TCryptFile(Messages& messages) : m_messages(messages), m_intKey(kDefaultIntKey)
{
}

void TCryptFile::setPassword(const QString& keyText)
{
    if (keyText.size() > 4) {
        m_messages.ShowPlain(QStringLiteral("Max. length 4 characters"));
        return;
    }
    m_password = keyText;
}

void TCryptFile::setIntKey(qint32 key)
{
    if (key == 0 || key == -1) {
        m_messages.ShowPlain(QStringLiteral("Value not allowed"));
        return;
    }
    m_intKey = key;
}

void TCryptFile::Encrypt()
{
    run(Direction::Scramble);
}

void TCryptFile::Decrypt()
{
    run(Direction::Unscramble);
}

void TCryptFile::run(Direction direction)
{
    if (!prepareTarget())
        return;
    seedFromPassword();
    // The key word is the key text's bytes: it does not outlive the run.
    const auto forget = qScopeGuard([this] { m_keyWord = 0; });

    QFile in(m_infile);
    if (!in.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot open \"%1\": %2").arg(m_infile, in.errorString()));

    uchar header[4];
    if (direction == Direction::Unscramble) {
        // A file without our header is left alone, and nothing is written.
        if (in.read(reinterpret_cast<char*>(header), 4) != 4 ||
            qFromLittleEndian<quint32>(header) - quint32(m_intKey) != m_keyWord)
            return;
    }

    // In place, the result goes to a temporary file of a name no other run
    // shares; temporary files that runs killed part way left are removed.
    std::optional<AtomicFile> out;
    if (m_inPlace) {
        RemoveDeadTemporaries(folderPart(m_infile), kTempName);
        out.emplace(m_infile, folderPart(m_infile) + kTempName);
    } else {
        out.emplace(m_outfile);
    }
    out->open();
    if (m_inPlace)
        m_outfile = out->tempPath();

    if (direction == Direction::Scramble) {
        qToLittleEndian<quint32>(m_keyWord + quint32(m_intKey), header);
        out->write(reinterpret_cast<const char*>(header), 4);
    }
    std::vector<uchar> block(kBlockSize);
    for (;;) {
        const qint64 n = in.read(reinterpret_cast<char*>(block.data()), kBlockSize);
        if (n < 0)
            throw Error(QStringLiteral("Cannot read \"%1\": %2").arg(m_infile, in.errorString()));
        if (n == 0)
            break;
        RandomSeed = direction == Direction::Scramble ? cipher::scramble(block.data(), std::size_t(n), RandomSeed)
                                                      : cipher::unscramble(block.data(), std::size_t(n), RandomSeed);
        out->write(reinterpret_cast<const char*>(block.data()), n);
    }
    in.close();
    out->commit();
    if (m_inPlace && m_resultLock)
        m_resultLock->adopt(out->releaseHandle());
}

// Chooses the file a run writes to; false when the user declines to overwrite.
bool TCryptFile::prepareTarget()
{
    m_inPlace = m_infile == m_outfile;
    if (m_inPlace) {
        if (fileNamePart(m_infile).startsWith(kTempName))
            throw Error(QStringLiteral("The file \"%1\" has the name of the cipher's temporary "
                                       "file and cannot be transformed in place.")
                            .arg(m_infile));
        return true;
    }
    if (!QFileInfo::exists(m_outfile))
        return true;
    if (QFileInfo(m_outfile).canonicalFilePath() == QFileInfo(m_infile).canonicalFilePath())
        throw Error(QStringLiteral("\"%1\" and \"%2\" are the same file.").arg(m_infile, m_outfile));
    return m_messages.AskYesNo(QStringLiteral("The target file : ") + fileNamePart(m_outfile) +
                               QStringLiteral("\ralready exists.\rAny data will be lost.\r\rProceed ?"));
}

// KeyWord: the key text up to its first character of code 0, one byte per
// character, zero-padded to four bytes and read little-endian.
void TCryptFile::seedFromPassword()
{
    uchar bytes[4] = {0, 0, 0, 0};
    for (qsizetype i = 0; i < std::min<qsizetype>(m_password.size(), 4); ++i) {
        // at(), not [], which would give this object a copy of its own.
        if (m_password.at(i).isNull())
            break;
        QString character(m_password.at(i));
        QByteArray code = toCp1252(character);
        bytes[i] = uchar(code.at(0));
        WipeSecret(character);
        WipeSecret(code);
    }
    m_keyWord = qFromLittleEndian<quint32>(bytes);
    RandomSeed = m_keyWord;
    explicit_bzero(bytes, sizeof bytes);
}

} // namespace lw
