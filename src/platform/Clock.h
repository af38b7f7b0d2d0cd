#pragma once

#include <QDate>
#include <QDateTime>

#include <optional>

namespace platform {

// The one clock for dates the program prints. Tests set it; when the environment
// variable SOURCE_DATE_EPOCH holds a number of seconds, that instant is the time, so
// the same form always prints (and renders) the same.
class Clock {
public:
    static QDateTime now();
    static QDate today();

    // Fixes the time until reset() (tests).
    static void set(const QDateTime &fixed);
    static void reset();

    // The instant SOURCE_DATE_EPOCH names, in UTC; empty when unset, not a number or
    // outside the years 1970 to 9999.
    static std::optional<QDateTime> sourceDateEpoch();
};

} // namespace platform
