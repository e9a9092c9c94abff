#pragma once

#include "poolpage.h"
#include "ui_figureeightpoolpage.h"

// The figure-eight pool page: four sizes, no construction; the 1 mm liner brings the
// combined handrail.
class Tat : public PoolPage
{
    Q_OBJECT

public:
    Tat();

protected:
    void FormMouseMove(QPoint) override;
    void FormMouseDown(QPoint) override;
    void FormMouseUp(QPoint) override;

private:
    void handClick();

    Ui::Tat ui;
};
