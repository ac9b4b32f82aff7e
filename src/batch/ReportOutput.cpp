#include "batch/ReportOutput.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <libgen.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The permissions a new file gets: read and write for all, less the user's mask.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

ReportOutput::ReportOutput(QString path) : m_path(std::move(path)) {}

ReportOutput::~ReportOutput()
{
    discard();
}

std::optional<AppError> ReportOutput::open()
{
    const QByteArray bytes = SystemPath::toBytes(m_path);
    struct stat status;
    const bool exists = ::stat(bytes.constData(), &status) == 0;
    if (exists && S_ISDIR(status.st_mode))
        return AppError(AppError::PathFileAccessError);
    if (isStandardOutput() || (exists && !S_ISREG(status.st_mode))) {
        m_memory.open(QIODevice::WriteOnly);
        return std::nullopt;
    }
    if (exists && ::access(bytes.constData(), W_OK) != 0)
        return SystemPath::errorOf(errno);
    // A link is followed, so the file it names is replaced and the link stays.
    char resolved[PATH_MAX];
    m_target = exists && ::realpath(bytes.constData(), resolved) ? QByteArray(resolved) : bytes;
    QByteArray folder = m_target;
    QByteArray name = m_target;
    m_temporary = QByteArray(::dirname(folder.data())) + "/." + ::basename(name.data()) + ".XXXXXX";
    const int descriptor = ::mkstemp(m_temporary.data());
    if (descriptor < 0) {
        const int error = errno;
        m_temporary.clear();
        return SystemPath::errorOf(error, true);
    }
    ::fchmod(descriptor, exists ? status.st_mode & 07777 : newFileMode());
    m_file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    return std::nullopt;
}

QIODevice& ReportOutput::device()
{
    return m_temporary.isEmpty() ? static_cast<QIODevice&>(m_memory) : m_file;
}

std::optional<AppError> ReportOutput::finishWriting()
{
    if (m_temporary.isEmpty())
        return std::nullopt;
    if (!m_file.flush() || m_file.error() != QFileDevice::NoError || ::fsync(m_file.handle()) != 0)
        return m_file.error() == QFileDevice::NoError ? SystemPath::errorOf(errno) : AppError::fromFile(m_file);
    m_file.close();
    return std::nullopt;
}

std::optional<AppError> ReportOutput::commit()
{
    if (m_temporary.isEmpty())
        return writeStraight();
    if (::rename(m_temporary.constData(), m_target.constData()) != 0)
        return SystemPath::errorOf(errno, true);
    m_temporary.clear();
    return std::nullopt;
}

std::optional<AppError> ReportOutput::writeStraight()
{
    const int descriptor =
        isStandardOutput() ? STDOUT_FILENO : ::open(SystemPath::toBytes(m_path).constData(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0)
        return SystemPath::errorOf(errno);
    const QByteArray& bytes = m_memory.data();
    int error = 0;
    for (qsizetype written = 0; written < bytes.size() && error == 0;) {
        const ssize_t got = ::write(descriptor, bytes.constData() + written, size_t(bytes.size() - written));
        if (got >= 0)
            written += got;
        else if (errno != EINTR)
            error = errno;
    }
    if (!isStandardOutput())
        ::close(descriptor);
    if (error != 0)
        return SystemPath::errorOf(error);
    return std::nullopt;
}

void ReportOutput::discard()
{
    if (m_file.isOpen())
        m_file.close();
    if (!m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
    m_temporary.clear();
}
