#include "rrstudy/frmRR.h"

#include "RecordingPrintTarget.h"
#include "ScriptedDialogs.h"
#include "WindowDriver.h"
#include "StudyBuilder.h"
#include "TwipPlacement.h"
#include "common/Twips.h"
#include "import/ImportFile.h"
#include "rrstudy/SheetView.h"
#include "rrstudy/StudyInformation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

const char* const studyControls[] = {"cmbAccept", "cmbUnaccept", "ckSelectedOnly",
                                     "cmdRRinfo", "cmdPrint",    "ckSummary",
                                     "ckOut",     "ckIn",        "cmdRecalc"};

// Acceptable Bore 1 and Face, Unacceptable Slot, Failed (a problem: Caution), and a
// feature never judged.
Study judgedStudy()
{
    Study study = studyOfShape(3, 3, 5);
    study.Features = {judgedFeature(1, "Bore 1", "Acceptable", 12.345),
                      judgedFeature(2, "Slot", "Unacceptable", 41.2),
                      judgedFeature(3, "Face", "Acceptable", 3.04),
                      judgedFeature(4, "Never judged", QString()),
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
        return WindowDriver::control<T>(*m_window, QLatin1String(name));
    }
    QTreeWidget* tree() const { return control<QTreeWidget>("TreeView1"); }
    SheetView* sheet() const { return control<SheetView>("pic2"); }
    QStringList sheetLines() const { return sheet()->recording().pageText(0); }
    void click(const char* name) const
    {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    void choose(const char* list, const QString& text) const
    {
        control<QComboBox>(list)->setCurrentIndex(control<QComboBox>(list)->findText(text));
    }

    // Presses Import, chooses `file`, and lets the import window leave `study` behind.
    void importStudy(const Study& study = judgedStudy(),
                     const QString& file = QStringLiteral("/data/study.csv"))
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
    QString parentKey(const QString& key) const
    {
        return node(key)->parent()->data(0, Qt::UserRole).toString();
    }
    void clickNode(const QString& key) const
    {
        if (QTreeWidgetItem* group = node(key)->parent())
            group->setExpanded(true);
        tree()->scrollToItem(node(key));
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                          tree()->visualItemRect(node(key)).center());
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
    // sheet's viewport, its bar and the information button where the window's design puts them.
    void startState()
    {
        QCOMPARE(control<QLabel>("lblCaution")->text(), QStringLiteral("10 to 30"));
        for (const char* name : studyControls)
            QVERIFY2(!control(name)->isEnabled(), name);
        QVERIFY(control("cmdImport")->isEnabled());
        const QString misplaced =
            misplacedControls(*m_window, {{"TreeView1", 120, 600, 2055, 4815},
                                          {"picRR", 2160, 600, 7935, 4815},
                                          {"vspicrr", 10080, 600, 255, 4815},
                                          {"cmdRRinfo", 9105, 5610, 1380, 1245}});
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
    }

    // The accept list raises the unaccept limit to it.
    void limitListsKeepTheirOrder()
    {
        importStudy();
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

    // An import window closed without a study leaves the tree and the sheet as the import
    // before left them.
    void importThatChangesNothing()
    {
        importStudy();
        const QStringList keys = treeKeys();
        const QStringList lines = sheetLines();
        m_dialogs->clear();
        m_dialogs->queueFileName(QStringLiteral("/data/bad.csv"));
        click("cmdImport");
        QCOMPARE(m_dialogs->fileRequests().value(0).filter,
                 QStringLiteral("Comma Seperated Value Files (*.csv)"));
        QCOMPARE(m_dialogs->modalWindows(), QStringList{"frmImport"});
        QCOMPARE(treeKeys(), keys);
        QCOMPARE(sheetLines(), lines);
    }

    void importBuildsTheTreeGroupedByVerdict()
    {
        importStudy(judgedStudy(), QStringLiteral("/data/housing.csv"));
        QCOMPARE(ImportFileName(), QStringLiteral("/data/housing.csv"));
        QCOMPARE(treeKeys(), (QStringList{"G=Acceptable (2)", "F1=Bore 1 (12.3)", "F3=Face (3.0)",
                                          "Y=Caution (1)", "F5=Failed (0.0)", "R=Unacceptable (1)",
                                          "F2=Slot (41.2)"}));
        QCOMPARE(tree()->currentItem(), node(QStringLiteral("G")));
        QVERIFY(tree()->hasFocus());
        QVERIFY(sheetLines().value(0).contains(QLatin1String("Summary")));
        for (const char* name : studyControls)
            QVERIFY2(control(name)->isEnabled(), name);
    }

    // A group node shows the summary, whichever group; a feature node its data sheet.
    void nodeShowsItsSheet_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("secondLine");
        QTest::newRow("Y") << "Y"
                           << "        Title:";
        QTest::newRow("F2") << "F2"
                            << " Feature Name: Slot";
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

    // Recalculate judges with the limits the lists show at that moment: the reference
    // example at TOL 5 (%R&R 31.50).
    void recalculateJudgesWithTheLimitsInTheLists()
    {
        Study study = referenceStudy();
        study.Features[0].Status = QStringLiteral("Acceptable"); // as if judged otherwise
        importStudy(study);
        click("cmdRecalc");
        QCOMPARE(parentKey("F1"), QStringLiteral("R"));
        QCOMPARE(node(QStringLiteral("F1"))->text(0), QStringLiteral("Bore 1 (31.5)"));
        choose("cmbUnaccept", QStringLiteral("35"));
        QCOMPARE(parentKey("F1"), QStringLiteral("R")); // nothing recalculated yet
        click("cmdRecalc");
        QCOMPARE(parentKey("F1"), QStringLiteral("Y"));
        QVERIFY(sheetLines().contains(QStringLiteral("          Out: 0").leftJustified(20) +
                                      QStringLiteral(" Tolerance: 35 to 100").leftJustified(24) +
                                      "        End: "));
    }

    void informationIsKeptAcrossOpeningsAndImports()
    {
        importStudy();
        m_dialogs->queueModal([](QDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("txtTitle"))
                ->setText(QStringLiteral("Housing R&R"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdSave")),
                              Qt::LeftButton);
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
        QTest::addColumn<QStringList>("clicks"); // check boxes, a node's key or "cmdRecalc"
        QTest::addColumn<int>("copies");         // 0: the printer dialog is cancelled
        QTest::addColumn<QStringList>("sheets"); // of one copy
        QTest::addColumn<QString>("message");
        QTest::newRow("selected node") << QStringList{"ckSummary", "ckSelectedOnly", "F2"} << 3
                                       << QStringList{"Slot"} << QString();
        QTest::newRow("printer dialog cancelled")
            << QStringList{"ckSummary"} << 0 << QStringList() << QString();
        QTest::newRow("selected only without a selection")
            << QStringList{"ckSelectedOnly", "cmdRecalc"} << 1 << QStringList()
            << "Select a feature in the tree first.";
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
            QTest::mouseClick(dialog->findChild<QPushButton*>(copies ? "cmdPrint" : "cmdCancel"),
                              Qt::LeftButton);
            return dialog->result();
        });
        click("cmdPrint");
        QCOMPARE(m_dialogs->messages().value(0).text, message);
        QCOMPARE(m_dialogs->modalWindows(),
                 message.isEmpty() ? QStringList{"frmPrinter"} : QStringList());
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
};

QTEST_MAIN(tst_frmRR)
#include "tst_frmRR.moc"
