#include "common/AppError.h"
#include "common/AppPaths.h"
#include "common/NumberText.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>

#include <optional>

using Value = std::optional<double>;

// Number text as the tools read and write it, the errors of file operations, and where
// the program finds its own files.
class tst_Common : public QObject
{
    Q_OBJECT

private slots:
    void formatNumber_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("optional digits") << "####0.0#######" << 36.869897645844 << "36.86989765";
        QTest::newRow("integer part never cut") << "##0.00" << 1234.567 << "1234.57";
        QTest::newRow("half away from zero on shortest form") << "0.00" << 2.675 << "2.68";
        QTest::newRow("forced integer digits") << "000" << 5.0 << "005";
        QTest::newRow("whole number, half away from zero") << "0" << 2.5 << "3";
        QTest::newRow("trailing blanks kept") << "##0.00  " << 12.3 << "12.30  ";
        QTest::newRow("carry adds a digit") << "##0.0" << 999.96 << "1000.0";
        QTest::newRow("rounds to zero has no sign") << "0.0000" << -0.00001 << "0.0000";
        QTest::newRow("zero optional integer") << "#.##" << 0.0 << ".";
        QTest::newRow("no forced integer digit") << "#.0" << 0.5 << ".5";
        QTest::newRow("literal prefix") << "x 0" << 7.0 << "x 7";
        QTest::newRow("not finite") << "0.0" << qInf() << "";
    }

    void formatNumber()
    {
        QFETCH(QString, pattern);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(NumberText::formatNumber(value, pattern, QLocale::c()), expected);
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(NumberText::formatNumber(value, pattern, german),
                 QString(expected).replace(QLatin1Char('.'), QLatin1Char(',')));
    }

    void readNumber_data()
    {
        // numeric: the text's form; value: what it reads as, none beyond a double's range.
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("decimalComma");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<Value>("value");

        QTest::newRow("leading point") << ".030" << false << true << Value(0.03);
        QTest::newRow("trailing point") << "5." << false << true << Value(5);
        QTest::newRow("padded exponent") << " 00012.5e+03 " << false << true << Value(12500);
        QTest::newRow("too small: 0") << "-1e-400" << false << true << Value(0.0);
        QTest::newRow("too large") << "1e999" << false << true << Value();
        QTest::newRow("empty") << "" << false << false << Value();
        QTest::newRow("grouping") << "1,000" << false << false << Value();
        QTest::newRow("dangling exponent") << "1e" << false << false << Value();
        QTest::newRow("non-ASCII digits")
            << QString::fromUtf8("\u0661\u0662") << false << false << Value();
        QTest::newRow("decimal comma") << "-3,75" << true << true << Value(-3.75);
        QTest::newRow("point where the comma separates") << "12.5" << true << false << Value();
    }

    void readNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, decimalComma);
        QFETCH(bool, numeric);
        QFETCH(Value, value);
        const QLocale locale = decimalComma ? QLocale(QLocale::German) : QLocale::c();
        QCOMPARE(NumberText::isNumeric(text, locale), numeric);
        QCOMPARE(NumberText::toDouble(text, locale), value);
        if (!decimalComma) // the file cell reader agrees with the text box reader
            QCOMPARE(NumberText::cNumber(QLatin1StringView(text.toLatin1())), value);
    }

    void toInt16_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<std::optional<qint16>>("expected");

        QTest::newRow("half to even down") << 2.5 << std::optional<qint16>(2);
        QTest::newRow("negative half") << -2.5 << std::optional<qint16>(-2);
        QTest::newRow("rounds past the top") << 32767.5 << std::optional<qint16>();
        QTest::newRow("not finite") << qQNaN() << std::optional<qint16>();
    }

    void toInt16()
    {
        QFETCH(double, value);
        QFETCH(std::optional<qint16>, expected);
        QCOMPARE(NumberText::toInt16(value), expected);
    }

    void plainText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("whole") << 5.0 << "5";
        QTest::newRow("rounded to fifteen digits") << 17.320508075688775 << "17.3205080756888";
        QTest::newRow("tiny") << 0.000001 << "1E-06";
    }

    void plainText()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(NumberText::plainText(value, QLocale::c()), expected);
        // As a text box holds it: it reads back in the user's locale.
        const QLocale german(QLocale::German);
        const QString text = NumberText::plainText(value, german);
        QCOMPARE(text, QString(expected).replace(QLatin1Char('.'), QLatin1Char(',')));
        QCOMPARE(NumberText::toDouble(text, german), NumberText::toDouble(expected, QLocale::c()));
    }

    void dateAndTime()
    {
        QCOMPARE(NumberText::formatDate(QDate(2026, 12, 6)), QStringLiteral("06-Dec-26"));
        QCOMPARE(NumberText::formatTime(QTime(0, 30)), QStringLiteral("12:30 AM"));
        QCOMPARE(NumberText::formatTime(QTime(19, 45)), QStringLiteral("07:45 PM"));
    }

    void errorOfAFailedOpen_data()
    {
        QTest::addColumn<QString>("name"); // in a temporary folder; "." is the folder itself
        QTest::addColumn<bool>("writing");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << "missing.txt" << false << "Error 53: File not found";
        QTest::newRow("a folder") << "." << true << "Error 75: Path/File access error";
        QTest::newRow("missing folder")
            << "nowhere/missing.txt" << false << "Error 76: Path not found";
    }

    void errorOfAFailedOpen()
    {
        QFETCH(QString, name);
        QFETCH(bool, writing);
        QFETCH(QString, message);
        QTemporaryDir folder;
        QFile file(QDir(folder.path()).filePath(name));
        QVERIFY(!file.open(writing ? QIODevice::WriteOnly : QIODevice::ReadOnly));
        QCOMPARE(AppError::fromFile(file).message(QStringLiteral("Error ")), message);
    }

    void dataFolder_data()
    {
        // Beside the program first (a portable copy, the build folder), then ../share/quorvel.
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("expected");
        QTest::newRow("table beside the program")
            << QStringList{"bin/tbld2.txt", "share/quorvel/tbld2.txt"} << "bin";
        QTest::newRow("help beside the program")
            << QStringList{"bin/help/", "share/quorvel/tbld2.txt"} << "bin";
        QTest::newRow("installed")
            << QStringList{"share/quorvel/tbld2.txt", "share/quorvel/help/"} << "share/quorvel";
        QTest::newRow("nowhere: the program folder") << QStringList{} << "bin";
    }

    void dataFolder()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        QTemporaryDir prefix;
        QDir root(prefix.path());
        root.mkpath(QStringLiteral("bin"));
        for (const QString& file : files) {
            root.mkpath(file.endsWith(QLatin1Char('/')) ? file : QFileInfo(file).path());
            if (!file.endsWith(QLatin1Char('/')))
                QFile(root.filePath(file)).open(QIODevice::WriteOnly);
        }
        AppPaths::setProgramFolder(root.filePath(QStringLiteral("bin")));
        QCOMPARE(AppPaths::dataFolder(), root.filePath(expected));
        QCOMPARE(AppPaths::helpFolder(),
                 QDir(root.filePath(expected)).filePath(QStringLiteral("help")));
    }
};

QTEST_GUILESS_MAIN(tst_Common)
#include "tst_Common.moc"
