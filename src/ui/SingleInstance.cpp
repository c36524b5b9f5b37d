#include "ui/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace lw {

namespace {

const QByteArray kShowRequest = "show\n";

QString userPart()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

QString sanitized(QString text)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_.-]"));
    return text.replace(unsafe, QStringLiteral("_"));
}

} // namespace

SingleInstance::SingleInstance(QObject* parent) : SingleInstance(defaultName(), defaultFolder(), parent)
{
}

SingleInstance::SingleInstance(const QString& name, const QString& folder, QObject* parent)
    : QObject(parent), name_(sanitized(name)), folder_(folder)
{
}

SingleInstance::~SingleInstance()
{
    if (server_)
        server_->close(); // removes the socket before the lock is released
}

QString SingleInstance::defaultName()
{
    const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return sanitized(exe.isEmpty() ? QStringLiteral("lockwell") : exe) + '-' + userPart();
}

QString SingleInstance::defaultFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString SingleInstance::lockFilePath() const
{
    return QDir(folder_).filePath(name_ + QStringLiteral(".lock"));
}

QString SingleInstance::serverName() const
{
#ifdef Q_OS_WIN
    return name_; // a pipe name, not a file
#else
    return QDir(folder_).filePath(name_ + QStringLiteral(".socket"));
#endif
}

bool SingleInstance::tryBecomePrimary()
{
    if (lock_)
        return true;
    QDir().mkpath(folder_);
    auto lock = std::make_unique<QLockFile>(lockFilePath());
    // A live instance keeps its lock however long it runs; only a lock
    // whose process has gone counts as stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    lock_ = std::move(lock);

    // Whoever held the socket before us has ended without removing it.
    QLocalServer::removeServer(serverName());
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    if (!server_->listen(serverName()))
        qWarning("Lockwell: cannot listen on %s: %s", qPrintable(serverName()), qPrintable(server_->errorString()));
    return true;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        auto received = std::make_shared<QByteArray>();
        auto readRequest = [this, socket, received] {
            received->append(socket->readAll());
            if (received->contains(kShowRequest)) {
                received->clear();
                emit showRequested();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequest);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readRequest(); // what arrived with the connection itself
    }
}

bool SingleInstance::askPrimaryToShow(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kShowRequest);
    const bool sent = socket.waitForBytesWritten(timeoutMs) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    return sent;
}

} // namespace lw
