#pragma once

#include <QString>

namespace lw {

class TCryptFile;

// The integer key every database file is scrambled with.
constexpr qint32 kProgramIntKey = 61904417;

// The key text of a master password: its first four characters, with the
// character of code 0 standing in for positions beyond its end.
QString KeyText(const QString& masterPassword);

// Scramble / descramble a database file in place with the key text of the
// master password. A file that is not scrambled with that key is left as it is.
void EncryptDatabaseFile(TCryptFile& cipher, const QString& masterPassword, const QString& path);
void DecryptDatabaseFile(TCryptFile& cipher, const QString& masterPassword, const QString& path);

} // namespace lw
