#include "uncertainty/frmMPunc.h"

#include "frame/PlaceControl.h"
#include "frame/ResultBox.h"
#include "uncertainty/Schematic.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <tuple>
#include <utility>

using UncertaintyLengths::Unit;

namespace {

const QString percentageTip = QStringLiteral(
    "Normally 10% = always acceptable, 11-30% maybe acceptable, above 30% never acceptable");
const QString lValueTip = QStringLiteral("Enter the (L) value from ISO or VDI/VDE tests");
const QString ballbarTip = QStringLiteral("Enter length of Ballbar used during B89 tests, "
                                          "typically 100mm or 4\" shorter than the shortest axis.");

QLabel* caption(QWidget* parent, const QString& text, double left, double top, double width,
                Qt::Alignment alignment = Qt::AlignLeft, double height = 255)
{
    auto* label = placeControl<QLabel>(parent, nullptr, left, top, width, height, text);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setWordWrap(height > 255);
    return label;
}

// Every input box is also written by the program: a calculation's fallback or a unit change.
QLineEdit* inputBox(QWidget* parent, const char* name, double left, double top, double width,
                    const QString& toolTip)
{
    auto* box = placeControl<QLineEdit>(parent, name, left, top, width, 315);
    box->setToolTip(toolTip);
    ResultBox::showWrittenTextFromItsStart(box);
    return box;
}

QComboBox* percentageList(QWidget* parent, const char* name, double left, double top, double width)
{
    auto* list = placeControl<QComboBox>(parent, name, left, top, width, 330);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems({QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("20"),
                    QStringLiteral("25"), QStringLiteral("30")});
    list->setToolTip(percentageTip);
    return list;
}

// The "Units" frame of a tab: its millimetre option, selected, and its inch option.
std::pair<QRadioButton*, QRadioButton*> unitsFrame(QWidget* parent, const char* millimetres,
                                                   const char* inches, double left, double top)
{
    auto* frame =
        placeControl<QGroupBox>(parent, nullptr, left, top, 1980, 900, QStringLiteral("Units"));
    auto* mm =
        placeControl<QRadioButton>(frame, millimetres, 240, 390, 720, 285, QStringLiteral("mm"));
    mm->setChecked(true);
    return {mm,
            placeControl<QRadioButton>(frame, inches, 1080, 390, 720, 285, QStringLiteral("in"))};
}

using Fields = std::array<QLineEdit*, UncertaintyLengths::fieldCount>;

UncertaintyLengths::Texts readTexts(const Fields& fields)
{
    UncertaintyLengths::Texts texts;
    for (std::size_t field = 0; field < fields.size(); ++field)
        texts[field] = fields[field]->text();
    return texts;
}

// Only changed texts are written, so a box that keeps its text keeps its cursor and undo.
void showTexts(const Fields& fields, const UncertaintyLengths::Texts& texts)
{
    for (std::size_t field = 0; field < fields.size(); ++field)
        if (fields[field]->text() != texts[field])
            fields[field]->setText(texts[field]);
}

// The numbers of a tab's fields rewritten for the unit just chosen.
void changeUnit(const Fields& fields, Unit unit)
{
    auto texts = readTexts(fields);
    UncertaintyLengths::convertTexts(texts, unit, QLocale());
    showTexts(fields, texts);
}

void paintBox(QLineEdit* box, QPalette::ColorRole colour)
{
    QPalette palette = box->palette();
    palette.setBrush(QPalette::Base, QApplication::palette(box).brush(colour));
    box->setPalette(palette);
}

// On: enabled in the window colour; off: disabled in the button-face colour.
void setBoxOn(QLineEdit* box, bool on)
{
    box->setEnabled(on);
    paintBox(box, on ? QPalette::Base : QPalette::Button);
}

void setLocked(QLineEdit* box, bool locked)
{
    box->setReadOnly(locked);
    paintBox(box, locked ? QPalette::Button : QPalette::Base);
}

void clearTexts(std::initializer_list<QLineEdit*> fields)
{
    for (QLineEdit* field : fields)
        field->clear();
}

// Runs `handler` when the option becomes selected.
template <typename Window>
void onSelected(QRadioButton* option, Window* window, void (Window::*handler)())
{
    QObject::connect(option, &QRadioButton::toggled, window, [window, handler](bool selected) {
        if (selected)
            (window->*handler)();
    });
}

} // namespace

frmMPunc::frmMPunc(QWidget* parent) : CalculatorFrame(10575, 6975, parent)
{
    setObjectName(QStringLiteral("frmMPunc"));

    auto* frame = placeControl<QFrame>(picture(), "Frame1", 120, 120, 10335, 6735);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    SSTab1 = placeControl<QTabWidget>(frame, "SSTab1", 120, 120, 10095, 6495);
    auto* accuracyPage = new QWidget;
    accuracyPage->setObjectName(QStringLiteral("tabMachineAccuracy"));
    SSTab1->addTab(accuracyPage, QStringLiteral("Machine Accuracy Based on Part Tolerance"));
    auto* tolerancePage = new QWidget;
    tolerancePage->setObjectName(QStringLiteral("tabPartTolerance"));
    SSTab1->addTab(tolerancePage, QStringLiteral("Part Tolerance Based on Machine Accuracy"));

    createAccuracyTab(accuracyPage);
    createToleranceTab(tolerancePage);
    connectHandlers();
    Form_Load();
}

// Switching to the tool puts the focus in the first box the user can type in on the tab
// in front; on the tolerance tab that depends on the convention chosen.
void frmMPunc::updateFirstInput()
{
    if (SSTab1->currentIndex() == 0)
        setFirstInput(txtpt);
    else
        setFirstInput(optB89->isChecked() ? txt4Vol : optVDI->isChecked() ? txt4L : txt4ISO);
}

void frmMPunc::createAccuracyTab(QWidget* page)
{
    auto* required = placeControl<QGroupBox>(page, nullptr, 120, 60, 9780, 3660,
                                             QStringLiteral("Required Machine Accuracy"));
    const auto partRow = [required](const QString& text, const char* name, double top,
                                    const QString& toolTip) {
        caption(required, text, 2040, top - 90, 3000, Qt::AlignRight, 495);
        return inputBox(required, name, 5160, top, 1200, toolTip);
    };
    Schematics::positionalSketch(required, 120, 330);
    txtpt = partRow(QStringLiteral("Enter tightest positional tolerance"), "txtpt", 420,
                    QStringLiteral("Example: .030 = +/- .030"));
    txtpd = partRow(QStringLiteral("Enter furthest distance to position from datum"), "txtpd", 1020,
                    QStringLiteral("Enter furthest distance to position from datum"));
    Schematics::orDivider(required, 120, 1740, 6240);
    Schematics::diameterSketch(required, 120, 2040);
    txtd =
        partRow(QStringLiteral("Enter Diameter"), "txtd", 2220, QStringLiteral("Enter Diameter"));
    txtdtol = partRow(QStringLiteral("Enter Diameter Tolerance"), "txtdtol", 2760,
                      QStringLiteral("Example: .030  = +/- .030"));
    caption(required, QStringLiteral("% Tol. used by CMM error"), 2040, 3240, 3000, Qt::AlignRight);
    cmbper = percentageList(required, "cmbper", 5160, 3195, 1200);

    const auto machineRow = [required](const QString& text, double top) {
        caption(required, text, 6600, top + 30, 1560);
    };
    machineRow(QStringLiteral("(L) Value"), 420);
    txtl = inputBox(required, "txtl", 8220, 420, 1320, lValueTip);
    machineRow(QStringLiteral("BallBar Length"), 840);
    txtbbl = inputBox(required, "txtbbl", 8220, 840, 1320, ballbarTip);
    machineRow(QStringLiteral("ISO (E)"), 1440);
    lble = placeControl<ResultBox>(required, "lble", 8220, 1440, 1320, 315);
    machineRow(QStringLiteral("VDI/VDE (U3)"), 1860);
    lblu3 = placeControl<ResultBox>(required, "lblu3", 8220, 1860, 1320, 315);
    machineRow(QStringLiteral("B89 Volumetric"), 2280);
    lblvol = placeControl<ResultBox>(required, "lblvol", 8220, 2280, 1320, 315);
    cmd3cmmCalc = placeControl<QPushButton>(required, "cmd3cmmCalc", 6600, 3120, 1410, 420,
                                            QStringLiteral("Calculate"));
    cmd3cmmCalcclear = placeControl<QPushButton>(required, "cmd3cmmCalcclear", 8130, 3120, 1410,
                                                 420, QStringLiteral("Clear"));

    auto* probing = placeControl<QGroupBox>(page, nullptr, 120, 3780, 7680, 1890,
                                            QStringLiteral("Probing Performance"));
    Schematics::formSymbols(probing, 1680, 360);
    caption(probing, QStringLiteral("+/- Tolerance"), 240, 900, 1380);
    txtppt = inputBox(probing, "txtppt", 1680, 870, 1440,
                      QStringLiteral("Tightest tolerance associated with above symbols, .010 = "
                                     "+/- .010"));
    cmd3pCalc = placeControl<QPushButton>(probing, "cmd3pCalc", 240, 1350, 1380, 420,
                                          QStringLiteral("Calculate"));
    cmd3pCalcclear = placeControl<QPushButton>(probing, "cmd3pCalcclear", 1740, 1350, 1380, 420,
                                               QStringLiteral("Clear"));
    const auto probingResult = [probing](const QString& text, const char* name, double top) {
        caption(probing, text, 3480, top + 30, 2040);
        return placeControl<ResultBox>(probing, name, 5580, top, 1860, 315);
    };
    lbliso = probingResult(QStringLiteral("+/- ISO (R)"), "lbliso", 390);
    lblvdi = probingResult(QStringLiteral("+/- VDI/VDE (V3)"), "lblvdi", 870);
    lblb89 = probingResult(QStringLiteral("+/- B89 Point-Point"), "lblb89", 1350);

    std::tie(optmm, optin) = unitsFrame(page, "optmm", "optin", 7920, 3780);

    placeControl<QLabel>(page, "lblFootnote", 120, 5730, 9780, 255,
                         QStringLiteral("Uncertainty calculations are approximations, actual "
                                        "results may vary. "));

    m_accuracyFields = {txtpt, txtd,   txtpd,  txtdtol, lble,   lblu3, lblvol,
                        txtl,  txtbbl, lbliso, lblb89,  lblvdi, txtppt};
}

void frmMPunc::createToleranceTab(QWidget* page)
{
    auto* machine = placeControl<QGroupBox>(page, nullptr, 120, 60, 4200, 3660,
                                            QStringLiteral("Machine Accuracy"));
    const auto machineRow = [machine](const QString& text, const char* name, double top,
                                      const QString& toolTip) {
        caption(machine, text, 600, top + 30, 1800);
        return inputBox(machine, name, 2460, top, 1560, toolTip);
    };
    const auto option = [](QWidget* parent, const char* name, double top) {
        return placeControl<QRadioButton>(parent, name, 240, top + 15, 300, 285);
    };
    optISO = option(machine, "optISO", 390);
    txt4ISO = machineRow(QStringLiteral("ISO (E)"), "txt4ISO", 390,
                         QStringLiteral("Enter your machine (E) value"));
    txt4L = machineRow(QStringLiteral("(L) Value"), "txt4L", 810, lValueTip);
    optVDI = option(machine, "optVDI", 1290);
    txt4U3 = machineRow(QStringLiteral("VDI/VDE (U3)"), "txt4U3", 1290,
                        QStringLiteral("Enter your machine (U3) value"));
    optB89 = option(machine, "optB89", 1770);
    txt4Vol = machineRow(QStringLiteral("B89 Volumetric"), "txt4Vol", 1770,
                         QStringLiteral("Enter the (Volumetric Performance) value"));
    txt4bbl = machineRow(QStringLiteral("BallBar Length"), "txt4bbl", 2190, ballbarTip);
    optISO->setChecked(true);
    caption(machine, QStringLiteral("% Tol. used by CMM error"), 240, 2730, 2400);
    cmb4 = percentageList(machine, "cmb4", 2700, 2685, 1320);
    cmd4calc = placeControl<QPushButton>(machine, "cmd4calc", 240, 3120, 1830, 420,
                                         QStringLiteral("Calculate"));
    cmd4calcclear = placeControl<QPushButton>(machine, "cmd4calcclear", 2190, 3120, 1830, 420,
                                              QStringLiteral("Clear"));

    // No title: the frame's top lines up with the titled frames' borders.
    auto* part = placeControl<QGroupBox>(page, nullptr, 4440, 285, 5460, 3435);
    const auto partRow = [part](const QString& text, const char* name, double top,
                                const QString& toolTip) {
        caption(part, text, 1920, top - 90, 2130, Qt::AlignRight, 495);
        auto* box = inputBox(part, name, 4110, top, 900, toolTip);
        setLocked(box, true);
        return box;
    };
    const auto modifyButton = [part](const char* name, double top, const QString& toolTip) {
        auto* button =
            placeControl<QPushButton>(part, name, 5070, top - 15, 330, 345, QStringLiteral("M"));
        button->setToolTip(toolTip);
        button->setEnabled(false);
        return button;
    };
    Schematics::positionalSketch(part, 60, 60);
    txt4dist = partRow(QStringLiteral("Distance to position from datum"), "txt4dist", 270,
                       QStringLiteral("Calculated/modified distance from datum"));
    cmdmdist = modifyButton(
        "cmdmdist", 270,
        QStringLiteral("Recalculates positional tolerance based on modified distance"));
    txt4PT = partRow(QStringLiteral("Positional Tolerance"), "txt4PT", 870,
                     QStringLiteral("Calculated/modified positional tolerance"));
    cmdmpt = modifyButton(
        "cmdmpt", 870,
        QStringLiteral("Recalculates distance based on modified positional tolerance"));
    Schematics::orDivider(part, 120, 1515, 5220);
    Schematics::diameterSketch(part, 60, 1815);
    txt4Dia = partRow(QStringLiteral("Diameter"), "txt4Dia", 1995,
                      QStringLiteral("Calculated/modified diameter"));
    cmdmdia =
        modifyButton("cmdmdia", 1995,
                     QStringLiteral("Recalculates diameter tolerance based on modified diamerter"));
    txt4DT = partRow(QStringLiteral("Diameter Tolerance"), "txt4DT", 2595,
                     QStringLiteral("Calculated/modified diameter tolerance"));
    cmdmdt =
        modifyButton("cmdmdt", 2595,
                     QStringLiteral("Recalculates diameter based on modified diameter tolerance"));

    auto* form = placeControl<QGroupBox>(page, nullptr, 120, 3780, 7680, 1890,
                                         QStringLiteral("Form Uncertainty"));
    const auto probingRow = [form, &option](const char* optionName, const QString& text,
                                            const char* name, double top, const QString& toolTip) {
        auto* choice = option(form, optionName, top);
        caption(form, text, 600, top + 30, 1860);
        return std::pair(choice, inputBox(form, name, 2520, top, 1320, toolTip));
    };
    std::tie(optR, txt4R) = probingRow("optR", QStringLiteral("+/- ISO (R)"), "txt4R", 390,
                                       QStringLiteral("Enter your machine (R) value"));
    std::tie(optV3, txt4V3) = probingRow("optV3", QStringLiteral("+/- VDI/VDE (V3)"), "txt4V3", 870,
                                         QStringLiteral("Enter your machine (V3) value"));
    std::tie(optB89pp, txt4B89pp) =
        probingRow("optB89pp", QStringLiteral("+/- B89 Point-Point"), "txt4B89pp", 1350,
                   QStringLiteral("Enter your machine (Point to Point) value"));
    optR->setChecked(true);
    Schematics::formSymbols(form, 5580, 330);
    caption(form, QStringLiteral("+/-Tolerance"), 4200, 900, 1320);
    lbl4FT = placeControl<ResultBox>(form, "lbl4FT", 5580, 870, 1860, 315);
    cmd4FT = placeControl<QPushButton>(form, "cmd4FT", 4200, 1350, 1500, 420,
                                       QStringLiteral("Calculate"));
    cmd4FTclear = placeControl<QPushButton>(form, "cmd4FTclear", 5940, 1350, 1500, 420,
                                            QStringLiteral("Clear"));

    std::tie(opt4mm, opt4in) = unitsFrame(page, "opt4mm", "opt4in", 7920, 3780);

    m_toleranceFields = {txt4PT,  txt4dist, txt4Dia, txt4DT,    txt4L,  txt4bbl, txt4Vol,
                         txt4ISO, txt4U3,   lbl4FT,  txt4B89pp, txt4V3, txt4R};
}

void frmMPunc::connectHandlers()
{
    const auto onClick = [this](QPushButton* button, void (frmMPunc::*handler)()) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    onClick(cmd3cmmCalc, &frmMPunc::cmd3cmmCalc_Click);
    onClick(cmd3cmmCalcclear, &frmMPunc::cmd3cmmCalcclear_Click);
    onClick(cmd3pCalc, &frmMPunc::cmd3pCalc_Click);
    onClick(cmd3pCalcclear, &frmMPunc::cmd3pCalcclear_Click);
    onClick(cmd4calc, &frmMPunc::cmd4calc_Click);
    onClick(cmd4calcclear, &frmMPunc::cmd4calcclear_Click);
    onClick(cmdmdist, &frmMPunc::cmdmdist_Click);
    onClick(cmdmdia, &frmMPunc::cmdmdia_Click);
    onClick(cmdmpt, &frmMPunc::cmdmpt_Click);
    onClick(cmdmdt, &frmMPunc::cmdmdt_Click);
    onClick(cmd4FT, &frmMPunc::cmd4FT_Click);
    onClick(cmd4FTclear, &frmMPunc::cmd4FTclear_Click);
    onSelected(optin, this, &frmMPunc::optin_Click);
    onSelected(optmm, this, &frmMPunc::optmm_Click);
    onSelected(optISO, this, &frmMPunc::optISO_Click);
    onSelected(optVDI, this, &frmMPunc::optVDI_Click);
    onSelected(optB89, this, &frmMPunc::optB89_Click);
    onSelected(optR, this, &frmMPunc::optR_Click);
    onSelected(optV3, this, &frmMPunc::optV3_Click);
    onSelected(optB89pp, this, &frmMPunc::optB89pp_Click);
    onSelected(opt4in, this, &frmMPunc::opt4in_Click);
    onSelected(opt4mm, this, &frmMPunc::opt4mm_Click);
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmMPunc::updateFirstInput);

    runOnEnter({txtpt, txtpd, txtd, txtdtol, cmbper->lineEdit(), txtl, txtbbl}, cmd3cmmCalc);
    runOnEnter({txtppt}, cmd3pCalc);
    runOnEnter({txt4ISO, txt4L, txt4U3, txt4Vol, txt4bbl, cmb4->lineEdit()}, cmd4calc);
    runOnEnter({txt4dist}, cmdmdist);
    runOnEnter({txt4PT}, cmdmpt);
    runOnEnter({txt4Dia}, cmdmdia);
    runOnEnter({txt4DT}, cmdmdt);
    runOnEnter({txt4R, txt4V3, txt4B89pp}, cmd4FT);
}

void frmMPunc::Form_Load()
{
    SSTab1->setCurrentIndex(0);
    cmb4->setCurrentIndex(0);
    cmbper->setCurrentIndex(0);
    optISO_Click();
    optR_Click();
}

Unit frmMPunc::accuracyUnit() const
{
    return optmm->isChecked() ? Unit::Millimetre : Unit::Inch;
}

Unit frmMPunc::toleranceUnit() const
{
    return opt4mm->isChecked() ? Unit::Millimetre : Unit::Inch;
}

PartTolerance::Convention frmMPunc::convention() const
{
    if (optISO->isChecked())
        return PartTolerance::Convention::Iso;
    return optVDI->isChecked() ? PartTolerance::Convention::VdiVde : PartTolerance::Convention::B89;
}

void frmMPunc::cmd3cmmCalc_Click()
{
    auto texts = readTexts(m_accuracyFields);
    m_accuracy.calculateAccuracy(texts, cmbper->currentText(), accuracyUnit());
    showTexts(m_accuracyFields, texts);
}

void frmMPunc::cmd3cmmCalcclear_Click()
{
    clearTexts({txtpt, txtpd, txtd, txtdtol, txtl, txtbbl, lble, lblu3, lblvol});
}

void frmMPunc::cmd3pCalc_Click()
{
    auto texts = readTexts(m_accuracyFields);
    m_accuracy.calculateProbing(texts, cmbper->currentText(), accuracyUnit());
    showTexts(m_accuracyFields, texts);
}

void frmMPunc::cmd3pCalcclear_Click()
{
    clearTexts({txtppt, lbliso, lblvdi, lblb89});
}

void frmMPunc::optin_Click()
{
    changeUnit(m_accuracyFields, Unit::Inch);
}

void frmMPunc::optmm_Click()
{
    changeUnit(m_accuracyFields, Unit::Millimetre);
}

void frmMPunc::cmd4calc_Click()
{
    auto texts = readTexts(m_toleranceFields);
    const bool wrote =
        m_tolerance.calculate(texts, convention(), cmb4->currentText(), toleranceUnit());
    showTexts(m_toleranceFields, texts);
    if (!wrote)
        return;
    for (QPushButton* button : {cmdmpt, cmdmdt, cmdmdist, cmdmdia})
        button->setEnabled(true);
    for (QLineEdit* box : {txt4dist, txt4PT, txt4Dia, txt4DT})
        setLocked(box, false);
}

void frmMPunc::recalculate(PartTolerance::Recalculation from)
{
    auto texts = readTexts(m_toleranceFields);
    m_tolerance.recalculate(texts, from, convention(), cmb4->currentText(), toleranceUnit());
    showTexts(m_toleranceFields, texts);
}

void frmMPunc::cmdmdist_Click()
{
    recalculate(PartTolerance::Recalculation::FromDistance);
}

void frmMPunc::cmdmdia_Click()
{
    recalculate(PartTolerance::Recalculation::FromDiameter);
}

void frmMPunc::cmdmpt_Click()
{
    recalculate(PartTolerance::Recalculation::FromPositionalTolerance);
}

void frmMPunc::cmdmdt_Click()
{
    recalculate(PartTolerance::Recalculation::FromDiameterTolerance);
}

void frmMPunc::cmd4FT_Click()
{
    const PartTolerance::Field figure = optR->isChecked()    ? PartTolerance::IsoR
                                        : optV3->isChecked() ? PartTolerance::VdiV3
                                                             : PartTolerance::B89PointToPoint;
    auto texts = readTexts(m_toleranceFields);
    m_tolerance.calculateFormTolerance(texts, figure, cmb4->currentText(), toleranceUnit());
    showTexts(m_toleranceFields, texts);
}

void frmMPunc::cmd4calcclear_Click()
{
    clearTexts({txt4Dia, txt4dist, txt4PT, txt4DT, txt4ISO, txt4U3, txt4Vol, txt4L, txt4bbl});
}

void frmMPunc::cmd4FTclear_Click()
{
    clearTexts({txt4R, txt4V3, txt4B89pp, lbl4FT});
}

void frmMPunc::setMachineBoxes(bool iso, bool lValue, bool vdi, bool volumetric, bool ballbar)
{
    setBoxOn(txt4ISO, iso);
    setBoxOn(txt4L, lValue);
    setBoxOn(txt4U3, vdi);
    setBoxOn(txt4Vol, volumetric);
    setBoxOn(txt4bbl, ballbar);
    updateFirstInput();
}

void frmMPunc::setProbingBoxes(bool isoR, bool vdiV3, bool pointToPoint)
{
    setBoxOn(txt4R, isoR);
    setBoxOn(txt4V3, vdiV3);
    setBoxOn(txt4B89pp, pointToPoint);
}

void frmMPunc::optISO_Click()
{
    setMachineBoxes(true, true, false, false, false);
}

void frmMPunc::optVDI_Click()
{
    setMachineBoxes(false, true, true, false, false);
}

void frmMPunc::optB89_Click()
{
    setMachineBoxes(false, false, false, true, true);
}

void frmMPunc::optR_Click()
{
    setProbingBoxes(true, false, false);
}

void frmMPunc::optV3_Click()
{
    setProbingBoxes(false, true, false);
}

void frmMPunc::optB89pp_Click()
{
    setProbingBoxes(false, false, true);
}

void frmMPunc::opt4in_Click()
{
    changeUnit(m_toleranceFields, Unit::Inch);
}

void frmMPunc::opt4mm_Click()
{
    changeUnit(m_toleranceFields, Unit::Millimetre);
}
