#include "shell/OrdinalDate.h"
#include "shell/SystemInformation.h"

#include <QTest>

// The calendar's ordinal date and the search for the system information program.
class tst_ShellServices : public QObject
{
    Q_OBJECT

private slots:
    void ordinalDate_data();
    void ordinalDate();
    void systemInformationProgram_data();
    void systemInformationProgram();
};

void tst_ShellServices::ordinalDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("ordinal");
    QTest::newRow("1 December 2005") << QDate(2005, 12, 1) << "2005335";
    QTest::newRow("century not a leap year") << QDate(2100, 3, 1) << "2100060";
    QTest::newRow("century divisible by 400") << QDate(2000, 3, 1) << "2000061";
    QTest::newRow("three digits") << QDate(2006, 1, 5) << "2006005";
    QTest::newRow("last day of a leap year") << QDate(2024, 12, 31) << "2024366";
}

void tst_ShellServices::ordinalDate()
{
    QFETCH(QDate, date);
    QFETCH(QString, ordinal);
    QCOMPARE(OrdinalDate(date), ordinal);
}

void tst_ShellServices::systemInformationProgram_data()
{
    // "PATH" of ...\Shared Tools\MSINFO, "MSINFO" of ...\Shared Tools Location.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("program");
    const QString inFolder = QStringLiteral("C:\\Tools\\MSINFO32.EXE"); // exists
    QTest::newRow("PATH first") << " C:\\msinfo32.exe " << "C:\\Tools" << "C:\\msinfo32.exe";
    QTest::newRow("then the folder") << "" << "C:\\Tools" << inFolder;
    QTest::newRow("folder without the file") << "" << "C:\\Other" << "";
    QTest::newRow("neither") << "" << "" << "";
}

void tst_ShellServices::systemInformationProgram()
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

QTEST_GUILESS_MAIN(tst_ShellServices)
#include "tst_ShellServices.moc"
