// Module `brggeom`: bearing geometry: type, element count, envelope, element and race geometry as
// read, per-element geometry with its variations, race segments, flanges, masses, inertias, the
// frames fixed at set-up and the contact type of every contact. racerad (2, 4) is also addressed
// linearly 1..8 (racerad.lin(k)). The per-race arrays that the contact code indexes by race
// segment have room for four entries; entries 3 and 4 belong to the second halves of a split race.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Brggeom {
  int kbrg = 0;
  int kflnginds = 0;
  int nrace = 0;
  int nre = 0;
  int nte = 0;
  zq::FArray<int, 4> kflngindr;
  zq::FArray<int, 4> mrace;
  zq::FArray<int, 2, 2> kflngind;
  zq::FArray<int, 4, 40> kcontype;
  double brecenlen = 0.0;
  double brecrn = 0.0;
  double bredia = 0.0;
  double brelen = 0.0;
  double bremass = 0.0;
  double bretaper = 0.0;
  double brgbore = 0.0;
  double brgod = 0.0;
  double freeconang = 0.0;
  double freeendplay = 0.0;
  double freeintcls = 0.0;
  double hsngod = 0.0;
  double pitchdia = 0.0;
  double reax = 0.0;
  double rermscenlenvar = 0.0;
  double rermsclenoffset = 0.0;
  double rermsdiavar = 0.0;
  double rermslenvar = 0.0;
  double shftid = 0.0;
  zq::FArray<double, 2> brecorrad;
  zq::FArray<double, 2> breendrad;
  zq::FArray<double, 2> cosshimang;
  zq::FArray<double, 2> flngcls;
  zq::FArray<double, 4> racecencrndrop;
  zq::FArray<double, 4> racecenlen;
  zq::FArray<double, 4> racecostaper;
  zq::FArray<double, 4> racecrn;
  zq::FArray<double, 2> racecurfac;
  zq::FArray<double, 4> racelandlmt;
  zq::FArray<double, 4> racetantaper;
  zq::FArray<double, 4> racetaper;
  zq::FArray<double, 2> racewidth;
  zq::FArray<double, 2> shimang;
  zq::FArray<double, 2> shimthkns;
  zq::FArray<double, 2> shoulderdia;
  zq::FArray<double, 3> breframe;
  zq::FArray<double, 3> bregeocen;
  zq::FArray<double, 3> bremi;
  zq::FArray<double, 4> racecur;
  zq::FArray<double, 4> racecurrad;
  zq::FArray<double, 4> racemass;
  zq::FArray<double, 2, 4> racerad;
  zq::FArray<double, 40> recencrndrop;
  zq::FArray<double, 40> recenlen;
  zq::FArray<double, 40> recenlenoffset;
  zq::FArray<double, 40> recenlenvar;
  zq::FArray<double, 40> recostaper;
  zq::FArray<double, 40> recrn;
  zq::FArray<double, 40> recrnvar;
  zq::FArray<double, 40> redia;
  zq::FArray<double, 40> rediavar;
  zq::FArray<double, 40> relen;
  zq::FArray<double, 40> relenvar;
  zq::FArray<double, 40> remass;
  zq::FArray<double, 40> rerad;
  zq::FArray<double, 40> retantaper;
  zq::FArray<double, 40> retaper;
  zq::FArray<double, 40> retapervar;
  zq::FArray<double, 2, 2> flngang;
  zq::FArray<double, 2, 2> flnght;
  zq::FArray<double, 2, 4> racecurcen;
  zq::FArray<double, 2, 40> recenlmt;
  zq::FArray<double, 2, 40> reconlmt;
  zq::FArray<double, 2, 40> recorrad;
  zq::FArray<double, 2, 40> recorradvar;
  zq::FArray<double, 2, 40> recur;
  zq::FArray<double, 2, 40> recurcen;
  zq::FArray<double, 2, 40> reendcen;
  zq::FArray<double, 2, 40> reendrad;
  zq::FArray<double, 2, 40> reendradvar;
  zq::FArray<double, 3, 2> cfacvar;
  zq::FArray<double, 3, 4> raceframe;
  zq::FArray<double, 3, 4> rlradvar;
  zq::FArray<double, 3, 3> rebasetran;
  zq::FArray<double, 3, 4> racegeocen;
  zq::FArray<double, 3, 4> racemi;
  zq::FArray<double, 3, 40> reframe;
  zq::FArray<double, 3, 40> regeocen;
  zq::FArray<double, 3, 40> remi;
  zq::FArray<double, 4, 4> rloffset;
  zq::FArray<double, 4, 4> rltaper;
  zq::FArray<double, 2, 2, 2> flngorigin;
  zq::FArray<double, 2, 2, 40> recorcen;
  zq::FArray<double, 4, 40> reprrad;
  zq::FArray<double, 3, 2, 40> reendframe;
  zq::FArray<double, 3, 3, 4> racegeotoprin;
  zq::FArray<double, 3, 3, 40> regeotoprin;
  zq::FArray<double, 3, 3, 2, 2> traf;
  zq::FArray<double, 3, 3, 2, 40> tre;
  zq::FText<36> runid;
};
