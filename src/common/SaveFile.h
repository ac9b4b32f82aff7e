#pragma once

#include "common/AppError.h"

#include <QSaveFile>

#include <optional>

// QSaveFile that never puts a file cut short in place of the old one. QSaveFile alone
// commits a file whose writes stopped part way, as on a full disk or at a file size
// limit: its buffer is flushed at commit() past its own error check, and a write the
// system took only part of is no error to it. Here every write goes straight to the
// temporary file, and one taken only in part cancels the save, so commit() fails and
// the old file stays whole.
class SaveFile final : public QSaveFile
{
public:
    using QSaveFile::QSaveFile;

    bool open(OpenMode mode) override;

protected:
    qint64 writeData(const char* data, qint64 size) override;
};

// Replaces the file at `path` with `bytes`: all of them or, on any failure, the old file
// as it was. A write the system takes only in part is reported as a full disk.
std::optional<AppError> saveWholeFile(const QString& path, const QByteArray& bytes);
