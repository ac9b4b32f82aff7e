#include "import/frmImport.h"

#include "ScriptedDialogs.h"
#include "WindowDriver.h"
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

    void openWindow(const QByteArray& content = placeNamedGrid(30, 5))
    {
        ImportFileName() = writeTestFile(m_folder, QStringLiteral("measured.csv"), content);
        m_window.reset();
        m_window = std::make_unique<frmImport>(QStringLiteral("10"), QStringLiteral("30"));
    }
    template <typename T> T* control(const QString& name) const
    {
        return WindowDriver::control<T>(*m_window, name);
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

    // The file in the grid and the start layout's lists.
    void opensWithTheFileAndTheStartValues()
    {
        openWindow(placeNamedGrid(30, 20));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Import csv file"));
        QVERIFY(m_window->isModal());
        auto* grid = control<QTableView>("DataGrid1");
        QCOMPARE(grid->model()->rowCount(), 30);
        QCOMPARE(grid->model()->columnCount(), 20);
        QCOMPARE(grid->model()->index(11, 2).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("L12C3"));
        QCOMPARE(box("txtAP3", 4)->text(), QStringLiteral("43,44,45"));
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
        QCOMPARE(grid->rowAt(grid->viewport()->height() - 2),
                 firstRow + frmImport::visibleRows - 1);
    }

    void showsTheLoadingError()
    {
        openWindow("a,b\r\nc,d\r\n\"\r\ne,f\r\n");
        QCOMPARE(m_dialogs->messages().size(), 1);
        const ScriptedDialogs::Message message = m_dialogs->messages().first();
        QCOMPARE(message.text,
                 QStringLiteral("Unanticipated error 5: Invalid procedure call or argument"));
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
        control<QCheckBox>("ckOrder")->click();
        for (const char* base : {"txtAP1", "txtAP2", "txtAP3"})
            QVERIFY(box(base, 0)->text().isEmpty());
        control<QCheckBox>("Check1")->click();
        QVERIFY(box("txtSP", 4)->isEnabled());
    }

    // A cell dropped on a block box writes it and lights it green, the others white.
    void dropWritesTheCell()
    {
        openWindow();
        auto* grid = control<QTableView>("DataGrid1");
        std::unique_ptr<QMimeData> data(grid->model()->mimeData({grid->model()->index(11, 2)}));
        drop(box("txtSP", 1), *data);
        drop(box("txtSP", 0), *data);
        QCOMPARE(box("txtSP", 0)->text(), QStringLiteral("R12 - C3"));
        QCOMPARE(box("txtSP", 0)->palette().color(QPalette::Active, QPalette::Base),
                 QColor(0, 255, 0));
        QCOMPARE(box("txtSP", 1)->palette().color(QPalette::Active, QPalette::Base),
                 QColor(255, 255, 255));
    }

    // Save Template writes the controls, Load Template puts them back in a new window, and
    // says so when a template is too short.
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
        QVERIFY(control<QRadioButton>("opt2")->isChecked() &&
                !control<QCheckBox>("ckOrder")->isChecked());
        QCOMPARE(control<QComboBox>("cmbNumRuns")->currentText(), QStringLiteral("2"));
        QVERIFY(box("txtSP", 4)->isEnabled() && !box("txtAP3", 0)->isEnabled());
        QCOMPARE((QStringList{box("txtSP", 4)->text(), box("txtSP", 0)->text(),
                              box("txtAP1", 0)->text(), box("txtAP2", 4)->text()}),
                 (QStringList{"C1", "R4 - C2", "2,1", "9,10"}));
        QVERIFY(m_dialogs->messages().isEmpty());

        m_dialogs->queueFileName(writeTestFile(m_folder, "short.tpl", "True\r\n 0\r\n"));
        control<QPushButton>("cmdLoad")->click();
        QCOMPARE(m_dialogs->messages().value(0).text,
                 QStringLiteral("The file is corrupt, not enough lines of data."));
    }

    // Process closes the window with the study computed, or keeps it open with the message
    // of the check or the step that failed and the study as it was.
    void process_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("upperBlock");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Dialogs::Icon>("icon");
        QTest::addColumn<bool>("fileGone"); // removed after the grid showed it
        const QByteArray reference = testData("gage-rr-reference-cmm.csv");
        QTest::newRow("computed") << reference << "R2" << QString() << Dialogs::Icon::NoIcon
                                  << false;
        QTest::newRow("invalid layout")
            << reference << ""
            << "Upper tolerance Row block contains invalid data." << Dialogs::Icon::NoIcon << false;
        QTest::newRow("a quoted name holding a comma")
            << QByteArray(reference).replace("Bore 1", "\"Bore, 1\"") << "R2"
            << "The text in line 1, column 2 holds a comma inside quotes; the names after it would "
               "not match their "
               "readings."
            << Dialogs::Icon::Warning << false;
        QTest::newRow("the file gone since the grid showed it")
            << reference << "R2"
            << "Unanticipated error 53: File not found, please check your values."
            << Dialogs::Icon::Warning << true;
    }

    void process()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, upperBlock);
        QFETCH(QString, message);
        QFETCH(Dialogs::Icon, icon);
        QFETCH(bool, fileGone);
        openWindow(content);
        m_dialogs->queueModal([&](QDialog* dialog) {
            control<QComboBox>("cmbNumParts")->setCurrentIndex(8);
            for (const auto& [block, text] : {std::pair{3, "R1"}, {1, "R3"}, {0, "R4 - C2"}})
                type("txtSP", block, QLatin1String(text));
            type("txtSP", 2, upperBlock);
            if (fileGone)
                QFile::remove(ImportFileName());
            control<QPushButton>("cmdProcess")->click();
            return dialog->isVisible() ? -1 : dialog->result();
        });
        QCOMPARE(dialogs().exec(m_window.get()), message.isEmpty() ? int(QDialog::Accepted) : -1);
        QCOMPARE(m_dialogs->messages().value(0).text, message);
        QCOMPARE(m_dialogs->messages().value(0).icon,
                 message.isEmpty() ? Dialogs::Icon::NoIcon : icon);
        QCOMPARE(theStudy().ImportSucceeded, message.isEmpty());
        QCOMPARE(theStudy().Features.value(0).Status,
                 message.isEmpty() ? QStringLiteral("Unacceptable") : QString());
    }
};

QTEST_MAIN(tst_frmImport)
#include "tst_frmImport.moc"
