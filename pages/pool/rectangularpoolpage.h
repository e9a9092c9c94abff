#pragma once

#include "poolpage.h"
#include "ui_rectangularpoolpage.h"

// The rectangular pool page: an in-ground pool in four sizes with the 1,50 m wall, the
// fleece in the kit price, and pictures of the finished pool, its wall block and a pool
// under construction.
class Tre : public PoolPage
{
    Q_OBJECT

public:
    Tre();

protected:
    void choiceClick() override;
    void beforeRecompute() override;
    void FormMouseDown(QPoint) override;
    void FormMouseUp(QPoint) override;

private:
    void showOnly(QWidget *picture);

    Ui::Tre ui;
};
