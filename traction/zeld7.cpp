// Lubricant property database and viscosity-model library: nineteen built-in lubricants fitted in
// SI units (K, Pa, Pa s, kg/m^3, J/(kg K), W/(m K)) with exponential, double-logarithmic,
// Yasutomi-Bair free-volume, hybrid free-volume/limiting-pressure and Vogel/Tait laws, plus a user
// lubricant (code 9) in the user's units. Results go out in the user's units through factors
// chosen at the first call; dvislub is -d(eta)/dT, viscoeff(1) the pressure-viscosity coefficient.
#include "traction/zeld7.h"

#include <bit>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "model/model.h"
#include "numerics/zelg5.h"
#include "report/format.h"
#include "run/stop.h"

namespace zeld7 {

namespace {

// Names written into the report by the input-data section.
constexpr const char* kDefaultVisModel = "Exp variation with pressure & inverse temperature";
constexpr const char* kDefaultTracModel = "Rheological coefficients fitted to traction data";
constexpr const char* kNoShearThinning = "No shear thinning";
constexpr const char* kMeasuredRheology = "Measured lubricant rheology";
constexpr const char* kViscoElastic = "Type 1 Visco-Elastic";
constexpr const char* kYasutomiBair = "Yasutomi-Bair Model";
constexpr const char* kHybrid = "Hybrid Formulation";
constexpr const char* kCarreauYasuda = "Carreau-Yasuda Shear-Thinning";
constexpr const char* kCarreauYasuda2 = "Carreau-Yasuda Shear-Thinning (2 terms)";

// MIL-L-7808 property table (also used by MIL-L-7808 VE): temperature (K), density (kg/m^3),
// specific heat (J/(kg K)), conductivity (W/(m K)).
constexpr double kT7808[4] = {311, 367, 422, 478};
constexpr double kDen7808[4] = {954, 914, 870, 826};
constexpr double kSph7808[4] = {1800.2178, 1967.6798, 2177.0074, 2344.4696};
constexpr double kTc7808[4] = {0.1448548, 0.133952, 0.1326534, 0.1313558};
// MIL-L-23699 density table: temperature (K), density (kg/m^3).
constexpr double kT23699[4] = {233, 300, 367, 422};
constexpr double kDen23699[4] = {1016, 966, 922, 884};

// The current temperature (K) and pressure (Pa) for the messages, whatever the law's units.
double currentKelvin(const Model& m) { return m.tracprop.currtemp / m.zeld7.tempcon; }
double currentPascal(const Model& m) { return m.tracprop.currpres / m.zeld7.prcon; }

// Stop block for a state where the viscosity law of the current lubricant has no finite value.
[[noreturn]] void stopLimit(Model& m, const std::string& procedure,
                            const std::vector<std::string>& reasons,
                            const std::vector<std::pair<std::string, double>>& values = {}) {
  auto& rep = m.devices.report;
  rep.write(
      "/,5X,\"Execution terminating in Zeld7\",A,\" ***\",/,5X,"
      "\"Lubricant viscosity model limitation, lubricant code kTrac =\",I3",
      {procedure, m.tracprop.ktrac});
  for (const auto& line : reasons) rep.write("5X,A", {line});
  for (const auto& [name, value] : values) rep.write("5X,A,E12.5", {name, value});
  rep.write(
      "/,5X,\"Current Temperature (K) =\",E12.5,3X,\"Current Pressure, \",\"P (GPa) =\","
      "E12.5,/,/",
      {currentKelvin(m), currentPascal(m) * 1.0e-9});
  zq::stopRun("zeld7");
}

constexpr const char* kReduceLoad = "Reduce operating load and/or speed on the bearing...";

// Every law needs an absolute temperature above zero (logarithms, reciprocals). The procedure
// name stays a literal until a stop needs it: this check runs on every property evaluation.
[[noreturn]] void stopTemperature(Model& m, const char* procedure) {
  stopLimit(m, procedure,
            {"The lubricant temperature must be positive on the absolute scale.",
             "Check the temperatures on the input records."});
}

inline void requirePositiveTemperature(Model& m, double t, const char* procedure = "") {
  if (!(t > 0.0)) stopTemperature(m, procedure);
}

// Stores a law's SI results in the user's units.
void setViscosity(Model& m, double eta, double d, double alpha) {
  auto& tp = m.tracprop;
  const auto& lc = m.zeld7;
  tp.vislub = lc.viscon * eta;
  tp.dvislub = lc.dviscon * d;
  tp.viscoeff(1) = lc.ss1(1) * alpha;
}

// Constant properties given in SI.
void setProperties(Model& m, double density, double specificHeat, double conductivity) {
  auto& tp = m.tracprop;
  const auto& lc = m.zeld7;
  tp.denlub = density * lc.dencon;
  tp.spheatlub = specificHeat * lc.sphtcon;
  tp.thercondlub(1) = conductivity * lc.tccon;
}

// Traction viscosity V0 exp(k (313 - T)) and its temperature coefficient b (T/313)^m, T in K.
void tractionViscosity(Model& m, double t, double v0, double k, double b, double mexp) {
  auto& tp = m.tracprop;
  const auto& lc = m.zeld7;
  tp.tracvis = lc.viscon * v0 * std::exp(k * (313 - t));
  tp.tracbeta = lc.ss1(2) * b * std::pow(t / 313, mexp);
}

// Shear-thinning factor table: dimensionless shear stress belonging to each factor of stfac for
// the Carreau-Yasuda law with exponent n, parameter a and shear modulus G (Pa).
void factorTable(Model& m, double n, double a, double g) {
  auto& tp = m.tracprop;
  tp.cn = n;
  tp.aexp = a;
  tp.cshearmod = g * m.zeld7.prcon;
  tp.slamda(1) = 0;
  for (int i = 2; i <= tp.nstf; ++i) {
    tp.slamda(i) = std::pow(std::pow(tp.stfac(i), a * n / (n - 1)) - 1, 1 / a) / tp.stfac(i);
  }
}

// Two-term Carreau-Yasuda shear thinning of the poly-alpha-olefin PAO-100.
void twoTermCarreauYasuda(Model& m) {
  auto& tp = m.tracprop;
  tp.cn = 0.89;
  tp.cn1 = 0.52;
  tp.aexp = 2;
  tp.a1exp = 2;
  tp.cexp = (0.89 - 1) / (2 * 0.89);
  tp.cexp1 = (0.52 - 1) / (2 * 0.52);
  tp.cshearmod = 22000 * m.zeld7.prcon;
  tp.cshearmod1 = 5.08e6 * m.zeld7.prcon;
}

// Unit factors from SI to the user's units, by the unit system of the input.
void chooseUnitFactors(Model& m) {
  auto& lc = m.zeld7;
  const auto& c = m.constants;
  if (m.options.kunit == 1) {
    lc.tempcon = 1;
    lc.prcon = 1;
    lc.viscon = 1;
    lc.dviscon = 1;
    lc.dencon = 1;
    lc.sphtcon = 1;
    lc.tccon = 1;
    for (int k = 1; k <= 3; ++k) {
      lc.ss1(k) = 1;
      lc.ss2(k) = 1;
    }
  } else {
    lc.tempcon = c.tempc;
    lc.prcon = c.visc;
    lc.viscon = c.visc;
    lc.dviscon = c.visc / c.tempc;
    lc.dencon = c.denc;
    lc.sphtcon = c.spheatc;
    lc.tccon = c.thercondc;
    lc.ss1(1) = 1 / c.visc;
    lc.ss1(2) = 1 / c.tempc;
    lc.ss1(3) = 1 / (c.visc * c.tempc);
    lc.ss2(1) = 1 / c.visc;
    lc.ss2(2) = c.tempc;
    lc.ss2(3) = c.tempc / c.visc;
  }
}

// Exponential law in the user's units: reference viscosity, pressure-viscosity coefficient
// viscoeff(1) and activation temperature viscoeff(4) about the reference temperature reftv.
// With a pressure-temperature coefficient viscoeff(7) the activation temperature grows with
// pressure; the temperature derivative keeps the activation temperature at zero pressure.
void exponentialLaw(Model& m, bool pressureTemperatureTerm) {
  auto& tp = m.tracprop;
  const double t = tp.currtemp;
  const double p = tp.currpres;
  double beta = tp.viscoeff(4);
  if (pressureTemperatureTerm) beta = tp.viscoeff(4) + tp.viscoeff(7) * p;
  tp.vislub = tp.refvis * std::exp(tp.viscoeff(1) * p + beta * (tp.reftv - t) / (tp.reftv * t));
  tp.dvislub = tp.viscoeff(4) * tp.vislub / (t * t);
}

// The pressure terms of the Yasutomi-Bair law at p (Pa): glass temperature Tg = Tg0 + A1 ln(1 +
// A2 p), expansivity factor F = (1 + B1 p)^B2, the factor (1 + B1 p)^(B2 - 1) of dF/dp and
// F A1 A2 / (1 + A2 p) (F times dTg/dp); for the updated MIL-L-23699 also its pressure-only
// conductivity. Kept for the next evaluations; with reuse, those kept for the same lubricant
// code and pressure are taken as they are.
const Zeld7Locals& freeVolumePressureTerms(Model& m, double p, bool reuse) {
  auto& lc = m.zeld7;
  const auto& tp = m.tracprop;
  const auto bits = std::bit_cast<unsigned long long>(p);
  if (reuse && lc.pcode == tp.ktrac && lc.pbits == bits) return lc;
  lc.ptg = tp.ytg0 + tp.ya1 * std::log(1 + tp.ya2 * p);
  lc.pf = std::pow(1 + tp.yb1 * p, tp.yb2);
  lc.pdf = std::pow(1 + tp.yb1 * p, tp.yb2 - 1);
  lc.pdtg = lc.pf * tp.ya1 * tp.ya2 / (1 + tp.ya2 * p);
  if (tp.ktrac >= 10 && tp.ktrac <= 12) {
    lc.ptc = 0.139 / std::pow(1 - std::log(1 + 11.826 * p / 1627234184.5089467) / 11.826, 3);
  }
  lc.pcode = tp.ktrac;
  lc.pbits = bits;
  return lc;
}

// A law's viscosity (Pa s), its temperature derivative -d(eta)/dT and pressure-viscosity
// coefficient, SI.
struct LawValues {
  double eta, d, alpha;
};

// Yasutomi-Bair free-volume law: glass temperature Tg rising with pressure, relative thermal
// expansivity F falling with it, WLF-type viscosity. The law has a pole where C2 + N reaches 0.
inline LawValues freeVolumeLaw(Model& m, double t, double p, bool reuse) {
  const auto& tp = m.tracprop;
  requirePositiveTemperature(m, t);
  const auto& pt = freeVolumePressureTerms(m, p, reuse);
  const double tg = pt.ptg;
  const double f = pt.pf;
  const double n = (t - tg) * f;
  const double q = tp.yc2 + n;
  if (!(q > 0)) {
    stopLimit(
        m, "",
        {"Viscosity extrapolation to operating pressure is unrealistic:",
         "the Yasutomi-Bair law reaches its pole (C2 + N <= 0) at this pressure.", kReduceLoad},
        {{"Glass transition temperature at this pressure, Tg (K) =", tg}});
  }
  const double eta = tp.yxmug * std::exp(-2.303 * tp.yc1 * n / q);
  const double np = (t - tg) * tp.yb1 * tp.yb2 * pt.pdf - pt.pdtg;
  const double alpha = -2.303 * tp.yc1 * (np / q - n * np / (q * q));
  const double d = 2.303 * tp.yc1 * tp.yc2 * f * eta / (q * q);
  return {eta, d, alpha};
}

void yasutomiBair(Model& m, double t, double p) {
  const LawValues v = freeVolumeLaw(m, t, p, false);
  setViscosity(m, v.eta, v.d, v.alpha);
}

// Yasutomi-Bair constants (SI): mug (Pa s), Tg0 below 0 degC (K), A1 (K), A2 (1/Pa), B1 (1/Pa),
// B2, C1, C2 (K).
void setYasutomiBair(Model& m, double mug, double tg0BelowZeroC, double a1, double a2, double b1,
                     double b2, double c1, double c2) {
  auto& tp = m.tracprop;
  tp.yxmug = mug;
  tp.ytg0 = m.constants.abst(1) - tg0BelowZeroC;
  tp.ya1 = a1;
  tp.ya2 = a2;
  tp.yb1 = b1;
  tp.yb2 = b2;
  tp.yc1 = c1;
  tp.yc2 = c2;
}

// Names and model codes of a lubricant with measured rheology.
void setModels(Model& m, int kvtype, const char* vismodname, int kmtype, const char* tracmodname,
               int kshthtype, const char* shthmodname) {
  auto& tp = m.tracprop;
  tp.kvtype = kvtype;
  tp.vismodname = vismodname;
  tp.kmtype = kmtype;
  tp.tracmodname = tracmodname;
  tp.kshthtype = kshthtype;
  tp.shthmodname = shthmodname;
}

// Creep shear modulus and limiting traction coefficient of the measured-rheology lubricants.
void setMeasuredRheologyLimits(Model& m) {
  m.tracprop.gshearmod = 8.0e10 * m.zeld7.prcon;
  m.tracprop.tcl = 0.2;
}

// The results a caller uses must be numbers: an overflowing law (close to its pole, or far
// outside its temperature range) stops the run instead of passing Inf or NaN on.
inline bool finiteResults(double vis, double dvis, double alpha, double den, double sph, double tc,
                   double tracvis, double tracbeta) {
  return std::isfinite(vis) && vis > 0 && std::isfinite(dvis) && std::isfinite(alpha) &&
         std::isfinite(den) && std::isfinite(sph) && std::isfinite(tc) &&
         std::isfinite(tracvis) && std::isfinite(tracbeta);
}

[[noreturn]] void stopNotFinite(Model& m) {
  stopLimit(m, "",
            {"Lubricant viscosity cannot be computed under conditions encountered:",
             "the viscosity law has no finite positive value (overflow near its limit).",
             "Check operating temperatures, load and speed of the bearing..."});
}

void requireFiniteResults(Model& m) {
  const auto& tp = m.tracprop;
  if (!finiteResults(tp.vislub, tp.dvislub, tp.viscoeff(1), tp.denlub, tp.spheatlub,
                     tp.thercondlub(1), tp.tracvis, tp.tracbeta)) {
    stopNotFinite(m);
  }
}

// Lubricant codes whose viscosity follows the Yasutomi-Bair law.
bool freeVolumeCode(int code) {
  return (code >= 10 && code <= 13) || code == 15 || code == 17 || code == 20;
}

[[noreturn]] void stopInvalidCode(Model& m) {
  m.devices.report.write(
      "/,/,5X,\"Execution terminating in Zeld7 due to invalid \","
      "\"traction code, kTrac = \",I2,/,/,5X,"
      "\"Check value of kTrac on input Record 10.0\",/,/",
      {m.tracprop.ktrac});
  zq::stopRun("zeld7");
}

// Santotrac traction fluids: double-exponential kinematic viscosity in log10 t times a linear
// density term; t in K, result in Pa s.
double santotracEta(double t, double a, double b, double c, double d) {
  return 0.001 * (std::pow(10.0, std::pow(10.0, a - b * std::log10(t))) - 0.8) *
         (c + d * (422.2222 - t));
}

// Common part of both Santotrac fluids. The activation temperature comes from the difference
// quotient of ln(eta) over the last kelvin below T.
void santotrac(Model& m, double t, zq::FArray<double, 2>& visc, double a, double b, double c,
               double d, double k) {
  auto& tp = m.tracprop;
  const auto& lc = m.zeld7;
  requirePositiveTemperature(m, t);
  visc(1) = santotracEta(t - 1, a, b, c, d);
  visc(2) = santotracEta(t, a, b, c, d);
  const double eta = visc(2);
  const double beta = std::log(visc(1) / visc(2)) * (t - 1) * (t + 1) / 2;
  const double dd = beta * eta / (t * t);
  tp.viscoeff(4) = beta * lc.ss2(2);
  const double alpha = k * std::exp(-0.0083178 * (t - 277.78));
  setViscosity(m, eta, dd, alpha);
  if (tp.currpres > 0) tp.vislub = lc.viscon * eta * std::exp(tp.viscoeff(1) * tp.currpres);
  tp.denlub = 850 * lc.dencon;
  tp.spheatlub = 2000 * lc.sphtcon;
}

}  // namespace

// MIL-L-7808 (code 3): double-logarithmic kinematic viscosity with a pressure-viscosity
// coefficient that grows toward 215.56 K; properties from the 4-point table.
void mill7808(Model& m, double T, double P) {
  auto& tp = m.tracprop;
  const auto& lc = m.zeld7;
  if (!(T > 215.56)) {
    requirePositiveTemperature(m, T);
    stopLimit(m, "",
              {"The MIL-L-7808 viscosity law holds only above 215.56 K.",
               "Check the temperatures on the input records."});
  }
  const double a = std::exp(22.216 - 3.7048 * std::log(T));
  const double nu = std::exp(a) - 0.87;
  const double alpha = 1.0742e-6 / (T - 215.56) + 7.5808e-10;
  const double beta = 3.7048 * a * (nu + 0.87) * T / nu;
  const double eta = 0.0009997 * nu * std::exp(alpha * P);
  const double d = beta * eta / (T * T);
  tp.viscoeff(4) = beta * lc.ss2(2);
  setViscosity(m, eta, d, alpha);
  int i1 = 0;
  int i2 = 0;
  const double den = zelg5::zelg5(T, kT7808, kDen7808, 4, i1, i2);
  const double frac = (T - kT7808[i1 - 1]) / (kT7808[i2 - 1] - kT7808[i1 - 1]);
  const double sph = kSph7808[i1 - 1] + (kSph7808[i2 - 1] - kSph7808[i1 - 1]) * frac;
  const double tc = kTc7808[i1 - 1] + (kTc7808[i2 - 1] - kTc7808[i1 - 1]) * frac;
  setProperties(m, den, sph, tc);
}

// MIL-L-23699 (code 4) and MIL-L-27502 (code 5): quadratic in the reciprocal temperature about
// 311.11 K (100 degF); the pressure-viscosity coefficient follows the base viscosity.
void mill23699(Model& m, double T, double /*P*/) {
  auto& tp = m.tracprop;
  const auto& lc = m.zeld7;
  requirePositiveTemperature(m, T);
  double k1 = 3609.6;
  double k2 = 776570;
  if (tp.ktrac == 5) {
    k1 = 3710.8;
    k2 = 739040;
  }
  const double x = (311.11111111 - T) / (311.11111111 * T);
  const double eta0 = 0.0276 * std::exp((k2 * x + k1) * x);
  const double alpha = std::exp(1.15607 * std::log(eta0) - 17.496) / eta0;
  const double beta = 2 * k2 * x + k1;
  const double d = beta * eta0 / (T * T);
  tp.viscoeff(4) = beta * lc.ss2(2);
  setViscosity(m, eta0, d, alpha);
  if (tp.currpres > 0) tp.vislub = lc.viscon * eta0 * std::exp(tp.viscoeff(1) * tp.currpres);
  double den = 950;
  if (tp.ktrac == 4) {
    int i1 = 0;
    int i2 = 0;
    den = zelg5::zelg5(T, kT23699, kDen23699, 4, i1, i2);
  }
  setProperties(m, den, 2000, 0.14868 - 0.00022275 * (T - 366.67));
}

// Santotrac 30 (code 6).
void santotrac30(Model& m, double T, double /*P*/) {
  santotrac(m, T, m.zeld7.santotrac30visc, 10.305, 4.1044, 0.817, 0.000666, 2.9008e-8);
  m.tracprop.thercondlub(1) =
      (0.10904 - 1.7091e-5 * std::pow(std::abs(T - 311.11111), 1.322)) * m.zeld7.tccon;
}

// Santotrac 50 (code 7).
void santotrac50(Model& m, double T, double /*P*/) {
  santotrac(m, T, m.zeld7.santotrac50visc, 9.5363, 3.7452, 0.82, 0.000621, 3.916e-8);
  m.tracprop.thercondlub(1) =
      (0.10385 - 5.6078e-7 * (T - 311.11111) * (T - 311.11111)) * m.zeld7.tccon;
}

// MIL-L-7808 VE (code 8): exponential of a polynomial in pressure and reciprocal temperature,
// evaluated in the user's units with converted coefficients; visco-elastic moduli constant.
void mill7808ve(Model& m, double T, double /*P*/) {
  auto& tp = m.tracprop;
  requirePositiveTemperature(m, T);
  tp.smod = tp.refshearmod;
  tp.cshear = tp.refcritshear;
  const double x = (tp.reftv - tp.currtemp) / (tp.reftv * tp.currtemp);
  const double p = tp.currpres;
  auto& c = tp.viscoeff;
  tp.vislub = tp.refvis * std::exp(c(1) * p + c(2) * p * p + c(4) * x + c(5) * x * x +
                                   c(7) * p * x + c(8) * p * p * x * x);
  tp.dvislub = tp.vislub * (c(4) + 2 * c(5) * x + c(7) * p + 2 * c(8) * x * p * p) /
               (tp.currtemp * tp.currtemp);
  int i1 = 0;
  int i2 = 0;
  const double den = zelg5::zelg5(T, kT7808, kDen7808, 4, i1, i2);
  const double frac = (T - kT7808[i1 - 1]) / (kT7808[i2 - 1] - kT7808[i1 - 1]);
  const double sph = kSph7808[i1 - 1] + (kSph7808[i2 - 1] - kSph7808[i1 - 1]) * frac;
  const double tc = kTc7808[i1 - 1] + (kTc7808[i2 - 1] - kTc7808[i1 - 1]) * frac;
  setProperties(m, den, sph, tc);
}

// Shell T9 (code 18): Vogel-like law in the thermodynamic scaling variable phi = Tr v^g with
// the relative volume v from a Tait equation; density, volumetric properties and conductivity
// from the same volume. The law has a pole where phi reaches 0.26844.
namespace {

// The viscosity part of the law (T in K, P in Pa) with its stops: bulk-modulus factor
// exp(-0.00609 T), bulk modulus k0, Tait factor f and its root g, thermal expansion e, relative
// volume v, reduced temperature Tr, v^5.0348, distance from the pole and the viscosity.
struct ShellT9Volume {
  double ek, k0, f, g, e, v, tr, v5, dphi, eta;
};

ShellT9Volume shellt9volume(Model& m, double T, double P) {
  ShellT9Volume s{};
  // The bulk modulus k0 underflows to zero far above the law's range (beyond some 1.2E5 K);
  // at zero pressure the Tait factor is exactly 1 whatever k0 is, never 0/0.
  s.ek = std::exp(-0.00609 * T);
  s.k0 = 9.234e9 * s.ek;
  s.f = P == 0 ? 1.0 : 1 + 10.545 * P / s.k0;
  s.g = std::pow(s.f, 1 / 10.545);
  s.e = 1 + 0.0007734 * (T - 298.15);
  s.v = s.e / s.g;
  if (!(s.v > 0)) {
    m.devices.report.write(
        "/,5X,\"Execution terminating in Zeld7(ShellT9) ---\",/,5X,"
        "\"Lubricant viscosity model limitation: \",/,5X,"
        "\"Viscosity extrapolation to operating pressure is \",\"unrealistic\",/,5X,"
        "\"Reduce operating load and/or speed \",\"on the bearing...\",/,/");
    zq::stopRun("zeld7");
  }
  requirePositiveTemperature(m, T, "(ShellT9)");
  s.tr = T / 298.15;
  s.v5 = std::pow(s.v, 5.0348);
  const double phi = s.tr * s.v5;
  if (!(phi - 0.26844 > 0)) {
    stopLimit(
        m, "(ShellT9)",
        {"Viscosity extrapolation to operating pressure is unrealistic:",
         "the Vogel-like law reaches its pole (phi <= 0.26844) at this pressure.", kReduceLoad},
        {{"Relative volume v =", s.v}});
  }
  s.dphi = phi - 0.26844;
  s.eta = 0.0001489 * std::exp(3.46233912 / s.dphi);
  return s;
}

// The rest of the law from the volume: temperature derivative, pressure-viscosity coefficient,
// density, specific heat and conductivity (SI).
struct ShellT9Rest {
  double d, alpha, den, sph, tc;
};

ShellT9Rest shellt9rest(const ShellT9Volume& s, double P) {
  const double v4 = std::pow(s.v, 4.0348);
  ShellT9Rest r{};
  r.alpha = 17.432185001376 * s.e * v4 * s.tr /
            (std::pow(s.f, (1 + 10.545) / 10.545) * s.k0 * (s.dphi * s.dphi));
  r.d = 3.46233912 * s.eta *
        (s.v5 / 298.15 +
         5.0348 * v4 * s.tr * (0.0007734 - 1.23058921 * 56235060 * P * s.ek / (s.k0 * s.k0 * s.f)) /
             s.g) /
        (s.dphi * s.dphi);
  r.den = 875 / s.v;
  r.sph = 1170000 + 390000 * s.tr / std::pow(s.v, 4);
  r.tc = 0.053 + 0.026 / std::pow(s.v * (1 - 0.101 * std::pow(s.v, 3) * s.tr), 7.6);
  return r;
}

// True where the rest of the law is finite for certain, in the user's units too, without
// forming it: relative volume 0.5..1.2 and reduced temperature 0.5..3 (some 150..900 K), so that
// v^4.0348, v^4 and v (1 - 0.101 v^3 Tr) lie between 0.06 and 2.2; a Tait factor 1..1e6 and a
// bulk modulus of at least 1e6 Pa at pressures 0..1e12 Pa; at least 1e-3 from the pole and a
// viscosity below 1e100 Pa s; unit factors below 1e10. Then |alpha| < 200 1/Pa, |d| < 1e120,
// density, specific heat and conductivity below 1e8, all far below overflow.
bool shellt9RestFinite(const Zeld7Locals& lc, const ShellT9Volume& s, double P) {
  const bool units = std::abs(lc.dviscon) <= 1e10 && std::abs(lc.ss1(1)) <= 1e10 &&
                     std::abs(lc.dencon) <= 1e10 && std::abs(lc.sphtcon) <= 1e10 &&
                     std::abs(lc.tccon) <= 1e10;
  return units && s.v >= 0.5 && s.v <= 1.2 && s.tr >= 0.5 && s.tr <= 3 && s.f >= 1 &&
         s.f <= 1e6 && s.k0 >= 1e6 && P >= 0 && P <= 1e12 && s.dphi >= 1e-3 && s.eta <= 1e100;
}

}  // namespace

void shellt9(Model& m, double T, double P) {
  auto& tp = m.tracprop;
  const auto& lc = m.zeld7;
  const ShellT9Volume s = shellt9volume(m, T, P);
  const ShellT9Rest r = shellt9rest(s, P);
  setViscosity(m, s.eta, r.d, r.alpha);
  tp.denlub = r.den * lc.dencon;
  tp.spheatlub = r.sph * lc.sphtcon;
  tp.thercondlub(1) = r.tc * lc.tccon;
}

// Hybrid Formulation (codes 14, 16, 19): Vogel-Fulcher-Tammann viscosity at zero pressure,
// a free-volume pressure term that diverges at the limiting pressure Pinf(T), and a power law in
// s = 1 + alfa0 P / q. The derivative of the exponent q enters only through s.
namespace {

// The viscosity part of the law (T in K, P in Pa) with its stops: exponent q, pressure
// coefficient alfa0 at zero pressure, power base s, limiting pressure and its distance dp from P,
// the viscosity at infinite temperature muinf, the pressure factor e = exp(Cf P / dp), s^q and
// the viscosity.
struct HybridParts {
  double q, alfa0, s, pinf, dp, muinf, e, sq, eta;
};

HybridParts hybridviscosity(Model& m, double T, double P) {
  const auto& tp = m.tracprop;
  HybridParts h{};
  requirePositiveTemperature(m, T, " (HybridFormulation)");
  h.q = tp.hb0 + tp.hb1 / T;
  h.alfa0 = tp.ha0 - tp.ha1 / T + tp.ha2 / (T * T);
  h.s = 1 + h.alfa0 * P / h.q;
  if (h.s < 0) {
    m.devices.report.write(
        "/,5X,\"Execution terminating in Zeld7 \",\"(HybridFormulation) ***\",/,5X,"
        "\"Current traction model \",\"limitation ***\",/,5X,"
        "\"Lubricant viscosity cannot be\",\" computed with Hybrid Formulation\",/,5X,"
        "\"under conditions \",\"encountered. The term (1 + alfa0*P/q) must be positive.\",/,/,"
        "5X,\"Current Temperature (K) =\",E12.5,3X,\"Current Pressure, \",\"P (GPa) =\",E12.5,"
        "/,5X,\"Model parameters:, alfa0 (1/GPa) =\",E12.5,3X,\"q =\",E13.5,/,/",
        {T, P * 1.0e-9, h.alfa0 * 1.0e9, h.q});
    zq::stopRun("zeld7");
  }
  if (!(T > tp.htinf)) {
    stopLimit(m, " (HybridFormulation)",
              {"The Hybrid Formulation holds only above its divergence temperature",
               "T-infinity; the lubricant temperature is at or below it.",
               "Check the temperatures on the input records."},
              {{"Divergence temperature, T-infinity (K) =", tp.htinf}});
  }
  h.pinf = tp.hc0 + tp.hc1 / T;
  if (!(P < h.pinf)) {
    stopLimit(
        m, " (HybridFormulation)",
        {"Viscosity extrapolation to operating pressure is unrealistic:",
         "the pressure is at or above the limiting pressure P-infinity of the law.", kReduceLoad},
        {{"Limiting pressure, P-infinity (GPa) =", h.pinf * 1.0e-9}});
  }
  h.muinf = tp.hmuinf * std::exp(tp.htinf * tp.hcf / (T - tp.htinf));
  h.dp = h.pinf - P;
  h.e = std::exp(tp.hcf * P / h.dp);
  h.sq = std::pow(h.s, h.q);
  h.eta = h.muinf * h.e * h.sq;
  return h;
}

// Pressure-viscosity coefficient alpha and temperature derivative d of the law (SI).
LawValues hybridderivatives(const Tracprop& tp, const HybridParts& h, double T, double P) {
  const double alpha = h.alfa0 / h.s + tp.hcf * h.pinf / (h.dp * h.dp);
  const double d =
      -tp.hcf * P * tp.hc1 * h.eta / (T * T * (h.dp * h.dp)) -
      h.e * ((P * std::pow(h.s, h.q - 1) * h.muinf / h.q) *
                 (h.q * (tp.ha1 / (T * T) - 2 * tp.ha2 / (T * T * T)) + h.alfa0 * tp.hb1 / (T * T)) -
             h.muinf * h.sq * tp.htinf * tp.hcf / ((T - tp.htinf) * (T - tp.htinf)));
  return {h.eta, d, alpha};
}

// True where alpha and d are finite for certain, in the user's units too, without forming
// them: constants |Cf| <= 1e3, |C0|, |C1| <= 1e15 Pa, |A1|, |A2| <= 1, |B1| <= 1e6, |T-infinity|
// <= 1e4 K; 1 K above T-infinity and 1..1e4 K; pressure 0..1e11 Pa, at least 1e3 Pa below the
// limit; |alfa0| <= 1 1/Pa, 1e-3 <= |q| <= 50, s 1e-3..1e3 (so s^(q - 1) <= 1e153); muinf, e
// and s^q up to 1e50, the viscosity up to 1e100 Pa s; unit factors below 1e10. Then |alpha| <
// 1e13 and |d| < 1e275, below overflow.
bool hybridDerivativesFinite(const Tracprop& tp, const Zeld7Locals& lc, const HybridParts& h,
                             double T, double P) {
  const bool constants = std::abs(tp.hcf) <= 1e3 && std::abs(tp.hc0) <= 1e15 &&
                         std::abs(tp.hc1) <= 1e15 && std::abs(tp.ha1) <= 1 &&
                         std::abs(tp.ha2) <= 1 && std::abs(tp.hb1) <= 1e6 &&
                         std::abs(tp.htinf) <= 1e4;
  const bool units = std::abs(lc.dviscon) <= 1e10 && std::abs(lc.ss1(1)) <= 1e10;
  const bool state = T >= tp.htinf + 1 && T >= 1 && T <= 1e4 && P >= 0 && P <= 1e11 &&
                     h.dp >= 1e3 && std::abs(h.alfa0) <= 1 && std::abs(h.q) >= 1e-3 &&
                     std::abs(h.q) <= 50 && h.s >= 1e-3 && h.s <= 1e3 &&
                     std::abs(h.muinf) <= 1e50 && h.e <= 1e50 && h.sq <= 1e50 && h.eta <= 1e100;
  return constants && units && state;
}

}  // namespace

void hybridformulation(Model& m, double T, double P) {
  const HybridParts h = hybridviscosity(m, T, P);
  const LawValues v = hybridderivatives(m.tracprop, h, T, P);
  setViscosity(m, v.eta, v.d, v.alpha);
}

void zeld7(Model& m) {
  auto& tp = m.tracprop;
  auto& lc = m.zeld7;
  const bool first = tp.initprop == 0;

  if (first) {
    tp.cn = 0;
    tp.cn1 = 0;
    tp.cshearmod = 0;
    tp.cshearmod1 = 0;
    chooseUnitFactors(m);
    tp.itherm = 0;
    tp.kvtype = 0;
    tp.vismodname = kDefaultVisModel;
    tp.kmtype = 1;
    tp.tracmodname = kDefaultTracModel;
    tp.kshthtype = 0;
    tp.shthmodname = kNoShearThinning;
  }

  // Law variables: K and Pa (the user lubricant stays in the user's units).
  double T = tp.currtemp / lc.tempcon;
  double P = tp.currpres / lc.prcon;
  if (tp.ktrac == 9) {
    T = tp.currtemp;
    P = tp.currpres;
  }

  switch (tp.ktrac) {
    case 1:  // Mobil DTE (SAE 30)
      if (first) {
        tp.lubname = "Mobil DTE (SAE 30)";
        tp.refvis = 0.07166 * lc.viscon;
        tp.reftv = 311.11111111 * lc.tempcon;
        tp.viscoeff(1) = 1.9e-8 * lc.ss2(1);
        tp.viscoeff(4) = 4104.3 * lc.ss2(2);
        setProperties(m, 850, 2000, 0.096082);
        tp.reftracvis = 0.28407;  // kept in Pa s
        tp.reftractemp = 313.0;
        tp.tracalfa = 7.2516e-9 * lc.ss1(1);
      }
      requirePositiveTemperature(m, T);
      exponentialLaw(m, false);
      tp.tracvis = lc.viscon * tp.reftracvis * std::exp(0.023743 * (tp.reftractemp - T));
      tp.tracbeta = lc.ss1(2) * 0.028939 * std::pow(T / tp.reftractemp, 2.1402);
      break;

    case 2:  // 5P4E polyphenyl ether
      if (first) {
        tp.lubname = "5P4E PolyPhenylEther";
        tp.refvis = 0.032742 * lc.viscon;
        tp.reftv = 350.0 * lc.tempcon;
        tp.viscoeff(1) = 1.682e-8 * lc.ss2(1);
        tp.viscoeff(4) = 3613.6 * lc.ss2(2);
        tp.viscoeff(7) = 1.4749e-5 * lc.ss2(3);
        setProperties(m, 850, 2000, 0.096482);
        tp.reftracvis = 9.6527 * lc.viscon;
        tp.tracviscoeff(1) = 5.4679e-9 * lc.ss1(1);
        tp.tracviscoeff(4) = 0.0828 * lc.ss1(2);
        tp.tracalfa = tp.tracviscoeff(1);
        tp.tracbeta = tp.tracviscoeff(4);
        tp.tracvis = tp.reftracvis;
      }
      requirePositiveTemperature(m, T);
      exponentialLaw(m, true);
      break;

    case 3:  // MIL-L-7808
      if (first) {
        tp.lubname = "MIL-L-7808";
        tp.vismodname = "Customized logarithmic relationship";
        tp.tracalfa = 5.2214e-9 * lc.ss1(1);
        tp.reftracvis = 0.11431 * lc.viscon;
        tp.reftractemp = 313.0;
      }
      mill7808(m, T, P);
      tp.tracvis = tp.reftracvis * std::exp(0.033723 * (313 - T));
      tp.tracbeta = lc.ss1(2) * 0.041745 * std::pow(T / 313, 0.60873);
      break;

    case 4:  // MIL-L-23699 (Mobil Jet II)
    case 5:  // MIL-L-27502 (MCS 1780)
      if (first) {
        tp.lubname = tp.ktrac == 4 ? "MIL-L-23699 (Mobil Jet II)" : "MIL-L-27502 (MCS 1780)";
        tp.tracalfa = 5.8015e-9 * lc.ss1(1);
      }
      mill23699(m, T, P);
      if (tp.ktrac == 4) {
        tractionViscosity(m, T, 0.26529, 0.036358, 0.033398, 1.3075);
      } else {
        tractionViscosity(m, T, 0.21655, 0.039221, 0.032577, 1.0723);
      }
      break;

    case 6:  // Santotrac 30
    case 7:  // Santotrac 50
      if (first) {
        tp.lubname = tp.ktrac == 6 ? "Santotrac 30" : "Santotrac 50";
        tp.vismodname = "Customized relationship";
        tp.tracalfa = (tp.ktrac == 6 ? 9.4275e-9 : 7.2519e-9) * lc.ss1(1);
      }
      if (tp.ktrac == 6) {
        santotrac30(m, T, P);
        tractionViscosity(m, T, 0.40063, 0.050459, 0.034104, 1.093);
      } else {
        santotrac50(m, T, P);
        tractionViscosity(m, T, 10.076, 0.044097, 0.020794, 6.2743);
      }
      break;

    case 8:  // MIL-L-7808 VE
      if (first) {
        tp.lubname = "MIL-L-7808 VE";
        tp.kmtype = 2;
        tp.tracmodname = kViscoElastic;
        tp.refvis = 0.030391 * lc.viscon;
        auto& c = tp.viscoeff;
        c(1) = 1.2925e-8 * lc.ss2(1);
        c(2) = -2.4538e-18 * (lc.ss2(1) * lc.ss2(1));
        c(3) = 0;
        c(4) = 672.95 * lc.ss2(2);
        c(5) = -2264200 * (lc.ss2(2) * lc.ss2(2));
        c(6) = 0;
        c(7) = 9.3937e-6 * lc.ss2(3);
        c(8) = 2.984e-12 * (lc.ss2(3) * lc.ss2(3));
        c(9) = 0;
        for (int k = 2; k <= 9; ++k) {
          tp.shearmodcoeff(k) = 0;
          tp.critshearcoeff(k) = 0;
        }
        tp.shearmodcoeff(1) = 3.35e-9 * lc.ss2(1);
        tp.shearmodcoeff(4) = 3000 * lc.ss2(2);
        tp.critshearcoeff(1) = 1.25e-9 * lc.ss2(1);
        tp.critshearcoeff(4) = -800 * lc.ss2(2);
        tp.reftv = 300 * lc.tempcon;
        tp.refts = tp.reftv;
        tp.reftg = tp.reftv;
        tp.refshearmod = 8.0e6 * lc.prcon;
        tp.refcritshear = 6.0e6 * lc.prcon;
      }
      mill7808ve(m, T, P);
      break;

    case 9:  // user lubricant, user's units throughout
      if (first) {
        tp.tracvis = tp.reftracvis;
        tp.tracalfa = tp.tracviscoeff(1);
        tp.tracbeta = tp.tracviscoeff(4);
      }
      requirePositiveTemperature(m, T);
      exponentialLaw(m, false);
      break;

    case 10:  // updated MIL-L-23699, three rheology variants
    case 11:
    case 12:
      if (first) {
        tp.lubname = "Updated MIL-L-23699";
        if (tp.ktrac == 10) {
          setModels(m, 0, kYasutomiBair, 0, kMeasuredRheology, 0, kNoShearThinning);
        } else if (tp.ktrac == 11) {
          setModels(m, 0, kYasutomiBair, 0, kMeasuredRheology, 1, "Carreau-Yasuda model");
          factorTable(m, 0.625, 2, 8.0e6);
        } else {
          setModels(m, 0, kYasutomiBair, 2, kViscoElastic, 0, kNoShearThinning);
          tp.itherm = 0;
        }
        setYasutomiBair(m, 1.0e12, 85.6142427, 5423.058449, 1.021915e-11, 1.290208578e-8,
                        -0.388203465, 15.84407875, 18.73143717);
        setMeasuredRheologyLimits(m);
      }
      yasutomiBair(m, T, P);
      setProperties(m, 1000 * (1.009 - 0.0007296 * T), 1763.2 + 2.4171 * T, lc.ptc);
      if (tp.ktrac == 12) {
        tp.smod = 1.0e7 * lc.prcon * std::exp(1.2e-9 * P);
        tp.cshear = 1.5e6 * lc.prcon * std::exp(1.4e-9 * P);
      }
      break;

    case 13:  // PAO-100, Yasutomi-Bair
      if (first) {
        tp.lubname = "PAO-100";
        setModels(m, 1, kYasutomiBair, 0, kMeasuredRheology, 2, kCarreauYasuda2);
        twoTermCarreauYasuda(m);
        setYasutomiBair(m, 1.0e12, 74.42, 281.4, 2.28e-10, 8.75e-9, -0.349, 15.86, 37.25);
        setProperties(m, 854.3879, 2219.004, 0.162);
        setMeasuredRheologyLimits(m);
      }
      yasutomiBair(m, T, P);
      break;

    case 14:  // PAO-100, Hybrid Formulation
      if (first) {
        tp.lubname = "PAO-100";
        setModels(m, 2, kHybrid, 0, kMeasuredRheology, 2, kCarreauYasuda2);
        twoTermCarreauYasuda(m);
        tp.hmuinf = 0.000152521276;
        tp.hcf = 7.85459091971365;
        tp.htinf = 166.2541554;
        tp.ha0 = 8.998575332e-9;
        tp.ha1 = 1.728069143e-7;
        tp.ha2 = 0.001033328563;
        tp.hb0 = -3.340194157;
        tp.hb1 = 2398.297476;
        tp.hc0 = 10176898510.0;
        tp.hc1 = -2461989014000.0;
        setProperties(m, 854.3879, 2219.004, 0.162);
        setMeasuredRheologyLimits(m);
      }
      hybridformulation(m, T, P);
      break;

    case 15:  // PAO-600, Yasutomi-Bair
      if (first) {
        tp.lubname = "PAO-600";
        setModels(m, 0, kYasutomiBair, 0, kMeasuredRheology, 1, "Carreau Shear-Thinning");
        factorTable(m, 0.72, 2, 48000);
        setYasutomiBair(m, 1.0e12, 93.21, 123.71, 8.8391e-10, 1.0548e-8, -0.2282, 15.84, 55.47);
        setProperties(m, 854.3879, 2219.004, 0.162);
        setMeasuredRheologyLimits(m);
      }
      yasutomiBair(m, T, P);
      break;

    case 16:  // PAO-600, Hybrid Formulation
      if (first) {
        tp.lubname = "PAO-600";
        setModels(m, 2, kHybrid, 0, kMeasuredRheology, 1, "Carreau Shear-Thinning");
        factorTable(m, 0.72, 2, 48000);
        tp.hmuinf = 0.000126910043;
        tp.hcf = 16.680441255667;
        tp.htinf = 123.5420263;
        tp.ha0 = 1.425960994e-8;
        tp.ha1 = 1.525678857e-7;
        tp.ha2 = 0.0003017298333;
        tp.hb0 = -3.573976554;
        tp.hb1 = 2116.664288;
        tp.hc0 = 14860522420.0;
        tp.hc1 = -3645745616000.0;
        setProperties(m, 854.3879, 2219.004, 0.162);
        setMeasuredRheologyLimits(m);
      }
      hybridformulation(m, T, P);
      break;

    case 17:  // PAO-650, Yasutomi-Bair
      if (first) {
        tp.lubname = "PAO-650";
        setModels(m, 0, kYasutomiBair, 0, kMeasuredRheology, 1, kCarreauYasuda);
        factorTable(m, 0.72, 2, 48000);
        setYasutomiBair(m, 1.0e12, 86.57314507, 135.4502529, 7.5951835e-10, 9.347940978e-9,
                        -0.272774276, 15.02180182, 43.4712281);
        setProperties(m, 854.3879, 2219.004, 0.162);
        setMeasuredRheologyLimits(m);
      }
      yasutomiBair(m, T, P);
      break;

    case 18:  // Shell T9 mineral oil
      if (first) {
        tp.lubname = "Shell T9 mineral oil";
        setModels(m, 3, "Vogel-Like Model", 0, kMeasuredRheology, 1, kCarreauYasuda);
        factorTable(m, 0.35, 5.0, 7.0e6);
        setMeasuredRheologyLimits(m);
      }
      shellt9(m, T, P);
      break;

    case 19:  // FVA-3 mineral oil, Hybrid Formulation
      if (first) {
        tp.lubname = "FVA-3 Mineral Oil";
        setModels(m, 2, kHybrid, 0, kMeasuredRheology, 1, kCarreauYasuda);
        factorTable(m, 0.72, 2, 48000);
        tp.hmuinf = 4.72e-5;
        tp.hcf = 5.83;
        tp.htinf = 176.4;
        tp.ha0 = 8.137e-9;
        tp.ha1 = 3.189e-7;
        tp.ha2 = 0.0010207;
        tp.hb0 = -13.111;
        tp.hb1 = 6856.0;
        tp.hc0 = 7.908e9;
        tp.hc1 = -2.022e12;
        setProperties(m, 840, 2000, 0.14);
        setMeasuredRheologyLimits(m);
      }
      hybridformulation(m, T, P);
      break;

    case 20:  // Krytox 143az perfluoropolyether
      if (first) {
        tp.lubname = "Krytox 143az";
        setModels(m, 0, kYasutomiBair, 0, kMeasuredRheology, 1, kCarreauYasuda);
        factorTable(m, 0.666, 2, 500000);
        setYasutomiBair(m, 1.0e12, 96.26408626, 528.4952101, 3.32157789e-10, 3.186759685e-8,
                        -0.306112915, 16.07439334, 25.64476906);
        setProperties(m, 1910, 1200, 0.075);
        setMeasuredRheologyLimits(m);
      }
      yasutomiBair(m, T, P);
      break;

    default:
      stopInvalidCode(m);
  }

  requireFiniteResults(m);
  tp.initprop = 1;
}

double viscosityat(Model& m, double temp) {
  auto& tp = m.tracprop;
  tp.currtemp = temp;
  const bool freeVolume = freeVolumeCode(tp.ktrac);
  const bool hybrid = tp.ktrac == 14 || tp.ktrac == 16 || tp.ktrac == 19;
  if (tp.initprop == 0 || !(freeVolume || hybrid || tp.ktrac == 18)) {
    zeld7(m);
    return tp.vislub;
  }
  // The law and every check of zeld7, in the same order, without storing the properties the
  // integration does not read. In SI the unit factors are 1 and the quotients the values.
  const auto& lc = m.zeld7;
  const double T = lc.tempcon == 1 ? temp : temp / lc.tempcon;
  const double P = lc.prcon == 1 ? tp.currpres : tp.currpres / lc.prcon;
  if (hybrid) {
    // Hybrid Formulation: alpha and d are formed only where their finiteness is not certain;
    // its other properties are constants of the lubricant.
    const HybridParts h = hybridviscosity(m, T, P);
    const double vis = lc.viscon * h.eta;
    double dvis = 0;
    double alpha = 0;
    if (!hybridDerivativesFinite(tp, lc, h, T, P)) {
      const LawValues v = hybridderivatives(tp, h, T, P);
      dvis = lc.dviscon * v.d;
      alpha = lc.ss1(1) * v.alpha;
    }
    if (!finiteResults(vis, dvis, alpha, tp.denlub, tp.spheatlub, tp.thercondlub(1), tp.tracvis,
                       tp.tracbeta)) {
      stopNotFinite(m);
    }
    return vis;
  }
  if (!freeVolume) {
    // Shell T9: the rest of the law is formed only where its finiteness is not certain.
    const ShellT9Volume s = shellt9volume(m, T, P);
    const double vis = lc.viscon * s.eta;
    if (shellt9RestFinite(lc, s, P)) {
      if (!finiteResults(vis, 0, 0, 0, 0, 0, tp.tracvis, tp.tracbeta)) stopNotFinite(m);
    } else {
      const ShellT9Rest r = shellt9rest(s, P);
      if (!finiteResults(vis, lc.dviscon * r.d, lc.ss1(1) * r.alpha, r.den * lc.dencon,
                         r.sph * lc.sphtcon, r.tc * lc.tccon, tp.tracvis, tp.tracbeta)) {
        stopNotFinite(m);
      }
    }
    return vis;
  }
  // Yasutomi-Bair: the pressure terms of the last evaluation at this pressure.
  const LawValues v = freeVolumeLaw(m, T, P, true);
  const double vis = lc.viscon * v.eta;
  double den = tp.denlub;
  double sph = tp.spheatlub;
  double tc = tp.thercondlub(1);
  if (tp.ktrac <= 12) {  // updated MIL-L-23699: temperature- and pressure-dependent properties
    den = 1000 * (1.009 - 0.0007296 * T) * lc.dencon;
    sph = (1763.2 + 2.4171 * T) * lc.sphtcon;
    tc = lc.ptc * lc.tccon;
  }
  if (!finiteResults(vis, lc.dviscon * v.d, lc.ss1(1) * v.alpha, den, sph, tc, tp.tracvis,
                     tp.tracbeta)) {
    stopNotFinite(m);
  }
  return vis;
}

}  // namespace zeld7
