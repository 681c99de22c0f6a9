#pragma once

// Everything a screen uses of the form runtime.
#include "platform/ui/control.h"
#include "platform/ui/control_array.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/host.h"
#include "platform/ui/picture.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"
#include "platform/ui/screen.h"
