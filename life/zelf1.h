// Fatigue lives and load capacities of every race contact, rolling element, race and the whole
// bearing by the original Lundberg-Palmgren load-capacity model and the current LP, VK and
// Ioannides-Harris stress-capacity models, each basic, Tallian-modified and STLE-modified.
// Contact lives in millions of revolutions, race, element and bearing lives in hours of the
// faster race; capacities non-dimensional. An infinite life is constants::xinf.
#pragma once

#include "model/farray.h"

struct Model;

namespace zelf1 {

void zelf1(Model& m);

// STLE film parameter lambda = h_c / sigma of contact (k, j) and the life factor read from the
// STLE lubrication-factor curve (0 and 0.19 for a dry contact).
void stlelubfactor(Model& m, int k, int j, double& lambda, double& factor);

// Life models in the working sums, and the life types.
constexpr int kOrig = 1, kLp = 2, kVk = 3, kIh = 4;
constexpr int kBasic = 1, kTallian = 2, kStle = 3;

// Working sums of one call (cleared on every call). rl(k, n, t) is the inverse-life sum of race
// segment k, model n, type t (rl(k, kOrig, kBasic) is rlinv, rl(k, kLp, kTallian) rlmlpinv,
// rl(k, kIh, kStle) rlihstleinv); rr(j, n, t) that of element j for the stress models
// (rr(j, kLp, kBasic) is rrllpinv). phi4(j, n), phit(j, n) are the Tallian terms of element j on
// the race in hand, phi4re(k, j, n), phitre(k, j, n) those of the element side of contact (k, j).
struct Work {
  zq::FArray<double, 4, 4, 3> rl;
  zq::FArray<double, 40, 4, 3> rr;
  zq::FArray<double, 40, 4> phi4, phit;
  zq::FArray<double, 4, 40, 4> phi4re, phitre;
};

// Life-modification material code of race segment k (segments 3 and 4 are the second halves of
// races 1 and 2).
int racecode(const Model& m, int k);

// Tallian model (life/zelf1_tallian.cpp): first-call constants; the terms of a loaded contact
// from its race-side basic inverse lives inv(n); the modified race sums of segment k after its
// element loop; the modified element sums after all races.
void tallianconstants(Model& m);
void talliancontact(Model& m, Work& w, int k, int j, const zq::FArray<double, 4>& inv);
void tallianracesums(Model& m, Work& w, int k);
void tallianelementsums(Model& m, Work& w);

}  // namespace zelf1
