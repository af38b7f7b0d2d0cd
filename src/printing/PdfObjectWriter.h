#pragma once

#include <QByteArray>

#include <vector>

namespace printing {

// The body of a PDF file as it is written: numbered objects one after another, each at a
// byte offset the cross-reference table gives at the end.
class PdfObjectWriter {
public:
    // Starts a file with its header. Objects 1 to `reserved` are numbered in advance, for
    // those that others refer to before they can be written (the page tree, the catalog …).
    explicit PdfObjectWriter(int reserved = 0);

    // The next free object number.
    int newObject();
    // Writes `body` as the object numbered `object`, which must not have been written.
    void writeObject(int object, const QByteArray &body);
    // Writes a stream object: `data` compressed unless empty, `entries` (each with its
    // leading blank) after /Length and /Filter in its dictionary.
    void writeStream(int object, const QByteArray &entries, const QByteArray &data);

    // Bytes written so far.
    qint64 size() const { return m_out.size(); }

    // Ends the file with the cross-reference table and the trailer pointing at `root` and
    // `info`, and gives its bytes. Every numbered object must have been written. The
    // writer is spent afterwards: the next file takes a new one.
    QByteArray finish(int root, int info);

private:
    void beginObject(int object);

    QByteArray m_out;
    std::vector<qint64> m_offsets;   // by object number; -1 until written
};

} // namespace printing
