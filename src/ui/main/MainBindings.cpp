// Ties the group combo, the account grid and the account fields to the data module.
#include "MainControls.h"

#include "ui/ErrorBox.h"
#include "ui/bindings/DatasetListModel.h"
#include "ui/bindings/FieldBinding.h"
#include "ui/widgets/NullableDateEdit.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QToolButton>

namespace lw {

void TfrmMain::bindControls()
{
    Controls& u = *ui_;
    Dataset& accounts = dm_.qryPasswords;
    const auto report = [this](const std::exception& e) { ShowErrorBox(this, QString::fromStdString(e.what())); };
    for (FieldBinding* b : {FieldBinding::bind(u.txtID, accounts, "ID"),
                            FieldBinding::bind(u.txtPassword, accounts, "Password"),
                            FieldBinding::bind(u.DateExpire, accounts, "ExpireDate"),
                            FieldBinding::bind(u.DateAssign, accounts, "AssignDate"),
                            FieldBinding::bind(u.txtURL, accounts, "URL"),
                            FieldBinding::bind(u.MemoNotes, accounts, "Notes")}) {
        b->setErrorHandler(report);
    }
    connect(u.cmdSaveMemo, &QToolButton::clicked, this, [this] { run([this] { dm_.qryPasswords.post(); }); });

    // The group combo shows the options row's current group and writes a choice back.
    auto showCurrentGroup = [this] {
        const QString name = dm_.qryOptions.value("Group").toString();
        QComboBox* combo = ui_->cboGroup;
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(name.isEmpty() ? -1 : combo->findText(name, Qt::MatchFixedString));
    };
    dm_.qryOptions.onDataChange([showCurrentGroup](Dataset&, DataChange, const QString&) { showCurrentGroup(); });
    connect(u.groupModel, &QAbstractItemModel::modelReset, this, showCurrentGroup);
    connect(u.cboGroup, &QComboBox::activated, this, [this, showCurrentGroup](int index) {
        const QString name = ui_->cboGroup->itemText(index);
        run([this, name] { dm_.ChooseGroup(name); });
        showCurrentGroup();
    });

    // The grid's selection follows the account list, and a click moves it.
    QListView* grid = u.GridDescription;
    auto showCurrentAccount = [grid](int row) {
        const QSignalBlocker block(grid->selectionModel());
        if (row < 0)
            grid->selectionModel()->clear();
        else
            grid->selectionModel()->setCurrentIndex(grid->model()->index(row, 0),
                                                    QItemSelectionModel::ClearAndSelect);
    };
    connect(u.accountModel, &DatasetListModel::currentRowChanged, grid, showCurrentAccount);
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, showCurrentAccount](const QModelIndex& index) {
                if (index.isValid() && index.row() != dm_.qryPasswords.currentRow())
                    run([this, index] { dm_.qryPasswords.moveTo(index.row()); });
                showCurrentAccount(dm_.qryPasswords.currentRow());
            });
    connect(grid, &QListView::doubleClicked, u.mnuPasswordsEditDescription, &QAction::trigger);
    connect(grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (session_.isOpen())
            ui_->PopupMenuGrid->exec(ui_->GridDescription->viewport()->mapToGlobal(at));
    });
}

} // namespace lw
