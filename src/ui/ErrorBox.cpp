#include "ui/ErrorBox.h"

#include "ui/QtMessages.h"

#include <QMessageBox>

namespace lw {

void ShowErrorBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle), QtMessages::displayText(text),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool RunCommand(QWidget* parent, const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const SilentAbort&) {
        return false;
    } catch (const std::exception& e) {
        // lw::Error carries its message as UTF-8 text, like every other.
        ShowErrorBox(parent, QString::fromUtf8(e.what()));
    }
    return false;
}

} // namespace lw
