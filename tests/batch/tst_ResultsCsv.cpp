#include "batch/ResultsCsv.h"

#include "StudyBuilder.h"

#include <QTest>

class tst_ResultsCsv : public QObject
{
    Q_OBJECT

private slots:
    void field_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "Bore 1"
                               << "Bore 1";
        QTest::newRow("comma") << "Bore 1, top"
                               << "\"Bore 1, top\"";
        QTest::newRow("quotes doubled") << "Bore \"A\""
                                        << "\"Bore \"\"A\"\"\"";
        QTest::newRow("line feed") << "a\nb"
                                   << "\"a\nb\"";
        QTest::newRow("leading blank") << " 0.01"
                                       << "\" 0.01\"";
        QTest::newRow("inner blank") << "0 01"
                                     << "0 01";
    }

    void field()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(ResultsCsv::field(text), field);
    }

    // One row per feature in order; figures a failed feature never reached stay empty.
    void tableHasHeaderAndOneRowPerFeatureInOrder()
    {
        QLocale::setDefault(QLocale(QLocale::German)); // figures are written in the C locale
        Study study;
        StudyFeature first = judgedFeature(1, "Bore, \"A\"", "Acceptable");
        first.UpperTol = QStringLiteral("0.0100");
        first.LowerTol = QStringLiteral(" 0.0100");
        int field = 0;
        for (double* figure : {&first.TOL, &first.EV, &first.AV, &first.RR, &first.PV, &first.PctEV,
                               &first.PctAV, &first.PctRR, &first.PctPV})
            *figure = 0.125 * ++field;
        first.PctPV = 1.0 / 3.0; // with every digit
        first.ComputedResults = 0x1ff;
        StudyFeature second = judgedFeature(2, "Slot", "Caution", 0, true);
        second.ComputedResults =
            1u << int(FeatureResult::TOL); // a zero tolerance ends the calculation
        study.Features = {first, second};
        const QByteArray table = ResultsCsv::table(study);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(
            table,
            QByteArray("Number,Name,Upper,Lower,TOL,EV,AV,RR,PV,%EV,%AV,%RR,%PV,Status,Problem\r\n"
                       "1,\"Bore, \"\"A\"\"\",0.0100,\" "
                       "0.0100\",0.125,0.25,0.375,0.5,0.625,0.75,0.875,1,0.3333333333333333,"
                       "Acceptable,FALSE\r\n"
                       "2,Slot,0.005,0.005,0,,,,,,,,,Caution,TRUE\r\n"));
    }

    // With the ANOVA options each row goes on with the reference example's figures at 5.15
    // standard deviations; a feature whose readings cannot be analysed has them empty.
    void anovaColumns()
    {
        Study study = referenceStudy();
        study.Features << study.Features[0];
        study.Features[1].Readings[0][0][0] = QStringLiteral("n/a");
        const QList<QByteArray> lines =
            ResultsCsv::table(study, GageAnovaOptions{5.15, 0.05}).split('\n');
        QVERIFY(lines.at(0).endsWith(
            ",ANOVA %Contribution,ANOVA %Study Var,ANOVA %Tolerance,ANOVA ndc,Interaction p,"
            "Interaction pooled\r"));
        QStringList figures;
        for (const QByteArray& field : lines.at(1).chopped(1).split(',').mid(15, 5))
            figures << QString::number(field.toDouble(), 'f', 2);
        QCOMPARE(figures, (QStringList{"7.76", "27.86", "31.14", "4.00", "0.97"}));
        QVERIFY(lines.at(1).endsWith(",TRUE\r"));
        QVERIFY(lines.at(2).endsWith(",,,,,,\r"));
    }
};

QTEST_GUILESS_MAIN(tst_ResultsCsv)
#include "tst_ResultsCsv.moc"
