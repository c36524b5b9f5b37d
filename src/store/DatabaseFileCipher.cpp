#include "DatabaseFileCipher.h"

#include "SecretWipe.h"
#include "TCryptFile.h"

#include <QScopeGuard>

namespace lw {
namespace {

// One in-place run with the key text of the master password. The key text
// is the password's first characters: the cipher lets go of it after the
// run and it is wiped, failed runs included.
void runInPlace(TCryptFile& cipher, const QString& masterPassword, const QString& path, void (TCryptFile::*step)())
{
    QString key = KeyText(masterPassword);
    const auto forget = qScopeGuard([&] {
        cipher.setPassword(QString());
        WipeSecret(key);
    });
    cipher.setInfile(path);
    cipher.setOutfile(path);
    cipher.setPassword(key);
    (cipher.*step)();
}

} // namespace

QString KeyText(const QString& masterPassword)
{
    QString key = masterPassword.left(4);
    while (key.size() < 4)
        key.append(QChar(0));
    return key;
}

void EncryptDatabaseFile(TCryptFile& cipher, const QString& masterPassword, const QString& path)
{
    runInPlace(cipher, masterPassword, path, &TCryptFile::Encrypt);
}

void DecryptDatabaseFile(TCryptFile& cipher, const QString& masterPassword, const QString& path)
{
    runInPlace(cipher, masterPassword, path, &TCryptFile::Decrypt);
}

} // namespace lw
