#include "platform/ui/control.h"

#include <algorithm>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/host.h"
#include "platform/ui/registry.h"

namespace pelk::ui {

std::string_view kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return "Label";
        case ControlKind::TextBox:
            return "TextBox";
        case ControlKind::CommandButton:
            return "CommandButton";
        case ControlKind::Image:
            return "Image";
        case ControlKind::PictureBox:
            return "PictureBox";
        case ControlKind::ComboBox:
            return "ComboBox";
        case ControlKind::ListBox:
            return "ListBox";
        case ControlKind::CheckBox:
            return "CheckBox";
        case ControlKind::OptionButton:
            return "OptionButton";
        case ControlKind::Frame:
            return "Frame";
        case ControlKind::Line:
            return "Line";
        case ControlKind::Timer:
            return "Timer";
        case ControlKind::FileListBox:
            return "FileListBox";
        case ControlKind::Data:
            return "Data";
        case ControlKind::DBGrid:
            return "DBGrid";
        case ControlKind::FlexGrid:
            return "MSFlexGrid";
        case ControlKind::RichTextBox:
            return "RichTextBox";
        case ControlKind::Calendar:
            return "Calendar";
        case ControlKind::CommonDialog:
            return "CommonDialog";
        case ControlKind::Menu:
            return "Menu";
    }
    return "Control";
}

Control::Control(Form* form, std::string name, ControlKind kind, int index)
    : form_(form), name_(std::move(name)), kind_(kind), index_(index) {
    tabIndex_ = form_->registerControl(this);
}

Control::~Control() { form_->unregisterControl(this); }

std::string Control::path() const {
    std::string p = form_->name() + "." + name_;
    if (index_ >= 0) p += "(" + std::to_string(index_) + ")";
    return p;
}

void Control::changed(std::string_view property) { form_->controlChanged(*this, property); }
bool Control::eventsOn() const { return !quiet_ && form_->eventsOn(); }

void Control::setTag(std::string tag) {
    if (tag == tag_) return;
    tag_ = std::move(tag);
    changed("Tag");
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    changed("Visible");
}

void Control::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    changed("Enabled");
    enabledChanged();
}

#define PELK_UI_SETTER(Fn, member, Prop) \
    void Control::Fn(double v) {         \
        if (v == member) return;         \
        member = v;                      \
        changed(Prop);                   \
    }
PELK_UI_SETTER(setLeft, left_, "Left")
PELK_UI_SETTER(setTop, top_, "Top")
PELK_UI_SETTER(setWidth, width_, "Width")
PELK_UI_SETTER(setHeight, height_, "Height")
#undef PELK_UI_SETTER

void Control::ZOrder(int position) {
    if (form_->restack(*this, position != 0)) changed("ZOrder");
}

void Control::Move(double left, double top) {
    setLeft(left);
    setTop(top);
}

void Control::Move(double left, double top, double width, double height) {
    Move(left, top);
    setWidth(width);
    setHeight(height);
}

void Control::setBackColor(Color c) {
    if (c == backColor_) return;
    backColor_ = c;
    changed("BackColor");
}

void Control::setForeColor(Color c) {
    if (c == foreColor_) return;
    foreColor_ = c;
    changed("ForeColor");
}

void Control::setFont(const Font& f) {
    if (f == font_) return;
    font_ = f;
    changed("Font");
}

void Control::setFontName(std::string n) {
    Font f = font_;
    f.name = std::move(n);
    setFont(f);
}
void Control::setFontSize(double s) {
    Font f = font_;
    f.size = s;
    setFont(f);
}
void Control::setFontBold(bool b) {
    Font f = font_;
    f.bold = b;
    setFont(f);
}
void Control::setFontItalic(bool b) {
    Font f = font_;
    f.italic = b;
    setFont(f);
}
void Control::setFontUnderline(bool b) {
    Font f = font_;
    f.underline = b;
    setFont(f);
}

void Control::setTabIndex(int i) {
    if (i == tabIndex_) return;
    tabIndex_ = i;
    changed("TabIndex");
}

void Control::setTabStop(bool s) {
    if (s == tabStop_) return;
    tabStop_ = s;
    changed("TabStop");
}

void Control::setToolTipText(std::string t) {
    if (t == toolTip_) return;
    toolTip_ = std::move(t);
    changed("ToolTipText");
}

void Control::setMousePointer(int pointer) {
    if (pointer == mousePointer_) return;
    mousePointer_ = pointer;
    changed("MousePointer");
}

void Control::setMouseIcon(const Picture& icon) {
    if (icon == mouseIcon_) return;
    mouseIcon_ = icon;
    changed("MouseIcon");
}

void Control::setContainer(Control& frameOrPictureBox) {
    container_ = &frameOrPictureBox;
    changed("Container");
}

namespace {
bool visibleInForm(const Control& c) {
    for (const Control* p = &c; p; p = p->container())
        if (!p->visible()) return false;
    return true;
}
}  // namespace

bool Control::shown() const { return form_->isLoaded() && form_->visible() && visibleInForm(*this); }

bool Control::usable() const {
    if (!form_->enabled()) return false;
    for (const Control* p = this; p; p = p->container())
        if (!p->enabled()) return false;
    return true;
}

bool Control::canFocus() const { return takesFocus() && shown() && usable(); }

bool Control::hasFocus() const { return forms().activeForm() == form_ && form_->activeControl() == this; }

bool Control::SetFocus() {
    if (!form_->isLoaded() || !takesFocus() || !visibleInForm(*this) || !usable()) return false;
    return form_->focus(*this);
}

void Control::Refresh() {
    if (form_->isLoaded()) host().refresh(*form_);
}

void Control::onMouseDown(Handler h) {
    if (!h) return onMouseDown(MouseHandler{});
    mouseDown_ = [h = std::move(h)](int, int, double, double) { h(); };
}

void Control::onMouseUp(Handler h) {
    if (!h) return onMouseUp(MouseHandler{});
    mouseUp_ = [h = std::move(h)](int, int, double, double) { h(); };
}

// A handler may replace the handlers of its own control; each runs from a copy.
void Control::raiseClick() {
    if (!click_ || !eventsOn()) return;
    auto handler = click_;
    handler();
}
void Control::raiseDblClick() {
    if (!dblClick_ || !eventsOn()) return;
    auto handler = dblClick_;
    handler();
}
void Control::raiseChange() {
    if (!change_ || !eventsOn()) return;
    auto handler = change_;
    handler();
}
void Control::raiseGotFocus() {
    if (!gotFocus_ || !eventsOn()) return;
    auto handler = gotFocus_;
    handler();
}
void Control::raiseLostFocus() {
    if (!lostFocus_ || !eventsOn()) return;
    auto handler = lostFocus_;
    handler();
}
void Control::raiseKeyPress(int& keyAscii) {
    if (!keyPress_ || !eventsOn()) return;
    auto handler = keyPress_;
    handler(keyAscii);
}
void Control::raiseMouseDown(int button, int shift, double x, double y) {
    if (!mouseDown_ || !eventsOn()) return;
    auto handler = mouseDown_;
    handler(button, shift, x, y);
}
void Control::raiseMouseUp(int button, int shift, double x, double y) {
    if (!mouseUp_ || !eventsOn()) return;
    auto handler = mouseUp_;
    handler(button, shift, x, y);
}

void Control::userClick() {
    raiseMouseDown();
    if (!form_->isLoaded()) return;
    raiseMouseUp();
    if (!form_->isLoaded()) return;
    raiseClick();
}

void Control::userDblClick() {
    userClick();
    if (!form_->isLoaded()) return;
    raiseDblClick();
    if (!form_->isLoaded()) return;
    raiseMouseUp();
}

void Control::userKey(int keyAscii) { raiseKeyPress(keyAscii); }

bool Control::userSelect(int, int) { return false; }

bool Control::userEditCell(int, int, std::string_view) { return false; }

void Control::copyDesign(const Control& model) {
    struct Quiet {
        bool& flag;
        ~Quiet() { flag = false; }
    } quiet{quiet_};
    quiet_ = true;
    setTag(model.tag_);
    setEnabled(model.enabled_);
    Move(model.left_, model.top_, model.width_, model.height_);
    setBackColor(model.backColor_);
    setForeColor(model.foreColor_);
    setFont(model.font_);
    setTabStop(model.tabStop_);
    setToolTipText(model.toolTip_);
    setMousePointer(model.mousePointer_);
    setMouseIcon(model.mouseIcon_);
    if (model.container_) setContainer(*model.container_);
    // The kind's own properties go through their names. Left out: what the lines above set, what
    // only a user's session holds (the selection), what would act instead of being copied (a
    // button's Value clicks it, an option's Value clears its group, a grid's current cell and its
    // text move or edit rows), what a form holds once (Default, Cancel), and lists and cells
    // (run-time contents).
    static const std::vector<std::string_view> kNotCopied = {
        "Name",     "Index",      "Tag",           "Visible",   "Enabled",   "Left",     "Top",
        "Width",    "Height",     "ToolTipText",   "BackColor", "ForeColor", "FontName", "FontSize",
        "FontBold", "FontItalic", "FontUnderline", "TabIndex",  "TabStop",   "SelStart", "SelLength",
        "SelText",  "Picture",    "Default",       "Cancel",    "Container", "MousePointer", "MouseIcon"};
    bool valueActs = kind_ == ControlKind::CommandButton || kind_ == ControlKind::OptionButton;
    bool grid = kind_ == ControlKind::DBGrid || kind_ == ControlKind::FlexGrid;  // Text is a cell
    for (const Property& p : model.properties()) {
        if (!p.get || !p.set || p.indexed() || p.cells()) continue;
        if (std::find(kNotCopied.begin(), kNotCopied.end(), p.name) != kNotCopied.end()) continue;
        if (valueActs && p.name == "Value") continue;
        if (grid && (p.name == "Text" || p.name == "Row" || p.name == "Col")) continue;
        try {
            p.set(*this, 0, p.get(model, 0));
        } catch (const PropertyError&) {
            // A value this kind refuses without its run-time contents (a list's text): left as made.
        }
    }
}

const PropertyList& Control::identityProperties() {
    static const PropertyList list = {
        prop::readOnly("Name", &Control::name),
        prop::readOnly("Index", &Control::index),
        prop::of("Tag", &Control::tag, &Control::setTag),
    };
    return list;
}

const PropertyList& Control::boxProperties() {
    static const PropertyList list = {
        prop::of("Visible", &Control::visible, &Control::setVisible),
        prop::of("Enabled", &Control::enabled, &Control::setEnabled),
        prop::of("Left", &Control::left, &Control::setLeft),
        prop::of("Top", &Control::top, &Control::setTop),
        prop::of("Width", &Control::width, &Control::setWidth),
        prop::of("Height", &Control::height, &Control::setHeight),
        prop::of("ToolTipText", &Control::toolTipText, &Control::setToolTipText),
        prop::of("MousePointer", &Control::mousePointer, &Control::setMousePointer),
        prop::picture("MouseIcon", &Control::mouseIcon, &Control::setMouseIcon),
    };
    return list;
}

const PropertyList& Control::lookProperties() {
    static const PropertyList list = {
        prop::of("BackColor", &Control::backColor, &Control::setBackColor),
        prop::of("ForeColor", &Control::foreColor, &Control::setForeColor),
        prop::of("FontName", &Control::fontName, &Control::setFontName),
        prop::of("FontSize", &Control::fontSize, &Control::setFontSize),
        prop::of("FontBold", &Control::fontBold, &Control::setFontBold),
        prop::of("FontItalic", &Control::fontItalic, &Control::setFontItalic),
        prop::of("FontUnderline", &Control::fontUnderline, &Control::setFontUnderline),
    };
    return list;
}

const PropertyList& Control::tabProperties() {
    static const PropertyList list = {
        prop::of("TabIndex", &Control::tabIndex, &Control::setTabIndex),
        prop::of("TabStop", &Control::tabStop, &Control::setTabStop),
    };
    return list;
}

const PropertyList& Control::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(), boxProperties(), lookProperties(), tabProperties()});
    return list;
}

}  // namespace pelk::ui
