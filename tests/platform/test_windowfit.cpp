#include "platform/WindowPlacement.h"

#include <QTest>

// The editors' size rule: the designed size where it fits, else the room, scrolling.
class TestWindowFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fit_data()
    {
        QTest::addColumn<QSize>("designed");
        QTest::addColumn<QSize>("room");      // the screen less frame and panels
        QTest::addColumn<QSize>("size");      // empty: the designed size, not scrolling
        QTest::newRow("FAC, 1920x1080 at 100 %") << QSize(801, 660) << QSize(1904, 1000) << QSize();
        QTest::newRow("exactly the room") << QSize(801, 660) << QSize(801, 660) << QSize();
        QTest::newRow("FAC at 175 %") << QSize(801, 660) << QSize(1081, 569) << QSize(801, 569);
        QTest::newRow("too wide only") << QSize(1100, 400) << QSize(1008, 690) << QSize(1008, 400);
        QTest::newRow("no room at all") << QSize(559, 404) << QSize(0, 0) << QSize(0, 0);
    }
    void fit()
    {
        QFETCH(QSize, designed);
        QFETCH(QSize, room);
        QFETCH(QSize, size);
        const platform::WindowFit fit = platform::fitWindow(designed, room);
        QCOMPARE(fit.size, size.isValid() ? size : designed);
        QCOMPARE(fit.scrolls, size.isValid());
    }
};

QTEST_GUILESS_MAIN(TestWindowFit)
#include "test_windowfit.moc"
