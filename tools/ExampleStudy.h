#pragma once

class QWidget;

// A made-up but realistic Gage R&R study for the screenshots and the benchmark:
// features measured by three appraisers, three trials on ten parts, with a spread of
// verdicts and the study information filled in.
namespace ExampleStudy {

// Fills theStudy() and theStudyInformation() with `featureCount` features and
// calculates them, as a finished import leaves them.
void fill(int featureCount);

// Presses Import on the study window `rrWindow`; its import succeeds with the study as
// fill() left it.
void importInto(QWidget* rrWindow);

} // namespace ExampleStudy
