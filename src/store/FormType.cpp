#include "store/FormType.h"

#include "platform/ProgramFolder.h"

#include <array>

namespace store {

namespace {
const std::array<FormTypeInfo, 4> &table()
{
    static const std::array<FormTypeInfo, 4> types{{
        {FormType::FAC, QStringLiteral("Ficha de Atualização Cadastral - FAC"), QStringLiteral("FAC"),
         QStringLiteral("Abrir - FAC"), QStringLiteral("Lista_Fac.fac"), QStringLiteral("Fac_"),
         QStringLiteral(".fac"), QStringLiteral("FAC - Ficha de Atualização Cadastral"),
         QStringLiteral("SALVAR - FAC"), {5, 5},
         {QStringLiteral("TRl_Fac_1"), QStringLiteral("TRl_Fac_2")}},
        {FormType::FACA, QStringLiteral("Ficha de Atualização Cadastral da Agropecuária - FACA"),
         QStringLiteral("FACA"), QStringLiteral("Abrir - FACA"), QStringLiteral("Lista_Faca.fca"),
         QStringLiteral("Faca_"), QStringLiteral(".fca"),
         QStringLiteral("FACA - Ficha de Atualização Cadastral da Agropecuária"),
         QStringLiteral("Salvar - FACA"), {2, 0}, {QStringLiteral("TRl_Faca")}},
        {FormType::FAS, QStringLiteral("Ficha Auxiliar de Sócios - FAS"), QStringLiteral("FAS"),
         QStringLiteral("Abrir - FAS"), QStringLiteral("Lista_Fas.fas"), QStringLiteral("Fas_"),
         QStringLiteral(".fas"), QStringLiteral("FAS - Ficha Auxiliar de Sócios"),
         QStringLiteral("Salvar - FAS"), {2, 2}, {QStringLiteral("TRl_Fas")}},
        {FormType::FCA, QStringLiteral("Ficha Complementar da Agropecuária - FCA"), QStringLiteral("FCA"),
         QStringLiteral("Abrir - FCA"), QStringLiteral("Lista_Fca.fca"), QStringLiteral("Fca_"),
         QStringLiteral(".fca"), QStringLiteral("FCA - Ficha Complementar da Agropecuária"),
         QStringLiteral("Salvar - FCA"), {3, 3}, {QStringLiteral("TRl_Fca")}},
    }};
    return types;
}
} // namespace

const FormTypeInfo &formTypeInfo(FormType type) { return table()[static_cast<size_t>(type)]; }

int formTypeCount() { return int(table().size()); }

QString formTypeChoice()
{
    QStringList names;
    for (const auto &t : table())
        names.append(t.shortName);
    return names.join(QLatin1Char('|'));
}

const FormTypeInfo *formTypeAt(int index)
{
    if (index < 0 || index >= int(table().size()))
        return nullptr;
    return &table()[static_cast<size_t>(index)];
}

const FormTypeInfo *formTypeNamed(const QString &shortName)
{
    for (const auto &t : table())
        if (t.shortName.compare(shortName, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QString catalogueFilePath(const QString &dataFolder, FormType type)
{
    return platform::ProgramFolder::join(dataFolder, formTypeInfo(type).catalogueFile);
}

QString recordFilePath(const QString &dataFolder, FormType type, int code)
{
    const auto &t = formTypeInfo(type);
    return platform::ProgramFolder::join(dataFolder, t.recordPrefix + QString::number(code) + t.extension);
}

} // namespace store
