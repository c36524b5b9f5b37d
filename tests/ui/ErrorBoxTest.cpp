#include "ui/ErrorBox.h"

#include "WhenModal.h"
#include "settings/Error.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <gtest/gtest.h>
#include <stdexcept>

namespace lw {
namespace {

using test::WhenModal;

struct CommandCase {
    const char* name;
    std::function<void()> command;
    bool finishes;
    bool showsBox;
    QString text;
};

const CommandCase kCommands[] = {
    {"completes", [] {}, true, false, {}},
    {"lw_error", [] { throw Error("Sorry, the file could not be read."); }, false, true,
     "Sorry, the file could not be read."},
    {"std_exception", [] { throw std::runtime_error("disk full\r\n<try again>"); }, false, true,
     "disk full\n<try again>"},
    {"silent_abort", [] { throw SilentAbort(); }, false, false, {}},
};

class RunCommandCases : public ::testing::TestWithParam<CommandCase> { };

TEST_P(RunCommandCases, EndsTheCommandAsItsFailureRequires)
{
    const CommandCase& c = GetParam();
    QWidget owner;
    QString text, title;
    QMessageBox::Icon icon{};
    QWidget* parent = nullptr;
    WhenModal<QMessageBox> box([&](QMessageBox* b) {
        text = b->textFormat() == Qt::PlainText ? b->text() : QString();
        title = b->windowTitle();
        icon = b->icon();
        parent = b->parentWidget();
        b->button(QMessageBox::Ok)->click();
    });

    EXPECT_EQ(RunCommand(&owner, c.command), c.finishes);

    EXPECT_EQ(box.ran(), c.showsBox);
    if (c.showsBox) {
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(title, "Lockwell");
        EXPECT_EQ(icon, QMessageBox::Critical);
        EXPECT_EQ(parent, &owner);
    }
}

INSTANTIATE_TEST_SUITE_P(Failures, RunCommandCases, ::testing::ValuesIn(kCommands),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(RunCommand, TheProgramGoesOnAfterAnError)
{
    int ran = 0;
    WhenModal<QMessageBox> first([](QMessageBox* b) { b->button(QMessageBox::Ok)->click(); });
    RunCommand(nullptr, [&] {
        ++ran;
        throw Error("first");
    });
    EXPECT_TRUE(RunCommand(nullptr, [&] { ++ran; }));
    EXPECT_EQ(ran, 2);
}

} // namespace
} // namespace lw
