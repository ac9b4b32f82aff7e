#include "common/SaveFile.h"

#include <cerrno>

bool SaveFile::open(OpenMode mode)
{
    return QSaveFile::open(mode | QIODevice::Unbuffered);
}

qint64 SaveFile::writeData(const char* data, qint64 size)
{
    errno = 0;
    const qint64 written = QSaveFile::writeData(data, size);
    if (written >= 0 && written < size) {
        // The system's reason for stopping (no space, a size limit) is still in errno.
        const int reason = errno;
        cancelWriting();
        if (reason != 0)
            setErrorString(qt_error_string(reason));
    }
    return written;
}

std::optional<AppError> saveWholeFile(const QString& path, const QByteArray& bytes)
{
    SaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return AppError::fromFile(file);
    const qint64 written = file.write(bytes);
    if (written != bytes.size())
        return written >= 0 || file.error() == QFileDevice::ResourceError
                   ? AppError(AppError::DiskFull)
                   : AppError::fromFile(file);
    if (!file.commit())
        return AppError::fromFile(file);
    return std::nullopt;
}
