#pragma once

#include <QString>
#include <QStringList>

// Masks and lists that more than one form's fields use.
namespace editors {

inline const QString kMaskCep = QStringLiteral("!99999-999;1; ");
inline const QString kMaskTelefone = QStringLiteral("!(99)9999-9999;1; ");
inline const QString kMaskData = QStringLiteral("!99/99/9999;1; ");

// The 27 state codes, "AC" to "TO", in alphabetical order.
const QStringList &estados();

} // namespace editors
