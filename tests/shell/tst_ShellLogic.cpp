#include "shell/OrdinalDate.h"
#include "shell/PlacementSettings.h"
#include "shell/SystemInformation.h"
#include "shell/ToolHelp.h"

#include "TestSettings.h"
#include "common/AppPaths.h"

#include <QTemporaryDir>
#include <QTest>

// The main window's rules that need no window: its stored placement, the help page of
// each tool, the calendar's ordinal date and the search for the system information program.
class tst_ShellLogic : public QObject
{
    Q_OBJECT

private slots:
    void placementRead_data();
    void placementRead();
    void placementWrittenAsSingles();
    void toolHelpPage_data();
    void toolHelpPage();
    void ordinalDate_data();
    void ordinalDate();
    void systemInformationProgram_data();
    void systemInformationProgram();
};

namespace {
const QStringList placementKeys{"Settings/MainLeft", "Settings/MainTop", "Settings/MainWidth",
                                "Settings/MainHeight"};
}

void tst_ShellLogic::placementRead_data()
{
    QTest::addColumn<QStringList>("stored"); // empty: no value
    QTest::addColumn<QRectF>("placement");
    QTest::newRow("none stored: the defaults")
        << QStringList{"", "", "", ""} << QRectF(1000, 1000, 6500, 6500);
    QTest::newRow("numbers") << QStringList{"1500", "-120", "9000", "7000.5"}
                             << QRectF(1500, -120, 9000, 7000.5);
    QTest::newRow("unreadable: each its default")
        << QStringList{"left", "1,5", "9e99", "1500"} << QRectF(1000, 1000, 6500, 1500);
}

void tst_ShellLogic::placementRead()
{
    QFETCH(QStringList, stored);
    QFETCH(QRectF, placement);
    TestSettings store;
    for (int i = 0; i < placementKeys.size(); ++i)
        if (!stored.at(i).isEmpty())
            store.settings().setValue(placementKeys.at(i), stored.at(i));
    QCOMPARE(PlacementSettings(store.settings()).read(), placement);
}

void tst_ShellLogic::placementWrittenAsSingles()
{
    TestSettings store;
    PlacementSettings(store.settings()).write(QRectF(1200, 900.5, 12345.678, 8000));
    const auto reopened = store.reopen();
    QStringList written;
    for (const QString& key : placementKeys)
        written.append(reopened->value(key).toString());
    QCOMPARE(written, QStringList({"1200", "900.5", "12345.68", "8000"}));
}

void tst_ShellLogic::toolHelpPage_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<bool>("shippedHelp"); // else an empty help folder
    QTest::addColumn<QString>("page");
    const QString start = QStringLiteral("Welcome to Quorvel Help.htm");
    QTest::newRow("Angles") << "Angles" << true << "Triangle Calculator.htm";
    QTest::newRow("CodeKeeper") << "CodeKeeper" << true << "Code Keeper.htm";
    QTest::newRow("Temperature") << "Temperature" << true
                                 << "Temperature and Thermal Expansion.htm";
    QTest::newRow("References") << "References" << true << "Reference - Angles, GD&T and Units.htm";
    QTest::newRow("RR") << "RR" << true << "Gage RR Study Window.htm";
    QTest::newRow("Uncertainty") << "Uncertainty" << true << "Machine and Part Uncertainty.htm";
    QTest::newRow("no tool in view") << "" << true << start;
    QTest::newRow("page not in the folder") << "Temperature" << false << start;
}

void tst_ShellLogic::toolHelpPage()
{
    QFETCH(QString, tool);
    QFETCH(bool, shippedHelp);
    QFETCH(QString, page);
    QTemporaryDir empty;
    QCOMPARE(ToolHelp::topicFor(tool, shippedHelp ? AppPaths::helpFolder() : empty.path()), page);
}

void tst_ShellLogic::ordinalDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("ordinal");
    QTest::newRow("1 December 2005") << QDate(2005, 12, 1) << "2005335";
    QTest::newRow("century not a leap year") << QDate(2100, 3, 1) << "2100060";
    QTest::newRow("century divisible by 400") << QDate(2000, 3, 1) << "2000061";
    QTest::newRow("three digits") << QDate(2006, 1, 5) << "2006005";
    QTest::newRow("last day of a leap year") << QDate(2024, 12, 31) << "2024366";
}

void tst_ShellLogic::ordinalDate()
{
    QFETCH(QDate, date);
    QFETCH(QString, ordinal);
    QCOMPARE(OrdinalDate(date), ordinal);
}

void tst_ShellLogic::systemInformationProgram_data()
{
    // "PATH" of ...\Shared Tools\MSINFO, "MSINFO" of ...\Shared Tools Location.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("program");
    QTest::newRow("PATH first") << " C:\\msinfo32.exe "
                                << "C:\\Tools"
                                << "C:\\msinfo32.exe";
    QTest::newRow("then the folder") << ""
                                     << "C:\\Tools"
                                     << "C:\\Tools\\MSINFO32.EXE";
    QTest::newRow("folder without the file") << ""
                                             << "C:\\Other"
                                             << "";
    QTest::newRow("neither") << ""
                             << ""
                             << "";
}

void tst_ShellLogic::systemInformationProgram()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, program);
    const auto read = [&](const QString& key, const QString& name) -> std::optional<QString> {
        const QString entry = key + QLatin1Char('/') + name;
        if (entry == "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO/PATH" && !path.isEmpty())
            return path;
        if (entry == "SOFTWARE\\Microsoft\\Shared Tools Location/MSINFO" && !folder.isEmpty())
            return folder;
        return std::nullopt;
    };
    const auto exists = [](const QString& file) { return file == "C:\\Tools\\MSINFO32.EXE"; };
    QCOMPARE(SystemInformation::windowsProgram(read, exists).value_or(QString()), program);
}

QTEST_GUILESS_MAIN(tst_ShellLogic)
#include "tst_ShellLogic.moc"
