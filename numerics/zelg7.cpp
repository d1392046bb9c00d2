// Placeholder until the helper is written.
#include "numerics/zelg7.h"
