// Placeholder until the helper is written.
#include "numerics/zelg3.h"
