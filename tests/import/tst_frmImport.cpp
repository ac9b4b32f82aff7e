#include "import/frmImport.h"

#include "LabelBeside.h"
#include "ScriptedDialogs.h"
#include "StudyBuilder.h"
#include "import/ImportFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <memory>

// The import window through its real controls: each handler reaches the layout rules,
// the grid, the templates and Process; the rules themselves are the logic's tests.
class tst_frmImport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmImport> m_window;

    void openWindow(const QByteArray& content = placeNamedGrid(30, 5), const QString& acceptLimit = "10")
    {
        ImportFileName() = writeTestFile(m_folder, QStringLiteral("measured.csv"), content);
        m_window.reset();
        m_window = std::make_unique<frmImport>(acceptLimit, QStringLiteral("30"));
    }
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
    void type(const char* base, int index, const QString& text) const
    {
        box(base, index)->clear();
        QTest::keyClicks(box(base, index), text);
    }
    void drop(QLineEdit* target, const QMimeData& data) const
    {
        QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent dropEvent(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropEvent);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init()
    {
        m_dialogs = std::make_unique<ScriptedDialogs>();
        theStudy() = Study();
    }
    void cleanup()
    {
        m_window.reset();
        m_dialogs.reset();
        ImportFileName().clear();
    }

    // The file in the grid, the start values, and each block box beside its label.
    void opensWithTheFileAndTheStartValues()
    {
        openWindow(placeNamedGrid(30, 20));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Import csv file"));
        QVERIFY(m_window->isModal());
        auto* grid = control<QTableView>("DataGrid1");
        QCOMPARE(grid->model()->rowCount(), 30);
        QCOMPARE(grid->model()->columnCount(), 20);
        QCOMPARE(grid->model()->index(11, 2).data(Qt::ToolTipRole).toString(), QStringLiteral("L12C3"));
        QCOMPARE(control<QComboBox>("cmbNumParts")->currentText(), QStringLiteral("5"));
        QCOMPARE(control<QComboBox>("cmbNumRuns")->currentText(), QStringLiteral("3"));
        QVERIFY(control<QRadioButton>("opt3")->isChecked() && control<QCheckBox>("ckOrder")->isChecked());
        QVERIFY(!control<QCheckBox>("Check1")->isChecked() && !box("txtSP", 4)->isEnabled());
        QCOMPARE(box("txtAP3", 4)->text(), QStringLiteral("43,44,45"));
        QVERIFY(!box("txtAP1", 5)->isEnabled());
        const std::pair<const char*, const char*> blocks[] = {
            {"First run row / column  block:", "Block that contains the fist column and row of data"},
            {"Lower tolerance Row:", "Any block from the Lower tolerance row"},
            {"Upper tolerance Row:", "Any block from the Upper tolerance row"},
            {"Feature Name Row", "Any block from the Feature name row"},
            {"Run Info. Column:", "Any block from an additional information column"}};
        m_window->show();
        for (int block = 0; block < 5; ++block) {
            QCOMPARE(labelBeside(*box("txtSP", block)), QLatin1String(blocks[block].first));
            QCOMPARE(box("txtSP", block)->toolTip(), QLatin1String(blocks[block].second));
        }
        QVERIFY(m_dialogs->messages().isEmpty());
    }

    void labelsFollowTheGridsScrolling()
    {
        openWindow(placeNamedGrid(60, 40));
        m_window->show();
        QCOMPARE(control<QLabel>("lblRow_0")->text(), QStringLiteral("1"));
        QCOMPARE(control<QLabel>("lblCol_7")->text(), QStringLiteral("8"));
        auto* grid = control<QTableView>("DataGrid1");
        grid->scrollTo(grid->model()->index(40, 25));
        const int firstRow = grid->rowAt(1);
        const int firstColumn = grid->columnAt(1);
        QVERIFY(firstRow > 0 && firstColumn > 0);
        QCOMPARE(control<QLabel>("lblRow_10")->text(), QString::number(firstRow + 11));
        QCOMPARE(control<QLabel>("lblCol_0")->text(), QString::number(firstColumn + 1));
        // Every row the labels name is in view.
        QCOMPARE(grid->rowAt(grid->viewport()->height() - 2), firstRow + frmImport::visibleRows - 1);
    }

    void showsTheLoadingError()
    {
        openWindow("a,b\r\nc,d\r\n\"\r\ne,f\r\n");
        QCOMPARE(m_dialogs->messages().size(), 1);
        const ScriptedDialogs::Message message = m_dialogs->messages().first();
        QCOMPARE(message.text, QStringLiteral("Unanticipated error 5: Invalid procedure call or argument"));
        QCOMPARE(message.title, QStringLiteral("Quorvel"));
        QCOMPARE(message.icon, Dialogs::Icon::Warning);
        QCOMPARE(control<QTableView>("DataGrid1")->model()->rowCount(), 2);
    }

    // Each choice runs its rule on the trial boxes; Check1 enables the run information box.
    void choicesShapeTheBoxes()
    {
        openWindow();
        control<QComboBox>("cmbNumParts")->setCurrentIndex(2);
        QVERIFY(box("txtAP1", 3)->isEnabled() && !box("txtAP1", 4)->isEnabled());
        control<QRadioButton>("opt2")->click();
        QVERIFY(!box("txtAP3", 0)->isEnabled() && box("txtAP2", 3)->isEnabled());
        control<QComboBox>("cmbNumRuns")->setCurrentIndex(0);
        QCOMPARE(box("txtAP2", 0)->text(), QStringLiteral("9,10"));
        control<QRadioButton>("opt3")->click();
        QCOMPARE(box("txtAP3", 3)->text(), QStringLiteral("23,24"));
        control<QCheckBox>("ckOrder")->click();
        for (const char* base : {"txtAP1", "txtAP2", "txtAP3"})
            QVERIFY(box(base, 0)->text().isEmpty());
        control<QCheckBox>("Check1")->click();
        QVERIFY(box("txtSP", 4)->isEnabled());
        box("txtSP", 4)->setText(QStringLiteral("C1"));
        control<QCheckBox>("Check1")->click();
        QVERIFY(!box("txtSP", 4)->isEnabled());
        QCOMPARE(box("txtSP", 4)->text(), QStringLiteral("C1"));
    }

    // A cell dropped on a block box writes it and lights it green, the others white; a
    // drag that carries no grid cell is refused.
    void dropWritesTheCell()
    {
        openWindow();
        control<QCheckBox>("Check1")->click();
        auto* grid = control<QTableView>("DataGrid1");
        std::unique_ptr<QMimeData> data(grid->model()->mimeData({grid->model()->index(11, 2)}));
        const QStringList texts{"R12 - C3", "R12", "R12", "R12", "C3"};
        for (int block = 0; block < 5; ++block) {
            drop(box("txtSP", block), *data);
            QCOMPARE(box("txtSP", block)->text(), texts[block]);
            for (int other = 0; other < 5; ++other)
                QCOMPARE(box("txtSP", other)->palette().color(QPalette::Active, QPalette::Base),
                         other == block ? QColor(0, 255, 0) : QColor(255, 255, 255));
        }
        QMimeData text;
        text.setText(QStringLiteral("R99"));
        QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box("txtSP", 3), &enter);
        QVERIFY(!enter.isAccepted());
        drop(box("txtSP", 3), text);
        QCOMPARE(box("txtSP", 3)->text(), QStringLiteral("R12"));
    }

    // Save Template writes the controls, Load Template puts them back in a new window: with
    // trials out of order every list, with trials in order lists made again over what
    // was typed (the choice runs its rule though unchanged).
    void templatesRoundTrip()
    {
        openWindow();
        control<QRadioButton>("opt2")->click();
        control<QComboBox>("cmbNumRuns")->setCurrentIndex(0);
        control<QCheckBox>("ckOrder")->click();
        control<QCheckBox>("Check1")->click();
        type("txtSP", 4, "C1");
        type("txtSP", 0, "R4 - C2");
        type("txtAP1", 0, "2,1");
        type("txtAP2", 4, "9,10");
        m_dialogs->queueFileName(m_folder.filePath("custom.tpl"));
        control<QPushButton>("cmdSave")->click();
        QCOMPARE(m_dialogs->fileRequests().last().filter, QStringLiteral("Template Files (*.tpl)"));
        QVERIFY(m_dialogs->fileRequests().last().save);

        openWindow();
        m_dialogs->queueFileName(m_folder.filePath("custom.tpl"));
        control<QPushButton>("cmdLoad")->click();
        QVERIFY(control<QRadioButton>("opt2")->isChecked() && !control<QCheckBox>("ckOrder")->isChecked());
        QCOMPARE(control<QComboBox>("cmbNumRuns")->currentText(), QStringLiteral("2"));
        QVERIFY(box("txtSP", 4)->isEnabled() && !box("txtAP3", 0)->isEnabled());
        QCOMPARE((QStringList{box("txtSP", 4)->text(), box("txtSP", 0)->text(), box("txtAP1", 0)->text(),
                              box("txtAP2", 4)->text()}),
                 (QStringList{"C1", "R4 - C2", "2,1", "9,10"}));

        openWindow();
        m_dialogs->queueFileName(m_folder.filePath("inorder.tpl"));
        control<QPushButton>("cmdSave")->click();
        type("txtAP1", 0, "typed over");
        m_dialogs->queueFileName(m_folder.filePath("inorder.tpl"));
        control<QPushButton>("cmdLoad")->click();
        QCOMPARE(box("txtAP1", 0)->text(), QStringLiteral("1,2,3"));
        QVERIFY(m_dialogs->messages().isEmpty());
    }

    void templateMessages_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("content");  // null: the name of a file in a missing folder
        QTest::addColumn<QString>("message");
        QTest::addColumn<Dialogs::Icon>("icon");
        QTest::addColumn<bool>("twoAppraisers");  // afterwards
        QByteArray longer = "True\r\n 0\r\n 1\r\n 0\r\n 0\r\n\r\nR5 - C3\r\nR3\r\nR2\r\nR1\r\n";
        longer += QByteArray("1,2\r\n").repeated(31);
        const QByteArray badLine = "True\r\n 1\r\n 12\r\n" + QByteArray(" 0\r\n").repeated(37);
        QTest::newRow("41 lines") << "cmdLoad" << longer << "The file is corrupt, not enough lines of data."
                                  << Dialogs::Icon::NoIcon << false;
        QTest::newRow("parts position 12") << "cmdLoad" << badLine
                                           << "Unanticipated error cmdLoad380: Invalid property value"
                                           << Dialogs::Icon::Warning << true;
        QTest::newRow("no such folder") << "cmdSave" << QByteArray() << "Unanticipated error cmdSave76: Path not found"
                                        << Dialogs::Icon::Warning << false;
        QTest::newRow("load cancelled") << "cmdLoad" << QByteArray("") << QString() << Dialogs::Icon::NoIcon << false;
    }

    void templateMessages()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(Dialogs::Icon, icon);
        QFETCH(bool, twoAppraisers);
        openWindow();
        m_dialogs->queueFileName(content.isNull() ? m_folder.filePath("no such folder/layout.tpl")
                                 : content.isEmpty() ? QString() : writeTestFile(m_folder, "layout.tpl", content));
        control<QPushButton>(button)->click();
        QCOMPARE(m_dialogs->messages().value(0).text, message);
        if (!message.isEmpty())
            QCOMPARE(m_dialogs->messages().value(0).icon, icon);
        QCOMPARE(control<QRadioButton>("opt2")->isChecked(), twoAppraisers);
        QCOMPARE(control<QComboBox>("cmbNumParts")->currentText(), QStringLiteral("5"));
    }

    // Process closes the window with the study computed, or keeps it open with the message
    // of the check or the step that failed and the study as it was.
    void process_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("acceptLimit");
        QTest::addColumn<QString>("upperBlock");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Dialogs::Icon>("icon");
        const QByteArray reference = testData("gage-rr-reference-cmm.csv");
        QTest::newRow("computed") << reference << "10" << "R2" << QString() << Dialogs::Icon::NoIcon;
        QTest::newRow("invalid layout") << reference << "10" << "" << "Upper tolerance Row block contains invalid data."
                                        << Dialogs::Icon::NoIcon;
        QTest::newRow("calculation fails")
            << reference << "ten" << "R2"
            << "There was a problem the calculation of your data. Please verify the data in your file."
            << Dialogs::Icon::NoIcon;
        QTest::newRow("a quoted name holding a comma")
            << QByteArray(reference).replace("Bore 1", "\"Bore, 1\"") << "10" << "R2"
            << "The text in line 1, column 2 holds a comma inside quotes; the names after it would not match their "
               "readings."
            << Dialogs::Icon::Warning;
    }

    void process()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, acceptLimit);
        QFETCH(QString, upperBlock);
        QFETCH(QString, message);
        QFETCH(Dialogs::Icon, icon);
        openWindow(content, acceptLimit);
        m_dialogs->queueModal([&](QDialog* dialog) {
            control<QComboBox>("cmbNumParts")->setCurrentIndex(8);
            for (const auto& [block, text] : {std::pair{3, "R1"}, {1, "R3"}, {0, "R4 - C2"}})
                type("txtSP", block, QLatin1String(text));
            type("txtSP", 2, upperBlock);
            control<QPushButton>("cmdProcess")->click();
            return dialog->isVisible() ? -1 : dialog->result();
        });
        QCOMPARE(dialogs().exec(m_window.get()), message.isEmpty() ? int(QDialog::Accepted) : -1);
        QCOMPARE(m_dialogs->messages().value(0).text, message);
        QCOMPARE(m_dialogs->messages().value(0).icon, message.isEmpty() ? Dialogs::Icon::NoIcon : icon);
        QCOMPARE(theStudy().ImportSucceeded, message.isEmpty());
        QCOMPARE(theStudy().Features.value(0).Status, message.isEmpty() ? QStringLiteral("Unacceptable") : QString());
    }
};

QTEST_MAIN(tst_frmImport)
#include "tst_frmImport.moc"
