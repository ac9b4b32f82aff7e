#pragma once

#include "import/ImportLayout.h"
#include "import/LayoutTemplate.h"

#include <QDialog>

#include <array>
#include <functional>

class modImport;
struct GridCell;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

// The import window: shows the CSV file ImportFileName() in a grid, lets the user
// mark where names, tolerances and readings lie (by dragging cells onto the block
// boxes or loading a template), and on "Process" fills and computes the study.
// It closes itself with accept() only when the study was imported and computed.
class frmImport : public QDialog, private LayoutTemplateTarget
{
    Q_OBJECT

public:
    // The limits are the texts of the study window's accept and unaccept lists.
    frmImport(const QString& acceptLimitText, const QString& unacceptLimitText,
              QWidget* parent = nullptr);

    static constexpr int visibleRows = 11;
    static constexpr int visibleColumns = 8;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void DataGrid1_Scroll();
    void cmbNumParts_Click();
    void cmbNumRuns_Click();
    void opt2_Click();
    void opt3_Click();
    void ckOrder_Click();
    void Check1_Click();
    void cmdLoad_Click();
    void cmdSave_Click();
    void cmdProcess_Click();

private:
    QWidget* createGridPanel();
    QGridLayout* createBlockBoxes();
    QGridLayout* createStudyChoices();
    QGridLayout* createTrialBoxes();
    void connectHandlers();
    void Form_Load();

    void txtSP_DragOver(int index);
    void txtSP_DragDrop(int index, const GridCell& cell);
    void ResetBlockColours();

    ImportLayout currentLayout() const;
    // Applies a change rule of the layout and shows the trial boxes it leaves.
    void editLayout(const std::function<void(ImportLayout&)>& change);
    QLineEdit* trialBox(int appraiser, int part) const;
    QString templateFolder() const;

    // Template lines go through the controls, so each runs its change handler.
    void chooseAppraisers(bool two) override;
    void setTrialsInOrder(bool inOrder) override;
    void chooseParts(int index) override;
    void chooseTrials(int index) override;
    void setRunInfoInUse(bool inUse) override;
    bool trialsInOrder() const override;
    bool runInfoInUse() const override;
    void setBlock(int block, const QString& text) override;
    void setTrialList(int appraiser, int part, const QString& text) override;

    QString m_acceptLimitText;
    QString m_unacceptLimitText;
    modImport* m_source = nullptr;

    QTableView* DataGrid1 = nullptr;
    std::array<QLabel*, visibleRows> lblRow{};
    std::array<QLabel*, visibleColumns> lblCol{};
    std::array<QLineEdit*, ImportLayout::blockCount> txtSP{};
    QCheckBox* Check1 = nullptr;
    QComboBox* cmbNumParts = nullptr;
    QComboBox* cmbNumRuns = nullptr;
    QRadioButton* opt2 = nullptr;
    QRadioButton* opt3 = nullptr;
    QCheckBox* ckOrder = nullptr;
    std::array<QLineEdit*, maxParts> txtAP1{};
    std::array<QLineEdit*, maxParts> txtAP2{};
    std::array<QLineEdit*, maxParts> txtAP3{};
    QPushButton* cmdLoad = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdProcess = nullptr;
};
