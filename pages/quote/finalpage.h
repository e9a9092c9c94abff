#pragma once

#include "app/page.h"
#include "ui_finalpage.h"

// The final page, step 11: how a steel-wall pool is set up, and the ways back.
class Tendpr : public app::Page
{
    Q_OBJECT

public:
    Tendpr();

protected:
    void FormActivate() override;

private:
    void Panel2Click();
    void Button1Click();
    void Button3Click();

    Ui::Tendpr ui;
};
