#include "platform/ui/registry.h"

#include <algorithm>
#include <stdexcept>

#include "platform/core/text.h"
#include "platform/ui/host.h"

namespace pelk::ui {

FormRegistry& forms() {
    static FormRegistry registry;
    return registry;
}

FormRegistry::Entry* FormRegistry::entryByName(std::string_view name) {
    for (Entry& e : entries_)
        if (core::text::equalsNoCase(e.name, name)) return &e;
    return nullptr;
}

const FormRegistry::Entry* FormRegistry::entryByName(std::string_view name) const {
    for (const Entry& e : entries_)
        if (core::text::equalsNoCase(e.name, name)) return &e;
    return nullptr;
}

void FormRegistry::registerForm(std::string name, std::type_index type, Factory factory) {
    if (Entry* e = entryByName(name)) {
        if (e->instance) throw std::logic_error(name + " is loaded; it cannot be registered again");
        e->type = type;
        e->factory = std::move(factory);
        return;
    }
    entries_.push_back(Entry{std::move(name), type, std::move(factory), nullptr});
}

bool FormRegistry::isRegistered(std::string_view name) const { return entryByName(name) != nullptr; }

std::vector<std::string> FormRegistry::registeredNames() const {
    std::vector<std::string> names;
    for (const Entry& e : entries_) names.push_back(e.name);
    return names;
}

Form& FormRegistry::load(Entry& e) {
    std::unique_ptr<Form> made = e.factory();
    Form& f = *made;
    f.name_ = e.name;
    f.made_ = true;
    f.loaded_ = true;
    e.instance = std::move(made);
    loadOrder_.push_back(&f);
    f.Form_Load();
    if (f.loaded_) {
        auto controls = f.controls_;
        for (Control* c : controls) c->afterFormLoad();
    }
    return f;
}

Form& FormRegistry::byName(std::string_view name) {
    Entry* e = entryByName(name);
    if (!e) throw std::logic_error("there is no form named " + std::string(name));
    return e->instance ? *e->instance : load(*e);
}

Form& FormRegistry::byType(std::type_index type) {
    for (Entry& e : entries_)
        if (e.type == type) return e.instance ? *e.instance : load(e);
    throw std::logic_error(std::string("the form class ") + type.name() + " is not registered");
}

Form* FormRegistry::find(std::string_view name) const {
    const Entry* e = entryByName(name);
    return e ? e->instance.get() : nullptr;
}

Form* FormRegistry::findType(std::type_index type) const {
    for (const Entry& e : entries_)
        if (e.type == type) return e.instance.get();
    return nullptr;
}

std::vector<Form*> FormRegistry::loaded() const { return loadOrder_; }

Form* FormRegistry::modalForm() const {
    for (auto it = modal_.rbegin(); it != modal_.rend(); ++it)
        if ((*it)->isLoaded() && (*it)->visible()) return *it;
    return nullptr;
}

Form* FormRegistry::mainWindow() const {
    for (Form* f : loadOrder_)
        if (f->isMdiForm()) return f;
    return nullptr;
}

void FormRegistry::activate(Form& f, bool justShown) {
    if (!f.isLoaded() || !f.visible()) return;
    std::erase(activation_, &f);
    activation_.push_back(&f);
    if (active_ == &f) return;
    Form* previous = active_;
    active_ = &f;
    if (previous && previous->isLoaded()) previous->raiseDeactivate();
    if (active_ != &f || !f.isLoaded()) return;
    f.raiseActivate();
    if (!justShown || active_ != &f || !f.isLoaded()) return;
    // A form just shown gives the focus to the control chosen while it was hidden, else to the
    // first tab stop.
    Control* c = f.activeControl_;
    if (!c || !c->canFocus()) c = f.firstFocusable();
    if (!c) return;
    f.activeControl_ = c;
    c->raiseGotFocus();
}

namespace {
// The form that becomes active when the active one goes: the one active before it.
Form* nextActive(const std::vector<Form*>& activation) {
    for (auto it = activation.rbegin(); it != activation.rend(); ++it)
        if ((*it)->isLoaded() && (*it)->visible()) return *it;
    return nullptr;
}
}  // namespace

void FormRegistry::formHidden(Form& f) {
    std::erase(activation_, &f);
    if (active_ != &f) return;
    active_ = nullptr;
    if (Form* next = nextActive(activation_)) activate(*next, false);
}

void FormRegistry::formReleased(Form& f) {
    std::erase(loadOrder_, &f);
    std::erase(activation_, &f);
    for (Entry& e : entries_)
        if (e.instance.get() == &f) released_.push_back(std::move(e.instance));
    if (active_ != &f) return;
    active_ = nullptr;
    if (Form* next = nextActive(activation_)) activate(*next, false);
}

void FormRegistry::popModal(Form& f) {
    auto it = std::find(modal_.rbegin(), modal_.rend(), &f);
    if (it != modal_.rend()) modal_.erase(std::next(it).base());
}

void FormRegistry::unloadAllSilently() {
    auto order = loadOrder_;
    active_ = nullptr;
    activation_.clear();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Form& f = **it;
        if (!f.loaded_) continue;
        f.visible_ = false;
        f.loaded_ = false;
        host().formUnloaded(f);
        std::erase(loadOrder_, &f);
        for (Entry& e : entries_)
            if (e.instance.get() == &f) released_.push_back(std::move(e.instance));
    }
}

void FormRegistry::collect() {
    // A form's destructor may not reach the registry; move the list out first all the same.
    auto gone = std::move(released_);
    released_.clear();
    gone.clear();
}

void FormRegistry::clear() {
    unloadAllSilently();
    modal_.clear();
    collect();
    entries_.clear();
}

}  // namespace pelk::ui
