#pragma once

#include <QString>

namespace lw {

enum class SaveAnswer { Yes, No, Cancel };

// Every message box the program shows goes through this interface, so that
// tests can script the answers and read the texts.
class Messages {
public:
    virtual ~Messages() = default;

    // Information icon, OK button.
    virtual void ShowInfo(const QString& text) = 0;
    // No icon, OK button, captioned with the application title.
    virtual void ShowPlain(const QString& text) = 0;
    // Yes / Cancel; true for Yes.
    virtual bool Confirm(const QString& text) = 0;
    // Warning icon, Yes / No; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
    // Yes / No / Cancel.
    virtual SaveAnswer AskSave(const QString& text) = 0;
    // Question icon, OK / Cancel; true for OK.
    virtual bool AskOkCancel(const QString& text) = 0;
};

} // namespace lw
