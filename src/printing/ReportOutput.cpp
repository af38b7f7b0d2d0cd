#include "printing/ReportOutput.h"

#include "printing/PagePainter.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace printing {

int drawPages(QPainter &painter, QPagedPaintDevice &device, const QList<PageContent> &pages, bool newPageFirst,
              const std::function<bool(int)> &progress)
{
    return drawPages(painter, device, [&device] { return device.newPage(); }, pages, newPageFirst, progress);
}

int drawPages(QPainter &painter, QPaintDevice &device, const std::function<bool()> &newPage,
              const QList<PageContent> &pages, bool newPageFirst, const std::function<bool(int)> &progress)
{
    constexpr double kMmPerInch = 25.4;
    PagePainter pagePainter(painter, device.logicalDpiX() / kMmPerInch, device.logicalDpiY() / kMmPerInch);
    int drawn = 0;
    for (const PageContent &page : pages) {
        if (newPageFirst || drawn > 0)
            newPage();
        pagePainter.draw(page);
        ++drawn;
        if (progress && !progress(drawn))
            break;
    }
    return drawn;
}

} // namespace printing
