#include "platform/ui/program.h"

namespace pelk::ui {

Program& program() {
    static Program p;
    return p;
}

}  // namespace pelk::ui
