#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/object.h"
#include "platform/ui/picture.h"

namespace pelk::ui {

class Form;

enum class ControlKind {
    Label,
    TextBox,
    CommandButton,
    Image,
    PictureBox,
    ComboBox,
    ListBox,
    CheckBox,
    OptionButton,
    Frame,
    Line,
    Timer,
    FileListBox,
    Data,
    DBGrid,
    FlexGrid,
    RichTextBox,
    Calendar,
    CommonDialog,
    Menu,
};
std::string_view kindName(ControlKind kind);

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// Key codes the screens and scripts use.
inline constexpr int kKeyBack = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kLeftButton = 1;

// What every control has: its place on its form (name, index in a control array), Tag,
// visibility, geometry in twips, colours, font, tab order, its events, and its properties by name.
// A control registers with its form when it is made, so hosts and scripts find it by name; it is
// made as a member of its form: `ui::TextBox txtDateIn{this, "txtDateIn"};`.
//
// Events follow the legacy runtime: a property set by code raises its event synchronously and
// only when the value changes; nothing is raised while the form is being made (design values) or
// once it is unloaded.
class Control : public Object {
public:
    using Handler = std::function<void()>;
    using KeyHandler = std::function<void(int& keyAscii)>;
    using MouseHandler = std::function<void(int button, int shift, double x, double y)>;

    Control(Form* form, std::string name, ControlKind kind, int index = -1);
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    Form& form() const { return *form_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 outside a control array
    std::string path() const override;    // "frmMain.comNumber(3)"

    const std::string& tag() const { return tag_; }
    void setTag(std::string tag);
    bool visible() const { return visible_; }
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
    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);
    const Font& font() const { return font_; }
    void setFont(const Font& f);
    const std::string& fontName() const { return font_.name; }
    double fontSize() const { return font_.size; }
    bool fontBold() const { return font_.bold; }
    bool fontItalic() const { return font_.italic; }
    bool fontUnderline() const { return font_.underline; }
    void setFontName(std::string n);
    void setFontSize(double s);
    void setFontBold(bool b);
    void setFontItalic(bool b);
    void setFontUnderline(bool b);
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int i);
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool s);
    const std::string& toolTipText() const { return toolTip_; }
    void setToolTipText(std::string t);
    // The pointer while the mouse is over the control: 0 the system's, the legacy numbers of the
    // standard pointers (11 the hourglass…), 99 the control's own MouseIcon.
    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);
    const Picture& mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const Picture& icon);

    // The frame or picture box the control lies in (its Left and Top are inside it), or nullptr for
    // the form. A hidden or disabled container hides or disables what it holds.
    Control* container() const { return container_; }
    void setContainer(Control& frameOrPictureBox);
    // Visible here, in every container, and on a shown form.
    bool shown() const;
    // Enabled here, in every container, and on the form.
    bool usable() const;

    // Whether this kind can hold the focus at all (buttons and boxes can, labels and images not).
    virtual bool takesFocus() const { return false; }
    // Can take the focus now: a kind that takes it, shown and usable.
    bool canFocus() const;
    bool hasFocus() const;
    // The legacy SetFocus: gives this control the focus (LostFocus of the control left, then
    // GotFocus). On a loaded form that is not shown yet, the control becomes the one that has
    // the focus when the form shows. False, and nothing happens, when the control cannot take it.
    bool SetFocus();
    void Refresh();
    // The legacy ZOrder: 0 brings the control to the front of its form's stacking order, 1 sends
    // it to the back (Form::stackingOrder).
    void ZOrder(int position = 0);

    void onClick(Handler h) { click_ = std::move(h); }
    void onDblClick(Handler h) { dblClick_ = std::move(h); }
    void onChange(Handler h) { change_ = std::move(h); }
    void onGotFocus(Handler h) { gotFocus_ = std::move(h); }
    void onLostFocus(Handler h) { lostFocus_ = std::move(h); }
    void onKeyPress(KeyHandler h) { keyPress_ = std::move(h); }
    void onMouseDown(MouseHandler h) { mouseDown_ = std::move(h); }
    void onMouseUp(MouseHandler h) { mouseUp_ = std::move(h); }
    // For handlers that ignore the mouse's button and position.
    void onMouseDown(Handler h);
    void onMouseUp(Handler h);

    // Raising events: the runtime and the kinds call these; screens call their handlers directly.
    void raiseClick();
    void raiseDblClick();
    void raiseChange();
    void raiseGotFocus();
    void raiseLostFocus();
    void raiseKeyPress(int& keyAscii);
    void raiseMouseDown(int button = kLeftButton, int shift = 0, double x = 0, double y = 0);
    void raiseMouseUp(int button = kLeftButton, int shift = 0, double x = 0, double y = 0);

    // What a user's action does to this kind, after the checks and the focus move of input.h.
    // A click: MouseDown, MouseUp, then Click unless MouseUp unloaded the form.
    virtual void userClick();
    virtual void userDblClick();
    // A typed key reaching this control: KeyPress (which can drop it by setting it to 0), then
    // the kind's reaction (a text box edits its text, a button clicks on Enter or Space).
    virtual void userKey(int keyAscii);
    // A click on the item at row (and column, for grids); false when the kind has no items.
    virtual bool userSelect(int row, int column);
    // Text typed into a cell of an editable grid; false when the kind or the cell takes no typing.
    virtual bool userEditCell(int row, int column, std::string_view text);

    // For kinds that act around the form's life (data controls open after Form_Load and write
    // back before the form goes).
    virtual void afterFormLoad() {}
    virtual void beforeFormUnload() {}
    // The focus went to another control of the form, before the LostFocus of this one.
    virtual void focusLeft() {}

    // A control array member loaded at run time takes the design of the array's lowest member:
    // everything but Name, Index, Visible and TabIndex, set without raising events. A kind whose
    // properties do not read back as text (pictures) copies those itself.
    virtual void copyDesign(const Control& model);

    const PropertyList& properties() const override;

protected:
    // Name, Index, Tag.
    static const PropertyList& identityProperties();
    // Visible, Enabled, Left, Top, Width, Height, ToolTipText, MousePointer, MouseIcon.
    static const PropertyList& boxProperties();
    // BackColor, ForeColor, FontName, FontSize, FontBold, FontItalic, FontUnderline.
    static const PropertyList& lookProperties();
    // TabIndex, TabStop.
    static const PropertyList& tabProperties();

    // Tells the form's listeners (a renderer) that a property changed.
    void changed(std::string_view property);
    virtual void enabledChanged() {}
    // Events run only on a loaded form that is made (not while its design values are set).
    bool eventsOn() const;

private:
    Form* form_;
    std::string name_;
    ControlKind kind_;
    int index_;
    std::string tag_;
    bool visible_ = true;
    bool enabled_ = true;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Color backColor_ = 0x8000000F;  // button face
    Color foreColor_ = 0x80000012;  // button text
    Font font_;
    int tabIndex_;
    bool tabStop_ = true;
    std::string toolTip_;
    int mousePointer_ = 0;
    Picture mouseIcon_;
    Control* container_ = nullptr;
    bool quiet_ = false;  // copying a design: no events

    Handler click_, dblClick_, change_, gotFocus_, lostFocus_;
    KeyHandler keyPress_;
    MouseHandler mouseDown_, mouseUp_;
};

}  // namespace pelk::ui
