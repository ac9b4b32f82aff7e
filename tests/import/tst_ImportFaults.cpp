#include "import/ImportFile.h"
#include "import/ImportLayout.h"
#include "import/LayoutTemplate.h"
#include "import/frmImport.h"
#include "rrstudy/modRR.h"

#include "FileSizeLimit.h"
#include "ScriptedDialogs.h"
#include "StudyBuilder.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The import when its files fail it: the study file gone after the grid showed it, a
// template save whose writes fail part way (a full disk).
class tst_ImportFaults : public QObject
{
    Q_OBJECT

private slots:
    void vanishedFileIsReportedAtProcess();
    void failedTemplateSaveKeepsTheOldFile();
};

void tst_ImportFaults::vanishedFileIsReportedAtProcess()
{
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    theStudy() = Study();
    theStudy().Features.append(StudyFeature());
    theStudy().Features.first().Name = QStringLiteral("earlier");
    ImportFileName() = writeTestFile(folder, QStringLiteral("measured.csv"),
                                     testData(QStringLiteral("gage-rr-reference-cmm.csv")));
    frmImport window(QStringLiteral("10"), QStringLiteral("30"));
    window.show();
    for (const auto& [box, text] : {std::pair{3, "R1"}, {2, "R2"}, {1, "R3"}, {0, "R4 - C2"}})
        QTest::keyClicks(window.findChild<QLineEdit*>(QStringLiteral("txtSP_%1").arg(box)), text);
    QVERIFY(QFile::remove(ImportFileName()));

    window.findChild<QPushButton*>(QStringLiteral("cmdProcess"))->click();
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.messages().first().text,
             QStringLiteral("Unanticipated error 53: File not found, please check your values."));
    QVERIFY(window.isVisible());
    QCOMPARE(theStudy().FeatureCount(), 1);
    QCOMPARE(theStudy().Features.first().Name, QStringLiteral("earlier"));
    ImportFileName().clear();
}

void tst_ImportFaults::failedTemplateSaveKeepsTheOldFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("layout.tpl"));
    ImportLayout saved = ImportLayout::startLayout();
    QVERIFY(!LayoutTemplate::write(path, saved));
    ImportLayout changed = saved;
    changed.chooseAppraisers(true);
    std::optional<AppError> error;
    {
        const FileSizeLimit nearlyFull(64);
        error = LayoutTemplate::write(path, changed);
    }
    QVERIFY(error);
    QStringList lines;
    QVERIFY(!LayoutTemplate::read(path, lines));
    QCOMPARE(lines, LayoutTemplate::lines(saved));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"layout.tpl"});
}

QTEST_MAIN(tst_ImportFaults)
#include "tst_ImportFaults.moc"
