// Placeholder until the helper is written.
#include "numerics/zelb2.h"
