#pragma once

#include "common/AppError.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <sys/types.h>

class QFile;

// File names as the system holds them: bytes, not always valid UTF-8. A command-line
// argument becomes a text without losing any byte (a byte that is not UTF-8 is kept as
// the lone surrogate U+DC80..U+DCFF, as Python's "surrogateescape" does), and turns back
// into the same bytes to open the file.
namespace SystemPath {

QString fromArgument(const QByteArray& argument);
QByteArray toBytes(const QString& path);

// The error a failed system call on a file stands for; `creating` when the file was
// to be made (a missing folder is then "Path not found").
AppError errorOf(int systemError, bool creating = false);

// Opens an existing file for reading by its system name.
std::optional<AppError> openForReading(const QString& path, QFile& file);

// What makes two names the same file: the file itself (device and inode) when it
// exists, otherwise the folder it would be made in and its name there. Links and
// relative names of one file give one identity.
struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    QByteArray newName;  // empty for an existing file
    bool operator==(const Identity&) const = default;
};
std::optional<Identity> identify(const QString& path);

} // namespace SystemPath
