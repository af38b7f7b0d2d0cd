#pragma once

#include <QString>

namespace app {

// What `fichas --version` prints: the package's name and version, from the build.
inline QString versionText() { return QStringLiteral("fichas " FICHAS_VERSION "\n"); }

// The licence the package is distributed under, as the About box states it.
inline const QString kLicenceText =
    QStringLiteral("Licença: GNU GPL, versão 3 ou posterior (GPL-3.0-or-later); sem garantia.");

} // namespace app
