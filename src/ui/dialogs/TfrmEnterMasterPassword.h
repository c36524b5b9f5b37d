#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lw {

class GradientCaption;
class AliasStore;
class DatabaseSession;

// Asks for the master password of the configured database: to open it, or,
// while the main window is hidden in the tray (fromTray), to show the window
// again. Accepted when the database opened or the password matched; a
// refusal empties the box and keeps the dialog open.
class TfrmEnterMasterPassword : public QDialog {
    Q_OBJECT
public:
    TfrmEnterMasterPassword(QWidget* owner, DatabaseSession& session, const AliasStore& alias, bool fromTray);

    QLineEdit* txtPassword = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void FormCreate();
    void cmdOKClick();
    void refused();

    DatabaseSession& session_;
    const AliasStore& alias_;
    const bool fromTray_;
    GradientCaption* caption_ = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace lw
