#include "codekeeper/frmCodeKeeper.h"

frmCodeKeeper::frmCodeKeeper(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCodeKeeper"));
}
