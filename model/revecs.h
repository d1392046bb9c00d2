// Module `revecs`: working data of the rolling element being evaluated (`ire`) and of the race
// segment it is being contacted with (`irace`): the frames of the current contact, the contact-
// point vectors, the Gauss grid across line contacts with its per-slice results, and the flange
// force and moment sums of the element. Lengths are in the non-dimensional form (units of the
// rolling-element radius); a matrix named after two frames maps components of the first into
// the second (inertial, azimuth `ia`, element `b`, race `r`, contact `c`).
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Revecs {
  // integer scalars
  int idflngsol = 0;  // number of loaded roller-end/flange contacts of the element
  int irace = 0;      // race segment being evaluated (1 outer, 2 inner, 3/4 second halves)
  int ire = 0;        // rolling element being evaluated
  int ngm = 0;        // index of the extra middle point of the line-contact grid (ngrid + 1)
  int ngrid = 0;      // Gauss points across a line contact (3 segments x 4 points)
  // integer arrays (4): per race segment
  zq::FArray<int, 4> krace;  // 1 when the race segment is present
  // real scalars
  double brad = 0.0;  // roller radius at the slice last evaluated
  double rrad = 0.0;  // race radius at the slice contact point
  double sii = 0.0;   // azimuth of the element centre seen from the race (race frame)
  // real arrays (3)
  zq::Vec3 bflngfor;   // flange normal-load force on the element (element azimuth frame)
  zq::Vec3 bflngmom;   // moment of that force about the element centre (azimuth frame)
  zq::Vec3 bgrgr;      // element geometric centre from the race centre (race frame)
  zq::Vec3 ccbgb;      // contact point from the element centre (element frame)
  zq::Vec3 ccbgr;      // contact point from the element centre (race frame)
  zq::Vec3 ccrgr;      // contact point from the race centre (race frame)
  zq::Vec3 reflngfor;  // total flange force on the element (element azimuth frame)
  zq::Vec3 reflngmom;  // total flange moment on the element (element azimuth frame)
  // real arrays (4): per race segment
  zq::FArray<double, 4> baseang;  // base angle of the race segment (0 outer, pi inner)
  zq::FArray<double, 4> radx;     // effective rolling radius of the contact with the segment
  // real arrays (30): Gauss grid on [-1, 1] across a line contact
  zq::FArray<double, 30> wgl;  // weights (sum 2)
  zq::FArray<double, 30> xgl;  // abscissae
  // real arrays (3, 2): per race
  zq::FArray<double, 3, 2> raceflngfor;  // flange force on the race (element azimuth frame)
  zq::FArray<double, 3, 2> raceflngmom;  // flange moment on the race about its centre (azimuth)
  zq::FArray<double, 3, 2> rflngfor;     // flange normal force on the race (inertial)
  zq::FArray<double, 3, 2> rflngmom;     // its moment about the race centre (inertial)
  // real arrays (3, 3): frames of the current element and contact
  zq::Mat3 tac;   // element azimuth frame -> contact frame
  zq::Mat3 tbc;   // element frame -> contact frame
  zq::Mat3 tbia;  // element frame -> element azimuth frame
  zq::Mat3 tbr;   // element frame -> race frame
  zq::Mat3 tia;   // inertial frame -> element azimuth frame
  zq::Mat3 tir;   // inertial frame -> race frame
  zq::Mat3 tra;   // race frame -> race azimuth frame (through the element or slice)
  zq::Mat3 trc;   // race frame -> contact frame
  zq::Mat3 tria;  // race frame -> element azimuth frame
  // real arrays (3, 4): per race segment
  zq::FArray<double, 3, 4> bcbgrs;  // crown-centre offset from the element centre (race frame)
  // real arrays (3, 3, 4): frames saved per race segment
  zq::FArray<double, 3, 3, 4> tbrs;  // element -> race frame
  zq::FArray<double, 3, 3, 4> tras;  // race -> race azimuth frame
  // per line-contact slice (grid point 1..ngm) and race segment
  zq::FArray<double, 2, 30, 4> asc;   // slice tilt: cosine and sine (race azimuth frame)
  zq::FArray<double, 3, 30, 4> cbsl;  // slice contact point from the element centre (contact frame)
  zq::FArray<double, 3, 30, 4> crsl;  // slice contact point from the race centre (contact frame)
};
