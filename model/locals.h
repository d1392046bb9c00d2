// Values that individual routines keep from one call to the next (their persistent locals),
// one struct per routine; each is a member of Model named after the routine.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Zela1Locals {
  // Kept by the defaults for the input-data section.
  double lpelasticratio = 1.0;
  double basepoisson = 0.277;
  double basemodulus = 2.0133e11;  // Pa in SI; converted to psi by the defaults in English units
  // Traction-curve input as read (element/race by race; roller end/flange).
  zq::FArray<double, 4, 2> reracetc;
  zq::FArray<double, 4> reflngtc;
  // No-load contact angle of a spherical roller bearing (printed with the degree label).
  double conangnoload = 0;
};

struct Zelc5Locals {
  // Frames of the roller slice last evaluated by the slice interference.
  zq::Mat3 tbra;    // element frame -> slice azimuth frame
  zq::Vec3 bgrgra;  // element centre from the race centre, slice azimuth frame
};
