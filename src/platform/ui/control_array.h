#pragma once

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace pelk::ui {

inline constexpr int kErrAlreadyLoaded = 360;

// A Load the legacy runtime refuses with an error number (kErrAlreadyLoaded).
class ControlArrayError : public std::logic_error {
public:
    ControlArrayError(int number, const std::string& message) : std::logic_error(message), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

// A legacy control array: controls of one kind sharing a name, told apart by Index, whose events
// reach one handler with the index (`comNumber_Click(Index)`). Each member registers with the form
// as name(index), so scripts reach `frmMain.comNumber(3)`.
//   ui::ControlArray<ui::CommandButton> comNumber{this, "comNumber", 10};   // comNumber(0) … (9)
//   comNumber.onClick([this](int index) { comNumber_Click(index); });
template <class T>
class ControlArray {
public:
    ControlArray(Form* form, std::string name, int count) : form_(form), name_(std::move(name)) {
        for (int i = 0; i < count; ++i) add(i);
    }
    ControlArray(Form* form, std::string name, std::initializer_list<int> indices)
        : form_(form), name_(std::move(name)) {
        for (int i : indices) add(i);
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    const std::string& name() const { return name_; }
    T& operator()(int index) const {
        auto it = members_.find(index);
        if (it == members_.end()) throw std::out_of_range(name_ + "(" + std::to_string(index) + ") does not exist");
        return *it->second;
    }
    bool exists(int index) const { return members_.count(index) > 0; }
    int count() const { return static_cast<int>(members_.size()); }
    int lbound() const { return members_.empty() ? 0 : members_.begin()->first; }
    int ubound() const { return members_.empty() ? -1 : members_.rbegin()->first; }
    // The members in index order.
    std::vector<T*> members() const {
        std::vector<T*> all;
        for (const auto& [i, c] : members_) all.push_back(c.get());
        return all;
    }

    // The legacy Load of a new member at run time: it takes the design of the lowest member (not
    // its Visible: it comes hidden, nor its TabIndex: it comes last in tab order) and the array's
    // handlers. An index already loaded is the legacy error 360.
    T& load(int index) {
        if (exists(index))
            throw ControlArrayError(kErrAlreadyLoaded,
                                    name_ + "(" + std::to_string(index) + "): Object already loaded");
        const T* model = members_.empty() ? nullptr : members_.begin()->second.get();
        T& c = add(index);
        if (model) c.copyDesign(*model);
        c.setVisible(false);
        form_->controlLoaded(c);
        return c;
    }
    // The legacy Unload of a member: a data control bound to it lets go of it first.
    void unload(int index) {
        auto it = members_.find(index);
        if (it == members_.end()) return;
        form_->controlUnloading(*it->second);
        members_.erase(index);
    }

    void onClick(std::function<void(int)> h) {
        wire([h](T& c, int i) { c.onClick([h, i] { h(i); }); });
    }
    void onDblClick(std::function<void(int)> h) {
        wire([h](T& c, int i) { c.onDblClick([h, i] { h(i); }); });
    }
    void onChange(std::function<void(int)> h) {
        wire([h](T& c, int i) { c.onChange([h, i] { h(i); }); });
    }
    void onGotFocus(std::function<void(int)> h) {
        wire([h](T& c, int i) { c.onGotFocus([h, i] { h(i); }); });
    }
    void onLostFocus(std::function<void(int)> h) {
        wire([h](T& c, int i) { c.onLostFocus([h, i] { h(i); }); });
    }
    void onKeyPress(std::function<void(int, int&)> h) {
        wire([h](T& c, int i) { c.onKeyPress([h, i](int& key) { h(i, key); }); });
    }
    void onMouseDown(std::function<void(int, int, int, double, double)> h) {
        wire([h](T& c, int i) { c.onMouseDown([h, i](int b, int s, double x, double y) { h(i, b, s, x, y); }); });
    }
    void onMouseDown(std::function<void(int)> h) {
        wire([h](T& c, int i) { c.onMouseDown(Control::Handler([h, i] { h(i); })); });
    }
    void onMouseUp(std::function<void(int, int, int, double, double)> h) {
        wire([h](T& c, int i) { c.onMouseUp([h, i](int b, int s, double x, double y) { h(i, b, s, x, y); }); });
    }
    void onMouseUp(std::function<void(int)> h) {
        wire([h](T& c, int i) { c.onMouseUp(Control::Handler([h, i] { h(i); })); });
    }
    void onTimer(std::function<void(int)> h) requires std::is_base_of_v<Timer, T> {
        wire([h](T& c, int i) { c.onTimer([h, i] { h(i); }); });
    }

private:
    T& add(int index) {
        auto made = std::make_unique<T>(form_, name_, index);
        T& c = *made;
        members_[index] = std::move(made);
        for (auto& w : wiring_) w(c, index);
        return c;
    }
    void wire(std::function<void(T&, int)> w) {
        for (auto& [i, c] : members_) w(*c, i);
        wiring_.push_back(std::move(w));
    }

    Form* form_;
    std::string name_;
    std::map<int, std::unique_ptr<T>> members_;
    std::vector<std::function<void(T&, int)>> wiring_;
};

}  // namespace pelk::ui
