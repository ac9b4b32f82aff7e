#include "codekeeper/frmCodeKeeper.h"

#include "RecordingPrintTarget.h"
#include "ScriptedDialogs.h"
#include "TwipPlacement.h"
#include "WindowDriver.h"
#include "common/Twips.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>
#include <sys/fsuid.h>
#include <unistd.h>

using namespace WindowDriver;

namespace {

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

// Code Keeper's window over a store in a temporary folder, worked through its controls; the
// store's rules have their own tests.
class tst_frmCodeKeeper : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(m_folder.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_folder.path()));
        for (const char* name :
             {"Macros_05_Align.txt", "Macros_05_Home.txt", "Tools_21_Probe.txt"}) {
            QFile entry(m_folder.filePath(QLatin1String(name)));
            QVERIFY(entry.open(QIODevice::WriteOnly));
            entry.write(QByteArray(name) + "\r\nG01 X0\r\n");
        }
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_printing = std::make_unique<RecordingPrinting>();
        openWindow();
    }

    void cleanup()
    {
        m_window.reset();
        m_printing.reset();
        m_dialogs.reset();
    }

    void startState()
    {
        QCOMPARE(text(*m_window, "cmdAdd"), QStringLiteral("Add Catagory"));
        QCOMPARE(tree()->currentItem(), node(" Working"));
        QCOMPARE(picture(" Working"), 8);
        QCOMPARE(file(QStringLiteral("Working.txt")), QString());
    }

    // The panes under the strip: the left pane 0.11 of the width less the 60-twip bar, the
    // right pane the rest. Dragging the bar moves the split; the left pane keeps 400 twips and
    // stops at the middle.
    void panes()
    {
        const double width = Twips::fromPixels(900), strip = 510, height = Twips::fromPixels(500);
        const double left = (width - 60) * 0.11f;
        const QString misplaced = misplacedControls(
            *m_window, {{"pbLeft", 0, strip, left, height - strip},
                        {"pbRight", left + 60, strip, width - 60 - left, height - strip}});
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));

        auto* leftPane = control(*m_window, "pbLeft");
        QTest::mousePress(m_window.get(), Qt::LeftButton, {},
                          QPoint(leftPane->geometry().right() + 2, 200));
        QTest::mouseMove(m_window.get(), QPoint(300, 200));
        QCOMPARE(leftPane->width(), Twips::toPixels((width - 60) / 3));
        QTest::mouseMove(m_window.get(), QPoint(1, 200));
        QCOMPARE(leftPane->width(), Twips::toPixels(400));
        QTest::mouseMove(m_window.get(), QPoint(800, 200));
        QCOMPARE(leftPane->width(), 450);
    }

    // A name that cannot be taken apart ends the tree after the nodes before it.
    void treeError()
    {
        m_window.reset();
        QFile(m_folder.filePath(QStringLiteral("Zero.txt"))).open(QIODevice::WriteOnly);
        openWindow();
        QCOMPARE(tree()->topLevelItemCount(), 3);
        QCOMPARE(
            message(),
            QStringLiteral("An error has occured while loading the code tree | Quorvel Warning "
                           "| critical"));
    }

    void readOnlyFolderKeepsTheText_data()
    {
        QTest::addColumn<bool>("leave");
        QTest::newRow("the user stays with the text") << false;
        QTest::newRow("the user leaves it unsaved") << true;
    }

    // The Working text, typed, cannot be saved when another entry is clicked: the user is
    // told and asked, and unless leaving, the text and the tree stay as they were.
    void readOnlyFolderKeepsTheText()
    {
        QFETCH(bool, leave);
        QTest::keyClicks(editor(), QStringLiteral("typed "));
        tree()->expandAll();
        {
            const ReadOnlyFolder readOnly(m_folder.path());
            m_dialogs->queueAnswer(leave ? Dialogs::Answer::Yes : Dialogs::Answer::No);
            click(QStringLiteral("Align"));
        }
        QCOMPARE(
            message(),
            QStringLiteral("File access error  70: Permission denied\n\nWorking.txt could not be "
                           "saved; your changes are still in the editor. Leave them unsaved? | "
                           "Quorvel | warning"));
        QCOMPARE(file(QStringLiteral("Working.txt")), QString());
        QCOMPARE(tree()->currentItem() == node("Align"), leave);
        QCOMPARE(editor()->toPlainText(), leave ? QStringLiteral("Macros_05_Align.txt\nG01 X0\n")
                                                : QStringLiteral("typed "));
    }

    void nodeClickSavesAndOpens()
    {
        click(QStringLiteral("Macros"));
        QVERIFY(!editor()->isEnabled());
        QCOMPARE(m_window->focusProxy(), tree());
        tree()->expandItem(node("Macros"));
        click(QStringLiteral("Align"));
        QVERIFY(editor()->isEnabled());
        QCOMPARE(m_window->focusProxy(), editor());
        QCOMPARE(editor()->toPlainText(), QStringLiteral("Macros_05_Align.txt\nG01 X0\n"));
        editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor(), QStringLiteral("G01 X1"));
        click(QStringLiteral("Home"));
        QCOMPARE(file(QStringLiteral("Macros_05_Align.txt")),
                 QStringLiteral("Macros_05_Align.txt\r\nG01 X0\r\nG01 X1\r\n"));
    }

    void fontButtonsAndCaretPosition()
    {
        const auto sizeAfter = [this](double size, const char* button) {
            QFont font = editor()->font();
            font.setPointSizeF(size);
            editor()->setFont(font);
            WindowDriver::click(*m_window, button);
            return editor()->font().pointSizeF();
        };
        QCOMPARE(sizeAfter(7, "cmdFontd"), 6.0);
        QCOMPARE(sizeAfter(71, "cmdFontu"), 72.0);

        editor()->insertPlainText(QStringLiteral("ab\ncd\nef"));
        editor()->moveCursor(QTextCursor::StartOfLine);
        editor()->moveCursor(QTextCursor::Right, QTextCursor::KeepAnchor);
        const QString position = "lblcoord=Line: 3; lblcoordp=Pos: 1; lblLen=Sel: 1";
        QCOMPARE(shown(*m_window, position), position);
    }

    void addCategory()
    {
        queueCatDialog(QStringLiteral("tools"), QStringLiteral("Green"));
        queueCatDialog(QStringLiteral("Probes"), QStringLiteral("Green"));
        WindowDriver::click(*m_window, "cmdAdd");
        QCOMPARE(message(), QStringLiteral("Catagory name already in use. | Quorvel | warning"));
        WindowDriver::click(*m_window, "cmdAdd");
        QCOMPARE(file(QStringLiteral("Probes_13_New.txt")), QString());
        QCOMPARE(tree()->currentItem(), node("Probes")->child(0));
        QCOMPARE(picture("New"), 16);
    }

    // An open category's picture still selects its own colour in the dialog.
    void editRecoloursACategory()
    {
        tree()->expandItem(node("Tools"));
        QString shownColour;
        queueCatDialog(QStringLiteral("Tools"), QStringLiteral("Purple"), &shownColour);
        treeCommand(QStringLiteral("Tools"), 0);
        QCOMPARE(shownColour, QStringLiteral("Red"));
        QCOMPARE(file(QStringLiteral("Tools_49_Probe.txt")),
                 QStringLiteral("Tools_21_Probe.txt\r\nG01 X0\r\n"));
        QCOMPARE(picture("Tools"), 49);
    }

    void deleteAsksWithNoAsDefault()
    {
        m_dialogs->queueAnswer(Dialogs::Answer::Yes);
        treeCommand(QStringLiteral("Probe"), 1);
        QCOMPARE(message(), QStringLiteral("Deleting the only code file will also delete the "
                                           "catagory, continue? | Code Keeper | critical"));
        QCOMPARE(m_dialogs->messages().first().buttons, Dialogs::Buttons::YesNoCancel);
        QCOMPARE(m_dialogs->messages().first().defaultAnswer, Dialogs::Answer::No);
        QCOMPARE(file(QStringLiteral("Tools_21_Probe.txt")), QStringLiteral("(missing)"));
        QVERIFY(!node("Tools"));
    }

    void newCodeOnAnExpandedCategory()
    {
        click(QStringLiteral("Macros"), Qt::RightButton);
        QVERIFY(!m_window->findChild<QAction*>(QStringLiteral("mnuEditTree_3"))->isEnabled());
        tree()->expandItem(node("Macros"));
        QString shownColour;
        queueCatDialog(QStringLiteral("Retract"), {}, &shownColour);
        treeCommand(QStringLiteral("Macros"), 3);
        QCOMPARE(shownColour, QStringLiteral("(hidden)"));
        QCOMPARE(file(QStringLiteral("Macros_05_Retract.txt")), QString());
        QCOMPARE(tree()->currentItem(), node("Retract"));
    }

    void editCommands()
    {
        QTest::keyClicks(editor(), QStringLiteral("G01"));
        const auto item = [this](int index) -> QAction* {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    editor()->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(editor()->viewport(), &event);
            control<QMenu>(*m_window, "mnuEditTop")->hide();
            return m_window->findChild<QAction*>(QStringLiteral("mnuEdit_%1").arg(index));
        };
        QVERIFY(!control(*m_window, "cmdCut")->isEnabled());
        item(7)->trigger();
        for (const char* button : {"cmdCut", "cmdPaste", "cmdPaste"})
            WindowDriver::click(*m_window, button);
        QCOMPARE(editor()->toPlainText(), QStringLiteral("G01G01"));
        item(7)->trigger();
        item(6)->trigger();
        QVERIFY(editor()->toPlainText().isEmpty());
    }

    void printsTheSelectionAsOneDocument()
    {
        editor()->insertPlainText(QStringLiteral("G01 X0\nG01 X1"));
        editor()->moveCursor(QTextCursor::Start);
        editor()->moveCursor(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
        m_dialogs->queueModal([](QDialog* dialog) {
            control<QListWidget>(*dialog, "List1")->setCurrentRow(1);
            WindowDriver::click(*dialog, "cmdPrint");
            return dialog->result();
        });
        WindowDriver::click(*m_window, "cmdPrint");
        QCOMPARE(m_printing->documents().size(), 1);
        const RecordedDocument& printed = m_printing->documents().first();
        QCOMPARE(printed.pages.size(), 2);
        for (const RecordedPage& page : printed.pages)
            QCOMPARE(page.texts(), QStringList{"G01 X0"});
    }

private:
    void openWindow()
    {
        m_window = std::make_unique<frmCodeKeeper>(m_folder.path(), nullptr);
        m_window->resize(900, 500);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    QTreeWidget* tree() const { return control<QTreeWidget>(*m_window, "TreeView1"); }
    QPlainTextEdit* editor() const { return control<QPlainTextEdit>(*m_window, "txtEditor"); }
    QTreeWidgetItem* node(const QString& text) const
    {
        const auto found = tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }

    int picture(const QString& text) const { return node(text)->data(0, Qt::UserRole + 1).toInt(); }
    void click(const QString& node, Qt::MouseButton button = Qt::LeftButton);
    void treeCommand(const QString& node, int item);
    // Names (and colours) in frmCat and saves; `shownColour` gets the colour it showed.
    void queueCatDialog(const QString& name, const QString& colour = {},
                        QString* shownColour = nullptr);
    // The one message shown: its text, title and icon.
    QString message() const
    {
        if (m_dialogs->messages().size() != 1)
            return QStringLiteral("%1 messages").arg(m_dialogs->messages().size());
        const ScriptedDialogs::Message& shown = m_dialogs->messages().first();
        const char* icons[] = {"none", "information", "warning", "critical", "question"};
        return shown.text + " | " + shown.title + " | " + icons[int(shown.icon)];
    }

    QString file(const QString& name) const
    {
        QFile source(m_folder.filePath(name));
        return source.open(QIODevice::ReadOnly) ? QString::fromUtf8(source.readAll())
                                                : QStringLiteral("(missing)");
    }

    QTemporaryDir m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<RecordingPrinting> m_printing;
    std::unique_ptr<frmCodeKeeper> m_window;
};

void tst_frmCodeKeeper::click(const QString& text, Qt::MouseButton button)
{
    QVERIFY(node(text));
    tree()->scrollToItem(node(text));
    QTest::mouseClick(tree()->viewport(), button, {}, tree()->visualItemRect(node(text)).center());
}

// A right click on the node and the tree menu's item.
void tst_frmCodeKeeper::treeCommand(const QString& text, int item)
{
    click(text, Qt::RightButton);
    QVERIFY(control<QMenu>(*m_window, "mnuEditTreeTop")->isVisible());
    control<QMenu>(*m_window, "mnuEditTreeTop")->hide();
    m_window->findChild<QAction*>(QStringLiteral("mnuEditTree_%1").arg(item))->trigger();
}

void tst_frmCodeKeeper::queueCatDialog(const QString& name, const QString& colour,
                                       QString* shownColour)
{
    m_dialogs->queueModal([name, colour, shownColour](QDialog* dialog) {
        auto* colours = control<QComboBox>(*dialog, "ImageCombo1");
        if (shownColour)
            *shownColour = colours->isVisible() ? colours->currentText() : "(hidden)";
        perform(*dialog, "Text1=" + name + (colour.isEmpty() ? "" : "; ImageCombo1=" + colour));
        WindowDriver::click(*dialog, "cmdSave");
        return dialog->result();
    });
}

QTEST_MAIN(tst_frmCodeKeeper)
#include "tst_frmCodeKeeper.moc"
