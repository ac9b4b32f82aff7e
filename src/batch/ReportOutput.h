#pragma once

#include "batch/SystemPath.h"

#include <QBuffer>
#include <QFile>
#include <QString>

#include <optional>

// Where one report goes, and how it is put there without harming what is there now.
// A regular file (or a new one) is written beside itself under a temporary name and
// renamed over it at commit, so a failed run leaves it as it was. Anything else (the
// standard output "-", a pipe, a device) cannot be replaced: the report is kept in
// memory and written straight into it at commit.
class ReportOutput
{
public:
    explicit ReportOutput(QString path);
    ~ReportOutput();
    ReportOutput(const ReportOutput&) = delete;
    ReportOutput& operator=(const ReportOutput&) = delete;

    const QString& path() const { return m_path; }
    bool isStandardOutput() const { return m_path == QLatin1String("-"); }
    // After open(): whether the report goes straight into its target at commit.
    bool writesStraight() const { return m_temporary.isEmpty(); }

    // Makes the place the report is written to; device() is valid after it succeeded.
    std::optional<AppError> open();
    QIODevice& device();
    // Ends the writing: every byte is in its temporary file or in memory.
    std::optional<AppError> finishWriting();
    // Puts the report in place: renames the temporary file over the target, or writes
    // the report into it. Only after every report of the run has been written.
    std::optional<AppError> commit();

private:
    std::optional<AppError> writeStraight();
    void discard();

    QString m_path;
    QByteArray m_target;     // the file the report replaces, links followed
    QByteArray m_temporary;  // beside the target; empty when writing straight
    QFile m_file;
    QBuffer m_memory;
};
