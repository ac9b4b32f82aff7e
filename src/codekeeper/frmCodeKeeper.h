#pragma once

#include "codekeeper/CodeFile.h"
#include "codekeeper/CodeStore.h"
#include "codekeeper/cTextBoxEdit.h"

#include <QIcon>
#include <QList>
#include <QWidget>

#include <array>

class QLabel;
class QMenu;
class QAction;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct CategoryDialogValues;

// Code Keeper's tool window: the library of stored part-program code. The store's
// categories and entries in a tree on the left, the open entry in an editor on the
// right, a draggable split between them. It lays itself out rather than standing on
// the calculator frame.
class frmCodeKeeper : public QWidget
{
    Q_OBJECT

public:
    // Over the store in CodeFolder().
    explicit frmCodeKeeper(QWidget* parent = nullptr);
    frmCodeKeeper(const QString& folder, QWidget* parent);
    ~frmCodeKeeper() override;

    // Turns wrapping at the box's width on or off.
    static void SetRichTextBoxWordWrap(QPlainTextEdit* box, bool wrap);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdPrint_Click();
    void cmdCut_Click();
    void cmdCopy_Click();
    void cmdPaste_Click();
    void cmdFontu_Click();
    void cmdFontd_Click();
    void cmdAdd_Click();
    void TreeView1_NodeClick(QTreeWidgetItem* node, QTreeWidgetItem* previous);
    void TreeView1_Expand(QTreeWidgetItem* node);
    void TreeView1_Collapse(QTreeWidgetItem* node);
    void txtEditor_Change();
    void txtEditor_SelChange();
    void txtEditor_MouseDown(const QPoint& position);
    void mnuEdit_Click(int index);
    void mnuEditTree_Click(int index);

private:
    void createControls();
    void createMenus();
    void Form_Load();
    void Form_Unload();
    // Unloads and loads the window again: the tree is built anew from the folder.
    void reload();
    void BuildCodeTree();
    void OpenCodeFile(const QString& fileName, int picture, const QString& key);
    // Writes the editor's text to CurrentFile. False when the write failed and the user
    // keeps the text in the editor: the window stays on its file.
    bool SaveCurrentFile();
    void LayoutPanes();
    void UpdateEditButtons();
    void enableEditor(bool enabled);
    void ShowCaretPosition();
    void setFontSize(double size);

    void editNode(QTreeWidgetItem* node);
    void deleteNode(QTreeWidgetItem* node);
    void newCode(QTreeWidgetItem* node);
    bool askCategoryDialog(CategoryDialogValues& values);
    // Shows a command's outcome; true when the store changed and the window must reload.
    bool reportStoreResult(StoreResult result, const QString& invalidName,
                           const QString& nameInUse);
    void showTreeError(const QString& text);

    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& text, const QString& key,
                             int picture, int colour);
    void setPicture(QTreeWidgetItem* node, int picture);
    static int pictureOf(const QTreeWidgetItem* node);
    static QString keyOf(const QTreeWidgetItem* node);
    static CodeEntry entryOf(const QTreeWidgetItem* node);
    // Selects the node and runs its click: the editor shows it.
    void openNode(QTreeWidgetItem* node);
    // The editor's text with every line break as '\n'.
    QString editorText() const;
    QWidget* messageParent();

    QWidget* Picture1;
    QPushButton* cmdPrint;
    QPushButton* cmdCut;
    QPushButton* cmdCopy;
    QPushButton* cmdPaste;
    QPushButton* cmdFontu;
    QPushButton* cmdFontd;
    QPushButton* cmdAdd;
    QLabel* lblcoord;
    QLabel* lblcoordp;
    QLabel* lblLen;
    QWidget* pbLeft;
    QTreeWidget* TreeView1;
    QWidget* pbRight;
    QPlainTextEdit* txtEditor;
    QMenu* mnuEditTop;
    std::array<QAction*, 8> mnuEdit{};
    QMenu* mnuEditTreeTop;
    std::array<QAction*, 4> mnuEditTree{};
    QList<QIcon> ImageList1;

    CodeStore m_store;
    QString CurrentFile;
    bool SkipSaveOnUnload = false;
    // The left pane's share of the width.
    float SplitRatio = 0.11f;
    bool m_dragging = false;
    cTextBoxEdit m_textBoxEdit;
    // The open file as read or last written, and the editor's text at that moment: an
    // editor that still shows it writes the file's own bytes back.
    CodeFile m_file;
    QString m_fileEditorText;
    bool m_buildingTree = false;
    bool m_unloading = false;
};
