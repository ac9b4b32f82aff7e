#include "codekeeper/frmCodeKeeper.h"
#include "shell/frmMain.h"

#include "RecordingPrintTarget.h"
#include "ScriptedDialogs.h"
#include "TestSettings.h"
#include "common/Twips.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

// Code Keeper's window over a store in a temporary folder, worked through its controls.
class tst_frmCodeKeeper : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadOpensWorkingAndShowsTheStore();
    void openFailureIsReported();
    void nodeClickSavesAndOpens();
    void fontButtons();
    void caretPosition();
    void splitBar();
    void addCategory();
    void editRecoloursACategory();
    void deleteAsksWithNoAsDefault();
    void newCodeOnAnExpandedCategory();
    void editCommands();
    void printsTheSelectionAsOneDocument();
    void textSurvivesSwitchingTools();

private:
    QTemporaryDir m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<RecordingPrinting> m_printing;
    std::unique_ptr<frmCodeKeeper> m_window;

    void openWindow();
    template <typename Control> Control* control(const QString& name) const
    {
        auto* found = m_window->findChild<Control*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QTreeWidget* tree() const { return control<QTreeWidget>("TreeView1"); }
    QPlainTextEdit* editor() const { return control<QPlainTextEdit>("txtEditor"); }
    QTreeWidgetItem* node(const QString& text) const;
    int picture(const QString& text) const { return node(text)->data(0, Qt::UserRole + 1).toInt(); }
    void click(const QString& text, Qt::MouseButton button = Qt::LeftButton);
    void treeCommand(const QString& text, int item);
    // Names (and colours) in frmCat and saves; `shownColour` gets the colour it showed.
    void queueCatDialog(const QString& name, const QString& colour = {},
                        QString* shownColour = nullptr);
    void expectMessage(const QString& text, const QString& title, Dialogs::Icon icon) const;
    QString file(const QString& name) const;
};

void tst_frmCodeKeeper::init()
{
    QDir(m_folder.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_folder.path()));
    for (const char* name : {"Macros_05_Align.txt", "Macros_05_Home.txt", "Tools_21_Probe.txt"}) {
        QFile entry(m_folder.filePath(QLatin1String(name)));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write(QByteArray(name) + "\r\nG01 X0\r\n");
    }
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_printing = std::make_unique<RecordingPrinting>();
}

void tst_frmCodeKeeper::openWindow()
{
    m_window = std::make_unique<frmCodeKeeper>(m_folder.path(), nullptr);
    m_window->resize(900, 500);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_frmCodeKeeper::cleanup()
{
    m_window.reset();
    m_printing.reset();
    m_dialogs.reset();
}

QTreeWidgetItem* tst_frmCodeKeeper::node(const QString& text) const
{
    const auto found = tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

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
    QVERIFY(control<QMenu>("mnuEditTreeTop")->isVisible());
    control<QMenu>("mnuEditTreeTop")->hide();
    control<QAction>(QStringLiteral("mnuEditTree_%1").arg(item))->trigger();
}

void tst_frmCodeKeeper::queueCatDialog(const QString& name, const QString& colour,
                                       QString* shownColour)
{
    m_dialogs->queueModal([name, colour, shownColour](QDialog* dialog) {
        auto* colours = dialog->findChild<QComboBox*>(QStringLiteral("ImageCombo1"));
        if (shownColour)
            *shownColour =
                colours->isVisible() ? colours->currentText() : QStringLiteral("(hidden)");
        dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(name);
        if (!colour.isEmpty())
            colours->setCurrentIndex(colours->findText(colour));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdSave")),
                          Qt::LeftButton);
        return dialog->result();
    });
}

void tst_frmCodeKeeper::expectMessage(const QString& text, const QString& title,
                                      Dialogs::Icon icon) const
{
    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->messages().first().text, text);
    QCOMPARE(m_dialogs->messages().first().title, title);
    QCOMPARE(m_dialogs->messages().first().icon, icon);
}

QString tst_frmCodeKeeper::file(const QString& name) const
{
    QFile source(m_folder.filePath(name));
    return source.open(QIODevice::ReadOnly) ? QString::fromUtf8(source.readAll())
                                            : QStringLiteral("(missing)");
}

// A name that cannot be taken apart ends the tree after the nodes before it.
void tst_frmCodeKeeper::loadOpensWorkingAndShowsTheStore()
{
    QFile(m_folder.filePath(QStringLiteral("Zero.txt"))).open(QIODevice::WriteOnly);
    openWindow();
    QCOMPARE(tree()->topLevelItemCount(), 3);
    QCOMPARE(tree()->currentItem(), node(" Working"));
    QCOMPARE(picture(" Working"), 8);
    QCOMPARE(picture("Probe"), 24);
    QCOMPARE(file(QStringLiteral("Working.txt")), QString());
    expectMessage(QStringLiteral("An error has occured while loading the code tree"),
                  QStringLiteral("Quorvel Warning"), Dialogs::Icon::Critical);
}

// A scratch file that cannot be read: the message, and nothing written to it later.
void tst_frmCodeKeeper::openFailureIsReported()
{
    QDir(m_folder.path()).mkdir(QStringLiteral("Working.txt"));
    openWindow();
    QTest::keyClicks(editor(), QStringLiteral("lost"));
    click(QStringLiteral("Tools"));
    expectMessage(QStringLiteral("File access error  75: Path/File access error"),
                  QStringLiteral("Quorvel"), Dialogs::Icon::Warning);
}

void tst_frmCodeKeeper::nodeClickSavesAndOpens()
{
    openWindow();
    click(QStringLiteral("Macros"));
    QVERIFY(editor()->toPlainText().isEmpty());
    QVERIFY(!editor()->isEnabled());
    tree()->expandItem(node("Macros"));
    QCOMPARE(picture("Macros"), 6);
    click(QStringLiteral("Align"));
    QVERIFY(editor()->isEnabled());
    QCOMPARE(editor()->toPlainText(), QStringLiteral("Macros_05_Align.txt\nG01 X0\n"));
    editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor(), QStringLiteral("G01 X1"));
    click(QStringLiteral("Home"));
    QCOMPARE(file(QStringLiteral("Macros_05_Align.txt")),
             QStringLiteral("Macros_05_Align.txt\r\nG01 X0\r\nG01 X1\r\n"));
}

void tst_frmCodeKeeper::fontButtons()
{
    openWindow();
    const auto sizeAfter = [this](double size, const char* button) {
        QFont font = editor()->font();
        font.setPointSizeF(size);
        editor()->setFont(font);
        QTest::mouseClick(control<QPushButton>(QLatin1String(button)), Qt::LeftButton);
        return editor()->font().pointSizeF();
    };
    QCOMPARE(sizeAfter(7, "cmdFontd"), 6.0);
    QCOMPARE(sizeAfter(71, "cmdFontu"), 72.0);
}

void tst_frmCodeKeeper::caretPosition()
{
    openWindow();
    editor()->insertPlainText(QStringLiteral("ab\ncd\nef"));
    editor()->moveCursor(QTextCursor::StartOfLine);
    QCOMPARE(control<QLabel>("lblcoord")->text(), QStringLiteral("Line: 3"));
    QCOMPARE(control<QLabel>("lblcoordp")->text(), QStringLiteral("Pos: 1"));
}

// The bar between the panes drags the split; the left pane keeps 400 twips and stops at
// the middle.
void tst_frmCodeKeeper::splitBar()
{
    openWindow();
    auto* left = control<QWidget>("pbLeft");
    QTest::mousePress(m_window.get(), Qt::LeftButton, {},
                      QPoint(left->geometry().right() + 2, 200));
    QTest::mouseMove(m_window.get(), QPoint(300, 200));
    QCOMPARE(left->width(), Twips::toPixels((Twips::fromPixels(900) - 60) / 3));
    QTest::mouseMove(m_window.get(), QPoint(1, 200));
    QCOMPARE(left->width(), Twips::toPixels(400));
    QTest::mouseMove(m_window.get(), QPoint(800, 200));
    QCOMPARE(left->width(), 450);
}

void tst_frmCodeKeeper::addCategory()
{
    openWindow();
    queueCatDialog(QStringLiteral("tools"), QStringLiteral("Green"));
    queueCatDialog(QStringLiteral("Probes"), QStringLiteral("Green"));
    QTest::mouseClick(control<QPushButton>("cmdAdd"), Qt::LeftButton);
    expectMessage(QStringLiteral("Catagory name already in use."), QStringLiteral("Quorvel"),
                  Dialogs::Icon::Warning);
    QTest::mouseClick(control<QPushButton>("cmdAdd"), Qt::LeftButton);
    QCOMPARE(file(QStringLiteral("Probes_13_New.txt")), QString());
    QCOMPARE(tree()->currentItem(), node("Probes")->child(0));
    QCOMPARE(picture("New"), 16);
}

// An open category's picture still selects its own colour in the dialog.
void tst_frmCodeKeeper::editRecoloursACategory()
{
    openWindow();
    tree()->expandItem(node("Tools"));
    QString shownColour;
    queueCatDialog(QStringLiteral("Tools"), QStringLiteral("Purple"), &shownColour);
    treeCommand(QStringLiteral("Tools"), 0);
    QCOMPARE(shownColour, QStringLiteral("Red"));
    QCOMPARE(file(QStringLiteral("Tools_49_Probe.txt")),
             QStringLiteral("Tools_21_Probe.txt\r\nG01 X0\r\n"));
    QCOMPARE(picture("Tools"), 49);
}

void tst_frmCodeKeeper::deleteAsksWithNoAsDefault()
{
    openWindow();
    m_dialogs->queueAnswer(Dialogs::Answer::Yes);
    treeCommand(QStringLiteral("Probe"), 1);
    expectMessage(
        QStringLiteral("Deleting the only code file will also delete the catagory, continue?"),
        QStringLiteral("Code Keeper"), Dialogs::Icon::Critical);
    QCOMPARE(m_dialogs->messages().first().buttons, Dialogs::Buttons::YesNoCancel);
    QCOMPARE(m_dialogs->messages().first().defaultAnswer, Dialogs::Answer::No);
    QCOMPARE(file(QStringLiteral("Tools_21_Probe.txt")), QStringLiteral("(missing)"));
    QVERIFY(!node("Tools"));
}

void tst_frmCodeKeeper::newCodeOnAnExpandedCategory()
{
    openWindow();
    click(QStringLiteral("Macros"), Qt::RightButton);
    QVERIFY(!control<QAction>("mnuEditTree_3")->isEnabled());
    tree()->expandItem(node("Macros"));
    queueCatDialog(QStringLiteral("Retract"));
    treeCommand(QStringLiteral("Macros"), 3);
    QCOMPARE(file(QStringLiteral("Macros_05_Retract.txt")), QString());
    QCOMPARE(tree()->currentItem(), node("Retract"));
    QVERIFY(editor()->isEnabled());
}

void tst_frmCodeKeeper::editCommands()
{
    openWindow();
    QTest::keyClicks(editor(), QStringLiteral("G01"));
    const auto item = [this](int index) -> QAction* {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                editor()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(editor()->viewport(), &event);
        control<QMenu>("mnuEditTop")->hide();
        return control<QAction>(QStringLiteral("mnuEdit_%1").arg(index));
    };
    QVERIFY(item(0)->isEnabled());
    QVERIFY(!item(6)->isEnabled());
    QVERIFY(!control<QPushButton>("cmdCut")->isEnabled());
    item(7)->trigger();
    QVERIFY(item(2)->isEnabled());
    QTest::mouseClick(control<QPushButton>("cmdCut"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("cmdPaste"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("cmdPaste"), Qt::LeftButton);
    QCOMPARE(editor()->toPlainText(), QStringLiteral("G01G01"));
    item(7)->trigger();
    item(6)->trigger();
    QVERIFY(editor()->toPlainText().isEmpty());
    QVERIFY(!item(0)->isEnabled());
}

void tst_frmCodeKeeper::printsTheSelectionAsOneDocument()
{
    openWindow();
    editor()->insertPlainText(QStringLiteral("G01 X0\nG01 X1"));
    editor()->moveCursor(QTextCursor::Start);
    editor()->moveCursor(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    m_dialogs->queueModal([](QDialog* dialog) {
        dialog->findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(1);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdPrint")),
                          Qt::LeftButton);
        return dialog->result();
    });
    QTest::mouseClick(control<QPushButton>("cmdPrint"), Qt::LeftButton);
    QCOMPARE(m_printing->documents().size(), 1);
    const RecordedDocument& printed = m_printing->documents().first();
    QCOMPARE(printed.pages.size(), 2);
    for (const RecordedPage& page : printed.pages)
        QCOMPARE(page.texts(), QStringList{"G01 X0"});
}

void tst_frmCodeKeeper::textSurvivesSwitchingTools()
{
    TestSettings store;
    frmMain main(store.settings());
    main.show();
    main.findChild<QAction*>(QStringLiteral("CodeKeeper"))->trigger();
    auto* box = main.toolWindow(QStringLiteral("CodeKeeper"))->findChild<QPlainTextEdit*>();
    QTest::keyClicks(box, QStringLiteral("G01 X0"));
    main.findChild<QAction*>(QStringLiteral("Temperature"))->trigger();
    main.findChild<QAction*>(QStringLiteral("CodeKeeper"))->trigger();
    QVERIFY(box->isVisible());
    QCOMPARE(box->toPlainText(), QStringLiteral("G01 X0"));
}

QTEST_MAIN(tst_frmCodeKeeper)
#include "tst_frmCodeKeeper.moc"
