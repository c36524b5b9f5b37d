#pragma once

#include <QColor>
#include <QString>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace lw {

// The longest master password the program accepts.
inline constexpr int kMasterPasswordMaxLength = 14;

// A master password box; masked boxes show every character as "*".
QLineEdit* MakePasswordBox(QWidget* parent, bool masked);
QPushButton* MakeBoldButton(const QString& text, QWidget* parent, QColor color = QColor());
QLabel* MakeBoldLabel(const QString& text, QWidget* parent);
// Fixed size, a title bar without buttons of its own.
void MakeFixedDialog(QDialog* dialog);

} // namespace lw
