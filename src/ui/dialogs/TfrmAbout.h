#pragma once

#include <QDialog>

namespace lw {

// "About Lockwell": the program's name, version and icon.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* owner);
};

} // namespace lw
