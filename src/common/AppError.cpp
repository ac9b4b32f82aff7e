#include "common/AppError.h"

#include <QDir>
#include <QFileInfo>

AppError::AppError(int number) : AppError(number, standardDescription(number)) {}

AppError::AppError(int number, QString description)
    : m_number(number), m_description(std::move(description))
{
}

QString AppError::message(const QString& prefix) const
{
    return QStringLiteral("%1%2: %3").arg(prefix).arg(m_number).arg(m_description);
}

QString AppError::standardDescription(int number)
{
    switch (number) {
    case InvalidProcedureCall: return QStringLiteral("Invalid procedure call or argument");
    case Overflow: return QStringLiteral("Overflow");
    case SubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case DivisionByZero: return QStringLiteral("Division by zero");
    case TypeMismatch: return QStringLiteral("Type mismatch");
    case BadFileName: return QStringLiteral("Bad file name or number");
    case FileNotFound: return QStringLiteral("File not found");
    case DeviceIOError: return QStringLiteral("Device I/O error");
    case DiskFull: return QStringLiteral("Disk full");
    case InputPastEndOfFile: return QStringLiteral("Input past end of file");
    case PermissionDenied: return QStringLiteral("Permission denied");
    case PathFileAccessError: return QStringLiteral("Path/File access error");
    case PathNotFound: return QStringLiteral("Path not found");
    case InvalidPropertyValue: return QStringLiteral("Invalid property value");
    case PrinterError: return QStringLiteral("Printer error");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

AppError AppError::fromFile(const QFileDevice& file)
{
    switch (file.error()) {
    case QFileDevice::NoError:
    case QFileDevice::OpenError: {
        const QFileInfo info(file.fileName());
        if (file.fileName().isEmpty())
            return AppError(BadFileName);
        if (!info.exists())
            return AppError(info.absoluteDir().exists() ? FileNotFound : PathNotFound);
        if (info.isDir())
            return AppError(PathFileAccessError);
        return AppError(PermissionDenied);
    }
    case QFileDevice::PermissionsError: return AppError(PermissionDenied);
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
    case QFileDevice::FatalError:
    case QFileDevice::ResourceError: return AppError(DeviceIOError);
    default: return AppError(PathFileAccessError);
    }
}
