// Placeholder until the helper is written.
#include "numerics/zelg5.h"
