#pragma once

#include <QDialog>

class QPushButton;

namespace lw {

class NameEdit;
class TfrmMain;

// Asks for the name of a new group, or a new name for the current group: the
// main window's Tag is 1 for a new group and 0 for a rename.
class TfrmEditGroup : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEditGroup(TfrmMain& main);

    NameEdit* txtGroup = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // The group's name when the dialog opened for a rename; empty for a new group.
    const QString& PreviousGroupName() const { return previousGroupName_; }

private:
    void FormCreate();
    void cmdOKClick();
    bool groupNameTaken(const QString& name);
    void refused();

    TfrmMain& main_;
    QString previousGroupName_;
};

} // namespace lw
