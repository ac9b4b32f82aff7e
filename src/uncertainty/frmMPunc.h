#pragma once

#include "frame/CalculatorFrame.h"
#include "uncertainty/MachineAccuracy.h"
#include "uncertainty/PartTolerance.h"

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class ResultBox;

// The machine and part uncertainty tool window: on one tab the machine accuracy a part
// tolerance needs, on the other the part tolerance a machine can check. Every
// calculation is silent: it writes its results or leaves the window as it was.
class frmMPunc : public CalculatorFrame
{
    Q_OBJECT

public:
    explicit frmMPunc(QWidget* parent = nullptr);

private slots:
    void cmd3cmmCalc_Click();
    void cmd3cmmCalcclear_Click();
    void cmd3pCalc_Click();
    void cmd3pCalcclear_Click();
    void optin_Click();
    void optmm_Click();

    void cmd4calc_Click();
    void cmd4calcclear_Click();
    void cmdmdist_Click();
    void cmdmdia_Click();
    void cmdmpt_Click();
    void cmdmdt_Click();
    void cmd4FT_Click();
    void cmd4FTclear_Click();
    void optISO_Click();
    void optVDI_Click();
    void optB89_Click();
    void optR_Click();
    void optV3_Click();
    void optB89pp_Click();
    void opt4in_Click();
    void opt4mm_Click();

private:
    using Fields = std::array<QLineEdit*, UncertaintyLengths::fieldCount>;

    void createAccuracyTab(QWidget* page);
    void createToleranceTab(QWidget* page);
    void connectHandlers();
    void Form_Load();
    void updateFirstInput();

    UncertaintyLengths::Unit accuracyUnit() const;
    UncertaintyLengths::Unit toleranceUnit() const;
    PartTolerance::Convention convention() const;
    void recalculate(PartTolerance::Recalculation from);
    void setMachineBoxes(bool iso, bool lValue, bool vdi, bool volumetric, bool ballbar);
    void setProbingBoxes(bool isoR, bool vdiV3, bool pointToPoint);

    MachineAccuracy m_accuracy;
    PartTolerance m_tolerance;
    // Each tab's fields in load order.
    Fields m_accuracyFields{};
    Fields m_toleranceFields{};

    QTabWidget* SSTab1 = nullptr;

    QLineEdit* txtpt = nullptr;
    QLineEdit* txtpd = nullptr;
    QLineEdit* txtd = nullptr;
    QLineEdit* txtdtol = nullptr;
    QComboBox* cmbper = nullptr;
    QLineEdit* txtl = nullptr;
    QLineEdit* txtbbl = nullptr;
    ResultBox* lble = nullptr;
    ResultBox* lblu3 = nullptr;
    ResultBox* lblvol = nullptr;
    QLineEdit* txtppt = nullptr;
    ResultBox* lbliso = nullptr;
    ResultBox* lblvdi = nullptr;
    ResultBox* lblb89 = nullptr;
    QRadioButton* optmm = nullptr;
    QRadioButton* optin = nullptr;
    QPushButton* cmd3cmmCalc = nullptr;
    QPushButton* cmd3cmmCalcclear = nullptr;
    QPushButton* cmd3pCalc = nullptr;
    QPushButton* cmd3pCalcclear = nullptr;

    QRadioButton* optISO = nullptr;
    QRadioButton* optVDI = nullptr;
    QRadioButton* optB89 = nullptr;
    QLineEdit* txt4ISO = nullptr;
    QLineEdit* txt4L = nullptr;
    QLineEdit* txt4U3 = nullptr;
    QLineEdit* txt4Vol = nullptr;
    QLineEdit* txt4bbl = nullptr;
    QComboBox* cmb4 = nullptr;
    QLineEdit* txt4dist = nullptr;
    QLineEdit* txt4PT = nullptr;
    QLineEdit* txt4Dia = nullptr;
    QLineEdit* txt4DT = nullptr;
    QPushButton* cmdmdist = nullptr;
    QPushButton* cmdmpt = nullptr;
    QPushButton* cmdmdia = nullptr;
    QPushButton* cmdmdt = nullptr;
    QRadioButton* optR = nullptr;
    QRadioButton* optV3 = nullptr;
    QRadioButton* optB89pp = nullptr;
    QLineEdit* txt4R = nullptr;
    QLineEdit* txt4V3 = nullptr;
    QLineEdit* txt4B89pp = nullptr;
    ResultBox* lbl4FT = nullptr;
    QRadioButton* opt4mm = nullptr;
    QRadioButton* opt4in = nullptr;
    QPushButton* cmd4calc = nullptr;
    QPushButton* cmd4calcclear = nullptr;
    QPushButton* cmd4FT = nullptr;
    QPushButton* cmd4FTclear = nullptr;
};
