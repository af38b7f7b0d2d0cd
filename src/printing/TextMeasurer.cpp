#include "printing/TextMeasurer.h"

#include "platform/Fonts.h"

#include <QFontMetricsF>
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

QFont FontMeasurer::qfont(const FontSpec &spec)
{
    QFont f(spec.face);
    f.setPointSizeF(spec.pointSize);
    f.setBold(spec.bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

double FontMeasurer::width(const FontSpec &font, const QString &text) const
{
    return QFontMetricsF(qfont(font), m_device.get()).horizontalAdvance(text) * kToMm;
}

double FontMeasurer::lineHeight(const FontSpec &font) const
{
    return QFontMetricsF(qfont(font), m_device.get()).height() * kToMm;
}

} // namespace printing
