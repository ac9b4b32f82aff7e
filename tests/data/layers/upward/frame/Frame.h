#include "shell/frmMain.h"
