#pragma once

#include "app/page.h"
#include "ui_roundpoolpage.h"

// The round pool page: the pool kit of a round pool.
class Trd : public app::Page
{
    Q_OBJECT

public:
    Trd();

private:
    void Button2Click();
    void Button3Click();

    Ui::Trd ui;
};
