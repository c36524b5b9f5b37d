#pragma once

#include "ui/FileChooser.h"

class QFileDialog;

namespace lw {

// FileChooser on QFileDialog windows.
class QtFileChooser : public FileChooser {
public:
    QString openFile(QWidget* parent, const QString& title, const QString& startDir, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& startDir, const QString& filter) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& startDir) override;

    // The first extension a filter names: "pdb" for "Databases (*.pdb *.bak)",
    // "" when it names none.
    static QString firstExtension(const QString& filter);

private:
    static QString run(QFileDialog& dialog);
};

} // namespace lw
