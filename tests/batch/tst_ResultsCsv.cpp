#include "batch/ResultsCsv.h"
#include "rrstudy/modRR.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_ResultsCsv : public QObject
{
    Q_OBJECT

private slots:
    void field_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "Bore 1" << "Bore 1";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("negative number") << "-0.005" << "-0.005";
        QTest::newRow("comma") << "Bore 1, top" << "\"Bore 1, top\"";
        QTest::newRow("quotes doubled") << "Bore \"A\"" << "\"Bore \"\"A\"\"\"";
        QTest::newRow("lone quote") << "\"" << "\"\"\"\"";
        QTest::newRow("line feed") << "a\nb" << "\"a\nb\"";
        QTest::newRow("carriage return") << "a\rb" << "\"a\rb\"";
        QTest::newRow("leading blank") << " 0.01" << "\" 0.01\"";
        QTest::newRow("trailing blank") << "0.01 " << "\"0.01 \"";
        QTest::newRow("inner blank") << "0 01" << "0 01";
    }

    void field()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(ResultsCsv::field(text), field);
    }

    void tableHasHeaderAndOneRowPerFeatureInOrder()
    {
        Study study;
        study.Features.resize(2);
        StudyFeature& first = study.Features[0];
        first.Number = 1;
        first.Name = QStringLiteral("Bore, \"A\"");
        first.UpperTol = QStringLiteral("0.0100");
        first.LowerTol = QStringLiteral(" 0.0100");
        first.TOL = 0.02;
        first.EV = 0.001;
        first.AV = 0;
        first.RR = 0.001;
        first.PV = 0.0125;
        first.PctEV = 5;
        first.PctAV = 0;
        first.PctRR = 5;
        first.PctPV = 62.5;
        first.ComputedResults = 0x1ff;
        first.Status = QStringLiteral("Acceptable");
        StudyFeature& second = study.Features[1];
        second.Number = 2;
        second.Name = QStringLiteral("Slot");
        second.UpperTol = QStringLiteral("0.005");
        second.LowerTol = QStringLiteral("-0.005");
        second.Problem = true;
        second.ComputedResults = 1u << int(FeatureResult::TOL);  // a zero tolerance ends the calculation
        second.Status = QStringLiteral("Caution");

        QCOMPARE(ResultsCsv::table(study),
                 QByteArray("Number,Name,Upper,Lower,TOL,EV,AV,RR,PV,%EV,%AV,%RR,%PV,Status,Problem\r\n"
                            "1,\"Bore, \"\"A\"\"\",0.0100,\" 0.0100\",0.02,0.001,0,0.001,0.0125,5,0,5,62.5,"
                            "Acceptable,FALSE\r\n"
                            "2,Slot,0.005,-0.005,0,,,,,,,,,Caution,TRUE\r\n"));
    }

    void numbersKeepEveryDigitInTheCLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        Study study;
        study.Features.resize(1);
        study.Features[0].PctRR = 1.0 / 3.0;
        study.Features[0].ComputedResults = 0x1ff;
        const QList<QByteArray> fields = ResultsCsv::table(study).split('\n').at(1).split(',');
        QLocale::setDefault(QLocale::c());
        QCOMPARE(fields.at(11), QByteArray("0.3333333333333333"));
        QCOMPARE(fields.at(11).toDouble(), 1.0 / 3.0);
    }
};

QTEST_GUILESS_MAIN(tst_ResultsCsv)
#include "tst_ResultsCsv.moc"
