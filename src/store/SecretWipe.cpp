#include "SecretWipe.h"

#include <string.h>

namespace lw {
namespace {

// Zeroes the whole allocation of a buffer this value alone holds, the room
// before and after its characters included (an earlier, longer value may
// have left bytes there). explicit_bzero, unlike memset, is never left out
// because the memory is not read again.
template <typename Value> void wipe(Value& value) noexcept
{
    if (value.isDetached()) {
        auto& d = value.data_ptr();
        explicit_bzero(d.data() - d.freeSpaceAtBegin(), std::size_t(d.constAllocatedCapacity()) * sizeof(*d.data()));
    } else {
        value = Value();
    }
    value.resize(0);
}

} // namespace

void WipeSecret(QString& text) noexcept
{
    wipe(text);
}

void WipeSecret(QByteArray& bytes) noexcept
{
    wipe(bytes);
}

} // namespace lw
