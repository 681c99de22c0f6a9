#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "platform/ui/form.h"

namespace pelk::ui {

// The program's forms: each registered once by name with its class, made on its first reference,
// kept until unloaded. It also knows which form is active and which are shown waiting.
class FormRegistry {
public:
    using Factory = std::function<std::unique_ptr<Form>()>;

    // Registration is explicit (the screens live in a static library, where self-registering
    // statics would be dropped by the linker): the program registers all its forms at start.
    template <class T>
    void registerForm(std::string name) {
        registerForm(std::move(name), typeid(T), [] { return std::make_unique<T>(); });
    }
    void registerForm(std::string name, std::type_index type, Factory factory);
    bool isRegistered(std::string_view name) const;
    std::vector<std::string> registeredNames() const;

    // The form, loaded (and its Form_Load run) when it is not: every reference in a screen.
    template <class T>
    T& get() {
        return static_cast<T&>(byType(typeid(T)));
    }
    Form& byName(std::string_view name);
    // The loaded form, or nullptr; never loads.
    Form* find(std::string_view name) const;
    template <class T>
    T* find() const {
        return static_cast<T*>(findType(typeid(T)));
    }
    template <class T>
    bool isLoaded() const {
        return find<T>() != nullptr;
    }
    bool isLoaded(std::string_view name) const { return find(name) != nullptr; }
    // Every loaded form, in the order they were loaded.
    std::vector<Form*> loaded() const;

    Form* activeForm() const { return active_; }
    // The form shown waiting on top, or nullptr: while there is one, no other form takes input.
    Form* modalForm() const;
    // The loaded main window (MdiForm), or nullptr.
    Form* mainWindow() const;

    // The runtime's side (Form, runtime.cpp, hosts, tests).
    void activate(Form& f, bool justShown);
    void formHidden(Form& f);
    void formReleased(Form& f);
    void pushModal(Form& f) { modal_.push_back(&f); }
    void popModal(Form& f);
    // End: every form goes at once, without its unload events.
    void unloadAllSilently();
    // Drops the instances unloaded since the last call; run when the outermost event returns.
    void collect();
    // Forgets every form and registration (tests), without events.
    void clear();

private:
    struct Entry {
        std::string name;
        std::type_index type;
        Factory factory;
        std::unique_ptr<Form> instance;
    };
    Entry* entryByName(std::string_view name);
    const Entry* entryByName(std::string_view name) const;
    Form& load(Entry& e);
    Form& byType(std::type_index type);
    Form* findType(std::type_index type) const;

    std::vector<Entry> entries_;
    std::vector<Form*> loadOrder_;
    std::vector<Form*> activation_;  // visible forms, most recently active last
    std::vector<Form*> modal_;
    std::vector<std::unique_ptr<Form>> released_;
    Form* active_ = nullptr;
};

FormRegistry& forms();

// The legacy Unload statement naming another form: it unloads the form when it is loaded, and
// never loads it to do so. False when the form refused.
template <class T>
bool Unload() {
    T* f = forms().find<T>();
    return !f || f->Unload();
}

}  // namespace pelk::ui
