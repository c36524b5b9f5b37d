#pragma once

#include <QString>

namespace lw {

// What keeps a database from being unlocked that has nothing to do with its
// password: a read-only folder or file, or less free space than its
// unscrambled copy needs. The text names the cause and the file; it is empty
// when nothing stands in the way (a missing file is left to the unlock).
QString UnlockObstacle(const QString& databasePath);

} // namespace lw
