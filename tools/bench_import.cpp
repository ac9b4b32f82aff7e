// Measures the import of a large CMM file (30,000 features x 93 lines): loading the
// grid's data source, opening the window, scrolling to the last column, and Process
// (filling the study, then its calculation). Run with `make bench-import`.
#include "ImportTestFiles.h"
#include "import/ImportFile.h"
#include "import/ImportLayout.h"
#include "import/ImportProcess.h"
#include "import/frmImport.h"
#include "import/modImport.h"
#include "rrstudy/modRR.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int features = 30000;
constexpr int readingLines = 90;  // 3 appraisers x 10 parts x 3 trials
constexpr int runs = 3;

// Wall-clock and processor time of one piece of work, in milliseconds. On a machine
// shared with other jobs the processor time is the steadier figure.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

QTextStream& operator<<(QTextStream& out, const Timing& timing)
{
    return out << QString::number(timing.wall, 'f', 1) << " ms (CPU "
               << QString::number(timing.cpu, 'f', 1) << " ms)";
}

Timing timed(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    const std::clock_t start = std::clock();
    work();
    return {timer.nsecsElapsed() / 1e6, double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC};
}

// The run of median processor time among several.
Timing median(const std::function<void()>& work)
{
    std::vector<Timing> timings;
    for (int run = 0; run < runs; ++run)
        timings.push_back(timed(work));
    std::sort(timings.begin(), timings.end(),
              [](const Timing& a, const Timing& b) { return a.cpu < b.cpu; });
    return timings[timings.size() / 2];
}

ImportLayout fullStudyLayout()
{
    ImportLayout layout = ImportLayout::startLayout();
    layout.chooseParts(ImportLayout::partChoices - 1);
    layout.blocks[ImportLayout::FeatureName] = QStringLiteral("R1");
    layout.blocks[ImportLayout::UpperTolerance] = QStringLiteral("R2");
    layout.blocks[ImportLayout::LowerTolerance] = QStringLiteral("R3");
    layout.blocks[ImportLayout::FirstRun] = QStringLiteral("R4 - C2");
    return layout;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir folder;
    const QString path = ImportTestFiles::write(folder, QStringLiteral("wide.csv"),
                                                ImportTestFiles::cmmFile(features, readingLines));
    ImportFileName() = path;
    out << "file: " << features << " features x " << readingLines + 3 << " lines, "
        << QString::number(QFileInfo(path).size() / 1e6, 'f', 1) << " MB\n";

    out << "grid data source load (median of " << runs << "): "
        << median([&] { modImport().load(path); }) << "\n";

    bool exposed = true;
    const Timing windowShown = median([&exposed] {
        frmImport window(QStringLiteral("10"), QStringLiteral("30"));
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window) && exposed;
    });
    out << "import window opened and shown (median of " << runs << "): " << windowShown
        << (exposed ? "" : " (NOT SHOWN)") << "\n";

    {
        frmImport window(QStringLiteral("10"), QStringLiteral("30"));
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        auto* grid = window.findChild<QTableView*>(QStringLiteral("DataGrid1"));
        const Timing scrolled = median([grid] {
            QScrollBar* bar = grid->horizontalScrollBar();
            bar->setValue(bar->value() == 0 ? bar->maximum() : 0);
            grid->viewport()->repaint();
        });
        out << "grid scrolled between first and last column, repainted (median of " << runs
            << "): " << scrolled << "\n";
    }

    const ImportLayout layout = fullStudyLayout();
    modImport source;
    source.load(path);
    const Timing validated = median([&] {
        ValidateImportLayout(layout, source.getlastrow(), source.columnCount());
    });
    out << "ValidateImportLayout: " << validated << "\n";

    Study study;
    bool succeeded = true;
    const Timing processed = median([&] {
        succeeded = ProcessImport(layout, path, study, QStringLiteral("10"), QStringLiteral("30"))
                        .succeeded()
                    && succeeded;
    });
    const Timing calculated = median(
        [&] { CalculateStudy(study, QStringLiteral("10"), QStringLiteral("30")); });
    out << "Process, read + fill + CalculateStudy (median of " << runs << "): " << processed
        << (succeeded ? "" : " (FAILED)") << "\n";
    out << "  of which CalculateStudy alone: " << calculated << "\n";
    // Limits that are not numbers stop the calculation before its first feature.
    const Timing filled = median(
        [&] { ProcessImport(layout, path, study, QStringLiteral("-"), QStringLiteral("-")); });
    out << "  reading the file and filling the study alone: " << filled << "\n";
    const Timing lookups = median([] {
        for (int lookup = 0; lookup < 3 * features; ++lookup)
            LookupD2(3, 30);
    });
    out << "  " << 3 * features << " LookupD2 calls alone: " << lookups << "\n";

    {
        frmImport window(QStringLiteral("10"), QStringLiteral("30"));
        window.show();
        const auto set = [&window](const char* name, const QString& text) {
            window.findChild<QLineEdit*>(QLatin1String(name))->setText(text);
        };
        set("txtSP_3", QStringLiteral("R1"));
        set("txtSP_2", QStringLiteral("R2"));
        set("txtSP_1", QStringLiteral("R3"));
        set("txtSP_0", QStringLiteral("R4 - C2"));
        const Timing clicked =
            timed([&window] { window.findChild<QPushButton*>(QStringLiteral("cmdProcess"))->click(); });
        out << "Process button in the window (5 parts): " << clicked << ", "
            << (theStudy().ImportSucceeded ? "imported " : "NOT imported ")
            << theStudy().FeatureCount() << " features\n";
    }
    return 0;
}
