#include "rrstudy/frmRRCharts.h"

#include "RecordingPrintTarget.h"
#include "ScriptedDialogs.h"
#include "WindowDriver.h"
#include "StudyBuilder.h"
#include "rrstudy/StudyInformation.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class tst_frmRRCharts : public QObject
{
    Q_OBJECT

    Study m_study;
    StudyInformation m_information;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmRRCharts> m_window;

    template <typename T> T* control(const char* name) const
    {
        return WindowDriver::control<T>(*m_window, QLatin1String(name));
    }

private slots:
    // Feature 1 is the reference example, feature 2 the same with one reading that is no number.
    void init()
    {
        QLocale::setDefault(QLocale::c());
        m_study = referenceStudy();
        m_study.Features[0].Status = QStringLiteral("Unacceptable");
        m_study.Features << m_study.Features[0];
        m_study.Features[1].Number = 2;
        m_study.Features[1].Readings[1][0][4] = QStringLiteral("n/a");
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_window = std::make_unique<frmRRCharts>(m_study, m_information);
        m_window->showFeature(1);
        m_window->show();
    }

    void cleanup()
    {
        m_window.reset();
        m_dialogs.reset();
    }

    void printsOnePageWithTheChartsAsVectors()
    {
        RecordingPrinting printer;
        m_dialogs->queueModal([](QDialog* dialog) {
            dialog->findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(0);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdPrint")),
                              Qt::LeftButton);
            return dialog->result();
        });
        QTest::mouseClick(control<QPushButton>("cmdPrint"), Qt::LeftButton);
        QCOMPARE(printer.documents().size(), 1);
        QCOMPARE(printer.documents()[0].pages.size(), 1);
        const RecordedPage& page = printer.documents()[0].pages[0];
        QVERIFY(page.findText(QStringLiteral("Feature: Bore 1    Verdict: Unacceptable")));
        QVERIFY(page.findText(QStringLiteral("Xbar chart: mean 0.001, UCL 0.351, LCL -0.348")));
        QVERIFY(page.findText(QStringLiteral("Total Gage R&R")));
        QVERIFY(page.ofKind(RecordedItem::Image).isEmpty());
    }

    // The page as PNG or PDF by the name's ending, put in place of an older file whole: a
    // link to the older file keeps its bytes.
    void savesThePage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("signature");
        QTest::newRow("png") << "charts.png"
                             << "charts.png" << QByteArray("\x89PNG");
        QTest::newRow("pdf") << "charts.PDF"
                             << "charts.PDF" << QByteArray("%PDF");
    }

    void savesThePage()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QFETCH(QByteArray, signature);
        QTemporaryDir folder;
        const QString older = writeTestFile(folder, written, "older page");
        QVERIFY(::link(QFile::encodeName(older), QFile::encodeName(folder.filePath("hard"))) == 0);
        m_dialogs->queueFileName(folder.filePath(name));
        QTest::mouseClick(control<QPushButton>("cmdSave"), Qt::LeftButton);
        QFile file(folder.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(4).startsWith(signature));
        QFile hard(folder.filePath(QStringLiteral("hard")));
        QVERIFY(hard.open(QIODevice::ReadOnly));
        QCOMPARE(hard.readAll(), QByteArray("older page"));
        QVERIFY(m_dialogs->messages().isEmpty());
    }

    void featureThatCannotBeAnalysedSaysWhy()
    {
        m_window->showFeature(2);
        QCOMPARE(control<QLabel>("lblSummary")->text(),
                 QStringLiteral(
                     "The reading of appraiser 2, trial 1, part 5 is not a number: \"n/a\"."));
        QVERIFY(!control<QPushButton>("cmdPrint")->isEnabled());
    }
};

QTEST_MAIN(tst_frmRRCharts)
#include "tst_frmRRCharts.moc"
