#pragma once

#include <optional>

#include "platform/db/recordset.h"

namespace pelk::reservations {

// What a screen working on one guest's stay keeps of it: the reservation row by its identity, so
// that its saves and its check-out never write another guest's row. The room map hands the row it
// found through this to the screen an occupied room opens, a later part's screen it reaches only
// by name.
class OwnStay {
public:
    virtual ~OwnStay() = default;

    void keepOwnStay(db::Bookmark stay) { ownStay_ = stay; }

protected:
    // Empty until a stay was handed over.
    std::optional<db::Bookmark> ownStay_;
};

}  // namespace pelk::reservations
