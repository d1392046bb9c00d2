// Placeholder until the helper is written.
#include "numerics/zelb22.h"
