#pragma once

#include <QColor>
#include <QString>
#include <functional>

class QEvent;

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace lw {

// The longest master password the program accepts.
inline constexpr int kMasterPasswordMaxLength = 14;

// A master password box; masked boxes show every character as "*". Its text
// is wiped when the box is destroyed.
QLineEdit* MakePasswordBox(QWidget* parent, bool masked);
// Empties a password box and overwrites its text where it alone holds it,
// its undo steps included.
void WipePasswordBox(QLineEdit* box);
QPushButton* MakeBoldButton(const QString& text, QWidget* parent, QColor color = QColor());
QLabel* MakeBoldLabel(const QString& text, QWidget* parent);
// The label that shows how hard a password is to guess, wide enough for its
// longest line.
QLabel* MakeStrengthLabel(QWidget* parent);
// A strength label that follows what is typed in `box`, from the start.
QLabel* MakeTypedStrengthLabel(QLineEdit* box, QWidget* parent);
// The keys of a one-field dialog's edit: Enter runs OK, Escape closes; both
// are swallowed. Returns whether the event was one of them.
bool HandleOneFieldKeys(QDialog* dialog, QEvent* event, const std::function<void()>& ok);
// Lays out a one-field name dialog: the edit above OK and Cancel, Enter in
// the edit runs ok, Escape anywhere closes, and the dialog keeps its size.
void LayOutNameDialog(QDialog* dialog, QWidget* field, QPushButton* ok, QPushButton* cancel,
                      const std::function<void()>& okAction);
// The bold OK (the default button) and Cancel of a settings dialog, with
// their standard icons.
void MakeOkCancelButtons(QDialog* dialog, QPushButton*& ok, QPushButton*& cancel);

// Puts OK and Cancel at the right below the dialog's column of controls,
// gives it a title bar with only the close box and keeps it at its size.
void FinishOkCancelDialog(QDialog* dialog, QVBoxLayout* column, QPushButton* ok, QPushButton* cancel);

// Fixed size, a title bar without buttons of its own.
void MakeFixedDialog(QDialog* dialog);
// Escape closes the dialog whichever of its controls has the focus, before
// the control sees the key; an open drop-down list still closes first.
void CloseOnEscape(QDialog* dialog);

} // namespace lw
