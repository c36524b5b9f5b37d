#include "ui/QtMessages.h"

namespace lw {

namespace {

struct BoxLook {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton escapeButton;
};

BoxLook lookOf(QtMessages::Kind kind)
{
    using B = QMessageBox;
    switch (kind) {
    case QtMessages::Kind::Info:
        return {B::Information, B::Ok, B::Ok, B::Ok};
    case QtMessages::Kind::Plain:
        return {B::NoIcon, B::Ok, B::Ok, B::Ok};
    case QtMessages::Kind::Confirm:
        return {B::Question, B::Yes | B::Cancel, B::Yes, B::Cancel};
    case QtMessages::Kind::YesNo:
        return {B::Warning, B::Yes | B::No, B::Yes, B::No};
    case QtMessages::Kind::Save:
        return {B::Question, B::Yes | B::No | B::Cancel, B::Yes, B::Cancel};
    case QtMessages::Kind::OkCancel:
        return {B::Question, B::Ok | B::Cancel, B::Ok, B::Cancel};
    }
    return {B::NoIcon, B::Ok, B::Ok, B::Ok};
}

} // namespace

QtMessages::QtMessages(QWidget* parent) : parent_(parent)
{
}

QString QtMessages::displayText(const QString& text)
{
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::unique_ptr<QMessageBox> QtMessages::makeBox(Kind kind, const QString& text, QWidget* parent)
{
    const BoxLook look = lookOf(kind);
    auto box = std::make_unique<QMessageBox>(look.icon, QString::fromLatin1(kApplicationTitle), displayText(text),
                                             look.buttons, parent);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(look.defaultButton);
    box->setEscapeButton(look.escapeButton);
    return box;
}

QMessageBox::StandardButton QtMessages::run(Kind kind, const QString& text) const
{
    std::unique_ptr<QMessageBox> box = makeBox(kind, text, parent_);
    box->exec();
    QAbstractButton* clicked = box->clickedButton();
    // A box closed without a button (the window manager's close) answers
    // as Escape does.
    if (!clicked)
        return lookOf(kind).escapeButton;
    return box->standardButton(clicked);
}

void QtMessages::ShowInfo(const QString& text)
{
    run(Kind::Info, text);
}

void QtMessages::ShowPlain(const QString& text)
{
    run(Kind::Plain, text);
}

bool QtMessages::Confirm(const QString& text)
{
    return run(Kind::Confirm, text) == QMessageBox::Yes;
}

bool QtMessages::AskYesNo(const QString& text)
{
    return run(Kind::YesNo, text) == QMessageBox::Yes;
}

SaveAnswer QtMessages::AskSave(const QString& text)
{
    switch (run(Kind::Save, text)) {
    case QMessageBox::Yes:
        return SaveAnswer::Yes;
    case QMessageBox::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

bool QtMessages::AskOkCancel(const QString& text)
{
    return run(Kind::OkCancel, text) == QMessageBox::Ok;
}

} // namespace lw
