#include "printing/PdfDate.h"

#include <QTimeZone>

namespace printing {

namespace {

// One entry of a classic cross-reference table: "oooooooooo ggggg n" and a two-byte end.
constexpr int kXrefEntrySize = 20;

bool isDigits(const QByteArray &bytes, qsizetype from, qsizetype count)
{
    if (from < 0 || from + count > bytes.size())
        return false;
    for (qsizetype i = from; i < from + count; ++i)
        if (bytes.at(i) < '0' || bytes.at(i) > '9')
            return false;
    return true;
}

} // namespace

QByteArray setPdfCreationDate(const QByteArray &pdf, const QDateTime &when)
{
    static const QByteArray key("/CreationDate (");
    const qsizetype keyAt = pdf.indexOf(key);
    if (keyAt < 0)
        return pdf;
    const qsizetype start = keyAt + key.size();
    const qsizetype end = pdf.indexOf(')', start);
    if (end < 0)
        return pdf;
    const QByteArray date = "D:" + when.toTimeZone(QTimeZone::utc()).toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z";
    const qsizetype delta = date.size() - (end - start);

    QByteArray out = pdf.left(start) + date + pdf.mid(end);
    if (delta == 0)
        return out;

    // Objects behind the date moved by delta: so do their offsets and the table's own.
    const qsizetype xrefAt = out.lastIndexOf("\nxref\n");
    const qsizetype startxrefAt = out.lastIndexOf("startxref\n");
    if (xrefAt < 0 || startxrefAt < 0)
        return out;
    qsizetype line = out.indexOf('\n', xrefAt + 6);   // after the "first count" line
    while (line >= 0 && isDigits(out, line + 1, 10) && out.at(line + 11) == ' ') {
        const qsizetype entry = line + 1;
        const qint64 offset = out.mid(entry, 10).toLongLong();
        if (out.at(entry + 17) == 'n' && offset > start)
            out.replace(entry, 10, QByteArray::number(offset + delta).rightJustified(10, '0'));
        line = entry + kXrefEntrySize - 1;
        if (line >= out.size() || out.at(line) != '\n')
            break;
    }
    const qsizetype numberAt = startxrefAt + 10;
    qsizetype numberEnd = numberAt;
    while (numberEnd < out.size() && out.at(numberEnd) >= '0' && out.at(numberEnd) <= '9')
        ++numberEnd;
    const qint64 xrefOffset = out.mid(numberAt, numberEnd - numberAt).toLongLong();
    out.replace(numberAt, numberEnd - numberAt, QByteArray::number(xrefOffset + delta));
    return out;
}

} // namespace printing
