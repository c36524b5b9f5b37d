#pragma once

#include <QByteArray>
#include <QClipboard>
#include <QDateTime>
#include <QObject>
#include <QTimer>

namespace lw {

class Clock;
class IniFile;

// The clipboard for secrets (an ID, a password). A copy is marked with
// "x-kde-passwordManagerHint: secret", so that clipboard managers and
// histories skip it, and is cleared after the delay of the settings key
// "clipboardseconds" of "Options" (0 = never). It is cleared only while the
// clipboard still holds it: what the user copied since stays. The program
// also clears it at Close Database, at the idle lock and at exit.
//
// What was copied is recognised by its SHA-256 digest, so the clipboard
// keeps no copy of the secret of its own. The delay is measured by the clock;
// the timer only says when to look.
class SecretClipboard : public QObject {
    Q_OBJECT
public:
    SecretClipboard(const IniFile& settings, const Clock& clock, QObject* parent = nullptr);
    ~SecretClipboard() override;

    // An empty text leaves the clipboard as it was.
    void copySecret(const QString& text);
    // Empties the clipboard (and the X11 selection) where it still holds the
    // last secret copied.
    void clearIfOurs();
    // The timer's call: clears once the delay has passed by the clock, and
    // otherwise waits for the rest of it.
    void clearWhenDue();

    // The milliseconds after which the timer looks next; -1 when no clear is
    // pending.
    int nextLookMs() const { return timer_.isActive() ? timer_.interval() : -1; }

private:
    bool holdsOurs(QClipboard::Mode mode) const;

    const IniFile& settings_;
    const Clock& clock_;
    QTimer timer_;
    QByteArray digest_; // of the last secret copied; empty when none is out
    QDateTime due_;
    int delayMs_ = 0;
};

} // namespace lw
