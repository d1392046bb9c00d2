// Values that individual routines keep from one call to the next (their persistent locals),
// one struct per routine; each is a member of Model named after the routine.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Zela1Locals {
  // Kept by the defaults for the input-data section.
  double lpelasticratio = 1.0;
  double basepoisson = 0.277;
  double basemodulus = 2.0133e11;  // Pa in SI; converted to psi by the defaults in English units
  // Traction-curve input as read (element/race by race; roller end/flange).
  zq::FArray<double, 4, 2> reracetc;
  zq::FArray<double, 4> reflngtc;
  // No-load contact angle of a spherical roller bearing (printed with the degree label).
  double conangnoload = 0;
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
};
