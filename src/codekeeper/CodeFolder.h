#pragma once

#include <QString>

// Code Keeper's folder "CK": beside the program when that folder is writable (a
// portable install keeps its snippets with it), otherwise in the user's data folder.
// Nothing is created here: the window creates the folder when it first opens a file.
QString CodeFolder();

// Points Code Keeper at another folder, for tests and tools; an empty text restores
// the usual one.
void setCodeFolder(const QString& folder);
