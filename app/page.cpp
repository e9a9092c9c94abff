#include "page.h"

#include "focusframe.h"
#include "handlers.h"
#include "keyboard.h"
#include "navigation.h"
#include "taskbar.h"
#include "textresource.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>

namespace app {

const QColor Page::pageBlue(5, 168, 216);

namespace {
// The page that is the application's active page; a page that is activated again
// while it still holds this place was only covered by a dialog or another program.
Page *activePage = nullptr;
Page *frontPage = nullptr;

Qt::WindowFlags flagsFor(Page::Frame frame)
{
    switch (frame) {
    case Page::Frame::None:
        return Qt::Window | Qt::FramelessWindowHint;
    case Page::Frame::Dialog:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
    case Page::Frame::Single:
        break;
    }
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
}
} // namespace

Page::Page(const QString &caption, QSize clientSize, Frame frame)
    : QMainWindow(nullptr, flagsFor(frame)), m_client(new QWidget(this)), m_frame(frame)
{
    FocusFrame::install();
    setWindowTitle(caption);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setMouseTracking(true);
    m_client->installEventFilter(this);
    setCentralWidget(m_client);
    setBackground(pageBlue);
    if (frame == Frame::Dialog) {
        m_client->setMinimumSize(clientSize);
        resize(clientSize);
    } else {
        m_client->setFixedSize(clientSize);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

Page::~Page()
{
    if (activePage == this)
        activePage = nullptr;
    if (frontPage == this)
        frontPage = nullptr;
}

void Page::setBackground(const QColor &colour)
{
    QPalette p = m_client->palette();
    p.setColor(QPalette::Window, colour);
    m_client->setPalette(p);
    m_client->setAutoFillBackground(true);
}

void Page::fontStep(int) {}

void Page::showInFront()
{
    // A page the window manager minimised comes back as a hidden one would: without an
    // entry in the taskbar of its own, nothing else would bring it back.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    frontPage = this;
}

Page *Page::front()
{
    return frontPage && frontPage->isVisible() ? frontPage : nullptr;
}

void Page::moveOverBackground()
{
    runGuarded([this] { FormMouseMove({}); }, this);
}

void Page::ensurePrepared()
{
    if (m_prepared)
        return;
    m_prepared = true;
    // The look the pages share, under the forms' own style sheets. Set once the form
    // stands: under a style sheet set earlier, new controls would not take their fonts
    // from the frames they sit in. Set before the polish, so that the controls are
    // styled once.
    // Only pages with radio buttons or check boxes need it; on the others Qt would
    // restyle every control for nothing.
    static const QString sharedLook = textResource(QStringLiteral(":/app/look.qss"));
    if (m_client->findChild<QRadioButton *>() || m_client->findChild<QCheckBox *>())
        m_client->setStyleSheet(sharedLook);
    adjustSize();
}

void Page::prepare()
{
    if (m_prepared)
        return;
    ensurePrepared();
    // One frame drawn off screen: the style rules of every control, its texts and the
    // pictures it opens with are worked out now, so the first real frame only draws.
    const qreal ratio = devicePixelRatioF();
    QImage frame(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(ratio);
    render(&frame);
}

void Page::centre()
{
    const QRect area = (m_frame == Frame::Dialog && mainWindow() && mainWindow() != this)
        ? mainWindow()->frameGeometry()
        : (screen() ? screen()->availableGeometry() : QRect());
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

void Page::setVisible(bool visible)
{
    if (visible) {
        ensurePrepared();
        // Placed once, as it first shows; where the user moves it, it stays.
        if (!testAttribute(Qt::WA_Moved))
            centre();
    }
    QMainWindow::setVisible(visible);
}

bool Page::event(QEvent *e)
{
    // An activation the program's taskbar entry hands on is not this page's.
    if (activationHandedOn(this, e))
        return QMainWindow::event(e);
    switch (e->type()) {
    case QEvent::Show:
        if (!e->spontaneous())
            runGuarded([this] { FormShow(); }, this);
        break;
    case QEvent::Hide:
        if (!e->spontaneous() && activePage == this)
            activePage = nullptr;
        break;
    case QEvent::WindowActivate:
        frontPage = this;
        if (activePage != this) {
            activePage = this;
            runGuarded([this] { FormActivate(); }, this);
        }
        break;
    default:
        break;
    }
    return QMainWindow::event(e);
}

bool Page::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == m_client) {
        const auto type = e->type();
        if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress
            || type == QEvent::MouseButtonRelease) {
            const auto *me = static_cast<QMouseEvent *>(e);
            const QPoint pos = me->position().toPoint();
            // Moves that a control passed on to its parent are not the page's own.
            if (!m_client->childAt(pos)) {
                if (type == QEvent::MouseMove)
                    runGuarded([&] { FormMouseMove(pos); }, this);
                else if (me->button() == Qt::LeftButton)
                    runGuarded([&] { type == QEvent::MouseButtonPress ? FormMouseDown(pos) : FormMouseUp(pos); }, this);
            }
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void Page::keyPressEvent(QKeyEvent *e)
{
    // Keys no control took: Ctrl+Tab and Ctrl+Shift+Tab turn the page's notebook.
    if ((e->modifiers() & Qt::ControlModifier) && (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)) {
        const bool forward = e->key() == Qt::Key_Tab && !(e->modifiers() & Qt::ShiftModifier);
        if (turnNotebook(m_client, forward))
            return;
    }
    QMainWindow::keyPressEvent(e);
}

void Page::closeConfirmed()
{
    m_exitConfirmed = true;
    close();
    m_exitConfirmed = false;
}

void Page::closeEvent(QCloseEvent *e)
{
    // Closing the main window ends the program; every other page is only hidden. The
    // window manager's close of the main window asks first, as "&Beenden" does, so that
    // an unsaved quote list is not lost by a stray Alt+F4.
    if (this == mainWindow() && !m_exitConfirmed && !userWantsToEnd(this)) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
    if (e->isAccepted() && this == mainWindow())
        QApplication::quit();
}

} // namespace app
