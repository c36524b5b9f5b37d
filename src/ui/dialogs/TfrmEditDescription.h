#pragma once

#include "records/RecordWindow.h"

#include <QDialog>

class QPushButton;

namespace lw {

class NameEdit;
class TfrmMain;

// Asks for the description of a new account, or a new description for the
// current account: the main window's Tag is 1 for a new account and 0 for an
// edit.
class TfrmEditDescription : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEditDescription(TfrmMain& main);

    NameEdit* txtDescription = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void FormCreate();
    void cmdOKClick();
    void addAccount(const QString& description);
    void renameAccount(const QString& description);

    TfrmMain& main_;
};

// Keeps the save question away while the program itself edits and stores the
// current account; the question is back when the scope ends, however it ends.
class ProgramEditScope {
public:
    explicit ProgramEditScope(EditFlags& flags) : flags_(flags) { flags_.SuppressSaveWarning = true; }
    ~ProgramEditScope() { flags_.SuppressSaveWarning = false; }
    ProgramEditScope(const ProgramEditScope&) = delete;
    ProgramEditScope& operator=(const ProgramEditScope&) = delete;

private:
    EditFlags& flags_;
};

} // namespace lw
