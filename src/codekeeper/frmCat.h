#pragma once

#include <QDialog>
#include <QIcon>
#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What Code Keeper hands the category dialog and gets back from it.
struct CategoryDialogValues
{
    QString DialogName;
    // A colour number; in edit mode the node's picture.
    int DialogColour = 0;
    // "Parent" for a category, "Child" for a code entry (name only).
    QString DialogKind = QStringLiteral("Parent");
    // True to edit an existing node, false to add a category.
    bool DialogEditMode = false;
    // True when the dialog was closed with Save.
    bool DialogAccepted = false;
};

// Asks for the name and colour of a category, or the name of a code entry.
class frmCat : public QDialog
{
    Q_OBJECT

public:
    frmCat(CategoryDialogValues& values, const QList<QIcon>& pictures, QWidget* parent = nullptr);

private slots:
    void ImageCombo1_Click();
    void cmdSave_Click();

private:
    void Form_Load();
    QIcon picture(int number) const;

    CategoryDialogValues& m_values;
    const QList<QIcon>& m_pictures;
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QComboBox* ImageCombo1;
    QLabel* Image1;
    QPushButton* cmdSave;
};
