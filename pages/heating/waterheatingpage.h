#pragma once

#include "app/page.h"
#include "ui_waterheatingpage.h"

class QTimer;

// The water-heating page, step 5 of the walk: solar absorbers with their controller,
// the solar shower and the heat pump, added to the total of the filter page.
class Tsolar : public app::Page
{
    Q_OBJECT

public:
    Tsolar();

protected:
    void FormShow() override;
    void FormMouseMove(QPoint) override;

private:
    void solar_auswahlChange();
    void anzddChange();
    void tds3Click();
    void solardClick();
    void wpClick();
    void Button3Click();
    void Button2Click();
    void SpeedButton1Click();
    void psabsorbChange();
    void Timer1Timer();
    void Timer2Timer();
    void Image1Click();
    void Image1DblClick();
    void Image2Click();
    void Image2DblClick();
    void controllerPictureClick(QWidget *picture);
    void Image3DblClick();
    void Image5Click();
    void Image5DblClick();
    void GertezurWassererwrmung51Click();

    // Absorbers, shower, controller and heat pump added up, and the new running total.
    void recompute();
    void absorbersTotal();

    Ui::Tsolar ui;
    QTimer *Timer1;
    QTimer *Timer2;
};
