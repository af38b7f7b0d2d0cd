#include "printing/TextMeasurer.h"

#include "platform/Fonts.h"

#include <QImage>

namespace printing {

namespace {
constexpr int kMeasureDpi = 1200;
constexpr double kMmPerInch = 25.4;
constexpr double kToMm = kMmPerInch / kMeasureDpi;
} // namespace

FontMeasurer::FontMeasurer() : m_device(std::make_unique<QImage>(1, 1, QImage::Format_RGB32))
{
    platform::installFontSubstitutions();
    const int dotsPerMeter = qRound(kMeasureDpi / kMmPerInch * 1000.0);
    m_device->setDotsPerMeterX(dotsPerMeter);
    m_device->setDotsPerMeterY(dotsPerMeter);
}

FontMeasurer::~FontMeasurer() = default;

QFont FontMeasurer::qfont(const FontSpec &font)
{
    QFont f(font.face);
    f.setPointSizeF(font.pointSize);
    f.setBold(font.bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    // The printed texts are Windows-1252, which these fonts cover: no fallback fonts
    // need to be looked up. Latin text is set glyph by glyph with plain advances, as the
    // form has always been printed: no kerning, no ligatures, and no shaping to pay for.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
    return f;
}

FontMeasurer::Measured &FontMeasurer::measured(const FontSpec &font) const
{
    const auto key = std::make_tuple(font.face, font.pointSize, font.bold);
    auto it = m_fonts.find(key);
    if (it == m_fonts.end())
        it = m_fonts.emplace(key, Measured{QFontMetricsF(qfont(font), m_device.get()), {}}).first;
    return it->second;
}

double FontMeasurer::width(const FontSpec &font, const QString &text) const
{
    Measured &m = measured(font);
    auto it = m.widths.constFind(text);
    if (it == m.widths.constEnd())
        it = m.widths.insert(text, m.metrics.horizontalAdvance(text) * kToMm);
    return *it;
}

double FontMeasurer::lineHeight(const FontSpec &font) const { return measured(font).metrics.height() * kToMm; }

} // namespace printing
