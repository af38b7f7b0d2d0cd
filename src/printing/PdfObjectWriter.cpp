#include "printing/PdfObjectWriter.h"

#include "printing/PdfSyntax.h"

#include <algorithm>
#include <utility>

namespace printing {

using namespace pdf;

// The binary comment tells transfer programs the file is not text.
PdfObjectWriter::PdfObjectWriter(int reserved)
    : m_out("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"), m_offsets(size_t(std::max(reserved, 0)) + 1, -1)
{
}

int PdfObjectWriter::newObject()
{
    m_offsets.push_back(-1);
    return int(m_offsets.size() - 1);
}

void PdfObjectWriter::beginObject(int object)
{
    Q_ASSERT(object > 0 && size_t(object) < m_offsets.size() && m_offsets[size_t(object)] < 0);
    m_offsets[size_t(object)] = m_out.size();
    appendInt(m_out, object);
    m_out += " 0 obj\n";
}

void PdfObjectWriter::writeObject(int object, const QByteArray &body)
{
    beginObject(object);
    m_out += body;
    m_out += "\nendobj\n";
}

void PdfObjectWriter::writeStream(int object, const QByteArray &entries, const QByteArray &data)
{
    const QByteArray packed = data.isEmpty() ? data : deflate(data);
    beginObject(object);
    m_out += "<< /Length ";
    appendInt(m_out, packed.size());
    if (!data.isEmpty())
        m_out += " /Filter /FlateDecode";
    m_out += entries;
    m_out += " >>\nstream\n";
    m_out += packed;
    m_out += "\nendstream\nendobj\n";
}

QByteArray PdfObjectWriter::finish(int root, int info)
{
    const qint64 xref = m_out.size();
    m_out += "xref\n0 ";
    appendInt(m_out, qint64(m_offsets.size()));
    // Entries are 20 bytes each, the end of line included.
    m_out += "\n0000000000 65535 f \n";
    for (size_t i = 1; i < m_offsets.size(); ++i) {
        Q_ASSERT(m_offsets[i] >= 0);
        m_out += QByteArray::number(std::max<qint64>(m_offsets[i], 0)).rightJustified(10, '0') + " 00000 n \n";
    }
    m_out += "trailer\n<< /Size ";
    appendInt(m_out, qint64(m_offsets.size()));
    m_out += " /Root " + ref(root) + " /Info " + ref(info) + " >>\nstartxref\n";
    appendInt(m_out, xref);
    m_out += "\n%%EOF\n";
    m_offsets.clear();
    return std::exchange(m_out, QByteArray());
}

} // namespace printing
