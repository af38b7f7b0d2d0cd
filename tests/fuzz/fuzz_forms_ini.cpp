// Forms.ini: whatever the file holds, the margins read are each the default or a number
// the dialog could have stored (0 to 200), and margins written are read back as written.
#include "FuzzSupport.h"

#include "platform/RaisedError.h"
#include "printing/Margins.h"

using printing::MarginValues;

namespace {
bool inRangeOrDefault(int value, int fallback)
{
    return value == fallback || (value >= printing::kMarginMinimum && value <= printing::kMarginMaximum);
}

QString shown(const MarginValues &m)
{
    return QStringLiteral("%1 %2 %3 %4").arg(m.top).arg(m.bottom).arg(m.left).arg(m.right);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::startQt();
    const QString path = fuzz::writeScratch(QStringLiteral("Forms.ini"), fuzz::bytesOf(data, size));
    // Defaults outside the range tell a fallen-back value from a read one.
    const MarginValues defaults{-7, -8, -9, -10};
    MarginValues read;
    try {
        read = printing::readMargins(path, defaults);
    } catch (const platform::RaisedError &) {
        return 0;
    }
    FUZZ_CHECK(inRangeOrDefault(read.top, defaults.top) && inRangeOrDefault(read.bottom, defaults.bottom)
                   && inRangeOrDefault(read.left, defaults.left) && inRangeOrDefault(read.right, defaults.right),
               shown(read));

    // The dialog's Ok over whatever else the file holds: its numbers come back.
    const MarginValues stored{int(size % 201), int(size * 7 % 201), 6, 200};
    try {
        printing::writeMargins(path, stored);
    } catch (const platform::RaisedError &) {
        return 0;
    }
    const MarginValues again = printing::readMargins(path, defaults);
    FUZZ_CHECK(again.top == stored.top && again.bottom == stored.bottom && again.left == stored.left
                   && again.right == stored.right,
               shown(again));
    return 0;
}
