#include "codekeeper/frmCodeKeeper.h"

#include "codekeeper/CodeFolder.h"
#include "codekeeper/CodePictures.h"
#include "codekeeper/CodePrinting.h"
#include "codekeeper/frmCat.h"
#include "common/Dialogs.h"
#include "common/Twips.h"
#include "frame/PlaceControl.h"
#include "printing/PrinterChoice.h"
#include "printing/Printing.h"
#include "printing/frmPrinter.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr int keyRole = Qt::UserRole;
constexpr int pictureRole = Qt::UserRole + 1;
constexpr int colourRole = Qt::UserRole + 2;

const QString workingKey = QStringLiteral(" Working");
constexpr int workingPicture = 7;

// Twips: the top strip's height, the split bar's width, a pane's least width.
constexpr double stripHeight = 510;
constexpr double splitBarWidth = 60;
constexpr double leastPaneWidth = 400;

constexpr double smallestFontSize = 6;
constexpr double largestFontSize = 72;
constexpr double fontSizeStep = 2;

const QString warningTitle = QStringLiteral("Quorvel Warning");

// The editor's and a selection's line breaks (paragraph and line separators) as '\n'.
QString withPlainLineBreaks(QString text)
{
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

// Puts the control alone into its pane, filling it.
void fillPane(QWidget* pane, QWidget* control)
{
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control);
}

} // namespace

frmCodeKeeper::frmCodeKeeper(QWidget* parent) : frmCodeKeeper(CodeFolder(), parent) {}

frmCodeKeeper::frmCodeKeeper(const QString& folder, QWidget* parent)
    : QWidget(parent), m_store(folder)
{
    setObjectName(QStringLiteral("frmCodeKeeper"));
    setWindowTitle(QStringLiteral("Code Keeper"));
    ImageList1 = loadCodePictures();
    createControls();
    createMenus();

    connect(cmdPrint, &QPushButton::clicked, this, &frmCodeKeeper::cmdPrint_Click);
    connect(cmdCut, &QPushButton::clicked, this, &frmCodeKeeper::cmdCut_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmCodeKeeper::cmdCopy_Click);
    connect(cmdPaste, &QPushButton::clicked, this, &frmCodeKeeper::cmdPaste_Click);
    connect(cmdFontu, &QPushButton::clicked, this, &frmCodeKeeper::cmdFontu_Click);
    connect(cmdFontd, &QPushButton::clicked, this, &frmCodeKeeper::cmdFontd_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmCodeKeeper::cmdAdd_Click);
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &frmCodeKeeper::TreeView1_NodeClick);
    connect(TreeView1, &QTreeWidget::itemExpanded, this, &frmCodeKeeper::TreeView1_Expand);
    connect(TreeView1, &QTreeWidget::itemCollapsed, this, &frmCodeKeeper::TreeView1_Collapse);
    TreeView1->viewport()->installEventFilter(this);
    connect(txtEditor, &QPlainTextEdit::textChanged, this, &frmCodeKeeper::txtEditor_Change);
    connect(txtEditor, &QPlainTextEdit::cursorPositionChanged, this,
            &frmCodeKeeper::txtEditor_SelChange);
    connect(txtEditor, &QPlainTextEdit::selectionChanged, this,
            &frmCodeKeeper::txtEditor_SelChange);
    connect(txtEditor, &QWidget::customContextMenuRequested, this,
            &frmCodeKeeper::txtEditor_MouseDown);
    // Paste follows what the clipboard holds, whichever program put it there.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &frmCodeKeeper::UpdateEditButtons);

    Form_Load();
}

frmCodeKeeper::~frmCodeKeeper()
{
    m_unloading = true;
    Form_Unload();
}

void frmCodeKeeper::createControls()
{
    // The split bar is the window's own surface between the panes: the strip and the
    // panes keep their presses to themselves.
    setCursor(Qt::SplitHCursor);

    Picture1 = placeControl<QWidget>(this, "Picture1", 0, 0, 0, stripHeight);
    Picture1->setCursor(Qt::ArrowCursor);
    Picture1->setAttribute(Qt::WA_NoMousePropagation);
    cmdPrint =
        placeControl<QPushButton>(Picture1, "cmdPrint", 60, 60, 900, 390, QStringLiteral("Print"));
    const auto pictureButton = [this](const char* name, double left, const char* picture,
                                      const char* tip) {
        auto* button = placeControl<QPushButton>(Picture1, name, left, 60, 435, 390);
        button->setIcon(
            QIcon(QStringLiteral(":/codekeeper/pictures/%1.svg").arg(QLatin1String(picture))));
        button->setToolTip(QLatin1String(tip));
        return button;
    };
    cmdCut = pictureButton("cmdCut", 1080, "cut", "Cut");
    cmdCopy = pictureButton("cmdCopy", 1545, "copy", "Copy");
    cmdPaste = pictureButton("cmdPaste", 2010, "paste", "Paste");
    cmdFontu = pictureButton("cmdFontu", 2595, "font-up", "Increase Font Size");
    cmdFontd = pictureButton("cmdFontd", 3060, "font-down", "Decrease Font Size");
    cmdAdd = placeControl<QPushButton>(Picture1, "cmdAdd", 3645, 60, 1500, 390,
                                       QStringLiteral("Add Catagory"));
    const auto statusLabel = [this](const char* name, double left, const char* text,
                                    const char* tip) {
        auto* label =
            placeControl<QLabel>(Picture1, name, left, 90, 1230, 330, QLatin1String(text));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setIndent(4);
        label->setToolTip(QLatin1String(tip));
        return label;
    };
    lblcoord = statusLabel("lblcoord", 5340, "Line: 1", "Current Line");
    lblcoordp = statusLabel("lblcoordp", 6630, "Pos: 1", "Current Insert Position");
    lblLen = statusLabel("lblLen", 7920, "Sel: 0", "Length of Selected Text");

    pbLeft = placeControl<QWidget>(this, "pbLeft", 0, stripHeight, 0, 0);
    pbLeft->setCursor(Qt::ArrowCursor);
    pbLeft->setAttribute(Qt::WA_NoMousePropagation);
    TreeView1 = new QTreeWidget;
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    TreeView1->setUniformRowHeights(true);
    TreeView1->setTextElideMode(Qt::ElideNone);
    TreeView1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TreeView1->header()->setStretchLastSection(false);
    fillPane(pbLeft, TreeView1);

    pbRight = placeControl<QWidget>(this, "pbRight", 0, stripHeight, 0, 0);
    pbRight->setCursor(Qt::ArrowCursor);
    pbRight->setAttribute(Qt::WA_NoMousePropagation);
    txtEditor = new QPlainTextEdit;
    txtEditor->setObjectName(QStringLiteral("txtEditor"));
    QFont editorFont(QStringLiteral("Courier New"), 10);
    editorFont.setStyleHint(QFont::TypeWriter);
    txtEditor->setFont(editorFont);
    txtEditor->setTabStopDistance(8 *
                                  QFontMetricsF(editorFont).horizontalAdvance(QLatin1Char(' ')));
    txtEditor->setContextMenuPolicy(Qt::CustomContextMenu);
    fillPane(pbRight, txtEditor);
}

void frmCodeKeeper::createMenus()
{
    mnuEditTop = new QMenu(QStringLiteral("&Edit"), this);
    mnuEditTop->setObjectName(QStringLiteral("mnuEditTop"));
    const std::array<std::pair<const char*, QKeySequence>, 8> editItems{{
        {"&Undo", QKeySequence(QKeySequence::Undo)},
        {"-", {}},
        {"Cu&t", QKeySequence(QKeySequence::Cut)},
        {"&Copy", QKeySequence(QKeySequence::Copy)},
        {"&Paste", QKeySequence(QKeySequence::Paste)},
        {"-", {}},
        {"&Delete", QKeySequence(Qt::Key_Delete)},
        {"&Select All", {}},
    }};
    // The editor handles the keys itself; the menu shows them.
    for (int index = 0; index < int(editItems.size()); ++index) {
        const auto& [caption, keys] = editItems[index];
        QAction* item = qstrcmp(caption, "-") == 0 ? mnuEditTop->addSeparator()
                                                   : mnuEditTop->addAction(QLatin1String(caption));
        item->setObjectName(QStringLiteral("mnuEdit_%1").arg(index));
        item->setShortcut(keys);
        item->setShortcutContext(Qt::WidgetShortcut);
        connect(item, &QAction::triggered, this, [this, index] { mnuEdit_Click(index); });
        mnuEdit[index] = item;
    }

    mnuEditTreeTop = new QMenu(QStringLiteral("&Edit Tree"), this);
    mnuEditTreeTop->setObjectName(QStringLiteral("mnuEditTreeTop"));
    const std::array<const char*, 4> treeItems{"&Edit", "&Delete", "-", "&New Code"};
    for (int index = 0; index < int(treeItems.size()); ++index) {
        QAction* item = qstrcmp(treeItems[index], "-") == 0
                            ? mnuEditTreeTop->addSeparator()
                            : mnuEditTreeTop->addAction(QLatin1String(treeItems[index]));
        item->setObjectName(QStringLiteral("mnuEditTree_%1").arg(index));
        connect(item, &QAction::triggered, this, [this, index] { mnuEditTree_Click(index); });
        mnuEditTree[index] = item;
    }
}

void frmCodeKeeper::Form_Load()
{
    SkipSaveOnUnload = false;
    SetRichTextBoxWordWrap(txtEditor, false);
    enableEditor(true);
    m_textBoxEdit.setTextBox(txtEditor);
    UpdateEditButtons();
    BuildCodeTree();
}

void frmCodeKeeper::Form_Unload()
{
    if (!SkipSaveOnUnload)
        SaveCurrentFile();
}

void frmCodeKeeper::reload()
{
    Form_Unload();
    Form_Load();
}

void frmCodeKeeper::SetRichTextBoxWordWrap(QPlainTextEdit* box, bool wrap)
{
    box->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

QTreeWidgetItem* frmCodeKeeper::addNode(QTreeWidgetItem* parent, const QString& text,
                                        const QString& key, int picture, int colour)
{
    auto* node = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem({text});
    node->setData(0, keyRole, key);
    node->setData(0, colourRole, colour);
    setPicture(node, picture);
    return node;
}

void frmCodeKeeper::setPicture(QTreeWidgetItem* node, int picture)
{
    node->setData(0, pictureRole, picture);
    node->setIcon(0, picture >= 1 && picture <= ImageList1.size() ? ImageList1.at(picture - 1)
                                                                  : QIcon());
}

int frmCodeKeeper::pictureOf(const QTreeWidgetItem* node)
{
    return node->data(0, pictureRole).toInt();
}

QString frmCodeKeeper::keyOf(const QTreeWidgetItem* node)
{
    return node->data(0, keyRole).toString();
}

CodeEntry frmCodeKeeper::entryOf(const QTreeWidgetItem* node)
{
    return {node->parent()->text(0), node->text(0), node->data(0, colourRole).toInt(), keyOf(node)};
}

void frmCodeKeeper::BuildCodeTree()
{
    m_buildingTree = true;
    TreeView1->clear();
    QTreeWidgetItem* working = addNode(nullptr, workingKey, workingKey, workingPicture, 0);
    TreeView1->addTopLevelItem(working);
    OpenCodeFile(workingFileName, workingPicture, workingKey);

    const CodeListing listing = m_store.listing();
    QList<QTreeWidgetItem*> categories;
    for (const CodeCategory& category : listing.categories) {
        QTreeWidgetItem* node =
            addNode(nullptr, category.name, category.name, category.colour, category.colour);
        for (const CodeEntry& entry : category.entries)
            addNode(node, entry.name, entry.fileName, entry.colour + 3, entry.colour);
        categories.append(node);
    }
    TreeView1->addTopLevelItems(categories);
    TreeView1->setCurrentItem(working);
    m_buildingTree = false;
    if (!listing.complete)
        showTreeError(QStringLiteral("An error has occured while loading the code tree"));
}

void frmCodeKeeper::OpenCodeFile(const QString& fileName, int picture, const QString& key)
{
    if (key == workingKey)
        setPicture(TreeView1->topLevelItem(0), picture + 1);
    const QString path = m_store.filePath(fileName);
    txtEditor->clear();
    CodeFile file;
    std::optional<AppError> error = createCodeFile(path);
    if (!error)
        error = readCodeFile(path, file);
    if (error) {
        dialogs().message(messageParent(), error->message(QStringLiteral("File access error  ")),
                          applicationTitle(), Dialogs::Icon::Warning);
        CurrentFile.clear();
        // Nothing typed could be kept: no file stands behind the editor.
        enableEditor(false);
        return;
    }
    m_file = file;
    txtEditor->setPlainText(m_file.text());
    m_fileEditorText = editorText();
    CurrentFile = path;
}

bool frmCodeKeeper::SaveCurrentFile()
{
    if (CurrentFile.isEmpty())
        return true;
    const QString text = editorText();
    const QByteArray bytes = m_file.bytesFor(text == m_fileEditorText ? m_file.text() : text);
    // Nothing to write: the file keeps its time, and a change made to it outside the
    // program while it lay here unedited is kept.
    if (bytes == m_file.bytes())
        return true;
    if (const std::optional<AppError> error = writeCodeFile(CurrentFile, bytes)) {
        const QString message = error->message(QStringLiteral("File access error  "));
        // Going away, the window can only tell; otherwise the user may stay with the text.
        if (m_unloading) {
            dialogs().message(nullptr, message, applicationTitle(), Dialogs::Icon::Warning);
        } else {
            const QString question =
                QStringLiteral("%1\n\n%2 could not be saved; your changes are still in the editor. "
                               "Leave them unsaved?")
                    .arg(message, QFileInfo(CurrentFile).fileName());
            if (dialogs().ask(this, question, applicationTitle(), Dialogs::Icon::Warning,
                              Dialogs::Buttons::YesNo, Dialogs::Answer::No) != Dialogs::Answer::Yes)
                return false;
        }
        CurrentFile.clear();
        return true;
    }
    m_file = CodeFile(bytes);
    m_fileEditorText = text;
    return true;
}

QString frmCodeKeeper::editorText() const
{
    return withPlainLineBreaks(txtEditor->document()->toRawText());
}

QWidget* frmCodeKeeper::messageParent()
{
    return m_unloading ? nullptr : this;
}

void frmCodeKeeper::showTreeError(const QString& text)
{
    dialogs().message(messageParent(), text, warningTitle, Dialogs::Icon::Critical);
}

void frmCodeKeeper::openNode(QTreeWidgetItem* node)
{
    TreeView1->scrollToItem(node);
    TreeView1->setCurrentItem(node);
    TreeView1->setFocus();
}

void frmCodeKeeper::TreeView1_NodeClick(QTreeWidgetItem* node, QTreeWidgetItem* previous)
{
    if (m_buildingTree || !node)
        return;
    if (!SaveCurrentFile()) {
        // The text that could not be saved stays in the editor, under its own node.
        const QSignalBlocker quiet(TreeView1);
        TreeView1->setCurrentItem(previous);
        return;
    }
    if (node->childCount() > 0) {
        CurrentFile.clear();
        txtEditor->clear();
        enableEditor(false);
        return;
    }
    enableEditor(true);
    if (keyOf(node) == workingKey)
        OpenCodeFile(workingFileName, workingPicture, workingKey);
    else
        OpenCodeFile(keyOf(node), pictureOf(node->parent()), keyOf(node));
}

// Switching to the tool puts the focus in the editor, or in the tree while a category
// is chosen and the editor is closed.
void frmCodeKeeper::enableEditor(bool enabled)
{
    txtEditor->setEnabled(enabled);
    setFocusProxy(enabled ? static_cast<QWidget*>(txtEditor) : TreeView1);
}

// Only a node with children opens and closes; expandAll() reports the leaves too.
void frmCodeKeeper::TreeView1_Expand(QTreeWidgetItem* node)
{
    if (node->childCount() > 0)
        setPicture(node, pictureOf(node) + 1);
}

void frmCodeKeeper::TreeView1_Collapse(QTreeWidgetItem* node)
{
    if (node->childCount() > 0)
        setPicture(node, pictureOf(node) - 1);
}

bool frmCodeKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TreeView1->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        // A press on a node's picture or text, not on its expander.
        const QPoint position = press->position().toPoint();
        QTreeWidgetItem* node = TreeView1->itemAt(position);
        if (node && TreeView1->visualItemRect(node).contains(position)) {
            TreeView1->setCurrentItem(node);
            // The open text could not be saved and stays: the press selects nothing.
            if (TreeView1->currentItem() != node)
                return true;
            if (press->button() == Qt::RightButton && keyOf(node) != workingKey) {
                mnuEditTree[3]->setEnabled(node->isExpanded());
                mnuEditTreeTop->popup(press->globalPosition().toPoint());
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmCodeKeeper::mnuEditTree_Click(int index)
{
    if (!SaveCurrentFile())
        return;
    QTreeWidgetItem* node = TreeView1->currentItem();
    if (!node || keyOf(node) == workingKey)
        return;
    switch (index) {
    case 0:
        editNode(node);
        break;
    case 1:
        deleteNode(node);
        break;
    case 3:
        newCode(node);
        break;
    default:
        break;
    }
}

bool frmCodeKeeper::askCategoryDialog(CategoryDialogValues& values)
{
    frmCat dialog(values, ImageList1, this);
    dialogs().exec(&dialog);
    return values.DialogAccepted;
}

bool frmCodeKeeper::reportStoreResult(StoreResult result, const QString& invalidName,
                                      const QString& nameInUse)
{
    switch (result) {
    case StoreResult::Done:
        return true;
    case StoreResult::NothingToDo:
        return false;
    case StoreResult::InvalidName:
        if (!invalidName.isEmpty())
            dialogs().message(this, invalidName, applicationTitle(), Dialogs::Icon::Warning);
        return false;
    case StoreResult::CategoryInUse:
    case StoreResult::FileInUse:
        dialogs().message(this, nameInUse, applicationTitle(), Dialogs::Icon::Warning);
        return false;
    case StoreResult::StillHere:
        dialogs().message(this, QStringLiteral("Still Here"), applicationTitle(),
                          Dialogs::Icon::Warning);
        return true;
    case StoreResult::Failed:
        // The folder may have changed before the failure: the tree shows it as it is.
        showTreeError(QStringLiteral("An error has occured while editing the code tree"));
        return true;
    }
    return false;
}

void frmCodeKeeper::editNode(QTreeWidgetItem* node)
{
    const bool category = !node->parent();
    CategoryDialogValues values;
    values.DialogEditMode = true;
    values.DialogKind = category ? QStringLiteral("Parent") : QStringLiteral("Child");
    values.DialogName = node->text(0);
    values.DialogColour = pictureOf(node);
    if (!askCategoryDialog(values))
        return;
    const QString invalid = QStringLiteral("New name is invalid.");
    const StoreResult result =
        category ? m_store.renameCategory(node->text(0), node->data(0, colourRole).toInt(),
                                          values.DialogName, values.DialogColour)
                 : m_store.renameEntry(entryOf(node), values.DialogName);
    const QString inUse =
        category ? QStringLiteral("Catagory name in use.") : QStringLiteral("File name in use.");
    if (!reportStoreResult(result, invalid, inUse))
        return;
    SkipSaveOnUnload = true;
    reload();
}

void frmCodeKeeper::deleteNode(QTreeWidgetItem* node)
{
    const bool category = !node->parent();
    const QString question =
        category ? QStringLiteral("Are you sure you wish to delete catagory and all related files?")
        : node->parent()->childCount() == 1
            ? QStringLiteral("Deleting the only code file will also delete the catagory, continue?")
            : QStringLiteral("Are you sure you wish to delete this item?");
    if (dialogs().ask(this, question, windowTitle(), Dialogs::Icon::Critical,
                      Dialogs::Buttons::YesNoCancel, Dialogs::Answer::No) != Dialogs::Answer::Yes)
        return;
    const StoreResult result =
        category ? m_store.deleteCategory(node->text(0)) : m_store.deleteEntry(entryOf(node));
    reportStoreResult(result, {}, {});
    SkipSaveOnUnload = true;
    reload();
}

void frmCodeKeeper::newCode(QTreeWidgetItem* node)
{
    if (node->parent() || !node->isExpanded())
        return;
    const QString category = node->text(0);
    const int colour = node->data(0, colourRole).toInt();
    CategoryDialogValues values;
    values.DialogEditMode = true;
    values.DialogKind = QStringLiteral("Child");
    values.DialogColour = pictureOf(node);
    if (!askCategoryDialog(values))
        return;
    const StoreResult result = m_store.newEntry(category, colour, values.DialogName);
    if (!reportStoreResult(result, {}, QStringLiteral("File name in use.")))
        return;
    reload();
    const QString fileName = CodeFileName(category, colour, values.DialogName);
    for (QTreeWidgetItemIterator node(TreeView1); *node; ++node)
        if ((*node)->parent() && keyOf(*node) == fileName)
            openNode(*node);
}

void frmCodeKeeper::cmdAdd_Click()
{
    CategoryDialogValues values;
    if (!askCategoryDialog(values))
        return;
    const StoreResult result = m_store.addCategory(values.DialogName, values.DialogColour);
    if (result == StoreResult::Failed) {
        dialogs().message(this, QStringLiteral("An error has occured while adding this category"),
                          warningTitle, Dialogs::Icon::Critical);
        return;
    }
    if (!reportStoreResult(result, QStringLiteral("Catagory name invalid. (A - Z) (0 - 9)"),
                           QStringLiteral("Catagory name already in use.")))
        return;
    const int colour = values.DialogColour;
    QTreeWidgetItem* category =
        addNode(nullptr, values.DialogName, values.DialogName, colour, colour);
    TreeView1->addTopLevelItem(category);
    openNode(addNode(category, QStringLiteral("New"),
                     CodeFileName(values.DialogName, colour, QStringLiteral("New")), colour + 3,
                     colour));
}

void frmCodeKeeper::txtEditor_Change()
{
    UpdateEditButtons();
}

void frmCodeKeeper::txtEditor_SelChange()
{
    ShowCaretPosition();
    UpdateEditButtons();
}

void frmCodeKeeper::UpdateEditButtons()
{
    cmdCut->setEnabled(m_textBoxEdit.CanCut());
    cmdCopy->setEnabled(m_textBoxEdit.CanCopy());
    cmdPaste->setEnabled(m_textBoxEdit.CanPaste());
}

void frmCodeKeeper::ShowCaretPosition()
{
    const QTextCursor cursor = txtEditor->textCursor();
    const int start = cursor.selectionStart();
    const QTextBlock line = txtEditor->document()->findBlock(start);
    lblcoord->setText(QStringLiteral("Line: %1").arg(line.blockNumber() + 1));
    lblcoordp->setText(QStringLiteral("Pos: %1").arg(start - line.position() + 1));
    lblLen->setText(QStringLiteral("Sel: %1").arg(cursor.selectionEnd() - start));
}

void frmCodeKeeper::txtEditor_MouseDown(const QPoint& position)
{
    mnuEdit[0]->setEnabled(m_textBoxEdit.CanUndo());
    mnuEdit[2]->setEnabled(m_textBoxEdit.CanCut());
    mnuEdit[3]->setEnabled(m_textBoxEdit.CanCopy());
    mnuEdit[4]->setEnabled(m_textBoxEdit.CanPaste());
    mnuEdit[6]->setEnabled(m_textBoxEdit.CanCut());
    mnuEditTop->popup(txtEditor->viewport()->mapToGlobal(position));
}

void frmCodeKeeper::mnuEdit_Click(int index)
{
    switch (index) {
    case 0:
        m_textBoxEdit.Undo();
        break;
    case 2:
        m_textBoxEdit.Cut();
        break;
    case 3:
        m_textBoxEdit.Copy();
        break;
    case 4:
        m_textBoxEdit.Paste();
        break;
    case 6:
        m_textBoxEdit.Delete();
        break;
    case 7:
        txtEditor->selectAll();
        break;
    default:
        break;
    }
}

void frmCodeKeeper::cmdCut_Click()
{
    m_textBoxEdit.Cut();
}

void frmCodeKeeper::cmdCopy_Click()
{
    m_textBoxEdit.Copy();
}

void frmCodeKeeper::cmdPaste_Click()
{
    m_textBoxEdit.Paste();
}

void frmCodeKeeper::setFontSize(double size)
{
    QFont font = txtEditor->font();
    font.setPointSizeF(size);
    txtEditor->setFont(font);
    txtEditor->setTabStopDistance(8 * QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')));
}

void frmCodeKeeper::cmdFontu_Click()
{
    const double size = txtEditor->font().pointSizeF() + fontSizeStep;
    setFontSize(size > largestFontSize ? largestFontSize : size);
}

void frmCodeKeeper::cmdFontd_Click()
{
    const double size = txtEditor->font().pointSizeF() - fontSizeStep;
    setFontSize(size < smallestFontSize ? smallestFontSize : size);
}

void frmCodeKeeper::cmdPrint_Click()
{
    frmPrinter dialog(this);
    dialogs().exec(&dialog);
    if (!printerChoice().PrintConfirmed)
        return;
    const QTextCursor cursor = txtEditor->textCursor();
    const QString text =
        cursor.hasSelection() ? withPlainLineBreaks(cursor.selectedText()) : editorText();
    const QString name =
        CurrentFile.isEmpty() ? windowTitle() : QFileInfo(CurrentFile).completeBaseName();
    if (std::unique_ptr<PrintTarget> target = printing().openTarget(this, name, 1))
        PrintCodeText(*target, text, txtEditor->font(), printerChoice().PrintCopies);
}

void frmCodeKeeper::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Picture1->resize(width(), Picture1->height());
    LayoutPanes();
}

void frmCodeKeeper::LayoutPanes()
{
    const double width = Twips::fromPixels(this->width());
    const double innerHeight = Twips::fromPixels(height());
    const double top = Twips::fromPixels(Picture1->height());
    const double paneHeight = innerHeight - top;
    if (innerHeight / 5 >= paneHeight || window()->isMinimized())
        return;
    // The left pane stops at the middle: a ratio dragged past it still lays the panes
    // out when the window is resized later.
    double left = std::min((width - splitBarWidth) * SplitRatio, width / 2);
    if (left < leastPaneWidth)
        left = leastPaneWidth;
    pbLeft->setGeometry(Twips::rect(0, top, left, paneHeight));
    const double right = width - splitBarWidth - left;
    if (right < leastPaneWidth)
        return;
    pbRight->setGeometry(Twips::rect(left + splitBarWidth, top, right, paneHeight));
}

void frmCodeKeeper::mousePressEvent(QMouseEvent* event)
{
    m_dragging = true;
    QWidget::mousePressEvent(event);
}

void frmCodeKeeper::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && width() > 0) {
        SplitRatio = qBound(0.0f, float(event->position().x() / width()), 1.0f);
        LayoutPanes();
    }
    QWidget::mouseMoveEvent(event);
}

void frmCodeKeeper::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}
