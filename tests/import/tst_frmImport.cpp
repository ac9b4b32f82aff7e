#include "import/frmImport.h"

#include "ImportTestFiles.h"
#include "ScriptedDialogs.h"
#include "import/ImportFile.h"
#include "import/modImport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <memory>

// The import window driven through its real controls: the grid and its labels, the
// enabling and filling of the trial boxes, dropping cells on the block boxes,
// templates and Process.
class tst_frmImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init();
    void cleanup();
    void opensWithTheFileAndTheStartValues();
    void labelsFollowTheGridsScrolling();
    void showsTheLoadingError();
    void fourPartsTwoAppraisersDisableTheRest();
    void uncheckingOrderEmptiesAllBoxes();
    void fillsTrialsInOrder();
    void check1EnablesTheRunInfoBox();
    void dropWritesTheCell_data();
    void dropWritesTheCell();
    void refusesForeignDrops();
    void templateInOrderRegeneratesListsOnLoad();
    void templateOutOfOrderRoundTrips();
    void refusesATemplateOf41Lines();
    void reportsABadTemplateLine();
    void cancelledTemplateDialogsDoNothing();
    void reportsAFailedSave();
    void processClosesWithAComputedStudy();
    void invalidLayoutKeepsTheWindowOpen();
    void failedCalculationKeepsTheWindowOpen();

private:
    void openWindow(const QByteArray& content, const QString& acceptLimit = QStringLiteral("10"));
    template <typename T> T* control(const QString& name) const
    {
        T* found = m_window->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit* box(const char* base, int index) const
    {
        return control<QLineEdit>(QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index));
    }
    QStringList trialTexts(int appraiser) const;
    void markWorkedExample();
    void drop(QLineEdit* target, const QMimeData& data);

    QTemporaryDir m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmImport> m_window;
};

void tst_frmImport::init()
{
    m_dialogs = std::make_unique<ScriptedDialogs>();
    theStudy() = Study();
}

void tst_frmImport::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
    ImportFileName().clear();
}

void tst_frmImport::openWindow(const QByteArray& content, const QString& acceptLimit)
{
    ImportFileName() = ImportTestFiles::write(m_folder, QStringLiteral("measured.csv"), content);
    m_window.reset();
    m_window = std::make_unique<frmImport>(acceptLimit, QStringLiteral("30"));
}

QStringList tst_frmImport::trialTexts(int appraiser) const
{
    const QByteArray base = "txtAP" + QByteArray::number(appraiser);
    QStringList texts;
    for (int part = 0; part < maxParts; ++part)
        texts << box(base.constData(), part)->text();
    return texts;
}

// 2 appraisers, 3 parts, 2 trials, readings from line 5, column 3.
void tst_frmImport::markWorkedExample()
{
    control<QRadioButton>("opt2")->click();
    control<QComboBox>("cmbNumParts")->setCurrentIndex(1);
    control<QComboBox>("cmbNumRuns")->setCurrentIndex(0);
    QTest::keyClicks(box("txtSP", 3), "R1");
    QTest::keyClicks(box("txtSP", 2), "R2");
    QTest::keyClicks(box("txtSP", 1), "R3");
    QTest::keyClicks(box("txtSP", 0), "R5 - C3");
}

void tst_frmImport::drop(QLineEdit* target, const QMimeData& data)
{
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropEvent(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropEvent);
}

void tst_frmImport::opensWithTheFileAndTheStartValues()
{
    openWindow(ImportTestFiles::placeNamedGrid(30, 20));
    QCOMPARE(m_window->objectName(), QStringLiteral("frmImport"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Import csv file"));
    QVERIFY(m_window->isModal());
    auto* grid = control<QTableView>("DataGrid1");
    QCOMPARE(grid->model()->rowCount(), 30);
    QCOMPARE(grid->model()->columnCount(), 20);
    QCOMPARE(grid->model()->index(11, 2).data(Qt::ToolTipRole).toString(), QStringLiteral("L12C3"));
    QCOMPARE(control<QComboBox>("cmbNumParts")->currentText(), QStringLiteral("5"));
    QCOMPARE(control<QComboBox>("cmbNumRuns")->currentText(), QStringLiteral("3"));
    QVERIFY(control<QRadioButton>("opt3")->isChecked());
    QVERIFY(control<QCheckBox>("ckOrder")->isChecked());
    QVERIFY(!control<QCheckBox>("Check1")->isChecked());
    QVERIFY(!box("txtSP", 4)->isEnabled());
    QCOMPARE(trialTexts(3)[4], QStringLiteral("43,44,45"));
    QVERIFY(!box("txtAP1", 5)->isEnabled());
    QVERIFY(m_dialogs->messages().isEmpty());
}

void tst_frmImport::labelsFollowTheGridsScrolling()
{
    openWindow(ImportTestFiles::placeNamedGrid(60, 40));
    m_window->show();
    QCOMPARE(control<QLabel>("lblRow_0")->text(), QStringLiteral("1"));
    QCOMPARE(control<QLabel>("lblRow_10")->text(), QStringLiteral("11"));
    QCOMPARE(control<QLabel>("lblCol_7")->text(), QStringLiteral("8"));

    auto* grid = control<QTableView>("DataGrid1");
    grid->scrollTo(grid->model()->index(40, 25));
    const int firstRow = grid->rowAt(1);
    const int firstColumn = grid->columnAt(1);
    QVERIFY(firstRow > 0 && firstColumn > 0);
    QCOMPARE(control<QLabel>("lblRow_0")->text(), QString::number(firstRow + 1));
    QCOMPARE(control<QLabel>("lblRow_10")->text(), QString::number(firstRow + 11));
    QCOMPARE(control<QLabel>("lblCol_0")->text(), QString::number(firstColumn + 1));
    QCOMPARE(control<QLabel>("lblCol_7")->text(), QString::number(firstColumn + 8));
    // Every row the labels name is in view.
    QCOMPARE(grid->rowAt(grid->viewport()->height() - 2), firstRow + frmImport::visibleRows - 1);
}

void tst_frmImport::showsTheLoadingError()
{
    openWindow("a,b\r\nc,d\r\n\"\r\ne,f\r\n");
    QCOMPARE(m_dialogs->messages().size(), 1);
    const ScriptedDialogs::Message message = m_dialogs->messages().first();
    QCOMPARE(message.text, QStringLiteral("Unanticipated error 5: Invalid procedure call or argument"));
    QCOMPARE(message.title, QStringLiteral("Quorvel"));
    QCOMPARE(message.icon, Dialogs::Icon::Warning);
    QCOMPARE(control<QTableView>("DataGrid1")->model()->rowCount(), 2);
}

void tst_frmImport::fourPartsTwoAppraisersDisableTheRest()
{
    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    control<QComboBox>("cmbNumParts")->setCurrentIndex(2);
    control<QRadioButton>("opt2")->click();
    QCOMPARE(control<QComboBox>("cmbNumParts")->currentText(), QStringLiteral("4"));
    for (int part = 0; part < maxParts; ++part) {
        QCOMPARE(box("txtAP1", part)->isEnabled(), part < 4);
        QCOMPARE(box("txtAP2", part)->isEnabled(), part < 4);
        QVERIFY(!box("txtAP3", part)->isEnabled());
    }
    control<QRadioButton>("opt3")->click();
    QVERIFY(box("txtAP3", 3)->isEnabled());
    QVERIFY(!box("txtAP3", 4)->isEnabled());
}

void tst_frmImport::uncheckingOrderEmptiesAllBoxes()
{
    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    box("txtAP3", 9)->setText(QStringLiteral("left in a disabled box"));
    control<QCheckBox>("ckOrder")->click();
    for (int appraiser = 1; appraiser <= maxAppraisers; ++appraiser)
        QCOMPARE(trialTexts(appraiser), QStringList(maxParts, QString()));
}

void tst_frmImport::fillsTrialsInOrder()
{
    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    control<QRadioButton>("opt2")->click();
    control<QComboBox>("cmbNumParts")->setCurrentIndex(1);
    control<QComboBox>("cmbNumRuns")->setCurrentIndex(1);
    const QStringList empty(7, QString());
    QCOMPARE(trialTexts(1), QStringList({"1,2,3", "4,5,6", "7,8,9"}) + empty);
    QCOMPARE(trialTexts(2), QStringList({"10,11,12", "13,14,15", "16,17,18"}) + empty);
    QCOMPARE(trialTexts(3), QStringList(maxParts, QString()));

    control<QComboBox>("cmbNumRuns")->setCurrentIndex(0);
    QCOMPARE(trialTexts(2)[0], QStringLiteral("7,8"));
}

void tst_frmImport::check1EnablesTheRunInfoBox()
{
    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    auto* check1 = control<QCheckBox>("Check1");
    check1->click();
    QVERIFY(box("txtSP", 4)->isEnabled());
    box("txtSP", 4)->setText(QStringLiteral("C1"));
    check1->click();
    QVERIFY(!box("txtSP", 4)->isEnabled());
    QCOMPARE(box("txtSP", 4)->text(), QStringLiteral("C1"));
}

void tst_frmImport::dropWritesTheCell_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<QString>("text");

    QTest::newRow("first run block") << 0 << "R12 - C3";
    QTest::newRow("lower tolerance row") << 1 << "R12";
    QTest::newRow("upper tolerance row") << 2 << "R12";
    QTest::newRow("feature name row") << 3 << "R12";
    QTest::newRow("run information column") << 4 << "C3";
}

void tst_frmImport::dropWritesTheCell()
{
    QFETCH(int, block);
    QFETCH(QString, text);

    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    control<QCheckBox>("Check1")->click();
    auto* grid = control<QTableView>("DataGrid1");
    std::unique_ptr<QMimeData> data(grid->model()->mimeData({grid->model()->index(11, 2)}));
    drop(box("txtSP", block), *data);

    QCOMPARE(box("txtSP", block)->text(), text);
    for (int other = 0; other < ImportLayout::blockCount; ++other) {
        const QColor expected = other == block ? QColor(0, 255, 0) : QColor(255, 255, 255);
        QCOMPARE(box("txtSP", other)->palette().color(QPalette::Active, QPalette::Base), expected);
    }
}

void tst_frmImport::refusesForeignDrops()
{
    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    QMimeData text;
    text.setText(QStringLiteral("R99"));
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box("txtSP", 3), &enter);
    QVERIFY(!enter.isAccepted());
    drop(box("txtSP", 3), text);
    QVERIFY(box("txtSP", 3)->text().isEmpty());
}

void tst_frmImport::templateInOrderRegeneratesListsOnLoad()
{
    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    control<QComboBox>("cmbNumParts")->setCurrentIndex(1);
    QTest::keyClicks(box("txtSP", 0), "R4 - C2");
    const QString path = m_folder.filePath("inorder.tpl");
    m_dialogs->queueFileName(path);
    control<QPushButton>("cmdSave")->click();
    QCOMPARE(m_dialogs->fileRequests().last().filter, QStringLiteral("Template Files (*.tpl)"));
    QVERIFY(m_dialogs->fileRequests().last().save);

    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    control<QRadioButton>("opt2")->click();
    box("txtAP1", 0)->setText(QStringLiteral("typed over"));
    m_dialogs->queueFileName(path);
    control<QPushButton>("cmdLoad")->click();
    QVERIFY(m_dialogs->messages().isEmpty());
    QCOMPARE(box("txtSP", 0)->text(), QStringLiteral("R4 - C2"));
    QCOMPARE(control<QComboBox>("cmbNumParts")->currentText(), QStringLiteral("3"));
    QVERIFY(control<QRadioButton>("opt3")->isChecked());
    QCOMPARE(trialTexts(1).mid(0, 4), QStringList({"1,2,3", "4,5,6", "7,8,9", ""}));
    QCOMPARE(trialTexts(3)[2], QStringLiteral("25,26,27"));
}

void tst_frmImport::templateOutOfOrderRoundTrips()
{
    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    control<QRadioButton>("opt2")->click();
    control<QComboBox>("cmbNumRuns")->setCurrentIndex(0);
    control<QCheckBox>("ckOrder")->click();
    control<QCheckBox>("Check1")->click();
    QTest::keyClicks(box("txtSP", 4), "C1");
    QTest::keyClicks(box("txtAP1", 0), "2,1");
    QTest::keyClicks(box("txtAP2", 4), "9,10");
    const QString path = m_folder.filePath("custom.tpl");
    m_dialogs->queueFileName(path);
    control<QPushButton>("cmdSave")->click();

    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    m_dialogs->queueFileName(path);
    control<QPushButton>("cmdLoad")->click();
    QVERIFY(m_dialogs->messages().isEmpty());
    QVERIFY(control<QRadioButton>("opt2")->isChecked());
    QCOMPARE(control<QComboBox>("cmbNumRuns")->currentText(), QStringLiteral("2"));
    QVERIFY(!control<QCheckBox>("ckOrder")->isChecked());
    QVERIFY(box("txtSP", 4)->isEnabled());
    QCOMPARE(box("txtSP", 4)->text(), QStringLiteral("C1"));
    QCOMPARE(trialTexts(1)[0], QStringLiteral("2,1"));
    QCOMPARE(trialTexts(2)[4], QStringLiteral("9,10"));
    QVERIFY(!box("txtAP3", 0)->isEnabled());
}

void tst_frmImport::refusesATemplateOf41Lines()
{
    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    QByteArray content = "True\r\n 0\r\n 1\r\n 0\r\n 0\r\n\r\nR5 - C3\r\nR3\r\nR2\r\nR1\r\n";
    for (int line = 11; line <= 41; ++line)
        content += "1,2\r\n";
    m_dialogs->queueFileName(ImportTestFiles::write(m_folder, "long.tpl", content));
    control<QPushButton>("cmdLoad")->click();
    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->messages().first().text,
             QStringLiteral("The file is corrupt, not enough lines of data."));
    QCOMPARE(m_dialogs->messages().first().icon, Dialogs::Icon::NoIcon);
    QVERIFY(control<QRadioButton>("opt3")->isChecked());
    QVERIFY(box("txtSP", 0)->text().isEmpty());
}

void tst_frmImport::reportsABadTemplateLine()
{
    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    QByteArray content = "True\r\n 1\r\n 12\r\n";
    for (int line = 4; line <= 40; ++line)
        content += " 0\r\n";
    m_dialogs->queueFileName(ImportTestFiles::write(m_folder, "bad.tpl", content));
    control<QPushButton>("cmdLoad")->click();
    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->messages().first().text,
             QStringLiteral("Unanticipated error cmdLoad380: Invalid property value"));
    QCOMPARE(m_dialogs->messages().first().icon, Dialogs::Icon::Warning);
    // Lines before the bad one were applied.
    QVERIFY(control<QRadioButton>("opt2")->isChecked());
    QCOMPARE(control<QComboBox>("cmbNumParts")->currentText(), QStringLiteral("5"));
}

void tst_frmImport::cancelledTemplateDialogsDoNothing()
{
    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    const QStringList filesBefore = QDir(m_folder.path()).entryList(QDir::Files);
    control<QPushButton>("cmdLoad")->click();
    control<QPushButton>("cmdSave")->click();
    QCOMPARE(m_dialogs->fileRequests().size(), 2);
    QVERIFY(m_dialogs->messages().isEmpty());
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files), filesBefore);
    QCOMPARE(control<QComboBox>("cmbNumParts")->currentText(), QStringLiteral("5"));
}

void tst_frmImport::reportsAFailedSave()
{
    openWindow(ImportTestFiles::placeNamedGrid(30, 5));
    m_dialogs->queueFileName(m_folder.filePath("no such folder/layout.tpl"));
    control<QPushButton>("cmdSave")->click();
    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->messages().first().text,
             QStringLiteral("Unanticipated error cmdSave76: Path not found"));
}

void tst_frmImport::processClosesWithAComputedStudy()
{
    openWindow(ImportTestFiles::cmmFile(6, 45));
    m_dialogs->queueModal([this](QDialog* dialog) {
        QTest::keyClicks(box("txtSP", 3), "R1");
        QTest::keyClicks(box("txtSP", 2), "R2");
        QTest::keyClicks(box("txtSP", 1), "R3");
        QTest::keyClicks(box("txtSP", 0), "R4 - C2");
        control<QPushButton>("cmdProcess")->click();
        return dialog->result();
    });
    QCOMPARE(dialogs().exec(m_window.get()), int(QDialog::Accepted));
    QVERIFY(m_dialogs->messages().isEmpty());
    QVERIFY(!m_window->isVisible());
    QVERIFY(theStudy().ImportSucceeded);
    QCOMPARE(theStudy().FeatureCount(), 6);
    QCOMPARE(theStudy().AppraiserCount, 3);
    QCOMPARE(theStudy().Features[5].Name, QStringLiteral("DIA6"));
    QVERIFY(!theStudy().Features[5].Status.isEmpty());
    QVERIFY(theStudy().Features[5].PctRR > 0);
}

void tst_frmImport::invalidLayoutKeepsTheWindowOpen()
{
    openWindow(ImportTestFiles::placeNamedGrid(16, 10));
    m_window->show();
    markWorkedExample();
    box("txtSP", 2)->clear();
    control<QPushButton>("cmdProcess")->click();
    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->messages().first().text,
             QStringLiteral("Upper tolerance Row block contains invalid data."));
    QVERIFY(m_window->isVisible());
    QCOMPARE(theStudy().FeatureCount(), 0);

    // Trial lists that do not add up stop Process too.
    m_dialogs->clear();
    QTest::keyClicks(box("txtSP", 2), "R2");
    control<QCheckBox>("ckOrder")->click();
    control<QCheckBox>("ckOrder")->click();
    box("txtAP2", 2)->setText(QStringLiteral("11,12,13"));
    control<QPushButton>("cmdProcess")->click();
    QCOMPARE(m_dialogs->messages().first().text,
             QStringLiteral("You have more trial locations than the expected parts x runs x appraisers."));
    QCOMPARE(theStudy().FeatureCount(), 0);

    m_dialogs->clear();
    box("txtAP2", 2)->setText(QStringLiteral("11,12"));
    control<QPushButton>("cmdProcess")->click();
    QVERIFY(m_dialogs->messages().isEmpty());
    QCOMPARE(theStudy().FeatureCount(), 8);
    QCOMPARE(theStudy().Features[0].Readings[1][1][0], QStringLiteral("L12C3"));
}

void tst_frmImport::failedCalculationKeepsTheWindowOpen()
{
    openWindow(ImportTestFiles::placeNamedGrid(16, 10), QStringLiteral("ten"));
    m_window->show();
    markWorkedExample();
    control<QPushButton>("cmdProcess")->click();
    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->messages().first().text,
             QStringLiteral("There was a problem the calculation of your data. Please verify the "
                            "data in your file."));
    QVERIFY(m_window->isVisible());
    QVERIFY(!theStudy().ImportSucceeded);
    QCOMPARE(theStudy().FeatureCount(), 0);  // the study is left as it was
}

QTEST_MAIN(tst_frmImport)
#include "tst_frmImport.moc"
