#pragma once

#include "app/navigation.h"
#include "app/page.h"
#include "ui_welcomepage.h"

// The welcome page: the main window and the start of the walk. The user picks a
// pool shape here; every activation of the page resets the quote store.
class Tbg : public app::Page
{
    Q_OBJECT

public:
    Tbg();

protected:
    void FormShow() override;
    void FormActivate() override;

private:
    void chooseShape(const QString &name, app::PageId poolPage);
    void showHelp();
    void hideHelp();
    void openWebSite();

    void Label1Click();
    void Label2Click();
    void Label6Click();
    void Label7Click();
    void Image1MouseMove();
    void Image2MouseMove();
    void Label3MouseMove();

    Ui::Tbg ui;
};
