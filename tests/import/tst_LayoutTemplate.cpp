#include "import/ImportLayout.h"
#include "import/LayoutTemplate.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Layout template files: the 40-line format, writing and reading them back, and the
// rules of applying one to a layout.
class tst_LayoutTemplate : public QObject
{
    Q_OBJECT

private slots:
    void writesTheFortyLines();
    void roundTripsALayoutOutOfOrder();
    void inOrderRegeneratesTheLists();
    void runInfoBlockOnlyWhenInUse();
    void firstLineChoosesAppraisers_data();
    void firstLineChoosesAppraisers();
    void badLineKeepsWhatWasApplied_data();
    void badLineKeepsWhatWasApplied();
    void reportsFileErrors();

private:
    QTemporaryDir m_folder;
};

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

QStringList templateLines(const ImportLayout& layout)
{
    return LayoutTemplate::lines(layout);
}

bool sameLayout(const ImportLayout& a, const ImportLayout& b)
{
    return a.twoAppraisers == b.twoAppraisers && a.trialsInOrder == b.trialsInOrder
           && a.partsIndex == b.partsIndex && a.trialsIndex == b.trialsIndex
           && a.runInfoInUse == b.runInfoInUse && a.blocks == b.blocks
           && a.trialLists == b.trialLists;
}

} // namespace

void tst_LayoutTemplate::writesTheFortyLines()
{
    const QString path = m_folder.filePath("custom.tpl");
    QVERIFY(!LayoutTemplate::write(path, customLayout()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QCOMPARE(content.count("\r\n"), 40);
    QVERIFY(content.endsWith("\r\n"));
    QCOMPARE(content.count('\n'), 40);
    QCOMPARE(content.left(content.indexOf("R5 - C3")),
             QByteArray("True\r\n 0\r\n 1\r\n 0\r\n 1\r\nC1\r\n"));
    const QList<QByteArray> lines = content.split('\n');
    QCOMPARE(lines[6], QByteArray("R5 - C3\r"));
    QCOMPARE(lines[9], QByteArray("R1\r"));
    QCOMPARE(lines[10], QByteArray("2,1\r"));
    QCOMPARE(lines[20], QByteArray("8,7\r"));
    QCOMPARE(lines[39], QByteArray("kept though disabled\r"));
}

void tst_LayoutTemplate::roundTripsALayoutOutOfOrder()
{
    const QString path = m_folder.filePath("roundtrip.tpl");
    QVERIFY(!LayoutTemplate::write(path, customLayout()));
    QStringList lines;
    QVERIFY(!LayoutTemplate::read(path, lines));
    QCOMPARE(lines.size(), LayoutTemplate::lineCount);

    ImportLayout layout = ImportLayout::startLayout();
    QVERIFY(!LayoutTemplate::apply(lines, layout));
    QVERIFY(sameLayout(layout, customLayout()));
}

void tst_LayoutTemplate::inOrderRegeneratesTheLists()
{
    ImportLayout saved = ImportLayout::startLayout();
    saved.chooseParts(1);
    QStringList lines = templateLines(saved);
    lines[10] = QStringLiteral("99,98,97");  // what a hand-edited file might hold

    ImportLayout layout = ImportLayout::startLayout();
    layout.trialLists[0][0] = QStringLiteral("edited");
    QVERIFY(!LayoutTemplate::apply(lines, layout));
    QCOMPARE(layout.trialLists[0][0], QStringLiteral("1,2,3"));
    QCOMPARE(layout.trialLists[2][2], QStringLiteral("25,26,27"));
    QVERIFY(layout.trialLists[2][3].isEmpty());
}

void tst_LayoutTemplate::runInfoBlockOnlyWhenInUse()
{
    ImportLayout saved = customLayout();
    saved.runInfoInUse = false;
    ImportLayout layout = ImportLayout::startLayout();
    layout.blocks[ImportLayout::RunInfo] = QStringLiteral("C9");
    QVERIFY(!LayoutTemplate::apply(templateLines(saved), layout));
    QCOMPARE(layout.blocks[ImportLayout::RunInfo], QStringLiteral("C9"));
    QCOMPARE(layout.blocks[ImportLayout::FirstRun], QStringLiteral("R5 - C3"));
}

void tst_LayoutTemplate::firstLineChoosesAppraisers_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("two");

    QTest::newRow("True") << "True" << true;
    QTest::newRow("False") << "False" << false;
    QTest::newRow("letter case and blanks") << " true " << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("minus one") << "-1" << true;
}

void tst_LayoutTemplate::firstLineChoosesAppraisers()
{
    QFETCH(QString, line);
    QFETCH(bool, two);
    QStringList lines = templateLines(customLayout());
    lines[0] = line;
    ImportLayout layout = ImportLayout::startLayout();
    layout.twoAppraisers = !two;
    QVERIFY(!LayoutTemplate::apply(lines, layout));
    QCOMPARE(layout.twoAppraisers, two);
}

void tst_LayoutTemplate::badLineKeepsWhatWasApplied_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("appraisersApplied");
    QTest::addColumn<bool>("partsApplied");

    QTest::newRow("appraisers not a truth value")
        << 1 << "Two" << int(AppError::TypeMismatch) << false << false;
    QTest::newRow("trials in order not a number")
        << 2 << "yes" << int(AppError::TypeMismatch) << true << false;
    QTest::newRow("parts position beyond the list")
        << 3 << " 9" << int(AppError::InvalidPropertyValue) << true << false;
    QTest::newRow("parts position negative")
        << 3 << "-1" << int(AppError::InvalidPropertyValue) << true << false;
    QTest::newRow("trials position beyond the list")
        << 4 << " 2" << int(AppError::InvalidPropertyValue) << true << true;
    QTest::newRow("run information in use neither 0 nor 1")
        << 5 << " 2" << int(AppError::InvalidPropertyValue) << true << true;
}

void tst_LayoutTemplate::badLineKeepsWhatWasApplied()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(bool, appraisersApplied);
    QFETCH(bool, partsApplied);

    QStringList lines = templateLines(customLayout());
    lines[line - 1] = text;
    ImportLayout layout = ImportLayout::startLayout();
    const auto error = LayoutTemplate::apply(lines, layout);
    QVERIFY(error);
    QCOMPARE(error->number(), number);
    QCOMPARE(layout.twoAppraisers, appraisersApplied);
    QCOMPARE(layout.partsIndex == customLayout().partsIndex, partsApplied);
    QVERIFY(layout.blocks[ImportLayout::FirstRun].isEmpty());
}

void tst_LayoutTemplate::reportsFileErrors()
{
    QStringList lines{"left over"};
    const auto missing = LayoutTemplate::read(m_folder.filePath("missing.tpl"), lines);
    QVERIFY(missing);
    QCOMPARE(missing->number(), int(AppError::FileNotFound));
    QVERIFY(lines.isEmpty());

    const auto noFolder = LayoutTemplate::write(m_folder.filePath("no folder/x.tpl"), customLayout());
    QVERIFY(noFolder);
    QCOMPARE(noFolder->number(), int(AppError::PathNotFound));
    QVERIFY(LayoutTemplate::write(m_folder.path(), customLayout()));
}

QTEST_GUILESS_MAIN(tst_LayoutTemplate)
#include "tst_LayoutTemplate.moc"
