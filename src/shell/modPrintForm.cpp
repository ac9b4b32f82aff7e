#include "shell/modPrintForm.h"

#include "common/Dialogs.h"
#include "common/Twips.h"
#include "printing/PrintTarget.h"
#include "printing/PrinterChoice.h"
#include "printing/Printing.h"
#include "printing/frmPrinter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace modPrintForm {

namespace {

constexpr double twipsPerPoint = 20.0;
constexpr double screenDpi = 96.0;

QString printerErrorTitle()
{
    return QStringLiteral("Printer Error!");
}

// The panel and every control on it, drawn at the print resolution.
QImage renderPanel(QWidget* box)
{
    const double scale = pictureDpi / screenDpi;
    QImage image((QSizeF(box->size()) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(box->palette().color(box->backgroundRole()));
    box->render(&image, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

} // namespace

bool CopyPictureToClipboard(QWidget* box)
{
    if (!box || box->size().isEmpty())
        return false;
    const QPixmap picture = box->grab();
    if (picture.isNull())
        return false;
    QGuiApplication::clipboard()->setPixmap(picture);
    return true;
}

bool PrintPictureBox(PrintTarget& target, QWidget* box, double x, double y,
                     QWidget* messageParent)
{
    if (!box)
        return false;
    const auto fail = [&](const QString& reason) {
        dialogs().message(messageParent, reason, printerErrorTitle());
        return false;
    };
    if (!target.beginDocument())
        return fail(target.errorString());

    const double pointsPerPixel = Twips::perPixel / twipsPerPoint;
    const QRectF place(x / twipsPerPoint, y / twipsPerPoint, box->width() * pointsPerPixel,
                       box->height() * pointsPerPixel);
    QPainter& painter = target.painter();
    painter.save();
    // A lossless picture keeps the panel's text and lines crisp in a PDF.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(place, renderPanel(box));
    painter.restore();

    if (!target.endDocument())
        return fail(target.errorString());
    return true;
}

void PrintForm(QWidget* parent, QWidget* picture, const QString& documentName)
{
    if (!picture)
        return;
    QGuiApplication::clipboard()->clear();
    CopyPictureToClipboard(picture);

    frmPrinter dialog(parent);
    dialogs().exec(&dialog);
    const PrinterChoice choice = printerChoice();
    if (!choice.PrintConfirmed || choice.PrintCopies < 1)
        return;

    const std::unique_ptr<PrintTarget> target =
        printing().openTarget(parent, documentName, choice.PrintCopies);
    if (!target)
        return;
    // Each copy is a document of its own; a failed copy does not stop the others.
    for (int copy = 0; copy < choice.PrintCopies; ++copy)
        PrintPictureBox(*target, picture, 500, 500, parent);
}

} // namespace modPrintForm
