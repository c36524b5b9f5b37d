#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lw {

class GradientCaption;
class TfrmMain;

// Sets the master password of a new database, creates the file at the main
// window's NewDatabasePath and opens it.
class TfrmNewMasterPassword : public QDialog {
    Q_OBJECT
public:
    explicit TfrmNewMasterPassword(TfrmMain& main);

    QLabel* lblText = nullptr;
    QLineEdit* txtPassword = nullptr;
    QLineEdit* txtVerify = nullptr;
    QCheckBox* chkSample = nullptr;
    QPushButton* cmdCreateDB = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void cmdCreateDBClick();

    TfrmMain& main_;
    GradientCaption* caption_ = nullptr;
};

} // namespace lw
