#include "triangle/frmTriangle.h"

#include "common/Twips.h"
#include "frame/PlaceControl.h"
#include "frame/ResultBox.h"
#include "triangle/FormulaPanel.h"
#include "triangle/LineControl.h"
#include "triangle/TriangleSolver.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor drawingBlue(0x00, 0x00, 0xFF);
const QColor selectedButton(0x80, 0x80, 0xFF);
const QColor drawingInk(Qt::white);

constexpr double boxWidth = 1455;
constexpr double boxHeight = 345;
constexpr double panelWidth = 8775;
constexpr double panelHeight = 721;
constexpr double panelBelowTriangle = 5760;

struct LineSpan {
    QPointF from;
    QPointF to;
};

// The triangle's fourteen possible lines over the rectangle (2000, 1500)-(6500, 5000):
// its four edges, both diagonals and the small right-angle square of each corner.
const LineSpan lineSpans[14] = {
    {{2000, 1500}, {6500, 1500}}, {{2000, 5000}, {6500, 5000}}, {{2000, 1500}, {2000, 5000}},
    {{6500, 1500}, {6500, 5000}}, {{2000, 1500}, {6500, 5000}}, {{6500, 1500}, {2000, 5000}},
    {{2000, 2000}, {2500, 2000}}, {{2500, 2000}, {2500, 1500}}, {{6500, 2000}, {6000, 2000}},
    {{6000, 1500}, {6000, 2000}}, {{6000, 4500}, {6000, 5000}}, {{6500, 4500}, {6000, 4500}},
    {{2500, 4500}, {2500, 5000}}, {{2000, 4500}, {2500, 4500}},
};

// Where a label and its box stand in one orientation (left and top, in twips).
struct LabelledBox {
    QPointF label;
    QPointF box;
};

struct Orientation {
    std::array<int, 5> lines; // line numbers, 1 to 14
    LabelledBox angleA;
    LabelledBox angleB;
    LabelledBox sideA;
    LabelledBox sideB;
    LabelledBox sideC;
    QPointF rightAngle;
};

// Right angle at the bottom left, top left, top right and bottom right.
const Orientation orientations[4] = {
    {{2, 3, 5, 13, 14},
     {{6600, 5040}, {7080, 5040}},
     {{1680, 960}, {2040, 960}},
     {{0, 3120}, {360, 3120}},
     {{3600, 5160}, {3960, 5160}},
     {{4440, 2880}, {4800, 2880}},
     {1680, 5040}},
    {{1, 3, 6, 7, 8},
     {{1440, 5160}, {1920, 5160}},
     {{6600, 1080}, {7080, 1080}},
     {{3840, 960}, {4320, 960}},
     {{0, 3240}, {360, 3240}},
     {{4320, 3240}, {4680, 3360}},
     {1560, 960}},
    {{1, 4, 5, 9, 10},
     {{1560, 960}, {2040, 960}},
     {{6600, 5040}, {7080, 5040}},
     {{6600, 3000}, {7080, 3000}},
     {{4200, 960}, {4680, 960}},
     {{2280, 3360}, {2760, 3360}},
     {6480, 1080}},
    {{2, 4, 6, 11, 12},
     {{6600, 1080}, {7080, 1080}},
     {{1560, 5160}, {2040, 5160}},
     {{3960, 5160}, {4440, 5160}},
     {{6600, 3000}, {7080, 3000}},
     {{2280, 2760}, {2760, 2760}},
     {6600, 5040}},
};

struct PanelSpec {
    const char* name;
    const char* heading;
    std::array<Formula, 3> formulas;
};

FormulaPiece text(const char* text)
{
    return FormulaPiece::plain(QLatin1String(text));
}

FormulaPiece squared(const char* base)
{
    return FormulaPiece::squared(QLatin1String(base));
}

FormulaPiece fraction(const char* numerator, const char* denominator)
{
    return FormulaPiece::fraction(QLatin1String(numerator), QLatin1String(denominator));
}

// The formula set of each solving case, in the order the cases are tried. Case 8
// computes c as a / cos B, which equals the a / sin A written here once A = 90 - B.
const std::array<PanelSpec, 9>& panelSpecs()
{
    static const std::array<PanelSpec, 9> specs = {{
        {"picsasb", "Side a & Side b",
         {Formula{text("c = "), FormulaPiece::root({squared("a"), text(" + "), squared("b")})},
          Formula{text("tanA = "), fraction("a", "b")}, Formula{text("B = 90 - A")}}},
        {"picsasc", "Side a & Side c",
         {Formula{text("b = "), FormulaPiece::root({squared("c"), text(" - "), squared("a")})},
          Formula{text("sinA = "), fraction("a", "c")}, Formula{text("B = 90 - A")}}},
        {"picsbsc", "Side b & Side c",
         {Formula{text("a = "), FormulaPiece::root({squared("c"), text(" - "), squared("b")})},
          Formula{text("sinB = "), fraction("b", "c")}, Formula{text("A = 90 - B")}}},
        {"picscab", "Side c & Angle B",
         {Formula{text("b = c x sinB")}, Formula{text("a = c x cosB")}, Formula{text("A = 90 - B")}}},
        {"picscaa", "Side c & Angle A",
         {Formula{text("b = c x cosA")}, Formula{text("a = c x sinA")}, Formula{text("B = 90 - A")}}},
        {"picsbab", "Side b & Angle B",
         {Formula{text("c = "), fraction("b", "sinB")}, Formula{text("a = b x cotB")},
          Formula{text("A = 90 - B")}}},
        {"picsbaa", "Side b & Angle A",
         {Formula{text("c = "), fraction("b", "cosA")}, Formula{text("a = b x tanA")},
          Formula{text("B = 90 - A")}}},
        {"picsaab", "Side a & Angle B",
         {Formula{text("c = "), fraction("a", "sinA")}, Formula{text("b = a x tanB")},
          Formula{text("A = 90 - B")}}},
        {"picsaaa", "Side a & Angle A",
         {Formula{text("c = "), fraction("a", "sinA")}, Formula{text("b = a x cotA")},
          Formula{text("B = 90 - A")}}},
    }};
    return specs;
}

QLineEdit* makeBox(const char* name, const char* toolTip, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(QLatin1String(toolTip));
    box->resize(Twips::size(boxWidth, boxHeight));
    ResultBox::showWrittenTextFromItsStart(box);
    return box;
}

QLabel* makeLabel(const char* name, const char* caption, QWidget* parent)
{
    auto* label = new QLabel(QLatin1String(caption), parent);
    label->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(18);
    font.setBold(true);
    label->setFont(font);
    label->adjustSize();
    return label;
}

void moveToTwips(QWidget* widget, QPointF twips)
{
    widget->move(Twips::point(twips.x(), twips.y()));
}

} // namespace

frmTriangle::frmTriangle(QWidget* parent) : CalculatorFrame(10575, 6975, parent)
{
    setObjectName(QStringLiteral("frmTriangle"));

    Frame1 = placeControl<QGroupBox>(picture(), "Frame1", 120, 0, 10455, 6855);

    createButtons();
    createDrawingArea();
    createFormulaPanels();
    arrangeTabOrder();

    connect(cmdTri1, &QPushButton::clicked, this, &frmTriangle::cmdTri1_Click);
    connect(cmdTri2, &QPushButton::clicked, this, &frmTriangle::cmdTri2_Click);
    connect(cmdTri3, &QPushButton::clicked, this, &frmTriangle::cmdTri3_Click);
    connect(cmdTri4, &QPushButton::clicked, this, &frmTriangle::cmdTri4_Click);
    connect(cmdTriForm, &QPushButton::clicked, this, &frmTriangle::cmdTriForm_Click);
    connect(cmdTriCalc, &QPushButton::clicked, this, &frmTriangle::cmdTriCalc_Click);
    connect(cmdTriClear, &QPushButton::clicked, this, &frmTriangle::cmdTriClear_Click);
    runOnEnter({txtA, txtB, txtsa, txtsb, txtsc}, cmdTriCalc);
    setFirstInput(txtA);

    Form_Load();
}

void frmTriangle::createButtons()
{
    const auto orientationButton = [this](const char* name, int number, double top) {
        auto* button = placeControl<QPushButton>(Frame1, name, 120, top, 1335, 1335);
        button->setIcon(QIcon(QStringLiteral(":/triangle/orientation%1.svg").arg(number)));
        button->setIconSize(button->size() - QSize(14, 14));
        return button;
    };
    cmdTri1 = orientationButton("cmdTri1", 1, 240);
    cmdTri2 = orientationButton("cmdTri2", 2, 1560);
    cmdTri3 = orientationButton("cmdTri3", 3, 2880);
    cmdTri4 = orientationButton("cmdTri4", 4, 4200);
    cmdTriForm = placeControl<QPushButton>(Frame1, "cmdTriForm", 120, 5640, 1335, 375, QStringLiteral("Formulas"));
    cmdTriCalc = placeControl<QPushButton>(Frame1, "cmdTriCalc", 120, 6000, 1335, 375, QStringLiteral("Calculate"));
    cmdTriClear = placeControl<QPushButton>(Frame1, "cmdTriClear", 120, 6360, 1335, 375, QStringLiteral("Clear"));
}

void frmTriangle::createDrawingArea()
{
    Picture2 = placeControl<QWidget>(Frame1, "Picture2", 1560, 240, 8775, 6495);
    // Its own roles, not the panel's button face it would inherit: the labels on it
    // take their white from WindowText.
    Picture2->setBackgroundRole(QPalette::Window);
    Picture2->setForegroundRole(QPalette::WindowText);
    Picture2->setAutoFillBackground(true);
    QPalette drawing = Picture2->palette();
    drawing.setColor(QPalette::Window, drawingBlue);
    drawing.setColor(QPalette::WindowText, drawingInk);
    Picture2->setPalette(drawing);

    lblInstructions = new QLabel(QStringLiteral("(Fill in any two sides or one side and one angle)"), Picture2);
    lblInstructions->setObjectName(QStringLiteral("lblInstructions"));
    QFont instructionFont = lblInstructions->font();
    instructionFont.setBold(true);
    lblInstructions->setFont(instructionFont);
    lblInstructions->adjustSize();
    moveToTwips(lblInstructions, {120, 120});

    for (std::size_t i = 0; i < m_lines.size(); ++i)
        m_lines[i] = new LineControl(QStringLiteral("Line%1").arg(i + 1), lineSpans[i].from,
                                     lineSpans[i].to, drawingInk, Picture2);

    lblA = makeLabel("lblA", "A", Picture2);
    lblB = makeLabel("lblB", "B", Picture2);
    lblsa = makeLabel("lblsa", "a", Picture2);
    lblsb = makeLabel("lblsb", "b", Picture2);
    lblsc = makeLabel("lblsc", "c", Picture2);
    lblC = makeLabel("lblC", "C = 90", Picture2);

    txtsa = makeBox("txtsa", "Distance a", Picture2);
    txtsb = makeBox("txtsb", "Distance b", Picture2);
    txtsc = makeBox("txtsc", "Distance c", Picture2);
    txtA = makeBox("txtA", "Angle A", Picture2);
    txtB = makeBox("txtB", "Angle B", Picture2);
}

void frmTriangle::createFormulaPanels()
{
    const auto& specs = panelSpecs();
    for (std::size_t i = 0; i < specs.size(); ++i) {
        auto* panel = new FormulaPanel(QLatin1String(specs[i].heading), specs[i].formulas, Picture2);
        panel->setObjectName(QLatin1String(specs[i].name));
        panel->setGeometry(Twips::rect(0, 0, panelWidth, panelHeight));
        m_formulaPanels[i] = panel;
    }
    picsasb = m_formulaPanels[0];
    picsasc = m_formulaPanels[1];
    picsbsc = m_formulaPanels[2];
    picscab = m_formulaPanels[3];
    picscaa = m_formulaPanels[4];
    picsbab = m_formulaPanels[5];
    picsbaa = m_formulaPanels[6];
    picsaab = m_formulaPanels[7];
    picsaaa = m_formulaPanels[8];
}

void frmTriangle::arrangeTabOrder()
{
    QWidget* const chain[] = {cmdTri1, cmdTri2, cmdTri3, cmdTri4, cmdTriForm, cmdTriCalc,
                              cmdTriClear, txtA, txtB, txtsa, txtsb, txtsc};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void frmTriangle::Form_Load()
{
    HideDrawing();
    cmdTri1_Click();
}

std::array<QWidget*, 11> frmTriangle::valueFields() const
{
    return {lblA, lblB, lblsa, lblsb, lblsc, lblC, txtA, txtB, txtsa, txtsb, txtsc};
}

void frmTriangle::HideDrawing()
{
    for (LineControl* line : m_lines)
        line->hide();
    for (QWidget* field : valueFields())
        field->hide();
}

void frmTriangle::ShowValueFields()
{
    for (QWidget* field : valueFields())
        field->show();
}

void frmTriangle::ResetOrientationButtons()
{
    for (QPushButton* button : {cmdTri1, cmdTri2, cmdTri3, cmdTri4})
        button->setPalette(QPalette());
}

void frmTriangle::HideFormulaPanels()
{
    for (FormulaPanel* panel : m_formulaPanels)
        panel->hide();
}

void frmTriangle::selectOrientation(int index)
{
    QPushButton* const buttons[] = {cmdTri1, cmdTri2, cmdTri3, cmdTri4};
    const Orientation& orientation = orientations[index];

    HideFormulaPanels();
    ResetOrientationButtons();
    QPalette selected = buttons[index]->palette();
    selected.setColor(QPalette::Button, selectedButton);
    buttons[index]->setPalette(selected);
    HideDrawing();
    for (int line : orientation.lines)
        m_lines[line - 1]->show();
    const auto placeLabelled = [](QLabel* label, QLineEdit* box, const LabelledBox& where) {
        moveToTwips(label, where.label);
        moveToTwips(box, where.box);
    };
    placeLabelled(lblA, txtA, orientation.angleA);
    placeLabelled(lblB, txtB, orientation.angleB);
    placeLabelled(lblsa, txtsa, orientation.sideA);
    placeLabelled(lblsb, txtsb, orientation.sideB);
    placeLabelled(lblsc, txtsc, orientation.sideC);
    moveToTwips(lblC, orientation.rightAngle);
    ShowValueFields();
}

void frmTriangle::cmdTri1_Click()
{
    selectOrientation(0);
}

void frmTriangle::cmdTri2_Click()
{
    selectOrientation(1);
}

void frmTriangle::cmdTri3_Click()
{
    selectOrientation(2);
}

void frmTriangle::cmdTri4_Click()
{
    selectOrientation(3);
}

void frmTriangle::cmdTriCalc_Click()
{
    HideFormulaPanels();
    const TriangleBoxes entered{txtsa->text(), txtsb->text(), txtsc->text(), txtA->text(), txtB->text()};
    const TriangleSolution solution = TriangleSolver().solve(entered);
    txtsa->setText(solution.boxes.sideA);
    txtsb->setText(solution.boxes.sideB);
    txtsc->setText(solution.boxes.sideC);
    txtA->setText(solution.boxes.angleA);
    txtB->setText(solution.boxes.angleB);
    if (!solution.usedCase)
        return;
    FormulaPanel* panel = m_formulaPanels[static_cast<std::size_t>(*solution.usedCase)];
    panel->move(0, Twips::toPixels(panelBelowTriangle));
    panel->show();
    panel->raise();
}

void frmTriangle::cmdTriForm_Click()
{
    for (std::size_t i = 0; i < m_formulaPanels.size(); ++i) {
        m_formulaPanels[i]->move(0, Twips::toPixels(720.0 * double(i)));
        m_formulaPanels[i]->show();
        m_formulaPanels[i]->raise();
    }
}

void frmTriangle::cmdTriClear_Click()
{
    for (QLineEdit* box : {txtA, txtB, txtsa, txtsb, txtsc})
        box->clear();
    HideFormulaPanels();
}
