#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QRawFont;

namespace printing {

// A TrueType face as a PDF file embeds it: the metrics its font dictionaries need and a
// subset program holding only the glyphs drawn. Glyph ids stay as they are in the face, so
// text can be written with the glyph ids Qt uses (CIDToGIDMap Identity).
// The tables come from the font file and are not trusted: whatever their contents, reading
// them stays in bounds and a damaged face is reported as not valid rather than embedded.
class PdfFontProgram {
public:
    // Gives the bytes of a table by its four-character tag, empty when the face has none.
    using TableReader = std::function<QByteArray(const char *tag)>;

    explicit PdfFontProgram(const QRawFont &font);
    explicit PdfFontProgram(const TableReader &tables);

    // False for faces without TrueType outlines (CFF, bitmap) or with broken main tables.
    bool isValid() const { return m_valid; }

    int glyphCount() const { return m_glyphCount; }
    int unitsPerEm() const { return m_unitsPerEm; }
    // Advance width in font units; 0 for ids outside the face.
    int advance(quint32 glyph) const;

    // The name table's PostScript name, reduced to characters a PDF name takes as they are;
    // empty when the face has none.
    QString postScriptName() const { return m_postScriptName; }
    QRect boundingBox() const { return m_bbox; }      // font units, y up
    int ascent() const { return m_ascent; }
    int descent() const { return m_descent; }          // negative below the baseline
    int capHeight() const { return m_capHeight; }
    int weightClass() const { return m_weightClass; }
    double italicAngle() const { return m_italicAngle; }
    bool isFixedPitch() const { return m_fixedPitch; }

    // A complete font file with the glyph ids of the face in which only `glyphs`, glyph 0
    // and the components of composite glyphs keep their outlines. Empty when not valid.
    QByteArray subset(const std::vector<quint32> &glyphs) const;

private:
    void read(const TableReader &tables);
    QByteArray glyphData(quint32 glyph) const;

    bool m_valid = false;
    int m_glyphCount = 0;
    int m_unitsPerEm = 1000;
    int m_longMetrics = 0;
    bool m_longLoca = false;
    QString m_postScriptName;
    QRect m_bbox;
    int m_ascent = 0;
    int m_descent = 0;
    int m_capHeight = 0;
    int m_weightClass = 400;
    double m_italicAngle = 0;
    bool m_fixedPitch = false;

    QByteArray m_head, m_hhea, m_maxp, m_hmtx, m_loca, m_glyf, m_cvt, m_fpgm, m_prep;
};

} // namespace printing
