#include "import/modImport.h"

#include "ImportTestFiles.h"

#include <QMimeData>
#include <QStringEncoder>
#include <QTest>

// The grid's data source: what a file's lines become, the errors that end loading,
// and the cells a drag carries.
class tst_modImport : public QObject
{
    Q_OBJECT

private slots:
    void loadsLinesAndFields_data();
    void loadsLinesAndFields();
    void errorKeepsLinesBefore_data();
    void errorKeepsLinesBefore();
    void missingFileLeavesEmptyGrid();
    void readsLatin1WhenNotUtf8();
    void reportsProgressToTheEnd();
    void dragCarriesLineAndColumn();
    void ignoresForeignDrags();

private:
    QTemporaryDir m_folder;
};

void tst_modImport::loadsLinesAndFields_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    // Expected cells, row by row, "|" between fields.
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("widest line sets the columns, not the first")
        << QByteArray("1,2,3,4,5,6,7,8\r\n1,2,3,4,5,6,7,8,9,10,11,12\r\n") << 2 << 12
        << QStringList{"1|2|3|4|5|6|7|8||||", "1|2|3|4|5|6|7|8|9|10|11|12"};
    QTest::newRow("quoted field loses its quotes")
        << QByteArray("a,\"b\",c\r\n") << 1 << 3 << QStringList{"a|b|c"};
    QTest::newRow("comma inside quotes splits, both pieces lose two characters")
        << QByteArray("a,\"b,c\"\r\n") << 1 << 3 << QStringList{"a||"};
    QTest::newRow("quote inside a field drops the field's ends")
        << QByteArray("x\"y\"z,2\r\n") << 1 << 2 << QStringList{"\"y\"|2"};
    QTest::newRow("empty lines are records") << QByteArray("a,b\r\n\r\nc\r\n") << 3 << 2
                                             << QStringList{"a|b", "|", "c|"};
    QTest::newRow("blanks are kept") << QByteArray(" a , b\r\n") << 1 << 2
                                     << QStringList{" a | b"};
    QTest::newRow("trailing comma is an empty field") << QByteArray("a,b,\r\n") << 1 << 3
                                                      << QStringList{"a|b|"};
    QTest::newRow("LF, CR and a last line without a break")
        << QByteArray("a\nb\rc,d") << 3 << 2 << QStringList{"a|", "b|", "c|d"};
    QTest::newRow("empty file") << QByteArray() << 0 << 0 << QStringList{};
    QTest::newRow("only empty lines have no fields")
        << QByteArray("\r\n\r\n") << 2 << 0 << QStringList{"", ""};
    QTest::newRow("field of 255 characters") << QByteArray(255, 'x') + ",1" << 1 << 2
                                             << QStringList{QString(255, u'x') + "|1"};
    QTest::newRow("quoted field of 255 characters inside its quotes")
        << '"' + QByteArray(255, 'x') + '"' << 1 << 1 << QStringList{QString(255, u'x')};
    QTest::newRow("UTF-8 text") << QByteArray("\xc3\x98 10,\xe2\x88\x85") << 1 << 2
                                << QStringList{QString::fromUtf8("\xc3\x98 10|\xe2\x88\x85")};
    const QString unicode = QString::fromUtf8("\xc3\x98 1,2\r\n\xe2\x88\x85");
    for (const auto encoding : {QStringConverter::Utf8, QStringConverter::Utf16LE, QStringConverter::Utf16BE})
        QTest::addRow("%s after its byte-order mark", QStringConverter::nameForEncoding(encoding))
            << QByteArray(QStringEncoder(encoding, QStringConverter::Flag::WriteBom)(unicode)) << 2 << 2
            << QStringList{QString::fromUtf8("\xc3\x98 1|2"), QString::fromUtf8("\xe2\x88\x85|")};
}

void tst_modImport::loadsLinesAndFields()
{
    QFETCH(QByteArray, content);
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QStringList, cells);

    modImport source;
    const auto error = source.load(ImportTestFiles::write(m_folder, "grid.csv", content));
    QVERIFY(!error);
    QCOMPARE(source.getlastrow(), rows);
    QCOMPARE(source.rowCount(), rows);
    QCOMPARE(source.columnCount(), columns);
    for (int row = 0; row < rows; ++row) {
        QStringList fields;
        for (int column = 0; column < columns; ++column)
            fields << source.data(source.index(row, column)).toString();
        QCOMPARE(fields.join(u'|'), cells[row]);
    }
    if (columns > 0) {
        QCOMPARE(source.headerData(columns - 1, Qt::Horizontal).toString(),
                 QString::number(columns - 1));
        QCOMPARE(source.data(source.index(0, 0), Qt::ToolTipRole),
                 source.data(source.index(0, 0)));
    }
}

void tst_modImport::errorKeepsLinesBefore_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("rowsKept");
    QTest::addColumn<int>("columns");

    QTest::newRow("a lone double quote") << QByteArray("a,b\r\nc,d\r\n\",e\r\nf,g,h\r\n")
                                         << int(AppError::InvalidProcedureCall) << 2 << 3;
    QTest::newRow("a field of 256 characters")
        << QByteArray("a\r\n") + QByteArray(256, 'x') + "\r\nb\r\n" << int(AppError::Overflow)
        << 1 << 1;
    QTest::newRow("a quoted field of 256 characters inside its quotes")
        << '"' + QByteArray(256, 'x') + '"' << int(AppError::Overflow) << 0 << 1;
}

void tst_modImport::errorKeepsLinesBefore()
{
    QFETCH(QByteArray, content);
    QFETCH(int, number);
    QFETCH(int, rowsKept);
    QFETCH(int, columns);

    modImport source;
    const auto error = source.load(ImportTestFiles::write(m_folder, "bad.csv", content));
    QVERIFY(error);
    QCOMPARE(error->number(), number);
    QCOMPARE(source.getlastrow(), rowsKept);
    QCOMPARE(source.columnCount(), columns);
}

void tst_modImport::missingFileLeavesEmptyGrid()
{
    modImport source;
    source.load(ImportTestFiles::write(m_folder, "old.csv", "a,b\r\n"));
    QCOMPARE(source.rowCount(), 1);

    const auto error = source.load(m_folder.filePath("missing.csv"));
    QVERIFY(error);
    QCOMPARE(error->number(), int(AppError::FileNotFound));
    QCOMPARE(source.rowCount(), 0);
    QCOMPARE(source.columnCount(), 0);
}

void tst_modImport::readsLatin1WhenNotUtf8()
{
    modImport source;
    QVERIFY(!source.load(ImportTestFiles::write(m_folder, "latin1.csv", "\xd8 10,2\r\n")));
    QCOMPARE(source.cell(0, 0), QString::fromUtf8("\xc3\x98 10"));
}

void tst_modImport::reportsProgressToTheEnd()
{
    modImport source;
    QList<int> reported;
    source.load(ImportTestFiles::write(m_folder, "big.csv", ImportTestFiles::placeNamedGrid(200, 50)),
                [&reported](int permille) { reported << permille; });
    QVERIFY(!reported.isEmpty());
    QCOMPARE(reported.last(), 1000);
    QVERIFY(std::is_sorted(reported.begin(), reported.end()));
}

void tst_modImport::dragCarriesLineAndColumn()
{
    modImport source;
    source.load(ImportTestFiles::write(m_folder, "drag.csv", ImportTestFiles::placeNamedGrid(15, 5)));
    QVERIFY(source.flags(source.index(11, 2)).testFlag(Qt::ItemIsDragEnabled));
    std::unique_ptr<QMimeData> data(source.mimeData({source.index(11, 2)}));
    const auto cell = modImport::draggedCell(data.get());
    QVERIFY(cell);
    QCOMPARE(cell->line, 12);
    QCOMPARE(cell->column, 3);
}

void tst_modImport::ignoresForeignDrags()
{
    QMimeData text;
    text.setText("R12 - C3");
    QVERIFY(!modImport::draggedCell(&text));
    QMimeData garbled;
    garbled.setData(modImport::cellMimeType, "12;3");
    QVERIFY(!modImport::draggedCell(&garbled));
}

QTEST_GUILESS_MAIN(tst_modImport)
#include "tst_modImport.moc"
