#pragma once

#include <QList>
#include <QSizeF>
#include <QString>

// Reads back a PDF file written by Qt, far enough for tests: its pages in order and
// each page's size in points.
class PdfPageReader
{
public:
    explicit PdfPageReader(const QString& fileName);

    int pageCount() const { return int(m_pageSizes.size()); }
    QSizeF pageSize(int page) const { return m_pageSizes.at(page); }

private:
    QList<QSizeF> m_pageSizes;
};
