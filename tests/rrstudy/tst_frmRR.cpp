#include "rrstudy/frmRR.h"

#include "RecordingPrintTarget.h"
#include "ScriptedDialogs.h"
#include "common/Twips.h"
#include "import/ImportFile.h"
#include "rrstudy/SheetView.h"
#include "rrstudy/StudyInformation.h"
#include "rrstudy/frmRRCharts.h"
#include "rrstudy/modRR.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QWheelEvent>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

// A feature as a finished import leaves it: computed and given a verdict.
struct Verdict {
    QString name;
    QString status;
    double pctRR = 0;
    bool problem = false;
};

// A feature whose readings give the calculation something to do: every appraiser
// reads part p as 10 + p/10, trial t adding `spread` x t.
StudyFeature measuredFeature(const QString& name, double spread, const QString& tolerance)
{
    StudyFeature feature;
    feature.Name = name;
    feature.UpperTol = tolerance;
    feature.LowerTol = tolerance;
    for (int a = 0; a < 3; ++a)
        for (int t = 0; t < 3; ++t)
            for (int p = 0; p < 5; ++p)
                feature.Readings[a][t][p] = QString::number(10 + p / 10.0 + spread * t, 'f', 6);
    return feature;
}

Study verdictStudy(const QList<Verdict>& verdicts)
{
    Study study;
    study.AppraiserCount = 3;
    study.TrialCount = 3;
    study.PartCount = 5;
    for (const Verdict& verdict : verdicts) {
        StudyFeature feature;
        feature.Name = verdict.name;
        feature.Status = verdict.status;
        feature.PctRR = verdict.pctRR;
        feature.Problem = verdict.problem;
        feature.Number = qint16(study.Features.size() + 1);
        study.Features.append(feature);
    }
    return study;
}

QList<Verdict> severalVerdicts()
{
    return {{QStringLiteral("Bore 1"), QStringLiteral("Acceptable"), 12.345},
            {QStringLiteral("Slot"), QStringLiteral("Unacceptable"), 41.2},
            {QStringLiteral("Face"), QStringLiteral("Acceptable"), 3.04},
            {QStringLiteral("Never judged"), QString(), 0},
            {QStringLiteral("Failed"), QStringLiteral("Acceptable"), 0, true}};
}

} // namespace

class tst_frmRR : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsWithLimits10And30AndTheStudyControlsDisabled();
    void limitLists_data();
    void limitLists();
    void selectedOnlyExcludesTheOtherBoxes();
    void cancelledFileDialogChangesNothing();
    void failedImportLeavesTheWindowAsItWas();
    void importBuildsTheTreeGroupedByVerdict();
    void secondImportLeavesOnlyItsOwnNodes();
    void everyGroupNodeShowsTheSummary_data();
    void everyGroupNodeShowsTheSummary();
    void featureNodeShowsItsDataSheet();
    void groupPicturesFollowExpandAndCollapse();
    void recalculateJudgesWithTheLimitsInTheLists();
    void longSheetScrollsToItsEnd();
    void informationIsKeptAcrossOpeningsAndImports();
    void printsTheCheckedSheetsInOneDocumentForAllCopies();
    void printsTheSelectedNodeOnly();
    void cancelledPrinterDialogPrintsNothing();
    void selectedOnlyWithoutASelectionAsksForNothing();
    void chartsAndAnovaFollowTheSelectedFeature();

private:
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmRR> m_window;

    template<typename T>
    T* control(const char* name) const
    {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QTreeWidget* tree() const { return control<QTreeWidget>("TreeView1"); }
    SheetView* sheet() const { return control<SheetView>("pic2"); }
    QStringList sheetLines() const { return sheet()->recording().pageText(0); }
    // Presses Import, chooses `file`, and lets the import window leave `study` behind.
    void importStudy(const Study& study, const QString& file = QStringLiteral("/data/study.csv"));
    void choose(const char* list, const QString& text);
    void clickNode(QTreeWidgetItem* node);
    QTreeWidgetItem* node(const QString& key) const;
    QStringList treeKeys() const;
    // Presses Print; the printer dialog answers Print with `copies`.
    void print(int copies);
};

void tst_frmRR::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void tst_frmRR::init()
{
    theStudy() = Study();
    theStudyInformation() = StudyInformation();
    ImportFileName().clear();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_window = std::make_unique<frmRR>();
    m_window->resize(Twips::size(10575, 6975) + QSize(40, 40));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_frmRR::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
}

void tst_frmRR::importStudy(const Study& study, const QString& file)
{
    m_dialogs->queueFileName(file);
    m_dialogs->queueModal([study](QDialog*) {
        theStudy() = study;
        theStudy().ImportSucceeded = true;
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(control<QPushButton>("cmdImport"), Qt::LeftButton);
}

void tst_frmRR::choose(const char* list, const QString& text)
{
    auto* box = control<QComboBox>(list);
    box->setCurrentIndex(box->findText(text));
}

void tst_frmRR::clickNode(QTreeWidgetItem* item)
{
    tree()->scrollToItem(item);
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualItemRect(item).center());
}

QTreeWidgetItem* tst_frmRR::node(const QString& key) const
{
    for (QTreeWidgetItemIterator it(tree()); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key)
            return *it;
    return nullptr;
}

QStringList tst_frmRR::treeKeys() const
{
    QStringList keys;
    for (QTreeWidgetItemIterator it(tree()); *it; ++it)
        keys.append((*it)->data(0, Qt::UserRole).toString() + QLatin1Char('=') + (*it)->text(0));
    return keys;
}

void tst_frmRR::startsWithLimits10And30AndTheStudyControlsDisabled()
{
    QCOMPARE(control<QComboBox>("cmbAccept")->currentText(), QStringLiteral("10"));
    QCOMPARE(control<QComboBox>("cmbUnaccept")->currentText(), QStringLiteral("30"));
    QCOMPARE(control<QLabel>("lblCaution")->text(), QStringLiteral("10 to 30"));
    for (const char* name : {"cmbAccept", "cmbUnaccept", "ckSelectedOnly", "cmdRRinfo", "cmdPrint", "ckSummary",
                             "ckOut", "ckIn", "cmdRecalc"})
        QVERIFY2(!control<QWidget>(name)->isEnabled(), name);
    QVERIFY(control<QPushButton>("cmdImport")->isEnabled());
    QCOMPARE(tree()->topLevelItemCount(), 0);
    QVERIFY(sheet()->recording().isEmpty());
}

void tst_frmRR::limitLists_data()
{
    QTest::addColumn<QStringList>("choices");  // "list=text", in order
    QTest::addColumn<QString>("accept");
    QTest::addColumn<QString>("unaccept");
    QTest::addColumn<QString>("caution");
    QTest::newRow("unaccept below accept snaps back") << QStringList{"cmbUnaccept=5"} << "10" << "10" << "10 to 10";
    QTest::newRow("accept above unaccept raises it")
        << QStringList{"cmbUnaccept=20", "cmbAccept=30"} << "30" << "30" << "30 to 30";
    QTest::newRow("lowering accept leaves unaccept")
        << QStringList{"cmbUnaccept=20", "cmbAccept=30", "cmbAccept=10"} << "10" << "30" << "10 to 30";
    QTest::newRow("unaccept beyond the accept list") << QStringList{"cmbUnaccept=35"} << "10" << "35" << "10 to 35";
}

void tst_frmRR::limitLists()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, accept);
    QFETCH(QString, unaccept);
    QFETCH(QString, caution);
    importStudy(verdictStudy(severalVerdicts()));
    for (const QString& choice : choices)
        choose(choice.section(QLatin1Char('='), 0, 0).toLatin1().constData(), choice.section(QLatin1Char('='), 1));
    QCOMPARE(control<QComboBox>("cmbAccept")->currentText(), accept);
    QCOMPARE(control<QComboBox>("cmbUnaccept")->currentText(), unaccept);
    QCOMPARE(control<QLabel>("lblCaution")->text(), caution);
}

void tst_frmRR::selectedOnlyExcludesTheOtherBoxes()
{
    importStudy(verdictStudy(severalVerdicts()));
    auto* selectedOnly = control<QCheckBox>("ckSelectedOnly");
    const QList<QCheckBox*> others = {control<QCheckBox>("ckIn"), control<QCheckBox>("ckOut"),
                                      control<QCheckBox>("ckSummary")};
    for (QCheckBox* box : others)
        box->click();
    for (QCheckBox* box : others)
        QVERIFY(box->isChecked());

    selectedOnly->click();
    QVERIFY(selectedOnly->isChecked());
    for (QCheckBox* box : others)
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));

    for (QCheckBox* box : others) {
        selectedOnly->setChecked(true);
        box->click();
        QVERIFY2(!selectedOnly->isChecked(), qPrintable(box->objectName()));
    }
}

void tst_frmRR::cancelledFileDialogChangesNothing()
{
    importStudy(verdictStudy(severalVerdicts()), QStringLiteral("/data/first.csv"));
    const QStringList keys = treeKeys();
    const QStringList lines = sheetLines();
    m_dialogs->clear();
    m_dialogs->queueFileName(QString());
    QTest::mouseClick(control<QPushButton>("cmdImport"), Qt::LeftButton);

    QCOMPARE(m_dialogs->fileRequests().size(), 1);
    QCOMPARE(m_dialogs->fileRequests()[0].filter, QStringLiteral("Comma Seperated Value Files (*.csv)"));
    QVERIFY(m_dialogs->modalWindows().isEmpty());
    QCOMPARE(ImportFileName(), QStringLiteral("/data/first.csv"));
    QCOMPARE(treeKeys(), keys);
    QCOMPARE(sheetLines(), lines);
}

void tst_frmRR::failedImportLeavesTheWindowAsItWas()
{
    m_dialogs->queueFileName(QStringLiteral("/data/bad.csv"));
    m_dialogs->queueModal([](QDialog*) { return int(QDialog::Rejected); });
    QTest::mouseClick(control<QPushButton>("cmdImport"), Qt::LeftButton);

    QCOMPARE(m_dialogs->modalWindows(), QStringList{QStringLiteral("frmImport")});
    QCOMPARE(ImportFileName(), QStringLiteral("/data/bad.csv"));
    QCOMPARE(tree()->topLevelItemCount(), 0);
    QVERIFY(!control<QPushButton>("cmdRecalc")->isEnabled());
    QVERIFY(sheet()->recording().isEmpty());
}

void tst_frmRR::importBuildsTheTreeGroupedByVerdict()
{
    importStudy(verdictStudy(severalVerdicts()), QStringLiteral("/data/housing.csv"));

    QCOMPARE(ImportFileName(), QStringLiteral("/data/housing.csv"));
    QCOMPARE(treeKeys(), QStringList({QStringLiteral("G=Acceptable (2)"), QStringLiteral("F1=Bore 1 (12.3)"),
                                      QStringLiteral("F3=Face (3.0)"), QStringLiteral("Y=Caution (1)"),
                                      QStringLiteral("F5=Failed (0.0)"), QStringLiteral("R=Unacceptable (1)"),
                                      QStringLiteral("F2=Slot (41.2)")}));
    QCOMPARE(tree()->currentItem(), node(QStringLiteral("G")));
    QVERIFY(tree()->hasFocus());
    QVERIFY(sheetLines().value(0).contains(QLatin1String("Summary")));
    for (const char* name : {"cmbAccept", "cmbUnaccept", "ckSelectedOnly", "cmdRRinfo", "cmdPrint", "ckSummary",
                             "ckOut", "ckIn", "cmdRecalc"})
        QVERIFY2(control<QWidget>(name)->isEnabled(), name);
}

void tst_frmRR::secondImportLeavesOnlyItsOwnNodes()
{
    importStudy(verdictStudy(severalVerdicts()));
    importStudy(verdictStudy({{QStringLiteral("Pin"), QStringLiteral("Caution"), 15}}));
    QCOMPARE(treeKeys(), QStringList({QStringLiteral("G=Acceptable (0)"), QStringLiteral("Y=Caution (1)"),
                                      QStringLiteral("F1=Pin (15.0)"), QStringLiteral("R=Unacceptable (0)")}));
    QVERIFY(sheetLines().contains(QStringLiteral("     Features: 1")));
}

void tst_frmRR::everyGroupNodeShowsTheSummary_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("acceptable") << "G";
    QTest::newRow("caution") << "Y";
    QTest::newRow("unacceptable") << "R";
}

void tst_frmRR::everyGroupNodeShowsTheSummary()
{
    QFETCH(QString, key);
    importStudy(verdictStudy(severalVerdicts()));
    node(QStringLiteral("G"))->setExpanded(true);
    clickNode(node(QStringLiteral("F1")));
    QVERIFY(sheetLines().value(0).contains(QLatin1String("Data Sheet")));

    clickNode(node(key));
    const QStringList lines = sheetLines();
    QVERIFY(lines.value(0).contains(QLatin1String("Summary")));
    QCOMPARE(lines.count(QStringLiteral("Gage Repeatability And Reproducibility Summary").prepend(QString(8, QLatin1Char(' ')))), 1);
}

void tst_frmRR::featureNodeShowsItsDataSheet()
{
    importStudy(verdictStudy(severalVerdicts()));
    node(QStringLiteral("R"))->setExpanded(true);
    clickNode(node(QStringLiteral("F2")));
    const QStringList lines = sheetLines();
    QVERIFY(lines.value(0).contains(QLatin1String("Data Sheet")));
    QVERIFY(lines.value(1).startsWith(QLatin1String(" Feature Name: Slot ")));
    QCOMPARE(sheet()->sheetHeight(), 10080.0);
}

void tst_frmRR::groupPicturesFollowExpandAndCollapse()
{
    importStudy(verdictStudy(severalVerdicts()));
    const auto shows = [](QTreeWidgetItem* item, const char* picture) {
        const QIcon expected(QStringLiteral(":/rrstudy/icons/%1.svg").arg(QLatin1String(picture)));
        return item->icon(0).pixmap(16).toImage() == expected.pixmap(16).toImage();
    };
    QTreeWidgetItem* caution = node(QStringLiteral("Y"));
    QVERIFY(shows(caution, "yellow-closed"));
    QVERIFY(shows(node(QStringLiteral("F5")), "yellow-feature"));
    caution->setExpanded(true);
    QVERIFY(shows(caution, "yellow-open"));
    QVERIFY(shows(node(QStringLiteral("F5")), "yellow-feature"));
    caution->setExpanded(false);
    QVERIFY(shows(caution, "yellow-closed"));
    node(QStringLiteral("R"))->setExpanded(true);
    QVERIFY(shows(node(QStringLiteral("R")), "red-open"));
    QVERIFY(shows(node(QStringLiteral("G")), "green-closed"));
}

void tst_frmRR::recalculateJudgesWithTheLimitsInTheLists()
{
    // The spread of the second feature is chosen for a %R&R between 15 and 30.
    Study study;
    study.AppraiserCount = 3;
    study.TrialCount = 3;
    study.PartCount = 5;
    study.Features = {measuredFeature(QStringLiteral("Steady"), 0, QStringLiteral("0.5")),
                      measuredFeature(QStringLiteral("Middling"), 0.001, QStringLiteral("0.0125")),
                      measuredFeature(QStringLiteral("Zero zone"), 0.001, QStringLiteral("0"))};
    for (qint16 number = 1; number <= 3; ++number)
        study.Features[number - 1].Number = number;
    Study probe = study;
    QVERIFY(CalculateStudy(probe, QStringLiteral("10"), QStringLiteral("30")));
    const double middling = probe.Features[1].PctRR;
    QVERIFY2(middling > 15 && middling < 30, qPrintable(QString::number(middling)));

    for (StudyFeature& feature : study.Features)
        feature.Status = QStringLiteral("Acceptable");  // as if judged with other limits
    importStudy(study);
    QCOMPARE(node(QStringLiteral("G"))->text(0), QStringLiteral("Acceptable (3)"));

    QTest::mouseClick(control<QPushButton>("cmdRecalc"), Qt::LeftButton);
    QCOMPARE(node(QStringLiteral("F2"))->parent(), node(QStringLiteral("Y")));
    QCOMPARE(node(QStringLiteral("F3"))->parent(), node(QStringLiteral("Y")));
    QCOMPARE(node(QStringLiteral("F1"))->parent(), node(QStringLiteral("G")));

    choose("cmbUnaccept", QStringLiteral("15"));
    QCOMPARE(node(QStringLiteral("F2"))->parent(), node(QStringLiteral("Y")));  // nothing recalculated yet
    QTest::mouseClick(control<QPushButton>("cmdRecalc"), Qt::LeftButton);
    QCOMPARE(node(QStringLiteral("F2"))->parent(), node(QStringLiteral("R")));
    QCOMPARE(node(QStringLiteral("R"))->text(0), QStringLiteral("Unacceptable (1)"));
    QVERIFY(sheetLines().contains(QStringLiteral("          Out: 1").leftJustified(20)
                                  + QStringLiteral(" Tolerance: 15 to 100").leftJustified(24)
                                  + QStringLiteral("        End: ")));
}

void tst_frmRR::longSheetScrollsToItsEnd()
{
    QList<Verdict> many;
    for (int i = 1; i <= 2000; ++i)
        many.append({QStringLiteral("Feature %1").arg(i), QStringLiteral("Acceptable"), 1});
    importStudy(verdictStudy(many));

    auto* bar = control<QScrollBar>("vspicrr");
    const double height = sheet()->sheetHeight();
    QVERIFY(height > 2000 * 9 * 20);  // far beyond a 16-bit scroll range
    const int viewHeight = qRound(Twips::fromPixels(control<QWidget>("picRR")->contentsRect().height()));
    QCOMPARE(bar->maximum(), qRound(height) - viewHeight);
    QVERIFY(bar->pageStep() <= viewHeight);
    QVERIFY(bar->singleStep() > 0 && bar->singleStep() < bar->pageStep());

    // The mouse wheel over the sheet moves the bar, and the sheet with it.
    const QPointF inside(20, 20);
    QWheelEvent wheel(inside, sheet()->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(sheet()->viewport(), &wheel);
    QVERIFY(bar->value() > 0);
    QCOMPARE(sheet()->sheetTop(), -double(bar->value()));

    bar->setValue(bar->maximum());
    QCOMPARE(sheet()->sheetTop(), -double(bar->maximum()));
    // The last feature line is in view, near the bottom.
    const double lastLine = sheet()->recording().texts().constLast().topLeft.y() * 20 + sheet()->sheetTop();
    QVERIFY2(lastLine > viewHeight / 2 && lastLine < viewHeight, qPrintable(QString::number(lastLine)));
    QCOMPARE(sheet()->recording().texts().constLast().text, QStringLiteral("1.00"));
}

void tst_frmRR::informationIsKeptAcrossOpeningsAndImports()
{
    importStudy(verdictStudy(severalVerdicts()));
    m_dialogs->queueModal([](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("txtTitle"))->setText(QStringLiteral("Housing R&R"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdExit")), Qt::LeftButton);
        return dialog->result();
    });
    QTest::mouseClick(control<QPushButton>("cmdRRinfo"), Qt::LeftButton);
    QCOMPARE(m_dialogs->modalWindows().constLast(), QStringLiteral("frmRRinfo"));

    importStudy(verdictStudy(severalVerdicts()));
    QVERIFY(sheetLines().contains(QStringLiteral("        Title: Housing R&R")));
    QString shown;
    m_dialogs->queueModal([&shown](QDialog* dialog) {
        shown = dialog->findChild<QLineEdit*>(QStringLiteral("txtTitle"))->text();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(control<QPushButton>("cmdRRinfo"), Qt::LeftButton);
    QCOMPARE(shown, QStringLiteral("Housing R&R"));
}

void tst_frmRR::print(int copies)
{
    m_dialogs->queueModal([copies](QDialog* dialog) {
        dialog->findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(copies - 1);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        return dialog->result();
    });
    QTest::mouseClick(control<QPushButton>("cmdPrint"), Qt::LeftButton);
}

// The title of each printed page, with the feature of a data sheet.
static QStringList printedSheets(const RecordedDocument& document)
{
    QStringList sheets;
    for (const RecordedPage& page : document.pages) {
        if (page.findText(QStringLiteral("Reproducibility Summary"))) {
            sheets.append(QStringLiteral("Summary"));
        } else {
            const RecordedItem* name = page.findText(QStringLiteral("Feature Name: "));
            sheets.append(name ? name->text.mid(15).trimmed() : QStringLiteral("?"));
        }
    }
    return sheets;
}

void tst_frmRR::printsTheCheckedSheetsInOneDocumentForAllCopies()
{
    RecordingPrinting printer;
    importStudy(verdictStudy(severalVerdicts()));
    for (const char* box : {"ckIn", "ckOut", "ckSummary"})
        control<QCheckBox>(box)->click();
    print(2);

    QCOMPARE(printer.actions().size(), 1);
    QCOMPARE(printer.documents().size(), 1);
    // Acceptable Bore 1 and Face, Caution Failed, Unacceptable Slot.
    const QStringList once = {QStringLiteral("Summary"), QStringLiteral("Bore 1"), QStringLiteral("Face"),
                              QStringLiteral("Failed"), QStringLiteral("Slot")};
    QCOMPARE(printedSheets(printer.documents()[0]), once + once);
    QVERIFY(printer.documents()[0].ended);
}

void tst_frmRR::printsTheSelectedNodeOnly()
{
    RecordingPrinting printer;
    importStudy(verdictStudy(severalVerdicts()));
    control<QCheckBox>("ckSummary")->click();
    control<QCheckBox>("ckSelectedOnly")->click();
    node(QStringLiteral("R"))->setExpanded(true);
    clickNode(node(QStringLiteral("F2")));
    print(3);
    QCOMPARE(printedSheets(printer.documents().value(0)),
             QStringList({QStringLiteral("Slot"), QStringLiteral("Slot"), QStringLiteral("Slot")}));
}

void tst_frmRR::cancelledPrinterDialogPrintsNothing()
{
    RecordingPrinting printer;
    importStudy(verdictStudy(severalVerdicts()));
    control<QCheckBox>("ckSummary")->click();
    m_dialogs->queueModal([](QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
        return dialog->result();
    });
    QTest::mouseClick(control<QPushButton>("cmdPrint"), Qt::LeftButton);
    QCOMPARE(m_dialogs->modalWindows().constLast(), QStringLiteral("frmPrinter"));
    QVERIFY(printer.actions().isEmpty());
}

void tst_frmRR::selectedOnlyWithoutASelectionAsksForNothing()
{
    RecordingPrinting printer;
    importStudy(verdictStudy(severalVerdicts()));
    control<QCheckBox>("ckSelectedOnly")->click();
    QTest::mouseClick(control<QPushButton>("cmdRecalc"), Qt::LeftButton);
    const qsizetype windows = m_dialogs->modalWindows().size();
    QTest::mouseClick(control<QPushButton>("cmdPrint"), Qt::LeftButton);
    QVERIFY(!m_dialogs->messages().isEmpty());
    QCOMPARE(m_dialogs->messages().constLast().text, QStringLiteral("Select a feature in the tree first."));
    QCOMPARE(m_dialogs->modalWindows().size(), windows);
    QVERIFY(printer.actions().isEmpty());
}


void tst_frmRR::chartsAndAnovaFollowTheSelectedFeature()
{
    importStudy(verdictStudy(severalVerdicts()));
    auto* menuEntry = tree()->findChild<QAction*>(QStringLiteral("actChartsAndAnova"));
    QVERIFY(tree()->actions().contains(menuEntry));
    QVERIFY(!menuEntry->isEnabled());  // a group node
    node(QStringLiteral("G"))->setExpanded(true);
    clickNode(node(QStringLiteral("F3")));
    menuEntry->trigger();
    auto* charts = m_window->findChild<frmRRCharts*>();
    QVERIFY(charts && charts->isVisible());
    QCOMPARE(charts->windowTitle(), QStringLiteral("Charts and ANOVA - Face"));

    node(QStringLiteral("R"))->setExpanded(true);
    clickNode(node(QStringLiteral("F2")));
    QCOMPARE(charts->feature(), 2);

    charts->close();
    clickNode(node(QStringLiteral("F1")));
    QCOMPARE(charts->feature(), 2);
    QTest::keyClick(tree(), Qt::Key_Return);
    QVERIFY(charts->isVisible());
    QCOMPARE(charts->feature(), 1);
}

QTEST_MAIN(tst_frmRR)
#include "tst_frmRR.moc"
