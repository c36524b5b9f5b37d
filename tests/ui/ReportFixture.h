#pragma once

#include "settings/IniFile.h"
#include "support/DataModuleFixture.h"
#include "support/FakeFileChooser.h"

#include <QDate>

namespace lw::test {

// A database with the sample groups and the data module over it, a settings
// file, and scripted messages and file choices: what the Reports command uses.
class ReportFixture : public DataModuleTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void add(const QString& group, const QString& description, const QString& id, const QString& password,
             const QString& url = {}, const QString& notes = {}, const QDate& assigned = {}, const QDate& expires = {});
    // Opens the data module on the stored current group ("Email Accounts").
    void open();
    // The Reports command, as the main window runs it.
    void runReports();

    IniFile settings{dir.file("lw.ini")};
    FakeFileChooser files;
};

} // namespace lw::test
