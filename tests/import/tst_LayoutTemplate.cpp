#include "import/ImportLayout.h"
#include "import/LayoutTemplate.h"

#include "FileSizeLimit.h"
#include "StudyBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// Layout template files: the 40-line format, writing and reading them back, and the
// rules of applying one to a layout.
namespace {

ImportLayout customLayout()
{
    ImportLayout layout = ImportLayout::startLayout();
    layout.chooseAppraisers(true);
    layout.chooseParts(1);
    layout.chooseTrials(0);
    layout.setTrialsInOrder(false);
    layout.runInfoInUse = true;
    layout.blocks = {"R5 - C3", "R3", "R2", "R1", "C1"};
    layout.trialLists[0] = {"2,1", "4,3", "6,5"};
    layout.trialLists[1] = {"8,7", "10,9", "12,11"};
    layout.trialLists[2][9] = QStringLiteral("kept though disabled");
    return layout;
}

} // namespace

class tst_LayoutTemplate : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;

private slots:
    // The 40 lines in their order, numbers with their leading blank, written in place of an
    // older file whole (a link to the older file keeps its bytes), and read back alike.
    void writesAndReadsTheFortyLines()
    {
        const QString path = writeTestFile(m_folder, "custom.tpl", "older");
        QVERIFY(::link(QFile::encodeName(path), QFile::encodeName(m_folder.filePath("older"))) ==
                0);
        QVERIFY(!LayoutTemplate::write(path, customLayout()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QStringList expected{"True", " 0", " 1", " 0",  " 1",  "C1", "R5 - C3",
                             "R3",   "R2", "R1", "2,1", "4,3", "6,5"};
        expected << QStringList(7, QString()) << "8,7"
                 << "10,9"
                 << "12,11" << QStringList(16, QString()) << "kept though disabled";
        QCOMPARE(content, (expected.join("\r\n") + "\r\n").toLatin1());
        QFile older(m_folder.filePath("older"));
        QVERIFY(older.open(QIODevice::ReadOnly));
        QCOMPARE(older.readAll(), QByteArray("older"));

        QStringList lines;
        QVERIFY(!LayoutTemplate::read(path, lines));
        QCOMPARE(lines, expected);
        ImportLayout layout = ImportLayout::startLayout();
        QVERIFY(!LayoutTemplate::apply(lines, layout));
        QCOMPARE(LayoutTemplate::lines(layout), expected);
    }

    // With trials in order the lists are made again, whatever lines 11 to 40 hold; line 6
    // counts only while the run information column is in use.
    void appliesOnlyWhatTheLayoutUses()
    {
        ImportLayout saved = ImportLayout::startLayout();
        saved.chooseParts(1);
        saved.blocks[ImportLayout::RunInfo] = QStringLiteral("C7");
        QStringList lines = LayoutTemplate::lines(saved);
        lines[10] = QStringLiteral("99,98,97");
        ImportLayout layout = ImportLayout::startLayout();
        layout.trialLists[0][0] = QStringLiteral("edited");
        layout.blocks[ImportLayout::RunInfo] = QStringLiteral("C9");
        QVERIFY(!LayoutTemplate::apply(lines, layout));
        QCOMPARE(layout.trialLists[0][0], QStringLiteral("1,2,3"));
        QCOMPARE(layout.trialLists[2][2], QStringLiteral("25,26,27"));
        QVERIFY(layout.trialLists[2][3].isEmpty());
        QCOMPARE(layout.blocks[ImportLayout::RunInfo], QStringLiteral("C9"));
    }

    // Line 1: "False" chooses three appraisers, any other truth value two; a line that does
    // not fit its control ends the applying, and what came before it stays.
    void linesAppliedInOrder_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("twoAppraisers");
        QTest::addColumn<bool>("partsApplied");
        const int mismatch = AppError::TypeMismatch;
        const int invalid = AppError::InvalidPropertyValue;
        QTest::newRow("False") << 1 << "False" << 0 << false << true;
        QTest::newRow("appraisers not a truth value") << 1 << "Two" << mismatch << false << false;
        QTest::newRow("parts position beyond the list") << 3 << " 9" << invalid << true << false;
    }

    void linesAppliedInOrder()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(int, error);
        QFETCH(bool, twoAppraisers);
        QFETCH(bool, partsApplied);
        QStringList lines = LayoutTemplate::lines(customLayout());
        lines[line - 1] = text;
        ImportLayout layout = ImportLayout::startLayout();
        QCOMPARE(LayoutTemplate::apply(lines, layout).value_or(AppError(0)).number(), error);
        QCOMPARE(layout.twoAppraisers, twoAppraisers);
        QCOMPARE(layout.partsIndex == customLayout().partsIndex, partsApplied);
        QCOMPARE(layout.blocks[ImportLayout::FirstRun].isEmpty(), error != 0);
    }

    // A save that fails part way (a full disk) leaves the old template whole, no stray file.
    void failedSaveKeepsTheOldFile()
    {
        const QString path = m_folder.filePath(QStringLiteral("full-disk.tpl"));
        QVERIFY(!LayoutTemplate::write(path, ImportLayout::startLayout()));
        {
            const FileSizeLimit nearlyFull(64);
            QVERIFY(LayoutTemplate::write(path, customLayout()));
        }
        QStringList lines;
        QVERIFY(!LayoutTemplate::read(path, lines));
        QCOMPARE(lines, LayoutTemplate::lines(ImportLayout::startLayout()));
        QCOMPARE(QDir(m_folder.path()).entryList({"full-disk*"}, QDir::Files),
                 QStringList{"full-disk.tpl"});
    }
};

QTEST_GUILESS_MAIN(tst_LayoutTemplate)
#include "tst_LayoutTemplate.moc"
