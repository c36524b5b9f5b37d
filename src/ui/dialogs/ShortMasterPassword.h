#pragma once

#include <QString>

namespace lw {

class Messages;

// A master password shorter than this gets a warning before it is used: the
// database file's header gives away its first four characters, so only the
// characters after them protect the accounts.
inline constexpr int kSafeMasterPasswordLength = 10;

// True when the password is long enough, or when the user answers Yes to the
// warning about a short one.
bool AcceptMasterPasswordLength(Messages& messages, const QString& password);

} // namespace lw
