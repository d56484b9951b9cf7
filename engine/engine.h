// The trial engine's public API. Pure standard C++: no window type appears here.
#pragma once

#include "craft_sheet.h"
#include "decimal_mark.h"
#include "errors.h"
#include "number_text.h"
#include "random_source.h"
#include "trial_run.h"
