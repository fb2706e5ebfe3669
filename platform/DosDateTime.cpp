#include "platform/DosDateTime.h"

#include <algorithm>

namespace kestrom {

int packDosDateTime(std::time_t when) {
    std::tm local{};
    if (::localtime_r(&when, &local) == nullptr)
        return (1 << 5 | 1) << 16; // 1980-01-01
    const int year = local.tm_year + 1900;
    if (year < 1980)
        return (1 << 5 | 1) << 16;
    if (year > 2107)
        return static_cast<int>((127u << 25 | 12u << 21 | 31u << 16 | 23u << 11 | 59u << 5 | 29u));
    const unsigned date =
        static_cast<unsigned>((year - 1980) << 9 | (local.tm_mon + 1) << 5 | local.tm_mday);
    const unsigned time = static_cast<unsigned>(local.tm_hour << 11 | local.tm_min << 5 |
                                                std::min(local.tm_sec, 59) / 2);
    return static_cast<int>(date << 16 | time);
}

} // namespace kestrom
