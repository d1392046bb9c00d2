// Placeholder until the helper is written.
#include "numerics/zelb23.h"
