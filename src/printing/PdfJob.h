#pragma once

#include "widgets/TaggedField.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace printing {

// A PDF of a form, made on a second thread so that its slow start overlaps the loading of
// the form: as soon as it is created, the thread reads the layouts and opens and measures
// their fonts by laying the empty form out once; finish() hands over the form's values,
// and the thread lays the filled form out, draws it and writes the file. The margins come
// from the settings file as for printing; with SOURCE_DATE_EPOCH set, the creation date
// and every printed date are that instant, so the same form always gives the same bytes.
class PdfJob {
public:
    PdfJob(const QStringList &layoutNames, const QString &pdfPath, const QString &settingsFile);
    // Stops a job that was never finished; nothing is written then.
    ~PdfJob();
    PdfJob(const PdfJob &) = delete;
    PdfJob &operator=(const PdfJob &) = delete;

    // Takes the values of the fields now and waits for the file. On failure returns false
    // with a message in Portuguese in *error and leaves no file under pdfPath. Call once.
    bool finish(const widgets::TaggedFields &fields, QString *error);

private:
    struct Work;
    std::unique_ptr<Work> m_work;
};

} // namespace printing
