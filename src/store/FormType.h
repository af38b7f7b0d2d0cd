#pragma once

#include "store/RecordFormat.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace store {

// Everything that a form type is below its editor: captions, files and the record format.
// Each type keeps its own beside its editor.
struct FormTypeInfo {
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

// One form type, told apart from the others by the one FormTypeInfo it stands for; a
// default-made type is none.
class FormType {
public:
    FormType() = default;
    explicit FormType(const FormTypeInfo &info) : m_info(&info) {}

    const FormTypeInfo *operator->() const { return m_info; }
    explicit operator bool() const { return m_info != nullptr; }
    friend bool operator==(const FormType &, const FormType &) = default;
    friend bool operator<(const FormType &a, const FormType &b)
    {
        return std::less<const FormTypeInfo *>()(a.m_info, b.m_info);
    }

private:
    const FormTypeInfo *m_info = nullptr;
};

// The form types the program has, in the main window's order.
class FormTypes {
public:
    FormTypes() = default;
    explicit FormTypes(QList<FormType> types) : m_types(std::move(types)) {}

    int count() const { return int(m_types.size()); }
    // The type at an index; none outside 0..count() - 1.
    FormType at(int index) const { return index >= 0 && index < count() ? m_types.at(index) : FormType(); }
    // The type of a short name in any case ("fca", "FCA"); none when there is no such type.
    FormType named(const QString &shortName) const;
    // The short names as the commands take them: "FAC|FACA|FAS|FCA".
    QString choice() const;

    QList<FormType>::const_iterator begin() const { return m_types.begin(); }
    QList<FormType>::const_iterator end() const { return m_types.end(); }

private:
    QList<FormType> m_types;
};

// <data folder>/<catalogue file>
QString catalogueFilePath(const QString &dataFolder, FormType type);
// <data folder>/<prefix><code><extension>, the code in decimal without leading zeros.
QString recordFilePath(const QString &dataFolder, FormType type, int code);

} // namespace store
