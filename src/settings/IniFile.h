#pragma once

#include <QString>

namespace lw {

// A classic initialisation file ("[Section]" lines and "key=value" lines).
// Sections and keys compare without regard to case. Every call re-reads the
// file and no handle stays open in between. A write changes or adds one key
// and leaves every other line byte for byte as it was; it replaces the file
// in one step, so a failed write keeps the old file.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    // A missing or unreadable file, section or key reads as the default.
    QString readString(const QString& section, const QString& key, const QString& def) const;
    // A value that is not a decimal integer reads as the default.
    int readInt(const QString& section, const QString& key, int def) const;
    // Read as an integer, nonzero being true.
    bool readBool(const QString& section, const QString& key, bool def) const;

    // Throw lw::Error when the file cannot be written.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInt(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value); // "1" or "0"

private:
    QString path_;
};

} // namespace lw
