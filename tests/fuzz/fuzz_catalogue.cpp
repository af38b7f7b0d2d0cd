// The catalogue: whatever a catalogue file holds, what is read from it is rewritten and
// read back unchanged, and an appended form comes back last, after every other entry.
#include "FuzzSupport.h"

#include "platform/RaisedError.h"
#include "store/Catalogue.h"

using store::CatalogueEntry;
namespace catalogue = store::catalogue;

namespace {
bool same(const QList<CatalogueEntry> &a, const QList<CatalogueEntry> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].code != b[i].code || a[i].description != b[i].description)
            return false;
    return true;
}

QString shown(const QList<CatalogueEntry> &entries)
{
    QString out;
    for (const auto &e : entries)
        out += QStringLiteral("[%1|%2]").arg(e.code).arg(e.description);
    return out;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::startQt();
    const QString path = fuzz::writeScratch(QStringLiteral("Lista_Fca.fca"), fuzz::bytesOf(data, size));
    QList<CatalogueEntry> read;
    try {
        read = catalogue::read(path);
    } catch (const platform::RaisedError &) {
        return 0;  // the open dialog sets such a catalogue aside
    }
    FUZZ_CHECK(catalogue::highestCode(read) >= 0, shown(read));
    const int next = catalogue::nextCode(read);
    FUZZ_CHECK(next >= 0 && next <= catalogue::kMaxCode, QString::number(next));

    // Rewriting normalises (descriptions trimmed, line breaks gone); a second round
    // must change nothing.
    catalogue::rewrite(path, read);
    const QList<CatalogueEntry> once = catalogue::read(path);
    FUZZ_CHECK(once.size() == read.size(), shown(read) + QStringLiteral("\n") + shown(once));
    for (qsizetype i = 0; i < once.size(); ++i)
        FUZZ_CHECK(once[i].code == read[i].code || read[i].code < 0 || read[i].code > 99,
                   shown(read) + QStringLiteral("\n") + shown(once));
    catalogue::rewrite(path, once);
    const QList<CatalogueEntry> twice = catalogue::read(path);
    FUZZ_CHECK(same(once, twice), shown(once) + QStringLiteral("\n") + shown(twice));

    // The new form's line goes last; nothing before it moves.
    const int code = next == 0 ? 1 : next;
    const QString description = read.isEmpty() ? QStringLiteral(" nova ") : read.first().description;
    catalogue::append(path, code, description);
    const QList<CatalogueEntry> appended = catalogue::read(path);
    FUZZ_CHECK(appended.size() == once.size() + 1, shown(once) + QStringLiteral("\n") + shown(appended));
    FUZZ_CHECK(same(appended.mid(0, once.size()), once), shown(once) + QStringLiteral("\n") + shown(appended));
    FUZZ_CHECK(appended.last().code == code, shown(appended));
    return 0;
}
