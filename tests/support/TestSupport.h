#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

namespace testsupport {

// Reads a whole file as bytes (empty when missing).
QByteArray readBytes(const QString &path);
// Writes bytes to a file, creating its folder.
void writeBytes(const QString &path, const QByteArray &bytes);

// This process's environment without a display, as a script or a cron job runs the
// program; with SOURCE_DATE_EPOCH set to epoch when one is given.
QProcessEnvironment headlessEnvironment(const QString &epoch = {});

} // namespace testsupport
