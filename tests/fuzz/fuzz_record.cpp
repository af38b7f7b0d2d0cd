// The record engine with real fields of each form type: whatever a record file holds,
// loading it, saving, loading that and saving again gives the same bytes twice.
#include "FuzzSupport.h"

#include "editors/common/FieldBinding.h"
#include "platform/RaisedError.h"
#include "platform/TextFile.h"
#include "store/RecordFile.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QWidget>


using widgets::FieldKind;

namespace {

const QStringList kStates{"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
                          "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};

// One field of a representative editor: its tag, kind, and mask (masked field), items
// (combo, "|" between them) or maximum length (text field, 0 for none).
struct Row {
    int tag;
    FieldKind kind;
    const char *shape;
    int maxLength;
};

// Each form type's kinds of field, with the masks, lists and tag ranges it uses.
const QList<Row> kFac{
    {401, FieldKind::Text, "", 60},       {402, FieldKind::Masked, "!99.999.999/9999-99;1; ", 0},
    {403, FieldKind::Masked, "!999.999.99-9;1; ", 0}, {404, FieldKind::Masked, "!99/99/9999;1; ", 0},
    {405, FieldKind::Combo, "states", 0}, {406, FieldKind::Combo, "NÃO|SIM", 0},
    {501, FieldKind::RichText, "", 0},    {601, FieldKind::Masked, "!99999-999;1; ", 0},
    {602, FieldKind::Masked, "!(99)9999-9999;1; ", 0}, {70223, FieldKind::Masked, "!999.999.999-99;1; ", 0},
    {0, FieldKind::Text, "", 0},          {99, FieldKind::Other, "", 0},
};
const QList<Row> kFaca{
    {1, FieldKind::Text, "", 50},         {2, FieldKind::Masked, "!999.999.99-9;0; ", 0},
    {3, FieldKind::Combo, "Sim |Não", 0}, {7, FieldKind::Combo, "states+blank", 0},
    {8, FieldKind::Masked, "!99/99/9999;1; ", 0}, {9, FieldKind::Masked, "!99999-999;1; ", 0},
    {50, FieldKind::Text, "", 0},
};
const QList<Row> kFas{
    {1, FieldKind::Text, "", 40},         {2, FieldKind::Masked, "!99999999999999;0; ", 0},
    {3, FieldKind::Combo, "CPF|CNPJ", 0}, {4, FieldKind::Masked, "!99/99/9999;1; ", 0},
    {5, FieldKind::Text, "", 6},          {6, FieldKind::Combo, "states+EX", 0},
    {59, FieldKind::Masked, "!(99)9999-9999;1; ", 0},
};
const QList<Row> kFca{
    {1, FieldKind::Text, "", 45},         {2, FieldKind::Masked, "!999.999.999-99;1; ", 0},
    {45, FieldKind::Combo, "states", 0},  {46, FieldKind::Masked, "!99/99/9999;1; ", 0},
    {100, FieldKind::Text, "", 0},        {200, FieldKind::Masked, "!99999-999;1; ", 0},
    {315, FieldKind::Combo, "states+blank", 0},
};

QStringList itemsFor(const QString &shape)
{
    if (shape == QLatin1String("states"))
        return kStates;
    if (shape == QLatin1String("states+blank"))
        return kStates + QStringList{" "};
    if (shape == QLatin1String("states+EX"))
        return kStates + QStringList{"EX"};
    return shape.split(QLatin1Char('|'));
}

// The fields of one form type, made once and never destroyed (like the application):
// the window owns them.
struct Form {
    QWidget *window = nullptr;
    store::RecordFile *record = nullptr;
    editors::FieldBinding *binding = nullptr;

    // As the editor loads a record: line by line into the fields.
    void load(const QString &path) const
    {
        for (const QString &text : platform::textfile::readLines(path))
            if (const auto line = record->parse(text))
                binding->put(*line);
    }
    void save(const QString &path) const { record->save(path, binding->read()); }
};

// Each form's rows in its record format (tag width, list index digits).
struct Kind {
    const QList<Row> &rows;
    store::RecordFormat format;
};
const Kind kKinds[4] = {{kFac, {5, 5}}, {kFaca, {2, 0}}, {kFas, {2, 2}}, {kFca, {3, 3}}};

Form build(const Kind &kind)
{
    const QList<Row> &rows = kind.rows;
    Form form;
    form.window = new QWidget;
    widgets::TaggedFields fields;
    for (const Row &r : rows) {
        QWidget *w = nullptr;
        switch (r.kind) {
        case FieldKind::Text: {
            auto *edit = new QLineEdit(form.window);
            if (r.maxLength > 0)
                edit->setMaxLength(r.maxLength);
            w = edit;
            break;
        }
        case FieldKind::Masked: {
            auto *edit = new widgets::TMaskEdit(form.window);
            edit->SetEditMask(QString::fromUtf8(r.shape));
            w = edit;
            break;
        }
        case FieldKind::Combo: {
            auto *combo = new widgets::TIncCombo(form.window);
            combo->SetItems(itemsFor(QString::fromUtf8(r.shape)));
            w = combo;
            break;
        }
        case FieldKind::RichText: w = new QTextEdit(form.window); break;
        default: w = new QLabel(QStringLiteral("rótulo"), form.window); break;
        }
        fields.append({r.tag, r.kind, w});
    }
    form.record = new store::RecordFile(kind.format);
    form.binding = new editors::FieldBinding(fields);
    return form;
}

Form &formOf(int kind)
{
    static Form forms[4] = {build(kKinds[0]), build(kKinds[1]), build(kKinds[2]), build(kKinds[3])};
    return forms[kind];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::startQt();
    if (size < 1)
        return 0;
    const Form &record = formOf(data[0] % 4);
    record.binding->clear();
    const QString input = fuzz::writeScratch(QStringLiteral("input"), fuzz::bytesOf(data + 1, size - 1));
    try {
        record.load(input);
    } catch (const platform::RaisedError &) {
        return 0;  // refused as a whole: the editor sets such a file aside
    }
    const QString first = fuzz::scratchPath(QStringLiteral("first"));
    record.save(first);
    record.binding->clear();
    try {
        record.load(first);
    } catch (const platform::RaisedError &e) {
        fuzz::fail("a saved record loads again", e.message());
    }
    const QString second = fuzz::scratchPath(QStringLiteral("second"));
    record.save(second);
    const QByteArray a = fuzz::readScratch(QStringLiteral("first")), b = fuzz::readScratch(QStringLiteral("second"));
    FUZZ_CHECK(a == b, QStringLiteral("first save:\n%1\nsecond save:\n%2")
                           .arg(QString::fromLatin1(a.toPercentEncoding(" \r\n")),
                                QString::fromLatin1(b.toPercentEncoding(" \r\n"))));
    return 0;
}
