// Life modification of the fatigue lives: the STLE lubrication factor read from its curve
// against the film parameter lambda = h / sigma (film and RMS roughness in the user's length
// unit), and Tallian's model (Tallian, Data-fitted rolling bearing life prediction model, 1996):
// the basic inverse life raised to the Weibull slope beta is weighted by bulk-defect,
// asperity-contact and surface-defect terms (asperity fraction from the film parameter, traction,
// process and contamination factors), then turned back into a modified inverse life.
#include <algorithm>
#include <cmath>
#include <limits>

#include "life/zelf1.h"
#include "model/model.h"
#include "numerics/zelg5.h"

namespace zelf1 {

namespace {

// STLE lubrication-factor curve: film parameter and life factor.
constexpr int kNl = 11;
constexpr double xl[kNl] = {0.6, 0.8, 1.0, 1.1, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0, 10.0};
constexpr double fls[kNl] = {0.19, 0.28, 0.47, 1.0, 1.75, 2.13, 2.46, 2.62, 2.83, 2.88, 3.03};

// Film parameter h f / sigma of contact (k, j), not below 0. Perfectly smooth surfaces
// (sigma = 0) are separated by any film: xinf; without a film they touch: 0.
double filmparameter(const Model& m, int k, int j) {
  const double hf = m.solutions.filmthk(k, j) * m.solutions.filmmodfac(k, j);
  const double sigma = m.fatiguecons.rmsaspht(k);
  if (sigma > 0.0) return hf > 0.0 ? hf / sigma : 0.0;
  return hf > 0.0 ? m.constants.xinf : 0.0;
}

// Tallian term phi4 D of one contact; a contact without fatigue (phi4 = 0) adds nothing even
// where D is unbounded (dry contact of perfectly smooth surfaces).
double term(double phi4, double d) { return phi4 == 0.0 ? 0.0 : phi4 * d; }

// Modified inverse life ((x^(1/(beta zeta)) RL^(1/zeta) - phi0)^zeta) / am from the weighted
// ratio x of the Tallian terms and the basic inverse life RL. Where the fatigue-limit term phi0
// outweighs the rest the contact stress stays below the limit: no fatigue, inverse life 0.
double modified(const Model& m, double x, double rl, double phi0, double am) {
  const auto& f = m.fatiguecons;
  if (!(rl > 0.0)) return 0.0;
  const double base = std::pow(x, f.bzeta1) * std::pow(rl, f.zeta1) - phi0;
  return base > 0.0 ? std::pow(base, f.flzeta) / am : 0.0;
}

}  // namespace

void stlelubfactor(Model& m, int k, int j, double& lambda, double& factor) {
  if (!(m.solutions.filmthk(k, j) > 0.0)) {
    lambda = 0.0;
    factor = fls[0];
    return;
  }
  lambda = filmparameter(m, k, j);
  if (lambda <= xl[0]) {
    factor = fls[0];
  } else if (lambda < xl[kNl - 1]) {
    int i1 = 0, i2 = 0;
    factor = zelg5::zelg5(lambda, xl, fls, kNl, i1, i2);
  } else {
    factor = fls[kNl - 1];
  }
}

void tallianconstants(Model& m) {
  auto& f = m.fatiguecons;
  const auto& c = m.constants;
  f.bzeta = f.flbeta * f.flzeta;
  f.bzeta1 = 1.0 / f.bzeta;
  f.zeta1 = 1.0 / f.flzeta;
  const double amfactor = 12.0 * f.fla;
  for (int k = 1; k <= 2; ++k) {
    f.em(k) = 1.0 / (c.ererace(k) * c.cpres);
    f.phi2b(k) = f.facproc(k) * f.phi2blp;
    f.phi2f(k) = f.faccont(k) * f.phi2clean;
    f.phi0(k) = f.shearlmt(k) * std::pow(3.0, f.bzeta1) * std::pow(10.0, -45.0 * f.bzeta1 - 6.0);
    // Asperity density term: unbounded for a perfectly smooth surface, where the asperity
    // fraction it multiplies is 0 whenever a film exists.
    f.ds(k) = f.sigtheta(k) > 0.0 ? f.flalfa * 0.0306 / (f.sigtheta(k) * f.sigtheta(k))
                                  : std::numeric_limits<double>::infinity();
    f.am(k) = f.facmat(k) > 0.0 ? amfactor / std::pow(f.facmat(k), 1.0 / f.flbeta) : 0.0;
  }
  for (int k = 1; k <= 4; ++k) {
    f.phi2bre(k) = f.facprocre * f.phi2blp;
    f.phi2fre(k) = f.faccontre * f.phi2clean;
    f.phi0re(k) = 0.0;
  }
  f.amre = f.facmatre > 0.0 ? amfactor / std::pow(f.facmatre, 1.0 / f.flbeta) : 0.0;
  // Weights of the element positions, and of the race segments in the element sums (up to 4
  // segments whatever the element count).
  const int nre = m.brggeom.nre;
  for (int j = 1; j <= std::max(nre, 4); ++j)
    f.sk(j) = std::pow(2.0 * c.pi * j / nre, f.flbeta - 1.0);
}

void talliancontact(Model& m, Work& w, int k, int j, const zq::FArray<double, 4>& inv) {
  const auto& f = m.fatiguecons;
  const double pi = m.constants.pi;
  const double lam = filmparameter(m, k, j);

  // Asperity-contact fraction: upper tail of the standard normal distribution at lambda - 0.4.
  const double d = lam > 0.4 ? lam - 0.4 : 0.0;
  double a = 0.0;
  if (d == 0.0) {
    a = 0.5;
  } else if (d <= 5.0) {
    const double d2 = d * d;
    a = 0.5 - 0.5 * std::sqrt(1.0 - (16.0 * std::exp(-(2.0 - std::sqrt(2.0)) * d2) +
                                      7.0 * std::exp(-d2 / 2.0) +
                                      (7.0 + pi * d2 / 4.0) * std::exp(-d2)) /
                                         30.0);
  }
  const double ads = a == 0.0 ? 0.0 : a * f.ds(k);
  const double b = std::pow(0.39, f.bzeta);

  // Asperity traction coefficient: full below any film, none from lambda 4.3 on.
  double mua = 0.0;
  if (lam == 0.0) {
    mua = f.asptrac(k);
  } else if (lam < 4.3) {
    mua = std::min(f.asptrac(k), 0.05 * f.asptrac(k) * f.em(k) * f.rmsaspslope(k) *
                                     std::exp(7.5 * std::sqrt(4.3 - lam) - 15.5) *
                                     std::pow(f.flalfa - 0.9, 0.75) /
                                     m.solutions.conpress(k, j));
  }
  const double t1 =
      std::pow((std::abs(m.solutions.reracetrac(k, j)) + mua) * 1.22 + 1.25 * f.zfrac, f.bzeta);
  const double t2 = std::pow(f.asptrac(k) * 1.22 + 1.25 * f.zfrac, f.bzeta);

  for (int n = kOrig; n <= kIh; ++n) w.phi4(j, n) = std::pow(inv(n), f.flbeta);
  if (racecode(m, k) > 0) {
    const double dk = f.phi1b * f.phi2b(k) * b + f.phi1a * ads * t1 + f.phi1f * f.phi2f(k) * t2;
    for (int n = kOrig; n <= kIh; ++n) w.phit(j, n) = term(w.phi4(j, n), dk);
  }
  if (m.options.klifemodre > 0) {
    const double de = f.phi1b * f.phi2bre(1) * b + f.phi1a * ads * t1 + f.phi1f * f.phi2fre(1) * t2;
    for (int n = kLp; n <= kIh; ++n) {
      w.phi4re(k, j, n) = w.phi4(j, n);
      w.phitre(k, j, n) = term(w.phi4(j, n), de);
    }
  }
}

void tallianracesums(Model& m, Work& w, int k) {
  const auto& f = m.fatiguecons;
  const auto& a4 = m.setupa4;
  const int nre = m.brggeom.nre;
  // Unsolved elements take the terms of the element they mirror.
  for (int j = a4.ib + 1; j <= nre; ++j) {
    const int src = a4.njb(j);
    for (int n = kOrig; n <= kIh; ++n) {
      w.phi4(j, n) = src >= 1 ? w.phi4(src, n) : 0.0;
      w.phit(j, n) = src >= 1 ? w.phit(src, n) : 0.0;
      w.phi4re(k, j, n) = src >= 1 ? w.phi4re(k, src, n) : 0.0;
      w.phitre(k, j, n) = src >= 1 ? w.phitre(k, src, n) : 0.0;
    }
  }
  for (int n = kOrig; n <= kIh; ++n) {
    w.rl(k, n, kTallian) = w.rl(k, n, kBasic);
    if (racecode(m, k) < 1) continue;
    // A rotating race carries every element position round the load zone: position weights.
    const bool rotating = f.iracerot(k) == 2;
    double sphit = 0.0, sphi4 = 0.0;
    for (int j = 1; j <= nre; ++j) {
      const double wt = rotating ? f.sk(j) : 1.0;
      sphit += wt * w.phit(j, n);
      sphi4 += wt * w.phi4(j, n);
    }
    if (sphi4 == 0.0) continue;
    const double c = (n == kOrig ? f.phi1blp : 1.0) * f.phi2blp * f.phi3blp;
    w.rl(k, n, kTallian) = modified(m, sphit / (c * sphi4), w.rl(k, n, kBasic), f.phi0(k), f.am(k));
  }
}

void tallianelementsums(Model& m, Work& w) {
  const auto& f = m.fatiguecons;
  for (int j = 1; j <= m.setupa4.ib; ++j) {
    for (int n = kLp; n <= kIh; ++n) {
      w.rr(j, n, kTallian) = w.rr(j, n, kBasic);
      if (m.options.klifemodre < 1) continue;
      double sphit = 0.0, sphi4 = 0.0;
      for (int k = 1; k <= m.brggeom.nrace; ++k) {
        sphit += f.sk(k) * w.phitre(k, j, n);
        sphi4 += f.sk(k) * w.phi4re(k, j, n);
      }
      if (sphi4 == 0.0) continue;
      w.rr(j, n, kTallian) = modified(m, sphit / (sphi4 * f.phi2blp * f.phi3blp),
                                      w.rr(j, n, kBasic), f.phi0re(1), f.amre);
    }
  }
}

}  // namespace zelf1
