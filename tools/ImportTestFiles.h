#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// CMM files for the screenshots and the import benchmark, written into a temporary folder.
namespace ImportTestFiles {

inline QString write(const QTemporaryDir& folder, const QString& name, const QByteArray& content)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

// A file as a CMM writes it: line 1 the feature names, line 2 the upper and line 3
// the lower tolerances, then one line per reading; column 1 holds the run
// information. Readings differ a little by line and feature, so every feature has
// ranges to compute.
inline QByteArray cmmFile(int features, int readingLines)
{
    QStringList names{QStringLiteral("Run")};
    QStringList upper{QStringLiteral("Upper")};
    QStringList lower{QStringLiteral("Lower")};
    for (int feature = 1; feature <= features; ++feature) {
        names << QStringLiteral("DIA%1").arg(feature);
        upper << QStringLiteral("0.05");
        lower << QStringLiteral("0.05");
    }
    QByteArray text = (names.join(u',') + "\r\n" + upper.join(u',') + "\r\n"
                       + lower.join(u',') + "\r\n").toUtf8();
    for (int line = 1; line <= readingLines; ++line) {
        QStringList cells{QString::number(line)};
        for (int feature = 1; feature <= features; ++feature)
            cells << QString::number(10.0 + (line * 7 % 11) * 0.001 + feature * 0.1, 'f', 4);
        text += cells.join(u',').toUtf8() + "\r\n";
    }
    return text;
}

} // namespace ImportTestFiles
