#include "printing/PdfPrintTarget.h"
#include "printing/Printing.h"

#include "PdfPageReader.h"
#include "RecordingPrintTarget.h"
#include "ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

// The print facility on its own: documents, pages and units of the PDF files written
// where there is no printer, and the recording target tests print into.
class tst_PrintTarget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pdfFileNamesFollowTheDocumentCount_data();
    void pdfFileNamesFollowTheDocumentCount();
    void pdfHasAPagePerNewPage();
    void pdfDrawsInPointsFromThePrintableArea();
    void fontPointSizesHoldWhateverTheResolution();
    void pdfChoiceAddsTheSuffixAndOffersTheDocumentName();
    void cancelledPdfChoicePrintsNothing();
    void unfinishedDocumentLeavesTheExistingFile();
    void unwritableFolderIsReported();
    void stepsOutOfOrderFail();
    void recordingTargetRecordsWhatIsDrawnInPoints();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;

    QString path(const QString& name) const { return m_folder->filePath(name); }
    QStringList pdfFiles() const
    {
        return QDir(m_folder->path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }
};

void tst_PrintTarget::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_dialogs = std::make_unique<ScriptedDialogs>();
}

void tst_PrintTarget::cleanup()
{
    m_dialogs.reset();
    m_folder.reset();
}

void tst_PrintTarget::pdfFileNamesFollowTheDocumentCount_data()
{
    QTest::addColumn<int>("documents");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("one document: the chosen file") << 1 << QStringList{"report.pdf"};
    QTest::newRow("three: numbered beside it")
        << 3 << QStringList{"report-1.pdf", "report-2.pdf", "report-3.pdf"};
}

void tst_PrintTarget::pdfFileNamesFollowTheDocumentCount()
{
    QFETCH(int, documents);
    QFETCH(QStringList, files);
    PdfPrintTarget target(path(QStringLiteral("report.pdf")), documents);
    for (int document = 0; document < documents; ++document) {
        QVERIFY2(target.beginDocument(), qPrintable(target.errorString()));
        target.painter().drawLine(QPointF(0, 0), QPointF(72, 72));
        QVERIFY2(target.endDocument(), qPrintable(target.errorString()));
    }
    QCOMPARE(pdfFiles(), files);
    QCOMPARE(target.writtenFiles().size(), documents);
    for (const QString& file : files)
        QCOMPARE(PdfPageReader(path(file)).pageCount(), 1);
}

void tst_PrintTarget::pdfHasAPagePerNewPage()
{
    PdfPrintTarget target(path(QStringLiteral("pages.pdf")), 1);
    QVERIFY(target.beginDocument());
    QVERIFY(target.newPage());
    QVERIFY(target.newPage());
    QVERIFY(target.endDocument());

    const PdfPageReader pdf(path(QStringLiteral("pages.pdf")));
    QVERIFY(pdf.isValid());
    QCOMPARE(pdf.pageCount(), 3);
    QCOMPARE(pdf.pageSize(2).toSize(), target.paperRect().size().toSize());
}

void tst_PrintTarget::pdfDrawsInPointsFromThePrintableArea()
{
    PdfPrintTarget target(path(QStringLiteral("offset.pdf")), 1);
    QVERIFY(target.beginDocument());
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    target.painter().drawImage(QRectF(25, 25, 72, 36), picture);
    QVERIFY(target.newPage());
    target.painter().drawImage(QRectF(100, 200, 144, 72), picture);
    QVERIFY(target.endDocument());

    const PdfPageReader pdf(path(QStringLiteral("offset.pdf")));
    QCOMPARE(pdf.pageCount(), 2);
    const QPointF margin = -target.paperRect().topLeft();
    QVERIFY(margin.x() > 0 && margin.y() > 0);
    const QList<QRectF> expected{QRectF(margin + QPointF(25, 25), QSizeF(72, 36)),
                                 QRectF(margin + QPointF(100, 200), QSizeF(144, 72))};
    for (int page = 0; page < 2; ++page) {
        const QList<QRectF> images = pdf.imagePlacements(page);
        QCOMPARE(images.size(), 1);
        const QRectF placed = images.constFirst();
        const QRectF want = expected.at(page);
        QVERIFY2(qAbs(placed.left() - want.left()) < 0.05 && qAbs(placed.top() - want.top()) < 0.05
                     && qAbs(placed.width() - want.width()) < 0.05
                     && qAbs(placed.height() - want.height()) < 0.05,
                 qPrintable(QStringLiteral("page %1 image at %2,%3 %4x%5")
                                .arg(page + 1)
                                .arg(placed.left())
                                .arg(placed.top())
                                .arg(placed.width())
                                .arg(placed.height())));
    }
}

void tst_PrintTarget::fontPointSizesHoldWhateverTheResolution()
{
    // 1200 dpi PDF and the 72 dpi recording must measure the same text alike.
    const QFont font(QStringLiteral("Courier New"), 8);
    const QString text = QStringLiteral("WWWWWWWWWW");
    PdfPrintTarget pdf(path(QStringLiteral("font.pdf")), 1);
    RecordingPrintTarget recording;
    QVERIFY(pdf.beginDocument());
    QVERIFY(recording.beginDocument());
    pdf.setFont(font);
    recording.setFont(font);

    const double pdfWidth = pdf.fontMetrics().horizontalAdvance(text);
    const double recordedWidth = recording.fontMetrics().horizontalAdvance(text);
    QVERIFY2(qAbs(pdfWidth - recordedWidth) < 1.0,
             qPrintable(QStringLiteral("%1 against %2").arg(pdfWidth).arg(recordedWidth)));
    QVERIFY(pdf.fontMetrics().height() > 6 && pdf.fontMetrics().height() < 16);
    QVERIFY(pdf.endDocument());
    QVERIFY(recording.endDocument());
}

void tst_PrintTarget::pdfChoiceAddsTheSuffixAndOffersTheDocumentName()
{
    m_dialogs->queueFileName(path(QStringLiteral("chosen")));
    std::unique_ptr<PrintTarget> target =
        openPdfTarget(nullptr, QStringLiteral("GD&T / References"), 1);
    QVERIFY(target);
    QCOMPARE(m_dialogs->fileRequests().size(), 1);
    const ScriptedDialogs::FileRequest request = m_dialogs->fileRequests().constFirst();
    QVERIFY(request.save);
    QCOMPARE(QFileInfo(request.directory).fileName(), QStringLiteral("GD&T - References.pdf"));
    QVERIFY(request.filter.contains(QLatin1String("*.pdf")));

    QVERIFY(target->beginDocument());
    QVERIFY(target->endDocument());
    QCOMPARE(pdfFiles(), QStringList{QStringLiteral("chosen.pdf")});
}

void tst_PrintTarget::cancelledPdfChoicePrintsNothing()
{
    QVERIFY(!openPdfTarget(nullptr, QStringLiteral("Temperature"), 3));
    QCOMPARE(m_dialogs->fileRequests().size(), 1);
    QVERIFY(pdfFiles().isEmpty());
}

void tst_PrintTarget::unfinishedDocumentLeavesTheExistingFile()
{
    const QString file = path(QStringLiteral("kept.pdf"));
    {
        QFile existing(file);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("what was there");
    }
    {
        PdfPrintTarget target(file, 1);
        QVERIFY(target.beginDocument());
        target.painter().drawLine(QPointF(0, 0), QPointF(10, 10));
    }
    QFile kept(file);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("what was there"));
}

void tst_PrintTarget::unwritableFolderIsReported()
{
    const QString file = path(QStringLiteral("missing folder/report.pdf"));
    PdfPrintTarget target(file, 1);
    QVERIFY(!target.beginDocument());
    QVERIFY(target.errorString().contains(QDir::toNativeSeparators(file)));
    QVERIFY(!target.endDocument());
}

void tst_PrintTarget::stepsOutOfOrderFail()
{
    PdfPrintTarget pdf(path(QStringLiteral("order.pdf")), 1);
    RecordingPrintTarget recording;
    for (PrintTarget* target : std::initializer_list<PrintTarget*>{&pdf, &recording}) {
        QVERIFY(!target->newPage());
        QVERIFY(!target->endDocument());
        QVERIFY(target->beginDocument());
        QVERIFY(!target->beginDocument());
        QVERIFY(!target->errorString().isEmpty());
        QVERIFY(target->endDocument());
    }
    QCOMPARE(recording.documents().size(), 1);
}

void tst_PrintTarget::recordingTargetRecordsWhatIsDrawnInPoints()
{
    RecordingPrintTarget target;
    QVERIFY(target.beginDocument());
    target.setFont(QFont(QStringLiteral("Arial"), 12));
    target.painter().drawText(QPointF(36, 72), QStringLiteral("Summary"));
    QVERIFY(target.newPage());
    target.painter().translate(10, 20);
    target.painter().drawLine(QPointF(0, 0), QPointF(100, 0));
    QVERIFY(target.endDocument());

    QCOMPARE(target.documents().size(), 1);
    const RecordedDocument& document = target.documents().constFirst();
    QVERIFY(document.ended);
    QCOMPARE(document.pages.size(), 2);
    const RecordedItem* title = document.pages.at(0).findText(QStringLiteral("Summary"));
    QVERIFY(title);
    QCOMPARE(title->position, QPointF(36, 72));
    QCOMPARE(title->font.pointSizeF(), 12.0);
    QVERIFY(document.pages.at(1).texts().isEmpty());
    const QList<RecordedItem> lines = document.pages.at(1).ofKind(RecordedItem::Line);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.constFirst().line, QLineF(10, 20, 110, 20));
}

QTEST_MAIN(tst_PrintTarget)
#include "tst_PrintTarget.moc"
