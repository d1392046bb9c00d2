// Module `tracprop`: lubricant and traction data: lubricant code, traction model types, traction-
// curve coefficients (five reals, the fifth selects the form), film and rheology parameters,
// viscosity-model constants and the current lubricant state at (currtemp, currpres).
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Tracprop {
  int initprop = 0;
  int itherconv = 0;
  int itherm = 0;
  int kcptrac = 0;
  int kcptractype = 0;
  int kcrtrac = 0;
  int kcrtractype = 0;
  int kfilm = 0;
  int kmtype = 0;
  int krftrac = 0;
  int krftractype = 0;
  int krrtrac = 0;
  int krrtractype = 0;
  int kshthtype = 0;
  int ktrac = 0;
  int ktracint = 0;
  int ktractype = 0;
  int kvtype = 0;
  int nstf = 40;       // entries of the shear-thinning factor table
  int initzeld6 = 0;   // first-call flag of the rheological traction model
  double a1exp = 0.0;
  double aexp = 0.0;
  double alfalub = 0.0;
  double betalub = 0.0;
  double cageracefilm = 0.0;
  double cexp = 0.0;
  double cexp1 = 0.0;
  double cn = 0.0;
  double cn1 = 0.0;
  double cshear = 0.0;
  double cshearmod = 0.0;
  double cshearmod1 = 0.0;
  double currpres = 0.0;
  double currtemp = 0.0;
  double denlub = 0.0;
  double dimlessdt = 0.0;
  double dvislub = 0.0;
  double gshearmod = 8.0e10;  // creep shear modulus (Pa)
  double gsvis = 0.0;
  double ha0 = 0.0;
  double ha1 = 0.0;
  double ha2 = 0.0;
  double hb0 = 0.0;
  double hb1 = 0.0;
  double hc0 = 0.0;
  double hc1 = 0.0;
  double hcf = 0.0;
  double hmuinf = 0.0;
  double htinf = 0.0;
  double pocvis = 0.0;
  double recagecoeff = 0.0;
  double recagefilm = 0.0;
  double refcritshear = 0.0;
  double reflngfilm = 0.0;
  double refshearmod = 0.0;
  double reftg = 0.0;
  double reftractemp = 0.0;
  double reftracvis = 0.0;
  double refts = 0.0;
  double reftv = 0.0;
  double refvis = 0.0;
  double rerefilm = 0.0;
  double smod = 0.0;
  double spheatlub = 0.0;
  double strparam = 0.0;
  double tcl = 0.0;
  double tracalfa = 0.0;
  double tracbeta = 0.0;
  double tracvis = 0.0;
  double vislub = 0.0;
  double ya1 = 0.0;
  double ya2 = 0.0;
  double yb1 = 0.0;
  double yb2 = 0.0;
  double yc1 = 0.0;
  double yc2 = 0.0;
  double ytg0 = 0.0;
  double yxmug = 0.0;
  zq::FArray<double, 3> thercondlub;
  zq::FArray<double, 4> reracefilm;
  zq::FArray<double, 5> cageracecoeff;
  zq::FArray<double, 5> reflngcoeff;
  zq::FArray<double, 5> rerecoeff;
  zq::FArray<double, 9> tracviscoeff;
  zq::FArray<double, 9> viscoeff;
  zq::FArray<double, 12> critshearcoeff;
  zq::FArray<double, 12> shearmodcoeff;
  zq::FArray<double, 40> slamda;
  // shear-thinning factors belonging to the dimensionless stresses slamda
  zq::FArray<double, 40> stfac{1.0,  0.999, 0.995, 0.99, 0.985, 0.98, 0.975, 0.97, 0.965, 0.96,
                               0.955, 0.95, 0.94,  0.93, 0.92,  0.91, 0.9,   0.88, 0.86,  0.84,
                               0.82, 0.8,   0.75,  0.7,  0.65,  0.6,  0.55,  0.5,  0.45,  0.4,
                               0.35, 0.3,   0.25,  0.2,  0.15,  0.1,  0.075, 0.06, 0.05,  0.01};
  zq::FArray<double, 40> stfd;
  zq::FArray<double, 5, 4> reracecoeff;
  zq::FText<50> lubname{"None"};
  zq::FText<50> shthmodname{"None"};
  zq::FText<50> tracmodname{"None"};
  zq::FText<50> vismodname{"None"};
};
