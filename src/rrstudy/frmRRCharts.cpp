#include "rrstudy/frmRRCharts.h"

#include "common/Dialogs.h"
#include "common/SaveFile.h"
#include "printing/PdfPrintTarget.h"
#include "printing/PrinterChoice.h"
#include "printing/Printing.h"
#include "printing/frmPrinter.h"
#include "rrstudy/GageChartScene.h"
#include "rrstudy/TextTableView.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

// Where the page's tables go: the ANOVA with interaction, without it, the variance
// components, the distinct categories.
const char* const tableNames[] = {"tblAnova", "tblAnovaPooled", "tblComponents", "tblCategories"};
constexpr int pooledTable = 1;

QString verdictColour(const QString& verdict)
{
    if (verdict.startsWith(QLatin1String("Acceptable")))
        return QStringLiteral("#2e7d32");
    if (verdict.startsWith(QLatin1String("Unacceptable")))
        return QStringLiteral("#c62828");
    return QStringLiteral("#b26a00");
}

// The tables' column is as wide as they need, up to this; beyond it, it scrolls.
constexpr int maxTablesWidth = 720;

// A PNG of the page is drawn at this resolution.
constexpr double pngDotsPerInch = 150;

} // namespace

frmRRCharts::frmRRCharts(const Study& study, const StudyInformation& information, QWidget* parent)
    : QWidget(parent, Qt::Window), m_study(study), m_information(information)
{
    setObjectName(QStringLiteral("frmRRCharts"));
    createControls();
    connect(cmbStudyVariation, &QComboBox::currentIndexChanged, this,
            [this] { showFeature(m_feature); });
    connect(cmbRemovalLevel, &QComboBox::currentIndexChanged, this,
            [this] { showFeature(m_feature); });
    connect(cmdPrint, &QPushButton::clicked, this, &frmRRCharts::cmdPrint_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmRRCharts::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    resize(QSize(1400, 900).boundedTo(screen()->availableGeometry().size() * 0.95));
}

void frmRRCharts::createControls()
{
    auto* layout = new QVBoxLayout(this);
    lblFeature = new QLabel(this);
    lblFeature->setObjectName(QStringLiteral("lblFeature"));
    QFont headingFont = lblFeature->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    lblFeature->setFont(headingFont);
    lblFeature->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblFeature);
    layout->addWidget(lblSummary);

    auto* charts = new QHBoxLayout;
    m_scene = new GageChartScene(this);
    chartView = new QGraphicsView(m_scene, this);
    chartView->setObjectName(QStringLiteral("chartView"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    chartView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    chartView->setMinimumSize(360, 360);
    m_tablesScroll = new QScrollArea(this);
    m_tablesScroll->setWidgetResizable(true);
    m_tablesPanel = new QWidget;
    QFont tableFont = m_tablesPanel->font();
    tableFont.setPointSizeF(tableFont.pointSizeF() * 0.9);
    m_tablesPanel->setFont(tableFont);
    auto* tablesLayout = new QVBoxLayout(m_tablesPanel);
    for (const char* name : tableNames) {
        auto* title = new QLabel(m_tablesPanel);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        auto* table = new TextTableView(m_tablesPanel);
        table->setObjectName(QLatin1String(name));
        tablesLayout->addWidget(title);
        tablesLayout->addWidget(table);
        m_tableTitles.append(title);
        m_tables.append(table);
    }
    tablesLayout->addStretch();
    m_tablesScroll->setWidget(m_tablesPanel);
    // The charts take what the window gives; the tables the width they need.
    charts->addWidget(chartView, 1);
    charts->addWidget(m_tablesScroll);
    layout->addLayout(charts, 1);

    auto* controls = new QHBoxLayout;
    cmbStudyVariation = new QComboBox(this);
    cmbStudyVariation->setObjectName(QStringLiteral("cmbStudyVariation"));
    cmbStudyVariation->addItem(QStringLiteral("6 x StdDev"), 6.0);
    cmbStudyVariation->addItem(QStringLiteral("5.15 x StdDev"), 5.15);
    cmbRemovalLevel = new QComboBox(this);
    cmbRemovalLevel->setObjectName(QStringLiteral("cmbRemovalLevel"));
    for (const double level : {0.01, 0.05, 0.10, 0.25})
        cmbRemovalLevel->addItem(QLocale().toString(level), level);
    cmbRemovalLevel->setCurrentIndex(1);
    auto* variationLabel = new QLabel(QStringLiteral("Study variation:"), this);
    variationLabel->setBuddy(cmbStudyVariation);
    auto* removalLabel =
        new QLabel(QStringLiteral("Remove the interaction when its p is above:"), this);
    removalLabel->setBuddy(cmbRemovalLevel);
    cmdPrint = new QPushButton(QStringLiteral("Print..."), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdSave = new QPushButton(QStringLiteral("Save As..."), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    controls->addWidget(variationLabel);
    controls->addWidget(cmbStudyVariation);
    controls->addSpacing(16);
    controls->addWidget(removalLabel);
    controls->addWidget(cmbRemovalLevel);
    controls->addStretch();
    controls->addWidget(cmdPrint);
    controls->addWidget(cmdSave);
    controls->addWidget(cmdClose);
    layout->addLayout(controls);
}

GageAnovaOptions frmRRCharts::options() const
{
    return {cmbStudyVariation->currentData().toDouble(), cmbRemovalLevel->currentData().toDouble()};
}

void frmRRCharts::showFeature(int number)
{
    m_feature = number;
    m_page = GageChartPage::of(m_study, m_information, number, options());
    setWindowTitle(QStringLiteral("Charts and ANOVA - %1").arg(m_page.feature));
    lblFeature->setText(QStringLiteral("<b>%1</b> &nbsp; <span style=\"color:%2\"><b>%3</b></span>")
                            .arg(m_page.feature.toHtmlEscaped(), verdictColour(m_page.verdict),
                                 m_page.verdict.toHtmlEscaped()));
    const bool drawn = m_page.problem.isEmpty();
    lblSummary->setText(drawn ? m_page.summary + QStringLiteral(".  ") + m_page.options +
                                    QLatin1Char('.')
                              : m_page.problem);
    chartView->setVisible(drawn);
    m_tablesPanel->setVisible(drawn);
    cmdPrint->setEnabled(drawn);
    cmdSave->setEnabled(drawn);
    if (!drawn)
        return;
    const bool pooled = m_page.tables.size() == 4;
    for (qsizetype t = 0, from = 0; t < m_tables.size(); ++t) {
        const bool shown = t != pooledTable || pooled;
        m_tableTitles[t]->setVisible(shown);
        m_tables[t]->setVisible(shown);
        if (!shown)
            continue;
        const TextTable& table = m_page.tables.at(from++);
        m_tableTitles[t]->setText(table.title);
        m_tables[t]->showTable(table);
    }
    m_tablesScroll->setFixedWidth(qMin(m_tablesPanel->sizeHint().width() +
                                           2 * m_tablesScroll->frameWidth() +
                                           m_tablesScroll->verticalScrollBar()->sizeHint().width(),
                                       maxTablesWidth));
    m_scene->showCharts(m_page.charts);
    fitCharts();
}

void frmRRCharts::fitCharts()
{
    chartView->fitInView(m_scene->sceneRect(), Qt::KeepAspectRatio);
}

void frmRRCharts::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitCharts();
}

void frmRRCharts::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    fitCharts();
}

void frmRRCharts::cmdPrint_Click()
{
    frmPrinter printerDialog(this);
    dialogs().exec(&printerDialog);
    if (!printerChoice().PrintConfirmed)
        return;
    const std::unique_ptr<PrintTarget> target =
        printing().openTarget(this, QStringLiteral("Gage R&R charts - %1").arg(m_page.feature), 1);
    if (!target)
        return;
    bool printed = target->beginDocument();
    for (int copy = 0; printed && copy < printerChoice().PrintCopies; ++copy) {
        if (copy > 0)
            printed = target->newPage();
        if (printed)
            DrawGageChartPage(target->painter(), target->printableRect(), m_page);
    }
    if (!printed || !target->endDocument())
        dialogs().message(this, target->errorString(), QStringLiteral("Printer Error!"));
}

void frmRRCharts::cmdSave_Click()
{
    QString name = m_page.feature.trimmed();
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("Gage R&R charts - %1.png").arg(name));
    QString path =
        dialogs().saveFileName(this, QStringLiteral("Save Charts"), suggested,
                               QStringLiteral("PNG Image (*.png);;PDF Document (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    const bool pdf =
        QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    const QString error = pdf ? savePdf(path) : savePng(path);
    if (!error.isEmpty())
        dialogs().message(this, QStringLiteral("The charts could not be saved: %1").arg(error),
                          applicationTitle(), Dialogs::Icon::Warning);
}

QString frmRRCharts::savePdf(const QString& path)
{
    PdfPrintTarget pdf(path, 1, QStringLiteral("Gage R&R charts - %1").arg(m_page.feature));
    if (!pdf.beginDocument())
        return pdf.errorString();
    DrawGageChartPage(pdf.painter(), pdf.printableRect(), m_page);
    return pdf.endDocument() ? QString() : pdf.errorString();
}

QString frmRRCharts::savePng(const QString& path)
{
    // The same page as on paper, on the paper a PDF would take.
    const PdfPrintTarget paper(QString(), 1);
    const QRectF sheet = paper.paperRect();
    const double scale = pngDotsPerInch / 72;
    QImage image((sheet.size() * scale).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(pngDotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(pngDotsPerInch / 0.0254));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        painter.translate(-sheet.topLeft());
        DrawGageChartPage(painter, paper.printableRect(), m_page);
    }
    SaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return QString();
}
