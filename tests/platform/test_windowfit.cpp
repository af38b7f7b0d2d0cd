#include "platform/WindowPlacement.h"

#include <QTest>

// The size rule of the editors: the designed size where it fits, else the room, scrolling.
class TestWindowFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fit_data();
    void fit();
};

void TestWindowFit::fit_data()
{
    QTest::addColumn<QSize>("designed");
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("scrolls");
    // Rooms: 1920x1080 at 100 % and 175 %, 1024x768, each less its frame and panel.
    QTest::newRow("FAC, large screen") << QSize(801, 660) << QSize(1904, 1000) << QSize(801, 660) << false;
    QTest::newRow("exactly the room") << QSize(801, 660) << QSize(801, 660) << QSize(801, 660) << false;
    QTest::newRow("FAC at 175 %") << QSize(801, 660) << QSize(1081, 569) << QSize(801, 569) << true;
    QTest::newRow("FAC at 200 %") << QSize(801, 660) << QSize(944, 492) << QSize(801, 492) << true;
    QTest::newRow("FACA on 1024x768") << QSize(559, 404) << QSize(1008, 690) << QSize(559, 404) << false;
    QTest::newRow("too wide only") << QSize(1100, 400) << QSize(1008, 690) << QSize(1008, 400) << true;
    QTest::newRow("no room at all") << QSize(559, 404) << QSize(0, 0) << QSize(0, 0) << true;
}

void TestWindowFit::fit()
{
    QFETCH(QSize, designed);
    QFETCH(QSize, room);
    QFETCH(QSize, size);
    QFETCH(bool, scrolls);
    const platform::WindowFit fit = platform::fitWindow(designed, room);
    QCOMPARE(fit.size, size);
    QCOMPARE(fit.scrolls, scrolls);
}

QTEST_GUILESS_MAIN(TestWindowFit)
#include "test_windowfit.moc"
