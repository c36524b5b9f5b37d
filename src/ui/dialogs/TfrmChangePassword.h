#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace lw {

class TfrmMain;

// Changes the master password of the open database.
class TfrmChangePassword : public QDialog {
    Q_OBJECT
public:
    explicit TfrmChangePassword(TfrmMain& main);

    QLineEdit* txtCurrent = nullptr;
    QLineEdit* txtNew = nullptr;
    QLineEdit* txtVerify = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void cmdOKClick();

    TfrmMain& main_;
};

} // namespace lw
