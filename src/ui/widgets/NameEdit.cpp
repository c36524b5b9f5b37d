#include "NameEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace lw {

NameEdit::NameEdit(QWidget* parent) : QLineEdit(parent)
{
}

bool NameEdit::isTypeable(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'\b' || (u >= u' ' && u <= u'~' && u != u'"');
}

QChar NameEdit::cased(QChar typed) const
{
    if (!autoCase_ || typed < u'a' || typed > u'z')
        return typed;
    // Where the character goes: a selection is replaced from its start.
    const int at = hasSelectedText() ? selectionStart() : cursorPosition();
    if (at == 0)
        return typed.toUpper();
    const QChar before = text().at(at - 1);
    if (before == u' ' || before == u'\'' || before == u'/' || before == u'-')
        return typed.toUpper();
    return typed;
}

void NameEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QLineEdit::keyPressEvent(event);
        return;
    default:
        break;
    }
    if (typed.isEmpty() || shortcut) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed.size() != 1 || !isTypeable(typed.at(0))) {
        event->accept(); // dropped
        return;
    }
    const QChar c = cased(typed.at(0));
    if (c == typed.at(0)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent capital(event->type(), event->key(), event->modifiers(), QString(c), event->isAutoRepeat(),
                      ushort(event->count()));
    QLineEdit::keyPressEvent(&capital);
    event->setAccepted(capital.isAccepted());
}

void NameEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // Composed text is typed text: it passes the same filter.
    const QString commit = event->commitString();
    if (commit.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString kept;
    for (QChar c : commit)
        if (isTypeable(c) && c != u'\b')
            kept += c;
    if (kept == commit) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

} // namespace lw
