#include "codekeeper/CodeFile.h"
#include "codekeeper/CodeStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

const char* const saveMode = "--save-then-die";
const QByteArray largeEntry = QByteArray("G01 X10 Y0 F200\r\n").repeated(250000);

// The child process: saves the large entry over `path` while no file may grow past
// `limit` bytes (none when negative); the write that would is killed with SIGKILL, as a
// crash or a power cut would stop the program in the middle of the save.
int saveThenDie(const char* path, long long limit)
{
    std::signal(SIGXFSZ, [](int) { std::raise(SIGKILL); });
    const rlimit small{rlim_t(limit), rlim_t(limit)};
    if (limit >= 0)
        setrlimit(RLIMIT_FSIZE, &small);
    return writeCodeFile(QString::fromLocal8Bit(path), largeEntry) ? 1 : 0;
}

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
    void listing_data()
    {
        QTest::addColumn<QString>("files"); // comma-separated
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("complete");
        QTest::newRow("skipped: colours 54, 55 and 99, no category, a blank, no second underscore")
            << "A_99_B.txt,A_54_B.txt,A_55_C.txt,_05_B.txt,Tools_05_Alpha "
               "beta.txt,A_05xB.txt,C_05_D.txt"
            << "C/5: D/5 C_05_D.txt" << true;
        QTest::newRow("no underscore ends the reading, earlier files stay")
            << "Z_05_Y.txt,Notes.txt,A_05_B.txt"
            << "A/5: B/5 A_05_B.txt" << false;
        QTest::newRow("colour characters 5_ end the reading") << "C_05_D.txt,B_5_C.txt,A_05_B.txt"
                                                              << "A/5: B/5 A_05_B.txt" << false;
        QTest::newRow("letter case makes two categories")
            << "macros_05_B.txt,Macros_05_A.txt"
            << "Macros/5: A/5 Macros_05_A.txt\nmacros/5: B/5 macros_05_B.txt" << true;
        QTest::newRow("entries keep their own colour")
            << "Macros_21_B.txt,Macros_05_A.txt"
            << "Macros/5: A/5 Macros_05_A.txt, B/21 Macros_21_B.txt" << true;
        QTest::newRow("a second entry of the same name is not shown")
            << "Macros_21_A.txt,Macros_05_A.txt"
            << "Macros/5: A/5 Macros_05_A.txt" << true;
    }

    void listing()
    {
        QFETCH(QString, files);
        QFETCH(QString, shown);
        QFETCH(bool, complete);
        const CodeListing listing = ParseCodeListing(files.split(QLatin1Char(',')));
        QCOMPARE(describe(listing), shown);
        QCOMPARE(listing.complete, complete);
    }

    void commands_data()
    {
        // "files before | command | files after": each file holds its own first name,
        // "new<old" holds what old held, "new<" is an empty new file.
        QTest::addColumn<QString>("row");
        QTest::addColumn<StoreResult>("result");
        using enum StoreResult;
        QTest::newRow("add Macros in Blue") << " | add Macros 5 | Macros_05_New.txt<" << Done;
        QTest::newRow("add a category that exists in other letters")
            << "Macros_05_A.txt | add MACROS 9 | Macros_05_A.txt" << CategoryInUse;
        QTest::newRow("add beside a New file the tree never showed")
            << "B_5_C.txt Macros_05_New.txt | add Macros 5 | B_5_C.txt Macros_05_New.txt"
            << NothingToDo;
        QTest::newRow("new entry named as one of another colour")
            << "Macros_21_A.txt | new Macros 5 A | Macros_21_A.txt" << FileInUse;
        QTest::newRow("rename New to Align")
            << "Macros_05_New.txt | rename Macros New Align | Macros_05_Align.txt<Macros_05_New.txt"
            << Done;
        QTest::newRow("rename an entry onto another")
            << "Macros_05_A.txt Macros_05_B.txt | rename Macros A B | Macros_05_A.txt "
               "Macros_05_B.txt"
            << FileInUse;
        QTest::newRow("rename an entry to nothing")
            << "Macros_05_A.txt | rename Macros A  | Macros_05_A.txt" << InvalidName;
        QTest::newRow("Blue to Red")
            << "Macros_05_A.txt Macros_05_B.txt Tools_05_C.txt | recolour Macros 5 Macros 21 | "
               "Macros_21_A.txt<Macros_05_A.txt Macros_21_B.txt<Macros_05_B.txt Tools_05_C.txt"
            << Done;
        QTest::newRow("rename onto another category with a new colour")
            << "Macros_05_A.txt Tools_21_A.txt | recolour Macros 5 Tools 21 | Macros_05_A.txt "
               "Tools_21_A.txt"
            << CategoryInUse;
        QTest::newRow("deleting the only entry removes the category")
            << "Macros_05_A.txt | delete Macros A | " << Done;
        QTest::newRow("deleting Mac leaves Macros and what Mac never showed")
            << "Mac_05_A.txt Mac_99_Old.txt Mac_notes.doc Macros_05_B.txt | delete Mac | "
               "Mac_99_Old.txt Mac_notes.doc Macros_05_B.txt"
            << Done;
        QTest::newRow("an entry of another colour renames its own file")
            << "Macros_05_A.txt Macros_21_B.txt | rename Macros B C | Macros_05_A.txt "
               "Macros_21_C.txt<Macros_21_B.txt"
            << Done;
        // A save adds seven bytes to the file's name for its temporary copy, within 255.
        const QString longest(237, u'M'), tooLong(238, u'M');
        QTest::addRow("a file name a save can still replace")
            << " | add " + longest + " 5 | " + longest + "_05_New.txt<" << Done;
        QTest::addRow("a file name no save could replace")
            << " | add " + tooLong + " 5 | " << Failed;
        QTest::addRow("renamed to a file name no save could replace")
            << "Macros_05_A.txt | rename Macros A " + QString(235, u'A') + " | Macros_05_A.txt"
            << Failed;
    }

    void commands()
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
            QCOMPARE(contentOf(folder.filePath(name)),
                     (file.contains(QLatin1Char('<')) ? file.section(QLatin1Char('<'), 1) : name)
                         .toUtf8());
            expectedNames.append(name);
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name), expectedNames);
    }

    void saving_data()
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
    void saving()
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
            QVERIFY(!writeCodeFile(path,
                                   file.bytesFor(text.isNull() || time > 0 ? file.text() : text)));
            QCOMPARE(contentOf(path), saved);
        }
    }

    // Files whose bytes do not decode whole (UTF-8 and UTF-16 cut inside their last character,
    // a UTF-32 value beyond U+10FFFF), saved unedited or edited, with the final line break they
    // lack: they read back as the editor showed them.
    void entryCutOffSavesAsShown()
    {
        for (const char* name : {"utf8-cut-off", "utf16-cut-off", "utf32-beyond-unicode"}) {
            const CodeFile file(
                contentOf(QStringLiteral(TEST_DATA "/codekeeper-%1.txt").arg(name)));
            for (const QString& text : {file.text(), file.text() + QStringLiteral("G01")})
                QCOMPARE(CodeFile(file.bytesFor(text)).text(), text + u'\n');
        }
    }

    void killedSaveLeavesAWholeFile_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("saved");
        QTest::newRow("killed at the first byte") << qint64(0) << false;
        QTest::newRow("killed half-way") << qint64(2 * 1024 * 1024) << false;
        QTest::newRow("not killed") << qint64(-1) << true;
    }

    void killedSaveLeavesAWholeFile()
    {
        QFETCH(qint64, limit);
        QFETCH(bool, saved);
        QTemporaryDir folder;
        const CodeStore store(folder.path());
        const QString path = store.filePath(QStringLiteral("Macros_05_Align.txt"));
        const QByteArray old = "G01 X0 Y0\r\n";
        QVERIFY(!writeCodeFile(path, old));

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QLatin1String(saveMode), path, QString::number(limit)});
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), saved ? QProcess::NormalExit : QProcess::CrashExit);
        QCOMPARE(contentOf(path), saved ? largeEntry : old);
        QCOMPARE(store.listing().categories.first().entries.size(), 1);
    }
};

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], saveMode) == 0)
        return saveThenDie(argv[2], std::atoll(argv[3]));
    QCoreApplication application(argc, argv);
    tst_CodeStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_CodeStore.moc"
