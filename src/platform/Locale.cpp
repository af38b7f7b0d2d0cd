#include "platform/Locale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace platform {

void installBrazilianLocale()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

void installQtTranslation(QCoreApplication *app)
{
    auto *translator = new QTranslator(app);
    if (translator->load(QStringLiteral("qtbase_pt_BR"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

QString formatShortDate(const QDate &date) { return date.toString(kShortDateFormat); }

QDate parseShortDate(const QString &text)
{
    // Day, month and year separated by "/", as typed into a date field; the year may
    // have two digits (read as 19xx/20xx around the current century) or four.
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})\\s*/\\s*(\\d{1,2})\\s*/\\s*(\\d{1,4})\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return {};
    int year = m.captured(3).toInt();
    if (m.captured(3).size() <= 2)
        year += year < 50 ? 2000 : 1900;
    return QDate(year, m.captured(2).toInt(), m.captured(1).toInt());
}

} // namespace platform
