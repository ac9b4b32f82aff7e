#include "rrstudy/frmRR.h"

#include "common/Dialogs.h"
#include "common/NumberText.h"
#include "frame/PlaceControl.h"
#include "import/ImportFile.h"
#include "import/frmImport.h"
#include "rrstudy/GageSheets.h"
#include "rrstudy/SheetPainter.h"
#include "rrstudy/SheetView.h"
#include "rrstudy/StudyInformation.h"
#include "rrstudy/ToleranceLimits.h"
#include "rrstudy/frmRRCharts.h"
#include "rrstudy/frmRRinfo.h"
#include "rrstudy/modRR.h"
#include "printing/PrinterChoice.h"
#include "printing/Printing.h"
#include "printing/frmPrinter.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

namespace {

constexpr int keyRole = Qt::UserRole;
constexpr double summaryBottomMarginTwips = 240;

// The pictures of ImageList1, by position from 1: open, closed and feature of the
// green "G", yellow "Y" and red "R" groups.
QList<QIcon> loadTreePictures()
{
    QList<QIcon> pictures;
    for (const char* colour : {"green", "yellow", "red"})
        for (const char* kind : {"open", "closed", "feature"})
            pictures.append(QIcon(QStringLiteral(":/rrstudy/icons/%1-%2.svg").arg(QLatin1String(colour), QLatin1String(kind))));
    return pictures;
}

struct Group {
    QChar key;
    const char* verdict;
};

const Group groups[] = {{QLatin1Char('G'), "Acceptable"}, {QLatin1Char('Y'), "Caution"}, {QLatin1Char('R'), "Unacceptable"}};

// The position in ImageList1 of a group's first picture; the closed group and the
// feature pictures follow it.
int groupPicture(QChar key)
{
    return key == QLatin1Char('G') ? 1 : key == QLatin1Char('Y') ? 4 : 7;
}

} // namespace

frmRR::frmRR(QWidget* parent) : CalculatorFrame(10575, 6975, parent)
{
    setObjectName(QStringLiteral("frmRR"));
    createControls();

    connect(cmbAccept, &QComboBox::currentIndexChanged, this, &frmRR::cmbAccept_Click);
    connect(cmbUnaccept, &QComboBox::currentIndexChanged, this, &frmRR::cmbUnaccept_Click);
    connect(ckIn, &QCheckBox::clicked, this, &frmRR::ckIn_Click);
    connect(ckOut, &QCheckBox::clicked, this, &frmRR::ckOut_Click);
    connect(ckSummary, &QCheckBox::clicked, this, &frmRR::ckSummary_Click);
    connect(ckSelectedOnly, &QCheckBox::clicked, this, &frmRR::ckSelectedOnly_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmRR::cmdImport_Click);
    connect(cmdRecalc, &QPushButton::clicked, this, &frmRR::cmdRecalc_Click);
    connect(cmdRRinfo, &QPushButton::clicked, this, &frmRR::cmdRRinfo_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmRR::cmdPrint_Click);
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &frmRR::TreeView1_NodeClick);
    connect(TreeView1, &QTreeWidget::itemExpanded, this, &frmRR::TreeView1_Expand);
    connect(TreeView1, &QTreeWidget::itemCollapsed, this, &frmRR::TreeView1_Collapse);
    connect(vspicrr, &QScrollBar::valueChanged, this, &frmRR::vspicrr_Change);
    // The sheet scrolls under the mouse wheel through its own (hidden) bar.
    connect(pic2->verticalScrollBar(), &QScrollBar::valueChanged, vspicrr, &QScrollBar::setValue);

    // Beyond the sheets: a feature's charts and ANOVA in a window of their own.
    actChartsAndAnova = new QAction(QStringLiteral("Charts and ANOVA..."), TreeView1);
    actChartsAndAnova->setObjectName(QStringLiteral("actChartsAndAnova"));
    actChartsAndAnova->setEnabled(false);
    TreeView1->addAction(actChartsAndAnova);
    TreeView1->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(actChartsAndAnova, &QAction::triggered, this, &frmRR::showChartsAndAnova);
    connect(TreeView1, &QTreeWidget::itemActivated, this, &frmRR::showChartsAndAnova);

    Form_Load();
}

void frmRR::createControls()
{
    QWidget* panel = picture();

    Label5 = placeControl<QLabel>(panel, "Label5", 2160, 120, 7935, 375,
                                  QStringLiteral("Gage Repeatability and Reproducibility Results"));
    QFont headingFont = Label5->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    Label5->setFont(headingFont);
    Label5->setAlignment(Qt::AlignCenter);
    Label4 = placeControl<QLabel>(panel, "Label4", 120, 330, 2055, 255, QStringLiteral("Feature Tree"));

    ImageList1 = loadTreePictures();
    TreeView1 = placeControl<QTreeWidget>(panel, "TreeView1", 120, 600, 2055, 4815);
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    TreeView1->setUniformRowHeights(true);
    TreeView1->setRootIsDecorated(true);
    // Long names scroll sideways instead of being cut short.
    TreeView1->setTextElideMode(Qt::ElideNone);
    TreeView1->header()->setStretchLastSection(false);

    picRR = placeControl<QFrame>(panel, "picRR", 2160, 600, 7935, 4815);
    picRR->setFrameShape(QFrame::StyledPanel);
    picRR->setFrameShadow(QFrame::Sunken);
    pic2 = placeControl<SheetView>(picRR, "pic2", 0, 0, 0, 0);
    pic2->setGeometry(picRR->contentsRect());
    vspicrr = placeControl<QScrollBar>(panel, "vspicrr", 10080, 600, 255, 4815, Qt::Vertical);

    Frame4 = placeControl<QGroupBox>(panel, "Frame4", 90, 5520, 4455, 1335, QStringLiteral("Tolerance"));
    Label1 = placeControl<QLabel>(Frame4, "Label1", 120, 360, 1335, 240, QStringLiteral("Acceptable"));
    cmbAccept = placeControl<QComboBox>(Frame4, "cmbAccept", 120, 645, 1335, 330);
    cmbAccept->addItems(ToleranceLimits::acceptChoices());
    Label2 = placeControl<QLabel>(Frame4, "Label2", 1560, 360, 1335, 240, QStringLiteral("Caution Range"));
    lblCaution = placeControl<QLabel>(Frame4, "lblCaution", 1560, 645, 1335, 330);
    lblCaution->setFrameShape(QFrame::Panel);
    lblCaution->setFrameShadow(QFrame::Sunken);
    lblCaution->setAlignment(Qt::AlignCenter);
    Label3 = placeControl<QLabel>(Frame4, "Label3", 3000, 360, 1335, 240, QStringLiteral("Unacceptable"));
    cmbUnaccept = placeControl<QComboBox>(Frame4, "cmbUnaccept", 3000, 645, 1335, 330);
    cmbUnaccept->addItems(ToleranceLimits::unacceptChoices());

    Frame3 = placeControl<QGroupBox>(panel, "Frame3", 4635, 5520, 1515, 1335, QStringLiteral("File"));
    cmdImport = placeControl<QPushButton>(Frame3, "cmdImport", 120, 300, 1275, 435, QStringLiteral("Import"));
    cmdRecalc = placeControl<QPushButton>(Frame3, "cmdRecalc", 120, 780, 1275, 435, QStringLiteral("Recalculate"));

    Frame2 = placeControl<QGroupBox>(panel, "Frame2", 6240, 5520, 2775, 1335, QStringLiteral("Print Features"));
    ckIn = placeControl<QCheckBox>(Frame2, "ckIn", 120, 270, 1575, 255, QStringLiteral("In Tol."));
    ckOut = placeControl<QCheckBox>(Frame2, "ckOut", 120, 525, 1575, 255, QStringLiteral("Out of Tol."));
    ckSummary = placeControl<QCheckBox>(Frame2, "ckSummary", 120, 780, 1575, 255, QStringLiteral("Summary"));
    ckSelectedOnly = placeControl<QCheckBox>(Frame2, "ckSelectedOnly", 120, 1035, 1575, 255,
                                             QStringLiteral("Selected Only"));
    cmdPrint = placeControl<QPushButton>(Frame2, "cmdPrint", 1755, 480, 900, 555, QStringLiteral("Print"));

    cmdRRinfo =
        placeControl<QPushButton>(panel, "cmdRRinfo", 9105, 5610, 1380, 1245, QStringLiteral("Information"));
}

void frmRR::Form_Load()
{
    EnableStudyControls(0);
    cmbAccept->setCurrentIndex(ToleranceLimits::defaultAcceptIndex);
    cmbUnaccept->setCurrentIndex(ToleranceLimits::defaultUnacceptIndex);
    SyncToleranceLimits();
    SetDisplayScroll();
}

void frmRR::EnableStudyControls(int enabled)
{
    if (enabled != 0 && enabled != 1)
        return;
    for (QWidget* control : std::initializer_list<QWidget*>{cmbAccept, cmbUnaccept, ckSelectedOnly, cmdRRinfo,
                                                            cmdPrint, ckSummary, ckOut, ckIn, cmdRecalc})
        control->setEnabled(enabled == 1);
}

void frmRR::SyncToleranceLimits()
{
    cmbUnaccept->setCurrentIndex(
        ToleranceLimits::syncedUnacceptIndex(cmbAccept->currentIndex(), cmbUnaccept->currentIndex()));
    lblCaution->setText(ToleranceLimits::cautionText(cmbAccept->currentText(), cmbUnaccept->currentText()));
}

void frmRR::SetDisplayScroll()
{
    const double viewHeight = Twips::fromPixels(picRR->contentsRect().height());
    const int maximum = qMax(0, qRound(pic2->sheetHeight() - viewHeight));
    // A step never passes over more than the view shows, however long the sheet.
    const int viewStep = qMax(1, qRound(viewHeight));
    const int smallStep = qMin(qRound(maximum / 50.0), viewStep / 10);
    const int largeStep = qMin(qRound(maximum / 10.0), viewStep);
    for (QScrollBar* bar : {vspicrr, pic2->verticalScrollBar()}) {
        bar->setRange(0, maximum);
        bar->setSingleStep(qMax(1, smallStep));
        bar->setPageStep(qMax(1, largeStep));
    }
}

void frmRR::vspicrr_Change(int value)
{
    pic2->setSheetTop(-value);
    pic2->verticalScrollBar()->setValue(value);
}

void frmRR::cmbAccept_Click()
{
    SyncToleranceLimits();
}

void frmRR::cmbUnaccept_Click()
{
    SyncToleranceLimits();
}

void frmRR::uncheckSelectedOnlyIfChecked(QCheckBox* box)
{
    if (box->isChecked())
        ckSelectedOnly->setChecked(false);
}

void frmRR::ckIn_Click()
{
    uncheckSelectedOnlyIfChecked(ckIn);
}

void frmRR::ckOut_Click()
{
    uncheckSelectedOnlyIfChecked(ckOut);
}

void frmRR::ckSummary_Click()
{
    uncheckSelectedOnlyIfChecked(ckSummary);
}

void frmRR::ckSelectedOnly_Click()
{
    if (!ckSelectedOnly->isChecked())
        return;
    for (QCheckBox* box : {ckSummary, ckOut, ckIn})
        box->setChecked(false);
}

void frmRR::cmdImport_Click()
{
    Study& study = theStudy();
    study.ImportSucceeded = false;
    const QString path = dialogs().openFileName(this, QString(), QString(),
                                                QStringLiteral("Comma Seperated Value Files (*.csv)"));
    if (path.isEmpty())
        return;
    ImportFileName() = path;
    frmImport importWindow(cmbAccept->currentText(), cmbUnaccept->currentText(), this);
    dialogs().exec(&importWindow);
    if (!study.ImportSucceeded)
        return;
    // Its feature belonged to the study the import replaced.
    if (m_chartWindow)
        m_chartWindow->hide();
    clearTreeAndSheet();
    BuildFeatureTree();
    EnableStudyControls(1);
    {
        const QSignalBlocker quiet(TreeView1);
        TreeView1->setCurrentItem(TreeView1->topLevelItem(0));
    }
    PrintSummarySheetOnScreen();
    TreeView1->setFocus();
    picture()->update();
}

void frmRR::cmdRecalc_Click()
{
    clearTreeAndSheet();
    CalculateStudy(theStudy(), cmbAccept->currentText(), cmbUnaccept->currentText());
    BuildFeatureTree();
    PrintSummarySheetOnScreen();
    if (m_chartWindow && m_chartWindow->isVisible())
        m_chartWindow->showFeature(m_chartWindow->feature());
}

void frmRR::clearTreeAndSheet()
{
    pic2->clearSheet();
    actChartsAndAnova->setEnabled(false);
    const QSignalBlocker quiet(TreeView1);
    TreeView1->clear();
}

void frmRR::BuildFeatureTree()
{
    Study& study = theStudy();
    TallyStatuses(study);
    const qint16 counts[] = {study.AcceptableCount, study.CautionCount, study.UnacceptableCount};

    QList<QTreeWidgetItem*> groupNodes;
    for (int g = 0; g < 3; ++g) {
        const Group& group = groups[g];
        const int firstPicture = groupPicture(group.key);
        auto* node = new QTreeWidgetItem(
            {QStringLiteral("%1 (%2)").arg(QLatin1String(group.verdict)).arg(counts[g])});
        node->setData(0, keyRole, QString(group.key));
        node->setIcon(0, treePicture(firstPicture + 1));
        QList<QTreeWidgetItem*> features;
        for (const StudyFeature& feature : study.Features) {
            if (feature.Status != QLatin1String(group.verdict))
                continue;
            auto* child = new QTreeWidgetItem(
                {feature.Name + QStringLiteral(" (") + NumberText::formatNumber(feature.PctRR, QStringLiteral("0.0"))
                 + QLatin1Char(')')});
            child->setData(0, keyRole, QStringLiteral("F%1").arg(feature.Number));
            child->setIcon(0, treePicture(firstPicture + 2));
            features.append(child);
        }
        node->addChildren(features);
        groupNodes.append(node);
    }
    const QSignalBlocker quiet(TreeView1);
    TreeView1->addTopLevelItems(groupNodes);
    fitTreeColumn(groupNodes);
}

void frmRR::fitTreeColumn(const QList<QTreeWidgetItem*>& groupNodes)
{
    // Summing each character's advance (kept per character) is close enough for a
    // column width and far cheaper than measuring tens of thousands of texts whole.
    const QFontMetrics metrics(TreeView1->font());
    QHash<QChar, int> advances;
    const auto width = [&](const QString& text) {
        int total = 0;
        for (const QChar c : text) {
            auto found = advances.constFind(c);
            if (found == advances.constEnd())
                found = advances.insert(c, metrics.horizontalAdvance(c));
            total += *found;
        }
        return total;
    };
    int widest = 0;
    for (const QTreeWidgetItem* group : groupNodes) {
        widest = qMax(widest, width(group->text(0)));
        for (int i = 0; i < group->childCount(); ++i)
            widest = qMax(widest, width(group->child(i)->text(0)) + TreeView1->indentation());
    }
    const int pictureAndMargins = TreeView1->iconSize().width() + TreeView1->indentation() + 16;
    TreeView1->setColumnWidth(0, qMax(TreeView1->viewport()->width(), widest + pictureAndMargins));
}

void frmRR::TreeView1_NodeClick(QTreeWidgetItem* node)
{
    if (!node)
        return;
    pic2->clearSheet();
    const QString key = node->data(0, keyRole).toString();
    const bool featureNode = key.startsWith(QLatin1Char('F'));
    if (featureNode)
        PrintDataSheetOnScreen(key.mid(1).toInt());
    else
        PrintSummarySheetOnScreen();
    actChartsAndAnova->setEnabled(featureNode);
    if (featureNode && m_chartWindow && m_chartWindow->isVisible())
        m_chartWindow->showFeature(key.mid(1).toInt());
}

void frmRR::showChartsAndAnova()
{
    const QString key = selectedKey();
    if (!key.startsWith(QLatin1Char('F')))
        return;
    if (!m_chartWindow)
        m_chartWindow = new frmRRCharts(theStudy(), theStudyInformation(), this);
    m_chartWindow->showFeature(key.mid(1).toInt());
    m_chartWindow->show();
    m_chartWindow->raise();
    m_chartWindow->activateWindow();
}

void frmRR::TreeView1_Expand(QTreeWidgetItem* node)
{
    const QString key = node->data(0, keyRole).toString();
    if (key.size() == 1)
        node->setIcon(0, treePicture(groupPicture(key.at(0))));
}

void frmRR::TreeView1_Collapse(QTreeWidgetItem* node)
{
    const QString key = node->data(0, keyRole).toString();
    if (key.size() == 1)
        node->setIcon(0, treePicture(groupPicture(key.at(0)) + 1));
}

void frmRR::PrintSummarySheetOnScreen()
{
    PrintSummarySheet(pic2->recording(), theStudy(), theStudyInformation(), limitTexts());
    // The sheet is as tall as what was drawn on it, so its end is in view at the end of
    // the scroll range however many features it lists.
    pic2->setSheetHeight(pic2->recording().bottom() * twipsPerPoint + summaryBottomMarginTwips);
    SetDisplayScroll();
    pic2->showRecording();
}

void frmRR::PrintDataSheetOnScreen(int feature)
{
    pic2->setSheetHeight(dataSheetHeightTwips);
    SetDisplayScroll();
    PrintDataSheet(pic2->recording(), theStudy(), theStudyInformation(), feature);
    pic2->showRecording();
}

QIcon frmRR::treePicture(int position) const
{
    return ImageList1.at(position - 1);
}

LimitTexts frmRR::limitTexts() const
{
    return {cmbAccept->currentText(), lblCaution->text(), cmbUnaccept->currentText()};
}

QString frmRR::selectedKey() const
{
    const QTreeWidgetItem* node = TreeView1->currentItem();
    return node ? node->data(0, keyRole).toString() : QString();
}

void frmRR::cmdRRinfo_Click()
{
    frmRRinfo information(theStudyInformation(), this);
    dialogs().exec(&information);
}

void frmRR::cmdPrint_Click()
{
    const SheetChoice choice = sheetChoice();
    if (choice.selectedOnly && choice.selectedKey.isEmpty()) {
        dialogs().message(this, QStringLiteral("Select a feature in the tree first."), applicationTitle());
        return;
    }
    frmPrinter printerDialog(this);
    dialogs().exec(&printerDialog);
    const PrinterChoice& answer = printerChoice();
    if (!answer.PrintConfirmed)
        return;
    if (!choice.selectedOnly && !choice.summary && !choice.inTolerance && !choice.outOfTolerance)
        return;
    const std::unique_ptr<PrintTarget> target = printing().openTarget(this, QStringLiteral("Gage R&R"), 1);
    if (!target)
        return;
    // A large job (a summary of 500 pages takes seconds) shows its progress and can be
    // cancelled; a cancelled document is dropped whole.
    const LimitTexts limits = limitTexts();
    QProgressDialog progress(QStringLiteral("Printing the Gage R&R sheets ..."), QStringLiteral("Cancel"), 0,
                             StudySheetPages(answer.PrintCopies, choice, theStudy(), theStudyInformation(), limits),
                             this);
    progress.setWindowTitle(applicationTitle());
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(300);
    progress.setAutoClose(false);
    // A failing step of the job is skipped: the printer target draws nothing on a
    // document it could not start, and the sheets go on.
    PrinterSheetTarget printer(*target, SheetView::sheetWidth() / twipsPerPoint, [&progress](int page) {
        progress.setValue(page - 1);
        return !progress.wasCanceled();
    });
    PrintStudySheets(printer, answer.PrintCopies, choice, theStudy(), theStudyInformation(), limits,
                     [](int) { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    printer.finish();
}

SheetChoice frmRR::sheetChoice() const
{
    SheetChoice choice;
    choice.selectedOnly = ckSelectedOnly->isChecked();
    choice.summary = ckSummary->isChecked();
    choice.inTolerance = ckIn->isChecked();
    choice.outOfTolerance = ckOut->isChecked();
    choice.selectedKey = selectedKey();
    return choice;
}
