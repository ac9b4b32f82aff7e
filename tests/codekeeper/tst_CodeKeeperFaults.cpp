#include "codekeeper/CodeFile.h"
#include "codekeeper/CodeStore.h"
#include "codekeeper/frmCodeKeeper.h"

#include "ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <csignal>
#include <cstring>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

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

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The folder cannot be written while it lives, also for root: the checks then run as
// another user and group's.
struct ReadOnlyFolder
{
    explicit ReadOnlyFolder(const QString& path) : path(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                        QFile::ExeOther);
        setfsgid(geteuid() == 0 ? 65534 : getegid());
        setfsuid(geteuid() == 0 ? 65534 : geteuid());
    }
    ~ReadOnlyFolder()
    {
        setfsuid(geteuid());
        setfsgid(getegid());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString path;
};

} // namespace

// Code Keeper's saves when the system fails them: the program killed in the middle of
// a save, a folder that cannot be written.
class tst_CodeKeeperFaults : public QObject
{
    Q_OBJECT

private slots:
    void entryCutOffSavesAsShown_data();
    void entryCutOffSavesAsShown();
    void killedSaveLeavesAWholeFile_data();
    void killedSaveLeavesAWholeFile();
    void readOnlyFolderKeepsTheText_data();
    void readOnlyFolderKeepsTheText();
};

void tst_CodeKeeperFaults::entryCutOffSavesAsShown_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("UTF-8 cut inside its last character") << "codekeeper-utf8-cut-off.txt";
    QTest::newRow("UTF-16 cut inside its last character") << "codekeeper-utf16-cut-off.txt";
    QTest::newRow("UTF-32 value beyond U+10FFFF") << "codekeeper-utf32-beyond-unicode.txt";
}

// Files whose bytes do not decode whole, saved unedited or edited, with the final line
// break they lack: they read back as the editor showed them.
void tst_CodeKeeperFaults::entryCutOffSavesAsShown()
{
    QFETCH(QString, name);
    const CodeFile file(contentOf(QStringLiteral(TEST_DATA "/") + name));
    for (const QString& text : {file.text(), file.text() + QStringLiteral("G01")})
        QCOMPARE(CodeFile(file.bytesFor(text)).text(), text + u'\n');
}

void tst_CodeKeeperFaults::killedSaveLeavesAWholeFile_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("saved");
    QTest::newRow("killed at the first byte") << qint64(0) << false;
    QTest::newRow("killed half-way") << qint64(2 * 1024 * 1024) << false;
    QTest::newRow("not killed") << qint64(-1) << true;
}

void tst_CodeKeeperFaults::killedSaveLeavesAWholeFile()
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

void tst_CodeKeeperFaults::readOnlyFolderKeepsTheText_data()
{
    QTest::addColumn<bool>("leave");
    QTest::newRow("the user stays with the text") << false;
    QTest::newRow("the user leaves it unsaved") << true;
}

// The Working text, typed, cannot be saved when another entry is clicked: the user is
// told and asked, and unless leaving, the text and the tree stay as they were.
void tst_CodeKeeperFaults::readOnlyFolderKeepsTheText()
{
    QFETCH(bool, leave);
    QTemporaryDir folder;
    const CodeStore store(folder.path());
    QVERIFY(!writeCodeFile(store.filePath(workingFileName), "old\r\n"));
    QVERIFY(!writeCodeFile(store.filePath(QStringLiteral("Macros_05_Align.txt")), "G01\r\n"));
    ScriptedDialogs dialogs;
    frmCodeKeeper window(folder.path(), nullptr);
    window.show();
    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    auto* editor = window.findChild<QPlainTextEdit*>(QStringLiteral("txtEditor"));
    QTest::keyClicks(editor, QStringLiteral("typed "));
    tree->expandAll();
    QTreeWidgetItem* align = tree->findItems(QStringLiteral("Align"), Qt::MatchRecursive).first();
    {
        const ReadOnlyFolder readOnly(folder.path());
        dialogs.queueAnswer(leave ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(align).center());
    }
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.messages().first().text,
             QStringLiteral("File access error  70: Permission denied\n\nWorking.txt could not be "
                            "saved; your changes are still in the editor. Leave them unsaved?"));
    QCOMPARE(contentOf(store.filePath(workingFileName)), QByteArray("old\r\n"));
    QCOMPARE(tree->currentItem() == align, leave);
    QCOMPARE(editor->toPlainText(),
             leave ? QStringLiteral("G01\n") : QStringLiteral("typed old\n"));
}

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], saveMode) == 0)
        return saveThenDie(argv[2], std::atoll(argv[3]));
    QApplication application(argc, argv);
    tst_CodeKeeperFaults test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CodeKeeperFaults.moc"
