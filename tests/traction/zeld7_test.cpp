// Lubricant property database: every viscosity law against its formula worked out by hand (the
// constants written out here from the lubricant data sheets of the program), temperature
// derivatives and pressure-viscosity coefficients against finite differences of the law, the
// property tables, the SI/English conversion, the shear-thinning table, the names, the error
// record left alone, and every stop block rendered by hand from its line format.
#include "traction/zeld7.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "model/model.h"
#include "run/stop.h"

namespace {

// Unit-conversion constants that the input stage sets before anything else (SI to English).
constexpr double kTempc = 9.0 / 5.0;
constexpr double kVisc = 1.45037891e-4;
constexpr double kDenc = 3.61269212944e-5;
constexpr double kSpheatc = 2.230373307176302;
constexpr double kThercondc = 0.12489385722222222;

// The user lubricant of these tests (code 9), SI: reference 320 K, 0.05 Pa s, 2.0e-8 1/Pa,
// activation temperature 4000 K. viscoeff(7) is filled to show that the law does not read it.
void setUserLubricantSI(Tracprop& t) {
  t.lubname = "Test oil";
  t.reftv = 320;
  t.refvis = 0.05;
  t.viscoeff(1) = 2.0e-8;
  t.viscoeff(4) = 4000;
  t.viscoeff(7) = 1.0e-5;
  t.denlub = 870;
  t.spheatlub = 1900;
  t.thercondlub(1) = 0.13;
  t.reftracvis = 0.2;
  t.tracviscoeff(1) = 6.0e-9;
  t.tracviscoeff(4) = 0.03;
}

// The same lubricant in English units (R, psi, psi s, lbm/in^3 ...).
void setUserLubricantEnglish(Tracprop& t) {
  setUserLubricantSI(t);
  t.reftv = 320 * kTempc;
  t.refvis = 0.05 * kVisc;
  t.viscoeff(1) = 2.0e-8 / kVisc;
  t.viscoeff(4) = 4000 * kTempc;
  t.viscoeff(7) = 1.0e-5 * kTempc / kVisc;
  t.denlub = 870 * kDenc;
  t.spheatlub = 1900 * kSpheatc;
  t.thercondlub(1) = 0.13 * kThercondc;
  t.reftracvis = 0.2 * kVisc;
  t.tracviscoeff(1) = 6.0e-9 / kVisc;
  t.tracviscoeff(4) = 0.03 / kTempc;
}

// One run's lubricant: the first evaluation is the first call (initprop = 0).
struct Lube {
  std::unique_ptr<Model> m = std::make_unique<Model>();
  std::ostringstream out;
  explicit Lube(int code, int kunit = 1) {
    m->devices.report.attach(out);
    auto& c = m->constants;
    c.tempc = kTempc;
    c.visc = kVisc;
    c.pressc = kVisc;
    c.denc = kDenc;
    c.spheatc = kSpheatc;
    c.thercondc = kThercondc;
    m->options.kunit = kunit;
    m->tracprop.ktrac = code;
    if (code == 9) {
      if (kunit == 1)
        setUserLubricantSI(m->tracprop);
      else
        setUserLubricantEnglish(m->tracprop);
    }
  }
  const Tracprop& at(double t, double p) {
    m->tracprop.currtemp = t;
    m->tracprop.currpres = p;
    zeld7::zeld7(*m);
    return m->tracprop;
  }
  double vis(double t, double p) { return at(t, p).vislub; }
};

double rel(double a, double b) { return std::abs(a - b) / std::max(std::abs(b), 1e-300); }

// ---- hand formulas of the viscosity laws (SI: K, Pa, Pa s) ----

double yasutomiBair(double T, double P, double mug, double tg0, double a1, double a2, double b1,
                    double b2, double c1, double c2) {
  const double tg = tg0 + a1 * std::log(1 + a2 * P);
  const double f = std::pow(1 + b1 * P, b2);
  const double n = (T - tg) * f;
  return mug * std::exp(-2.303 * c1 * n / (c2 + n));
}

double hybrid(double T, double P, double muinf, double cf, double tinf, double a0, double a1,
              double a2, double b0, double b1, double c0, double c1) {
  const double q = b0 + b1 / T;
  const double alfa0 = a0 - a1 / T + a2 / (T * T);
  const double s = 1 + alfa0 * P / q;
  const double pinf = c0 + c1 / T;
  return muinf * std::exp(tinf * cf / (T - tinf)) * std::exp(cf * P / (pinf - P)) * std::pow(s, q);
}

double santotracEta(double t, double a, double b, double c, double d) {
  return 0.001 * (std::pow(10.0, std::pow(10.0, a - b * std::log10(t))) - 0.8) *
         (c + d * (422.2222 - t));
}

double shellT9(double T, double P) {
  const double k0 = 9.234e9 * std::exp(-0.00609 * T);
  const double v = (1 + 0.0007734 * (T - 298.15)) / std::pow(1 + 10.545 * P / k0, 1 / 10.545);
  const double phi = T / 298.15 * std::pow(v, 5.0348);
  return 0.0001489 * std::exp(3.46233912 / (phi - 0.26844));
}

using Law = std::function<double(double, double)>;

// Viscosity (Pa s) of every lubricant code at T (K), P (Pa), written out from the data sheets.
Law handLaw(int code) {
  switch (code) {
    case 1:
      return [](double T, double P) {
        return 0.07166 * std::exp(1.9e-8 * P + 4104.3 * (311.11111111 - T) / (311.11111111 * T));
      };
    case 2:
      return [](double T, double P) {
        return 0.032742 *
               std::exp(1.682e-8 * P + (3613.6 + 1.4749e-5 * P) * (350.0 - T) / (350.0 * T));
      };
    case 3:
      return [](double T, double P) {
        const double a = std::exp(22.216 - 3.7048 * std::log(T));
        const double alpha = 1.0742e-6 / (T - 215.56) + 7.5808e-10;
        return 0.0009997 * (std::exp(a) - 0.87) * std::exp(alpha * P);
      };
    case 4:
    case 5:
      return [code](double T, double P) {
        const double k1 = code == 4 ? 3609.6 : 3710.8;
        const double k2 = code == 4 ? 776570 : 739040;
        const double x = (311.11111111 - T) / (311.11111111 * T);
        const double eta0 = 0.0276 * std::exp(k2 * x * x + k1 * x);
        const double alpha = std::pow(eta0, 1.15607) * std::exp(-17.496) / eta0;
        return eta0 * std::exp(alpha * P);
      };
    case 6:
      return [](double T, double P) {
        return santotracEta(T, 10.305, 4.1044, 0.817, 0.000666) *
               std::exp(2.9008e-8 * std::exp(-0.0083178 * (T - 277.78)) * P);
      };
    case 7:
      return [](double T, double P) {
        return santotracEta(T, 9.5363, 3.7452, 0.82, 0.000621) *
               std::exp(3.916e-8 * std::exp(-0.0083178 * (T - 277.78)) * P);
      };
    case 8:
      return [](double T, double P) {
        const double x = (300 - T) / (300 * T);
        return 0.030391 * std::exp(1.2925e-8 * P - 2.4538e-18 * P * P + 672.95 * x -
                                   2264200 * x * x + 9.3937e-6 * P * x + 2.984e-12 * P * P * x * x);
      };
    case 9:
      return [](double T, double P) {
        return 0.05 * std::exp(2.0e-8 * P + 4000 * (320 - T) / (320 * T));
      };
    case 10:
    case 11:
    case 12:
      return [](double T, double P) {
        return yasutomiBair(T, P, 1.0e12, 273.15 - 85.6142427, 5423.058449, 1.021915e-11,
                            1.290208578e-8, -0.388203465, 15.84407875, 18.73143717);
      };
    case 13:
      return [](double T, double P) {
        return yasutomiBair(T, P, 1.0e12, 273.15 - 74.42, 281.4, 2.28e-10, 8.75e-9, -0.349, 15.86,
                            37.25);
      };
    case 14:
      return [](double T, double P) {
        return hybrid(T, P, 0.000152521276, 7.85459091971365, 166.2541554, 8.998575332e-9,
                      1.728069143e-7, 0.001033328563, -3.340194157, 2398.297476, 10176898510.0,
                      -2461989014000.0);
      };
    case 15:
      return [](double T, double P) {
        return yasutomiBair(T, P, 1.0e12, 273.15 - 93.21, 123.71, 8.8391e-10, 1.0548e-8, -0.2282,
                            15.84, 55.47);
      };
    case 16:
      return [](double T, double P) {
        return hybrid(T, P, 0.000126910043, 16.680441255667, 123.5420263, 1.425960994e-8,
                      1.525678857e-7, 0.0003017298333, -3.573976554, 2116.664288, 14860522420.0,
                      -3645745616000.0);
      };
    case 17:
      return [](double T, double P) {
        return yasutomiBair(T, P, 1.0e12, 273.15 - 86.57314507, 135.4502529, 7.5951835e-10,
                            9.347940978e-9, -0.272774276, 15.02180182, 43.4712281);
      };
    case 18:
      return shellT9;
    case 19:
      return [](double T, double P) {
        return hybrid(T, P, 4.72e-5, 5.83, 176.4, 8.137e-9, 3.189e-7, 0.0010207, -13.111, 6856.0,
                      7.908e9, -2.022e12);
      };
    case 20:
      return [](double T, double P) {
        return yasutomiBair(T, P, 1.0e12, 273.15 - 96.26408626, 528.4952101, 3.32157789e-10,
                            3.186759685e-8, -0.306112915, 16.07439334, 25.64476906);
      };
  }
  return nullptr;
}

// ---- viscosity values ----

TEST(LubricantViscosity, EveryLawMatchesItsFormulaAtTwoTemperatures) {
  // One run per code: the first point is the first call (constants set, names given), the
  // others re-evaluate the law with the kept constants; the names are given only once.
  for (int code = 1; code <= 20; ++code) {
    const Law law = handLaw(code);
    Lube l(code);
    for (double T : {310.0, 390.0}) {
      for (double P : {0.0, 0.3e9}) {
        EXPECT_LT(rel(l.vis(T, P), law(T, P)), 1e-11)
            << "code " << code << " T " << T << " P " << P;
        l.m->tracprop.lubname = "changed";
      }
    }
    EXPECT_EQ(l.m->tracprop.lubname.trimmed(), "changed") << code;
  }
}

// ---- derivatives against finite differences of the law ----

struct FdCase {
  int code;
  double T, P;
  bool checkTemperature, checkPressure;
};

// -d(eta)/dT by the 5-point central difference (h = 0.01 K).
double fdMinusDT(Lube& l, double T, double P) {
  const double h = 0.01;
  return -(l.vis(T - 2 * h, P) - 8 * l.vis(T - h, P) + 8 * l.vis(T + h, P) - l.vis(T + 2 * h, P)) /
         (12 * h);
}

// d(ln eta)/dP: 5-point central difference (h = 1e5 Pa), one-sided 3-point at P = 0 (the laws
// that switch their pressure factor off at P <= 0 are only defined from the right there).
double fdLogDP(Lube& l, double T, double P) {
  if (P == 0) {
    const double h = 1.0e4;
    return (-3 * std::log(l.vis(T, 0)) + 4 * std::log(l.vis(T, h)) - std::log(l.vis(T, 2 * h))) /
           (2 * h);
  }
  const double h = 1.0e5;
  return (std::log(l.vis(T, P - 2 * h)) - 8 * std::log(l.vis(T, P - h)) +
          8 * std::log(l.vis(T, P + h)) - std::log(l.vis(T, P + 2 * h))) /
         (12 * h);
}

TEST(LubricantViscosity, DerivativesMatchFiniteDifferencesWhereTheyAreExact) {
  std::vector<FdCase> cases;
  // Exact at any pressure: exponential laws, Yasutomi-Bair; temperature derivative of code 8.
  for (int code : {1, 9, 10, 11, 12, 13, 15, 17, 20}) {
    for (double T : {320.0, 380.0}) {
      for (double P : {0.0, 0.3e9}) cases.push_back({code, T, P, true, true});
    }
  }
  for (double T : {320.0, 380.0}) cases.push_back({8, T, 0.3e9, true, false});
  // Exact at zero pressure: the temperature derivative leaves out the pressure terms.
  for (int code : {2, 3, 4, 5, 14, 16, 18, 19}) {
    for (double T : {320.0, 380.0}) cases.push_back({code, T, 0.0, true, code != 2});
  }
  // Code 2: the stored pressure coefficient is d(ln eta)/dP where the pressure-temperature term
  // vanishes, at the reference temperature 350 K.
  cases.push_back({2, 350.0, 0.0, true, true});
  // Pressure coefficients that hold at any pressure.
  for (int code : {3, 4, 5, 6, 7, 14, 16, 18, 19}) {
    for (double T : {320.0, 380.0}) cases.push_back({code, T, 0.3e9, false, true});
  }
  for (const auto& c : cases) {
    Lube l(c.code);
    const Tracprop& t = l.at(c.T, c.P);
    const double d = t.dvislub;
    const double alpha = t.viscoeff(1);
    if (c.checkTemperature) {
      EXPECT_LT(rel(d, fdMinusDT(l, c.T, c.P)), 1e-5)
          << "dvislub, code " << c.code << " T " << c.T << " P " << c.P;
    }
    if (c.checkPressure) {
      EXPECT_LT(rel(alpha, fdLogDP(l, c.T, c.P)), 1e-5)
          << "viscoeff(1), code " << c.code << " T " << c.T << " P " << c.P;
    }
  }
}

TEST(LubricantViscosity, ExponentialLawsKeepTheirStatedDerivatives) {
  // Code 2: dvislub keeps the zero-pressure activation temperature 3613.6 K, viscoeff(1) the
  // coefficient 1.682e-8 1/Pa of the law.
  Lube l(2);
  const Tracprop& t = l.at(330, 0.4e9);
  const double eta = 0.032742 * std::exp(1.682e-8 * 0.4e9 + (3613.6 + 1.4749e-5 * 0.4e9) *
                                                                (350.0 - 330) / (350.0 * 330));
  EXPECT_LT(rel(t.dvislub, 3613.6 * eta / (330.0 * 330.0)), 1e-12);
  EXPECT_EQ(t.viscoeff(1), 1.682e-8);
  // Code 8: the law's own coefficient c(1) stays in viscoeff(1).
  Lube v(8);
  EXPECT_EQ(v.at(330, 0.4e9).viscoeff(1), 1.2925e-8);
}

TEST(LubricantViscosity, Mil7808AndMil23699DerivativesUnderPressureByTheirFormulas) {
  const double T = 330;
  const double P = 0.4e9;
  {  // code 3: beta = 3.7048 A (nu + 0.87) T / nu, D = beta eta / T^2 with eta under pressure
    Lube l(3);
    const Tracprop& t = l.at(T, P);
    const double a = std::exp(22.216 - 3.7048 * std::log(T));
    const double nu = std::exp(a) - 0.87;
    const double beta = 3.7048 * a * (nu + 0.87) * T / nu;
    const double eta = 0.0009997 * nu * std::exp((1.0742e-6 / (T - 215.56) + 7.5808e-10) * P);
    EXPECT_LT(rel(t.viscoeff(4), beta), 1e-12);
    EXPECT_LT(rel(t.dvislub, beta * eta / (T * T)), 1e-12);
  }
  {  // code 4: D = beta eta0 / T^2 with the base viscosity eta0, beta = 2 k2 x + k1
    Lube l(4);
    const Tracprop& t = l.at(T, P);
    const double x = (311.11111111 - T) / (311.11111111 * T);
    const double eta0 = 0.0276 * std::exp((776570 * x + 3609.6) * x);
    const double beta = 2 * 776570 * x + 3609.6;
    EXPECT_LT(rel(t.viscoeff(4), beta), 1e-12);
    EXPECT_LT(rel(t.dvislub, beta * eta0 / (T * T)), 1e-12);
    EXPECT_LT(rel(t.viscoeff(1), std::pow(eta0, 0.15607) * std::exp(-17.496)), 1e-11);
  }
}

TEST(LubricantViscosity, SantotracActivationTemperatureIsTheStatedDifferenceQuotient) {
  // beta = ln(eta(T - 1)/eta(T)) (T - 1)(T + 1)/2, D = beta eta / T^2.
  struct Row {
    int code;
    double a, b, c, d;
  };
  for (const Row& r :
       {Row{6, 10.305, 4.1044, 0.817, 0.000666}, Row{7, 9.5363, 3.7452, 0.82, 0.000621}}) {
    for (double T : {320.0, 370.0}) {
      Lube l(r.code);
      const Tracprop& t = l.at(T, 0.2e9);
      const double e1 = santotracEta(T - 1, r.a, r.b, r.c, r.d);
      const double e2 = santotracEta(T, r.a, r.b, r.c, r.d);
      const double beta = std::log(e1 / e2) * (T - 1) * (T + 1) / 2;
      EXPECT_LT(rel(t.viscoeff(4), beta), 1e-11) << r.code;
      EXPECT_LT(rel(t.dvislub, beta * e2 / (T * T)), 1e-11) << r.code;
    }
  }
}

TEST(LubricantViscosity, ZeroPressureGivesTheBaseViscosityForCodes4To7) {
  // eta(T, 0) is the base law; a pressure raises it by exp(alpha P).
  for (int code : {4, 5, 6, 7}) {
    Lube l(code);
    const Tracprop& t = l.at(340, 0);
    const double base = t.vislub;
    const double alpha = t.viscoeff(1);
    EXPECT_LT(rel(l.vis(340, 1.0e8), base * std::exp(alpha * 1.0e8)), 1e-12) << code;
    // Any positive pressure switches the factor on: exp(alpha x 0.5 Pa) = 1 + 1e-8.
    EXPECT_LT(rel(l.vis(340, 0.5), base * std::exp(alpha * 0.5)), 1e-14) << code;
  }
}

TEST(LubricantViscosity, HybridFormulationTemperatureDerivativeByItsFormulaUnderPressure) {
  // D = -cf P c1 eta / (T^2 (Pinf - P)^2) - E [(P s^(q-1) muinf / q)(q (a1/T^2 - 2 a2/T^3)
  //     + alfa0 b1/T^2) - muinf s^q tinf cf / (T - tinf)^2]  (no term in ln s)
  struct Row {
    int code;
    double muinf, cf, tinf, a0, a1, a2, b0, b1, c0, c1;
  };
  const std::vector<Row> rows = {
      {14, 0.000152521276, 7.85459091971365, 166.2541554, 8.998575332e-9, 1.728069143e-7,
       0.001033328563, -3.340194157, 2398.297476, 10176898510.0, -2461989014000.0},
      {16, 0.000126910043, 16.680441255667, 123.5420263, 1.425960994e-8, 1.525678857e-7,
       0.0003017298333, -3.573976554, 2116.664288, 14860522420.0, -3645745616000.0},
      {19, 4.72e-5, 5.83, 176.4, 8.137e-9, 3.189e-7, 0.0010207, -13.111, 6856.0, 7.908e9,
       -2.022e12}};
  const double T = 330;
  const double P = 0.4e9;
  for (const Row& r : rows) {
    Lube l(r.code);
    const Tracprop& t = l.at(T, P);
    const double q = r.b0 + r.b1 / T;
    const double alfa0 = r.a0 - r.a1 / T + r.a2 / (T * T);
    const double s = 1 + alfa0 * P / q;
    const double pinf = r.c0 + r.c1 / T;
    const double mu = r.muinf * std::exp(r.tinf * r.cf / (T - r.tinf));
    const double e = std::exp(r.cf * P / (pinf - P));
    const double eta = mu * e * std::pow(s, q);
    const double d =
        -r.cf * P * r.c1 * eta / (T * T * (pinf - P) * (pinf - P)) -
        e * ((P * std::pow(s, q - 1) * mu / q) *
                 (q * (r.a1 / (T * T) - 2 * r.a2 / (T * T * T)) + alfa0 * r.b1 / (T * T)) -
             mu * std::pow(s, q) * r.tinf * r.cf / ((T - r.tinf) * (T - r.tinf)));
    EXPECT_LT(rel(t.dvislub, d), 1e-10) << r.code;
    EXPECT_LT(rel(t.viscoeff(1), alfa0 / s + r.cf * pinf / ((pinf - P) * (pinf - P))), 1e-11);
  }
}

TEST(LubricantViscosity, ShellT9TemperatureDerivativeByItsFormulaUnderPressure) {
  // The pressure part of dv/dT carries the constant 1.23058921 in place of e.
  const double T = 330;
  const double P = 0.4e9;
  Lube l(18);
  const Tracprop& t = l.at(T, P);
  const double k0 = 9.234e9 * std::exp(-0.00609 * T);
  const double f = 1 + 10.545 * P / k0;
  const double g = std::pow(f, 1 / 10.545);
  const double v = (1 + 0.0007734 * (T - 298.15)) / g;
  const double tr = T / 298.15;
  const double x = tr * std::pow(v, 5.0348) - 0.26844;
  const double eta = 0.0001489 * std::exp(3.46233912 / x);
  const double d =
      3.46233912 * eta *
      (std::pow(v, 5.0348) / 298.15 + 5.0348 * std::pow(v, 4.0348) * tr *
                                          (0.0007734 - 1.23058921 * 9.234e9 * 0.00609 * P *
                                                           std::exp(-0.00609 * T) / (k0 * k0 * f)) /
                                          g) /
      (x * x);
  EXPECT_LT(rel(t.dvislub, d), 1e-11);
  // alpha = 3.46233912 x 5.0348 e v^4.0348 Tr / (f^((1 + 10.545)/10.545) K0 x^2)
  const double e = 1 + 0.0007734 * (T - 298.15);
  EXPECT_LT(rel(t.viscoeff(1), 3.46233912 * 5.0348 * e * std::pow(v, 4.0348) * tr /
                                   (std::pow(f, 11.545 / 10.545) * k0 * x * x)),
            1e-12);
}

// ---- properties ----

TEST(LubricantProperties, TableLubricantsInterpolateAndExtrapolateBetweenTheSamePoints) {
  // MIL-L-7808 (codes 3 and 8): points at 311, 367, 422, 478 K; below and above the table the
  // end intervals are extended.
  const double tt[4] = {311, 367, 422, 478}, den[4] = {954, 914, 870, 826};
  const double sph[4] = {1800.2178, 1967.6798, 2177.0074, 2344.4696};
  const double tc[4] = {0.1448548, 0.133952, 0.1326534, 0.1313558};
  for (int code : {3, 8}) {
    for (double T : {300.0, 400.0, 500.0}) {
      const int k = T < 367 ? 0 : T < 422 ? 1 : 2;
      const double w = (T - tt[k]) / (tt[k + 1] - tt[k]);
      Lube l(code);
      const Tracprop& t = l.at(T, 0);
      EXPECT_LT(rel(t.denlub, den[k] + (den[k + 1] - den[k]) * w), 1e-13) << code << " " << T;
      EXPECT_LT(rel(t.spheatlub, sph[k] + (sph[k + 1] - sph[k]) * w), 1e-13) << code << " " << T;
      EXPECT_LT(rel(t.thercondlub(1), tc[k] + (tc[k + 1] - tc[k]) * w), 1e-13) << code << " " << T;
    }
  }
  Lube l(4);  // MIL-L-23699 density between 300 K and 367 K, and beyond both ends
  const Tracprop& t = l.at(330, 0);
  EXPECT_LT(rel(t.denlub, 966 + (922 - 966) * (330.0 - 300) / (367 - 300)), 1e-13);
  EXPECT_LT(rel(l.at(250, 0).denlub, 1016 + (966 - 1016) * (250.0 - 233) / (300 - 233)), 1e-13);
  EXPECT_LT(rel(l.at(450, 0).denlub, 922 + (884 - 922) * (450.0 - 367) / (422 - 367)), 1e-13);
  l.at(330, 0);
  EXPECT_EQ(t.spheatlub, 2000);
  EXPECT_LT(rel(t.thercondlub(1), 0.14868 - 0.00022275 * (330 - 366.67)), 1e-13);
}

TEST(LubricantProperties, TemperatureAndPressureDependentPropertiesByHand) {
  const double T = 350;
  const double P = 0.5e9;
  {
    Lube l(6);
    EXPECT_LT(rel(l.at(T, P).thercondlub(1),
                  0.10904 - 1.7091e-5 * std::pow(std::abs(T - 311.11111), 1.322)),
              1e-13);
  }
  {
    Lube l(7);
    EXPECT_LT(
        rel(l.at(T, P).thercondlub(1), 0.10385 - 5.6078e-7 * (T - 311.11111) * (T - 311.11111)),
        1e-13);
  }
  for (int code : {10, 11, 12}) {
    Lube l(code);
    const Tracprop& t = l.at(T, P);
    EXPECT_LT(rel(t.denlub, 1000 * (1.009 - 0.0007296 * T)), 1e-13);
    EXPECT_LT(rel(t.spheatlub, 1763.2 + 2.4171 * T), 1e-13);
    EXPECT_LT(rel(t.thercondlub(1),
                  0.139 / std::pow(1 - std::log(1 + 11.826 * P / 1627234184.5089467) / 11.826, 3)),
              1e-13);
  }
  {
    Lube l(18);
    const Tracprop& t = l.at(T, P);
    const double k0 = 9.234e9 * std::exp(-0.00609 * T);
    const double v = (1 + 0.0007734 * (T - 298.15)) / std::pow(1 + 10.545 * P / k0, 1 / 10.545);
    const double tr = T / 298.15;
    EXPECT_LT(rel(t.denlub, 875 / v), 1e-13);
    EXPECT_LT(rel(t.spheatlub, 1170000 + 390000 * tr / std::pow(v, 4)), 1e-13);
    EXPECT_LT(
        rel(t.thercondlub(1), 0.053 + 0.026 / std::pow(v * (1 - 0.101 * v * v * v * tr), 7.6)),
        1e-12);
  }
  {
    Lube l(12);  // visco-elastic moduli of the updated MIL-L-23699
    const Tracprop& t = l.at(T, P);
    EXPECT_LT(rel(t.smod, 1.0e7 * std::exp(1.2e-9 * P)), 1e-13);
    EXPECT_LT(rel(t.cshear, 1.5e6 * std::exp(1.4e-9 * P)), 1e-13);
  }
}

TEST(LubricantProperties, ConstantPropertiesOfTheDataSheets) {
  struct Row {
    int code;
    double den, sph, tc;
  };
  for (const Row& r :
       {Row{1, 850, 2000, 0.096082}, Row{2, 850, 2000, 0.096482}, Row{5, 950, 2000, 0},
        Row{6, 850, 2000, 0}, Row{7, 850, 2000, 0}, Row{13, 854.3879, 2219.004, 0.162},
        Row{14, 854.3879, 2219.004, 0.162}, Row{15, 854.3879, 2219.004, 0.162},
        Row{16, 854.3879, 2219.004, 0.162}, Row{17, 854.3879, 2219.004, 0.162},
        Row{19, 840, 2000, 0.14}, Row{20, 1910, 1200, 0.075}}) {
    Lube l(r.code);
    const Tracprop& t = l.at(340, 0.1e9);
    EXPECT_EQ(t.denlub, r.den) << r.code;
    EXPECT_EQ(t.spheatlub, r.sph) << r.code;
    if (r.tc > 0) {
      EXPECT_EQ(t.thercondlub(1), r.tc) << r.code;
    }
    if (r.code >= 10) {
      EXPECT_EQ(t.gshearmod, 8.0e10);
      EXPECT_EQ(t.tcl, 0.2);
    }
  }
  // The user lubricant keeps its input.
  Lube u(9);
  const Tracprop& t = u.at(340, 0.1e9);
  EXPECT_EQ(t.denlub, 870);
  EXPECT_EQ(t.spheatlub, 1900);
  EXPECT_EQ(t.thercondlub(1), 0.13);
  EXPECT_EQ(t.lubname.trimmed(), "Test oil");
  EXPECT_EQ(t.viscoeff(4), 4000);
}

TEST(LubricantProperties, TractionViscosityByHand) {
  // tracvis = V0 exp(k (313 - T)), tracbeta = b (T/313)^m, T in K.
  struct Row {
    int code;
    double v0, k, b, m, alfa;
  };
  const double T = 350;
  for (const Row& r : {Row{1, 0.28407, 0.023743, 0.028939, 2.1402, 7.2516e-9},
                       Row{3, 0.11431, 0.033723, 0.041745, 0.60873, 5.2214e-9},
                       Row{4, 0.26529, 0.036358, 0.033398, 1.3075, 5.8015e-9},
                       Row{5, 0.21655, 0.039221, 0.032577, 1.0723, 5.8015e-9},
                       Row{6, 0.40063, 0.050459, 0.034104, 1.093, 9.4275e-9},
                       Row{7, 10.076, 0.044097, 0.020794, 6.2743, 7.2519e-9}}) {
    Lube l(r.code);
    const Tracprop& t = l.at(T, 0.2e9);
    EXPECT_LT(rel(t.tracvis, r.v0 * std::exp(r.k * (313 - T))), 1e-13) << r.code;
    EXPECT_LT(rel(t.tracbeta, r.b * std::pow(T / 313, r.m)), 1e-13) << r.code;
    EXPECT_EQ(t.tracalfa, r.alfa) << r.code;
  }
  for (int code : {1, 3}) {
    Lube l(code);
    EXPECT_EQ(l.at(T, 0).reftractemp, 313.0) << code;
  }
  Lube two(2);
  const Tracprop& t2 = two.at(T, 0.2e9);
  EXPECT_EQ(t2.tracvis, 9.6527);
  EXPECT_EQ(t2.tracalfa, 5.4679e-9);
  EXPECT_EQ(t2.tracbeta, 0.0828);
  Lube user(9);
  const Tracprop& t9 = user.at(T, 0.2e9);
  EXPECT_EQ(t9.tracvis, 0.2);
  EXPECT_EQ(t9.tracalfa, 6.0e-9);
  EXPECT_EQ(t9.tracbeta, 0.03);
}

TEST(LubricantProperties, ViscoElasticConstantsOfMil7808VE) {
  Lube l(8);
  for (int k = 1; k <= 12; ++k) {  // whatever was there before the first call
    if (k <= 9) l.m->tracprop.viscoeff(k) = 99;
    l.m->tracprop.shearmodcoeff(k) = 99;
    l.m->tracprop.critshearcoeff(k) = 99;
  }
  const Tracprop& t = l.at(330, 0.2e9);
  const double visc[9] = {1.2925e-8, -2.4538e-18, 0, 672.95, -2264200, 0, 9.3937e-6, 2.984e-12, 0};
  for (int k = 1; k <= 9; ++k) {
    if (k != 1 && k != 4 && k != 7) {
      EXPECT_EQ(t.viscoeff(k), visc[k - 1]) << k;
    }
    EXPECT_EQ(t.shearmodcoeff(k), k == 1 ? 3.35e-9 : k == 4 ? 3000 : 0) << k;
    EXPECT_EQ(t.critshearcoeff(k), k == 1 ? 1.25e-9 : k == 4 ? -800 : 0) << k;
  }
  EXPECT_EQ(t.shearmodcoeff(10), 99);
  EXPECT_EQ(t.smod, 8.0e6);
  EXPECT_EQ(t.cshear, 6.0e6);
  EXPECT_EQ(t.refts, 300);
  EXPECT_EQ(t.kmtype, 2);
}

// ---- units ----

TEST(LubricantUnits, EnglishResultsAreSIResultsTimesTheFactors) {
  // The English run at 1.8 T (R) and P x 1.45037891e-4 (psi) gives every property converted.
  const double T = 345;
  const double P = 0.35e9;
  for (int code = 1; code <= 20; ++code) {
    Lube si(code, 1);
    Lube en(code, 2);
    const Tracprop& a = si.at(T, P);
    const Tracprop& b = en.at(T * kTempc, P * kVisc);
    auto same = [&](double english, double siTimesFactor, const char* what) {
      EXPECT_LT(rel(english, siTimesFactor), 1e-11) << what << ", code " << code;
    };
    same(b.vislub, a.vislub * kVisc, "vislub");
    same(b.dvislub, a.dvislub * kVisc / kTempc, "dvislub");
    same(b.viscoeff(1), a.viscoeff(1) / kVisc, "viscoeff(1)");
    same(b.denlub, a.denlub * kDenc, "denlub");
    same(b.spheatlub, a.spheatlub * kSpheatc, "spheatlub");
    same(b.thercondlub(1), a.thercondlub(1) * kThercondc, "thercondlub");
    if (code <= 9) {
      same(b.tracvis, a.tracvis * kVisc, "tracvis");
      same(b.tracalfa, a.tracalfa / kVisc, "tracalfa");
      same(b.tracbeta, a.tracbeta / kTempc, "tracbeta");
    }
    if (code <= 7 || code == 9) same(b.viscoeff(4), a.viscoeff(4) * kTempc, "viscoeff(4)");
    if (code >= 10) same(b.gshearmod, a.gshearmod * kVisc, "gshearmod");
    if (code == 8 || code == 12) {
      same(b.smod, a.smod * kVisc, "smod");
      same(b.cshear, a.cshear * kVisc, "cshear");
    }
    same(b.cshearmod, a.cshearmod * kVisc, "cshearmod");
    same(b.cshearmod1, a.cshearmod1 * kVisc, "cshearmod1");
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(b.slamda(i), a.slamda(i));
  }
}

TEST(LubricantUnits, ReferenceTractionViscosityOfCodeOneStaysInSI) {
  // Code 1 keeps its reference traction viscosity in Pa s and its reference temperature in K,
  // while the viscosity reference is converted.
  Lube en(1, 2);
  en.at(600, 1000);
  EXPECT_EQ(en.m->tracprop.reftracvis, 0.28407);
  EXPECT_EQ(en.m->tracprop.reftractemp, 313.0);
  EXPECT_EQ(en.m->tracprop.refvis, 0.07166 * kVisc);
  EXPECT_EQ(en.m->tracprop.reftv, 311.11111111 * kTempc);
}

// ---- names, model codes, shear thinning ----

TEST(LubricantNames, NamesAndModelCodesOfEveryLubricant) {
  const std::string defVis = "Exp variation with pressure & inverse temperature";
  const std::string defTrac = "Rheological coefficients fitted to traction data";
  const std::string none = "No shear thinning";
  const std::string yb = "Yasutomi-Bair Model";
  const std::string hy = "Hybrid Formulation";
  const std::string meas = "Measured lubricant rheology";
  const std::string ve = "Type 1 Visco-Elastic";
  const std::string cy = "Carreau-Yasuda Shear-Thinning";
  const std::string cy2 = "Carreau-Yasuda Shear-Thinning (2 terms)";
  struct Row {
    int code;
    std::string lub;
    int kv;
    std::string vis;
    int km;
    std::string trac;
    int ks;
    std::string sh;
  };
  const std::vector<Row> rows = {
      {1, "Mobil DTE (SAE 30)", 0, defVis, 1, defTrac, 0, none},
      {2, "5P4E PolyPhenylEther", 0, defVis, 1, defTrac, 0, none},
      {3, "MIL-L-7808", 0, "Customized logarithmic relationship", 1, defTrac, 0, none},
      {4, "MIL-L-23699 (Mobil Jet II)", 0, defVis, 1, defTrac, 0, none},
      {5, "MIL-L-27502 (MCS 1780)", 0, defVis, 1, defTrac, 0, none},
      {6, "Santotrac 30", 0, "Customized relationship", 1, defTrac, 0, none},
      {7, "Santotrac 50", 0, "Customized relationship", 1, defTrac, 0, none},
      {8, "MIL-L-7808 VE", 0, defVis, 2, ve, 0, none},
      {9, "Test oil", 0, defVis, 1, defTrac, 0, none},
      {10, "Updated MIL-L-23699", 0, yb, 0, meas, 0, none},
      {11, "Updated MIL-L-23699", 0, yb, 0, meas, 1, "Carreau-Yasuda model"},
      {12, "Updated MIL-L-23699", 0, yb, 2, ve, 0, none},
      {13, "PAO-100", 1, yb, 0, meas, 2, cy2},
      {14, "PAO-100", 2, hy, 0, meas, 2, cy2},
      {15, "PAO-600", 0, yb, 0, meas, 1, "Carreau Shear-Thinning"},
      {16, "PAO-600", 2, hy, 0, meas, 1, "Carreau Shear-Thinning"},
      {17, "PAO-650", 0, yb, 0, meas, 1, cy},
      {18, "Shell T9 mineral oil", 3, "Vogel-Like Model", 0, meas, 1, cy},
      {19, "FVA-3 Mineral Oil", 2, hy, 0, meas, 1, cy},
      {20, "Krytox 143az", 0, yb, 0, meas, 1, cy}};
  for (const Row& r : rows) {
    Lube l(r.code);
    const Tracprop& t = l.at(340, 0);
    EXPECT_EQ(t.lubname.trimmed(), r.lub) << r.code;
    EXPECT_EQ(t.kvtype, r.kv) << r.code;
    EXPECT_EQ(t.vismodname.trimmed(), r.vis) << r.code;
    EXPECT_EQ(t.kmtype, r.km) << r.code;
    EXPECT_EQ(t.tracmodname.trimmed(), r.trac) << r.code;
    EXPECT_EQ(t.kshthtype, r.ks) << r.code;
    EXPECT_EQ(t.shthmodname.trimmed(), r.sh) << r.code;
    EXPECT_EQ(t.itherm, 0);
    EXPECT_EQ(t.initprop, 1);
  }
}

TEST(LubricantShearThinning, FactorTableByHand) {
  // slamda(i) = (stfac(i)^(a n/(n - 1)) - 1)^(1/a) / stfac(i), slamda(1) = 0, rising;
  // stfac(2) = 0.999, stfac(17) = 0.9, stfac(23) = 0.75, stfac(28) = 0.5, stfac(40) = 0.01.
  struct Row {
    int code;
    double n, a, cshearmod;
    int i;
    double stfac;
  };
  for (const Row& r : {Row{11, 0.625, 2, 8.0e6, 2, 0.999}, Row{11, 0.625, 2, 8.0e6, 40, 0.01},
                       Row{18, 0.35, 5, 7.0e6, 23, 0.75}, Row{15, 0.72, 2, 48000, 17, 0.9},
                       Row{16, 0.72, 2, 48000, 17, 0.9}, Row{17, 0.72, 2, 48000, 17, 0.9},
                       Row{19, 0.72, 2, 48000, 17, 0.9}, Row{20, 0.666, 2, 500000, 28, 0.5}}) {
    Lube l(r.code);
    const Tracprop& t = l.at(340, 0);
    const double want = std::pow(std::pow(r.stfac, r.a * r.n / (r.n - 1)) - 1, 1 / r.a) / r.stfac;
    EXPECT_LT(rel(t.slamda(r.i), want), 1e-12) << r.code;
    EXPECT_EQ(t.slamda(1), 0);
    for (int i = 2; i <= 40; ++i) EXPECT_GT(t.slamda(i), t.slamda(i - 1)) << i;
    EXPECT_EQ(t.cn, r.n);
    EXPECT_EQ(t.aexp, r.a);
    EXPECT_EQ(t.cshearmod, r.cshearmod) << r.code;
  }
}

TEST(LubricantShearThinning, TwoTermModelAndCodesWithoutShearThinning) {
  for (int code : {13, 14}) {
    Lube l(code);
    l.m->tracprop.slamda(5) = -7;  // the two-term model has no table
    const Tracprop& t = l.at(340, 0);
    EXPECT_EQ(t.cn, 0.89);
    EXPECT_EQ(t.cn1, 0.52);
    EXPECT_EQ(t.aexp, 2);
    EXPECT_EQ(t.a1exp, 2);
    EXPECT_LT(rel(t.cexp, -0.11 / 1.78), 1e-14);
    EXPECT_LT(rel(t.cexp1, -0.48 / 1.04), 1e-14);
    EXPECT_EQ(t.cshearmod, 22000);
    EXPECT_EQ(t.cshearmod1, 5.08e6);
    EXPECT_EQ(t.slamda(5), -7);
  }
  for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}) {
    Lube l(code);
    l.m->tracprop.slamda(5) = -7;
    l.m->tracprop.cn = 3;
    l.m->tracprop.cshearmod1 = 3;
    const Tracprop& t = l.at(340, 0);
    EXPECT_EQ(t.slamda(5), -7) << code;
    EXPECT_EQ(t.cn, 0) << code;
    EXPECT_EQ(t.cn1, 0) << code;
    EXPECT_EQ(t.cshearmod, 0) << code;
    EXPECT_EQ(t.cshearmod1, 0) << code;
  }
}

TEST(LubricantState, ACallLeavesThePendingErrorRecordAlone) {
  for (int code = 1; code <= 20; ++code) {
    Lube l(code);
    auto& e = l.m->errors;
    e.ierind = 124;
    e.jerind = 7;
    e.numm = 3;
    e.numi = 2;
    e.numr = 4;
    e.iterminate = 1;
    e.imess(2) = "pending message";
    e.rarray(4) = 2.5;
    l.at(330, 0.2e9);
    l.at(350, 0);
    const int kept[] = {e.ierind, e.jerind, e.numm, e.numi, e.numr, e.iterminate};
    const int want[] = {124, 7, 3, 2, 4, 1};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(kept[k], want[k]) << code << " " << k;
    EXPECT_EQ(e.imess(2).trimmed(), "pending message");
    EXPECT_EQ(e.rarray(4), 2.5);
  }
}

// The film integration's viscosity (viscosityat) against the database's (zeld7 on a fresh
// model), bit for bit, or the same stop block: after an evaluation at 350 K and the same
// pressure (its pressure terms kept; "" where that evaluation stops) or at zero pressure, in SI
// and English units. The grid holds the poles and overflows of the stop blocks below and a
// Shell T9 state at 1000 K.
std::string filmOutcome(int code, int kunit, double T, double P, double P0, bool film) {
  const double tc = kunit == 1 ? 1 : kTempc;
  const double pc = kunit == 1 ? 1 : kVisc;
  Lube l(code, kunit);
  char text[40];
  if (film) {
    try {
      l.at(350 * tc, P0 * pc);
    } catch (const zq::StopRun&) {
      return "";
    }
  }
  try {
    double v = 0;
    if (film) {
      l.m->tracprop.currpres = P * pc;
      v = zeld7::viscosityat(*l.m, T * tc);
      EXPECT_EQ(l.m->tracprop.currtemp, T * tc);
    } else {
      v = l.vis(T * tc, P * pc);
    }
    std::snprintf(text, sizeof text, "%a", v);
    return text;
  } catch (const zq::StopRun&) {
    return l.out.str();
  }
}

TEST(LubricantViscosity, FilmIntegrationViscosityIsTheDatabaseViscosityBitForBit) {
  const double temps[] = {0, 300, 365, 600, 1000};
  const double pres[] = {0, 0.8e9, 1.0e9, 1.42e9, 1.5e9, 2.13e9, 2.2e9};
  for (int kunit = 1; kunit <= 2; ++kunit)
    for (int code = 1; code <= 20; ++code)
      for (const double T : temps)
        for (const double P : pres) {
          const std::string want = filmOutcome(code, kunit, T, P, 0, false);
          const std::string kept = filmOutcome(code, kunit, T, P, P, true);
          if (!kept.empty()) EXPECT_EQ(kept, want) << code << " " << T << " " << P;
          EXPECT_EQ(filmOutcome(code, kunit, T, P, 0, true), want) << code << " " << T << " " << P;
        }
}

// ---- stops ----

// Runs one evaluation that must stop the run; returns the report text.
std::string stopText(int code, double T, double P) {
  Lube l(code);
  try {
    l.at(T, P);
  } catch (const zq::StopRun& s) {
    EXPECT_EQ(s.status(), 1);
    EXPECT_EQ(s.where(), "zeld7");
    return l.out.str();
  }
  ADD_FAILURE() << "code " << code << " at T " << T << " P " << P << " did not stop";
  return l.out.str();
}

// Stop blocks rendered by hand from the line formats: a leading / is an empty line, a trailing
// / an empty last line; E12.5 is one digit, the point, 5 digits and a 4-character exponent.
const std::string kHead = "\n     Execution terminating in Zeld7";
const std::string kLimit = "     Lubricant viscosity model limitation, lubricant code kTrac =";
const std::string kUnrealistic = "     Viscosity extrapolation to operating pressure is unrealistic:\n";
const std::string kReduce = "     Reduce operating load and/or speed on the bearing...\n";
const std::string kOverflow =
    "     Lubricant viscosity cannot be computed under conditions encountered:\n"
    "     the viscosity law has no finite positive value (overflow near its limit).\n"
    "     Check operating temperatures, load and speed of the bearing...\n\n";
const std::string kCheckT = "     Check the temperatures on the input records.\n";
std::string values(const char* t, const char* p) {
  return std::string("     Current Temperature (K) = ") + t + "   Current Pressure, P (GPa) = " + p +
         "\n\n\n";
}

TEST(LubricantStops, EveryStopWritesItsBlock) {
  struct Case {
    const char* why;
    int code;
    double T, P;
    std::string text;
  };
  const Case cases[] = {
      {"invalid code", 0, 330, 0,
       "\n\n     Execution terminating in Zeld7 due to invalid traction code, kTrac =  0\n\n"
       "     Check value of kTrac on input Record 10.0\n\n\n"},
      {"invalid code", 21, 330, 0,
       "\n\n     Execution terminating in Zeld7 due to invalid traction code, kTrac = 21\n\n"
       "     Check value of kTrac on input Record 10.0\n\n\n"},
      // FVA-3 at 600 K, 1 GPa: q = -13.111 + 6856/600 = -1.684333, alfa0 = 8.137e-9 -
      // 3.189e-7/600 + 0.0010207/600^2 = 1.0440778e-8 1/Pa, s = 1 + alfa0 P / q = -5.2 < 0.
      {"hybrid, negative power base", 19, 600, 1.0e9,
       kHead + " (HybridFormulation) ***\n     Current traction model limitation ***\n"
               "     Lubricant viscosity cannot be computed with Hybrid Formulation\n"
               "     under conditions encountered. The term (1 + alfa0*P/q) must be positive.\n\n" +
           "     Current Temperature (K) = 6.00000E+02   Current Pressure, P (GPa) = 1.00000E+00\n"
           "     Model parameters:, alfa0 (1/GPa) = 1.04408E+01   q = -1.68433E+00\n\n\n"},
      // At -1000 K the expansion factor 1 + 0.0007734 (T - 298.15) is negative.
      {"Shell T9, negative volume", 18, -1000, 0,
       kHead + "(ShellT9) ---\n     Lubricant viscosity model limitation: \n"
               "     Viscosity extrapolation to operating pressure is unrealistic\n" +
           kReduce + "\n\n"},
      // 300 K, 2.2 GPa: K0 = 9.234e9 exp(-1.827), v = 1.0014308 / (1 + 10.545 P/K0)^(1/10.545)
      // = 0.767148, phi - 0.26844 = -0.00354 <= 0.
      {"Shell T9 pole", 18, 300, 2.2e9,
       kHead + "(ShellT9) ***\n" + kLimit + " 18\n" + kUnrealistic +
           "     the Vogel-like law reaches its pole (phi <= 0.26844) at this pressure.\n" +
           kReduce + "     Relative volume v = 7.67148E-01\n\n" + values("3.00000E+02", "2.20000E+00")},
      // Shell T9 at 300 K, 2.13 GPa: phi - 0.26844 = 3.25e-4 > 0, but 3.46233912/3.25e-4 = 10654
      // overflows the exponential; at 2.13567 GPa phi - 0.26844 = 5.16e-6, still above the pole.
      {"Shell T9 overflow", 18, 300, 2.13e9,
       kHead + " ***\n" + kLimit + " 18\n" + kOverflow + values("3.00000E+02", "2.13000E+00")},
      {"Shell T9 overflow", 18, 300, 2.13567e9,
       kHead + " ***\n" + kLimit + " 18\n" + kOverflow + values("3.00000E+02", "2.13567E+00")},
      // PAO-100 Hybrid at 300 K, 1.96 GPa: Pinf - P = 1.03e7 Pa, 7.85 P/(Pinf - P) = 1499.
      {"hybrid overflow", 14, 300, 1.96e9,
       kHead + " ***\n" + kLimit + " 14\n" + kOverflow + values("3.00000E+02", "1.96000E+00")},
      // Krytox at 300 K, 1.42 GPa: C2 + N still positive, exponent above 709.
      {"Yasutomi-Bair overflow", 20, 300, 1.42e9,
       kHead + " ***\n" + kLimit + " 20\n" + kOverflow + values("3.00000E+02", "1.42000E+00")},
      // Mobil DTE at 5 K: exponent 4104.3 (311.1 - 5)/(311.1 x 5) = 807.
      {"exponential overflow", 1, 5, 0,
       kHead + " ***\n" + kLimit + "  1\n" + kOverflow + values("5.00000E+00", "0.00000E+00")},
      // Krytox 143az at 300 K, 1.5 GPa: Tg = 176.88591374 + 528.4952101 ln(1 + 0.498236684) =
      // 390.5506 K, F = (1 + 47.80139528)^-0.306112915, C2 + N = -1.90 <= 0.
      {"Yasutomi-Bair pole", 20, 300, 1.5e9,
       kHead + " ***\n" + kLimit + " 20\n" + kUnrealistic +
           "     the Yasutomi-Bair law reaches its pole (C2 + N <= 0) at this pressure.\n" + kReduce +
           "     Glass transition temperature at this pressure, Tg (K) = 3.90551E+02\n\n" +
           values("3.00000E+02", "1.50000E+00")},
      // PAO-100 at 300 K: Pinf = 10176898510 - 2461989014000/300 = 1.9702685e9 Pa.
      {"hybrid limiting pressure", 14, 300, 2.2e9,
       kHead + " (HybridFormulation) ***\n" + kLimit + " 14\n" + kUnrealistic +
           "     the pressure is at or above the limiting pressure P-infinity of the law.\n" +
           kReduce + "     Limiting pressure, P-infinity (GPa) = 1.97027E+00\n\n" +
           values("3.00000E+02", "2.20000E+00")},
      // Hybrid at or below its divergence temperature (FVA-3: 176.4 K).
      {"hybrid divergence temperature", 19, 170, 0,
       kHead + " (HybridFormulation) ***\n" + kLimit + " 19\n" +
           "     The Hybrid Formulation holds only above its divergence temperature\n"
           "     T-infinity; the lubricant temperature is at or below it.\n" + kCheckT +
           "     Divergence temperature, T-infinity (K) = 1.76400E+02\n\n" +
           values("1.70000E+02", "0.00000E+00")},
      {"MIL-L-7808 at or below 215.56 K", 3, 215.56, 0,
       kHead + " ***\n" + kLimit + "  3\n" +
           "     The MIL-L-7808 viscosity law holds only above 215.56 K.\n" + kCheckT + "\n" +
           values("2.15560E+02", "0.00000E+00")},
  };
  for (const Case& c : cases) EXPECT_EQ(stopText(c.code, c.T, c.P), c.text) << c.why;
  // A temperature of zero on the absolute scale, for every law.
  for (int code = 1; code <= 20; ++code) {
    const std::string proc = code == 18                                 ? "(ShellT9)"
                             : (code == 14 || code == 16 || code == 19) ? " (HybridFormulation)"
                                                                        : "";
    char num[8];
    std::snprintf(num, sizeof num, "%3d", code);
    EXPECT_EQ(stopText(code, 0, 0),
              kHead + proc + " ***\n" + kLimit + num +
                  "\n     The lubricant temperature must be positive on the absolute scale.\n" +
                  kCheckT + "\n" + values("0.00000E+00", "0.00000E+00"))
        << code;
  }
}

TEST(LubricantStops, LawsAreEvaluatedUpToTheirLimits) {
  // MIL-L-7808 just above 215.56 K: alpha = 1.0742e-6/0.01 + 7.5808e-10 is large but finite.
  Lube l(3);
  EXPECT_LT(rel(l.vis(215.57, 0), handLaw(3)(215.57, 0)), 1e-11);
  // FVA-3 Hybrid at 600 K, 0.1 GPa: s = 1 - 1.0440778e-8 x 1e8 / 1.684333 = 0.380 lies
  // between 0 and 1 and is evaluated.
  Lube h(19);
  EXPECT_LT(rel(h.vis(600, 1.0e8), handLaw(19)(600, 1.0e8)), 1e-11);
}

}  // namespace
