#include "common/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Where the program looks for its own files: beside itself first (a portable copy, the
// build folder), then ../share/quorvel (an installed copy).
class tst_AppPaths : public QObject
{
    Q_OBJECT

private slots:
    void dataFolder_data();
    void dataFolder();
};

void tst_AppPaths::dataFolder_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");
    QTest::newRow("table beside the program") << QStringList{"bin/tbld2.txt", "share/quorvel/tbld2.txt"} << "bin";
    QTest::newRow("help beside the program") << QStringList{"bin/help/", "share/quorvel/tbld2.txt"} << "bin";
    QTest::newRow("installed") << QStringList{"share/quorvel/tbld2.txt", "share/quorvel/help/"} << "share/quorvel";
    QTest::newRow("nowhere: the program folder") << QStringList{} << "bin";
}

void tst_AppPaths::dataFolder()
{
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    QTemporaryDir prefix;
    QDir root(prefix.path());
    root.mkpath(QStringLiteral("bin"));
    for (const QString& file : files) {
        if (file.endsWith(QLatin1Char('/'))) {
            root.mkpath(file);
        } else {
            root.mkpath(QFileInfo(file).path());
            QFile(root.filePath(file)).open(QIODevice::WriteOnly);
        }
    }
    AppPaths::setProgramFolder(root.filePath(QStringLiteral("bin")));
    QCOMPARE(AppPaths::dataFolder(), root.filePath(expected));
    QCOMPARE(AppPaths::helpFolder(), QDir(root.filePath(expected)).filePath(QStringLiteral("help")));
}

QTEST_GUILESS_MAIN(tst_AppPaths)
#include "tst_AppPaths.moc"
