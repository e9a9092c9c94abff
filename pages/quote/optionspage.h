#pragma once

#include "app/page.h"
#include "ui_optionspage.h"

#include <memory>

class QPrinter;

// The options page, step 10 of the walk: the grand total and the quote list, which
// collects summaries of the configuration and is saved, opened and printed as a quote.
class Tsave : public app::Page
{
    Q_OBJECT

public:
    Tsave();
    ~Tsave() override;

protected:
    void FormActivate() override;
    void FormMouseMove(QPoint) override;

private:
    QStringList listLines() const;
    void showHelp();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Image1Click();
    void Speichern1Click();
    void ffnen1Click();
    void Drucken1Click();
    void PDF1Click();
    void EMail1Click();
    void Daten1Click();
    void Entfernen1Click();
    void Neu1Click();

    Ui::Tsave ui;
    // Made on the first print and kept, so the printer chosen last is offered again.
    std::unique_ptr<QPrinter> m_printer;
};
