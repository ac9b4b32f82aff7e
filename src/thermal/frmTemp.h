#pragma once

#include "frame/CalculatorFrame.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class ResultBox;

// The temperature conversion and thermal expansion tool window. Both tools are
// silent: a box that does not hold a number leaves every result as it was.
class frmTemp : public CalculatorFrame
{
    Q_OBJECT

public:
    explicit frmTemp(QWidget* parent = nullptr);

private slots:
    void cmbMaterial_Click();
    void opttuc_Click();
    void opttuf_Click();
    void cmdXfer_Click();
    void cmdCEcalc_Click();
    void cmdCEclear_Click();
    void cmdTCConvert_Click();
    void cmdTCClear_Click();

private:
    void createConversionFrame(QWidget* page);
    void createExpansionFrame(QWidget* page);
    void connectHandlers();
    void Form_Load();
    void FillMaterialList();

    QTabWidget* SSTab1 = nullptr;

    QRadioButton* optFTC = nullptr;
    QRadioButton* optCTF = nullptr;
    QLineEdit* txtTemp = nullptr;
    ResultBox* lblConResult = nullptr;
    QPushButton* cmdTCConvert = nullptr;
    QPushButton* cmdTCClear = nullptr;

    QComboBox* cmbMaterial = nullptr;
    ResultBox* txtMat = nullptr;
    QToolButton* cmdXfer = nullptr;
    QLineEdit* txtCOE = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* txtTempChange = nullptr;
    QLineEdit* txtDistance = nullptr;
    QRadioButton* optmumm = nullptr;
    QRadioButton* optmuin = nullptr;
    QRadioButton* opttuf = nullptr;
    QRadioButton* opttuc = nullptr;
    ResultBox* lblExp = nullptr;
    ResultBox* lblNew = nullptr;
    QPushButton* cmdCEcalc = nullptr;
    QPushButton* cmdCEclear = nullptr;
};
