#pragma once

#include "app/page.h"
#include "ui_rectangularpoolpage.h"

// The rectangular pool page: the pool kit of a rectangular pool.
class Tre : public app::Page
{
    Q_OBJECT

public:
    Tre();

private:
    void Button2Click();
    void Button3Click();

    Ui::Tre ui;
};
