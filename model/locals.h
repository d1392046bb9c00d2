// Values that individual routines keep from one call to the next (their persistent locals),
// one struct per routine; each is a member of Model named after the routine.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Model;

struct Zela1Locals {
  // Kept by the defaults for the input-data section.
  double lpelasticratio = 1.0;
  double basepoisson = 0.277;
  double basemodulus = 2.0133e11;  // Pa in SI; converted to psi by the defaults in English units
  // Traction-curve input as read (element/race by race; roller end/flange).
  zq::FArray<double, 4, 2> reracetc;
  zq::FArray<double, 4> reflngtc;
  // Label of the input record read last (only echoed).
  zq::FText<12> label;
  // No-load contact angle of a spherical roller bearing (printed with the degree label).
  double conangnoload = 0;
  // Standard-normal deviates of the element size scatter, one per element (zero above nre).
  zq::FArray<double, 40> zi;
};

struct Zelg8Locals {
  // Abscissae 0.00..3.00 and the normal distribution function at them.
  zq::FArray<double, 301> x;
  zq::FArray<double, 301> f;
  // Probabilities 0.50..0.99 and their quantiles.
  zq::FArray<double, 50> y;
  zq::FArray<double, 50> z;
};

// Model set-up: the non-dimensional conversion runs once per run; dimorgdone = 1 marks that the
// model is in scaled form (a second conversion would scale everything again).
struct Zela2Locals {
  int dimorgdone = 0;
};

struct Zelc2Locals {
  zq::FArray<double, 4> raceu;      // radial growth: race 1 outside, raceway; race 2 raceway, bore
  zq::FArray<double, 2> racehoopf;  // hoop stress at the raceway of race 1 and 2 (fatigue terms)
  zq::FArray<double, 40> reu;       // thermal growth of each rolling element's diameter
};

// Property record of the material database: one material at one temperature, SI units
// (temperature K, density kg/m^3, modulus and stress Pa, conductivity W/(m K), expansion 1/K,
// specific heat J/(kg K), hardness HRC), with the life-modification material and process codes.
struct Zela7Locals {
  zq::FText<36> name;
  double temp = 0.0;
  double den = 0.0;
  double em = 0.0;
  double pr = 0.0;
  double tc = 0.0;
  double cte = 0.0;
  double sh = 0.0;
  double esl = 0.0;
  double hrc = 0.0;
  double wc = 0.0;
  double vm = 0.0;
  int kmat = 0;
  int kproc = 0;
};

// Per-race material constants: the densities of matprop are turned into the dynamic form in
// place once; initden = 1 marks that they are, and the densities as given (user units) are kept
// for the thermal effusivities of a repeated evaluation.
struct Zela71Locals {
  int initden = 0;
  double reden = 0.0;
  zq::FArray<double, 2> raceden;
  double shftden = 0.0;
  double hsngden = 0.0;
};

struct Zelc5Locals {
  // Frames of the roller slice last evaluated by the slice interference.
  zq::Mat3 tbra;    // element frame -> slice azimuth frame
  zq::Vec3 bgrgra;  // element centre from the race centre, slice azimuth frame
};

struct Zeld7Locals {
  // Factors from SI to the user's units, chosen by the lubricant database at its first call
  // and kept for the run: temperature, pressure, viscosity, viscosity per temperature,
  // density, specific heat, conductivity; coefficient factors ss1 (per Pa, per K, per Pa K)
  // and ss2 (per Pa, K, K per Pa).
  double tempcon = 0, prcon = 0, viscon = 0, dviscon = 0, dencon = 0, sphtcon = 0, tccon = 0;
  zq::FArray<double, 3> ss1, ss2;
  // Santotrac laws: the viscosities (Pa s) at T - 1 and T of the last evaluation.
  zq::FArray<double, 2> santotrac30visc, santotrac50visc;
  // Pressure terms of the free-volume (Yasutomi-Bair) law at the pressure of the last
  // evaluation, which the film integration reuses at its many temperatures of one pressure:
  // glass temperature Tg (K), expansivity factor F, the pressure factors of dF/dp and of
  // F dTg/dp, and the pressure-only conductivity of the updated MIL-L-23699 (W/(m K)); for
  // lubricant code pcode (0: none) at the pressure (Pa) whose bits are pbits.
  int pcode = 0;
  unsigned long long pbits = 0;
  double ptg = 0, pf = 0, pdf = 0, pdtg = 0, ptc = 0;
};

// Results section: the contact-edge values of the ball race contacts (depth of the outer contact
// edge below the race shoulder, axial position of the inner contact edge), per race segment and
// element, in the user's length unit; written by the race-contact tables, kept between calls.
struct Zela3Locals {
  zq::FArray<double, 4, 40> cedge1;
  zq::FArray<double, 4, 40> cedge2;
};

// Element and race equilibrium (zela4): values kept from one call to the next.
struct Zela4Locals {
  zq::FArray<int, 40> ibc;               // element number of an unconverged element, else 0
  zq::FArray<double, 4> con;             // contact stiffness per race segment at the operating
                                         // point of the centrifugal force
  zq::FArray<double, 2, 2> racebaseang;  // the two misalignment angles of each race
  zq::Vec3 bci;                          // mass centre of the current element (inertial)
  zq::Vec3 r1, r2;                       // moving-frame acceleration (azimuth, inertial)
  double target = 0.0;                   // light-contact load of an unloaded element (last call)
};

// Equilibrium driver (zelorqs::quasistaticeq and its stiffness steps).
struct QuasistaticeqLocals {
  zq::Vec3 stf;                  // stiffness per inertial direction (internal units)
  zq::Vec3 raceq;                // inner-race reaction of the solution
  zq::Vec3 racep;                // inner-race reaction of a stepped solution
  zq::Vec3 racer;                // saved inner-race centre
  zq::FArray<double, 2, 40> rer; // saved axial position and radius of every element
  zq::FArray<double, 40> sxx;    // saved multiplicity weights
  int kangvel = 0;               // the user's spin-attitude option (ball bearings)
};

// Spin attitude by minimum contact heat: the attitude grid and the heats of the current search,
// and the inner search of the pure-rolling points (39 positions across each contact, fractions
// -0.95 .. 0.95 of its half width): heat per outer point with the inner point refined, heat per
// inner point, and the refined inner position and grid index for each outer point. Only values
// written by the current search are read back. Angles in radians, heats non-dimensional.
struct Zela5Locals {
  zq::FArray<double, 21> alf;   // attitude grid
  zq::FArray<double, 21> hgen;  // heat at each attitude grid point
  zq::FArray<double, 39> hg1s;  // heat per outer rolling point (inner point refined)
  zq::FArray<double, 39> hg2s;  // heat per inner rolling point
  zq::FArray<double, 39> xgms;  // refined inner position (fraction) for each outer point
  zq::FArray<int, 39> jgms;     // inner grid index kept in the search memory for it
  // Heat of the trial motion just written (element revecs::ire at attitude beta, rolling points
  // at fractions f1, f2 of the half widths). Null: the heat of the outer and inner race contacts
  // from the traction routine. A test puts a known function here.
  double (*heat)(Model& m, double beta, double f1, double f2) = nullptr;
};

// Rheological traction models: the embedded five-stage Runge-Kutta pair (fourth-order solution,
// third-order error estimate) and its step control, set at the first call for the lubricant's
// model: visco-elastic, 3 variables (x, two stresses) over [-1, 1]; Newtonian film, 2 variables
// (xi, temperature ratio) over [-1, 0].
struct Zeld6Locals {
  int km = 0;                // stages
  int nq = 0;                // integrated variables
  double xm = 0.0;           // end of the integration interval
  double dmin = 0.0;         // smallest step
  double tol = 0.0;          // truncation-error tolerance
  double dm = 0.0;           // largest step growth factor
  double cc = 0.0;           // safety factor of the step-size rule
  zq::FArray<double, 10> b;  // stage coefficients by rows: a21; a31, a32; a41..a43; a51..a54
  zq::FArray<double, 5> c;   // weights of the solution
  zq::FArray<double, 5> te;  // weights of the truncation-error estimate
};

// Calls of the equilibrium (zela4), race contacts (zelc1) and element traction (zeld1) in one
// run; counted only by the benchmark build (bench/), 0 otherwise.
struct BenchCounts {
  long passes = 0;
  long contacts = 0;
  long tractions = 0;
};
