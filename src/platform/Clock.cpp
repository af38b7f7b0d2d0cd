#include "platform/Clock.h"

#include <QTimeZone>

namespace platform {

namespace {
std::optional<QDateTime> g_fixed;
}

std::optional<QDateTime> Clock::sourceDateEpoch()
{
    const QByteArray raw = qgetenv("SOURCE_DATE_EPOCH").trimmed();
    if (raw.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 seconds = raw.toLongLong(&ok);
    // Dates print with four-digit years: an instant outside 1970-9999 is no date at all.
    constexpr qint64 kLastSecondOf9999 = 253402300799;
    if (!ok || seconds < 0 || seconds > kLastSecondOf9999)
        return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
}

QDateTime Clock::now()
{
    if (g_fixed)
        return *g_fixed;
    if (const auto epoch = sourceDateEpoch())
        return *epoch;
    return QDateTime::currentDateTime();
}

QDate Clock::today() { return now().date(); }

void Clock::set(const QDateTime &fixed) { g_fixed = fixed; }
void Clock::reset() { g_fixed.reset(); }

} // namespace platform
