#include "codekeeper/frmCat.h"

#include "codekeeper/CodeColours.h"
#include "common/Twips.h"
#include "frame/PlaceControl.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int previewSize = 32;
}

frmCat::frmCat(CategoryDialogValues& values, const QList<QIcon>& pictures, QWidget* parent)
    : QDialog(parent), m_values(values), m_pictures(pictures)
{
    setObjectName(QStringLiteral("frmCat"));
    setWindowTitle(QStringLiteral("Catagory - Code  Properties"));
    setFixedSize(Twips::size(4425, 1815));

    Label1 = placeControl<QLabel>(this, "Label1", 120, 120, 1500, 255, QStringLiteral("Name"));
    Text1 = placeControl<QLineEdit>(this, "Text1", 120, 390, 2895, 345);
    Text1->setToolTip(QStringLiteral("Enter name of catagory or file"));
    Label1->setBuddy(Text1);
    Label2 = placeControl<QLabel>(this, "Label2", 120, 900, 1500, 255, QStringLiteral("Color"));
    ImageCombo1 = placeControl<QComboBox>(this, "ImageCombo1", 120, 1170, 2895, 345);
    ImageCombo1->setToolTip(QStringLiteral("Select color for catagory"));
    Label2->setBuddy(ImageCombo1);
    Image1 = placeControl<QLabel>(this, "Image1", 3210, 1110, 480, 480);
    Image1->setAlignment(Qt::AlignCenter);
    cmdSave =
        placeControl<QPushButton>(this, "cmdSave", 3210, 390, 1095, 360, QStringLiteral("Save"));
    cmdSave->setDefault(true);

    connect(ImageCombo1, &QComboBox::currentIndexChanged, this, &frmCat::ImageCombo1_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmCat::cmdSave_Click);
    Form_Load();
}

QIcon frmCat::picture(int number) const
{
    return number >= 1 && number <= m_pictures.size() ? m_pictures.at(number - 1) : QIcon();
}

void frmCat::Form_Load()
{
    m_values.DialogAccepted = false;
    for (const CodeColour& colour : codeColours())
        ImageCombo1->addItem(picture(colour.number), QLatin1String(colour.name),
                             QLatin1String(colour.key));
    if (!m_values.DialogEditMode) {
        ImageCombo1->setCurrentIndex(0);
        return;
    }
    Text1->setText(m_values.DialogName);
    if (m_values.DialogKind == QLatin1String("Child")) {
        for (QWidget* colourControl :
             {static_cast<QWidget*>(ImageCombo1), static_cast<QWidget*>(Label2),
              static_cast<QWidget*>(Image1)})
            colourControl->hide();
        return;
    }
    ImageCombo1->setCurrentIndex(colourItemForPicture(m_values.DialogColour) - 1);
}

void frmCat::ImageCombo1_Click()
{
    const QString key = ImageCombo1->currentData().toString();
    Image1->setPixmap(picture(key.mid(1).toInt()).pixmap(previewSize, previewSize));
}

void frmCat::cmdSave_Click()
{
    m_values.DialogName = Text1->text();
    if (m_values.DialogKind != QLatin1String("Child"))
        m_values.DialogColour = ImageCombo1->currentData().toString().mid(1).toInt();
    m_values.DialogAccepted = true;
    accept();
}
