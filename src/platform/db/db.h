#pragma once

// The data layer as screens use it.
#include "platform/db/catalogue.h"
#include "platform/db/database.h"
#include "platform/db/error.h"
#include "platform/db/field.h"
#include "platform/db/quoting.h"
#include "platform/db/recordset.h"
#include "platform/db/unit_of_work.h"
