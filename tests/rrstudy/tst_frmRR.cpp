#include "rrstudy/frmRR.h"

#include "RecordingPrintTarget.h"
#include "ScriptedDialogs.h"
#include "StudyBuilder.h"
#include "TwipPlacement.h"
#include "common/Twips.h"
#include "import/ImportFile.h"
#include "rrstudy/SheetView.h"
#include "rrstudy/StudyInformation.h"
#include "rrstudy/frmRRCharts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

namespace {

const char* const studyControls[] = {"cmbAccept", "cmbUnaccept", "ckSelectedOnly", "cmdRRinfo", "cmdPrint",
                                     "ckSummary", "ckOut",       "ckIn",           "cmdRecalc"};

// Acceptable Bore 1 and Face, Unacceptable Slot, Failed (a problem: Caution), and a
// feature never judged.
Study judgedStudy()
{
    Study study = studyOfShape(3, 3, 5);
    study.Features = {judgedFeature(1, "Bore 1", "Acceptable", 12.345), judgedFeature(2, "Slot", "Unacceptable", 41.2),
                      judgedFeature(3, "Face", "Acceptable", 3.04), judgedFeature(4, "Never judged", QString()),
                      judgedFeature(5, "Failed", "Acceptable", 0, true)};
    return study;
}

} // namespace

class tst_frmRR : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmRR> m_window;

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QTreeWidget* tree() const { return control<QTreeWidget>("TreeView1"); }
    SheetView* sheet() const { return control<SheetView>("pic2"); }
    QStringList sheetLines() const { return sheet()->recording().pageText(0); }
    void click(const char* name) const { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    void choose(const char* list, const QString& text) const
    {
        control<QComboBox>(list)->setCurrentIndex(control<QComboBox>(list)->findText(text));
    }

    // Presses Import, chooses `file`, and lets the import window leave `study` behind.
    void importStudy(const Study& study = judgedStudy(), const QString& file = QStringLiteral("/data/study.csv"))
    {
        m_dialogs->queueFileName(file);
        m_dialogs->queueModal([study](QDialog*) {
            theStudy() = study;
            theStudy().ImportSucceeded = true;
            return int(QDialog::Accepted);
        });
        click("cmdImport");
    }
    QTreeWidgetItem* node(const QString& key) const
    {
        for (QTreeWidgetItemIterator it(tree()); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString() == key)
                return *it;
        return nullptr;
    }
    QString parentKey(const QString& key) const { return node(key)->parent()->data(0, Qt::UserRole).toString(); }
    void clickNode(const QString& key) const
    {
        if (QTreeWidgetItem* group = node(key)->parent())
            group->setExpanded(true);
        tree()->scrollToItem(node(key));
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualItemRect(node(key)).center());
    }
    QStringList treeKeys() const
    {
        QStringList keys;
        for (QTreeWidgetItemIterator it(tree()); *it; ++it)
            keys << (*it)->data(0, Qt::UserRole).toString() + QLatin1Char('=') + (*it)->text(0);
        return keys;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init()
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
    void cleanup()
    {
        m_window.reset();
        m_dialogs.reset();
    }

    // Until a study is imported only Import works, the lists at 10 and 30; the tree, the
    // sheet's viewport and its bar where the window's design puts them, the other controls
    // where its layout was drawn.
    void startState()
    {
        QCOMPARE(control<QLabel>("lblCaution")->text(), QStringLiteral("10 to 30"));
        for (const char* name : studyControls)
            QVERIFY2(!control(name)->isEnabled(), name);
        QVERIFY(control("cmdImport")->isEnabled());
        const QString misplaced = misplacedControls(*m_window, {
            {"TreeView1", 120, 600, 2055, 4815}, {"picRR", 2160, 600, 7935, 4815}, {"vspicrr", 10080, 600, 255, 4815},
            {"Label5", 2160, 120, 7935, 375}, {"Label4", 120, 330, 2055, 255}, {"Frame4", 90, 5520, 4455, 1335},
            {"Label1", 120, 360, 1335, 240}, {"cmbAccept", 120, 645, 1335, 330}, {"Label2", 1560, 360, 1335, 240},
            {"lblCaution", 1560, 645, 1335, 330}, {"Label3", 3000, 360, 1335, 240},
            {"cmbUnaccept", 3000, 645, 1335, 330}, {"Frame3", 4635, 5520, 1515, 1335},
            {"cmdImport", 120, 300, 1275, 435}, {"cmdRecalc", 120, 780, 1275, 435}, {"Frame2", 6240, 5520, 2775, 1335},
            {"ckIn", 120, 270, 1575, 255}, {"ckOut", 120, 525, 1575, 255}, {"ckSummary", 120, 780, 1575, 255},
            {"ckSelectedOnly", 120, 1035, 1575, 255}, {"cmdPrint", 1755, 480, 900, 555},
            {"cmdRRinfo", 9105, 5610, 1380, 1245}});
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
    }

    // Each list keeps the unaccept limit at or above the accept limit.
    void limitListsKeepTheirOrder()
    {
        importStudy();
        choose("cmbUnaccept", QStringLiteral("5"));
        QCOMPARE(control<QLabel>("lblCaution")->text(), QStringLiteral("10 to 10"));
        choose("cmbAccept", QStringLiteral("30"));
        QCOMPARE(control<QLabel>("lblCaution")->text(), QStringLiteral("30 to 30"));
    }

    void selectedOnlyExcludesTheOtherBoxes()
    {
        importStudy();
        auto* selectedOnly = control<QCheckBox>("ckSelectedOnly");
        for (const char* name : {"ckIn", "ckOut", "ckSummary"}) {
            control<QCheckBox>(name)->setChecked(false);
            selectedOnly->setChecked(true);
            click(name);
            QVERIFY2(!selectedOnly->isChecked(), name);
        }
        click("ckSelectedOnly");
        for (const char* name : {"ckIn", "ckOut", "ckSummary"})
            QVERIFY2(!control<QCheckBox>(name)->isChecked(), name);
    }

    // Cancelling the file dialog, or an import window closed without a study, leaves the
    // tree and the sheet as the import before left them.
    void importThatChangesNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("cancelled file dialog") << QString();
        QTest::newRow("import window closed") << QStringLiteral("/data/bad.csv");
    }

    void importThatChangesNothing()
    {
        QFETCH(QString, file);
        importStudy(judgedStudy(), QStringLiteral("/data/first.csv"));
        const QStringList keys = treeKeys();
        const QStringList lines = sheetLines();
        m_dialogs->clear();
        m_dialogs->queueFileName(file);
        click("cmdImport");
        QCOMPARE(m_dialogs->fileRequests().value(0).filter, QStringLiteral("Comma Seperated Value Files (*.csv)"));
        QCOMPARE(m_dialogs->modalWindows(), file.isEmpty() ? QStringList() : QStringList{"frmImport"});
        QCOMPARE(ImportFileName(), file.isEmpty() ? QStringLiteral("/data/first.csv") : file);
        QCOMPARE(treeKeys(), keys);
        QCOMPARE(sheetLines(), lines);
    }

    void importBuildsTheTreeGroupedByVerdict()
    {
        importStudy(judgedStudy(), QStringLiteral("/data/housing.csv"));
        QCOMPARE(ImportFileName(), QStringLiteral("/data/housing.csv"));
        QCOMPARE(treeKeys(), (QStringList{"G=Acceptable (2)", "F1=Bore 1 (12.3)", "F3=Face (3.0)", "Y=Caution (1)",
                                          "F5=Failed (0.0)", "R=Unacceptable (1)", "F2=Slot (41.2)"}));
        QCOMPARE(tree()->currentItem(), node(QStringLiteral("G")));
        QVERIFY(tree()->hasFocus());
        QVERIFY(sheetLines().value(0).contains(QLatin1String("Summary")));
        for (const char* name : studyControls)
            QVERIFY2(control(name)->isEnabled(), name);

        Study second = studyOfShape(2, 2, 2);
        second.Features << judgedFeature(1, "Pin", "Caution", 15);
        importStudy(second);
        QCOMPARE(treeKeys(), (QStringList{"G=Acceptable (0)", "Y=Caution (1)", "F1=Pin (15.0)", "R=Unacceptable (0)"}));
        QVERIFY(sheetLines().contains(QStringLiteral("     Features: 1")));
    }

    // A group node shows the summary, whichever group; a feature node its data sheet.
    void nodeShowsItsSheet_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("secondLine");
        for (const char* group : {"G", "Y", "R"})
            QTest::newRow(group) << group << "        Title:";
        QTest::newRow("F2") << "F2" << " Feature Name: Slot";
    }

    void nodeShowsItsSheet()
    {
        QFETCH(QString, key);
        QFETCH(QString, secondLine);
        importStudy();
        clickNode(key == QLatin1String("F2") ? QStringLiteral("F1") : QStringLiteral("F2"));
        clickNode(key);
        const QStringList lines = sheetLines();
        QVERIFY2(lines.value(1).startsWith(secondLine), qPrintable(lines.value(1)));
        QCOMPARE(lines.filter(QStringLiteral("Gage Repeatability")).size(), 1);
        QCOMPARE(sheet()->sheetHeight() == 10080.0, key == QLatin1String("F2"));
    }

    void groupPicturesFollowExpandAndCollapse()
    {
        importStudy();
        node(QStringLiteral("Y"))->setExpanded(true);
        node(QStringLiteral("G"))->setExpanded(true);
        node(QStringLiteral("G"))->setExpanded(false);
        QStringList pictures;
        for (const char* key : {"G", "F1", "Y", "F5", "R", "F2"})
            for (const char* picture : {"green-open", "green-closed", "green-feature", "yellow-open", "yellow-closed",
                                        "yellow-feature", "red-open", "red-closed", "red-feature"})
                if (node(key)->icon(0).pixmap(16).toImage()
                    == QIcon(QStringLiteral(":/rrstudy/icons/%1.svg").arg(picture)).pixmap(16).toImage())
                    pictures << picture;
        QCOMPARE(pictures, (QStringList{"green-closed", "green-feature", "yellow-open", "yellow-feature", "red-closed",
                                        "red-feature"}));
    }

    // Recalculate judges with the limits the lists show at that moment: the reference
    // example at TOL 5 (%R&R 31.50), at TOL 20 (7.87) and with a zero tolerance.
    void recalculateJudgesWithTheLimitsInTheLists()
    {
        Study study = referenceStudy();
        study.Features << study.Features[0] << study.Features[0];
        study.Features[1].UpperTol = study.Features[1].LowerTol = QStringLiteral("10");
        study.Features[2].LowerTol = QStringLiteral("-2.5");
        for (int f = 0; f < 3; ++f) {
            study.Features[f].Number = qint16(f + 1);
            study.Features[f].Status = QStringLiteral("Acceptable");  // as if judged otherwise
        }
        importStudy(study);
        click("cmdRecalc");
        QCOMPARE((QStringList{parentKey("F1"), parentKey("F2"), parentKey("F3")}), (QStringList{"R", "G", "Y"}));
        QCOMPARE(node(QStringLiteral("F1"))->text(0), QStringLiteral("Bore 1 (31.5)"));
        choose("cmbUnaccept", QStringLiteral("35"));
        QCOMPARE(parentKey("F1"), QStringLiteral("R"));  // nothing recalculated yet
        click("cmdRecalc");
        QCOMPARE(parentKey("F1"), QStringLiteral("Y"));
        QVERIFY(sheetLines().contains(QStringLiteral("          Out: 0").leftJustified(20)
                                      + QStringLiteral(" Tolerance: 35 to 100").leftJustified(24) + "        End: "));
    }

    // A summary far taller than a 16-bit range of twips scrolls to its last line, by the
    // bar and by the wheel.
    void longSheetScrollsToItsEnd()
    {
        Study study = studyOfShape(3, 3, 5);
        for (int i = 1; i <= 2000; ++i)
            study.Features << judgedFeature(i, QStringLiteral("Feature %1").arg(i), "Acceptable", 1);
        importStudy(study);
        auto* bar = control<QScrollBar>("vspicrr");
        const int viewHeight = qRound(Twips::fromPixels(control("picRR")->contentsRect().height()));
        QVERIFY(sheet()->sheetHeight() > 2000 * 9 * 20);
        QCOMPARE(bar->maximum(), qRound(sheet()->sheetHeight()) - viewHeight);
        QVERIFY(bar->pageStep() <= viewHeight && bar->singleStep() > 0 && bar->singleStep() < bar->pageStep());
        const QPointF inside(20, 20);
        QWheelEvent wheel(inside, sheet()->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(sheet()->viewport(), &wheel);
        QVERIFY(bar->value() > 0);
        QCOMPARE(sheet()->sheetTop(), -double(bar->value()));
        bar->setValue(bar->maximum());
        const double lastLine = sheet()->recording().texts().constLast().topLeft.y() * 20 + sheet()->sheetTop();
        QVERIFY2(lastLine > viewHeight / 2 && lastLine < viewHeight, qPrintable(QString::number(lastLine)));
    }

    void informationIsKeptAcrossOpeningsAndImports()
    {
        importStudy();
        m_dialogs->queueModal([](QDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("txtTitle"))->setText(QStringLiteral("Housing R&R"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
            return int(QDialog::Rejected);
        });
        click("cmdRRinfo");
        QCOMPARE(m_dialogs->modalWindows().constLast(), QStringLiteral("frmRRinfo"));
        importStudy();
        QVERIFY(sheetLines().contains(QStringLiteral("        Title: Housing R&R")));
    }

    // The check boxes, the selected node and the copies chosen feed one print job; a
    // cancelled printer dialog prints nothing, and Selected Only without a selection (after
    // Recalculate) asks for nothing.
    void print_data()
    {
        QTest::addColumn<QStringList>("clicks");  // check boxes, a node's key or "cmdRecalc"
        QTest::addColumn<int>("copies");          // 0: the printer dialog is cancelled
        QTest::addColumn<QStringList>("sheets");  // of one copy
        QTest::addColumn<QString>("message");
        QTest::newRow("checked sheets") << QStringList{"ckIn", "ckOut", "ckSummary"} << 2
                                        << QStringList{"Summary", "Bore 1", "Face", "Failed", "Slot"} << QString();
        QTest::newRow("selected node") << QStringList{"ckSummary", "ckSelectedOnly", "F2"} << 3 << QStringList{"Slot"}
                                       << QString();
        QTest::newRow("printer dialog cancelled") << QStringList{"ckSummary"} << 0 << QStringList() << QString();
        QTest::newRow("selected only without a selection") << QStringList{"ckSelectedOnly", "cmdRecalc"} << 1
                                                           << QStringList() << "Select a feature in the tree first.";
    }

    void print()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, copies);
        QFETCH(QStringList, sheets);
        QFETCH(QString, message);
        RecordingPrinting printer;
        importStudy();
        m_dialogs->clear();
        for (const QString& name : clicks) {
            if (name.startsWith('F'))
                clickNode(name);
            else
                click(name.toLatin1().constData());
        }
        m_dialogs->queueModal([copies](QDialog* dialog) {
            dialog->findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(copies - 1);
            QTest::mouseClick(dialog->findChild<QPushButton*>(copies ? "cmdPrint" : "cmdCancel"), Qt::LeftButton);
            return dialog->result();
        });
        click("cmdPrint");
        QCOMPARE(m_dialogs->messages().value(0).text, message);
        QCOMPARE(m_dialogs->modalWindows(), message.isEmpty() ? QStringList{"frmPrinter"} : QStringList());
        QStringList printed, expected;
        for (const RecordedPage& page : printer.documents().value(0).pages) {
            const RecordedItem* name = page.findText(QStringLiteral("Feature Name: "));
            printed << (name ? name->text.mid(15).trimmed() : QStringLiteral("Summary"));
        }
        for (int copy = 0; copy < copies && !sheets.isEmpty(); ++copy)
            expected << sheets;
        QCOMPARE(printed, expected);
        QCOMPARE(printer.actions().size(), sheets.isEmpty() ? 0 : 1);
    }

    void chartsAndAnovaFollowTheSelectedFeature()
    {
        importStudy();
        auto* menuEntry = tree()->findChild<QAction*>(QStringLiteral("actChartsAndAnova"));
        QVERIFY(tree()->actions().contains(menuEntry) && !menuEntry->isEnabled());  // a group node
        clickNode(QStringLiteral("F3"));
        menuEntry->trigger();
        auto* charts = m_window->findChild<frmRRCharts*>();
        QVERIFY(charts && charts->isVisible());
        QCOMPARE(charts->windowTitle(), QStringLiteral("Charts and ANOVA - Face"));
        clickNode(QStringLiteral("F2"));
        QCOMPARE(charts->feature(), 2);
        charts->close();
        clickNode(QStringLiteral("F1"));
        QCOMPARE(charts->feature(), 2);
        QTest::keyClick(tree(), Qt::Key_Return);
        QVERIFY(charts->isVisible());
        QCOMPARE(charts->feature(), 1);
    }
};

QTEST_MAIN(tst_frmRR)
#include "tst_frmRR.moc"
