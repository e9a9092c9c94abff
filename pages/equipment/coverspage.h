#pragma once

#include "coverstables.h"

#include "app/daten.h"
#include "app/look.h"
#include "app/page.h"
#include "ui_coverspage.h"

#include <QRect>

#include <array>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

// The pool covers page, step 2 of the walk: the SafeTop® safety cover, the Cabrio Dome
// enclosure and the Lupo solar cover, each priced by the pool's size text and added to
// the running total brought from the pool page.
class Tabdeckung : public app::Page
{
    Q_OBJECT

public:
    Tabdeckung();

    // F2 / F1: the covers' check boxes and descriptions one point larger or smaller,
    // the descriptions 5 pixels wider or narrower, their pictures 5 pixels along.
    void fontStep(int points) override;

protected:
    void FormActivate() override;
    void FormMouseMove(QPoint) override;

private:
    // The controls of one cover and the quote line it stands on.
    struct CoverControls
    {
        covers::Cover cover = covers::Cover::SafeTop;
        QCheckBox *box = nullptr;
        QLineEdit *price = nullptr;
        QPlainTextEdit *description = nullptr;
        std::array<QWidget *, 2> pictures = {};
        QString app::QuoteStore::*line = nullptr;  // the cover's line of the quote
        QString linePrefix;
        app::SteppedFont boxFont, descriptionFont;
        QRect descriptionHome;
        std::array<QPoint, 2> picturesHome;
    };

    CoverControls coverControls(covers::Cover cover, QCheckBox *box, QLineEdit *price, QPlainTextEdit *description,
                                std::array<QWidget *, 2> pictures, QString app::QuoteStore::*line,
                                const QString &linePrefix, const char *descriptionFile);

    void safetopClick();
    void cabrioClick();
    void LupoClick();
    bool lookUpPrice(const CoverControls &c);
    void showChoice(const CoverControls &c);
    void Button1Click();
    void Button1MouseMove();
    void Button2Click();

    void storeCoverLines();
    void computeTotal();

    Ui::Tabdeckung ui;
    CoverControls m_safeTop, m_cabrio, m_lupo;
    int m_steps = 0;  // F2 presses less F1 presses
};
