#pragma once

#include "store/Messages.h"

#include <QStringList>
#include <deque>
#include <variant>

namespace lw::test {

// Records every box shown and answers questions from a queue. A question with
// no queued answer fails the test with the box's text.
class FakeMessages : public Messages {
public:
    struct Box {
        QString kind; // "info", "plain", "confirm", "yesno", "save", "okcancel"
        QString text;
    };

    void queueAnswer(bool yes) { answers_.push_back(yes); }
    void queueSave(SaveAnswer a) { answers_.push_back(a); }

    void ShowInfo(const QString& text) override { boxes.push_back({"info", text}); }
    void ShowPlain(const QString& text) override { boxes.push_back({"plain", text}); }
    bool Confirm(const QString& text) override { return nextBool("confirm", text); }
    bool AskYesNo(const QString& text) override { return nextBool("yesno", text); }
    SaveAnswer AskSave(const QString& text) override;
    bool AskOkCancel(const QString& text) override { return nextBool("okcancel", text); }

    QStringList texts() const;
    bool answersLeft() const { return !answers_.empty(); }

    std::vector<Box> boxes;

private:
    bool nextBool(const QString& kind, const QString& text);
    std::deque<std::variant<bool, SaveAnswer>> answers_;
};

} // namespace lw::test
