#pragma once

#include "printing/LayoutEngine.h"

#include <functional>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace printing {

// Draws laid-out pages on a paged device whose painter is active, one device page each,
// from the paper's corner. The first page goes on the device's current page unless
// newPageFirst. progress(done) is asked after every page; false stops the output.
// Returns the number of pages drawn.
int drawPages(QPainter &painter, QPagedPaintDevice &device, const QList<PageContent> &pages, bool newPageFirst,
              const std::function<bool(int)> &progress = {});

// The same on any device that turns its pages with newPage.
int drawPages(QPainter &painter, QPaintDevice &device, const std::function<bool()> &newPage,
              const QList<PageContent> &pages, bool newPageFirst, const std::function<bool(int)> &progress = {});

} // namespace printing
