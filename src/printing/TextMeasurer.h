#pragma once

#include "printing/LayoutModel.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>

#include <map>
#include <memory>
#include <tuple>

class QImage;

namespace printing {

// Text widths and line heights in millimetres, for laying labels out before drawing.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual double width(const FontSpec &font, const QString &text) const = 0;
    virtual double lineHeight(const FontSpec &font) const = 0;
};

// Measures with the fonts the painter will draw with, on a fine unhinted grid, so a
// printer and a PDF get the same line breaks. Like the fonts it opens, one measurer
// belongs to one thread.
class FontMeasurer final : public TextMeasurer {
public:
    FontMeasurer();
    ~FontMeasurer() override;
    double width(const FontSpec &font, const QString &text) const override;
    double lineHeight(const FontSpec &font) const override;

    // The QFont that draws a layout font (Windows face names map to the free fonts).
    static QFont qfont(const FontSpec &font);

private:
    struct Measured {
        QFontMetricsF metrics;
        QHash<QString, double> widths;   // the same captions come back on every page and print
    };
    Measured &measured(const FontSpec &font) const;

    std::unique_ptr<QImage> m_device;
    mutable std::map<std::tuple<QString, double, bool>, Measured> m_fonts;   // by face, size and weight
};

} // namespace printing
