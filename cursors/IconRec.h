#pragma once

#include "platform/IconObject.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace kestrom {

// One cursor role of the cursor set.
struct IconRec {
    QString Name;
    QString DefaultPath; // what "Restore Default" returns to; empty: the built-in cursor
    QString Path;        // the cursor file now given to the role; empty: the built-in cursor
    QString Spare;
    std::int32_t Count = 1; // the first record's count is the number of records
    std::int32_t IconNumber = 0;
    std::uint8_t Flag = 0;
    HICON Icon; // null: no icon
    std::unique_ptr<IconRec> Next;
};

} // namespace kestrom
