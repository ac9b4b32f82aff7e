#include "FuzzSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

QString folder()
{
    static QTemporaryDir temporary;
    if (!temporary.isValid())
        check(false, "a temporary folder can be made", temporary.errorString());
    return temporary.path();
}

QString writeFile(const QString& name, const std::uint8_t* data, std::size_t size)
{
    const QString path = folder() + u'/' + name;
    QFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size);
    check(written, "the input can be written to a file", file.errorString());
    return path;
}

void check(bool holds, const char* property, const QString& detail)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz: property broken: %s\n%s\n", property, qPrintable(detail));
    std::abort();
}

} // namespace Fuzz
