#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

namespace lw {

class TDM;
struct AppServices;

// Lists the accounts of every group whose expiry date has passed (the open
// qryExpired) and takes the main window to the one chosen. As the reminder
// after an unlock it also offers "Don't remind me".
class TfrmExpired : public QDialog {
    Q_OBJECT
public:
    TfrmExpired(QWidget* owner, TDM& dm, AppServices& services, bool asReminder);

    QTableView* DBCtrlGridExpired = nullptr;
    QCheckBox* chkRemind = nullptr;
    QPushButton* cmdGO = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* SB = nullptr;

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void cmdGOClick();
    void ShowExpiredCount();

    TDM& dm_;
    AppServices& s_;
};

} // namespace lw
