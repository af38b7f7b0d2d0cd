#pragma once

#include "store/RecordFormat.h"

#include <QString>
#include <QStringList>

namespace store {

// The four form types, by their index in the main window's list.
enum class FormType { FAC = 0, FACA = 1, FAS = 2, FCA = 3 };

// Everything that a form type is below its editor: captions, files and the record format.
struct FormTypeInfo {
    FormType type;
    QString radioCaption;
    QString shortName;
    QString openCaption;
    QString catalogueFile;
    QString recordPrefix;
    QString extension;       // with the dot
    QString editorCaption;
    QString saveCaption;
    RecordFormat record;
    QStringList layouts;     // the print layouts of its pages, in printing order
};

const FormTypeInfo &formTypeInfo(FormType type);
// How many form types there are, and the type for an index 0..formTypeCount() - 1, or nullptr.
int formTypeCount();
const FormTypeInfo *formTypeAt(int index);
// The short names as the commands take them: "FAC|FACA|FAS|FCA".
QString formTypeChoice();
// The type for a short name in any case ("fca", "FCA"), or nullptr.
const FormTypeInfo *formTypeNamed(const QString &shortName);

// <data folder>/<catalogue file>
QString catalogueFilePath(const QString &dataFolder, FormType type);
// <data folder>/<prefix><code><extension>, the code in decimal without leading zeros.
QString recordFilePath(const QString &dataFolder, FormType type, int code);

} // namespace store
