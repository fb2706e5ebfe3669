#include "messages/NumberHelpers.h"

#include <limits>

namespace kestrom {

int BlankFreeToInt(const QString& text) {
    QString digits = text;
    digits.remove(u' ');
    bool ok = false;
    const qlonglong number = digits.toLongLong(&ok, 10);
    if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(number);
}

} // namespace kestrom
