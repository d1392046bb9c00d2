// Module `vecmats`: positions, velocities and 3 x 3 transformation matrices of the bodies. A matrix
// named after two frames turns components in the first frame into components in the second.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Vecmats {
  zq::FArray<int, 4, 40> kns;
  zq::FArray<double, 3, 2> racemc;
  zq::FArray<double, 3, 4> cosrt;
  zq::FArray<double, 3, 4> raceangvel;
  zq::FArray<double, 3, 4> racegc;
  zq::FArray<double, 3, 4> racevel;
  zq::FArray<double, 3, 4> sinrt;
  zq::FArray<double, 3, 40> cosbt;
  zq::FArray<double, 3, 40> reangvel;
  zq::FArray<double, 3, 40> reangveli;
  zq::FArray<double, 3, 40> regc;
  zq::FArray<double, 3, 40> regci;
  zq::FArray<double, 3, 40> remc;
  zq::FArray<double, 3, 40> remci;
  zq::FArray<double, 3, 40> revel;
  zq::FArray<double, 3, 40> reveli;
  zq::FArray<double, 3, 40> sinbt;
  zq::FArray<double, 3, 3, 4> inerttorace;
  zq::FArray<double, 3, 3, 40> inerttoiaz;
  zq::FArray<double, 3, 3, 40> inerttore;
  zq::FArray<double, 3, 3, 40> retoiaz;
  zq::FArray<double, 3, 4, 40> cbs;
  zq::FArray<double, 3, 4, 40> crs;
  zq::FArray<double, 3, 3, 4, 40> racetoiaz;
  zq::FArray<double, 3, 3, 4, 40> tacs;
  zq::FArray<double, 2, 4, 40> xys;
};
