#include "import/modImport.h"

#include "StudyBuilder.h"

#include <QMimeData>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

// The grid's data source: what a file's lines become, the errors that end loading,
// and the cells a drag carries.
class tst_modImport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;

private slots:
    void loadsLinesAndFields_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("cells"); // row by row, "|" between fields

        QTest::newRow("widest line sets the columns, not the first")
            << QByteArray("1,2,3,4,5,6,7,8\r\n1,2,3,4,5,6,7,8,9,10,11,12\r\n") << 12
            << QStringList{"1|2|3|4|5|6|7|8||||", "1|2|3|4|5|6|7|8|9|10|11|12"};
        QTest::newRow("comma inside quotes splits, both pieces lose two characters")
            << QByteArray("a,\"b,c\"\r\n") << 3 << QStringList{"a||"};
        QTest::newRow("quote inside a field drops the field's ends")
            << QByteArray("x\"y\"z,2\r\n") << 2 << QStringList{"\"y\"|2"};
        QTest::newRow("empty lines are records")
            << QByteArray("a,b\r\n\r\nc\r\n") << 2 << QStringList{"a|b", "|", "c|"};
        QTest::newRow("LF, CR and a last line without a break")
            << QByteArray("a\nb\rc,d") << 2 << QStringList{"a|", "b|", "c|d"};
        QTest::newRow("quoted field of 255 characters inside its quotes")
            << '"' + QByteArray(255, 'x') + '"' << 1 << QStringList{QString(255, u'x')};
        QTest::newRow("Latin-1 when not UTF-8")
            << QByteArray("\xd8 10,2") << 2 << QStringList{"\u00d8 10|2"};
        const QString unicode = QString::fromUtf8("\xc3\x98 1,2\r\n\xe2\x88\x85");
        QTest::newRow("UTF-8") << unicode.toUtf8() << 2 << QStringList{"\u00d8 1|2", "\u2205|"};
        for (const auto encoding :
             {QStringConverter::Utf8, QStringConverter::Utf16LE, QStringConverter::Utf16BE})
            QTest::addRow("%s after its byte-order mark",
                          QStringConverter::nameForEncoding(encoding))
                << QByteArray(QStringEncoder(encoding, QStringConverter::Flag::WriteBom)(unicode))
                << 2 << QStringList{"\u00d8 1|2", "\u2205|"};
    }

    void loadsLinesAndFields()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, columns);
        QFETCH(QStringList, cells);
        modImport source;
        QVERIFY(!source.load(writeTestFile(m_folder, "grid.csv", content)));
        QCOMPARE(source.getlastrow(), int(cells.size()));
        QCOMPARE(source.rowCount(), int(cells.size()));
        QCOMPARE(source.columnCount(), columns);
        QStringList shown;
        for (int row = 0; row < source.rowCount(); ++row) {
            QStringList fields;
            for (int column = 0; column < columns; ++column)
                fields << source.data(source.index(row, column)).toString();
            shown << fields.join(u'|');
        }
        QCOMPARE(shown, cells);
        if (columns > 0) {
            QCOMPARE(source.headerData(columns - 1, Qt::Horizontal).toString(),
                     QString::number(columns - 1));
            QCOMPARE(source.data(source.index(0, 0), Qt::ToolTipRole),
                     source.data(source.index(0, 0)));
        }
    }

    // The first error ends the loading; the lines before it stay, in place of an earlier file.
    void errorKeepsLinesBefore_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("rowsKept");
        QTest::addColumn<int>("columns");
        QTest::newRow("a lone double quote") << QByteArray("a,b\r\nc,d\r\n\",e\r\nf,g,h\r\n")
                                             << int(AppError::InvalidProcedureCall) << 2 << 3;
        QTest::newRow("a field of 256 characters")
            << QByteArray("a\r\n") + QByteArray(256, 'x') + "\r\nb\r\n"
            << int(AppError::Overflow) << 1 << 1;
    }

    void errorKeepsLinesBefore()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, number);
        QFETCH(int, rowsKept);
        QFETCH(int, columns);
        modImport source;
        QVERIFY(!source.load(writeTestFile(m_folder, "old.csv", placeNamedGrid(9, 9))));
        const auto error = source.load(writeTestFile(m_folder, "bad.csv", content));
        QCOMPARE(error.value_or(AppError(0)).number(), number);
        QCOMPARE(source.getlastrow(), rowsKept);
        QCOMPARE(source.columnCount(), columns);
    }

    // A drag carries the cell's line and column as the user sees them; other data is no cell.
    void dragCarriesLineAndColumn()
    {
        modImport source;
        source.load(writeTestFile(m_folder, "drag.csv", placeNamedGrid(15, 5)));
        QVERIFY(source.flags(source.index(11, 2)).testFlag(Qt::ItemIsDragEnabled));
        std::unique_ptr<QMimeData> data(source.mimeData({source.index(11, 2)}));
        const auto cell = modImport::draggedCell(data.get());
        QCOMPARE(cell.value_or(GridCell()).line, 12);
        QCOMPARE(cell.value_or(GridCell()).column, 3);
        QMimeData text;
        text.setText("R12 - C3");
        QVERIFY(!modImport::draggedCell(&text));
        QMimeData garbled;
        garbled.setData(modImport::cellMimeType, "12;3");
        QVERIFY(!modImport::draggedCell(&garbled));
    }
};

QTEST_GUILESS_MAIN(tst_modImport)
#include "tst_modImport.moc"
