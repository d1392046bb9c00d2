// Module `constants`: numbers, tolerances, unit-system tables, Gauss points, the version
// strings, the scale factors of the non-dimensional form and the per-race contact constants.
// Scale factors and reciprocals are set at the start of input processing; the per-race
// constants by the material set-up; `gpop` by the size-scatter set-up.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Constants {
  // integer scalars
  int ff = 12;  // form-feed character code
  int iprtdiag = 0;
  // real scalars
  double cacc = 0, cang = 0, cangacc = 0, cangvel = 0, cmom = 0, cpres = 0, cqv = 0, crewr = 0;
  double crnlmt = 1.0e6;
  double cstiff = 0, cvel = 0, denc = 0;
  double zero = 0.0, one = 1.0, two = 2.0, three = 3.0, four = 4.0, five = 5.0, six = 6.0,
         seven = 7.0, eight = 8.0, nine = 9.0, ten = 10.0;
  double one2 = 0, one3 = 0, one4 = 0, one5 = 0, one6 = 0, one7 = 0, one8 = 0, one9 = 0,
         one10 = 0;
  double pi = 3.141592653589793;
  double pi2 = 0, pressc = 0, s2pi = 0, sforce = 0, slen = 0, spheatc = 0, stime = 0,
         tempc = 0, thercondc = 0, tpi = 0, visc = 0;
  double xinf = 9.999e99;
  // real arrays (2): by unit system (abst, ag, hcons) or by race
  zq::FArray<double, 2> abst{273.15, 459.67};
  zq::FArray<double, 2> ag{1.0, 386.088};
  zq::FArray<double, 2> hcons{98066500.0, 14223.344};
  // Positive halves of the 4-point Gauss-Legendre rule on [-1, 1], to full double precision.
  zq::FArray<double, 2> gqx{0.3399810435848563, 0.8611363115940526};
  zq::FArray<double, 2> gqw{0.6521451548625462, 0.34785484513745385};
  zq::FArray<double, 2> cgeoparalp, cgeoparavk, cracewr, srerace;
  // per race segment (4): written for all four segments by the per-race material set-up
  zq::FArray<double, 4> ererace, qmrerace;
  zq::FArray<double, 2, 4> qrerace;  // line-contact law constants (1 deflection, 2 half-width)
  // roller-end/flange Hertz constants (constant, flange side, race)
  zq::FArray<double, 6, 2, 2> flngcons;
  zq::FArray<double, 3> tolr{1.0e-10, 1.0e-6, 1.0e-4};
  zq::FArray<double, 4> rock;
  zq::FArray<double, 4> sig{1.0, -1.0, 1.0, -1.0};  // +1 outer segments 1, 3; -1 inner 2, 4
  zq::FArray<double, 100> gpop;
  // text
  zq::FText<14> iver{"(ZelorQS 8.50)"};
  zq::FText<14> jver;
  zq::FText<10> rdate{"06Jul2020"};
};
