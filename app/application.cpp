#include "application.h"

#include "accessibility.h"
#include "keyboard.h"
#include "taskbar.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QTranslator>

#include <algorithm>
#include <array>

namespace app {

namespace {

// The dealer's round logo in the sizes the desktop asks for, each picture read only
// when a size is first wanted (a window system that shows no icon reads none). X11 reads
// every size as the first window opens, so the window icon stops at 128 px, enough for
// title bars and window switchers; the 256 px icon is the installed one's alone.
class LogoIcon : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int wanted = std::max(size.width(), size.height());
        int chosen = sizes.back();
        for (int s : sizes)
            if (s >= wanted) {
                chosen = s;
                break;
            }
        QPixmap logo(QStringLiteral(":/assets/icons/nixaro-%1.png").arg(chosen));
        return logo.size() == size ? logo : logo.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> list;
        for (int s : sizes)
            list << QSize(s, s);
        return list;
    }
    QIconEngine *clone() const override { return new LogoIcon; }
    QString key() const override { return QStringLiteral("NixaroLogo"); }

private:
    static constexpr std::array sizes = {16, 22, 24, 32, 48, 64, 128};
};

// The desktop's style, with two answers of the program's own:
// - list boxes open their rows below the box, as many as the form allows; the desktop
//   style would lay a long list over the box, as tall as the screen. A box with a style
//   sheet of its own asks this style too, as its sheet says nothing about it;
// - Alt pressed and let go alone leaves the menu bar alone (Alt with a letter opens its
//   menu, as on the Linux desktops): a screen reader that passes keys on late can part
//   Alt from its letter, and the keyboard then landed in the menu bar unasked.
class ProgramStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *data) const override
    {
        if (hint == SH_ComboBox_Popup || hint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

} // namespace

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Nixaro"));
    QApplication::setApplicationVersion(QStringLiteral(NIXARO_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("marvasten-pooltechnik.de"));
    // The desktop matches the windows to the menu entry, and every page carries the
    // dealer's round logo (the same pictures as the installed icon, read when shown).
    QGuiApplication::setDesktopFileName(QStringLiteral(NIXARO_APP_ID));
    QApplication::setWindowIcon(QIcon(new LogoIcon));
    keepOneTaskbarEntry();
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    QApplication::setStyle(new ProgramStyle);

    // The whole program speaks German, so Qt's file, print and message dialogs do too
    // ("Ja"/"Nein", "Speichern", "Drucken"), on any desktop.
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    auto *qtTexts = new QTranslator(qApp);
    if (qtTexts->load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    else
        delete qtTexts;

    keepDesktopKeys();
    installAccessibleRoles();
}

} // namespace app
