#include "ShortMasterPassword.h"

#include "store/Messages.h"

namespace lw {

bool AcceptMasterPasswordLength(Messages& messages, const QString& password)
{
    if (password.size() >= kSafeMasterPasswordLength)
        return true;
    return messages.Confirm(
        QStringLiteral("This master password is shorter than %1 characters.\r\n\r\nThe first four characters of "
                       "the master password can be read from the database file itself; only the characters after "
                       "them keep your accounts safe. A longer password protects the rest.\r\n\r\nUse this "
                       "password anyway?")
            .arg(kSafeMasterPasswordLength));
}

} // namespace lw
