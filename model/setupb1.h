// Module `setupb1`: persistent state of the final sweep over all rolling elements: its first-
// call results (pure axial loading of a ball bearing, element centre offsets, copies of the
// applied loads) and the traction and flange forces and moments of every element kept for the
// report. Forces and moments are non-dimensional; element (3, 40) and race (3, 2, 40) vectors in
// the element's azimuth frame.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Setupb1 {
  int initb1 = 0;  // first-call flag
  int kload = 0;   // 1: pure axial loading of a ball bearing
  int kreeq = 0;   // reserved
  zq::FArray<int, 40> kregc;  // 1: element has a geometric-centre offset
  zq::FArray<double, 2> appmoments;  // copy of the applied moments
  zq::FArray<double, 3> apploads;    // copy of the applied loads
  zq::FArray<double, 3, 40> bfors;       // traction force on the element
  zq::FArray<double, 3, 40> bmoms;       // traction moment on the element
  zq::FArray<double, 3, 40> reflngfors;  // flange force on the element
  zq::FArray<double, 3, 40> reflngmoms;  // flange moment on the element
  zq::FArray<double, 3, 2, 40> rfors;         // traction force on races 1 and 2
  zq::FArray<double, 3, 2, 40> rmoms;         // traction moment on races 1 and 2
  zq::FArray<double, 3, 2, 40> raceflngfors;  // flange force on races 1 and 2
  zq::FArray<double, 3, 2, 40> raceflngmoms;  // flange moment on races 1 and 2
};
