// Placeholder until the helper is written.
#include "numerics/zelg0.h"
