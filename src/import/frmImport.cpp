#include "import/frmImport.h"

#include "common/Dialogs.h"
#include "common/Twips.h"
#include "import/ImportFile.h"
#include "import/ImportProcess.h"
#include "import/modImport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragMoveEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString templateFilter = QStringLiteral("Template Files (*.tpl)");
const QColor dragTargetColour(0, 255, 0);
const QColor dragOtherColour(255, 255, 255);

struct BlockBoxText {
    const char* label;
    const char* toolTip;
};

// Indexed like the block boxes.
const BlockBoxText blockBoxTexts[ImportLayout::blockCount] = {
    {"First run row / column  block:", "Block that contains the fist column and row of data"},
    {"Lower tolerance Row:", "Any block from the Lower tolerance row"},
    {"Upper tolerance Row:", "Any block from the Upper tolerance row"},
    {"Feature Name Row", "Any block from the Feature name row"},
    {"Run Info. Column:", "Any block from an additional information column"},
};

// The order the block boxes are shown in, top to bottom: as the rows lie in a file.
const int blockBoxOrder[ImportLayout::blockCount] = {
    ImportLayout::FeatureName, ImportLayout::UpperTolerance, ImportLayout::LowerTolerance,
    ImportLayout::FirstRun, ImportLayout::RunInfo};

QString indexedName(const char* base, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index);
}

QLineEdit* createBox(const QString& name, double widthTwips, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFixedWidth(Twips::toPixels(widthTwips));
    // A disabled box shows the button face, an enabled one the window colour.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Button));
    box->setPalette(palette);
    return box;
}

void setBoxColour(QLineEdit* box, const QColor& colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Active, QPalette::Base, colour);
    palette.setColor(QPalette::Inactive, QPalette::Base, colour);
    box->setPalette(palette);
}

QLabel* createHeadingLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    return label;
}

void showError(QWidget* parent, const QString& prefix, const AppError& error)
{
    dialogs().message(parent, error.message(prefix), applicationTitle(), Dialogs::Icon::Warning);
}

// Checks an option or check box and runs its handler even when it was checked
// already, as choosing it again does.
void choose(QAbstractButton* button, bool checked, const std::function<void()>& handler)
{
    if (button->isChecked() == checked)
        handler();
    else
        button->setChecked(checked);
}

void chooseItem(QComboBox* list, int index, const std::function<void()>& handler)
{
    if (list->currentIndex() == index)
        handler();
    else
        list->setCurrentIndex(index);
}

} // namespace

frmImport::frmImport(const QString& acceptLimitText, const QString& unacceptLimitText,
                     QWidget* parent)
    : QDialog(parent), m_acceptLimitText(acceptLimitText), m_unacceptLimitText(unacceptLimitText)
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Import csv file"));
    setModal(true);
    m_source = new modImport(this);

    auto* left = new QVBoxLayout;
    left->addWidget(createGridPanel());
    left->addLayout(createBlockBoxes());
    left->addStretch();

    cmdLoad = new QPushButton(QStringLiteral("Load Template"), this);
    cmdLoad->setObjectName(QStringLiteral("cmdLoad"));
    cmdSave = new QPushButton(QStringLiteral("Save Template"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdProcess = new QPushButton(QStringLiteral("Process"), this);
    cmdProcess->setObjectName(QStringLiteral("cmdProcess"));
    cmdProcess->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdLoad);
    buttons->addWidget(cmdSave);
    buttons->addStretch();
    buttons->addWidget(cmdProcess);

    auto* right = new QVBoxLayout;
    right->addLayout(createStudyChoices());
    right->addSpacing(Twips::toPixels(120));
    right->addLayout(createTrialBoxes());
    right->addStretch();
    right->addLayout(buttons);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addSpacing(Twips::toPixels(240));
    columns->addLayout(right);
    columns->setSizeConstraint(QLayout::SetFixedSize);

    connectHandlers();
    Form_Load();
}

QWidget* frmImport::createGridPanel()
{
    auto* panel = new QWidget(this);
    DataGrid1 = new QTableView(panel);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setModel(m_source);
    DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DataGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DataGrid1->setDragEnabled(true);
    DataGrid1->setDragDropMode(QAbstractItemView::DragOnly);
    DataGrid1->setDefaultDropAction(Qt::CopyAction);
    DataGrid1->setWordWrap(false);
    DataGrid1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    DataGrid1->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    DataGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DataGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The labels beside the grid number its rows and columns from 1.
    DataGrid1->horizontalHeader()->hide();
    DataGrid1->verticalHeader()->hide();

    // Fixed sections sized once: measuring the contents of a file of thousands of
    // columns would take seconds.
    const QFontMetrics metrics(DataGrid1->font());
    const int columnWidth = metrics.horizontalAdvance(QStringLiteral("-0000.00000")) + 10;
    const int rowHeight = metrics.height() + 6;
    for (QHeaderView* header : {DataGrid1->horizontalHeader(), DataGrid1->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(1);
    }
    DataGrid1->horizontalHeader()->setDefaultSectionSize(columnWidth);
    DataGrid1->verticalHeader()->setDefaultSectionSize(rowHeight);

    const int frame = DataGrid1->frameWidth();
    const int scrollBar = DataGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("00000")) + 8;
    const QRect grid(labelWidth, rowHeight, 2 * frame + visibleColumns * columnWidth + scrollBar,
                     2 * frame + visibleRows * rowHeight + scrollBar);
    DataGrid1->setGeometry(grid);
    for (int i = 0; i < visibleColumns; ++i) {
        lblCol[i] = createHeadingLabel(indexedName("lblCol", i), panel);
        lblCol[i]->setGeometry(grid.left() + frame + i * columnWidth, 0, columnWidth, rowHeight);
    }
    for (int i = 0; i < visibleRows; ++i) {
        lblRow[i] = createHeadingLabel(indexedName("lblRow", i), panel);
        lblRow[i]->setGeometry(0, grid.top() + frame + i * rowHeight, labelWidth, rowHeight);
    }
    panel->setFixedSize(grid.right() + 1, grid.bottom() + 1);
    return panel;
}

QGridLayout* frmImport::createBlockBoxes()
{
    auto* layout = new QGridLayout;
    Check1 = new QCheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setToolTip(QStringLiteral("Use a run information column"));
    for (int row = 0; row < ImportLayout::blockCount; ++row) {
        const int block = blockBoxOrder[row];
        auto* label = new QLabel(QLatin1String(blockBoxTexts[block].label), this);
        txtSP[block] = createBox(indexedName("txtSP", block), 1500, this);
        txtSP[block]->setToolTip(QLatin1String(blockBoxTexts[block].toolTip));
        txtSP[block]->installEventFilter(this);
        layout->addWidget(label, row, 1);
        layout->addWidget(txtSP[block], row, 2);
    }
    layout->addWidget(Check1, ImportLayout::blockCount - 1, 0);
    layout->setColumnStretch(3, 1);
    txtSP[ImportLayout::RunInfo]->setEnabled(false);
    return layout;
}

QGridLayout* frmImport::createStudyChoices()
{
    auto* layout = new QGridLayout;
    cmbNumParts = new QComboBox(this);
    cmbNumParts->setObjectName(QStringLiteral("cmbNumParts"));
    for (int parts = 2; parts <= maxParts; ++parts)
        cmbNumParts->addItem(QString::number(parts));
    cmbNumRuns = new QComboBox(this);
    cmbNumRuns->setObjectName(QStringLiteral("cmbNumRuns"));
    for (int trials = 2; trials <= maxTrials; ++trials)
        cmbNumRuns->addItem(QString::number(trials));
    opt2 = new QRadioButton(QStringLiteral("2 Appraisers"), this);
    opt2->setObjectName(QStringLiteral("opt2"));
    opt3 = new QRadioButton(QStringLiteral("3 Appraisers"), this);
    opt3->setObjectName(QStringLiteral("opt3"));
    opt3->setChecked(true);
    ckOrder = new QCheckBox(QStringLiteral("Trials are in order"), this);
    ckOrder->setObjectName(QStringLiteral("ckOrder"));

    layout->addWidget(new QLabel(QStringLiteral("Number of parts:"), this), 0, 0);
    layout->addWidget(cmbNumParts, 0, 1);
    layout->addWidget(opt2, 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("Number of runs:"), this), 1, 0);
    layout->addWidget(cmbNumRuns, 1, 1);
    layout->addWidget(opt3, 1, 2);
    layout->addWidget(ckOrder, 2, 0, 1, 3);
    layout->setColumnStretch(3, 1);
    return layout;
}

QGridLayout* frmImport::createTrialBoxes()
{
    auto* layout = new QGridLayout;
    layout->addWidget(new QLabel(QStringLiteral("Appraisers"), this), 0, 1, 1, maxAppraisers,
                      Qt::AlignCenter);
    std::array<std::array<QLineEdit*, maxParts>*, maxAppraisers> columns{&txtAP1, &txtAP2, &txtAP3};
    for (int appraiser = 0; appraiser < maxAppraisers; ++appraiser) {
        layout->addWidget(new QLabel(QStringLiteral("%1:").arg(appraiser + 1), this), 1,
                          appraiser + 1, Qt::AlignCenter);
        const QByteArray base = "txtAP" + QByteArray::number(appraiser + 1);
        for (int part = 0; part < maxParts; ++part) {
            QLineEdit* box = createBox(indexedName(base.constData(), part), 1100, this);
            box->setToolTip(QStringLiteral("Use [ 1,2,3 ]  format"));
            (*columns[appraiser])[part] = box;
            layout->addWidget(box, part + 2, appraiser + 1);
        }
    }
    for (int part = 0; part < maxParts; ++part)
        layout->addWidget(new QLabel(QStringLiteral("Part %1").arg(part + 1), this), part + 2, 0);
    layout->setColumnStretch(maxAppraisers + 1, 1);
    return layout;
}

void frmImport::connectHandlers()
{
    connect(DataGrid1->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &frmImport::DataGrid1_Scroll);
    connect(DataGrid1->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &frmImport::DataGrid1_Scroll);
    connect(cmbNumParts, &QComboBox::currentIndexChanged, this, &frmImport::cmbNumParts_Click);
    connect(cmbNumRuns, &QComboBox::currentIndexChanged, this, &frmImport::cmbNumRuns_Click);
    connect(opt2, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            opt2_Click();
    });
    connect(opt3, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            opt3_Click();
    });
    connect(ckOrder, &QCheckBox::toggled, this, &frmImport::ckOrder_Click);
    connect(Check1, &QCheckBox::toggled, this, &frmImport::Check1_Click);
    connect(cmdLoad, &QPushButton::clicked, this, &frmImport::cmdLoad_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmImport::cmdSave_Click);
    connect(cmdProcess, &QPushButton::clicked, this, &frmImport::cmdProcess_Click);
}

void frmImport::Form_Load()
{
    const QString fileName = ImportFileName();
    QProgressDialog progress(QStringLiteral("Reading %1 ...").arg(QFileInfo(fileName).fileName()),
                             QString(), 0, 1000, this);
    progress.setWindowTitle(applicationTitle());
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(300);
    const auto error =
        m_source->load(fileName, [&progress](int permille) { progress.setValue(permille); });
    progress.reset();
    if (error)
        showError(this, QStringLiteral("Unanticipated error "), *error);

    DataGrid1_Scroll();
    cmbNumRuns->setCurrentIndex(1);
    cmbNumParts->setCurrentIndex(3);
    ckOrder->setChecked(true);
}

void frmImport::DataGrid1_Scroll()
{
    const int firstRow = DataGrid1->verticalScrollBar()->value() + 1;
    const int firstColumn = DataGrid1->horizontalScrollBar()->value() + 1;
    for (int i = 0; i < visibleRows; ++i)
        lblRow[i]->setText(QString::number(firstRow + i));
    for (int i = 0; i < visibleColumns; ++i)
        lblCol[i]->setText(QString::number(firstColumn + i));
}

void frmImport::cmbNumParts_Click()
{
    editLayout([this](ImportLayout& layout) { layout.chooseParts(cmbNumParts->currentIndex()); });
}

void frmImport::cmbNumRuns_Click()
{
    editLayout([this](ImportLayout& layout) { layout.chooseTrials(cmbNumRuns->currentIndex()); });
}

void frmImport::opt2_Click()
{
    editLayout([](ImportLayout& layout) { layout.chooseAppraisers(true); });
}

void frmImport::opt3_Click()
{
    editLayout([](ImportLayout& layout) { layout.chooseAppraisers(false); });
}

void frmImport::ckOrder_Click()
{
    editLayout([this](ImportLayout& layout) { layout.setTrialsInOrder(ckOrder->isChecked()); });
}

void frmImport::Check1_Click()
{
    txtSP[ImportLayout::RunInfo]->setEnabled(Check1->isChecked());
}

void frmImport::cmdLoad_Click()
{
    const QString path = dialogs().openFileName(this, QStringLiteral("Load Template"),
                                                templateFolder(), templateFilter);
    if (path.isEmpty())
        return;
    if (const auto problem = LayoutTemplate::load(path, static_cast<LayoutTemplateTarget&>(*this))) {
        dialogs().message(this, problem->message, applicationTitle(),
                          problem->isError ? Dialogs::Icon::Warning : Dialogs::Icon::NoIcon);
    }
}

void frmImport::cmdSave_Click()
{
    const QString path = dialogs().saveFileName(this, QStringLiteral("Save Template"),
                                                templateFolder(), templateFilter);
    if (path.isEmpty())
        return;
    if (const auto error = LayoutTemplate::write(path, currentLayout()))
        showError(this, QStringLiteral("Unanticipated error cmdSave"), *error);
}

void frmImport::cmdProcess_Click()
{
    const ImportLayout layout = currentLayout();
    if (const auto problem =
            ValidateImportLayout(layout, m_source->getlastrow(), m_source->columnCount())) {
        dialogs().message(this, *problem, applicationTitle());
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ImportOutcome outcome = ProcessImport(layout, ImportFileName(), theStudy(),
                                                m_acceptLimitText, m_unacceptLimitText);
    QApplication::restoreOverrideCursor();
    if (outcome.succeeded()) {
        accept();
        return;
    }
    const bool calculationFailed = outcome.result == ImportOutcome::Result::CalculationFailed;
    dialogs().message(this, outcome.message(), applicationTitle(),
                      calculationFailed ? Dialogs::Icon::NoIcon : Dialogs::Icon::Warning);
}

bool frmImport::eventFilter(QObject* watched, QEvent* event)
{
    const auto box = std::find(txtSP.begin(), txtSP.end(), watched);
    if (box == txtSP.end())
        return QDialog::eventFilter(watched, event);
    const int index = int(box - txtSP.begin());
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (modImport::draggedCell(drag->mimeData())) {
            txtSP_DragOver(index);
            drag->acceptProposedAction();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (const auto cell = modImport::draggedCell(drop->mimeData())) {
            txtSP_DragDrop(index, *cell);
            drop->acceptProposedAction();
        } else {
            drop->ignore();
        }
        return true;
    }
    default: return QDialog::eventFilter(watched, event);
    }
}

void frmImport::txtSP_DragOver(int index)
{
    ResetBlockColours();
    setBoxColour(txtSP[index], dragTargetColour);
}

void frmImport::txtSP_DragDrop(int index, const GridCell& cell)
{
    txtSP[index]->setText(BlockDropText(index, cell.line, cell.column));
}

void frmImport::ResetBlockColours()
{
    for (QLineEdit* box : txtSP) {
        if (box->isEnabled())
            setBoxColour(box, dragOtherColour);
    }
}

ImportLayout frmImport::currentLayout() const
{
    ImportLayout layout;
    layout.twoAppraisers = opt2->isChecked();
    layout.trialsInOrder = ckOrder->isChecked();
    layout.partsIndex = cmbNumParts->currentIndex();
    layout.trialsIndex = cmbNumRuns->currentIndex();
    layout.runInfoInUse = Check1->isChecked();
    for (int block = 0; block < ImportLayout::blockCount; ++block)
        layout.blocks[block] = txtSP[block]->text();
    for (int appraiser = 0; appraiser < maxAppraisers; ++appraiser) {
        for (int part = 0; part < maxParts; ++part)
            layout.trialLists[appraiser][part] = trialBox(appraiser, part)->text();
    }
    return layout;
}

void frmImport::editLayout(const std::function<void(ImportLayout&)>& change)
{
    ImportLayout layout = currentLayout();
    change(layout);
    for (int appraiser = 0; appraiser < maxAppraisers; ++appraiser) {
        for (int part = 0; part < maxParts; ++part) {
            QLineEdit* box = trialBox(appraiser, part);
            box->setEnabled(layout.trialBoxEnabled(appraiser, part));
            box->setText(layout.trialLists[appraiser][part]);
        }
    }
}

QLineEdit* frmImport::trialBox(int appraiser, int part) const
{
    switch (appraiser) {
    case 0: return txtAP1[part];
    case 1: return txtAP2[part];
    default: return txtAP3[part];
    }
}

QString frmImport::templateFolder() const
{
    return ImportFileName().isEmpty() ? QString() : QFileInfo(ImportFileName()).absolutePath();
}

void frmImport::chooseAppraisers(bool two)
{
    if (two)
        choose(opt2, true, [this] { opt2_Click(); });
    else
        choose(opt3, true, [this] { opt3_Click(); });
}

void frmImport::setTrialsInOrder(bool inOrder)
{
    choose(ckOrder, inOrder, [this] { ckOrder_Click(); });
}

void frmImport::chooseParts(int index)
{
    chooseItem(cmbNumParts, index, [this] { cmbNumParts_Click(); });
}

void frmImport::chooseTrials(int index)
{
    chooseItem(cmbNumRuns, index, [this] { cmbNumRuns_Click(); });
}

void frmImport::setRunInfoInUse(bool inUse)
{
    choose(Check1, inUse, [this] { Check1_Click(); });
}

bool frmImport::trialsInOrder() const
{
    return ckOrder->isChecked();
}

bool frmImport::runInfoInUse() const
{
    return Check1->isChecked();
}

void frmImport::setBlock(int block, const QString& text)
{
    txtSP[block]->setText(text);
}

void frmImport::setTrialList(int appraiser, int part, const QString& text)
{
    trialBox(appraiser, part)->setText(text);
}
