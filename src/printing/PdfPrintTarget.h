#pragma once

#include "printing/PrintTarget.h"

#include <QStringList>

#include <memory>

class QIODevice;
class QPdfWriter;
class SaveFile;

// Prints into PDF files where there is no printer. The user names one file for a print
// action; an action of one document writes that file, an action of several writes
// numbered files beside it (report-1.pdf, report-2.pdf, ... for report.pdf). Each file
// is written whole or not at all: an existing file is only replaced when its new
// content is complete.
class PdfPrintTarget final : public PagedPrintTarget
{
public:
    // `documents` is the number of documents the action means to make.
    PdfPrintTarget(const QString& fileName, int documents, const QString& title = QString());
    // One document into `device`, open for writing and not owned: for a caller that puts
    // the bytes in place itself. A failure leaves its reason in errorString().
    explicit PdfPrintTarget(QIODevice& device, const QString& title = QString());
    ~PdfPrintTarget() override;

    bool beginDocument() override;
    bool endDocument() override;

    // The file the given document (counted from 1) goes to.
    QString fileNameOf(int document) const;
    // The files completed so far, in order.
    const QStringList& writtenFiles() const { return m_written; }

    static constexpr int resolutionDpi = 1200;

private:
    void setUpWriter();

    QString m_fileName;
    int m_documents;
    QString m_title;
    int m_begun = 0;
    QStringList m_written;
    QIODevice* m_device = nullptr;
    std::unique_ptr<SaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
};
