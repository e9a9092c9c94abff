#pragma once

#include <QMainWindow>

namespace app {

// One page of the program: a top-level window, made once and kept for the whole run
// (when it is made: navigation.h), shown and hidden by navigation; it keeps its
// controls' contents while hidden.
//
// The page's form lives on client(); its handlers named after the events:
// FormShow runs when the page becomes visible (not when a visible page is raised),
// FormActivate when it becomes the active page of the application (returning from a
// message box or from another program does not count), FormMouseMove/Down/Up for the
// mouse over the page's own surface, not over its controls.
class Page : public QMainWindow
{
    Q_OBJECT

public:
    enum class Frame {
        Single,  // fixed size, only the close button in the title bar
        None,    // no border and no title bar
        Dialog,  // sizeable dialog border with maximise button, centred over the main window
    };

    Page(const QString &caption, QSize clientSize, Frame frame = Frame::Single);
    ~Page() override;

    QWidget *client() const { return m_client; }

    // A control of the page's form by its object name; a missing required one is a
    // fault of the form and stops the program.
    template<typename T = QWidget>
    T *find(const char *name, bool required = true) const;
    void setBackground(const QColor &colour);

    // Menu "+" (F2) and " -" (F1): font steps of the page's text areas; most pages have none.
    virtual void fontStep(int points);

    // Does ahead, unseen, what the first show of the page would, and draws one frame off
    // screen. Runs no handler; a page prepared or shown before does nothing.
    void prepare();

    // Closes the main window after the user confirmed the exit: the program ends.
    void closeConfirmed();

    // Visible (restored if minimised), raised and activated: the page the user is on.
    void showInFront();
    // The page the user is on: the one last shown in front or activated, while visible.
    static Page *front();
    // What the pointer's move over the page's own surface does.
    void moveOverBackground();

    static const QColor pageBlue;

protected:
    virtual void FormShow() {}
    virtual void FormActivate() {}
    virtual void FormMouseMove(QPoint) {}
    virtual void FormMouseDown(QPoint) {}
    virtual void FormMouseUp(QPoint) {}

    void setVisible(bool visible) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // What the page needs once before it is seen: the shared look, the polish and the
    // size; done in idle time or at the first show, whichever comes first.
    void ensurePrepared();
    void centre();

    QWidget *m_client;
    Frame m_frame;
    bool m_prepared = false;
    bool m_exitConfirmed = false;
};

template<typename T>
T *Page::find(const char *name, bool required) const
{
    T *widget = m_client->findChild<T *>(QString::fromLatin1(name));
    if (!widget && required)
        qFatal("%s: no control %s", metaObject()->className(), name);
    return widget;
}

} // namespace app
