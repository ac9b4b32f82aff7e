#include "common/NumberText.h"

#include <QString>
#include <QLineEdit>
