// Module `errorcodes`: the named error codes (never changed during a run).
#pragma once

struct Errorcodes {
  int kinitangvel = 10;   // initial angular-velocity code not 0, 1 or 2
  int kflngang = 11;      // flange angle outside its computed bounds
  int kflngcorint = 12;   // iteration count, roller corner to flange interaction
  int kflngconb = 13;     // flange contact outside the flange area
  int kfopen = 90;        // file open failure (reserved)
  int kfchk = 91;         // file check (reserved)
  int krootlc = 113;      // root finder, line contact
  int krootc4 = 114;      // root finder, Hertz point-contact factors
  int krootd1 = 115;      // zero-slip points of a contact
  int knoflng = 121;      // no flange for a tapered roller bearing
  int kargelpint = 122;   // invalid argument of the elliptic integrals
  int ksingmat = 123;     // singular matrix in the equilibrium equations
  int kitcntre = 124;     // iteration count, rolling-element equations
  int kitcntrace = 125;   // iteration count, race equations
  int kcorrlmtre = 126;   // correction limit, rolling-element equations (reserved)
  int kcorrlmtrace = 127; // correction limit, race equations (reserved)
};
