#include "triangle/TriangleSolver.h"
