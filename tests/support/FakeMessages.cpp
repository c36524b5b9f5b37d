#include "FakeMessages.h"

#include <gtest/gtest.h>

namespace lw::test {

bool FakeMessages::nextBool(const QString& kind, const QString& text)
{
    boxes.push_back({kind, text});
    if (answers_.empty() || !std::holds_alternative<bool>(answers_.front())) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    bool a = std::get<bool>(answers_.front());
    answers_.pop_front();
    return a;
}

SaveAnswer FakeMessages::AskSave(const QString& text)
{
    boxes.push_back({"save", text});
    if (answers_.empty() || !std::holds_alternative<SaveAnswer>(answers_.front())) {
        ADD_FAILURE() << "unexpected save question: " << text.toStdString();
        return SaveAnswer::Cancel;
    }
    SaveAnswer a = std::get<SaveAnswer>(answers_.front());
    answers_.pop_front();
    return a;
}

QStringList FakeMessages::texts() const
{
    QStringList out;
    for (const Box& b : boxes)
        out << b.text;
    return out;
}

} // namespace lw::test
