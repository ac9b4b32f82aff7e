#pragma once

#include <QWidget>

#include <initializer_list>

class QAbstractButton;
class QLineEdit;
class QScrollBar;

// The frame every calculator window stands on: all of the window's content lies on
// one fixed-size panel, `Picture1`, centred in the main window's client area where it
// fits and pinned to the edge with a scroll bar where it does not.
//
// At the keyboard: the window's focus goes to its first input box (`setFirstInput`;
// the panel until a tool names one), Enter in a box runs the action it feeds
// (`runOnEnter`), and the mouse wheel over the panel scrolls it (Shift: sideways).
class CalculatorFrame : public QWidget
{
    Q_OBJECT

public:
    // The panel's design size, in twips.
    CalculatorFrame(double pictureWidthTwips, double pictureHeightTwips, QWidget* parent = nullptr);

    QWidget* picture() const { return Picture1; }

protected:
    // The box that takes the focus whenever the window does (switching to the tool).
    void setFirstInput(QWidget* box);
    // Enter in any of `boxes` clicks `action`, as a dialog's default button would.
    static void runOnEnter(std::initializer_list<QLineEdit*> boxes, QAbstractButton* action);

    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private slots:
    void HScroll1_Change(int value);
    void VScroll1_Change(int value);

private:
    void layoutFrame();
    bool isToolInView() const;

    QWidget* Picture1;
    QScrollBar* HScroll1;
    QScrollBar* VScroll1;
    QWidget* shape1;
};
