#include "reference/frmRef.h"

#include "reference/AngleConversion.h"
#include "reference/GdtSymbols.h"
#include "reference/InchMillimetre.h"
#include "reference/PictureBox.h"
#include "reference/SizeComparison.h"
#include "reference/SymbolPicture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {

const QColor white(255, 255, 255);

// Keeps a caption within the width its control was given: where the platform's font is
// wider than the one the layout was drawn for, the control's font is made smaller until
// the caption fits.
void fitToWidth(QWidget* control)
{
    QFont font = control->font();
    while (control->sizeHint().width() > control->width() && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        control->setFont(font);
    }
}

QLabel* caption(QWidget* parent, const QString& text, double left, double top, double width,
                Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* label = placeControl<QLabel>(parent, nullptr, left, top, width, 240, text);
    label->setAlignment(alignment | Qt::AlignVCenter);
    fitToWidth(label);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, double left, double top, double width,
                    const QString& text)
{
    return placeControl<QPushButton>(parent, name, left, top, width, 375, text);
}

// An option button without a caption: the row of boxes beside it says what it chooses.
QRadioButton* rowOption(QWidget* parent, const char* name, double top, const QString& meaning)
{
    auto* option = placeControl<QRadioButton>(parent, name, 240, top, 300, 315);
    option->setToolTip(meaning);
    option->setAccessibleName(meaning);
    return option;
}

void setText(QLineEdit* box, const QString& text)
{
    // Rewriting a box with what it holds would only lose its cursor and undo history.
    if (box->text() != text)
        box->setText(text);
}

} // namespace

frmRef::frmRef(QWidget* parent) : CalculatorFrame(10575, 6975, parent)
{
    setObjectName(QStringLiteral("frmRef"));

    Frame1 = placeControl<QFrame>(picture(), "Frame1", 120, 0, 10455, 6855);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    // The tab control stands 240 twips in from the panel's left, which is 120 inside the
    // frame: an even margin on both sides.
    SSTab1 = placeControl<QTabWidget>(Frame1, "SSTab1", 120, 240, 10215, 6495);
    const QStringList tabs = {QStringLiteral("GD && T Symbols"),
                              QStringLiteral("Degrees / Angular Error"), QStringLiteral("IN / MM")};
    std::array<QWidget*, 3> pages{};
    for (int tab = 0; tab < 3; ++tab) {
        pages[tab] = new QWidget;
        pages[tab]->setObjectName(QStringLiteral("SSTab1_%1").arg(tab));
        SSTab1->addTab(pages[tab], tabs[tab]);
    }
    m_tabStripHeight = Twips::fromPixels(SSTab1->tabBar()->sizeHint().height());

    createSymbolTab(pages[0]);
    createAngleTab(pages[1]);
    createUnitsTab(pages[2]);
    connectHandlers();
    Form_Load();
}

void frmRef::createSymbolTab(QWidget* page)
{
    Label1 = placeOnTab<QLabel>(page, "Label1", 120, 420, 9855, 255,
                                QStringLiteral("Click on symbol or select by name."));

    Picture2 = placeOnTab<PictureBox>(page, "Picture2", 120, 900, 6015, 5175);
    Picture2->setBackColor(white);
    for (int i = 0; i < GdtSymbols::symbolCount; ++i) {
        const QByteArray name = "Image1_" + QByteArray::number(i);
        const bool wide = i == GdtSymbols::featureControlFrame;
        Image1[i] = placeControl<SymbolPicture>(
            Picture2->client(), name.constData(), wide ? 2160 : 840 * (i % 7),
            wide ? 4320 : 840 * (i / 7), wide ? 3600 : 855, wide ? 720 : 855);
        Image1[i]->setPicture(GdtSymbols::symbols()[i].picture);
        Image1[i]->setToolTip(GdtSymbols::symbols()[i].name);
        Image1[i]->setCursor(Qt::PointingHandCursor);
    }
    // The label lies over the wide picture and takes its clicks. It reaches a pixel into
    // the picture left of it, which stays on top.
    lbl37 = placeControl<QLabel>(Picture2->client(), "lbl37", 1680, 4200, 4215, 855);
    lbl37->setToolTip(GdtSymbols::symbols()[GdtSymbols::featureControlFrame].name);
    lbl37->setCursor(Qt::PointingHandCursor);
    lbl37->installEventFilter(this);
    Image1[GdtSymbols::featureControlFrame - 1]->raise();

    Picture3 = placeOnTab<PictureBox>(page, "Picture3", 6240, 900, 3615, 1695);
    Picture3->setBackColor(white);
    picIn = placeControl<SymbolPicture>(Picture3->client(), "picIn", 0, 0, 0, 0);

    cmbGDT = placeOnTab<QComboBox>(page, "cmbGDT", 6240, 2820, 3615, 315);
    cmbGDT->setMaxVisibleItems(20);
    txtGDT = placeOnTab<QPlainTextEdit>(page, "txtGDT", 6240, 3420, 3615, 2655);
    txtGDT->setReadOnly(true);
}

void frmRef::createAngleTab(QWidget* page)
{
    Picture4 = placeOnTab<PictureBox>(page, "Picture4", 360, 840, 5055, 5055);
    Label7 = placeControl<QLabel>(Picture4->client(), "Label7", 0, 0, 5055, 255,
                                  QStringLiteral("12 O'Clock  |  0 Degrees  "));
    Label7->setAlignment(Qt::AlignCenter);

    createConvertDegreesFrame(page);
    createAngularErrorFrame(page);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
}

void frmRef::createConvertDegreesFrame(QWidget* page)
{
    Frame2 = placeOnTab<QGroupBox>(page, "Frame2", 5640, 720, 4215, 2775,
                                   QStringLiteral("Convert Degrees"));
    const auto row = [this](const char* name, double left, double top, const QString& heading,
                            double headingWidth = 1095) {
        caption(Frame2, heading, left, top - 255, headingWidth);
        return placeControl<QLineEdit>(Frame2, name, left, top, 1095, 315);
    };

    optDMS = rowOption(Frame2, "optDMS", 720, QStringLiteral("Convert degrees, minutes, seconds"));
    txtDegD = row("txtDegD", 720, 720, QStringLiteral("Degrees"));
    txtDegM = row("txtDegM", 1800, 720, QStringLiteral("Minutes"));
    txtDegS = row("txtDegS", 2880, 720, QStringLiteral("Seconds"));
    optDMS->setChecked(true);

    optCA = rowOption(Frame2, "optCA", 1440, QStringLiteral("Convert clock time"));
    txtCAH = row("txtCAH", 720, 1440, QStringLiteral("Hours"));
    txtCAM = row("txtCAM", 1800, 1440, QStringLiteral("Minutes"));
    txtCAS = row("txtCAS", 2880, 1440, QStringLiteral("Seconds"));

    optDD = rowOption(Frame2, "optDD", 2160, QStringLiteral("Convert decimal degrees"));
    txtDD = row("txtDD", 720, 2160, QStringLiteral("Decimal Degree"), 2400);

    cmdDegClear = button(Frame2, "cmdDegClear", 2040, 2160, 975, QStringLiteral("Clear"));
    cmdDegCalc = button(Frame2, "cmdDegCalc", 3000, 2160, 975, QStringLiteral("Calculate"));
}

void frmRef::createAngularErrorFrame(QWidget* page)
{
    Frame3 = placeOnTab<QGroupBox>(page, "Frame3", 5640, 3720, 4215, 2175,
                                   QStringLiteral("Angular Error"));
    caption(Frame3, QStringLiteral("Distance from datum (in or mm):"), 60, 630, 2760,
            Qt::AlignRight);
    txtAEDist = placeControl<QLineEdit>(Frame3, "txtAEDist", 2880, 600, 1095, 315);
    caption(Frame3, QStringLiteral("Error from nominal (in or mm):"), 60, 990, 2760,
            Qt::AlignRight);
    txtAEerror = placeControl<QLineEdit>(Frame3, "txtAEerror", 2880, 960, 1095, 315);

    cmdAEclear = button(Frame3, "cmdAEclear", 2040, 1560, 975, QStringLiteral("Clear"));
    cmdAEcalc = button(Frame3, "cmdAEcalc", 3000, 1560, 975, QStringLiteral("Calculate"));
}

void frmRef::createUnitsTab(QWidget* page)
{
    Frame4 = placeOnTab<QGroupBox>(page, "Frame4", 5880, 600, 3975, 1935,
                                   QStringLiteral("Convert IN / MM"));
    Frame6 = placeControl<QGroupBox>(Frame4, "Frame6", 240, 360, 1335, 1095);
    optinTOmm = placeControl<QRadioButton>(Frame6, "optinTOmm", 120, 240, 1155, 285,
                                           QStringLiteral("IN to MM"));
    optmmTOin = placeControl<QRadioButton>(Frame6, "optmmTOin", 120, 600, 1155, 285,
                                           QStringLiteral("MM to IN"));
    optinTOmm->setChecked(true);
    caption(Frame4, QStringLiteral("Enter Distance"), 1800, 240, 1815);
    txtinmmDist = placeControl<QLineEdit>(Frame4, "txtinmmDist", 1800, 480, 1815, 285);
    caption(Frame4, QStringLiteral("Result"), 1800, 840, 1815);
    lblinmmResult = placeControl<QLabel>(Frame4, "lblinmmResult", 1800, 1080, 1815, 255);
    lblinmmResult->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    lblinmmResult->setIndent(4);
    lblinmmResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdinmmClear = button(Frame4, "cmdinmmClear", 1680, 1440, 1095, QStringLiteral("Clear"));
    cmdinmmCalc = button(Frame4, "cmdinmmCalc", 2760, 1440, 1095, QStringLiteral("Calculate"));

    Picture5 = placeOnTab<PictureBox>(page, "Picture5", 240, 720, 5415, 5415);
    Picture5->setBackColor(white);

    Frame5 = placeOnTab<QGroupBox>(page, "Frame5", 5880, 2640, 3975, 3495,
                                   QStringLiteral("Size Comparison"));
    const double tops[SizeComparison::sizeCount] = {360, 720, 1080, 1800, 2160, 2520};
    for (int i = 0; i < SizeComparison::sizeCount; ++i) {
        const SizeComparison::Size& size = SizeComparison::sizes()[i];
        const QByteArray name = "Check1_" + QByteArray::number(i);
        Check1[i] = placeControl<QCheckBox>(Frame5, name.constData(), 240, tops[i], 3615, 285,
                                            size.caption);
        QPalette colours = Check1[i]->palette();
        colours.setColor(QPalette::WindowText, size.colour);
        Check1[i]->setPalette(colours);
        Check1[i]->setChecked(true);
        fitToWidth(Check1[i]);
    }
    Label12 = placeControl<QLabel>(Frame5, "Label12", 720, 1440, 3135, 255,
                                   QStringLiteral("(Commonly refered to as Ten Millionths)"));
    fitToWidth(Label12);
    cmdPcall = button(Frame5, "cmdPcall", 480, 3000, 1095, QStringLiteral("Clear All"));
    cmdPsall = button(Frame5, "cmdPsall", 1560, 3000, 1095, QStringLiteral("Select All"));
    cmdPlot = button(Frame5, "cmdPlot", 2640, 3000, 1095, QStringLiteral("Plot"));
}

void frmRef::connectHandlers()
{
    connect(cmbGDT, &QComboBox::currentIndexChanged, this, &frmRef::cmbGDT_Click);
    for (int i = 0; i < GdtSymbols::symbolCount; ++i)
        connect(Image1[i], &SymbolPicture::clicked, this, [this, i] { Image1_Click(i); });

    const auto onSelected = [this](QRadioButton* option, void (frmRef::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected)
                (this->*handler)();
        });
    };
    onSelected(optDMS, &frmRef::optDMS_Click);
    onSelected(optCA, &frmRef::optCA_Click);
    onSelected(optDD, &frmRef::optDD_Click);
    connect(cmdDegCalc, &QPushButton::clicked, this, &frmRef::cmdDegCalc_Click);
    connect(cmdDegClear, &QPushButton::clicked, this, &frmRef::cmdDegClear_Click);
    connect(cmdAEcalc, &QPushButton::clicked, this, &frmRef::cmdAEcalc_Click);
    connect(cmdAEclear, &QPushButton::clicked, this, &frmRef::cmdAEclear_Click);
    connect(Timer1, &QTimer::timeout, this, &frmRef::Timer1_Timer);

    connect(cmdinmmCalc, &QPushButton::clicked, this, &frmRef::cmdinmmCalc_Click);
    connect(cmdinmmClear, &QPushButton::clicked, this, &frmRef::cmdinmmClear_Click);
    connect(cmdPlot, &QPushButton::clicked, this, &frmRef::cmdPlot_Click);
    connect(cmdPsall, &QPushButton::clicked, this, &frmRef::cmdPsall_Click);
    connect(cmdPcall, &QPushButton::clicked, this, &frmRef::cmdPcall_Click);
}

void frmRef::Form_Load()
{
    SSTab1->setCurrentIndex(0);
    for (const SymbolPicture* image : Image1)
        cmbGDT->addItem(image->toolTip());
    cmbGDT->setCurrentIndex(0);
    m_clock.placeOn(Picture4->clientSize());
    optDMS_Click();
    cmdAEclear_Click();
    cmdPlot_Click();
}

bool frmRef::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != lbl37)
        return CalculatorFrame::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress)
        return true;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            lbl37->rect().contains(mouse->position().toPoint()))
            lbl37_Click();
        return true;
    }
    return false;
}

void frmRef::cmbGDT_Click()
{
    const int index = cmbGDT->currentIndex();
    if (index < 0 || index >= GdtSymbols::symbolCount)
        return;
    picIn->setPicture(Image1[index]->picture());
    picIn->resize(picIn->pictureSize());
    picIn->move(Picture3->width() / 2 - picIn->width() / 2,
                Picture3->height() / 2 - picIn->height() / 2);
    txtGDT->setPlainText(GdtSymbols::symbols()[index].description);
}

void frmRef::Image1_Click(int index)
{
    cmbGDT->setCurrentIndex(index);
}

void frmRef::lbl37_Click()
{
    cmbGDT->setCurrentIndex(GdtSymbols::featureControlFrame);
}

void frmRef::lockBoxes(std::initializer_list<QLineEdit*> editable,
                       std::initializer_list<QLineEdit*> locked)
{
    const auto look = [this](QLineEdit* box, bool isLocked) {
        box->setReadOnly(isLocked);
        QPalette colours = box->palette();
        colours.setColor(QPalette::Base, isLocked ? palette().color(QPalette::Button) : white);
        box->setPalette(colours);
    };
    for (QLineEdit* box : editable)
        look(box, false);
    for (QLineEdit* box : locked)
        look(box, true);
}

void frmRef::optDMS_Click()
{
    lockBoxes({txtDegD, txtDegM, txtDegS}, {txtDD, txtCAH, txtCAM, txtCAS});
}

void frmRef::optCA_Click()
{
    lockBoxes({txtCAH, txtCAM, txtCAS}, {txtDegD, txtDegM, txtDegS, txtDD});
}

void frmRef::optDD_Click()
{
    lockBoxes({txtDD}, {txtDegD, txtDegM, txtDegS, txtCAH, txtCAM, txtCAS});
}

void frmRef::DrawClockFace()
{
    Picture4->clear();
    Picture4->draw([this](QPainter& painter) { m_clock.drawDial(painter); });
}

void frmRef::cmdDegCalc_Click()
{
    DrawClockFace();
    const auto mode = optDMS->isChecked()  ? AngleConversion::Mode::DegreesMinutesSeconds
                      : optCA->isChecked() ? AngleConversion::Mode::ClockTime
                                           : AngleConversion::Mode::DecimalDegrees;
    AngleConversion::Boxes boxes{txtDegD->text(), txtDegM->text(), txtDegS->text(), txtCAH->text(),
                                 txtCAM->text(),  txtCAS->text(),  txtDD->text()};
    const auto sweepTarget = AngleConversion::calculate(boxes, mode);
    setText(txtDegD, boxes.degD);
    setText(txtDegM, boxes.degM);
    setText(txtDegS, boxes.degS);
    setText(txtCAH, boxes.caH);
    setText(txtCAM, boxes.caM);
    setText(txtCAS, boxes.caS);
    setText(txtDD, boxes.dd);
    if (!sweepTarget)
        return;
    m_clock.startSweep(*sweepTarget);
    Timer1->start();
}

void frmRef::cmdDegClear_Click()
{
    DrawClockFace();
    for (QLineEdit* box : {txtDegD, txtDegM, txtDegS, txtDD, txtCAH, txtCAM, txtCAS})
        box->clear();
}

void frmRef::cmdAEcalc_Click()
{
    const auto angle = AngleConversion::angularErrorText(txtAEDist->text(), txtAEerror->text());
    if (!angle)
        return;
    txtDD->setText(*angle);
    // Selecting the option runs its handler only when it was not selected already.
    optDD->setChecked(true);
    optDD_Click();
    cmdDegCalc_Click();
}

void frmRef::cmdAEclear_Click()
{
    txtAEDist->clear();
    txtAEerror->clear();
    cmdDegClear_Click();
}

void frmRef::Timer1_Timer()
{
    bool sweepGoesOn = true;
    Picture4->draw([&](QPainter& painter) { sweepGoesOn = m_clock.drawSweepLine(painter); });
    if (!sweepGoesOn)
        Timer1->stop();
}

void frmRef::cmdinmmCalc_Click()
{
    const auto direction = optinTOmm->isChecked() ? InchMillimetre::Direction::InchToMillimetre
                                                  : InchMillimetre::Direction::MillimetreToInch;
    if (const auto result = InchMillimetre::resultText(txtinmmDist->text(), direction))
        lblinmmResult->setText(*result);
}

void frmRef::cmdinmmClear_Click()
{
    txtinmmDist->clear();
    lblinmmResult->clear();
}

void frmRef::cmdPlot_Click()
{
    PlotSizes();
}

void frmRef::cmdPsall_Click()
{
    for (QCheckBox* box : Check1)
        box->setChecked(true);
}

void frmRef::cmdPcall_Click()
{
    for (QCheckBox* box : Check1)
        box->setChecked(false);
}

void frmRef::PlotSizes()
{
    SizeComparison::Selection selected{};
    for (int i = 0; i < SizeComparison::sizeCount; ++i)
        selected[i] = Check1[i]->isChecked();
    Picture5->clear();
    const QSizeF drawingSize = Picture5->clientSize();
    Picture5->draw(
        [&](QPainter& painter) { SizeComparison::draw(painter, drawingSize, selected); });
}
