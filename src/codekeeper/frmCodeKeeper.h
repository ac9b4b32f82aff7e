#pragma once

#include <QWidget>

// Code Keeper's tool window: the library of stored part-program code. It lays
// itself out rather than standing on the calculator frame.
class frmCodeKeeper : public QWidget
{
    Q_OBJECT

public:
    explicit frmCodeKeeper(QWidget* parent = nullptr);
};
