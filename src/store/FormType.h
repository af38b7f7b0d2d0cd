#pragma once

#include <QString>

namespace store {

// The four form types, by their index in the main window's list.
enum class FormType { FAC = 0, FACA = 1, FAS = 2, FCA = 3 };

// Everything that a form type selects: files, captions and the record format.
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
};

const FormTypeInfo &formTypeInfo(FormType type);
// The type for an index 0..3, or nullptr.
const FormTypeInfo *formTypeAt(int index);
// The type for a short name in any case ("fca", "FCA"), or nullptr.
const FormTypeInfo *formTypeNamed(const QString &shortName);

// <data folder>/<catalogue file>
QString catalogueFilePath(const QString &dataFolder, FormType type);
// <data folder>/<prefix><code><extension>, the code in decimal without leading zeros.
QString recordFilePath(const QString &dataFolder, FormType type, int code);

} // namespace store
