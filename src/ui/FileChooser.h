#pragma once

#include <QString>

class QWidget;

namespace lw {

// The file and folder dialogs the program shows. Every answer is a full path;
// an empty text means the user cancelled. A filter is in Qt's form, for
// example "Password databases (*.pdb)"; "" offers every file.
class FileChooser {
public:
    virtual ~FileChooser() = default;

    // An existing file. The name box starts with the filter's first
    // pattern, for example "*.pdb".
    virtual QString openFile(QWidget* parent, const QString& title, const QString& startDir, const QString& filter) = 0;
    // A file to write. The dialog asks before an existing file is replaced,
    // and a name typed without an extension gets the filter's first one.
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& startDir, const QString& filter) = 0;
    // An existing folder.
    virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& startDir) = 0;
};

} // namespace lw
