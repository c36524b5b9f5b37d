#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lw {

class DatabaseSession;
class Messages;

// Changes the master password of the open database.
class TfrmChangePassword : public QDialog {
    Q_OBJECT
public:
    TfrmChangePassword(QWidget* owner, DatabaseSession& session, Messages& messages);

    QLineEdit* txtCurrent = nullptr;
    QLineEdit* txtNew = nullptr;
    QLineEdit* txtVerify = nullptr;
    QLabel* lblStrength = nullptr; // follows txtNew
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void cmdOKClick();

    DatabaseSession& session_;
    Messages& messages_;
};

} // namespace lw
