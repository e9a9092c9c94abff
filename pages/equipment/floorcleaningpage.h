#pragma once

#include "app/page.h"
#include "ui_floorcleaningpage.h"

class QTimer;

// The floor-cleaning sets page, step 8 of the walk: a floor drain of plastic or bronze
// and the manual cleaning set, added to the running total of the lights page.
class Tbrs : public app::Page
{
    Q_OBJECT

public:
    Tbrs();

protected:
    void FormActivate() override;
    void FormMouseMove(QPoint) override;

private:
    void bdabClick();
    void kabClick();
    void brabClick();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void bslxsClick();
    void Button3Click();
    void Button1Click();

    void computeTotal();
    void storeChoices();

    Ui::Tbrs ui;
    QTimer *Timer1, *Timer2, *Timer3;
};
