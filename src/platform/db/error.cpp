#include "platform/db/error.h"

namespace pelk::db {

std::string Error::message() const { return store.empty() ? reason : store + ": " + reason; }

}  // namespace pelk::db
