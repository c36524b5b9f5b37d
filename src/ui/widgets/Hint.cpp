#include "ui/widgets/Hint.h"

#include <QWidget>

namespace lw {

void SetHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setAccessibleName(hint);
}

} // namespace lw
