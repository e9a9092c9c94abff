#pragma once

#include "app/page.h"
#include "ui_figureeightpoolpage.h"

// The figure-eight pool page: the pool kit of a figure-eight pool.
class Tat : public app::Page
{
    Q_OBJECT

public:
    Tat();

private:
    void Button2Click();
    void Button3Click();

    Ui::Tat ui;
};
