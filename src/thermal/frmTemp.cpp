#include "thermal/frmTemp.h"

#include "frame/PlaceControl.h"
#include "frame/ResultBox.h"
#include "thermal/MaterialTable.h"
#include "thermal/TemperatureConversion.h"
#include "thermal/ThermalExpansion.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

QLabel* caption(QWidget* parent, const QString& text, double left, double top, double width,
                Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* label = placeControl<QLabel>(parent, nullptr, left, top, width, 255, text);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

ResultBox* resultBox(QWidget* parent, const char* name, double left, double top, double width)
{
    return placeControl<ResultBox>(parent, name, left, top, width, 315);
}

} // namespace

frmTemp::frmTemp(QWidget* parent) : CalculatorFrame(10575, 6975, parent)
{
    setObjectName(QStringLiteral("frmTemp"));

    auto* frame = placeControl<QFrame>(picture(), "Frame1", 120, 120, 10335, 6735);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    SSTab1 = placeControl<QTabWidget>(frame, "SSTab1", 120, 120, 10095, 6495);
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabThermalExpansion"));
    SSTab1->addTab(page, QStringLiteral("Thermal Expansion"));

    createConversionFrame(page);
    createExpansionFrame(page);
    placeControl<QLabel>(page, "lblFootnote", 120, 5730, 9780, 255,
                  QStringLiteral("Expansion calculations are approximations, actual results "
                                 "may vary. "));

    connectHandlers();
    setFirstInput(txtTemp);
    Form_Load();
}

void frmTemp::createConversionFrame(QWidget* page)
{
    auto* frame = placeControl<QGroupBox>(page, nullptr, 120, 120, 9780, 1560,
                                   QStringLiteral("Temperature Conversion"));
    optFTC = placeControl<QRadioButton>(
        frame, "optFTC", 240, 300, 6600, 285,
        QStringLiteral("Fahrenheit to Centigrade     [  ( ( 5 x ( degrees F - 32 ) ) / 9  ]"));
    optCTF = placeControl<QRadioButton>(
        frame, "optCTF", 240, 600, 6600, 285,
        QStringLiteral("Centigrade to Fahrenheit     [  ( ( 9 x degrees C ) / 5 )  + 32  ]"));
    optFTC->setChecked(true);

    caption(frame, QStringLiteral("Temperature:"), 240, 1050, 1200);
    txtTemp = placeControl<QLineEdit>(frame, "txtTemp", 1500, 1020, 1335, 315);
    caption(frame, QStringLiteral("Result:"), 3120, 1050, 720);
    lblConResult = resultBox(frame, "lblConResult", 3900, 1020, 1695);

    cmdTCConvert =
        placeControl<QPushButton>(frame, "cmdTCConvert", 7920, 300, 1620, 420, QStringLiteral("Convert"));
    cmdTCClear =
        placeControl<QPushButton>(frame, "cmdTCClear", 7920, 840, 1620, 420, QStringLiteral("Clear"));
}

void frmTemp::createExpansionFrame(QWidget* page)
{
    auto* frame = placeControl<QGroupBox>(page, nullptr, 120, 1800, 9780, 3840,
                                   QStringLiteral("Calculate Expansion"));

    auto* material =
        placeControl<QGroupBox>(frame, nullptr, 240, 300, 5520, 900, QStringLiteral("Material"));
    cmbMaterial = placeControl<QComboBox>(material, "cmbMaterial", 180, 390, 3000, 315);
    caption(material, QStringLiteral("Approx."), 3240, 420, 780, Qt::AlignRight);
    txtMat = resultBox(material, "txtMat", 4080, 390, 1200);

    // The arrow stands between the material's coefficient and the coefficient box it
    // copies into.
    cmdXfer = placeControl<QToolButton>(frame, "cmdXfer", 4620, 1380, 600, 420);
    cmdXfer->setIcon(QIcon(QStringLiteral(":/thermal/xfer.svg")));
    cmdXfer->setIconSize(Twips::size(360, 360));
    cmdXfer->setToolTip(QStringLiteral("Use this coefficient"));

    const auto inputRow = [frame](const QString& text, const char* name, double top) {
        caption(frame, text, 240, top + 30, 3960, Qt::AlignRight);
        return placeControl<QLineEdit>(frame, name, 4320, top, 1200, 315);
    };
    txtCOE = inputRow(QStringLiteral("Coefficient of Expansion:"), "txtCOE", 1980);
    Label6 = caption(frame, QStringLiteral("ppm/deg. F"), 5580, 2010, 1200);
    Label6->setObjectName(QStringLiteral("Label6"));
    txtTempChange = inputRow(QStringLiteral("Temperature Change"), "txtTempChange", 2460);
    txtDistance =
        inputRow(QStringLiteral("Diameter or distance from datum to feature"), "txtDistance", 2940);

    auto* lengthUnits =
        placeControl<QGroupBox>(frame, nullptr, 6960, 300, 2580, 600, QStringLiteral("Measurement Units"));
    optmumm = placeControl<QRadioButton>(lengthUnits, "optmumm", 240, 270, 960, 255, QStringLiteral("mm"));
    optmuin =
        placeControl<QRadioButton>(lengthUnits, "optmuin", 1320, 270, 960, 255, QStringLiteral("in"));
    optmuin->setChecked(true);

    auto* degreeUnits = placeControl<QGroupBox>(frame, nullptr, 6960, 1020, 2580, 840,
                                         QStringLiteral("Temperature Units"));
    opttuf = placeControl<QRadioButton>(degreeUnits, "opttuf", 240, 270, 2160, 255,
                                 QStringLiteral("Fahrenheit"));
    opttuc = placeControl<QRadioButton>(degreeUnits, "opttuc", 240, 540, 2160, 255,
                                 QStringLiteral("Centigrade"));
    opttuf->setChecked(true);

    caption(frame, QStringLiteral("Expansion"), 6960, 1980, 2580);
    lblExp = resultBox(frame, "lblExp", 6960, 2220, 2580);
    caption(frame, QStringLiteral("New diameter/distance"), 6960, 2640, 2580);
    lblNew = resultBox(frame, "lblNew", 6960, 2880, 2580);

    cmdCEcalc =
        placeControl<QPushButton>(frame, "cmdCEcalc", 6960, 3300, 1230, 420, QStringLiteral("Calculate"));
    cmdCEclear =
        placeControl<QPushButton>(frame, "cmdCEclear", 8310, 3300, 1230, 420, QStringLiteral("Clear"));
}

void frmTemp::connectHandlers()
{
    connect(cmbMaterial, &QComboBox::currentIndexChanged, this, &frmTemp::cmbMaterial_Click);
    connect(opttuc, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            opttuc_Click();
    });
    connect(opttuf, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            opttuf_Click();
    });
    connect(cmdXfer, &QToolButton::clicked, this, &frmTemp::cmdXfer_Click);
    connect(cmdCEcalc, &QPushButton::clicked, this, &frmTemp::cmdCEcalc_Click);
    connect(cmdCEclear, &QPushButton::clicked, this, &frmTemp::cmdCEclear_Click);
    connect(cmdTCConvert, &QPushButton::clicked, this, &frmTemp::cmdTCConvert_Click);
    connect(cmdTCClear, &QPushButton::clicked, this, &frmTemp::cmdTCClear_Click);
    runOnEnter({txtTemp}, cmdTCConvert);
    runOnEnter({txtCOE, txtTempChange, txtDistance}, cmdCEcalc);
}

void frmTemp::Form_Load()
{
    FillMaterialList();
    // Adding the first name to the empty list has already selected it and shown its
    // coefficient; selecting it here states the start state whatever the list did.
    cmbMaterial->setCurrentIndex(0);
}

void frmTemp::FillMaterialList()
{
    cmbMaterial->addItems(MaterialTable::names());
}

void frmTemp::cmbMaterial_Click()
{
    const auto unit = opttuf->isChecked() ? MaterialTable::DegreeUnit::Fahrenheit
                                          : MaterialTable::DegreeUnit::Centigrade;
    txtMat->setText(
        MaterialTable::shownCoefficient(cmbMaterial->currentIndex(), unit, txtMat->text()));
}

void frmTemp::opttuc_Click()
{
    cmbMaterial_Click();
    Label6->setText(QStringLiteral("ppm/deg. C"));
}

void frmTemp::opttuf_Click()
{
    cmbMaterial_Click();
    Label6->setText(QStringLiteral("ppm/deg. F"));
}

void frmTemp::cmdXfer_Click()
{
    txtCOE->setText(txtMat->text());
}

void frmTemp::cmdCEcalc_Click()
{
    const auto unit = optmuin->isChecked() ? ThermalExpansion::LengthUnit::Inch
                                           : ThermalExpansion::LengthUnit::Millimetre;
    const auto result = ThermalExpansion::resultText(txtDistance->text(), txtCOE->text(),
                                                     txtTempChange->text(), unit);
    if (!result)
        return;
    lblExp->setText(result->expansion);
    lblNew->setText(result->newSize);
}

void frmTemp::cmdCEclear_Click()
{
    lblExp->clear();
    lblNew->clear();
    txtTempChange->clear();
    txtDistance->clear();
}

void frmTemp::cmdTCConvert_Click()
{
    const auto direction = optFTC->isChecked()
                               ? TemperatureConversion::Direction::FahrenheitToCentigrade
                               : TemperatureConversion::Direction::CentigradeToFahrenheit;
    if (const auto result = TemperatureConversion::resultText(txtTemp->text(), direction))
        lblConResult->setText(*result);
}

void frmTemp::cmdTCClear_Click()
{
    lblConResult->clear();
    txtTemp->clear();
}
