// Module `units`: the unit labels printed beside report values, right-justified in their fields,
// set for the input's unit system. The fatigue-constant labels carry the life exponents and are
// built at run time; ufconlp, ufconvk, ufconih, uglp, ugvk, ugih hold one label per race.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Units {
  zq::FText<4> ulen;
  zq::FText<6> uinvlen;
  zq::FText<6> uforce;
  zq::FText<6> umass;
  zq::FText<4> utime;
  zq::FText<4> utemp;
  zq::FText<6> uvel;
  zq::FText<10> uacc;
  zq::FText<6> uangvel;
  zq::FText<8> uangacc;
  zq::FText<6> uang1;
  zq::FText<6> uang2;
  zq::FText<8> umom;
  zq::FText<6> upres;
  zq::FText<8> ustif;
  zq::FText<10> upower;
  zq::FText<8> uvis;
  zq::FText<12> uden;
  zq::FText<12> umi;
  zq::FText<18> uhtc;
  zq::FText<8> uhtc1;
  zq::FText<10> uhtc2;
  zq::FText<16> uthercond;
  zq::FText<14> uheatcap;
  zq::FText<10> ucoeftherexp;
  zq::FText<8> uprcoeff;
  zq::FText<10> uprtempcoeff1;
  zq::FText<8> uprtempcoeff2;
  zq::FText<6> utempcoeff1;
  zq::FText<4> utempcoeff2;
  zq::FText<10> upv;
  zq::FText<6> uvelcoeff;
  zq::FText<10> uvolrate;
  zq::FText<4> uhrdns;
  zq::FText<4> unull;  // never set
  // fatigue-constant labels
  zq::FText<15> ufatcon;
  zq::FArray<zq::FText<15>, 2> ufconlp, ufconvk, ufconih;
  zq::FText<15> ufconlpre, ufconvkre, ufconihre;
  zq::FArray<zq::FText<12>, 2> uglp, ugvk, ugih;
  zq::FText<12> uglpre, ugvkre, ugihre;
};
