// Hertz point-contact factors of an elliptical contact (Hertz 1881; Harris, Rolling Bearing
// Analysis, contact stress and deformation): from the curvature difference F the axis ratio
// k = b/a and the complete elliptic integrals E, K give the dimensionless semi-major axis a*,
// semi-minor axis b* and approach delta* (pure numbers; 1, 1, 1 is the circular contact).
// Table mode interpolates k and E - 1 linearly in F; the refinement solves the ellipse relation
// F = ((1 + k^2) E - 2 k^2 K) / ((1 - k^2) E) for k, E and K of modulus sqrt(1 - k^2).
#include "contact/zelc4.h"

#include <algorithm>
#include <cmath>

#include "model/model.h"
#include "numerics/zelg3.h"
#include "numerics/zelg5.h"
#include "numerics/zelg7.h"
#include "run/zela9.h"

namespace zelc4 {

namespace {

// Table length.
constexpr int nt = 51;

// Curvature difference F (ascending).
constexpr double fri[nt] = {
    0.0,   0.05,  0.1,   0.15,  0.2,   0.25,  0.3,   0.35,  0.4,   0.45,  0.5,   0.55,  0.6,
    0.65,  0.7,   0.75,  0.8,   0.81,  0.82,  0.83,  0.84,  0.85,  0.86,  0.87,  0.88,  0.89,
    0.9,   0.91,  0.92,  0.93,  0.94,  0.945, 0.95,  0.955, 0.96,  0.965, 0.97,  0.975, 0.98,
    0.985, 0.99,  0.991, 0.992, 0.993, 0.994, 0.995, 0.996, 0.997, 0.998, 0.999, 0.9999};

// Axis ratio k = b/a at F (descending from the circle, k = 1).
constexpr double bai[nt] = {
    1.0,          0.93545783,  0.87480387,   0.81755618,   0.76329879,   0.71166825,
    0.66234275,   0.61503298,  0.5694741,    0.52541838,   0.48262778,   0.44086571,
    0.39988702,   0.35942408,  0.31916567,   0.27872082,   0.23754984,   0.22916287,
    0.22070637,   0.21217034,  0.20354341,   0.19481251,   0.18596247,   0.17697549,
    0.16783045,   0.15850186,  0.1489585,    0.13916138,   0.12906059,   0.11859049,
    0.10766148,   0.10198702,  0.096145575,  0.090110567,  0.083847936,  0.077312806,
    0.070443915,  0.063153679, 0.055308785,  0.046687105,  0.036861304,  0.034680884,
    0.032401925,  0.030005847, 0.02746729,   0.02475,      0.021798796,  0.018521717,
    0.014741779,  0.010010638, 0.0028273958};

// E - 1 at F, E the complete elliptic integral of the second kind of modulus sqrt(1 - k^2).
constexpr double ae[nt] = {
    0.57079633,    0.52052763,    0.47410951,    0.43110337,    0.39113752,
    0.35389475,    0.31910272,    0.28652637,    0.25596181,    0.22723154,
    0.20018053,    0.17467313,    0.15059059,    0.12782919,    0.10629891,
    0.085922764,   0.066637016,   0.062906132,   0.059216553,   0.055568009,
    0.051960268,   0.048393137,   0.044866476,   0.041380196,   0.037934275,
    0.034528768,   0.031163823,   0.027839705,   0.024556829,   0.021315804,
    0.018117513,   0.016534769,   0.014963225,   0.013403133,   0.011854806,
    0.010318634,   0.0087951187,  0.0072849193,  0.0057889405,  0.0043084998,
    0.0028457099,  0.0025555642,  0.0022663177,  0.0019780286,  0.0016907691,
    0.0014046328,  0.0011197458,  0.00083628995, 0.00055455462, 0.00027509663,
    2.698209e-05};

// 1-based views of the tables.
double tf(int i) { return fri[i - 1]; }
double tk(int i) { return bai[i - 1]; }
double te(int i) { return ae[i - 1]; }

}  // namespace

void zelc4(Model& m, double f, double& astar, double& bstar, double& dstar, int mode) {
  auto& err = m.errors;
  const double pi = m.constants.pi;
  const double one3 = m.constants.one3;

  // Equal curvatures in both planes: circular contact.
  if (f <= 0.0) {
    astar = 1.0;
    bstar = 1.0;
    dstar = 1.0;
    return;
  }
  // Degenerate ellipse: the contact is a line; the caller uses the line-contact law instead.
  if (f >= 1.0) {
    astar = 1.0e10;
    bstar = 0.0;
    dstar = 0.0;
    return;
  }

  int i1 = 0;
  int i2 = 0;
  double k = zelg5::zelg5(f, fri, bai, nt, i1, i2);
  double ce = 0.0;
  double ck = 0.0;

  if (mode < 1) {
    // E in the same interval as k; K from the contact-ellipse relation, so that the relation
    // holds exactly for the interpolated pair (k, E).
    ce = 1.0 + te(i1) + (te(i2) - te(i1)) * (f - tf(i1)) / (tf(i2) - tf(i1));
    ck = ce * (1.0 + k * k - f * (1.0 - k * k)) / (2.0 * k * k);
  } else {
    // Root of F - F(k) between the two table ratios of the interval (ascending bracket: the
    // ratios fall with F), started from the interpolated ratio. An evaluation failure the
    // search recovers from is no failure of the factors: the record is restored afterwards,
    // so a record pending from elsewhere survives a successful refinement.
    const Errors pending = err;
    m.tmparea.rtmp(1) = f;
    double klo = std::min(tk(i1), tk(i2));
    double khi = std::max(tk(i1), tk(i2));
    int ierr = 0;
    // A count in the integer list of the error record then belongs to this search.
    err.numi = 0;
    zelg3::zelg3(m, k, klo, khi, [&m](double kk) { return zelc41(m, kk); }, ierr);
    if (ierr != 0) {
      zq::ErrorBlock block;
      block.code = m.errorcodes.krootc4;
      block.supplementary = ierr;
      block.lines = {"Iteration error in Zelc4", "Root function is Zelc41"};
      if (err.numi == 1) block.ivalues = {err.iarray(1)};
      zq::raiseError(m, block);
      ce = 0.0;
      ck = 0.0;
    } else {
      // The last evaluation of the search may lie beside the root (forward-difference point):
      // take E and K of the root itself (should that evaluation fail, its error stands).
      zelc41(m, k);
      if (m.tmparea.itmp(1) == 0) {
        ce = m.tmparea.rtmp(2);
        ck = m.tmparea.rtmp(3);
        err = pending;
      }
    }
  }

  astar = std::pow(2.0 * ce / (pi * k * k), one3);
  bstar = std::pow(2.0 * ce * k / pi, one3);
  if (ce > 0.0) {
    dstar = (2.0 * ck / pi) * std::pow(pi * k * k / (2.0 * ce), one3);
  } else {
    // Failed refinement: no approach factor (0 x infinity otherwise).
    dstar = 0.0;
  }
}

double zelc41(Model& m, double k) {
  m.tmparea.itmp(1) = 0;
  const double e = std::sqrt(1.0 - k * k);
  double ck = 0.0;
  double ce = 0.0;
  int ierr = 0;
  zelg7::zelg7(m, e, ck, ce, ierr);
  if (ierr == 0) {
    m.tmparea.rtmp(2) = ce;
    m.tmparea.rtmp(3) = ck;
    const double den = (1.0 - k * k) * ce;
    // k = 1 is the circle, where the relation tends to F = 0 (it reads 0/0 there).
    if (den == 0.0) return m.tmparea.rtmp(1);
    return m.tmparea.rtmp(1) - ((1.0 + k * k) * ce - 2.0 * k * k * ck) / den;
  }
  m.tmparea.itmp(1) = ierr;
  zq::ErrorBlock block;
  block.code = 1;
  block.supplementary = ierr;
  block.lines = {"Error count in Zelc41"};
  zq::raiseError(m, block);
  return 0.0;
}

}  // namespace zelc4
