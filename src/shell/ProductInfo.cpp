#include "shell/ProductInfo.h"

namespace ProductInfo {

QString version()
{
    return QStringLiteral("%1.%2").arg(QUORVEL_VERSION_MAJOR).arg(QUORVEL_VERSION_MINOR);
}

QString makerWebPage()
{
    return QStringLiteral(QUORVEL_HOMEPAGE);
}

} // namespace ProductInfo
