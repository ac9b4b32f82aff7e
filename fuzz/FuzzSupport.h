#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share: a folder for the files a harness hands the readers, and
// the check that turns a broken property into a crash libFuzzer keeps.
namespace Fuzz {

// Writes the bytes as the file `name` in this process's own temporary folder, replacing
// what was there, and returns its path.
QString writeFile(const QString& name, const std::uint8_t* data, std::size_t size);

// The temporary folder writeFile writes into.
QString folder();

// Aborts with the property and the detail when the property does not hold.
void check(bool holds, const char* property, const QString& detail = QString());

} // namespace Fuzz
