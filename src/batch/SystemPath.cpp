#include "batch/SystemPath.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <libgen.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SystemPath {
namespace {

constexpr char16_t escapedByteBase = 0xDC00;

// The length of the UTF-8 sequence at `at`, or 0 when the bytes there are not one.
qsizetype utf8Sequence(const QByteArray& bytes, qsizetype at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    qsizetype length = 0;
    if (lead < 0x80)
        length = 1;
    else if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (length == 0 || at + length > bytes.size())
        return 0;
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString decoded = decoder(QByteArrayView(bytes.constData() + at, length));
    return decoder.hasError() || decoded.isEmpty() ? 0 : length;
}

bool isEscapedByte(const QString& text, qsizetype at)
{
    const char16_t c = text.at(at).unicode();
    return c >= escapedByteBase + 0x80 && c <= escapedByteBase + 0xFF
        && (at == 0 || !text.at(at - 1).isHighSurrogate());
}

} // namespace

QString fromArgument(const QByteArray& argument)
{
    QString text;
    for (qsizetype at = 0; at < argument.size();) {
        const qsizetype length = utf8Sequence(argument, at);
        if (length == 0) {
            text += QChar(char16_t(escapedByteBase + static_cast<unsigned char>(argument[at])));
            ++at;
        } else {
            text += QString::fromUtf8(argument.constData() + at, length);
            at += length;
        }
    }
    return text;
}

QByteArray toBytes(const QString& path)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype at = 0; at <= path.size(); ++at) {
        if (at < path.size() && !isEscapedByte(path, at))
            continue;
        bytes += QStringView(path).mid(runStart, at - runStart).toUtf8();
        if (at < path.size())
            bytes += char(path.at(at).unicode() - escapedByteBase);
        runStart = at + 1;
    }
    return bytes;
}

AppError errorOf(int systemError, bool creating)
{
    switch (systemError) {
    case EACCES:
    case EPERM:
    case EROFS: return AppError(AppError::PermissionDenied);
    case EISDIR: return AppError(AppError::PathFileAccessError);
    case ENOTDIR: return AppError(AppError::PathNotFound);
    case ENOENT: return AppError(creating ? AppError::PathNotFound : AppError::FileNotFound);
    case ENOSPC:
    case EDQUOT: return AppError(AppError::DiskFull);
    case EIO: return AppError(AppError::DeviceIOError);
    default: return AppError(AppError::PathFileAccessError, QString::fromLocal8Bit(strerror(systemError)));
    }
}

std::optional<AppError> openForReading(const QString& path, QFile& file)
{
    const int descriptor = ::open(toBytes(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return errorOf(errno);
    struct stat status;
    if (::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode)) {
        ::close(descriptor);
        return AppError(AppError::PathFileAccessError);
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return AppError::fromFile(file);
    }
    return std::nullopt;
}

std::optional<Identity> identify(const QString& path)
{
    const QByteArray bytes = toBytes(path);
    struct stat status;
    if (::stat(bytes.constData(), &status) == 0)
        return Identity{status.st_dev, status.st_ino, QByteArray()};
    // dirname and basename may change their argument: each takes its own copy.
    QByteArray folder = bytes;
    QByteArray name = bytes;
    if (::stat(::dirname(folder.data()), &status) != 0)
        return std::nullopt;
    return Identity{status.st_dev, status.st_ino, QByteArray(::basename(name.data()))};
}

} // namespace SystemPath
