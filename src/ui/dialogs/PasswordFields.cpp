#include "PasswordFields.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

namespace lw {

QLineEdit* MakePasswordBox(QWidget* parent, bool masked)
{
    auto* box = new QLineEdit(parent);
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

void MakeFixedDialog(QDialog* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    if (dialog->layout())
        dialog->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace lw
