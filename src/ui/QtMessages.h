#pragma once

#include "store/Messages.h"

#include <QMessageBox>
#include <QPointer>
#include <memory>

class QWidget;

namespace lw {

// The program's message boxes, shown as QMessageBox windows captioned
// "Lockwell" over the given parent (the main window, usually).
class QtMessages : public Messages {
public:
    enum class Kind { Info, Plain, Confirm, YesNo, Save, OkCancel };

    explicit QtMessages(QWidget* parent = nullptr);

    void setParent(QWidget* parent) { parent_ = parent; }
    QWidget* parent() const { return parent_; }

    void ShowInfo(const QString& text) override;
    void ShowPlain(const QString& text) override;
    bool Confirm(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    SaveAnswer AskSave(const QString& text) override;
    bool AskOkCancel(const QString& text) override;

    // The box of one kind, ready to be shown: its icon, buttons, default
    // and escape buttons. Yes (or OK) is the default of every question.
    static std::unique_ptr<QMessageBox> makeBox(Kind kind, const QString& text, QWidget* parent);

    // A message as a box shows it: plain text, "\r\n" line breaks as "\n".
    static QString displayText(const QString& text);

private:
    QMessageBox::StandardButton run(Kind kind, const QString& text) const;

    QPointer<QWidget> parent_;
};

// The caption of every box and of the program's windows.
inline constexpr const char* kApplicationTitle = "Lockwell";

} // namespace lw
