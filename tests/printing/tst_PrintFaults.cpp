#include "printing/PdfPrintTarget.h"

#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

// A PDF save whose writes fail part way, as on a full disk.
class tst_PrintFaults : public QObject
{
    Q_OBJECT

private slots:
    void failedWriteKeepsTheOldFile();
};

void tst_PrintFaults::failedWriteKeepsTheOldFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("the report saved before");
    old.close();

    PdfPrintTarget target(path, 1);
    bool ended = true;
    {
        const FileSizeLimit nearlyFull(200);
        QVERIFY(target.beginDocument());
        target.painter().drawText(QPointF(72, 72), QStringLiteral("Gage R&R summary"));
        ended = target.endDocument();
    }
    QVERIFY(!ended);
    QVERIFY(target.errorString().contains(QDir::toNativeSeparators(path)));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the report saved before"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"report.pdf"});
}

QTEST_MAIN(tst_PrintFaults)
#include "tst_PrintFaults.moc"
