#include "ui/QtFileChooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace lw {

namespace {

void prepare(QFileDialog& dialog, const QString& startDir, const QString& filter)
{
    if (!startDir.isEmpty())
        dialog.setDirectory(startDir);
    if (!filter.isEmpty())
        dialog.setNameFilter(filter);
}

} // namespace

QString QtFileChooser::firstExtension(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;()*]+)"));
    const QRegularExpressionMatch m = pattern.match(filter);
    return m.hasMatch() ? m.captured(1) : QString();
}

QString QtFileChooser::run(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return {};
    return QFileInfo(files.first()).absoluteFilePath();
}

QString QtFileChooser::openFile(QWidget* parent, const QString& title, const QString& startDir, const QString& filter)
{
    QFileDialog dialog(parent, title);
    prepare(dialog, startDir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (const QString ext = firstExtension(filter); !ext.isEmpty())
        dialog.selectFile("*." + ext);
    return run(dialog);
}

QString QtFileChooser::saveFile(QWidget* parent, const QString& title, const QString& startDir, const QString& filter)
{
    QFileDialog dialog(parent, title);
    prepare(dialog, startDir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDefaultSuffix(firstExtension(filter));
    return run(dialog);
}

QString QtFileChooser::chooseFolder(QWidget* parent, const QString& title, const QString& startDir)
{
    QFileDialog dialog(parent, title);
    prepare(dialog, startDir, QString());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    return run(dialog);
}

} // namespace lw
