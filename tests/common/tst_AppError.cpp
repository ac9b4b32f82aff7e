#include "common/AppError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_AppError : public QObject
{
    Q_OBJECT

private slots:
    void standardDescriptions_data();
    void standardDescriptions();
    void fromFailedOpen();
};

void tst_AppError::standardDescriptions_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::newRow("53") << 53 << "File not found";
    QTest::newRow("75") << 75 << "Path/File access error";
    QTest::newRow("70") << 70 << "Permission denied";
    QTest::newRow("62") << 62 << "Input past end of file";
    QTest::newRow("9") << 9 << "Subscript out of range";
    QTest::newRow("13") << 13 << "Type mismatch";
    QTest::newRow("6") << 6 << "Overflow";
    QTest::newRow("5") << 5 << "Invalid procedure call or argument";
    QTest::newRow("11") << 11 << "Division by zero";
}

void tst_AppError::standardDescriptions()
{
    QFETCH(int, number);
    QFETCH(QString, description);
    const AppError error(number);
    QCOMPARE(error.number(), number);
    QCOMPARE(error.description(), description);
}

void tst_AppError::fromFailedOpen()
{
    QTemporaryDir dir;
    QFile missing(dir.filePath(QStringLiteral("missing.txt")));
    QVERIFY(!missing.open(QIODevice::ReadOnly));
    QCOMPARE(AppError::fromFile(missing).number(), int(AppError::FileNotFound));

    QFile folder(dir.path());
    QVERIFY(!folder.open(QIODevice::WriteOnly));
    QCOMPARE(AppError::fromFile(folder).number(), int(AppError::PathFileAccessError));

    QFile noFolder(dir.filePath(QStringLiteral("nowhere/missing.txt")));
    QVERIFY(!noFolder.open(QIODevice::ReadOnly));
    QCOMPARE(AppError::fromFile(noFolder).number(), int(AppError::PathNotFound));
}

QTEST_GUILESS_MAIN(tst_AppError)
#include "tst_AppError.moc"
