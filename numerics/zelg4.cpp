// Placeholder until the helper is written.
#include "numerics/zelg4.h"
