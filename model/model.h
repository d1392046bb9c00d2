// The model object: every shared data module of one run, plus the values that routines keep
// from one call to the next. Each routine receives it by reference; module::variable of the
// numerical description is m.module.variable here (brggeom::kbrg is m.brggeom.kbrg).
// A fresh run is a fresh Model: every member starts at its initial value, nothing is reset by
// hand. The object is large (the per-contact distributions alone are ~270 kB): create it on the
// heap, e.g. auto m = std::make_unique<Model>().
#pragma once

#include "model/brggeom.h"
#include "model/constants.h"
#include "model/devices.h"
#include "model/errorcodes.h"
#include "model/errors.h"
#include "model/fatiguecons.h"
#include "model/flngdata.h"
#include "model/genvecs.h"
#include "model/loadder.h"
#include "model/locals.h"
#include "model/matprop.h"
#include "model/opcond.h"
#include "model/options.h"
#include "model/revecs.h"
#include "model/setupa4.h"
#include "model/setupa5.h"
#include "model/setupb1.h"
#include "model/setupc2.h"
#include "model/setupd1.h"
#include "model/solutions.h"
#include "model/tmparea.h"
#include "model/tracprop.h"
#include "model/units.h"
#include "model/vecmats.h"

struct Model {
  Constants constants;
  Devices devices;
  Options options;
  Brggeom brggeom;
  Opcond opcond;
  Matprop matprop;
  Tracprop tracprop;
  Fatiguecons fatiguecons;
  Units units;
  Genvecs genvecs;
  Vecmats vecmats;
  Revecs revecs;
  Flngdata flngdata;
  Loadder loadder;
  Solutions solutions;
  Errors errors;
  Errorcodes errorcodes;
  Setupa4 setupa4;
  Setupa5 setupa5;
  Setupb1 setupb1;
  Setupc2 setupc2;
  Setupd1 setupd1;
  Tmparea tmparea;
  // Values kept between calls by individual routines (their "persistent locals"), one member
  // per routine, named after it: m.zela1.reracetc is zela1::reracetc.
  Zela1Locals zela1;
  Zelg8Locals zelg8;
  Zela2Locals zela2;
  Zelc2Locals zelc2;
  Zela7Locals zela7;
  Zela71Locals zela71;
  Zelc5Locals zelc5;
  Zeld7Locals zeld7;
  Zela3Locals zela3;
  Zela4Locals zela4;
  QuasistaticeqLocals quasistaticeq;
  BenchCounts benchcounts;
  Zela5Locals zela5;
  Zeld6Locals zeld6;
};
