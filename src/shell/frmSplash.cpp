#include "shell/frmSplash.h"

#include "frame/PlaceControl.h"
#include "shell/ProductInfo.h"
#include "shell/frmSysInfo.h"

#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int ticksShown = 6;

QLabel* picture(QWidget* parent, const char* name, const QString& file, double left, double top,
                double side)
{
    auto* label = placeControl<QLabel>(parent, name, left, top, side, side);
    label->setPixmap(QIcon(file).pixmap(label->size()));
    return label;
}

QLabel* text(QWidget* parent, const char* name, const QString& caption, double top,
             double height = 285)
{
    return placeControl<QLabel>(parent, name, 2400, top, 4620, height, caption);
}

} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("About Quorvel"));
    setFixedSize(Twips::size(7380, 4380));

    fraMainFrame = placeControl<QFrame>(this, "fraMainFrame", 60, 60, 7260, 4260);
    fraMainFrame->setFrameStyle(QFrame::Box | QFrame::Raised);
    imgLogo = picture(fraMainFrame, "imgLogo", QStringLiteral(":/shell/cmm.svg"), 240, 300, 1920);
    imgPart = picture(fraMainFrame, "imgPart", QStringLiteral(":/shell/part.svg"), 660, 2400, 1080);

    lblProductName = text(fraMainFrame, "lblProductName", QStringLiteral("Quorvel"), 240, 780);
    QFont productFont = lblProductName->font();
    productFont.setPointSize(30);
    productFont.setBold(true);
    lblProductName->setFont(productFont);
    lblVersion = text(fraMainFrame, "lblVersion", QString(), 1080);
    lblCompany = text(fraMainFrame, "lblCompany", QStringLiteral("The Quorvel Project"), 1440);
    Label1 = text(fraMainFrame, "Label1", QStringLiteral("Web:"), 2040);
    Label2 = text(fraMainFrame, "Label2", ProductInfo::makerWebPage(), 2325);
    Label3 = text(fraMainFrame, "Label3", QStringLiteral("Help:"), 2760);
    Label4 = text(fraMainFrame, "Label4", QStringLiteral("F1 in any tool, or Help on the tool bar"),
                  3045);

    cmdSysInfo = placeControl<QPushButton>(fraMainFrame, "cmdSysInfo", 4200, 3660, 1560, 405,
                                           QStringLiteral("&System Info..."));
    cmdOK = placeControl<QPushButton>(fraMainFrame, "cmdOK", 5880, 3660, 1140, 405,
                                      QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdOK->hide();
    cmdSysInfo->hide();

    // Clicks on the frame, the pictures and the labels.
    for (QWidget* clickable :
         std::initializer_list<QWidget*>{fraMainFrame, imgLogo, imgPart, lblProductName, lblVersion,
                                         lblCompany, Label1, Label2, Label3, Label4})
        clickable->installEventFilter(this);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    connect(cmdOK, &QPushButton::clicked, this, &frmSplash::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmSplash::cmdSysInfo_Click);
    Form_Load();
    Timer1->start();
}

void frmSplash::Form_Load()
{
    lblVersion->setText(QStringLiteral("Version ") + ProductInfo::version());
}

void frmSplash::setAboutMode()
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    cmdOK->show();
    cmdSysInfo->show();
    Timer1->stop();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        fraMainFrame_Click();
    return QDialog::eventFilter(watched, event);
}

void frmSplash::Timer1_Timer()
{
    if (++m_ticks >= ticksShown)
        accept();
}

// A click on the frame, a picture or a label closes the splash screen; the about box
// has its OK button for that.
void frmSplash::fraMainFrame_Click()
{
    if (cmdOK->isHidden())
        accept();
}

void frmSplash::cmdOK_Click()
{
    accept();
}

void frmSplash::cmdSysInfo_Click()
{
    StartSysInfo(this);
}
