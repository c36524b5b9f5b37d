// Ties the group combo, the account grid and the account fields to the data module.
#include "MainControls.h"

#include "ui/ErrorBox.h"
#include "ui/bindings/CurrentRowSync.h"
#include "ui/bindings/FieldBinding.h"
#include "ui/widgets/NullableDateEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>

namespace lw {

void TfrmMain::bindControls()
{
    Controls& u = *ui_;
    Dataset& accounts = dm_.qryPasswords;
    const auto report = [this](const std::exception& e) { ShowErrorBox(this, QString::fromStdString(e.what())); };
    for (FieldBinding* b :
         {FieldBinding::bind(u.txtID, accounts, "ID"), FieldBinding::bind(u.txtPassword, accounts, "Password"),
          FieldBinding::bind(u.DateExpire, accounts, "ExpireDate"),
          FieldBinding::bind(u.DateAssign, accounts, "AssignDate"), FieldBinding::bind(u.txtURL, accounts, "URL"),
          FieldBinding::bind(u.MemoNotes, accounts, "Notes")}) {
        b->setErrorHandler(report);
    }
    // The group combo and the account grid stand on their dataset's current
    // row; a pick moves the dataset, and a refused move puts them back.
    CurrentRowSync::bind(u.cboGroup, dm_.qryGroups, [this](int row) {
        const QString name = dm_.qryGroups.valueAt(row, "Name").toString();
        run([this, name] { dm_.ChooseGroup(name); });
    });
    QListView* grid = u.GridDescription;
    CurrentRowSync::bind(grid, dm_.qryPasswords,
                         [this](int row) { run([this, row] { dm_.qryPasswords.moveTo(row); }); });
    connect(grid, &QListView::doubleClicked, u.mnuPasswordsEditDescription, &QAction::trigger);
    connect(grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (session_.isOpen())
            ui_->PopupMenuGrid->exec(ui_->GridDescription->viewport()->mapToGlobal(at));
    });
}

} // namespace lw
