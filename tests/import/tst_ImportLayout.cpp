#include "import/ImportLayout.h"

#include <QTest>

// The layout rules behind the import window's controls: which trial boxes take part,
// the lists "Trials are in order" makes, reading block numbers and trial lists, and
// the checks a layout must pass before Process.
namespace {

// The lists of the enabled boxes, appraiser 1's parts first.
QStringList enabledLists(const ImportLayout& layout)
{
    QStringList lists;
    for (int appraiser = 0; appraiser < maxAppraisers; ++appraiser)
        for (int part = 0; part < maxParts; ++part)
            if (layout.trialBoxEnabled(appraiser, part))
                lists << layout.trialLists[appraiser][part];
    return lists;
}

QStringList allLists(const ImportLayout& layout)
{
    QStringList lists;
    for (const auto& appraiser : layout.trialLists)
        lists << QStringList(appraiser.begin(), appraiser.end());
    return lists;
}

// A layout that passes every check against a grid of 48 lines and 20 columns: three
// appraisers, five parts, three trials in order (rows 1 to 45 from line 4).
ImportLayout validLayout()
{
    ImportLayout layout = ImportLayout::startLayout();
    layout.blocks = {"R4 - C2", "R3", "R2", "R1", "C1"};
    return layout;
}

} // namespace

class tst_ImportLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Consecutive rows in the enabled boxes only, appraiser 1's parts first; disabled
    // boxes hold nothing and use no numbers.
    void fillsTrialsInOrder_data()
    {
        QTest::addColumn<bool>("twoAppraisers");
        QTest::addColumn<int>("parts");
        QTest::addColumn<int>("trials");
        QTest::addColumn<QStringList>("lists");
        QTest::newRow("2 appraisers, 3 parts, 3 trials")
            << true << 3 << 3
            << QStringList{"1,2,3", "4,5,6", "7,8,9", "10,11,12", "13,14,15", "16,17,18"};
        QTest::newRow("3 appraisers, 2 parts, 2 trials")
            << false << 2 << 2 << QStringList{"1,2", "3,4", "5,6", "7,8", "9,10", "11,12"};
    }

    void fillsTrialsInOrder()
    {
        QFETCH(bool, twoAppraisers);
        QFETCH(int, parts);
        QFETCH(int, trials);
        QFETCH(QStringList, lists);
        ImportLayout layout = ImportLayout::startLayout();
        layout.chooseAppraisers(twoAppraisers);
        layout.chooseParts(parts - 2);
        layout.chooseTrials(trials - 2);
        QCOMPARE(enabledLists(layout), lists);
        QCOMPARE(allLists(layout).join(QString()), lists.join(QString()));
    }

    // Leaving order empties every box, the disabled ones too; out of order the lists stay.
    void listsOutOfOrder()
    {
        ImportLayout layout = ImportLayout::startLayout();
        layout.trialLists[2][9] = QStringLiteral("1,2,3"); // a disabled box
        layout.setTrialsInOrder(false);
        QCOMPARE(allLists(layout), QStringList(30, QString()));
        layout.trialLists[0][0] = QStringLiteral("3,1,2");
        layout.chooseParts(8);
        layout.chooseTrials(0);
        layout.chooseAppraisers(true);
        QCOMPARE(allLists(layout).join(QString()), QStringLiteral("3,1,2"));
    }

    void trialListCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("empty entry inside") << "1,,2" << -1;
        QTest::newRow("row equal to the record count") << "1,48" << -1;
        QTest::newRow("row below the record count") << "1,47" << 2;
    }

    void trialListCount()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        QCOMPARE(TrialListCount(text, 48), count);
    }

    void blockNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("numbers"); // block number, first run row, first run column
        QTest::newRow("as dropped") << "R12 - C3" << QStringList{"12 - C3", "12", "3"};
        QTest::newRow("no dash has no row") << "R12 C3" << QStringList{"12 C3", "", "3"};
    }

    void blockNumbers()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, numbers);
        QCOMPARE(
            (QStringList{BlockNumberText(text), FirstRunRowText(text), FirstRunColumnText(text)}),
            numbers);
    }

    // A cell dropped on block box 0 gives its row and column, on box 4 its column, on the
    // others its row.
    void blockDropTexts()
    {
        QStringList texts;
        for (int block = 0; block < ImportLayout::blockCount; ++block)
            texts << BlockDropText(block, 12, 3);
        QCOMPARE(texts, (QStringList{"R12 - C3", "R12", "R12", "R12", "C3"}));
    }

    void validation_data()
    {
        QTest::addColumn<ImportLayout>("layout");
        QTest::addColumn<int>("recordCount");
        QTest::addColumn<QString>("message");

        const QString runInfo = "Run Information block contains invalid data.";
        const QString firstRun = "First run row - col. block contains invalid data.";
        const ImportLayout valid = validLayout();
        QTest::newRow("valid") << valid << 48 << QString();

        ImportLayout layout = valid;
        layout.runInfoInUse = true;
        layout.blocks[ImportLayout::RunInfo] = QStringLiteral("C21");
        QTest::newRow("1: run information beyond the columns") << layout << 48 << runInfo;

        layout = valid;
        layout.blocks[ImportLayout::FeatureName] = QStringLiteral("R49");
        layout.blocks[ImportLayout::UpperTolerance].clear();
        QTest::newRow("2: feature name row beyond the lines")
            << layout << 48 << "Feature Name Row block contains invalid data.";
        layout.blocks[ImportLayout::FeatureName] = QStringLiteral("R48");
        QTest::newRow("3: upper tolerance row empty")
            << layout << 48 << "Upper tolerance Row block contains invalid data.";
        layout = valid;
        layout.blocks[ImportLayout::LowerTolerance] = QStringLiteral("R");
        layout.blocks[ImportLayout::FirstRun].clear();
        QTest::newRow("4: lower tolerance row without number")
            << layout << 48 << "Lower tolerance Row block contains invalid data.";
        layout.blocks[ImportLayout::LowerTolerance] = QStringLiteral("R3");
        QTest::newRow("5: first run block empty") << layout << 48 << firstRun;
        for (const char* block : {"R4 - C21", "R49 - C2"}) {
            layout.blocks[ImportLayout::FirstRun] = QLatin1String(block);
            QTest::addRow("5: first run block %s", block) << layout << 48 << firstRun;
        }

        QTest::newRow("6: 3 appraisers x 5 parts x 3 trials need 48 lines")
            << valid << 47
            << "There are not enough rows for the expected parts x runs x appraisers.";

        layout = valid;
        layout.trialsInOrder = false;
        layout.trialLists[1][2] = QStringLiteral("5");
        layout.trialLists[0][3] = QStringLiteral("x");
        QTest::newRow("7: the first bad list by part, then appraiser")
            << layout << 48 << "There is a problem with the Appraiser 2, Part 3 block.";

        layout = valid;
        layout.trialLists[1][0] = QStringLiteral("1,2,3,4");
        QTest::newRow("8: more trial locations")
            << layout << 48
            << "You have more trial locations than the expected parts x runs x appraisers.";
        layout.trialLists[1][0] = QStringLiteral("1,2");
        QTest::newRow("8: less trial locations")
            << layout << 48
            << "You have less trial locations than the expected parts x runs x appraisers.";

        layout = valid;
        layout.chooseAppraisers(true);
        layout.trialLists[2][0] = QStringLiteral("garbage");
        QTest::newRow("two appraisers never check appraiser 3") << layout << 33 << QString();
    }

    void validation()
    {
        QFETCH(ImportLayout, layout);
        QFETCH(int, recordCount);
        QFETCH(QString, message);
        QCOMPARE(ValidateImportLayout(layout, recordCount, 20).value_or(QString()), message);
    }
};

QTEST_GUILESS_MAIN(tst_ImportLayout)
#include "tst_ImportLayout.moc"
