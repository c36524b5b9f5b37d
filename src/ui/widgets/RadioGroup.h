#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QRadioButton;

namespace lw {

// A framed group of radio buttons, one of which is chosen.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QStringList& items, QWidget* parent);

    int itemIndex() const { return group_.checkedId(); }
    void setItemIndex(int index);
    QRadioButton* item(int index) const;
    int count() const { return int(group_.buttons().size()); }

private:
    QButtonGroup group_;
};

} // namespace lw
