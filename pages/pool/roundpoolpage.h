#pragma once

#include "poolpage.h"
#include "ui_roundpoolpage.h"

// The round pool page: six diameters, the concrete-free construction up to 6,00 m.
class Trd : public PoolPage
{
    Q_OBJECT

public:
    Trd();

protected:
    void FormMouseMove(QPoint) override;
    void FormMouseDown(QPoint) override;
    void FormMouseUp(QPoint) override;

private:
    Ui::Trd ui;
};
