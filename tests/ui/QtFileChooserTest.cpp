#include "ui/QtFileChooser.h"

#include "WhenModal.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lw {
namespace {

using test::WhenModal;

const QString kFilter = "Password databases (*.pdb)";

class QtFileChooserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The dialogs under test are Qt's own, whatever the desktop offers.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
        ASSERT_TRUE(dir.isValid());
    }
    void touch(const QString& name)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    QTemporaryDir dir;
    QtFileChooser chooser;
};

TEST_F(QtFileChooserTest, SaveAddsTheFiltersExtensionInTheStartFolder)
{
    QString title, start;
    WhenModal<QFileDialog> answer([&](QFileDialog* d) {
        title = d->windowTitle();
        start = d->directory().absolutePath();
        d->selectFile("Family");
        static_cast<QDialog*>(d)->accept(); // protected in QFileDialog
    });
    const QString chosen = chooser.saveFile(nullptr, "New Password Database", dir.path(), kFilter);
    ASSERT_TRUE(answer.ran());
    EXPECT_EQ(title, "New Password Database");
    EXPECT_EQ(start, QDir(dir.path()).absolutePath());
    EXPECT_EQ(chosen, QDir(dir.path()).absoluteFilePath("Family.pdb"));
}

TEST_F(QtFileChooserTest, SaveAsksBeforeReplacingAFile)
{
    touch("Work.pdb");
    QString question;
    WhenModal<QFileDialog> answer([&](QFileDialog* d) {
        WhenModal<QMessageBox> replace([&](QMessageBox* box) {
            question = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        d->selectFile("Work.pdb");
        static_cast<QDialog*>(d)->accept(); // protected in QFileDialog
    });
    const QString chosen = chooser.saveFile(nullptr, "New Password Database", dir.path(), kFilter);
    EXPECT_TRUE(question.contains("Work.pdb")) << question.toStdString();
    EXPECT_EQ(chosen, QDir(dir.path()).absoluteFilePath("Work.pdb"));
}

TEST_F(QtFileChooserTest, CancelAnswersEmpty)
{
    touch("Work.pdb");
    using Ask = std::function<QString()>;
    const Ask asks[] = {
        [&] { return chooser.openFile(nullptr, "Open Password Database", dir.path(), kFilter); },
        [&] { return chooser.saveFile(nullptr, "New Password Database", dir.path(), kFilter); },
        [&] { return chooser.chooseFolder(nullptr, "Select a Backup Directory", dir.path()); },
    };
    for (const Ask& ask : asks) {
        WhenModal<QFileDialog> cancel([](QFileDialog* d) {
            d->selectFile("Work.pdb");
            d->reject();
        });
        EXPECT_EQ(ask(), QString());
        EXPECT_TRUE(cancel.ran());
    }
}

TEST_F(QtFileChooserTest, OpenAndFolderAnswerFullPaths)
{
    touch("Work.pdb");
    QDir(dir.path()).mkdir("Backups");
    {
        WhenModal<QFileDialog> pick([](QFileDialog* d) {
            d->selectFile("Work.pdb");
            static_cast<QDialog*>(d)->accept(); // protected in QFileDialog
        });
        EXPECT_EQ(chooser.openFile(nullptr, "Open Password Database", dir.path(), kFilter),
                  QDir(dir.path()).absoluteFilePath("Work.pdb"));
    }
    {
        bool foldersOnly = false;
        WhenModal<QFileDialog> pick([&](QFileDialog* d) {
            foldersOnly = d->fileMode() == QFileDialog::Directory;
            d->selectFile(QDir(dir.path()).absoluteFilePath("Backups"));
            static_cast<QDialog*>(d)->accept(); // protected in QFileDialog
        });
        EXPECT_EQ(chooser.chooseFolder(nullptr, "Select a Backup Directory", dir.path()),
                  QDir(dir.path()).absoluteFilePath("Backups"));
        EXPECT_TRUE(foldersOnly);
    }
}

TEST_F(QtFileChooserTest, OpenStartsWithTheFiltersPatternInTheNameBox)
{
    QString nameBox;
    WhenModal<QFileDialog> look([&](QFileDialog* d) {
        if (auto* edit = d->findChild<QLineEdit*>("fileNameEdit"))
            nameBox = edit->text();
        d->reject();
    });
    EXPECT_EQ(chooser.openFile(nullptr, "Open Password Database", dir.path(), kFilter), QString());
    EXPECT_EQ(nameBox, "*.pdb");
}

TEST(QtFileChooser, FirstExtensionOfAFilter)
{
    const std::pair<QString, QString> cases[] = {
        {"Password databases (*.pdb)", "pdb"},
        {"Databases (*.pdb *.bak)", "pdb"},
        {"Text (*.txt);;All files (*)", "txt"},
        {"All files (*)", ""},
        {"", ""},
    };
    for (const auto& [filter, ext] : cases)
        EXPECT_EQ(QtFileChooser::firstExtension(filter), ext) << filter.toStdString();
}

} // namespace
} // namespace lw
