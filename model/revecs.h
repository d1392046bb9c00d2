// Module `revecs` (placeholder until the data model is filled in).
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Revecs {};
