#pragma once

#include "frame/CalculatorFrame.h"

#include <array>

class FormulaPanel;
class LineControl;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The right-triangle solver's tool window: the user fills in two of the five values
// of a right triangle (the right angle at C), presses Calculate, and the window fills
// in the other three and shows the formulas it used. Four buttons choose how the
// triangle is drawn; the orientation only moves the boxes, never the arithmetic.
class frmTriangle : public CalculatorFrame
{
    Q_OBJECT

public:
    explicit frmTriangle(QWidget* parent = nullptr);

private slots:
    void cmdTri1_Click();
    void cmdTri2_Click();
    void cmdTri3_Click();
    void cmdTri4_Click();
    void cmdTriCalc_Click();
    void cmdTriForm_Click();
    void cmdTriClear_Click();

private:
    void createDrawingArea();
    void createButtons();
    void createFormulaPanels();
    void arrangeTabOrder();
    std::array<QWidget*, 11> valueFields() const;

    void Form_Load();
    void HideDrawing();
    void ShowValueFields();
    void ResetOrientationButtons();
    void HideFormulaPanels();
    void selectOrientation(int index);

    QGroupBox* Frame1;
    QWidget* Picture2;
    QLabel* lblInstructions;

    QPushButton* cmdTri1;
    QPushButton* cmdTri2;
    QPushButton* cmdTri3;
    QPushButton* cmdTri4;
    QPushButton* cmdTriForm;
    QPushButton* cmdTriCalc;
    QPushButton* cmdTriClear;

    QLineEdit* txtsa;
    QLineEdit* txtsb;
    QLineEdit* txtsc;
    QLineEdit* txtA;
    QLineEdit* txtB;

    QLabel* lblsa;
    QLabel* lblsb;
    QLabel* lblsc;
    QLabel* lblA;
    QLabel* lblB;
    QLabel* lblC;

    std::array<LineControl*, 14> m_lines{}; // Line1 ... Line14

    FormulaPanel* picsasb;
    FormulaPanel* picsasc;
    FormulaPanel* picsbsc;
    FormulaPanel* picscab;
    FormulaPanel* picscaa;
    FormulaPanel* picsbab;
    FormulaPanel* picsbaa;
    FormulaPanel* picsaab;
    FormulaPanel* picsaaa;
    // The nine panels in the order of the solving cases.
    std::array<FormulaPanel*, 9> m_formulaPanels{};
};
