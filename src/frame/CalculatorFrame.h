#pragma once

#include <QWidget>

class QScrollBar;

// The frame every calculator window stands on: all of the window's content lies on
// one fixed-size panel, `Picture1`, centred in the main window's client area where it
// fits and pinned to the edge with a scroll bar where it does not.
class CalculatorFrame : public QWidget
{
    Q_OBJECT

public:
    // The panel's design size, in twips.
    CalculatorFrame(double pictureWidthTwips, double pictureHeightTwips, QWidget* parent = nullptr);

    QWidget* picture() const { return Picture1; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void HScroll1_Change(int value);
    void VScroll1_Change(int value);

private:
    void layoutFrame();

    QWidget* Picture1;
    QScrollBar* HScroll1;
    QScrollBar* VScroll1;
    QWidget* shape1;
};
