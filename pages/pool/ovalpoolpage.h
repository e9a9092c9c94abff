#pragma once

#include "poolpage.h"
#include "ui_ovalpoolpage.h"

// The oval pool page: seven sizes, the concrete-free construction for the four smaller
// ones; the quote store follows every change of the choice.
class Tol : public PoolPage
{
    Q_OBJECT

public:
    Tol();

protected:
    void FormMouseMove(QPoint) override;
    void FormMouseDown(QPoint) override;
    void FormMouseUp(QPoint) override;

private:
    Ui::Tol ui;
};
