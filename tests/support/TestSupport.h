#pragma once

#include "store/FormType.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace testsupport {

// Reads a whole file as bytes (empty when missing).
QByteArray readBytes(const QString &path);
// Writes bytes to a file, creating its folder.
void writeBytes(const QString &path, const QByteArray &bytes);

// The lines of a golden record of tests/editors/data ("Fca_1"), decoded from Windows-1252.
QStringList goldenLines(const QString &golden);
// The program's form type of a short name ("FCA").
store::FormType formType(const char *shortName);
// A saved form with code 1 in the data folder of `pasta`: its catalogue lists it, and its
// record holds the lines, written in Windows-1252 with CR LF between them.
void writeSavedForm(const QString &pasta, const QString &form, const QStringList &lines);

// This process's environment without a display, as a script or a cron job runs the
// program; with SOURCE_DATE_EPOCH set to epoch when one is given.
QProcessEnvironment headlessEnvironment(const QString &epoch = {});

} // namespace testsupport
