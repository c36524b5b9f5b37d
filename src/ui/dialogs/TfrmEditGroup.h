#pragma once

#include <QDialog>

class QPushButton;

namespace lw {

class NameEdit;
struct AppServices;
class TDM;

// Asks for the name of a new group (adding), or a new name for the current
// group. The new or renamed group becomes the current one.
class TfrmEditGroup : public QDialog {
    Q_OBJECT
public:
    TfrmEditGroup(QWidget* owner, TDM& dm, AppServices& services, bool adding);

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

    TDM& dm_;
    AppServices& s_;
    const bool adding_;
    QString previousGroupName_;
};

} // namespace lw
