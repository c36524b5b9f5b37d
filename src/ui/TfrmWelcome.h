#pragma once

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;

namespace lw {

// The welcome dialog of a first start: offers to create a password database.
// Yes hides and closes the dialog, then runs the caller's "create a new
// database" command; No (Escape) just closes it. The dialog frees itself.
class TfrmWelcome : public QDialog {
    Q_OBJECT
public:
    TfrmWelcome(QWidget* owner, std::function<void()> onYes);

    // Creates the dialog over the owner and shows it modally.
    static void Execute(QWidget* owner, std::function<void()> onYes);

    QFrame* Bevel1;
    QWidget* Panel1;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* lblInfo;
    QPushButton* cmdYes;
    QPushButton* cmdNo;

private:
    void FormCreate();
    void cmdYesClick();
    void cmdNoClick();

    std::function<void()> onYes_;
};

} // namespace lw
