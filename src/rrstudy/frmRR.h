#pragma once

#include "frame/CalculatorFrame.h"

#include <QIcon>
#include <QList>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTreeWidget;
class QTreeWidgetItem;
class SheetView;
class frmRRCharts;
struct LimitTexts;
struct SheetChoice;

// The Gage R&R study's tool window: imports a study, sets the two verdict limits,
// recalculates, browses the features in a tree grouped by verdict, shows the summary
// or a feature's data sheet and prints them. The study itself lives in theStudy().
class frmRR : public CalculatorFrame
{
    Q_OBJECT

public:
    explicit frmRR(QWidget* parent = nullptr);

private slots:
    void cmbAccept_Click();
    void cmbUnaccept_Click();
    void ckIn_Click();
    void ckOut_Click();
    void ckSummary_Click();
    void ckSelectedOnly_Click();
    void cmdImport_Click();
    void cmdRecalc_Click();
    void cmdRRinfo_Click();
    void cmdPrint_Click();
    void TreeView1_NodeClick(QTreeWidgetItem* node);
    void TreeView1_Expand(QTreeWidgetItem* node);
    void TreeView1_Collapse(QTreeWidgetItem* node);
    void vspicrr_Change(int value);
    // Opens the charts and ANOVA of the selected feature (the tree's context menu, a
    // double-click or Enter on a feature node).
    void showChartsAndAnova();

private:
    void createControls();
    void Form_Load();
    void EnableStudyControls(int enabled);
    void BuildFeatureTree();
    // Makes the tree's column as wide as its longest node.
    void fitTreeColumn(const QList<QTreeWidgetItem*>& groupNodes);
    void SetDisplayScroll();
    void SyncToleranceLimits();
    void PrintSummarySheetOnScreen();
    void PrintDataSheetOnScreen(int feature);
    void clearTreeAndSheet();
    void uncheckSelectedOnlyIfChecked(QCheckBox* box);
    // The picture at `position` (from 1) of ImageList1.
    QIcon treePicture(int position) const;
    LimitTexts limitTexts() const;
    QString selectedKey() const;
    SheetChoice sheetChoice() const;

    QLabel* Label5;
    QLabel* Label4;
    QTreeWidget* TreeView1;
    QList<QIcon> ImageList1;
    QFrame* picRR;
    SheetView* pic2;
    QScrollBar* vspicrr;
    QGroupBox* Frame4;
    QLabel* Label1;
    QComboBox* cmbAccept;
    QLabel* Label2;
    QLabel* lblCaution;
    QLabel* Label3;
    QComboBox* cmbUnaccept;
    QGroupBox* Frame3;
    QPushButton* cmdImport;
    QPushButton* cmdRecalc;
    QGroupBox* Frame2;
    QCheckBox* ckIn;
    QCheckBox* ckOut;
    QCheckBox* ckSummary;
    QCheckBox* ckSelectedOnly;
    QPushButton* cmdPrint;
    QPushButton* cmdRRinfo;

    QAction* actChartsAndAnova;
    frmRRCharts* m_chartWindow = nullptr;  // made at its first opening
};
