// Renders the main window with each tool in view to PNG files, offscreen, so anyone
// can look at what a change did to the screen.
#include "ExampleStudy.h"
#include "rrstudy/GageSheets.h"
#include "rrstudy/SheetPainter.h"
#include "rrstudy/StudyInformation.h"
#include "rrstudy/GageChartScene.h"
#include "rrstudy/frmRRCharts.h"
#include "rrstudy/frmRRinfo.h"
#include "rrstudy/modRR.h"
#include "codekeeper/CodeFolder.h"
#include "codekeeper/CodePictures.h"
#include "codekeeper/frmCat.h"
#include "printing/PdfPrintTarget.h"
#include "shell/frmCalendar.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "printing/frmPrinter.h"

#include "ImportTestFiles.h"
#include "import/ImportFile.h"
#include "import/frmImport.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// Replaces the text of a box of a tool window, as typed.
void typeInto(QWidget* window, const char* box, const char* text)
{
    auto* edit = window->findChild<QLineEdit*>(QLatin1String(box));
    edit->clear();
    QTest::keyClicks(edit, QLatin1String(text));
}

void press(QWidget* window, const char* button)
{
    QTest::mouseClick(window->findChild<QAbstractButton*>(QLatin1String(button)), Qt::LeftButton,
                      {}, QPoint(6, 6));
}

// The temperature window after a conversion and the steel example worked through.
void calculateTemperatureExample(QWidget* mainWindow)
{
    auto* window = mainWindow->findChild<QWidget*>(QStringLiteral("frmTemp"));
    typeInto(window, "txtTemp", "212");
    press(window, "cmdTCConvert");
    auto* materials = window->findChild<QComboBox*>(QStringLiteral("cmbMaterial"));
    materials->setCurrentIndex(materials->findText(QStringLiteral("Steel")));
    press(window, "opttuc");
    press(window, "cmdXfer");
    typeInto(window, "txtTempChange", "10");
    typeInto(window, "txtDistance", "100");
    press(window, "optmumm");
    press(window, "cmdCEcalc");
}

// The uncertainty window's first tab with both worked examples calculated.
void calculateAccuracyExample(QWidget* mainWindow)
{
    auto* window = mainWindow->findChild<QWidget*>(QStringLiteral("frmMPunc"));
    typeInto(window, "txtpt", "0.05");
    typeInto(window, "txtpd", "200");
    typeInto(window, "txtl", "333");
    typeInto(window, "txtppt", "0.01");
    press(window, "cmd3cmmCalc");
    press(window, "cmd3pCalc");
}

// The second tab: a proposal for the ISO example, moved to a distance of 150, and a form
// tolerance.
void calculateToleranceExample(QWidget* mainWindow)
{
    auto* window = mainWindow->findChild<QWidget*>(QStringLiteral("frmMPunc"));
    window->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    typeInto(window, "txt4ISO", "0.002");
    typeInto(window, "txt4L", "300");
    typeInto(window, "txt4R", "0.001");
    press(window, "cmd4calc");
    typeInto(window, "txt4dist", "150");
    press(window, "cmdmdist");
    press(window, "cmd4FT");
}

// The reference window on one of its tabs.
QWidget* showReferenceTab(QWidget* mainWindow, int tab)
{
    auto* window = mainWindow->findChild<QWidget*>(QStringLiteral("frmRef"));
    window->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(tab);
    return window;
}

void selectFeatureControlFrame(QWidget* mainWindow)
{
    showReferenceTab(mainWindow, 0)
        ->findChild<QComboBox*>(QStringLiteral("cmbGDT"))
        ->setCurrentIndex(37);
}

void showAngleTab(QWidget* mainWindow)
{
    showReferenceTab(mainWindow, 1);
}

// 247 degrees 30 minutes converted and swept out on the clock face to the end.
void sweepAnAngle(QWidget* mainWindow)
{
    QWidget* window = showReferenceTab(mainWindow, 1);
    typeInto(window, "txtDegD", "247");
    typeInto(window, "txtDegM", "30");
    press(window, "cmdDegCalc");
    auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
    for (int wait = 0; wait < 500 && timer->isActive(); ++wait)
        QTest::qWait(10);
}

void convertAnInch(QWidget* mainWindow)
{
    QWidget* window = showReferenceTab(mainWindow, 2);
    typeInto(window, "txtinmmDist", "1");
    press(window, "cmdinmmCalc");
}

void plotMetricSizes(QWidget* mainWindow)
{
    QWidget* window = showReferenceTab(mainWindow, 2);
    press(window, "cmdPcall");
    for (int size = 3; size < 6; ++size)
        window->findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(size))->setChecked(true);
    press(window, "cmdPlot");
}

// The study window's feature tree (Code Keeper has a TreeView1 of its own).
QTreeWidget* studyTree(QWidget* mainWindow)
{
    return mainWindow->findChild<QWidget*>(QStringLiteral("frmRR"))->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
}

void importExampleStudy(QWidget* mainWindow)
{
    ExampleStudy::fill(40);
    ExampleStudy::importInto(mainWindow->findChild<QWidget*>(QStringLiteral("frmRR")));
    QTreeWidget* tree = studyTree(mainWindow);
    tree->expandAll();
    tree->scrollToTop();
}

void showExampleDataSheet(QWidget* mainWindow)
{
    QTreeWidget* tree = studyTree(mainWindow);
    QTreeWidgetItem* feature = tree->topLevelItem(1)->child(0);
    tree->scrollToItem(feature);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(feature).center());
}

// The example study's summary and its first Caution feature's data sheet as a PDF, to be
// turned into pictures of the printed sheets.
bool writeExampleSheetsPdf(const QDir& output, QTextStream& out)
{
    const QString path = output.filePath(QStringLiteral("gage-rr-sheets.pdf"));
    PdfPrintTarget pdf(path, 1);
    {
        PrinterSheetTarget printer(pdf, sheetWidthTwips / twipsPerPoint);
        const LimitTexts limits{QStringLiteral("10"), QStringLiteral("10 to 30"), QStringLiteral("30")};
        PrintSummarySheet(printer, theStudy(), theStudyInformation(), limits);
        printer.newPage();
        for (const StudyFeature& feature : theStudy().Features)
            if (feature.Status == QLatin1String("Caution")) {
                PrintDataSheet(printer, theStudy(), theStudyInformation(), feature.Number);
                break;
            }
    }
    if (pdf.writtenFiles().isEmpty()) {
        out << "could not write " << path << Qt::endl;
        return false;
    }
    out << path << Qt::endl;
    return true;
}

// A small Code Keeper store in a temporary folder: a few coloured categories.
void writeExampleCodeStore(const QDir& folder)
{
    const std::pair<const char*, const char*> entries[] = {
        {"Alignments_05_PlaneLineLine.txt",
         "$$ Base alignment: plane, line, line\r\n"
         "A1 = ALIGNMENT/START, RECALL:STARTUP, LIST=YES\r\n"
         "     ALIGNMENT/LEVEL, ZPLUS, PLN1\r\n"
         "     ALIGNMENT/ROTATE, XPLUS, TO, LIN1, ABOUT, ZPLUS\r\n"
         "     ALIGNMENT/TRANS, XAXIS, PNT1\r\n"
         "     ALIGNMENT/TRANS, YAXIS, LIN2\r\n"
         "     ALIGNMENT/TRANS, ZAXIS, PLN1\r\n"
         "     ALIGNMENT/END\r\n"},
        {"Alignments_05_Iterative.txt", "$$ Iterative alignment on six points\r\n"},
        {"Probes_21_ChangeTip.txt", "LOADPROBE/PROBE_2MM\r\nTIP/T1A0B0\r\n"},
        {"Probes_21_Qualify.txt", "$$ Qualify every tip on the sphere\r\n"},
        {"SafeMoves_13_Clearance.txt", "MOVE/CLEARPLANE\r\n"},
        {"Reports_49_Header.txt", "COMMENT/REPT, \"Part number:\"\r\n"},
    };
    for (const auto& [name, text] : entries) {
        QFile file(folder.filePath(QLatin1String(name)));
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
    }
}

// Code Keeper with the split bar dragged to give the tree room, its categories open and
// the first alignment in the editor.
void openCodeKeeperExample(QWidget* mainWindow)
{
    auto* window = mainWindow->findChild<QWidget*>(QStringLiteral("frmCodeKeeper"));
    const QRect tree0 = window->findChild<QWidget*>(QStringLiteral("pbLeft"))->geometry();
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(tree0.right() + 2, tree0.center().y()));
    QTest::mouseMove(window, QPoint(window->width() / 4, tree0.center().y()));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(window->width() / 4, tree0.center().y()));
    auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    tree->expandAll();
    QTreeWidgetItem* entry =
        tree->findItems(QStringLiteral("PlaneLineLine"), Qt::MatchExactly | Qt::MatchRecursive)
            .value(0);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(entry).center());
}

struct Shot {
    const char* toolKey;
    const char* fileName;
    // Works the tool into the state worth seeing, once it is in view.
    void (*prepare)(QWidget* mainWindow) = nullptr;
};

const Shot shots[] = {
    {"Angles", "main-window.png"},       {"Uncertainty", "uncertainty.png"},
    {"RR", "gage-rr.png"},
    {"CodeKeeper", "code-keeper.png", openCodeKeeperExample},
    {"Temperature", "temperature.png"},  {"References", "references.png"},
    {"Temperature", "temperature-calculated.png", calculateTemperatureExample},
    {"Uncertainty", "uncertainty-accuracy.png", calculateAccuracyExample},
    {"Uncertainty", "uncertainty-tolerance.png", calculateToleranceExample},
    {"RR", "gage-rr-study.png", importExampleStudy},
    {"RR", "gage-rr-data-sheet.png", showExampleDataSheet},
    {"References", "references-symbol.png", selectFeatureControlFrame},
    {"References", "references-angles.png", showAngleTab},
    {"References", "references-clock.png", sweepAnAngle},
    {"References", "references-units.png", convertAnInch},
    {"References", "references-sizes-metric.png", plotMetricSizes},
};

bool save(QWidget& window, const QDir& output, const QString& fileName, QTextStream& out)
{
    const QString path = output.filePath(fileName);
    if (!window.grab().save(path)) {
        out << "could not write " << path << Qt::endl;
        return false;
    }
    out << path << Qt::endl;
    return true;
}

// The triangle window in its other three orientations, after a calculation with the
// formulas used, and with the nine formula panels stacked; it is left as it started.
bool shootTriangle(frmMain& window, const QDir& output, QTextStream& out)
{
    QWidget* triangle = window.toolWindow(QStringLiteral("Angles"));
    for (int orientation = 2; orientation <= 4; ++orientation) {
        press(triangle, qPrintable(QStringLiteral("cmdTri%1").arg(orientation)));
        if (!save(window, output, QStringLiteral("triangle-orientation-%1.png").arg(orientation), out))
            return false;
    }
    press(triangle, "cmdTri1");
    typeInto(triangle, "txtsa", "3");
    typeInto(triangle, "txtsb", "4");
    press(triangle, "cmdTriCalc");
    if (!save(window, output, QStringLiteral("triangle-calculated.png"), out))
        return false;
    press(triangle, "cmdTriForm");
    if (!save(window, output, QStringLiteral("triangle-formulas.png"), out))
        return false;
    press(triangle, "cmdTriClear");
    return true;
}

// The temperature window in a main window too small for it, scrolled to the bottom and
// then widened: the panel stays where the bar says. The window is left as it was.
bool shootScrolledThenWidened(frmMain& window, const QDir& output, QTextStream& out)
{
    auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    auto* temperature = window.findChild<QAction*>(QStringLiteral("Temperature"));
    QTest::mouseClick(toolBar->widgetForAction(temperature), Qt::LeftButton);
    const QSize size = window.size();
    window.resize(640, 420);
    QTest::qWait(20);
    QWidget* tool = window.toolWindow(QStringLiteral("Temperature"));
    auto* bar = tool->findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    bar->setValue(bar->maximum());
    window.resize(size.width(), 420);
    QTest::qWait(20);
    const QString name = QStringLiteral("temperature-scrolled-widened.png");
    const bool saved = save(window, output, name, out);
    window.resize(size);
    QTest::qWait(20);
    return saved;
}

// The splash screen of start-up, the same window as the about box, and the calendar of
// the date panel.
bool shootSplashAboutAndCalendar(frmMain& window, const QDir& output, QTextStream& out)
{
    frmSplash splash;
    frmSplash about(&window);
    about.setAboutMode();
    frmCalendar calendar(&window);
    const std::pair<QWidget*, const char*> shots[] = {
        {&splash, "splash.png"}, {&about, "about-box.png"}, {&calendar, "calendar.png"}};
    for (const auto& [dialog, fileName] : shots) {
        dialog->show();
        QTest::qWait(20);
        if (!save(*dialog, output, QLatin1String(fileName), out))
            return false;
        dialog->hide();
    }
    return true;
}

// The printer dialog as the Print Form action shows it.
bool shootPrinterDialog(const QDir& output, QTextStream& out)
{
    frmPrinter dialog;
    dialog.show();
    QTest::qWait(20);
    return save(dialog, output, QStringLiteral("printer-dialog.png"), out);
}

// Code Keeper's category dialog as Edit shows it for the red category Probes.
bool shootCategoryDialog(const QDir& output, QTextStream& out)
{
    const QList<QIcon> pictures = loadCodePictures();
    CategoryDialogValues values{QStringLiteral("Probes"), 21, QStringLiteral("Parent"), true, false};
    frmCat dialog(values, pictures);
    dialog.show();
    QTest::qWait(20);
    return save(dialog, output, QStringLiteral("code-keeper-category.png"), out);
}

bool shootStudyInformation(const QDir& output, QTextStream& out)
{
    StudyInformation information;
    information.GageName = QStringLiteral("Bore gauge 12-18 mm");
    information.GageNumber = QStringLiteral("BG-0412");
    frmRRinfo dialog(information);
    dialog.show();
    QTest::qWait(20);
    return save(dialog, output, QStringLiteral("gage-rr-information.png"), out);
}

// The import window over a CMM file of 40 features, with its layout marked: the
// first-run cell just dropped on its block box, which stays green.
bool shootImport(const QDir& output, QTextStream& out)
{
    QTemporaryDir folder;
    ImportFileName() = ImportTestFiles::write(folder, QStringLiteral("bore gauge study.csv"),
                                              ImportTestFiles::cmmFile(40, 45));
    frmImport window(QStringLiteral("10"), QStringLiteral("30"));
    window.show();
    const auto set = [&window](const char* name, const QString& text) {
        window.findChild<QLineEdit*>(QLatin1String(name))->setText(text);
    };
    window.findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
    set("txtSP_4", QStringLiteral("C1"));
    set("txtSP_3", QStringLiteral("R1"));
    set("txtSP_2", QStringLiteral("R2"));
    set("txtSP_1", QStringLiteral("R3"));
    auto* grid = window.findChild<QTableView*>(QStringLiteral("DataGrid1"));
    const QModelIndex firstRun = grid->model()->index(3, 1);
    grid->setCurrentIndex(firstRun);
    std::unique_ptr<QMimeData> data(grid->model()->mimeData({firstRun}));
    auto* target = window.findChild<QLineEdit*>(QStringLiteral("txtSP_0"));
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(4, 4), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QTest::qWait(20);
    return save(window, output, QStringLiteral("import.png"), out);
}

// The charts and ANOVA of the example study's first Unacceptable feature, opened from
// the tree's context menu, and the same page as it prints.
bool shootChartWindow(QWidget* mainWindow, const QDir& output, QTextStream& out)
{
    QTreeWidget* tree = studyTree(mainWindow);
    QTreeWidgetItem* unacceptable = tree->topLevelItem(2);
    if (!unacceptable || unacceptable->childCount() == 0) {
        out << "the example study has no Unacceptable feature" << Qt::endl;
        return false;
    }
    tree->setCurrentItem(unacceptable->child(0));
    tree->findChild<QAction*>(QStringLiteral("actChartsAndAnova"))->trigger();
    auto* charts = mainWindow->findChild<frmRRCharts*>();
    charts->resize(1400, 900);
    QTest::qWait(50);
    if (!save(*charts, output, QStringLiteral("gage-rr-charts.png"), out))
        return false;

    const PdfPrintTarget paper(QString(), 1);
    const double scale = 110.0 / 72;
    QImage page((paper.paperRect().size() * scale).toSize(), QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        painter.scale(scale, scale);
        painter.translate(-paper.paperRect().topLeft());
        DrawGageChartPage(painter, paper.printableRect(), charts->page());
    }
    const QString path = output.filePath(QStringLiteral("gage-rr-charts-page.png"));
    if (!page.save(path)) {
        out << "could not write " << path << Qt::endl;
        return false;
    }
    out << path << Qt::endl;
    charts->close();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QDir output(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTemporaryDir settingsFolder;
    QSettings settings(settingsFolder.filePath(QStringLiteral("Quorvel.ini")), QSettings::IniFormat);
    const QDir codeFolder(settingsFolder.filePath(QStringLiteral("CK")));
    codeFolder.mkpath(QStringLiteral("."));
    writeExampleCodeStore(codeFolder);
    setCodeFolder(codeFolder.path());

    frmMain window(settings);
    window.showNormal();
    window.resize(1024, 640);
    QTest::qWait(50);

    auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    QTextStream out(stdout);
    if (!shootTriangle(window, output, out) || !shootPrinterDialog(output, out)
        || !shootCategoryDialog(output, out) || !shootStudyInformation(output, out)
        || !shootScrolledThenWidened(window, output, out)
        || !shootSplashAboutAndCalendar(window, output, out))
        return 1;
    for (const Shot& shot : shots) {
        auto* action = window.findChild<QAction*>(QLatin1String(shot.toolKey));
        QTest::mouseClick(toolBar->widgetForAction(action), Qt::LeftButton);
        if (shot.prepare)
            shot.prepare(&window);
        QTest::qWait(20);
        if (!save(window, output, QLatin1String(shot.fileName), out))
            return 1;
    }
    if (!shootChartWindow(&window, output, out))
        return 1;
    return writeExampleSheetsPdf(output, out) && shootImport(output, out) ? 0 : 1;
}
