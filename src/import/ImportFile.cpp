#include "import/ImportFile.h"

QString& ImportFileName()
{
    static QString fileName;
    return fileName;
}
