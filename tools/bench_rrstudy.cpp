// Measures the Gage R&R study window with a large study: building the feature tree,
// drawing and scrolling the on-screen summary, a data sheet, and the summary printed to
// PDF. Run with `make bench`; pass a feature count to try another size.
#include "ExampleStudy.h"
#include "rrstudy/GageSheets.h"
#include "rrstudy/SheetPainter.h"
#include "rrstudy/StudyInformation.h"
#include "rrstudy/frmRR.h"
#include "rrstudy/frmRRCharts.h"
#include "rrstudy/modRR.h"
#include "printing/PdfPrintTarget.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTreeWidget>

#include <functional>

namespace {

// The resident memory of this process, in megabytes.
double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.value(1).toDouble() * 4096 / (1024 * 1024);
}

double milliseconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

void clickNode(QTreeWidget* tree, QTreeWidgetItem* node)
{
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int featureCount = argc > 1 ? QByteArray(argv[1]).toInt() : 30000;
    QTextStream out(stdout);
    out.setRealNumberPrecision(3);

    frmRR window;
    window.resize(900, 600);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    auto* sheet = window.findChild<QAbstractScrollArea*>(QStringLiteral("pic2"));
    auto* bar = window.findChild<QScrollBar*>(QStringLiteral("vspicrr"));
    const double memoryAtStart = residentMegabytes();

    out << "Gage R&R study window, " << featureCount << " features (3 appraisers x 3 trials x 10 parts)\n";
    out << "  make and calculate the study:          " << milliseconds([&] { ExampleStudy::fill(featureCount); })
        << " ms\n";
    const double memoryWithStudy = residentMegabytes();

    out << "  import: tree and summary built, shown: " << milliseconds([&] {
        ExampleStudy::importInto(&window);
        sheet->viewport()->repaint();
    }) << " ms\n";
    out << "  paint the sheet in view (top):         " << milliseconds([&] { sheet->viewport()->repaint(); })
        << " ms\n";
    double scrolling = milliseconds([&] {
        for (int step = 0; step < 50; ++step) {
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
            sheet->viewport()->repaint();
        }
    });
    out << "  page down and paint, each of 50:       " << scrolling / 50 << " ms\n";
    out << "  jump to the end and paint:             " << milliseconds([&] {
        bar->setValue(bar->maximum());
        sheet->viewport()->repaint();
    }) << " ms\n";
    out << "  scroll range (twips):                  " << bar->maximum() << "\n";

    QTreeWidgetItem* caution = tree->topLevelItem(1);
    out << "  expand the Caution group (" << caution->childCount() << "), paint:  " << milliseconds([&] {
        caution->setExpanded(true);
        tree->viewport()->repaint();
    }) << " ms\n";
    out << "  feature node: data sheet shown:        " << milliseconds([&] {
        clickNode(tree, caution->child(caution->childCount() - 1));
        sheet->viewport()->repaint();
    }) << " ms\n";
    // The charts of the feature just selected, then of the one above it.
    frmRRCharts* charts = nullptr;
    out << "  charts and ANOVA window opened, painted: " << milliseconds([&] {
        tree->findChild<QAction*>(QStringLiteral("actChartsAndAnova"))->trigger();
        charts = window.findChild<frmRRCharts*>();
        charts->repaint();
    }) << " ms\n";
    out << "  ... the next feature in it, painted:   " << milliseconds([&] {
        clickNode(tree, caution->child(caution->childCount() - 2));
        charts->repaint();
    }) << " ms\n";
    charts->close();
    out << "  group node: summary shown again:       " << milliseconds([&] {
        clickNode(tree, caution);
        sheet->viewport()->repaint();
    }) << " ms\n";
    out << "  Recalculate (study, tree, summary):    " << milliseconds([&] {
        QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("cmdRecalc")), Qt::LeftButton);
        sheet->viewport()->repaint();
    }) << " ms\n";
    out << "  memory: study " << memoryWithStudy - memoryAtStart << " MB, window with tree and sheet "
        << residentMegabytes() - memoryWithStudy << " MB more\n";

    QTemporaryDir folder;
    PdfPrintTarget pdf(folder.filePath(QStringLiteral("summary.pdf")), 1);
    int pages = 0;
    const double printing = milliseconds([&] {
        PrinterSheetTarget printer(pdf, sheetWidthTwips / twipsPerPoint);
        const LimitTexts limits{QStringLiteral("10"), QStringLiteral("10 to 30"), QStringLiteral("30")};
        PrintSummarySheet(printer, theStudy(), theStudyInformation(), limits);
    });
    for (qsizetype count = featureCount; count > 0; count -= 60)
        ++pages;
    out << "  summary to PDF:                        " << printing << " ms (about " << pages << " pages)\n";
    return 0;
}
