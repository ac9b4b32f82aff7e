#include "printing/frmPrinter.h"

#include "common/Twips.h"
#include "printing/PrinterChoice.h"
#include "printing/Printing.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int mostCopies = 99;
constexpr int visibleRows = 5;

} // namespace

frmPrinter::frmPrinter(QWidget* parent)
    : QDialog(parent),
      Label1(new QLabel(QStringLiteral("No Printer Detected !"))),
      Label2(new QLabel(QStringLiteral("Number of copies:"))),
      List1(new QListWidget),
      cmdPrint(new QPushButton(QStringLiteral("Print"))),
      cmdCancel(new QPushButton(QStringLiteral("Cancel")))
{
    setObjectName(QStringLiteral("frmPrinter"));
    setWindowTitle(QStringLiteral("Print"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* printerFrame = new QGroupBox(QStringLiteral("Windows Default Printer"));
    printerFrame->setObjectName(QStringLiteral("Frame1"));
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QIcon(QStringLiteral(":/icons/print.svg")).pixmap(48, 48));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(Twips::toPixels(2700));
    auto* printerRow = new QHBoxLayout(printerFrame);
    printerRow->addWidget(picture);
    printerRow->addWidget(Label1, 1);

    auto* copiesFrame = new QGroupBox;
    copiesFrame->setObjectName(QStringLiteral("Frame2"));
    Label2->setObjectName(QStringLiteral("Label2"));
    List1->setObjectName(QStringLiteral("List1"));
    List1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    List1->setFixedWidth(Twips::toPixels(900));
    auto* copiesRow = new QHBoxLayout(copiesFrame);
    copiesRow->addWidget(Label2);
    copiesRow->addStretch();
    copiesRow->addWidget(List1);

    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setDefault(true);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerFrame);
    layout->addWidget(copiesFrame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(List1->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            &frmPrinter::List1_Scroll);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPrinter::cmdPrint_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrinter::cmdCancel_Click);

    Form_Load();
}

void frmPrinter::Form_Load()
{
    const QString printer = printing().defaultPrinterName();
    if (!printer.isEmpty())
        Label1->setText(printer);
    else
        Label1->setToolTip(QStringLiteral("Print saves PDF files instead."));
    for (int copies = 1; copies <= mostCopies; ++copies)
        List1->addItem(QString::number(copies));
    // Whole rows only, so the item at the top is plainly the one chosen.
    List1->setFixedHeight(List1->sizeHintForRow(0) * visibleRows + 2 * List1->frameWidth());
    printerChoice().PrintConfirmed = false;
    List1->setCurrentRow(0);
}

void frmPrinter::List1_Scroll(int)
{
    // The scroll bar works as a copy counter: whatever the user scrolls to the top is
    // the number chosen. When the signal comes the bar's new position is known but
    // not yet applied, so selecting must not scroll the list on its own.
    List1->setAutoScroll(false);
    List1->setCurrentRow(List1->verticalScrollBar()->sliderPosition());
    List1->setAutoScroll(true);
}

void frmPrinter::cmdPrint_Click()
{
    printerChoice().PrintCopies = std::max(List1->currentRow(), 0) + 1;
    printerChoice().PrintConfirmed = true;
    accept();
}

void frmPrinter::cmdCancel_Click()
{
    reject();
}
