#include "platform/TextFile.h"

#include "platform/RaisedError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

namespace cp1252 {

namespace {
// Unicode of the bytes 0x80..0x9F; 0 where Windows-1252 leaves the byte undefined.
// Those five bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the control character of the
// same number and are written back as the byte, so a file that holds them survives
// a load and a save unchanged.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int byteOf(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    if (u >= 0x80 && u < 0xA0 && kHigh[u - 0x80] == 0)
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u && u != 0)
            return 0x80 + i;
    return -1;
}
} // namespace

bool canEncode(QChar c) { return byteOf(c.unicode()) >= 0; }

QByteArray encode(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        int b = byteOf(c.unicode());
        if (b < 0) {
            // A pair of surrogates is one character that Windows-1252 lacks.
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ++i;
            else {
                const QString base = QString(c).normalized(QString::NormalizationForm_D);
                if (!base.isEmpty() && base.at(0) != c)
                    b = byteOf(base.at(0).unicode());
            }
        }
        out.append(char(b < 0 ? '?' : b));
    }
    return out;
}

QString decode(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0)
            out.append(QChar(kHigh[b - 0x80]));
        else
            out.append(QChar(char16_t(b)));
    }
    return out;
}

} // namespace cp1252

namespace textfile {

namespace {
QString nativePath(const QString &path) { return QDir::toNativeSeparators(path); }

[[noreturn]] void raiseIo(const QString &what, const QString &path, const QString &reason)
{
    throw RaisedError(QStringLiteral("%1 o arquivo \"%2\": %3")
                          .arg(what, nativePath(path), reason));
}

QByteArray encodeLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += cp1252::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

void saveBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        raiseIo(QStringLiteral("Não foi possível gravar"), path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        raiseIo(QStringLiteral("Não foi possível gravar"), path, reason);
    }
    if (!file.commit())
        raiseIo(QStringLiteral("Não foi possível gravar"), path, file.errorString());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        raiseIo(QStringLiteral("Não foi possível ler"), path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        raiseIo(QStringLiteral("Não foi possível ler"), path, file.errorString());
    return bytes;
}
} // namespace

QStringList readLines(const QString &path)
{
    const QByteArray bytes = readBytes(path);
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = bytes.size();
        qsizetype stop = end;
        if (!last && stop > start && bytes.at(stop - 1) == '\r')
            --stop;
        lines.append(cp1252::decode(bytes.mid(start, stop - start)));
        start = end + 1;
    }
    return lines;
}

void writeLines(const QString &path, const QStringList &lines)
{
    saveBytes(path, encodeLines(lines));
}

void appendLine(const QString &path, const QString &line)
{
    QByteArray bytes;
    if (QFileInfo::exists(path))
        bytes = readBytes(path);
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += "\r\n";
    bytes += encodeLines({line});
    saveBytes(path, bytes);
}

void createEmpty(const QString &path)
{
    if (QFileInfo::exists(path))
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        raiseIo(QStringLiteral("Não foi possível criar"), path, file.errorString());
}

QString setAside(const QString &path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = QStringLiteral("%1.ilegivel-%2").arg(path, stamp);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QStringLiteral("%1.ilegivel-%2-%3").arg(path, stamp).arg(n);
    return QFile::rename(path, target) ? target : QString();
}

} // namespace textfile
} // namespace platform
