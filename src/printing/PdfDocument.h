#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QPageSize>
#include <QPaintDevice>
#include <QString>

#include <memory>

namespace printing {

class PdfPaintEngine;

// A PDF document that QPainter draws on like a printer page: pages of a fixed size, drawn at
// `resolution` dots per inch, TrueType fonts embedded (only the glyphs used), texts selectable.
// Written by hand instead of through QPdfWriter, whose font embedding looks up every code
// point of every font and costs the pdf command most of its start-up time.
//
// Each QPainter::begin() starts a new document; data() holds it once the painter has ended.
// The same drawing gives the same bytes: nothing in the file depends on the clock or on
// chance (the creation date is the caller's).
class PdfDocument : public QPaintDevice {
public:
    explicit PdfDocument(const QPageSize &pageSize = QPageSize(QPageSize::A4), int resolution = 1200);
    ~PdfDocument() override;

    void setTitle(const QString &title);
    void setCreator(const QString &creator);
    // Written as /CreationDate with the offset of the given time; left out while invalid.
    void setCreationDate(const QDateTime &when);

    // While a painter is active: ends the current page and starts the next. False otherwise.
    bool newPage();

    // The complete PDF file; empty before the first painter has ended and while one is active.
    QByteArray data() const;

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    friend class PdfPaintEngine;

    QPageSize m_pageSize;
    int m_resolution;
    QString m_title;
    QString m_creator;
    QDateTime m_creationDate;
    std::unique_ptr<PdfPaintEngine> m_engine;
};

} // namespace printing
