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

QString FontMeasurer::key(const FontSpec &font)
{
    return font.face + QLatin1Char('/') + QString::number(font.pointSize)
           + (font.bold ? QStringLiteral("/b") : QStringLiteral("/r"));
}

const QFontMetricsF &FontMeasurer::metrics(const FontSpec &font) const
{
    const QString k = key(font);
    auto it = m_metrics.find(k);
    if (it == m_metrics.end())
        it = m_metrics.insert(k, QFontMetricsF(qfont(font), m_device.get()));
    return *it;
}

double FontMeasurer::width(const FontSpec &font, const QString &text) const
{
    const QString k = key(font) + QLatin1Char('\n') + text;
    auto it = m_widths.constFind(k);
    if (it == m_widths.constEnd())
        it = m_widths.insert(k, metrics(font).horizontalAdvance(text) * kToMm);
    return *it;
}

double FontMeasurer::lineHeight(const FontSpec &font) const { return metrics(font).height() * kToMm; }

} // namespace printing
