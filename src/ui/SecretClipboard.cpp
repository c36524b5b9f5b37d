#include "SecretClipboard.h"

#include "settings/SecuritySettings.h"
#include "store/Clock.h"
#include "store/SecretWipe.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>

namespace lw {
namespace {

const QString kHintFormat = QStringLiteral("x-kde-passwordManagerHint");

QByteArray digestOf(const QString& text)
{
    const SecretBytes bytes(text.toUtf8());
    return QCryptographicHash::hash(QByteArrayView(bytes.data(), bytes.size()), QCryptographicHash::Sha256);
}

} // namespace

SecretClipboard::SecretClipboard(const IniFile& settings, const Clock& clock, QObject* parent)
    : QObject(parent), settings_(settings), clock_(clock)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &SecretClipboard::clearWhenDue);
}

SecretClipboard::~SecretClipboard()
{
    if (QGuiApplication::instance())
        clearIfOurs();
}

void SecretClipboard::copySecret(const QString& text)
{
    if (text.isEmpty())
        return;
    auto* data = new QMimeData;
    data->setText(text);
    data->setData(kHintFormat, QByteArrayLiteral("secret"));
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
    digest_ = digestOf(text);

    const int seconds = ReadClipboardSeconds(settings_);
    if (seconds == 0) {
        timer_.stop();
        due_ = QDateTime();
        return;
    }
    delayMs_ = seconds * 1000;
    due_ = clock_.now().addSecs(seconds);
    timer_.start(delayMs_);
}

void SecretClipboard::clearWhenDue()
{
    if (digest_.isEmpty() || !due_.isValid())
        return;
    const qint64 left = clock_.now().msecsTo(due_);
    if (left > 0) {
        // Early by the clock (it was set back): wait for the rest, never
        // longer than a whole delay.
        timer_.start(int(std::min<qint64>(left, delayMs_)));
        return;
    }
    clearIfOurs();
}

void SecretClipboard::clearIfOurs()
{
    timer_.stop();
    due_ = QDateTime();
    if (digest_.isEmpty())
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        if ((mode == QClipboard::Selection && !clipboard->supportsSelection()) || !holdsOurs(mode))
            continue;
        clipboard->clear(mode);
    }
    digest_.clear();
}

bool SecretClipboard::holdsOurs(QClipboard::Mode mode) const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode);
    return data && data->hasText() && digestOf(data->text()) == digest_;
}

} // namespace lw
