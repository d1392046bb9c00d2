// Test support: bearing models of the shipped examples built directly in the user's units,
// with the internal geometry, nominal mass, materials and life constants that the defaults
// derive; the examples run through the input stage and the set-up in a scratch directory; and
// probes telling whether the Hertz factors and the raceway profile radius are built.
#include "support/bearings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "run/stop.h"
#include "run/zela1.h"
#include "run/zela2.h"
#include "run/zela9.h"
#include "support/rundir.h"

namespace zqtest {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kFlat = 1.0e10;

// Constants the start of the input stage sets.
void startConstants(Model& m) { zela1::startconstants(m); }

// AISI 52100 elements and races, AISI 4340 housing and shaft (SI values of the database near
// room temperature), converted to the English unit system when kunit = 2.
void materials(Model& m) {
  const bool si = m.options.kunit == 1;
  const double pres = si ? 1.0 : (1.0 / 4.448222) / std::pow(1.0 / 0.0254, 2);
  const double den = si ? 1.0 : (1.0 / 0.4535924) / std::pow(1.0 / 0.0254, 3);
  const double cte = si ? 1.0 : 1.0 / 1.8;
  auto& p = m.matprop;
  p.reem = 2.0133e11 * pres;
  p.repr = 0.277;
  p.reden = 7827.0 * den;
  p.recte = 11.5e-6 * cte;
  p.reesl = 0.007;
  p.reh = 62.0;
  p.rewc = 5.0e-6;
  p.revm = 6.84e8 * pres;
  p.resl = std::sqrt(2.0) * p.revm / 3.0;
  for (int j = 1; j <= 2; ++j) {
    p.raceem(j) = p.reem;
    p.racepr(j) = p.repr;
    p.raceden(j) = p.reden;
    p.racecte(j) = p.recte;
    p.raceesl(j) = p.reesl;
    p.raceh(j) = p.reh;
    p.racewc(j) = p.rewc;
    p.racevm(j) = p.revm;
    p.racesl(j) = p.resl;
  }
  p.hsngem = p.shftem = 2.05e11 * pres;
  p.hsngpr = p.shftpr = 0.29;
  p.hsngden = p.shftden = 7850.0 * den;
  p.hsngcte = p.shftcte = 12.7e-6 * cte;
  p.facstrlimit = 1.0;
}

// Life-model constants of the defaults (c = 31/3, h = 7/3, e = 10/9).
void lifeConstants(Model& m) {
  auto& f = m.fatiguecons;
  const double c = 31.0 / 3.0, h = 7.0 / 3.0, e = 10.0 / 9.0;
  const bool line = m.brggeom.kbrg == 2 || m.brggeom.kbrg == 4;
  f.em0 = 2.0 * 0.923271 / m.matprop.reem;
  f.baseep = 1.0 / f.em0;
  f.wbs = e;
  f.el = line ? 50.0 / 27.0 : 1.8;
  for (int k = 1; k <= 4; ++k) {
    f.wbdis(k) = e;
    f.qexp(k) = line ? 4.0 : 3.0;
    f.ellp(k) = f.elih(k) = (2.0 * c - h + 1.0) / (c + 2.0 - h);
    f.elvk(k) = (2.0 * e * c + 1.0) / (2.0 + e * c);
    f.pexplp(k) = (c + 2.0 - h) / e;
    f.pexpvk(k) = (2.0 + e * c) / e;
    f.qexplp(k) = f.pexplp(k) / 3.0;
    f.qexpvk(k) = f.pexpvk(k) / 3.0;
    f.fcon(k) = line ? 198063000.0 : 24640060.0;
    f.fconlp(k) = 1459874300.0;
    f.fconvk(k) = 642294280.0;
    f.fconih(k) = 1552427600.0;
  }
  f.ellpre = f.ellp(1);
  f.elvkre = f.elvk(1);
  f.fconlpre = 1459874300.0;
  f.fconvkre = 642294280.0;
  f.fconihre = 1552427600.0;
}

// Temperatures, fits, speeds, loads and lubrication of the examples (SI values).
void operating(Model& m, double axial, double radialz, double rpm2) {
  auto& o = m.opcond;
  o.roomtemp = 293.0;
  o.hsngtemp = 325.0;
  o.shfttemp = 330.0;
  o.racetemp(1) = 325.0;
  o.racetemp(2) = 330.0;
  o.retemp(1) = 328.0;
  o.racefit(1) = 0.0;
  o.racefit(2) = 1.5e-5;
  o.appload(1) = axial;
  o.appload(3) = radialz;
  o.rpm(2) = rpm2;
  o.pctdisp(1) = 1.0;
  auto& t = m.tracprop;
  t.ktrac = 1;
  t.ktractype = 1;
  for (int j = 1; j <= 2; ++j) {
    t.reracecoeff(1, j) = 0.02;
    t.reracecoeff(2, j) = 0.5;
    t.reracecoeff(3, j) = 4.0;
    t.reracecoeff(4, j) = 0.05;
    t.reracecoeff(5, j) = -1.0;
  }
  for (int j = 1; j <= 2; ++j) m.fatiguecons.rmsaspht(j) = 1.0e-7;
}

// Nominal element mass: ball (pi/6) rho D^3, roller (pi/4) rho D^2 L (only the mass scale
// depends on it); the same for every element.
void mass(Model& m) {
  auto& g = m.brggeom;
  const double rho = m.matprop.reden;
  const double d = g.bredia;
  g.bremass = g.kbrg == 1 ? kPi / 6.0 * rho * d * d * d : kPi / 4.0 * rho * d * d * g.brelen;
  for (int i = 1; i <= 40; ++i) g.remass(i) = g.bremass;
}

// Record reading leaves flat ends, straight races and the land limits as central lengths.
void readPresets(Model& m) {
  auto& g = m.brggeom;
  for (int j = 1; j <= 2; ++j) {
    g.racecurrad(j) = kFlat;
    g.breendrad(j) = kFlat;
    g.racecrn(j) = kFlat;
  }
}

}  // namespace

void internalGeometry(Model& m) {
  auto& g = m.brggeom;
  const double cang = m.constants.cang;
  const double d = g.bredia;
  g.racerad(1, 1) = g.brgod / 2.0;
  g.racerad(2, 2) = g.brgbore / 2.0;
  g.racecurcen.fill(0.0);
  switch (g.kbrg) {
    case 1: {
      for (int j = 1; j <= 2; ++j) {
        const double s = g.shimthkns(j) / (d * (2.0 * g.racecurfac(j) - 1.0));
        g.shimang(j) = std::asin(s);
        g.cosshimang(j) = std::cos(g.shimang(j));
      }
      const double a = (g.racecurfac(1) + g.racecurfac(2) - 1.0) * d;
      const double b = d * (g.cosshimang(1) * (g.racecurfac(1) - 0.5) +
                            g.cosshimang(2) * (g.racecurfac(2) - 0.5));
      double ca;
      if (g.freeconang <= 0.0) {
        ca = (b - g.freeintcls / 2.0) / a;
        g.freeconang = std::atan(std::sqrt(1.0 - ca * ca) / ca) * cang;
      } else {
        ca = std::cos(g.freeconang / cang);
        g.freeintcls = 2.0 * (b - a * ca);
      }
      g.brecrn = d / 2.0;
      g.racecurrad(1) = g.racecurfac(1) * d;
      g.racecurrad(2) = g.racecurfac(2) * d;
      g.racecurcen(1, 1) = -g.shimthkns(1) / 2.0;
      g.racecurcen(1, 2) = g.shimthkns(2) / 2.0;
      g.racecurcen(2, 1) = g.pitchdia / 2.0 - (g.racecurrad(1) - d / 2.0) * ca;
      g.racecurcen(2, 2) = g.pitchdia / 2.0 + (g.racecurrad(2) - d / 2.0) * ca;
      g.racerad(2, 1) = g.racecurrad(1) + g.racecurcen(2, 1);
      g.racerad(1, 2) = g.racecurcen(2, 2) - g.racecurrad(2);
      break;
    }
    case 2:
      g.racerad(2, 1) = (d + g.freeintcls / 2.0 + g.pitchdia) / 2.0;
      g.racerad(1, 2) = (g.pitchdia - g.freeintcls / 2.0 - d) / 2.0;
      break;
    case 3: {
      // Diametral clearance c: the sphere centres lie e apart on the contact line, where a
      // radial travel c/2 of the inner race brings them Ro + Ri - D apart.
      const double ca = std::cos(g.freeconang / cang), sa = std::sin(g.freeconang / cang);
      for (int j = 1; j <= 2; ++j) g.racecurrad(j) = 2.0 * g.brecrn * g.racecurfac(j);
      const double dc = g.racecurrad(1) + g.racecurrad(2) - d, h = g.freeintcls / 2.0;
      const double gap = dc - (std::sqrt(dc * dc - h * h * sa * sa) - h * ca);
      g.pitchdia = ((2.0 * g.racecurrad(1) - d) - gap) * ca;
      g.racerad(2, 1) = (g.pitchdia + (d + gap) * ca) / 2.0;
      g.racerad(1, 2) = (g.pitchdia - (d + gap) * ca) / 2.0;
      g.racecurcen(1, 2) = ((g.racecurrad(1) - d - gap) + g.racecurrad(2)) * sa;
      g.racecurcen(2, 2) = g.racerad(1, 2) + g.racecurrad(2) * ca;
      break;
    }
    default: {
      if (g.kbrg == 5)
        for (int j = 1; j <= 2; ++j) g.racecurrad(j) = 2.0 * g.brecrn * g.racecurfac(j);
      const double b = (g.racetaper(1) - g.racetaper(2)) / 2.0 / cang;
      const double t = std::tan(b);
      const double len = g.brelen;
      const double l0 = (d / 2.0) / t - len / 2.0 + (t / 4.0) * ((d - 2.0 * t * len) + d);
      g.pitchdia = 2.0 * l0 * std::sin((g.racetaper(1) + g.racetaper(2)) / 2.0 / cang);
      const double lc = l0 * std::cos(b);
      g.racerad(2, 1) = std::sin(g.racetaper(1) / cang) * lc;
      g.racerad(1, 2) = std::sin(g.racetaper(2) / cang) * lc;
      if (g.kbrg == 5) {
        // Each race circle touches the crown crest over its raceway point of axial 0: the
        // crest stands the crown's rise over the half generatrix L' = (L/2)/cos b (two-term
        // sagitta series) out of the cone along the raceway normal n = (sin a, cos a); the
        // circle's centre lies racecurrad back from the crest (cup inward, cone outward).
        const double r = g.brecrn, lp = (len / 2.0) / std::cos(b);
        const double rise = lp * lp / (2.0 * r) + std::pow(lp, 4) / (8.0 * std::pow(r, 3));
        const double a1 = g.racetaper(1) / cang, a2 = g.racetaper(2) / cang;
        const double crest1[2] = {rise * std::sin(a1), g.racerad(2, 1) + rise * std::cos(a1)};
        const double crest2[2] = {-rise * std::sin(a2), g.racerad(1, 2) - rise * std::cos(a2)};
        g.racecurcen(1, 1) = crest1[0] - g.racecurrad(1) * std::sin(a1);
        g.racecurcen(2, 1) = crest1[1] - g.racecurrad(1) * std::cos(a1);
        g.racecurcen(1, 2) = crest2[0] + g.racecurrad(2) * std::sin(a2);
        g.racecurcen(2, 2) = crest2[1] + g.racecurrad(2) * std::cos(a2);
      }
      break;
    }
  }
}

std::unique_ptr<TestBearing> makeBearing(BearingCase which) {
  auto b = std::make_unique<TestBearing>();
  Model& m = b->m();
  m.devices.report.attach(b->report);
  startConstants(m);
  auto& g = m.brggeom;
  auto& o = m.options;
  o.kunit = which == BearingCase::kBallEnglish ? 2 : 1;
  readPresets(m);
  o.kfs = {0, 1, 0, 1, 1};
  g.brgbore = 0.040;
  g.brgod = 0.080;
  g.shftid = 0.0;
  g.hsngod = 0.120;
  g.racewidth(1) = g.racewidth(2) = 0.018;
  switch (which) {
    case BearingCase::kBallSi:
    case BearingCase::kBallEnglish:
      g.kbrg = 1;
      g.nre = 9;
      g.bredia = 0.0127;
      g.pitchdia = 0.060;
      g.freeintcls = 2.0e-5;
      g.racecurfac(1) = 0.53;
      g.racecurfac(2) = 0.52;
      g.shoulderdia(1) = 0.0685;
      g.shoulderdia(2) = 0.0518;
      operating(m, 500.0, 3000.0, 3000.0);
      break;
    case BearingCase::kCylindricalSi:
      g.kbrg = 2;
      g.nre = 14;
      o.kfs = {1, 1, 0, 1, 1};
      g.bredia = 0.011;
      g.brecrn = 0.2;
      g.brelen = 0.012;
      g.brecenlen = 0.008;
      g.brecorrad(1) = g.brecorrad(2) = 0.0006;
      g.pitchdia = 0.0605;
      g.freeintcls = 3.0e-5;
      g.racelandlmt(1) = g.racecenlen(1) = 0.00605;
      g.racelandlmt(2) = g.racecenlen(2) = 0.009;
      g.kflngind(1, 1) = g.kflngind(2, 1) = 1;
      g.flngang(1, 1) = g.flngang(2, 1) = 0.5;
      g.flnght(1, 1) = g.flnght(2, 1) = 0.0025;
      g.flngcls(1) = 1.0e-4;
      operating(m, 0.0, 5000.0, 3000.0);
      m.tracprop.krftractype = 2;
      break;
    case BearingCase::kSphericalSi:
      g.kbrg = 3;
      g.nre = 15;
      g.racewidth(1) = g.racewidth(2) = 0.023;
      g.bredia = 0.0095;
      g.brecrn = 0.0342;
      g.brelen = 0.010;
      g.brecorrad(1) = g.brecorrad(2) = 0.0005;
      g.freeintcls = 3.5e-5;
      g.racecurfac(1) = 0.515;
      g.racecurfac(2) = 0.51;
      g.freeconang = 10.0;
      operating(m, 700.0, 4000.0, 2000.0);
      break;
    case BearingCase::kTaperedSi:
    case BearingCase::kSphericalTaperedSi:
      g.nre = 16;
      g.racewidth(1) = 0.016;
      g.bredia = 0.0106;
      g.brelen = 0.015;
      g.breendrad(1) = 0.13;
      g.racetaper(1) = 14.0;
      g.racetaper(2) = 10.0;
      g.kflngind(1, 2) = 1;
      g.flngang(1, 2) = -0.5;
      g.flnght(1, 2) = 0.003;
      operating(m, 2500.0, 4000.0, 2500.0);
      m.tracprop.krftractype = 2;
      if (which == BearingCase::kTaperedSi) {
        g.kbrg = 4;
        g.brecrn = 0.3;
        g.brecenlen = 0.010;
        g.brecorrad(1) = 0.0008;
        g.brecorrad(2) = 0.0006;
        g.racelandlmt(1) = g.racecenlen(1) = 0.010;
        g.racelandlmt(2) = g.racecenlen(2) = 0.010;
      } else {
        g.kbrg = 5;
        g.brecrn = 0.08;
        g.racecurfac(1) = 0.52;
        g.racecurfac(2) = 0.51;
      }
      break;
  }
  for (int j = 1; j <= 2; ++j)
    g.kflngindr(j) = (g.kflngind(1, j) != 0 || g.kflngind(2, j) != 0) ? 1 : 0;
  g.kflnginds = (g.kflngindr(1) != 0 || g.kflngindr(2) != 0) ? 1 : 0;

  if (o.kunit == 2) {
    // English input: lengths in inches, forces in lbf, temperatures in R.
    const double in = 1.0 / 0.0254, lbf = 1.0 / 4.448222;
    for (double* v : {&g.brgbore, &g.brgod, &g.hsngod, &g.bredia, &g.pitchdia, &g.freeintcls,
                      &g.racewidth(1), &g.racewidth(2), &g.shoulderdia(1), &g.shoulderdia(2),
                      &m.opcond.racefit(2), &m.fatiguecons.rmsaspht(1),
                      &m.fatiguecons.rmsaspht(2)})
      *v *= in;
    for (int k = 1; k <= 3; ++k) m.opcond.appload(k) *= lbf;
    auto& op = m.opcond;
    for (double* t : {&op.roomtemp, &op.hsngtemp, &op.shfttemp, &op.racetemp(1), &op.racetemp(2),
                      &op.retemp(1)})
      *t *= 1.8;
  }
  materials(m);
  lifeConstants(m);
  internalGeometry(m);
  mass(m);
  return b;
}

void scale(Model& m) {
  zela1::setunits(m);
  zela1::scalefactors(m);
}

std::unique_ptr<TestBearing> setUpBearing(BearingCase which,
                                          const std::function<void(Model&)>& edit) {
  auto b = makeBearing(which);
  if (edit) edit(b->m());
  scale(b->m());
  zela2::zela2(b->m());
  return b;
}

bool setUpStops(Model& m) {
  try {
    zela2::zela2(m);
    return false;
  } catch (const zq::StopRun& s) {
    EXPECT_EQ(s.status(), 1);
    return true;
  }
}

void noGrowth(Model& m) {
  auto& o = m.opcond;
  o.hsngtemp = o.shfttemp = o.racetemp(1) = o.racetemp(2) = o.retemp(1) = o.roomtemp;
  o.rpm(1) = o.rpm(2) = 0.0;
  o.racefit(1) = o.racefit(2) = 0.0;
}

void expectRotation(zq::Mat3In a, const std::string& what) {
  for (int r = 1; r <= 3; ++r)
    for (int q = 1; q <= 3; ++q) {
      double dot = 0.0;
      for (int n = 1; n <= 3; ++n) dot += a(r, n) * a(q, n);
      EXPECT_NEAR(dot, r == q ? 1.0 : 0.0, 1e-14) << what << " rows " << r << "," << q;
    }
  const double det = a(1, 1) * (a(2, 2) * a(3, 3) - a(2, 3) * a(3, 2)) -
                     a(1, 2) * (a(2, 1) * a(3, 3) - a(2, 3) * a(3, 1)) +
                     a(1, 3) * (a(2, 1) * a(3, 2) - a(2, 2) * a(3, 1));
  EXPECT_NEAR(det, 1.0, 1e-14) << what;
}

std::unique_ptr<ExampleRun> setUpExample(const std::string& file,
                                         std::string (*edit)(const std::string&),
                                         void (*change)(Model&)) {
  const std::string text = readSource("examples/" + file);
  if (text.empty()) return nullptr;
  ScratchDir dir;
  dir.write("DATA.txt", edit ? edit(text) : text);
  auto run = std::make_unique<ExampleRun>();
  run->model = std::make_unique<Model>();
  Model& m = *run->model;
  m.devices.dir = dir.path().string();
  try {
    zela1::zela1(m);
    if (m.errors.ierind != 0) zela9::zela9(m);
    if (change) change(m);
    zela2::zela2(m);
  } catch (const zq::StopRun&) {
    run->stopped = true;
  }
  m.devices.report.close();
  run->report = dir.read("PRINT.txt");
  return run;
}

std::string replaceRecordValues(const std::string& text, const std::string& label,
                                const std::vector<std::string>& values) {
  std::istringstream in(text);
  std::string out, line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string first;
    words >> first;
    if (first == label) {
      std::string rebuilt = first;
      std::string w;
      std::size_t k = 0;
      while (words >> w) rebuilt += " " + (k < values.size() ? values[k++] : w);
      line = rebuilt;
    }
    out += line + "\n";
  }
  return out;
}

}  // namespace zqtest
