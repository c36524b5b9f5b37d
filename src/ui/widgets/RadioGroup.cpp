#include "RadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace lw {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent) : QGroupBox(title, parent)
{
    auto* col = new QVBoxLayout(this);
    col->setSpacing(2);
    col->setContentsMargins(8, 4, 8, 6);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items.at(i), this);
        group_.addButton(b, i);
        col->addWidget(b);
    }
    setItemIndex(0);
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* b = group_.button(index))
        b->setChecked(true);
}

QRadioButton* RadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton*>(group_.button(index));
}

} // namespace lw
