#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace lw::test {

// A fresh folder per test, removed afterwards.
class TempDir {
public:
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;

private:
    QTemporaryDir dir_;
};

QByteArray randomBytes(qsizetype n, quint32 seed);

} // namespace lw::test
