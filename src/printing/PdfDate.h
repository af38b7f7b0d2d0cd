#pragma once

#include <QByteArray>
#include <QDateTime>

namespace printing {

// Qt's PDF writer stamps the document with the current time and has no way to set it.
// Rewrites the /CreationDate of a finished PDF to the given instant (as UTC) and shifts
// the cross-reference offsets that follow it, so the same form rendered with a fixed
// SOURCE_DATE_EPOCH gives the same bytes. A PDF without the entry is returned as is.
QByteArray setPdfCreationDate(const QByteArray &pdf, const QDateTime &when);

} // namespace printing
