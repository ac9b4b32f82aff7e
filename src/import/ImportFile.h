#pragma once

#include <QString>

// The path of the CSV file chosen in the study window, which the import window reads.
QString& ImportFileName();
