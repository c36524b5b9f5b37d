#pragma once

#include "report/BeforePrint.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lw {

class Clock;
class FileChooser;
class IniFile;
class Messages;
class RadioGroup;
class TDM;

// Chooses a report of the current group or of all groups, full or concise,
// and shows it in the print preview. The dialog stays open for another
// report; the choices are kept in section "PrintOptions" of the settings file
// each time a preview closes.
class TfrmSelectReport : public QDialog {
    Q_OBJECT
public:
    TfrmSelectReport(QWidget* owner, TDM& dm, IniFile& settings, Messages& messages, FileChooser& files,
                     const Clock& clock);

    RadioGroup* RGReportType = nullptr;
    RadioGroup* RGType = nullptr;
    QGroupBox* GBOptions = nullptr;
    QRadioButton* RBOne = nullptr;
    QRadioButton* RBContinuous = nullptr;
    QCheckBox* chkDate = nullptr;
    QLineEdit* txtTitle = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // Run report.
    void cmdOKClick();
    // What the before-print step of a run takes from the controls.
    BeforePrintChoices PrintChoices() const;

private:
    void buildControls();
    void FormCreate(QWidget* owner);
    bool FormKeyDown(QKeyEvent* event);
    void LoadPrintOptions();
    void SavePrintOptions();

    TDM& dm_;
    IniFile& settings_;
    Messages& messages_;
    FileChooser& files_;
    const Clock& clock_;
};

} // namespace lw
