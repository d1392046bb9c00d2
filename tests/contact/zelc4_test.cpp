// The contact laws: Hertz point-contact factors against those of the exact ellipse (fixture.h;
// Harris, Rolling Bearing Analysis), the line-contact slice law against its relations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <tuple>

#include "contact/zelc4.h"
#include "contact/zelc6.h"
#include "fixture.h"
#include "model/model.h"

namespace {

using Stars = std::array<double, 3>;  // a*, b*, delta*, exact in contacttest::hertzStars
using contacttest::hertzStars;

std::unique_ptr<Model> model() {
  auto m = std::make_unique<Model>();
  std::tie(m->constants.one2, m->constants.one3, m->constants.one4) = std::tuple(0.5, 1.0 / 3.0, 0.25);
  return m;
}

Stars call(Model& m, double f, int mode) { Stars s{-1, -1, -1}; return zelc4::zelc4(m, f, s[0], s[1], s[2], mode), s; }

double worst(const Stars& g, const Stars& w) { return std::max({std::abs(g[0] / w[0] - 1), std::abs(g[1] / w[1] - 1), std::abs(g[2] / w[2] - 1)}); }

}  // namespace

TEST(HertzFactors, TableAndRefinementMatchTheExactEllipseUpToTheLimits) {
  // Table nodes carry 8 digits (nodes 0.5, 0.9, 0.999: 1e-7). Linear interpolation between
  // them errs most at interval midpoints: 4.2e-4 below F = 0.9, 4.2e-3 below 0.99, 1.4e-2 below
  // 0.999 (exact solution on a 0.0005 grid). The refinement solves the relation to a Newton step
  // of 1e-6 up to the last node (0.9999); a record pending from another routine survives it.
  auto m = model();
  for (double f : {0.5, 0.9, 0.999}) EXPECT_LT(worst(call(*m, f, 0), hertzStars(f)), 1e-7) << f;
  for (int n = 1; n < 1998; ++n) EXPECT_LT(worst(call(*m, n * 0.0005, 0), hertzStars(n * 0.0005)), n < 1800 ? 5e-4 : n < 1980 ? 5e-3 : 2e-2) << n;
  for (double f : {0.02, 0.33, 0.7777, 0.9305, 0.9833, 0.9995, 0.99985}) {
    std::tie(m->errors.ierind, m->errors.iarray(1)) = std::tuple(5, 17);
    EXPECT_LT(worst(call(*m, f, 1), hertzStars(f)), 4e-6) << f;
    EXPECT_TRUE(m->errors.ierind == 5 && m->errors.iarray(1) == 17) << f;
  }
  // F <= 0: circle (1, 1, 1); F >= 1: line (1e10, 0, 0), in both modes, a pending record kept.
  for (double f : {0.0, -0.0, -1.0e-300, -5.0, 1.0, 1.0000001, 3.0})
    for (int mode : {0, 1}) {
      std::tie(m->errors.ierind, m->errors.jerind) = std::tuple(113, 7);
      EXPECT_TRUE(call(*m, f, mode) == (f <= 0 ? Stars{1, 1, 1} : (Stars{1e10, 0, 0})) && m->errors.ierind == 113 && m->errors.jerind == 7) << f;
    }
  // Past the last node (0.9999) the refinement's bracket (the two last ratios) holds no root: code 114 with
  // the root finder's code 2, not fatal, the search count, no factors.
  auto f = model();
  const Stars z = (f->errors.numr = 3, call(*f, 0.99995, 1));
  const Errors& e = f->errors;
  EXPECT_TRUE(e.ierind == 114 && e.jerind == 2 && e.iterminate == 0 && e.numm == 2 && e.numi == 1 && e.iarray(1) > 0 && e.numr == 0 && z == (Stars{0, 0, 0}));
  EXPECT_TRUE(e.imess(1) == "Iteration error in Zelc4" && e.imess(2) == "Root function is Zelc41");
  // The root function at the circle (k = 1) is F itself, not 0/0; no modulus for k = 0: error.
  m->tmparea.rtmp(1) = 0.01;
  EXPECT_TRUE(zelc4::zelc41(*m, 1.0) == 0.01 && m->tmparea.itmp(1) == 0);
  EXPECT_TRUE(zelc4::zelc41(*f, 0.0) == 0.0 && f->tmparea.itmp(1) == 1 && e.ierind == 1 && e.imess(1) == "Error count in Zelc41");
}

TEST(SliceLaw, PowerAndLogarithmicLawsOfALineContact) {
  // Steel pair (1/E* = 2 (1 - 0.3^2)/2.07e11 Pa), sforce 1000 N, slen 5 mm, as the per-race set-up forms
  // c1 = 0.39 (4 sforce/E*)^0.9 / slen^1.8, c2 = 2 sforce/(pi E* slen^2). Power law delta = c1 q^0.9 / l^0.8
  // (Palmgren; 1/0.9 written 1.1111111: 1e-7), half-width of the Hertz line contact (Johnson, Contact
  // Mechanics, 4.3) b = sqrt(4 w R/(pi E*)), w = q/l, 1/R = s. Logarithmic law delta = c2 w (1.1932 +
  // ln(l / b)), b = sqrt(2 c2 w / s), to a Newton step of 1e-6 w. Stiffness: central differences, 1e-7.
  const double ie = 2 * (1 - 0.09) / 2.07e11, estar = 0.005 * 0.005 / (1000 * ie);  // E*, non-dim.
  zq::FArray<double, 2> cf{0.39 * std::pow(4000 * ie, 0.9) / std::pow(0.005, 1.8), 2 * 1000 * ie / (std::numbers::pi * 0.005 * 0.005)};
  auto m = std::make_unique<Model>();
  const auto law = [&](int mode, double d, double l, double s, double& b, double& k) { double q = 0; return zelc6::zelc6(*m, mode, d, cf, l, s, b, k, q), q; };
  double b = 0, k = 0, bb = 0, kk = 0;
  for (double l : {1.0, 0.37})
    for (double d : {1.0e-6, 3.0e-4, 0.02}) {
      const double s = 1.3, q = law(1, d, l, s, b, k), w = q / l;
      EXPECT_TRUE(std::abs(cf(1) * std::pow(q, 0.9) / std::pow(l, 0.8) / d - 1) < 1e-7 && std::abs(b / std::sqrt(4 * w / s / (std::numbers::pi * estar)) - 1) < 1e-14) << d;
      EXPECT_NEAR(k * 2e-4 * d / (law(1, 1.0001 * d, l, s, bb, kk) - law(1, 0.9999 * d, l, s, bb, kk)), 1.0, 1e-7);
      if (d > 0.01) continue;
      const double ql = law(2, d, l, s, b, k), wl = ql / l, h = 1e-5 * wl;
      const auto dl = [&](double v) { return cf(2) * v * (1.1932 + std::log(l / std::sqrt(2 * cf(2) * v / s))); };
      EXPECT_TRUE(std::abs(dl(wl) / d - 1) < 2e-6 && std::abs(b / std::sqrt(2 * cf(2) * wl / s) - 1) < 1e-14 && m->errors.ierind == 0) << l << " " << d;
      EXPECT_NEAR(k * (dl(wl + h) - dl(wl - h)) / (2 * h * l), 1.0, 1e-7);
    }
  // No overlap: nothing, and a pending record untouched.
  for (double d : {0.0, -0.0, -1.0e-3})
    for (int mode : {1, 2}) EXPECT_TRUE((m->errors.ierind = 124, law(mode, d, 1.0, 1.1, b, k) == 0) && b == 0 && k == 0 && m->errors.ierind == 124) << mode << d;
  // With a zero tolerance the logarithmic law runs out of its 100 steps: code 1, not fatal, the
  // last residual, load per length and correction; the load still belongs to that last w.
  std::tie(m->errors.ierind, m->errors.numi, m->constants.tolr(2)) = std::tuple(0, 3, 0.0);
  const double q = law(2, 1.0e-3, 0.5, 1.1, b, k);
  const Errors& e = m->errors;
  EXPECT_TRUE(e.ierind == 1 && e.iterminate == 0 && e.numm == 1 && e.numi == 0 && e.numr == 3 && q == e.rarray(2) * 0.5);
  EXPECT_TRUE(e.imess(1) == "Iteraction count encountered in Zelc6" && e.rname == "g,q,cor =" && std::abs(e.rarray(1)) < 1e-9 && k > 0);
}
