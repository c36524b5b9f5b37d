#include "PasswordFields.h"

#include "records/PasswordStrength.h"
#include "store/SecretWipe.h"
#include "ui/bindings/EventHook.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace lw {

namespace {

// Wiped when its dialog goes, before the line edit frees its text. Nothing
// hears of it: the dialog that would is already being destroyed.
class PasswordBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    ~PasswordBox() override
    {
        const QSignalBlocker quiet(this);
        WipePasswordBox(this);
    }
};

} // namespace

void WipePasswordBox(QLineEdit* box)
{
    QString text = box->text();
    box->setText(QString()); // also drops the undo steps
    WipeSecret(text);
}

QLineEdit* MakePasswordBox(QWidget* parent, bool masked)
{
    auto* box = new PasswordBox(parent);
    box->setMaxLength(kMasterPasswordMaxLength);
    if (masked) {
        box->setEchoMode(QLineEdit::Password);
        box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    }
    return box;
}

QPushButton* MakeBoldButton(const QString& text, QWidget* parent, QColor color)
{
    auto* b = new QPushButton(text, parent);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    if (color.isValid()) {
        QPalette p = b->palette();
        p.setColor(QPalette::ButtonText, color);
        b->setPalette(p);
    }
    return b;
}

QLabel* MakeBoldLabel(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel* MakeStrengthLabel(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setToolTip("How hard the password is to guess: every bit doubles the number of tries");
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance("Strength: about 999 bits (strong)"));
    return l;
}

QLabel* MakeTypedStrengthLabel(QLineEdit* box, QWidget* parent)
{
    QLabel* l = MakeStrengthLabel(parent);
    l->setText(TypedStrengthText(box->text()));
    QObject::connect(box, &QLineEdit::textChanged, l,
                     [l](const QString& text) { l->setText(TypedStrengthText(text)); });
    return l;
}

bool HandleOneFieldKeys(QDialog* dialog, QEvent* event, const std::function<void()>& ok)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ok();
        return true;
    case Qt::Key_Escape:
        dialog->reject();
        return true;
    default:
        return false;
    }
}

void LayOutNameDialog(QDialog* dialog, QWidget* field, QPushButton* ok, QPushButton* cancel,
                      const std::function<void()>& okAction)
{
    ok->setDefault(true);
    for (QPushButton* b : {ok, cancel})
        b->setMinimumWidth(80);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* col = new QVBoxLayout(dialog);
    col->setContentsMargins(14, 14, 14, 12);
    col->setSpacing(12);
    col->addWidget(field);
    col->addLayout(buttons);
    MakeFixedDialog(dialog);

    EventHook::install(field, [dialog, okAction](QEvent* e) { return HandleOneFieldKeys(dialog, e, okAction); });
    // Escape on a button closes the dialog before the button sees the key.
    for (QPushButton* b : {ok, cancel})
        EventHook::install(b, [dialog](QEvent* e) {
            if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_Escape)
                return false;
            dialog->reject();
            return true;
        });
    QObject::connect(ok, &QPushButton::clicked, dialog, okAction);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

void MakeFixedDialog(QDialog* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    if (dialog->layout())
        dialog->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

namespace {

class EscapeCloses : public QObject {
public:
    explicit EscapeCloses(QDialog* dialog) : QObject(dialog), dialog_(dialog) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || w->window() != dialog_ || !dialog_->isVisible())
            return false;
        dialog_->reject();
        return true;
    }

private:
    QDialog* dialog_;
};

} // namespace

void CloseOnEscape(QDialog* dialog)
{
    qApp->installEventFilter(new EscapeCloses(dialog));
}

void MakeOkCancelButtons(QDialog* dialog, QPushButton*& ok, QPushButton*& cancel)
{
    ok = MakeBoldButton("OK", dialog);
    ok->setIcon(dialog->style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setDefault(true);
    cancel = MakeBoldButton("Cancel", dialog);
    cancel->setIcon(dialog->style()->standardIcon(QStyle::SP_DialogCancelButton));
    cancel->setAutoDefault(false);
}

void FinishOkCancelDialog(QDialog* dialog, QVBoxLayout* column, QPushButton* ok, QPushButton* cancel)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace lw
