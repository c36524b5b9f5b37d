#include "SecuritySettings.h"

#include "IniFile.h"

#include <algorithm>

namespace lw {
namespace {

const QString kSection = QStringLiteral("Options");
const QString kClipboardKey = QStringLiteral("clipboardseconds");
const QString kLockKey = QStringLiteral("locktime");

int readDelay(const IniFile& settings, const QString& key, int def, int highest)
{
    const int value = settings.readInt(kSection, key, def);
    return value < 0 ? def : std::min(value, highest);
}

} // namespace

int ReadClipboardSeconds(const IniFile& settings)
{
    return readDelay(settings, kClipboardKey, kClipboardSecondsDefault, kClipboardSecondsHighest);
}

void WriteClipboardSeconds(IniFile& settings, int seconds)
{
    settings.writeInt(kSection, kClipboardKey, seconds);
}

int ReadLockMinutes(const IniFile& settings)
{
    return readDelay(settings, kLockKey, kLockMinutesDefault, kLockMinutesHighest);
}

void WriteLockMinutes(IniFile& settings, int minutes)
{
    settings.writeInt(kSection, kLockKey, minutes);
}

} // namespace lw
