#pragma once

#include <functional>

namespace pelk::ui {

class Control;
class Form;

inline constexpr int kDefaultPointer = 0;
inline constexpr int kHourglass = 11;

// The legacy Screen object: the display's size in twips (the host sets the real one; tests set
// their own), the program-wide mouse pointer, and the active form and control.
class Screen {
public:
    double width() const { return width_; }
    double height() const { return height_; }
    void setSize(double width, double height);
    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);
    Form* activeForm() const;
    Control* activeControl() const;
    // Called when the size or the pointer changes (a host follows the pointer).
    void onChange(std::function<void()> f) { onChange_ = std::move(f); }
    // A 1024 by 768 display at 15 twips a pixel, the default pointer.
    void reset();

private:
    double width_ = 15360, height_ = 11520;
    int mousePointer_ = kDefaultPointer;
    std::function<void()> onChange_;
};

Screen& screen();

}  // namespace pelk::ui
