#include "PdfPageReader.h"

#include <QFile>
#include <QRegularExpression>

PdfPageReader::PdfPageReader(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromLatin1(file.readAll());
    if (!text.startsWith(QLatin1String("%PDF-")))
        return;

    // Qt writes each page as its own object with a /MediaBox; the page tree holds none.
    const QRegularExpression mediaBox(
        QStringLiteral("/Type\\s*/Page\\b[^>]*?/"
                       "MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)"));
    for (auto it = mediaBox.globalMatch(text); it.hasNext();) {
        const auto box = it.next();
        m_pageSizes.append(QSizeF(box.captured(3).toDouble() - box.captured(1).toDouble(),
                                  box.captured(4).toDouble() - box.captured(2).toDouble()));
    }
}
