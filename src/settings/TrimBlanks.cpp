#include "TrimBlanks.h"

namespace lw {

QString TrimBlanks(const QString& text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && text.at(from).unicode() <= u' ')
        ++from;
    while (to > from && text.at(to - 1).unicode() <= u' ')
        --to;
    return text.mid(from, to - from);
}

} // namespace lw
