#include "codekeeper/CodeFile.h"
#include "codekeeper/CodeStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// The listing as text: "Category/colour: entry/colour file, ..." a category to a line.
QString describe(const CodeListing& listing)
{
    QStringList lines;
    for (const CodeCategory& category : listing.categories) {
        QStringList entries;
        for (const CodeEntry& entry : category.entries)
            entries.append(entry.name + '/' + QString::number(entry.colour) + ' ' + entry.fileName);
        lines.append(category.name + '/' + QString::number(category.colour) + ": " +
                     entries.join(", "));
    }
    return lines.join('\n');
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Runs one command written as words: "add Macros 5", "new Macros 5 B", "rename Macros A B",
// "recolour Macros 5 Tools 21", "delete Macros A" (an entry), "delete Macros" (a category).
StoreResult run(const CodeStore& store, const QString& command)
{
    const QStringList word = command.split(QLatin1Char(' '));
    const auto entry = [&] {
        const CodeListing listing = store.listing();
        for (const CodeEntry& each : listing.category(word[1])->entries)
            if (each.name == word[2])
                return each;
        return CodeEntry();
    };
    if (word[0] == QLatin1String("add"))
        return store.addCategory(word[1], word[2].toInt());
    if (word[0] == QLatin1String("new"))
        return store.newEntry(word[1], word[2].toInt(), word[3]);
    if (word[0] == QLatin1String("rename"))
        return store.renameEntry(entry(), word[3]);
    if (word[0] == QLatin1String("recolour"))
        return store.renameCategory(word[1], word[2].toInt(), word[3], word[4].toInt());
    return word.size() == 2 ? store.deleteCategory(word[1]) : store.deleteEntry(entry());
}

} // namespace

class tst_CodeStore : public QObject
{
    Q_OBJECT

private slots:
    void listing_data();
    void listing();
    void commands_data();
    void commands();
    void saving_data();
    void saving();
    void failedWriteLeavesTheOldFile();
};

void tst_CodeStore::listing_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("complete");
    QTest::newRow("skipped: colours 54, 55 and 99, no category, a blank, no second underscore")
        << QStringList{"A_99_B.txt",
                       "A_54_B.txt",
                       "A_55_C.txt",
                       "_05_B.txt",
                       "Tools_05_Alpha beta.txt",
                       "A_05xB.txt",
                       "C_05_D.txt"}
        << "C/5: D/5 C_05_D.txt" << true;
    QTest::newRow("no underscore ends the reading, earlier files stay")
        << QStringList{"Z_05_Y.txt", "Notes.txt", "A_05_B.txt"} << "A/5: B/5 A_05_B.txt" << false;
    QTest::newRow("colour characters 5_ end the reading")
        << QStringList{"C_05_D.txt", "B_5_C.txt", "A_05_B.txt"} << "A/5: B/5 A_05_B.txt" << false;
    QTest::newRow("letter case makes two categories")
        << QStringList{"macros_05_B.txt", "Macros_05_A.txt"}
        << "Macros/5: A/5 Macros_05_A.txt\nmacros/5: B/5 macros_05_B.txt" << true;
    QTest::newRow("entries keep their own colour")
        << QStringList{"Macros_21_B.txt", "Macros_05_A.txt"}
        << "Macros/5: A/5 Macros_05_A.txt, B/21 Macros_21_B.txt" << true;
    QTest::newRow("a second entry of the same name is not shown")
        << QStringList{"Macros_21_A.txt", "Macros_05_A.txt"} << "Macros/5: A/5 Macros_05_A.txt"
        << true;
}

void tst_CodeStore::listing()
{
    QFETCH(QStringList, files);
    QFETCH(QString, shown);
    QFETCH(bool, complete);
    const CodeListing listing = ParseCodeListing(files);
    QCOMPARE(describe(listing), shown);
    QCOMPARE(listing.complete, complete);
}

void tst_CodeStore::commands_data()
{
    // "files before | command | files after": each file holds its own first name,
    // "new<old" holds what old held, "new<" is an empty new file.
    QTest::addColumn<QString>("row");
    QTest::addColumn<StoreResult>("result");
    QTest::newRow("add Macros in Blue")
        << " | add Macros 5 | Macros_05_New.txt<" << StoreResult::Done;
    QTest::newRow("add a category that exists in other letters")
        << "Macros_05_A.txt | add MACROS 9 | Macros_05_A.txt" << StoreResult::CategoryInUse;
    QTest::newRow("add beside a New file the tree never showed")
        << "B_5_C.txt Macros_05_New.txt | add Macros 5 | B_5_C.txt Macros_05_New.txt"
        << StoreResult::NothingToDo;
    QTest::newRow("new entry named as one of another colour")
        << "Macros_21_A.txt | new Macros 5 A | Macros_21_A.txt" << StoreResult::FileInUse;
    QTest::newRow("rename New to Align")
        << "Macros_05_New.txt | rename Macros New Align | Macros_05_Align.txt<Macros_05_New.txt"
        << StoreResult::Done;
    QTest::newRow("rename an entry onto another")
        << "Macros_05_A.txt Macros_05_B.txt | rename Macros A B | Macros_05_A.txt Macros_05_B.txt"
        << StoreResult::FileInUse;
    QTest::newRow("rename an entry to nothing")
        << "Macros_05_A.txt | rename Macros A  | Macros_05_A.txt" << StoreResult::InvalidName;
    QTest::newRow("rename a category to nothing")
        << "Macros_05_A.txt | recolour Macros 5  21 | Macros_05_A.txt" << StoreResult::InvalidName;
    QTest::newRow("Blue to Red")
        << "Macros_05_A.txt Macros_05_B.txt Tools_05_C.txt | recolour Macros 5 Macros 21 | "
           "Macros_21_A.txt<Macros_05_A.txt Macros_21_B.txt<Macros_05_B.txt Tools_05_C.txt"
        << StoreResult::Done;
    QTest::newRow("rename onto another category with a new colour")
        << "Macros_05_A.txt Tools_21_A.txt | recolour Macros 5 Tools 21 | Macros_05_A.txt "
           "Tools_21_A.txt"
        << StoreResult::CategoryInUse;
    QTest::newRow("deleting the only entry removes the category")
        << "Macros_05_A.txt | delete Macros A | " << StoreResult::Done;
    QTest::newRow("deleting Mac leaves Macros and what Mac never showed")
        << "Mac_05_A.txt Mac_99_Old.txt Mac_notes.doc Macros_05_B.txt | delete Mac | "
           "Mac_99_Old.txt Mac_notes.doc Macros_05_B.txt"
        << StoreResult::Done;
    QTest::newRow("deleting Macros leaves macros")
        << "Macros_05_A.txt macros_05_B.txt | delete Macros | macros_05_B.txt" << StoreResult::Done;
    QTest::newRow("an entry of another colour renames its own file")
        << "Macros_05_A.txt Macros_21_B.txt | rename Macros B C | Macros_05_A.txt "
           "Macros_21_C.txt<Macros_21_B.txt"
        << StoreResult::Done;
    QTest::newRow("an entry of another colour deletes its own file")
        << "Macros_05_A.txt Macros_21_B.txt | delete Macros B | Macros_05_A.txt"
        << StoreResult::Done;
}

void tst_CodeStore::commands()
{
    QFETCH(QString, row);
    QFETCH(StoreResult, result);
    const QStringList part = row.split(QStringLiteral(" | "));
    QTemporaryDir folder;
    for (const QString& name : part[0].split(QLatin1Char(' '), Qt::SkipEmptyParts))
        writeFile(folder.filePath(name), name.toUtf8());
    const CodeStore store(folder.path());
    QCOMPARE(run(store, part[1]), result);

    QStringList expectedNames;
    for (const QString& file : part[2].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString name = file.section(QLatin1Char('<'), 0, 0);
        QCOMPARE(
            contentOf(folder.filePath(name)),
            (file.contains(QLatin1Char('<')) ? file.section(QLatin1Char('<'), 1) : name).toUtf8());
        expectedNames.append(name);
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name), expectedNames);
}

void tst_CodeStore::saving_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // The editor's text; a null text: not edited.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("saved");
    const QString unedited;
    QTest::newRow("mixed line breaks")
        << QByteArray("a\r\nb\nc\r") << unedited << QByteArray("a\r\nb\nc\r");
    QTest::newRow("no final line break gains one")
        << QByteArray("a\nb") << unedited << QByteArray("a\nb\n");
    QTest::newRow("edited CR LF") << QByteArray("a\r\n") << "a\nb" << QByteArray("a\r\nb\r\n");
    QTest::newRow("Latin-1 that cannot hold the edit turns UTF-8")
        << QByteArray("caf\xe9\n") << QStringLiteral("caf\u00e9 \u20ac")
        << QByteArray("caf\xc3\xa9 \xe2\x82\xac\n");
}

// Opened, saved, opened and saved again through the folder.
void tst_CodeStore::saving()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QByteArray, saved);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("A_05_B.txt"));
    writeFile(path, bytes);
    for (int time = 0; time < 2; ++time) {
        CodeFile file;
        QVERIFY(!readCodeFile(path, file));
        QVERIFY(
            !writeCodeFile(path, file.bytesFor(text.isNull() || time > 0 ? file.text() : text)));
        QCOMPARE(contentOf(path), saved);
    }
}

// A write that fails halfway, as on a full disk: the file keeps its old content and
// no temporary file is left behind.
void tst_CodeStore::failedWriteLeavesTheOldFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("A_05_B.txt"));
    writeFile(path, "old content\r\n");
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{64, limit.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool failed = writeCodeFile(path, QByteArray(100000, 'x')).has_value();
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY(failed);
    QCOMPARE(contentOf(path), QByteArray("old content\r\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"A_05_B.txt"});
}

QTEST_GUILESS_MAIN(tst_CodeStore)
#include "tst_CodeStore.moc"
