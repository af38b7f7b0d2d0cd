#include "platform/TextFile.h"

#include "platform/RaisedError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Why a file operation failed, in the program's language; the cases a user can act on
// are named, the rest come from the system.
QString reasonFor(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return QStringLiteral("permissão negada");
    case ENOENT: return QStringLiteral("o arquivo ou a pasta não existe");
    case ENOTDIR: return QStringLiteral("um item do caminho não é uma pasta");
    case EISDIR: return QStringLiteral("é uma pasta, não um arquivo");
    case ENOSPC: return QStringLiteral("não há espaço no disco");
    case EROFS: return QStringLiteral("o disco só permite leitura");
    case ELOOP: return QStringLiteral("o caminho tem links demais");
    case ENAMETOOLONG: return QStringLiteral("o nome é longo demais");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString reasonForMode(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("é uma pasta, não um arquivo");
    if (S_ISFIFO(mode))
        return QStringLiteral("é um FIFO, não um arquivo comum");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("é um dispositivo, não um arquivo comum");
    if (S_ISSOCK(mode))
        return QStringLiteral("é um soquete, não um arquivo comum");
    return QStringLiteral("não é um arquivo comum");
}

const QString kRead = QStringLiteral("Não foi possível ler");
const QString kWrite = QStringLiteral("Não foi possível gravar");

[[noreturn]] void raiseTooLarge(const QString &path)
{
    raiseIo(kRead, path, QStringLiteral("tem mais de %1 KB, tamanho que nenhuma ficha atinge")
                             .arg(kMaxFileSize / 1024));
}

// What is at the path, following links; raises for anything a data file cannot be.
void checkStat(const QString &path, const struct stat &st)
{
    if (!S_ISREG(st.st_mode))
        raiseIo(kRead, path, reasonForMode(st.st_mode));
    if (st.st_size > kMaxFileSize)
        raiseTooLarge(path);
}

// The reason a folder refuses a new file in it, when it is a permission problem;
// QSaveFile's own text does not say which folder.
QString writeReason(const QString &path, const QString &fallback)
{
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    if (::access(dir.constData(), W_OK | X_OK) != 0)
        return reasonFor(errno) + QStringLiteral(" na pasta \"%1\"").arg(nativePath(QFileInfo(path).absolutePath()));
    return fallback;
}

void saveBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        raiseIo(kWrite, path, writeReason(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        raiseIo(kWrite, path, reason);
    }
    if (!file.commit())
        raiseIo(kWrite, path, writeReason(path, file.errorString()));
}

} // namespace

void checkReadable(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        raiseIo(kRead, path, reasonFor(errno));
    checkStat(path, st);
    if (::access(name.constData(), R_OK) != 0)
        raiseIo(kRead, path, reasonFor(errno));
}

QByteArray readBytes(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened: opening a FIFO would wait for a writer, and opening
    // a device may have effects of its own.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        raiseIo(kRead, path, reasonFor(errno));
    checkStat(path, st);
    // Non-blocking, and looked at again once open, in case the path changed in between.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        raiseIo(kRead, path, reasonFor(errno));
    const auto closer = qScopeGuard([fd] { ::close(fd); });
    if (::fstat(fd, &st) != 0)
        raiseIo(kRead, path, reasonFor(errno));
    checkStat(path, st);
    // Read up to one byte past the cap: a file that grows while it is read is still refused.
    QByteArray bytes(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (bytes.size() > kMaxFileSize)
                raiseTooLarge(path);
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, kMaxFileSize + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            raiseIo(kRead, path, reasonFor(errno));
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > kMaxFileSize)
        raiseTooLarge(path);
    bytes.resize(got);
    return bytes;
}

bool exists(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        return true;
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
        return false;
    raiseIo(QStringLiteral("Não foi possível acessar"), path, reasonFor(error));
}

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
    if (exists(path))
        bytes = readBytes(path);
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += "\r\n";
    bytes += encodeLines({line});
    saveBytes(path, bytes);
}

void createEmpty(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::close(fd);
        return;
    }
    // Whatever is there already is left untouched, a file or not: reading it will say.
    if (errno != EEXIST)
        raiseIo(QStringLiteral("Não foi possível criar"), path, reasonFor(errno));
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
