#pragma once

#include <QByteArray>
#include <QString>

namespace testsupport {

// Reads a whole file as bytes (empty when missing).
QByteArray readBytes(const QString &path);
// Writes bytes to a file, creating its folder.
void writeBytes(const QString &path, const QByteArray &bytes);

} // namespace testsupport
