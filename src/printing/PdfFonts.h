#pragma once

#include "printing/PdfFontProgram.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <QSet>

#include <memory>
#include <vector>

namespace printing {

class PdfObjectWriter;

// The fonts of one PDF document: one Type 0 font per face whatever the sizes it is drawn
// at, its glyphs shown by their ids (Identity-H), embedded as a subset of the glyphs drawn,
// with a ToUnicode map so that text can be copied out.
class PdfFonts {
public:
    struct Face {
        explicit Face(const QRawFont &raw);

        // Marks the glyphs drawn for `text` (one per code point) and remembers the character
        // of each for the ToUnicode map. With `only`, glyphs outside it are left alone.
        void recordCharacters(const QString &text, const QList<quint32> &glyphs, const QSet<quint32> *only = nullptr);

        PdfFontProgram program;
        QByteArray name;
        std::vector<char32_t> unicode;   // by glyph id: the character first drawn with it
        std::vector<char> used;
        QByteArray resource;              // "/F1"…, set when first drawn
        int object = 0;
    };

    // The face of `raw`, made on first use; shared by every size of it.
    Face *faceFor(const QRawFont &raw);
    // The face's resource name; its font object is numbered on the first call.
    const QByteArray &resourceOf(Face &face, PdfObjectWriter &writer);
    // " /Font << /F1 9 0 R … >>" for the page resources; empty while nothing was drawn.
    QByteArray resourceEntry() const;
    // Writes the font objects of the faces drawn.
    void write(PdfObjectWriter &writer) const;
    void clear();

private:
    std::vector<std::unique_ptr<Face>> m_faces;
    QHash<QRawFont, Face *> m_faceByRawFont;
    QHash<QByteArray, Face *> m_faceByKey;
    int m_fontCount = 0;
};

// Appends the glyphs of `face` as a Tj (or a TJ with corrections) whose pen positions
// along the baseline, in dots from the first one, are `x`.
void appendGlyphs(QByteArray &out, const PdfFonts::Face &face, const quint32 *glyphs, const double *x, qsizetype count,
                  double size, double hscale);

} // namespace printing
