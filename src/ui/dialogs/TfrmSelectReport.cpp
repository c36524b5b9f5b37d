#include "TfrmSelectReport.h"

#include "PasswordFields.h"
#include "ReportRows.h"
#include "TfrmPrintPreview.h"
#include "records/QueryTexts.h"
#include "records/TDM.h"
#include "report/ReportTemplates.h"
#include "settings/IniFile.h"
#include "store/Clock.h"
#include "store/Messages.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"
#include "ui/bindings/KeyPreview.h"
#include "ui/widgets/RadioGroup.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

namespace lw {
namespace {

const QString kSection = QStringLiteral("PrintOptions");
// What the settings file holds when no title was ever saved.
const QString kNoTitle = QStringLiteral("ERROR");
const QString kDefaultTitle = QStringLiteral("Account Summary");

} // namespace

TfrmSelectReport::TfrmSelectReport(QWidget* owner, TDM& dm, IniFile& settings, Messages& messages, FileChooser& files,
                                   const Clock& clock)
    : QDialog(owner), dm_(dm), settings_(settings), messages_(messages), files_(files), clock_(clock)
{
    setObjectName("frmSelectReport");
    buildControls();
    connect(cmdOK, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { cmdOKClick(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    KeyPreview::install(this, [this](QKeyEvent* e) { return FormKeyDown(e); });
    FormCreate(owner);
}

void TfrmSelectReport::buildControls()
{
    setWindowTitle("Select Report");
    RGReportType = new RadioGroup(" Print: ", {"Current Group", "All Groups"}, this);
    RGType = new RadioGroup(" Report Type ", {"Full Report", "Concise"}, this);
    GBOptions = new QGroupBox(" Options ", this);
    RBOne = new QRadioButton("One Group per page", GBOptions);
    RBContinuous = new QRadioButton("Continuous Report", GBOptions);
    RBOne->setChecked(true);
    chkDate = new QCheckBox("Print Date", GBOptions);
    chkDate->setChecked(true);
    txtTitle = new QLineEdit(GBOptions);
    txtTitle->setMaxLength(std::numeric_limits<int>::max());
    QFont bold = txtTitle->font();
    bold.setBold(true);
    txtTitle->setFont(bold);
    txtTitle->setMinimumWidth(240);

    auto* options = new QVBoxLayout(GBOptions);
    options->setContentsMargins(8, 4, 8, 8);
    options->setSpacing(4);
    options->addWidget(RBOne);
    options->addWidget(RBContinuous);
    options->addWidget(chkDate);
    options->addSpacing(4);
    options->addWidget(new QLabel("Report Title", GBOptions));
    options->addWidget(txtTitle);

    cmdOK = MakeBoldButton("OK", this, QColor(0, 0, 128));
    cmdCancel = MakeBoldButton("Cancel", this, QColor(128, 0, 0));
    for (QPushButton* b : {cmdOK, cmdCancel}) {
        b->setMinimumWidth(80);
        b->setAutoDefault(false);
    }

    auto* radios = new QHBoxLayout;
    radios->addWidget(RGReportType);
    radios->addWidget(RGType);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(10, 10, 10, 10);
    col->setSpacing(8);
    col->addLayout(radios);
    col->addWidget(GBOptions);
    col->addLayout(buttons);
    MakeFixedDialog(this);
    setWindowFlags(windowFlags() | Qt::WindowCloseButtonHint);
}

void TfrmSelectReport::FormCreate(QWidget* owner)
{
    LoadPrintOptions();
    adjustSize();
    CenterOver(owner, this);
}

void TfrmSelectReport::LoadPrintOptions()
{
    const QString title = settings_.readString(kSection, "title", kNoTitle);
    txtTitle->setText(title == kNoTitle ? kDefaultTitle : title);
    chkDate->setChecked(settings_.readBool(kSection, "date", true));
    (settings_.readBool(kSection, "one", true) ? RBOne : RBContinuous)->setChecked(true);
    RGReportType->setItemIndex(settings_.readInt(kSection, "type", 0));
    RGType->setItemIndex(settings_.readInt(kSection, "concise", 0));
}

void TfrmSelectReport::SavePrintOptions()
{
    settings_.writeString(kSection, "title", txtTitle->text());
    settings_.writeBool(kSection, "date", chkDate->isChecked());
    settings_.writeBool(kSection, "one", RBOne->isChecked());
    settings_.writeInt(kSection, "type", RGReportType->itemIndex());
    settings_.writeInt(kSection, "concise", RGType->itemIndex());
}

BeforePrintChoices TfrmSelectReport::PrintChoices() const
{
    return {chkDate->isChecked(), txtTitle->text(), RBOne->isChecked(), clock_.now().date(), SystemDateSeparator()};
}

void TfrmSelectReport::cmdOKClick()
{
    const bool currentGroup = RGReportType->itemIndex() != 1;
    if (currentGroup && dm_.qryPasswords.recordCount() == 0) {
        messages_.ShowPlain(
            QStringLiteral("No Accounts to Print in \"%1\" !").arg(dm_.qryGroups.value("Name").toString()));
        return;
    }
    Dataset& query = dm_.qryRptPasswords;
    query.close();
    query.setSql(currentGroup ? sql::ReportCurrentGroupStatement(dm_.qryGroups.value("GroupID").toLongLong())
                              : sql::ReportAllGroupsStatement());
    query.open();
    if (query.recordCount() == 0) {
        messages_.ShowPlain("No accounts to print!");
        return;
    }

    const std::vector<ReportRow> rows = ReportRowsOf(query);
    ReportTemplate report = RGType->itemIndex() == 1 ? ppRptConcise() : ppRptPasswords();
    report.documentName = QStringLiteral("Passwords");
    const auto makePages = [this, &rows, report]() mutable {
        BeforePrint(report, PrintChoices());
        return LayOutReport(report, rows, SystemDateSeparator());
    };
    TfrmPrintPreview preview(this, report.page, makePages, files_);
    preview.ProducePages(); // under the hourglass
    preview.exec();
    SavePrintOptions();
}

bool TfrmSelectReport::FormKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        RunCommand(this, [this] { cmdOKClick(); });
        return true;
    default:
        return false;
    }
}

} // namespace lw
