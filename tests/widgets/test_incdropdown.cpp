#include "widgets/DropDownLayout.h"
#include "widgets/DropDownOptions.h"
#include "widgets/IncCombo.h"
#include "widgets/IncDropDownList.h"
#include "widgets/IncSearch.h"

#include "platform/Locale.h"
#include "platform/RaisedError.h"

#include <QFontMetrics>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace widgets;

namespace {

QStringList numbered(int n)
{
    QStringList items;
    for (int i = 1; i <= n; ++i)
        items << QStringLiteral("ITEM %1").arg(i, 2, 10, QLatin1Char('0'));
    return items;
}

// A shown, active window holding one combo.
struct Window {
    QWidget window;
    TIncCombo *combo = new TIncCombo(&window);

    explicit Window(const QStringList &items)
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(combo);
        combo->SetItems(items);
        window.resize(200, 60);
        window.show();
        window.activateWindow();
    }
    bool active() { return QTest::qWaitForWindowActive(&window); }
    TIncDropDownList *open()
    {
        combo->setFocus();
        combo->DropDown();
        return combo->DropDownList();
    }
};

} // namespace

class TestIncDropDown : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { platform::installBrazilianLocale(); }
    void columns_data();
    void columns();
    void automaticWidths();
    void columnLayout_data();
    void columnLayout();
    void colWidthsRefused_data();
    void colWidthsRefused();
    void rowsAndScrollBar_data();
    void rowsAndScrollBar();
    void placement_data();
    void placement();
    void centredTopRow_data();
    void centredTopRow();
    void sorting_data();
    void sorting();
    void sortedComboKeepsValuesAndChoice();
    void listColumnsFromItems();
    void openListCentresChoice();
    void optionsApplyAtOnce();
    void clickChoosesAndCloses();
    void dragSelectsAtOnce();
    void holdingOutsideScrolls();
    void readOnlyListIgnoresButton();
};

void TestIncDropDown::columns_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("columns");
    QTest::newRow("tab wins over ;") << "AC\tAcre;Norte" << QStringList{"AC", "Acre;Norte"};
    QTest::newRow("; without a tab") << "AC;Acre" << QStringList{"AC", "Acre"};
    QTest::newRow("single column") << "SOCIEDADE CIVIL" << QStringList{"SOCIEDADE CIVIL"};
    QTest::newRow("blank entry") << " " << QStringList{" "};
    QTest::newRow("empty middle column") << "1;;3" << QStringList{"1", "", "3"};
}

void TestIncDropDown::columns()
{
    QFETCH(QString, item);
    QFETCH(QStringList, columns);
    QCOMPARE(splitColumns(item), columns);
    QCOMPARE(firstColumn(item), columns.first());
}

void TestIncDropDown::automaticWidths()
{
    const TextWidth tenPerChar = [](const QString &s) { return int(s.size()) * 10; };
    const TextWidth twelvePerChar = [](const QString &s) { return int(s.size()) * 12; };
    // Widest text of each column + 8; titles measured with their own font and counted.
    const ColumnMeasure m = measureColumns({"AB;CDE", "X;Y;ZZZZ", "ABC"}, "Sigla;Nome", tenPerChar, twelvePerChar);
    QCOMPARE(m.count, 3);
    QCOMPARE(m.autoWidths, (QList<int>{5 * 12 + 8, 4 * 12 + 8, 40 + 8}));

    const ColumnMeasure titlesOnly = measureColumns({"A"}, "1;2;3;4", tenPerChar, tenPerChar);
    QCOMPARE(titlesOnly.count, 4);
    const ColumnMeasure none = measureColumns({}, QString(), tenPerChar, tenPerChar);
    QCOMPARE(none.count, 1);
    QCOMPARE(none.autoWidths, QList<int>{8});
}

void TestIncDropDown::columnLayout_data()
{
    QTest::addColumn<QList<int>>("colChars");
    QTest::addColumn<int>("colCount");
    QTest::addColumn<bool>("colLines");
    QTest::addColumn<int>("optionWidth");
    QTest::addColumn<int>("comboWidth");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<int>("listWidth");

    // Automatic widths 30 and 50; "0" is 7 wide; overhang 0; border 2 on each side.
    QTest::newRow("automatic") << QList<int>{} << 0 << false << 0 << 50 << QList<int>{34, 54} << 92;
    QTest::newRow("at least the combo's width")
        << QList<int>{} << 0 << false << 0 << 120 << QList<int>{34, 82} << 120;
    QTest::newRow("exactly the combo's width")
        << QList<int>{} << 0 << false << -1 << 60 << QList<int>{34, 22} << 60;
    QTest::newRow("width in pixels") << QList<int>{} << 0 << false << 200 << 60 << QList<int>{34, 162} << 200;
    QTest::newRow("width in characters") << QList<int>{10, -1} << 0 << false << 0 << 50 << QList<int>{74, 54}
                                         << 132;
    QTest::newRow("column lines between columns") << QList<int>{} << 0 << true << 0 << 50 << QList<int>{34, 54}
                                                  << 93;
    QTest::newRow("fixed column count") << QList<int>{} << 3 << false << 0 << 50 << QList<int>{34, 54, 12}
                                        << 104;
}

void TestIncDropDown::columnLayout()
{
    QFETCH(QList<int>, colChars);
    DropDownLayoutInput in;
    in.measure.count = 2;
    in.measure.autoWidths = {30, 50};
    in.colChars = colChars;
    QFETCH(int, colCount);
    in.colCount = colCount;
    QFETCH(bool, colLines);
    in.colLines = colLines;
    in.zeroWidth = 7;
    in.itemTextHeight = 13;
    in.itemCount = 3;
    in.scrollBarWidth = 16;
    QFETCH(int, optionWidth);
    in.optionWidth = optionWidth;
    QFETCH(int, comboWidth);
    in.comboWidth = comboWidth;
    const DropDownLayout out = layoutDropDown(in);
    QTEST(out.colWidths, "widths");
    QTEST(out.size.width(), "listWidth");
}

void TestIncDropDown::colWidthsRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letter") << "10;x";
    QTest::newRow("negative") << "-1";
    QTest::newRow("fraction") << "2,5\t3";
    QTest::newRow("digits then letters") << "12a";
}

void TestIncDropDown::colWidthsRefused()
{
    QFETCH(QString, text);
    TListBoxOptions options;
    options.SetColWidths(QStringLiteral("10;;5"));
    QCOMPARE(options.ColumnChars(), (QList<int>{10, -1, 5}));
    QSignalSpy changed(&options, &TDropDownOptions::Changed);
    try {
        options.SetColWidths(text);
        QFAIL("accepted a bad column width");
    } catch (const platform::RaisedError &e) {
        QCOMPARE(e.message(), QStringLiteral("Invalid integer value for a column width."));
    }
    QCOMPARE(options.ColWidths(), QStringLiteral("10;;5"));
    QCOMPARE(options.ColumnChars(), (QList<int>{10, -1, 5}));
    QCOMPARE(changed.count(), 0);
}

void TestIncDropDown::rowsAndScrollBar_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("scrollBar");
    QTest::newRow("3 items") << 3 << 3 << false;
    QTest::newRow("8 items") << 8 << 7 << true;
    QTest::newRow("20 items") << 20 << 7 << true;
}

void TestIncDropDown::rowsAndScrollBar()
{
    QFETCH(int, items);
    Window w(numbered(items));
    QVERIFY(w.active());
    TIncDropDownList *list = w.open();
    QVERIFY(list && list->isVisible());
    QTEST(list->VisibleRows(), "rows");
    QTEST(list->ScrollBarShown(), "scrollBar");
    QCOMPARE(list->ColumnCount(), 1);

    const int rowHeight = QFontMetrics(w.combo->font()).height() + 3;
    QFETCH(int, rows);
    QCOMPARE(list->height(), rows * (rowHeight + 1) + 4);
    QVERIFY(list->width() >= w.combo->width());
    // The last visible row lies inside the list.
    QVERIFY(list->rect().contains(list->RowRect(rows - 1)));
}

void TestIncDropDown::placement_data()
{
    QTest::addColumn<QRect>("field");
    QTest::addColumn<QSize>("list");
    QTest::addColumn<int>("alignH");
    QTest::addColumn<int>("alignV");
    QTest::addColumn<QPoint>("topLeft");

    const QSize list(120, 150);
    QTest::newRow("below, left edges") << QRect(100, 100, 80, 20) << list << int(daLeft) << int(daBottom)
                                       << QPoint(100, 120);
    QTest::newRow("near the bottom: above") << QRect(100, 570, 80, 20) << list << int(daLeft) << int(daBottom)
                                            << QPoint(100, 420);
    QTest::newRow("near the bottom, no room above either")
        << QRect(100, 100, 80, 20) << QSize(120, 550) << int(daLeft) << int(daBottom) << QPoint(100, 120);
    QTest::newRow("above when asked") << QRect(100, 300, 80, 20) << list << int(daLeft) << int(daTop)
                                      << QPoint(100, 150);
    QTest::newRow("above asked, no room") << QRect(100, 50, 80, 20) << list << int(daLeft) << int(daTop)
                                          << QPoint(100, 70);
    QTest::newRow("near the right edge: right edges") << QRect(700, 100, 80, 20) << list << int(daLeft)
                                                      << int(daBottom) << QPoint(660, 120);
    QTest::newRow("right edges when asked") << QRect(300, 100, 80, 20) << list << int(daRight) << int(daBottom)
                                            << QPoint(260, 120);
    QTest::newRow("right asked, near the left edge") << QRect(10, 100, 80, 20) << list << int(daRight)
                                                     << int(daBottom) << QPoint(10, 120);
    QTest::newRow("wider than either side") << QRect(500, 100, 80, 20) << QSize(700, 150) << int(daLeft)
                                            << int(daBottom) << QPoint(0, 120);
}

void TestIncDropDown::placement()
{
    QFETCH(QRect, field);
    QFETCH(QSize, list);
    QFETCH(int, alignH);
    QFETCH(int, alignV);
    const QRect screen(0, 0, 800, 600);
    const QRect placed = placeDropDown(field, list, screen, THorizontalAlign(alignH), TVerticalAlign(alignV));
    QTEST(placed.topLeft(), "topLeft");
    QCOMPARE(placed.size(), list);
    QVERIFY(placed.left() >= screen.left() && placed.right() <= screen.right());
}

void TestIncDropDown::centredTopRow_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("top");
    QTest::newRow("all fit") << 5 << 7 << 0;
    QTest::newRow("near the start") << 2 << 20 << 0;
    QTest::newRow("middle") << 10 << 20 << 7;
    QTest::newRow("no empty rows at the end") << 19 << 20 << 13;
    QTest::newRow("nothing current") << -1 << 20 << 0;
}

void TestIncDropDown::centredTopRow()
{
    QFETCH(int, current);
    QFETCH(int, count);
    QTEST(widgets::centredTopRow(current, count, 7), "top");
}

void TestIncDropDown::sorting_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<bool>("useValues");
    QTest::addColumn<QStringList>("sortedItems");
    QTest::addColumn<QStringList>("sortedValues");

    QTest::newRow("values move with their items")
        << QStringList{"SIM", "talvez", QString::fromUtf8("NÃO")} << QStringList{"1", "2", "3"} << true
        << QStringList{QString::fromUtf8("NÃO"), "SIM", "talvez"} << QStringList{"3", "1", "2"};
    QTest::newRow("accents in the locale's order")
        << QStringList{"ÓRGÃO", "OUTROS", "ORDEM"} << QStringList{"a", "b", "c"} << false
        << QStringList{"ORDEM", "ÓRGÃO", "OUTROS"} << QStringList{"c", "a", "b"};
    QTest::newRow("different lengths with values: unsorted")
        << QStringList{"b", "a"} << QStringList{"1"} << true << QStringList{"b", "a"} << QStringList{"1"};
    QTest::newRow("different lengths without values: items only")
        << QStringList{"b", "a"} << QStringList{"1"} << false << QStringList{"a", "b"} << QStringList{"1"};
}

void TestIncDropDown::sorting()
{
    QFETCH(QStringList, items);
    QFETCH(QStringList, values);
    QFETCH(bool, useValues);
    sortItems(items, values, useValues);
    QTEST(items, "sortedItems");
    QTEST(values, "sortedValues");
}

void TestIncDropDown::sortedComboKeepsValuesAndChoice()
{
    TIncCombo combo;
    combo.SetUseValues(true);
    combo.SetItems({"SIM", QString::fromUtf8("NÃO")});
    combo.SetValues({"S", "N"});
    combo.SetItemIndex(0); // SIM
    combo.DropDownOptions()->SetSorted(true);
    QCOMPARE(combo.Items(), (QStringList{QString::fromUtf8("NÃO"), "SIM"}));
    QCOMPARE(combo.Values(), (QStringList{"N", "S"}));
    QCOMPARE(combo.ItemIndex(), 1);
    QCOMPARE(combo.Value(), QStringLiteral("S"));

    // An added item is sorted in, its value with it.
    combo.SetValues(combo.Values() << "A");
    combo.SetItems(combo.Items() << "AMBOS");
    QCOMPARE(combo.Items(), (QStringList{"AMBOS", QString::fromUtf8("NÃO"), "SIM"}));
    QCOMPARE(combo.Values(), (QStringList{"A", "N", "S"}));
    QCOMPARE(combo.Text(), QStringLiteral("SIM"));
    QCOMPARE(combo.ItemIndex(), 2);

    // Items without their values stay as given.
    combo.SetItems(combo.Items() << "ALGUM");
    QCOMPARE(combo.Items().last(), QStringLiteral("ALGUM"));
}

void TestIncDropDown::listColumnsFromItems()
{
    Window w({"AC\tAcre", "AL\tAlagoas;Norte", "AM;Amazonas"});
    QVERIFY(w.active());
    TListBoxOptions *o = w.combo->DropDownOptions();
    o->SetTitles(true);
    o->SetTitleText(QStringLiteral("UF;Nome"));
    TIncDropDownList *list = w.open();
    QCOMPARE(list->ColumnCount(), 2);
    QCOMPARE(list->CellText(1, 1), QStringLiteral("Alagoas;Norte"));
    QCOMPARE(list->CellText(2, 1), QStringLiteral("Amazonas"));
    QCOMPARE(list->TitleText(1), QStringLiteral("Nome"));
    const int rowHeight = QFontMetrics(w.combo->font()).height() + 3;
    const int titleHeight = QFontMetrics(o->TitleFont()).height() + 4;
    QCOMPARE(list->height(), 3 * (rowHeight + 1) + titleHeight + 5);
    // The title row chooses nothing; the field shows the first column.
    QCOMPARE(list->RowAt(QPoint(5, 4)), -1);
    QTest::mouseClick(list, Qt::LeftButton, {}, list->RowRect(1).center());
    QCOMPARE(w.combo->Text(), QStringLiteral("AL"));
    QCOMPARE(w.combo->ItemIndex(), 1);
}

void TestIncDropDown::openListCentresChoice()
{
    Window w(numbered(20));
    QVERIFY(w.active());
    w.combo->SetItemIndex(10);
    TIncDropDownList *list = w.open();
    QCOMPARE(list->CurrentRow(), 10);
    QCOMPARE(list->TopRow(), 7);
    // The list opens below the field, left edges aligned.
    const QPoint fieldBottomLeft = w.combo->mapToGlobal(QPoint(0, w.combo->height()));
    QCOMPARE(list->geometry().topLeft(), fieldBottomLeft);
    w.combo->CloseUp();

    // Nothing chosen: the best match of the text is current.
    w.combo->SetItemIndex(-1);
    w.combo->SetText(QStringLiteral("ITEM 1"));
    list = w.open();
    QCOMPARE(list->CurrentRow(), 9); // ITEM 10
}

void TestIncDropDown::optionsApplyAtOnce()
{
    Window w(numbered(20));
    QVERIFY(w.active());
    TIncDropDownList *list = w.open();
    QCOMPARE(list->VisibleRows(), 7);
    w.combo->DropDownOptions()->SetMaxRows(3);
    QCOMPARE(list->VisibleRows(), 3);
    w.combo->DropDownOptions()->SetWidth(300);
    QCOMPARE(list->width(), 300);
    w.combo->SetItems(numbered(2));
    QCOMPARE(list->VisibleRows(), 2);
    QVERIFY(!list->ScrollBarShown());
}

void TestIncDropDown::clickChoosesAndCloses()
{
    Window w(numbered(20));
    QVERIFY(w.active());
    QSignalSpy changes(w.combo, &TIncCombo::OnChange);
    QSignalSpy closeUp(w.combo, &TIncCombo::OnCloseUp);
    TIncDropDownList *list = w.open();
    QTest::mouseClick(list, Qt::LeftButton, {}, list->RowRect(3).center());
    QVERIFY(!list->isVisible());
    QCOMPARE(closeUp.count(), 1);
    QCOMPARE(w.combo->ItemIndex(), 3);
    QCOMPARE(w.combo->Text(), QStringLiteral("ITEM 04"));
    QCOMPARE(changes.count(), 1);
    QVERIFY(w.combo->hasFocus());
}

void TestIncDropDown::dragSelectsAtOnce()
{
    Window w(numbered(20));
    QVERIFY(w.active());
    TIncDropDownList *list = w.open();
    QTest::mousePress(list, Qt::LeftButton, {}, list->RowRect(1).center());
    QCOMPARE(w.combo->ItemIndex(), 1); // at once, list still open
    QVERIFY(list->isVisible());
    QTest::mouseMove(list, list->RowRect(4).center());
    QCOMPARE(w.combo->ItemIndex(), 4);
    QTest::mouseRelease(list, Qt::LeftButton, {}, list->RowRect(4).center());
    QCOMPARE(w.combo->ItemIndex(), 4);
    QVERIFY(!list->isVisible());
}

void TestIncDropDown::holdingOutsideScrolls()
{
    Window w(numbered(20));
    QVERIFY(w.active());
    TIncDropDownList *list = w.open();
    QTest::mousePress(list, Qt::LeftButton, {}, list->RowRect(6).center());
    QTest::mouseMove(list, QPoint(list->width() / 2, list->height() + 30));
    QTRY_VERIFY_WITH_TIMEOUT(list->TopRow() >= 2, 3000);
    const int chosen = w.combo->ItemIndex();
    QCOMPARE(chosen, list->TopRow() + list->VisibleRows() - 1);
    QTest::mouseRelease(list, Qt::LeftButton, {}, QPoint(list->width() / 2, list->height() + 30));
    QVERIFY(!list->isVisible());
    QVERIFY(w.combo->ItemIndex() >= chosen);
}

void TestIncDropDown::readOnlyListIgnoresButton()
{
    Window w(numbered(5));
    QVERIFY(w.active());
    w.combo->SetReadOnly(true);
    w.combo->SetItemIndex(0);
    TIncDropDownList *list = w.open();
    QTest::mouseClick(list, Qt::LeftButton, {}, list->RowRect(2).center());
    QCOMPARE(w.combo->ItemIndex(), 0);
    QVERIFY(list->isVisible());
}

QTEST_MAIN(TestIncDropDown)
#include "test_incdropdown.moc"
