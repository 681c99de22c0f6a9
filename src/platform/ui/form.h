#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/object.h"
#include "platform/ui/picture.h"

namespace pelk::ui {

class Menu;

enum ShowMode { kModeless = 0, kModal = 1 };

// Why a form is being unloaded, as Form_QueryUnload is told.
enum class UnloadMode { FormControlMenu = 0, FormCode = 1, AppWindows = 2, AppTaskManager = 3, FormMdiForm = 4 };

enum WindowState { kNormal = 0, kMinimized = 1, kMaximized = 2 };

// What a renderer watches: every property that changes on a form or on one of its controls.
class FormListener {
public:
    virtual ~FormListener() = default;
    virtual void formChanged(Form& form, std::string_view property) {}
    virtual void controlChanged(Control& control, std::string_view property) {}
    // A control array member loaded at run time (after it took its design), and one about to be
    // unloaded (it is still whole).
    virtual void controlAdded(Control& control) {}
    virtual void controlRemoved(Control& control) {}
};

// A screen: a class derived from Form, its controls as members named like the legacy controls,
// its handlers as member functions named like the legacy handlers, wired in its constructor. The
// constructor sets the design values; no event runs until the form is loaded.
//
// Every form exists at most once, made by the registry (forms()) on its first reference, which runs
// Form_Load before the reference returns; it stays hidden until shown. Unload ends it: the instance
// stays usable until the event that runs the unloading handler returns, and the next reference
// makes a fresh one.
class Form : public Object {
public:
    Form();
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    std::string path() const override { return name_; }
    // False before the registry has loaded it and once it is unloaded.
    bool isLoaded() const { return loaded_; }
    // The window handle: a number no other form instance of the run has, so a screen can tell
    // the form that opened it from a later instance of the same form.
    std::int32_t hWnd() const { return hWnd_; }

    virtual void Form_Load() {}
    // On every activation: when shown, when brought forward, when a form shown waiting over it goes.
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    // Before every unload (code, close box, the main window closing); setting cancel refuses it.
    virtual void Form_QueryUnload(int& cancel, UnloadMode mode) {}
    virtual void Form_Unload(int& cancel) {}
    // Every key typed on the form when KeyPreview is on, before the control with the focus; also
    // keys typed on a form where no control can take the focus.
    virtual void Form_KeyPress(int& keyAscii) {}

    // Shows the form (loading it afresh when this instance was unloaded). Shown waiting (kModal),
    // Show returns only once the form is unloaded or hidden.
    void Show(ShowMode mode = kModeless);
    void Hide();
    // Unloads the form as code does (Form_QueryUnload, then Form_Unload); false when refused.
    bool Unload();
    // The same for another reason (the window's close box, the main window closing).
    bool Unload(UnloadMode mode);
    void Refresh();

    const std::string& tag() const { return tag_; }
    void setTag(std::string tag);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool visible() const { return visible_; }
    // Visible = True shows the form without waiting, False hides it.
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    // Whether the design or code gave the form its place (Left or Top set). A form never placed
    // is put where a new window goes: the host centres it.
    bool placed() const { return placed_; }
    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);
    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool k);
    int windowState() const { return windowState_; }
    void setWindowState(int s);
    const Picture& icon() const { return icon_; }
    void setIcon(const Picture& p);
    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& p);
    // 0 none, 1 fixed single, 2 sizable, 3 fixed dialog, 4 fixed tool window, 5 sizable tool window.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int s);
    bool controlBox() const { return controlBox_; }
    void setControlBox(bool b);
    bool minButton() const { return minButton_; }
    void setMinButton(bool b);
    bool maxButton() const { return maxButton_; }
    void setMaxButton(bool b);
    // Design: a child window inside the main window (MDI child), else a window of its own.
    bool mdiChild() const { return mdiChild_; }
    void setMdiChild(bool c);
    // The main window: unloading it unloads every child form it holds, hidden ones included.
    bool isMdiForm() const { return mdiForm_; }

    // The controls in the order they were made (menu items included), and by name and index.
    const std::vector<Control*>& controls() const { return controls_; }
    Control* control(std::string_view name, int index = -1) const;
    // The controls from the back to the front: the design order (a control made later lies over
    // one made before it), changed by ZOrder. Within one container the host still draws labels,
    // images and lines under the windowed kinds, as the legacy runtime does.
    const std::vector<Control*>& stackingOrder() const { return stacking_; }
    // The menu bar: the top menus in order.
    std::vector<Menu*> menus() const;
    // The control that has the focus on this form (or will have it when the form is shown).
    Control* activeControl() const { return activeControl_; }

    void addListener(FormListener* l);
    void removeListener(FormListener* l);

    const PropertyList& properties() const override;

    // The runtime's side (registry, controls, input); screens do not call these.
    // Registers a control made on this form; gives its default tab index.
    int registerControl(Control* c);
    void unregisterControl(Control* c);
    void controlChanged(Control& c, std::string_view property);
    // Moves `c` to the front (or the back) of the stacking order; false when it is there already.
    bool restack(Control& c, bool toBack);
    // A control array member loaded or about to be unloaded at run time: the listeners are told,
    // and the form's data controls let go of one being unloaded.
    void controlLoaded(Control& c);
    void controlUnloading(Control& c);
    // Design values are set and events can run.
    bool made() const { return made_; }
    bool eventsOn() const { return made_ && loaded_; }
    // Moves the focus to `c` (a control of this form): LostFocus of the control left, GotFocus.
    bool focus(Control& c);
    // The next (or previous) control in tab order that can take the focus, as the Tab key goes.
    void focusNext(bool backwards = false);
    // The first control in tab order that can take the focus as a tab stop.
    Control* firstFocusable() const;
    void raiseActivate();
    void raiseDeactivate();
    void raiseKeyPress(int& keyAscii);

protected:
    void setMdiForm(bool m) { mdiForm_ = m; }
    void changed(std::string_view property);

private:
    friend class FormRegistry;
    void finishUnload();

    std::string name_;
    std::int32_t hWnd_;
    bool made_ = false;
    bool loaded_ = false;
    bool unloading_ = false;
    std::string tag_, caption_;
    bool visible_ = false, enabled_ = true;
    double left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    bool placed_ = false;
    Color backColor_ = 0x8000000F, foreColor_ = 0x80000012;
    bool keyPreview_ = false;
    int windowState_ = kNormal;
    Picture icon_, picture_;
    int borderStyle_ = 2;
    bool controlBox_ = true, minButton_ = true, maxButton_ = true;
    bool mdiChild_ = false, mdiForm_ = false;
    std::vector<Control*> controls_;
    std::vector<Control*> stacking_;
    Control* activeControl_ = nullptr;
    int nextTabIndex_ = 0;
    std::vector<FormListener*> listeners_;
};

// The main window of a multiple-document program, with the legacy handler names.
class MdiForm : public Form {
public:
    MdiForm() { setMdiForm(true); }
    virtual void MDIForm_Load() {}
    virtual void MDIForm_Activate() {}
    virtual void MDIForm_QueryUnload(int& cancel, UnloadMode mode) {}
    virtual void MDIForm_Unload(int& cancel) {}

    void Form_Load() final { MDIForm_Load(); }
    void Form_Activate() final { MDIForm_Activate(); }
    void Form_QueryUnload(int& cancel, UnloadMode mode) final { MDIForm_QueryUnload(cancel, mode); }
    void Form_Unload(int& cancel) final { MDIForm_Unload(cancel); }
};

}  // namespace pelk::ui
