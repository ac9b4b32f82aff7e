#pragma once

#include "frame/CalculatorFrame.h"
#include "frame/PlaceControl.h"
#include "reference/ClockFace.h"

#include <array>
#include <initializer_list>

class PictureBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class SymbolPicture;

// The reference tool window, three tabs: a picture catalogue of the GD&T symbols; angle
// conversion between degrees-minutes-seconds, clock time and decimal degrees, swept out
// on a clock face, with the angle of an error over a distance; and inch/millimetre
// conversion with a drawing that compares common measuring resolutions. The calculators
// are silent: an entry they cannot use leaves the results as they were.
class frmRef : public CalculatorFrame
{
    Q_OBJECT

public:
    explicit frmRef(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmbGDT_Click();
    void Image1_Click(int index);
    void lbl37_Click();

    void optDMS_Click();
    void optCA_Click();
    void optDD_Click();
    void cmdDegCalc_Click();
    void cmdDegClear_Click();
    void cmdAEcalc_Click();
    void cmdAEclear_Click();
    void Timer1_Timer();

    void cmdinmmCalc_Click();
    void cmdinmmClear_Click();
    void cmdPlot_Click();
    void cmdPsall_Click();
    void cmdPcall_Click();

private:
    void createSymbolTab(QWidget* page);
    void createAngleTab(QWidget* page);
    void createConvertDegreesFrame(QWidget* page);
    void createAngularErrorFrame(QWidget* page);
    void createUnitsTab(QWidget* page);
    void connectHandlers();
    void Form_Load();
    void DrawClockFace();
    void PlotSizes();
    void lockBoxes(std::initializer_list<QLineEdit*> editable,
                   std::initializer_list<QLineEdit*> locked);

    // Positions on a tab are given from the top of the tab control, its strip of tabs
    // included; the page lies below the strip.
    template <typename Control, typename... Arguments>
    Control* placeOnTab(QWidget* page, const char* name, double left, double top, double width,
                        double height, Arguments&&... arguments)
    {
        return placeControl<Control>(page, name, left, top - m_tabStripHeight, width, height,
                                     std::forward<Arguments>(arguments)...);
    }

    QFrame* Frame1 = nullptr;
    QTabWidget* SSTab1 = nullptr;
    double m_tabStripHeight = 0;

    QLabel* Label1 = nullptr;
    PictureBox* Picture2 = nullptr;
    std::array<SymbolPicture*, 38> Image1{};
    QLabel* lbl37 = nullptr;
    PictureBox* Picture3 = nullptr;
    SymbolPicture* picIn = nullptr;
    QComboBox* cmbGDT = nullptr;
    QPlainTextEdit* txtGDT = nullptr;

    PictureBox* Picture4 = nullptr;
    QLabel* Label7 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* optDMS = nullptr;
    QLineEdit* txtDegD = nullptr;
    QLineEdit* txtDegM = nullptr;
    QLineEdit* txtDegS = nullptr;
    QRadioButton* optCA = nullptr;
    QLineEdit* txtCAH = nullptr;
    QLineEdit* txtCAM = nullptr;
    QLineEdit* txtCAS = nullptr;
    QRadioButton* optDD = nullptr;
    QLineEdit* txtDD = nullptr;
    QPushButton* cmdDegClear = nullptr;
    QPushButton* cmdDegCalc = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLineEdit* txtAEDist = nullptr;
    QLineEdit* txtAEerror = nullptr;
    QPushButton* cmdAEclear = nullptr;
    QPushButton* cmdAEcalc = nullptr;
    QTimer* Timer1 = nullptr;
    ClockFace m_clock;

    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QRadioButton* optinTOmm = nullptr;
    QRadioButton* optmmTOin = nullptr;
    QLineEdit* txtinmmDist = nullptr;
    QLabel* lblinmmResult = nullptr;
    QPushButton* cmdinmmClear = nullptr;
    QPushButton* cmdinmmCalc = nullptr;
    PictureBox* Picture5 = nullptr;
    QGroupBox* Frame5 = nullptr;
    std::array<QCheckBox*, 6> Check1{};
    QLabel* Label12 = nullptr;
    QPushButton* cmdPcall = nullptr;
    QPushButton* cmdPsall = nullptr;
    QPushButton* cmdPlot = nullptr;
};
