#pragma once

#include <QDate>
#include <QString>

class QCoreApplication;

namespace platform {

// The short date format of the whole program, whatever the user's environment says.
inline const QString kShortDateFormat = QStringLiteral("dd/MM/yyyy");

// Brazilian number format (decimal comma, full stop between thousands) for the
// whole process.
void installBrazilianLocale();

// Loads Qt's own Brazilian Portuguese texts ("Sim", "Não", "Cancelar").
void installQtTranslation(QCoreApplication *app);

QString formatShortDate(const QDate &date);
// Parses day/month/year as the short date format does; an invalid QDate when it fails.
QDate parseShortDate(const QString &text);

} // namespace platform
