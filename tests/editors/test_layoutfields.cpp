#include "editors/EditorFactory.h"
#include "editors/common/EditorBase.h"
#include "editors/common/FieldValues.h"
#include "printing/LayoutLoader.h"
#include "store/FormType.h"
#include "validation/TFm_Funcoes.h"

#include <QtTest>

#include <memory>

// Every print layout against the editor that prints it, built as the program builds it:
// each data label must find a field of its Tag that prints a value of its own.
class TestLayoutFields : public QObject {
    Q_OBJECT
private slots:
    void dataLabelsMatchTheEditorsFields_data();
    void dataLabelsMatchTheEditorsFields();
    void eachFormTypeHasItsOwnFilesAndLayouts();
};

void TestLayoutFields::dataLabelsMatchTheEditorsFields_data()
{
    QTest::addColumn<QString>("layout");
    for (const QString &name : printing::LayoutLoader::names())
        QTest::newRow(qPrintable(name)) << name;
}

void TestLayoutFields::dataLabelsMatchTheEditorsFields()
{
    QFETCH(QString, layout);
    editors::EditorFactory factory;
    editors::registerEditors(factory);
    validation::TFm_Funcoes funcoes;

    std::unique_ptr<editors::FichaEditor> owner;
    editors::EditorBase *editor = nullptr;
    for (int i = 0; editors::formTypes().at(i) && !editor; ++i) {
        std::unique_ptr<editors::FichaEditor> created(factory.create(editors::formTypes().at(i), nullptr, funcoes));
        auto *base = qobject_cast<editors::EditorBase *>(created.get());
        if (!base)
            continue;
        for (const printing::PrintLayout &printed : base->printLayouts())
            if (printed.name == layout) {
                editor = base;
                owner = std::move(created);
            }
    }
    QVERIFY2(editor, qPrintable(layout + QStringLiteral(" is printed by no editor")));

    printing::Layout loaded = printing::LayoutLoader::load(layout);
    QStringList missing;
    loaded.forEachElement([&](printing::Element &e) {
        const auto *label = std::get_if<printing::TextLabel>(&e);
        if (!label || label->tag <= 0)
            return;
        bool printsValue = false;
        for (const widgets::TaggedField &field : editor->recordFields())
            if (field.tag == label->tag) {
                printsValue = editors::FieldValues::valueOf(field).has_value();
                break;
            }
        if (!printsValue)
            missing << QString::number(label->tag);
    });
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1: no printing field for Tag %2")
                                               .arg(layout, missing.join(QStringLiteral(", ")))));
}

// A registered type that shares a name or a file with another would read or clean up the
// other's forms; one that names a missing layout could not print.
void TestLayoutFields::eachFormTypeHasItsOwnFilesAndLayouts()
{
    QSet<QString> seen;
    for (store::FormType t : editors::formTypes()) {
        for (const QString &own : {t->shortName.toUpper(), t->catalogueFile, t->recordPrefix + t->extension}) {
            QVERIFY2(!seen.contains(own), qPrintable(t->shortName + QStringLiteral(" shares ") + own));
            seen.insert(own);
        }
        QVERIFY(!t->layouts.isEmpty());
        for (const QString &layout : t->layouts)
            QVERIFY2(printing::LayoutLoader::names().contains(layout), qPrintable(layout));
    }
}

QTEST_MAIN(TestLayoutFields)
#include "test_layoutfields.moc"
