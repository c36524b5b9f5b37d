#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

namespace lw {

// Keeps one running Lockwell per user. The first instance takes a lock file
// in the user's runtime folder and listens on a local socket beside it; a
// later start finds the lock taken, asks the running one to come to the
// front, and ends. A lock or socket left behind by a crashed process does
// not block a start.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The name comes from the executable's file name and the user; the
    // folder is the per-user runtime folder (the temporary folder without one).
    explicit SingleInstance(QObject* parent = nullptr);
    // For tests: a chosen name in a chosen folder.
    SingleInstance(const QString& name, const QString& folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock and starts listening. False when another instance
    // holds it. Calling it again once primary answers true.
    bool tryBecomePrimary();
    bool isPrimary() const { return lock_ != nullptr; }

    // From a second instance: asks the primary to show its window. True when
    // the request was delivered. Waits at most timeoutMs for the connection.
    bool askPrimaryToShow(int timeoutMs = 3000);

    QString lockFilePath() const;
    QString serverName() const;

    static QString defaultName();
    static QString defaultFolder();

signals:
    // The primary received a request to come to the front.
    void showRequested();

private:
    void acceptConnections();

    QString name_;
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace lw
