#pragma once

#include <QIcon>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>

class QWidget;

namespace pelk::qt {

// The program's own icon, drawn here: a desk bell on a blue tile. Every window carries it.
QIcon programIcon();

// The frame and title bar of a window of its own, drawn by the program inside the window.
//
// A station's display may run no window manager (a virtual display served over VNC), and then a
// window's border, title and close box would be drawn by nobody: message boxes blend into the
// screen behind them and a window without buttons of its own cannot be closed. So the windows of
// their own that carry a frame in their design are frameless to the window system and draw the
// frame themselves, the same with a window manager or without: a raised border, and a title bar
// with the program's icon, the window's title and, where the window may be closed from it, a close
// box. Dragging the title bar moves the window; Alt+F4 closes it where the close box would.
class DrawnFrame : public QObject {
    Q_OBJECT

public:
    // Decorates `window` (a top-level widget, made frameless here) once; a window decorated
    // already keeps its frame and takes the new settings.
    static DrawnFrame* decorate(QWidget* window, bool titleBar, bool closable);
    // The frame of a window, or nullptr when it has none.
    static DrawnFrame* of(const QWidget* window);
    // Takes the frame off again (the window's design lost its border).
    static void remove(QWidget* window);

    // The room the frame takes around the window's contents.
    static QMargins marginsFor(bool titleBar);
    QMargins margins() const { return marginsFor(titleBar_); }
    bool hasTitleBar() const { return titleBar_; }
    bool closable() const { return closable_; }
    void set(bool titleBar, bool closable);

    // In the window's coordinates.
    QRect titleBarRect() const;
    QRect closeBoxRect() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DrawnFrame(QWidget* window);
    void layOut();

    QPointer<QWidget> window_;
    QWidget* bar_;
    bool titleBar_ = true, closable_ = true;
};

}  // namespace pelk::qt
