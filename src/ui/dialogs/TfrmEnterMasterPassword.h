#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lw {

class GradientCaption;
class TfrmMain;

// Asks for the master password of the configured database: to open it, or,
// while the main window is hidden in the tray, to show the window again.
class TfrmEnterMasterPassword : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEnterMasterPassword(TfrmMain& main);

    QLineEdit* txtPassword = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void FormCreate();
    void cmdOKClick();
    void refused();

    TfrmMain& main_;
    GradientCaption* caption_ = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace lw
