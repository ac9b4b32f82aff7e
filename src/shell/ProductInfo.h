#pragma once

#include <QString>

// What the build says about the product: its version and the maker's web page, one
// build setting (the CMake cache variable QUORVEL_HOMEPAGE) shared by the about box,
// the "Vorn Web" action and the desktop metadata.
namespace ProductInfo {

// "1.0": the project's major and minor version.
QString version();

QString makerWebPage();

} // namespace ProductInfo
