#include "printing/PdfPrintTarget.h"
#include "printing/PrinterChoice.h"
#include "printing/Printing.h"
#include "printing/frmPrinter.h"

#include "FileSizeLimit.h"
#include "PdfPageReader.h"
#include "RecordingPrintTarget.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <optional>

// The print facility: the PDF files written where there is no printer, and the printer
// dialog's choice of copies.
class tst_Printing : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_printing = std::make_unique<RecordingPrinting>();
        printerChoice() = PrinterChoice{};
    }

    void cleanup()
    {
        m_dialog.reset();
        m_printing.reset();
        m_dialogs.reset();
        m_folder.reset();
    }

    void pdfDocumentsAndPages_data()
    {
        QTest::addColumn<int>("documents");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("one document: the chosen file") << 1 << QStringList{"report.pdf"};
        QTest::newRow("three: numbered beside it")
            << 3 << QStringList{"report-1.pdf", "report-2.pdf", "report-3.pdf"};
    }

    void pdfDocumentsAndPages()
    {
        QFETCH(int, documents);
        QFETCH(QStringList, files);
        PdfPrintTarget target(path(QStringLiteral("report.pdf")), documents);
        for (int document = 0; document < documents; ++document) {
            QVERIFY2(target.beginDocument(), qPrintable(target.errorString()));
            QVERIFY(target.newPage());
            QVERIFY2(target.endDocument(), qPrintable(target.errorString()));
        }
        QCOMPARE(pdfFiles(), files);
        QCOMPARE(target.writtenFiles().size(), documents);

        // The paper reaches past the printable area on every side.
        QVERIFY(target.paperRect().left() < 0 && target.paperRect().top() < 0);
        for (const QString& file : files) {
            const PdfPageReader pdf(path(file));
            QCOMPARE(pdf.pageCount(), 2);
            for (int page = 0; page < 2; ++page)
                QCOMPARE(pdf.pageSize(page).toSize(), target.paperRect().size().toSize());
        }
    }

    void pdfChoiceOffersTheDocumentNameThenTheLastFolder()
    {
        m_dialogs->queueFileName(path(QStringLiteral("chosen")));
        std::unique_ptr<PrintTarget> target =
            openPdfTarget(nullptr, QStringLiteral("GD&T / References"), 1);
        QVERIFY(target);
        QVERIFY(target->beginDocument());
        QVERIFY(target->endDocument());
        QCOMPARE(pdfFiles(), QStringList{QStringLiteral("chosen.pdf")});

        QVERIFY(!openPdfTarget(nullptr, QStringLiteral("Temperature"), 3)); // cancelled
        QCOMPARE(m_dialogs->fileRequests().size(), 2);
        const ScriptedDialogs::FileRequest first = m_dialogs->fileRequests().constFirst();
        QCOMPARE(QFileInfo(first.directory).fileName(), QStringLiteral("GD&T - References.pdf"));
        QCOMPARE(m_dialogs->fileRequests().constLast().directory,
                 path(QStringLiteral("Temperature.pdf")));
        QCOMPARE(pdfFiles(), QStringList{QStringLiteral("chosen.pdf")});
    }

    void unfinishedOrFailedDocumentKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("diskFills"); // else the document is dropped before its end
        QTest::newRow("dropped unended") << false;
        QTest::newRow("the disk fills") << true;
    }

    void unfinishedOrFailedDocumentKeepsTheOldFile()
    {
        QFETCH(bool, diskFills);
        const QString file = path(QStringLiteral("report.pdf"));
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the report saved before");
        old.close();
        {
            PdfPrintTarget target(file, 1);
            std::optional<FileSizeLimit> nearlyFull;
            if (diskFills)
                nearlyFull.emplace(200);
            QVERIFY(target.beginDocument());
            target.painter().drawText(QPointF(72, 72), QStringLiteral("Gage R&R summary"));
            if (diskFills) {
                QVERIFY(!target.endDocument());
                QVERIFY(target.errorString().contains(QDir::toNativeSeparators(file)));
            }
        }
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the report saved before"));
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{"report.pdf"});
    }

    void unwritableFolderIsNamed()
    {
        const QString file = path(QStringLiteral("missing folder/report.pdf"));
        PdfPrintTarget unwritable(file, 1);
        QVERIFY(!unwritable.beginDocument());
        QVERIFY(unwritable.errorString().contains(QDir::toNativeSeparators(file)));
    }

    void loadNamesThePrinterAndOffersOneToNinetyNine_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::newRow("printer") << "Office LaserJet";
        QTest::newRow("no printer") << "";
    }

    void loadNamesThePrinterAndOffersOneToNinetyNine()
    {
        QFETCH(QString, printer);
        m_printing->setPrinterName(printer);
        printerChoice() = PrinterChoice{true, 12};
        openDialog();
        const QString label = printer.isEmpty() ? QStringLiteral("No Printer Detected !") : printer;
        QCOMPARE((QStringList{m_dialog->windowTitle(), control<QGroupBox>("Frame1")->title(),
                              control<QLabel>("Label1")->text(), control<QLabel>("Label2")->text(),
                              control<QPushButton>("cmdPrint")->text(),
                              control<QPushButton>("cmdCancel")->text()}),
                 (QStringList{"Print", "Windows Default Printer", label,
                              "Number of copies:", "Print", "Cancel"}));
        // Loading clears the confirmation only.
        QCOMPARE(printerChoice().PrintConfirmed, false);
        QCOMPARE(printerChoice().PrintCopies, 12);
        QCOMPARE(list()->count(), 99);
        for (int row = 0; row < list()->count(); ++row)
            QCOMPARE(list()->item(row)->text(), QString::number(row + 1));
        QCOMPARE(list()->currentRow(), 0);
        QVERIFY(list()->currentItem()->isSelected());
    }

    void scrollingSelectsTheTopItem_data()
    {
        using Scroll = std::function<void(QScrollBar*)>;
        QTest::addColumn<Scroll>("scroll");
        QTest::addColumn<int>("copies");
        QTest::newRow("six clicks on the down arrow") << Scroll([](QScrollBar* bar) {
            for (int click = 0; click < 6; ++click)
                bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        }) << 7;
        QTest::newRow("thumb dragged") << Scroll([](QScrollBar* bar) {
            bar->setSliderDown(true);
            bar->setSliderPosition(6);
            bar->setSliderDown(false);
        }) << 7;
        QTest::newRow("mouse wheel, two notches") << Scroll([](QScrollBar* bar) {
            auto* list = qobject_cast<QListWidget*>(bar->parentWidget()->parentWidget());
            for (int notch = 0; notch < 2; ++notch) {
                const QPointF at(5, 5);
                QWheelEvent wheel(at, list->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(list->viewport(), &wheel);
            }
        }) << 1 + 2 * QApplication::wheelScrollLines();
        QTest::newRow("ten presses of the down key") << Scroll([](QScrollBar* bar) {
            for (int press = 0; press < 10; ++press)
                QTest::keyClick(bar->parentWidget()->parentWidget(), Qt::Key_Down);
        }) << 11;
    }

    void scrollingSelectsTheTopItem()
    {
        using Scroll = std::function<void(QScrollBar*)>;
        QFETCH(Scroll, scroll);
        QFETCH(int, copies);
        openDialog();
        QScrollBar* bar = list()->verticalScrollBar();
        QVERIFY(bar->maximum() > 10);
        scroll(bar);
        QCOMPARE(list()->currentItem()->text(), QString::number(copies));

        QTest::mouseClick(control<QPushButton>("cmdPrint"), Qt::LeftButton);
        QCOMPARE(printerChoice().PrintConfirmed, true);
        QCOMPARE(printerChoice().PrintCopies, copies);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    }

    void cancelLeavesTheChoiceUnconfirmed()
    {
        printerChoice() = PrinterChoice{true, 4};
        openDialog();
        list()->setCurrentRow(8);
        QTest::mouseClick(control<QPushButton>("cmdCancel"), Qt::LeftButton);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QCOMPARE(printerChoice().PrintConfirmed, false);
        QCOMPARE(printerChoice().PrintCopies, 4);
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<RecordingPrinting> m_printing;
    std::unique_ptr<frmPrinter> m_dialog;

    QString path(const QString& name) const { return m_folder->filePath(name); }
    QStringList pdfFiles() const
    {
        return QDir(m_folder->path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }

    void openDialog()
    {
        m_dialog = std::make_unique<frmPrinter>();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    template <typename T> T* control(const char* name) const
    {
        return m_dialog->findChild<T*>(QLatin1String(name));
    }

    QListWidget* list() const { return control<QListWidget>("List1"); }
};

QTEST_MAIN(tst_Printing)
#include "tst_Printing.moc"
