#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace lw::test {

// When to kill the helper: `afterMs` milliseconds after it announced `phase`
// (after its start when `phase` is empty); never when negative.
struct KillPoint {
    QString phase;
    qint64 afterMs = -1;
};

// A folder like the program's: the database "Family.pdb" scrambled with its
// password and holding `accounts` accounts, "alias.ini" naming it, "lw.ini"
// with a backup at every close into "backup/", and helpers to run the
// program's file work there in a separate process.
class FaultBench {
public:
    static constexpr const char* kPassword = "secret1";

    FaultBench(const QString& folder, int accounts);

    QString folder() const { return folder_; }
    QString file(const QString& name) const;
    QByteArray read(const QString& name) const;
    int accounts() const { return accounts_; }

    struct Run {
        bool finished = false; // ran to its end without being killed
        bool killed = false; // killed by the test
        bool crashed = false; // died of a signal the test did not send
        bool hung = false; // did not finish within the time limit
        int exitCode = -1;
        QStringList lines; // what it printed
        QString lastPhase() const;
        QString messages() const;
        // Milliseconds from the start to each "PHASE" line, as seen here.
        QList<QPair<QString, qint64>> phases;
    };
    // Runs the helper with these arguments after the folder and password.
    // `inChild` runs in the child before the helper starts (limits, identity).
    Run runHelper(const QStringList& args, const KillPoint& kill = {}, const std::function<void()>& inChild = {}) const;

    // Unlocks the database in this process, counts its accounts and closes it
    // again; -1 when the unlock is refused. `leftovers` receives the names of
    // temporary files still beside it after the unlock.
    int verifyDatabase(QStringList* leftovers = nullptr, QString* messages = nullptr) const;

    // Files in the folder whose names mark temporary files.
    QStringList temporaryFiles() const;

private:
    QString folder_;
    int accounts_;
};

// Prints one line of figures for the report of a fault suite.
void PrintFigures(const char* suite, int tried, int survived, int crashes, int hangs, qint64 bytesLost);

} // namespace lw::test
