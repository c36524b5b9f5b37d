#include "DatabaseFileCipher.h"

#include "TCryptFile.h"

namespace lw {
namespace {

void prepare(TCryptFile& cipher, const QString& masterPassword, const QString& path)
{
    cipher.setInfile(path);
    cipher.setOutfile(path);
    cipher.setPassword(KeyText(masterPassword));
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
    prepare(cipher, masterPassword, path);
    cipher.Encrypt();
}

void DecryptDatabaseFile(TCryptFile& cipher, const QString& masterPassword, const QString& path)
{
    prepare(cipher, masterPassword, path);
    cipher.Decrypt();
}

} // namespace lw
