// The yardstick for `fichas pdf`: a Qt Widgets program that only starts a
// QApplication on the offscreen platform and exits.
#include <QApplication>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return 0;
}
