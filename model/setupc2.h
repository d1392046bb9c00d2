// Module `setupc2`: ring coefficients of the race-fit computation, evaluated once per run.
// Housing, shaft and both races are thick rings (plane stress, Lame solution with rotation);
// each displacement set holds the radial displacement per unit outside pressure (1), per unit
// inside pressure (2), per unit squared angular speed (3) and per unit temperature rise (4),
// each hoop set the hoop stress per unit outside pressure (1), inside pressure (2) and squared
// angular speed (3). The radii are those of the first call; later calls start from them.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Setupc2 {
  int initc2 = 0;       // first-call flag
  double ctaper = 0.0;  // cosine of the mean race taper angle
  zq::FArray<double, 2> fits;         // radial fits of outer and inner race (half the diametral)
  zq::FArray<double, 4> racecurcens;  // groove centres: axial, radial of race 1, then race 2
  zq::FArray<double, 4> racerads;     // outside, outer raceway, inner raceway, bore radius
  zq::FArray<double, 3> sth;          // housing hoop coefficients at its bore
  zq::FArray<double, 3> sts;          // shaft hoop coefficients at its outside
  zq::FArray<double, 4> vh;           // housing displacement coefficients at its bore
  zq::FArray<double, 4> vs;           // shaft displacement coefficients at its outside
  zq::FArray<double, 3, 2, 2> str;    // race hoop coefficients: surface (1 out, 2 in), race
  zq::FArray<double, 4, 2, 2> vr;     // race displacement coefficients: surface, race
};
