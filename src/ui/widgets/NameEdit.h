#pragma once

#include "settings/TrimBlanks.h"

#include <QLineEdit>

namespace lw {

// The one-line edit for group names and account descriptions.
//
// Typing filter: backspace, the space and the printable characters from "!"
// to "~" except the double quote are typed; every other character (the double
// quote, accented and other characters above "~", control characters) is
// dropped. Keys that type nothing (arrows, Home, End, Delete, Enter, Escape)
// and the editing shortcuts (Ctrl+C, Ctrl+V, ...) keep their usual meaning;
// pasted text is not filtered.
//
// Auto case: a letter a to z typed at the start of the text, or right after a
// space, an apostrophe, a slash or a hyphen, is entered as its capital.
class NameEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NameEdit(QWidget* parent = nullptr);

    void setAutoCase(bool on) { autoCase_ = on; }
    bool autoCase() const { return autoCase_; }

    // Is c one of the characters the edit lets the user type?
    static bool isTypeable(QChar c);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // The typed character as it goes in at the caret (a capital for auto case).
    QChar cased(QChar typed) const;

    bool autoCase_ = true;
};

} // namespace lw
