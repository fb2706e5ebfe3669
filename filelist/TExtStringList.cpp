#include "filelist/TExtStringList.h"

namespace kestrom {

int TExtStringList::FindContaining(const QString& text) const {
    for (qsizetype i = 0; i < size(); ++i) {
        if (at(i).contains(text))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace kestrom
