#pragma once

#include "ui/FileChooser.h"

#include <QStringList>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace lw::test {

// Records every dialog asked for and answers from a queue; an empty answer
// is a cancelled dialog. A dialog with no queued answer fails the test.
class FakeFileChooser : public FileChooser {
public:
    struct Call {
        QString kind; // "open", "save", "folder"
        QWidget* parent;
        QString title;
        QString startDir;
        QString filter;
    };

    void queueAnswer(const QString& path) { answers_.push_back(path); }
    void queueCancel() { answers_.push_back(QString()); }
    bool answersLeft() const { return !answers_.empty(); }

    QString openFile(QWidget* parent, const QString& title, const QString& startDir, const QString& filter) override
    {
        return answer({"open", parent, title, startDir, filter});
    }
    QString saveFile(QWidget* parent, const QString& title, const QString& startDir, const QString& filter) override
    {
        return answer({"save", parent, title, startDir, filter});
    }
    QString chooseFolder(QWidget* parent, const QString& title, const QString& startDir) override
    {
        return answer({"folder", parent, title, startDir, QString()});
    }

    std::vector<Call> calls;

private:
    QString answer(const Call& call)
    {
        calls.push_back(call);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected " << call.kind.toStdString() << " dialog: " << call.title.toStdString();
            return {};
        }
        QString a = answers_.front();
        answers_.pop_front();
        return a;
    }

    std::deque<QString> answers_;
};

} // namespace lw::test
