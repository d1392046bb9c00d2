// Film thickness and lubricated traction: hand values, closed forms, step rule, stops.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include "model/model.h"
#include "run/stop.h"
#include "traction/zeld5.h"
#include "traction/zeld6.h"
#include "traction/zeld7.h"
#include "traction/zeld8.h"

namespace {

// Lubricant at 350 K; code 9: eta, alpha, 4000 K, 0.13 W/(m K); ve: G 8e4 Pa, tau_c 1e6 Pa.
struct Lub {
  std::unique_ptr<Model> m = std::make_unique<Model>();
  std::ostringstream out;
  Tracprop& t = m->tracprop;
  explicit Lub(int code, double eta = 0.01, double alpha = 0, bool ve = false) {
    m->devices.report.attach(out), m->constants.one4 = 0.25, m->options.kunit = 1;
    t.ktrac = code, t.reftv = 350, t.refvis = eta, t.viscoeff(1) = alpha, t.viscoeff(4) = 4000;
    t.thercondlub(1) = 0.13, t.currtemp = 350, zeld7::zeld7(*m);
    if (ve) t.kmtype = 2, t.smod = 8e4, t.cshear = 1e6;
  }
  // PAO (13, k 0.162): 100 Pa s exp(-beta (T - 350 K)) (C2 -> inf, C1/C2 fixed); Br = s^2/2.268.
  void exponential(double beta) {
    t.ya1 = 0, t.yb1 = 0, t.ytg0 = 350, t.yxmug = 100, t.yc2 = 1e12, t.yc1 = beta * 1e12 / 2.303, t.kshthtype = 0;
  }
  // Strip of 1 GPa (mean 7.853982e8 Pa), 350 K, b 0.1 mm, film 0.1 um: mu1, mu2, phi, tf.
  std::array<double, 5> traction(double u, double s1, double s2) {
    std::array<double, 5> r{};
    zeld6::zeld6(*m, 1e9, 1e-4, 350, u, 1e-7, s1, s2, r[0], r[1], r[2], r[4], r[3]);
    EXPECT_EQ(r[4], 0);  // no flash coefficient, no flash temperature
    return r;
  }
  template <class F> std::string stop(F call) {  // the report of a call that must stop the run (status 1)
    try { call(); } catch (const zq::StopRun& s) { EXPECT_EQ(s.status(), 1); }
    return out.str();
  }
};

}  // namespace

// Ball (rx 4 mm, 2 GPa, a 1.5 mm, b 0.2 mm), roller (6 mm, 1 GPa, 5 mm, 0.25 mm), 10 m/s, E'
// 2.2e11 Pa, eta 0.01 Pa s, alpha 2e-8 1/Pa: U 1.13636e-10 / 7.57576e-11, G 4400, W1 7.13998e-4 /
// 2.97499e-4, W 3.56999e-4 / 3.30555e-4. Starved ball: m = 6.01701 strparam, h/h0 = 1 - exp(
// -1.68005 m^0.8315 + 0.260137 m^1.558 - 0.016146 m^2.296) below 8. L = u^2 3.2653e-4 / 0.13
// (0.25118 at 10 m/s): (1 - 13.2 p/E' L^0.42) / (1 + 0.213 (1 + 2.23 SRR^0.83) L^0.62) >= 0.01.
TEST(FilmThickness, FilmLawsStarvationAndThermalFactorByHand) {
  struct Case { int kfilm; bool roller; double strparam, u, us, h, phit; };
  const double ball[4] = {0.004, 2e9, 1.5e-3, 2e-4}, roller[4] = {0.006, 1e9, 5e-3, 2.5e-4};
  const Case cases[] = {
      {1, 0, 1e6, 10, 0, 3.443841e-7, 0.8554612}, {2, 0, 1e6, 10, 0, 3.387651e-7, 0.8554612},
      {3, 0, 1e6, 10, 0, 3.940532e-7, 0.8554612}, {1, 1, 1e6, 10, 0, 4.358107e-7, 0.8862605},
      {2, 1, 1e6, 10, 10, 3.902649e-7, 0.7479265}, {7, 1, 1e6, 10, 0, 4.765894e-7, 0.8862605},
      {2, 0, 0, 10, 0, 0, 0.8554612}, {2, 0, 0.05, 10, 0, 1.490561e-7, 0.8554612},
      {2, 0, 0.5, 10, 10, 3.211002e-7, 0.7219346}, {2, 0, 1.3, 10, 0, 3.356723e-7, 0.8554612},
      {2, 0, 1.33, 10, 0, 3.387651e-7, 0.8554612}, {2, 0, 1e6, 1000, 0, 7.411373e-6, 0.01},
      {2, 0, 1e6, 0, 0, 0, 0}};  // no rolling: no film
  for (const Case& c : cases) {
    Lub l(9, 0.01, 2e-8);
    l.t.kfilm = c.kfilm, l.t.strparam = c.strparam;
    const double* g = c.roller ? roller : ball;  // rx, p, a, b
    double h, phit;
    zeld8::zeld8(*l.m, g[0], g[1], g[2], g[3], 2 / 2.2e11, 350, c.u, c.us, h, phit);
    EXPECT_TRUE(std::abs(h - c.h) <= 2e-7 * c.h && std::abs(phit - c.phit) < 1e-7) << c.kfilm << " " << c.strparam;
  }
  // MIL-L-7808 VE at 280 K: d eta/dT > 0, so no inlet heating reduction (factor 1, not NaN).
  double h, phit;
  zeld8::zeld8(*Lub(8).m, 0.004, 2e9, 1.5e-3, 2e-4, 2 / 2.2e11, 280, 10, 10, h, phit);
  EXPECT_EQ(phit, 1);
}

// Isothermal strip (beta 0): mu = 4 eta s/(pi p h) = -6.366197723675813e-6 (eta 0.05, s -0.01,
// 1 GPa, 0.1 um) x mean exp(alpha P) on the half strip: 1, or 2.2439505 (int of exp(sqrt(1 - X^2))
// on [0, 1], 2e-3 for 4 Gauss points) at alpha p = 1. Rise eta s^2/(4 k) = 9.615385e-6 K; at
// 10 m/s (9.6 K) beta 0.03 1/K carries less than the isothermal -6.366197723675813e-3.
TEST(ThermalNewtonianTraction, IsothermalLimitAndFilmTemperature) {
  Model m;
  auto& t = m.tracprop;
  double mu, dtf = 7, tf = 1;
  t.tracvis = 0.05, t.thercondlub(1) = 0.13;
  for (double alpha : {0.0, 1e-9}) {
    t.tracalfa = alpha;
    zeld5::zeld5(m, 1e9, 1e-4, 350, 10, 1e-7, -0.01, mu, dtf, tf, 0);
    EXPECT_NEAR(mu / -6.366197723675813e-6, alpha ? 2.2439505 : 1, alpha ? 2e-3 : 1e-12);
    EXPECT_TRUE(alpha || std::abs(tf - 350 - 9.615385e-6) < 1e-12) << tf;
  }
  EXPECT_EQ(dtf, 0);  // no flash coefficient: 0, not a quotient by the zero effusivity
  t.tracalfa = 0, t.tracbeta = 0.03, zeld5::zeld5(m, 1e9, 1e-4, 350, 10, 1e-7, -10, mu, dtf, tf, 0);
  EXPECT_TRUE(mu < 0 && mu > -0.95 * 6.366197723675813e-3) << mu;
}

// d theta/d xi = -Br xi eta/eta0, eta = eta0 exp(-beta (T - T0)), B = beta T0 = 7: theta = 1 +
// ln(1 + B Br (1 - xi^2)/2)/B, I = atanh(sqrt(C/A))/sqrt(A C), A = 1 + B Br/2, C = B Br/2, mu =
// eta0 s I/(h pm). Constant eta: eta s/(h pm) = 1.2732395e-3 (1 mm/s along (0.6, 0.8)); 100 m/s:
// s/u 1e-5 < tau/G 1.25e-5, creep 1e-5 8e10/pm = 1.0185916e-3; 1.27 capped at 0.2; no slip: 0.
// Table (11): 0.01 past its end. Two-term (13), 2 kPa: phi = (1 + (phi L1)^2)^cexp (1 + (phi
// L2)^2)^cexp1. Growth min(2, 0.8 (1e-4/e)^(1/3)) (2 at e = 0); rejected: max(1e-4, that x step).
TEST(NewtonianFilm, ClosedFormCreepLimitShearThinningZeroSlipAndStepRule) {
  for (double bbr : {0.01, 1.0}) {
    Lub l(13);
    l.exponential(0.02);
    l.t.tcl = 1e9;
    const double s = std::sqrt(bbr / 7 * 2.268), a = 1 + bbr / 2, c = bbr / 2;
    const auto r = l.traction(10, s, 0);
    EXPECT_NEAR(r[3] / (350 * (1 + std::log(1 + bbr / 2) / 7)), 1, 1e-5) << bbr;
    const double i = std::atanh(std::sqrt(c / a)) / std::sqrt(a * c);
    EXPECT_NEAR(r[0] / (100 * s * i / 7.853982e1), 1, bbr < 0.1 ? 2e-4 : 1e-2) << bbr;
  }
  struct Case { double u, s1, s2, mu1, mu2; };
  const Case cases[] = {{10, 6e-4, 8e-4, 7.639437e-4, 1.0185916e-3},
                        {100, 1e-3, 0, 1.0185916e-3, 0}, {10, 0, -1, 0, -0.2}, {10, 0, 0, 0, 0}};
  for (const Case& c : cases) {
    Lub l(13);
    l.exponential(0);
    const auto r = l.traction(c.u, c.s1, c.s2);
    EXPECT_TRUE(std::abs(r[0] - c.mu1) < 1e-10 && std::abs(r[1] - c.mu2) < 1e-10 && (r[3] == 350) == (!c.s1 && !c.s2)) << c.u;
  }
  Lub l(11), two(13);
  l.traction(10, 0, 0);  // Runge-Kutta constants set at the first call
  for (double k : {1.001, 2.0, 1e6})
    EXPECT_EQ(zeld6::shearthinningfactor(*l.m, k * l.t.slamda(40) * 8e6), 0.01);
  const double phi = zeld6::shearthinningfactor(*two.m, 2000), l1 = phi / 11, l2 = phi / 2540;
  EXPECT_NEAR(phi, std::pow(1 + l1 * l1, two.t.cexp) * std::pow(1 + l2 * l2, two.t.cexp1), 1e-4);
  // At 4.92 MPa the root (0.50499) is within the 1e-4 of g of the first midpoint (1 + 0.01) / 2.
  EXPECT_EQ(zeld6::shearthinningfactor(*two.m, 4.92e6), 0.505);
  EXPECT_EQ(zeld6::growthfactor(*l.m, 0) + zeld6::growthfactor(*l.m, 1e-10), 4);
  EXPECT_DOUBLE_EQ(zeld6::growthfactor(*l.m, 8e-4) + zeld6::reducedstep(*l.m, 0.01, 8e-4), 0.404);
  EXPECT_EQ(zeld6::reducedstep(*l.m, 2e-4, 0.1), 1e-4);
}

// Visco-elastic, eta 8 Pa s, b 0.1 mm: De = u/(1 m/s), S = 80 s/u. Small stress (S De 0.003):
// Sigma = S De (1 - exp(-(x + 1)/De)), mean S De (1 - De (1 - exp(-2/De))/2), mu 3.247490e-6
// (De 0.3), 1.031804e-6 (De 3), to 1.5 %. Slip S 1e4: tau_c asinh(De S), 1.2609512e-2.
TEST(ViscoElasticFilm, LinearAndSteadyEyringLimits) {
  struct Case { double u, s1, s2, mu1, mu2, tol; };
  const Case cases[] = {{0.3, -3.75e-5, 0, -3.247490e-6, 0, 3e-8}, {1, 0, 0, 0, 0, 0},
                        {3, 2.25e-5, 3e-5, 6.190824e-7, 8.254432e-7, 1e-8},
                        {1, 75, 100, 7.565708e-3, 1.0087610e-2, 2e-5}};
  for (const Case& c : cases) {
    const auto r = Lub(9, 8, 0, true).traction(c.u, c.s1, c.s2);
    EXPECT_TRUE(std::abs(r[0] - c.mu1) <= c.tol && std::abs(r[1] - c.mu2) <= c.tol && r[2] + r[3] == 351) << c.s1;
    EXPECT_NEAR(c.s2 ? r[0] / r[1] : 0, c.s2 ? c.s1 / c.s2 : 0, 1e-12);  // along the slip, held to the outlet
  }
}

// Growth cut to 0.9: x = -1 + 0.05 (1 - 0.9^1000), step 0.005 0.9^1000 at Newtonian step 1001
// (Br 0.02: theta 1.000975, f 0.019); visco-elastic x = -1 + 0.01 (1 - 0.9^1000). Tolerance -1
// (error #): five 1e-4 steps (theta 1.00001, f 0.01999); NaN slip: cut 4 times to dmin. Two-term
// thinning at 1e12 Pa: g(1) = 9.99999E-01, g(0.01) = 9.81803E-03; a NaN stress never converges.
// Checked builds refuse calls outside the contract.
TEST(RheologicalTraction, StopBlocksAndRefusedCalls) {
  const std::string nt = "\n     Execution terminating in NewtonianShear due to ";
  const std::string ve = "     Execution terminating in -Zeld6-\n\n";
  const std::string vals = "     viscosity,shearModulus,critShear,dbNum =   8.0000E+00  8.0000E+04"
                           "  1.0000E+06  1.0000E+00     slipY = ";
  const std::string st = "\n     Execution terminating in Zeld6 (ShearThinningFactor)\n     "
                         "Bisection ";
  Lub n(13), tr(13), v(9, 8, 0, true), vnan(9, 8, 0, true), bounds(13), count(13);
  for (Lub* l : {&n, &tr, &v}) l->exponential(0), l->traction(1, 0, 0);  // first calls
  n.m->zeld6.dm = 0.9, v.m->zeld6.dm = 0.9, tr.m->zeld6.tol = -1;
  const double s = std::sqrt(0.02 * 2.268);
  EXPECT_EQ(n.stop([&] { n.traction(10, s, 0); }),
            nt + "step count:\n     Step number and size           =         1001   8.7394E-49\n"
                 "     Solution vector                =  -9.5000E-01   1.0010E+00\n"
                 "     Derivative vector              =   1.0000E+00   1.9000E-02\n\n");
  const std::string text = tr.stop([&] { tr.traction(10, s, 0); }), want = nt + "truncation "
      "check:\n     Step Number                    =            5\n     Step size and truncation "
      "error =   1.0000E-04#############\n     Solution vector                =  -9.9950E-01   "
      "1.0000E+00\n     Derivative vector              =   1.0000E+00   1.9990E-02\n\n";
  ASSERT_EQ(text.size(), want.size()) << text;
  for (std::size_t i = 0; i < text.size(); ++i) EXPECT_TRUE(want[i] == '#' || want[i] == text[i]);
  EXPECT_EQ(v.stop([&] { v.traction(1, 1.25e-5, 0); }),
            "\n\n" + ve + "     Excessive integration steps while computing Traction Integral\n" +
                vals + "  1.0000E-03\n\n     x,y = -9.9000E-01  9.9502E-06  0.0000E+00  1.0000E+00"
                "  9.9005E-04  0.0000E+00\n\n     Check lubricant properties.\n\n\n\n");
  EXPECT_EQ(vnan.stop([&] { vnan.traction(1, NAN, 0); }),
            ve + "     Truncation limit encountered in Traction Integral computation\n" + vals +
                "         NaN\n\n     x,y = -9.9999E-01         NaN         NaN  1.0000E+00     "
                "    NaN         NaN\n\n     Step Size, Truncation Error =   1.0000E-05         NaN"
                "\n\n\n\n\n");
  EXPECT_EQ(bounds.stop([&] { zeld6::shearthinningfactor(*bounds.m, 1e12); }),
            st + "bounds invalid.\n     Bounding solutions and function values are -\n"
                 "       1.00000E+00  1.00000E-02  9.99999E-01  9.81803E-03\n");
  EXPECT_EQ(count.stop([&] { zeld6::shearthinningfactor(*count.m, NAN); }),
            st + "iteration count encountered. Last solution and function values are -\n"
                 "       5.05000E-01          NaN\n\n\n");
  double a, b, c, d, e;
  if (!ZQS_CHECKED) return;
  EXPECT_THROW(zeld5::zeld5(*n.m, 1e9, 1e-4, 350, 10, 0, 1, a, b, c, 0), std::invalid_argument);
  EXPECT_THROW(zeld6::zeld6(*n.m, 1, 1, 1, 0, 1, 1, 0, a, b, c, d, e), std::invalid_argument);
  EXPECT_THROW(zeld8::zeld8(*n.m, 1, 1, 1, 1, 0, 350, 10, 0, a, b), std::invalid_argument);
}
