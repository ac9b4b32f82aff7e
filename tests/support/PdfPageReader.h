#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Reads back a PDF file written by Qt, far enough for tests: its pages in order, each
// page's size and where its images were placed. Positions are in points from the
// paper's top-left corner, y downwards, as on the printed sheet.
class PdfPageReader
{
public:
    explicit PdfPageReader(const QString& fileName);

    bool isValid() const { return m_valid; }
    int pageCount() const { return int(m_pages.size()); }
    QSizeF pageSize(int page) const { return m_pages.at(page).size; }
    QList<QRectF> imagePlacements(int page) const { return m_pages.at(page).images; }

private:
    struct Page {
        QSizeF size;
        QList<QRectF> images;
    };

    QByteArray objectBody(int number) const;
    QByteArray streamOf(int number) const;
    Page readPage(int number) const;

    QByteArray m_data;
    QMap<int, qsizetype> m_objectOffsets;
    QList<Page> m_pages;
    bool m_valid = false;
};
