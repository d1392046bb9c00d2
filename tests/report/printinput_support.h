// Test support for the input-data section: bearing models built by hand (SI or English),
// with the life-model defaults of 52100 steel (shear exponent c = 31/3, depth exponent
// h = 7/3, Weibull slope e = 10/9), material data and unit labels set, and a capture of what
// printinput writes, split into lines. The values are chosen so that their E12.5, E13.4 and
// E13.5 forms can be written down by hand; the tests quote them literally.
#pragma once

#include <cmath>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/model.h"
#include "run/stop.h"
#include "run/zela1.h"

namespace zqtest {

struct PrintCapture {
  std::ostringstream os;  // declared first: outlives the report that writes to it
  std::unique_ptr<Model> m = std::make_unique<Model>();
  PrintCapture() { m->devices.report.attach(os); }
  std::string text() const { return os.str(); }
  std::vector<std::string> lines() const {
    std::vector<std::string> v;
    std::string cur;
    for (char c : os.str()) {
      if (c == '\n') {
        v.push_back(cur);
        cur.clear();
      } else {
        cur += c;
      }
    }
    if (!cur.empty()) v.push_back(cur);
    return v;
  }
  // Index of the first line equal to `line` (from line `from` on), or -1.
  int find(const std::string& line, int from = 0) const {
    const auto v = lines();
    for (int k = from; k < int(v.size()); ++k)
      if (v[std::size_t(k)] == line) return k;
    return -1;
  }
  // Index of the first line that begins with `prefix` (from line `from` on), or -1.
  int findPrefix(const std::string& prefix, int from = 0) const {
    const auto v = lines();
    for (int k = from; k < int(v.size()); ++k)
      if (v[std::size_t(k)].rfind(prefix, 0) == 0) return k;
    return -1;
  }
  // Line k (0-based), or a marker text when there is none.
  std::string line(int k) const {
    const auto v = lines();
    if (k < 0 || k >= int(v.size())) return "<no line " + std::to_string(k) + ">";
    return v[std::size_t(k)];
  }
};

// n blanks.
inline std::string sp(int n) { return std::string(std::size_t(n), ' '); }

// Runs printinput; returns the stop's routine name, or "" when it returned normally.
inline std::string runPrintInput(PrintCapture& c) {
  try {
    zela1::printinput(*c.m);
  } catch (const zq::StopRun& s) {
    EXPECT_EQ(s.status(), zq::kExitStopped);
    return s.where();
  }
  return "";
}

// Expects `expected` as consecutive lines of the output, placed by its first line that holds
// more than one character (empty and form-feed lines are not unique).
inline void expectBlock(const PrintCapture& c, const std::vector<std::string>& expected) {
  std::size_t anchor = 0;
  while (anchor < expected.size() && expected[anchor].size() < 2) ++anchor;
  ASSERT_LT(anchor, expected.size());
  const int k0 = c.find(expected[anchor]) - int(anchor);
  ASSERT_GE(k0, 0) << "line not found: [" << expected[anchor] << "]";
  for (std::size_t k = 0; k < expected.size(); ++k)
    EXPECT_EQ(c.line(k0 + int(k)), expected[k]) << "line " << k << " of the block";
}

// The text ends with `tail`.
inline void expectTail(const PrintCapture& c, const std::string& tail) {
  const std::string text = c.text();
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

// The lubricant and model block, from the model-code line to "References", of a lubricant with
// the exponential viscosity law, fitted traction coefficients and no shear thinning: values as
// their E12.5 texts (without the leading blank), each unit label one blank behind its value.
struct LubricantBlock {
  int code;
  std::string name, temp, den, sph, tc, vis, alpha, beta, tvis, talpha, reftvis, tbeta;
};
inline std::vector<std::string> lubricantLines(const LubricantBlock& b, bool si) {
  const std::string t = si ? " (K) " : " (R) ";
  const std::string vis = si ? " (Pa.s)  " : " (psi.s) ";
  const std::string pres = si ? " (1/Pa)  " : " (1/psi) ";
  return {
      "     RE/RACE ELASTOHYDRODYNAMIC MODEL CODE:" + std::string(b.code < 10 ? "  " : " ") +
          std::to_string(b.code),
      "",
      "     Lubricant Name" + sp(13) + b.name + sp(50 - int(b.name.size())),
      "     Current Temperature        " + b.temp + t,
      "     Density                    " + b.den + (si ? " (kg/m**3)   " : " (lbm/in**3) "),
      "     Specific Heat              " + b.sph + (si ? " (J/kg/K)      " : " (lbf.in/lbm/R)"),
      "     Thermal Conductivity       " + b.tc + (si ? " (W/m/K)         " : " (lbf.in/in/R/s) "),
      "",
      "     Viscosity Model Code:      0",
      "     Viscosity Model Name:      Exp variation with pressure & inverse temperature ",
      "     Current Viscosity          " + b.vis + vis + sp(8) + "Eff Pres-Viscosity Coeff   " +
          b.alpha + pres,
      "     Eff Temp-Viscosity Coeff   " + b.beta + t,
      "",
      "     Traction Model Code:       1",
      "     Traction Model Name:       Rheological coefficients fitted to traction data  ",
      "     Current tracViscosity      " + b.tvis + vis + sp(8) + "tracPres-Viscosity Coeff   " +
          b.talpha + pres,
      "     Reference tracViscosity    " + b.reftvis + vis + sp(8) +
          "tracTemp-Viscosity Coeff   " + b.tbeta + (si ? " (1/K) " : " (1/R) "),
      "",
      "     Shear-Thinning Model Code: 0",
      "     Shear-Thinning Model Name: No shear thinning" + sp(33),
      "",
      "     References"};
}

// Life-model constants of 52100 steel for point contacts, as the defaults leave them.
inline void lifeDefaults(Model& m) {
  auto& f = m.fatiguecons;
  const double c = 31.0 / 3.0, h = 7.0 / 3.0, e = 10.0 / 9.0;
  f.sprob = 0.9;
  f.reliabindex = 1.0;
  f.brgwbdis = e;
  f.kmodeltype(1) = 0;
  f.kmodeltype(2) = 0;
  f.el = 1.8;
  for (int j = 1; j <= 4; ++j) {
    f.shearexplp(j) = c;
    f.shearexpvk(j) = c;
    f.shearexpih(j) = c;
    f.depthexplp(j) = h;
    f.depthexpih(j) = h;
    f.qexp(j) = 3.0;
    f.wbdis(j) = e;
    f.er(j) = 1.0;
    f.fco(j) = 1.0;
    f.fclp(j) = 1.0;
    f.fcvk(j) = 1.0;
    f.fcih(j) = 1.0;
    f.fcon(j) = 24640060.0;
    f.fconlp(j) = 1459874300.0;
    f.fconvk(j) = 642294280.0;
    f.fconih(j) = 1552427600.0;
    f.pexplp(j) = (c + 2.0 - h) / e;
    f.pexpih(j) = (c + 2.0 - h) / e;
    f.pexpvk(j) = (2.0 + e * c) / e;
    f.ellp(j) = (2.0 * c - h + 1.0) / (c + 2.0 - h);
    f.elih(j) = f.ellp(j);
    f.elvk(j) = (2.0 * e * c + 1.0) / (2.0 + e * c);
    f.asptrac(j) = 0.1;
    f.shearlmt(j) = 0.0;
  }
  f.shearexplpre = c;
  f.shearexpvkre = c;
  f.shearexpihre = c;
  f.depthexplpre = h;
  f.depthexpihre = h;
  f.wbdisre = e;
  f.fclpre = f.fcvkre = f.fcihre = 1.0;
  f.fconlpre = 1459874300.0;
  f.fconvkre = 642294280.0;
  f.fconihre = 1552427600.0;
  f.pexplpre = f.pexpihre = (c + 2.0 - h) / e;
  f.pexpvkre = (2.0 + e * c) / e;
  f.ellpre = f.elihre = f.ellp(1);
  f.elvkre = f.elvk(1);
  // STLE and Tallian factors: races 52100 with carbon vacuum degassing, element 52100
  // with vacuum induction melt and vacuum arc remelt; hardness 62 HRC.
  for (int j = 1; j <= 2; ++j) {
    m.options.klifemod(j) = 1;
    m.options.kproc(j) = 2;
    f.facmatlf(j) = 3.0;
    f.facproclf(j) = 1.5;
    f.hardnesslf(j) = std::exp(0.2);
    f.matnamelf(j) = "  AISI 52100";
    f.procnamelf(j) = "CVD -Carbon Vacuum Degassing";
    f.facmat(j) = 1.197;
    f.facproc(j) = 0.077;
    f.faccont(j) = 1.0;
    f.matname(j) = "  AISI 52100";
    f.procname(j) = "CVD -Carbon Vacuum Deoxidation";
  }
  m.options.klifemodre = 1;
  m.options.kprocre = 7;
  f.facmatlfre = 3.0;
  f.facproclfre = 6.0;
  f.hardnesslfre = std::exp(0.2);
  f.matnamelfre = "  AISI 52100";
  f.procnamelfre = "VIMVAR -Vacuum Induction Melt, Vacuum Arc Remelt";
  f.facmatre = 1.197;
  f.facprocre = 0.003;
  f.faccontre = 0.1;
  f.matnamere = "  AISI 52100";
  f.procnamere = "VIMVAR -Vacuum Induction Melt, Vacuum Arc Remelt";
}

// Fills a model with a bearing of type kbrg (any value; outside 1 to 5 the geometry is that of
// a ball bearing) in SI (kunit 1) or English (kunit 2) units: ktrac = -1 (no lubricant),
// traction-curve type 0, no flanges, no variations, 52100 steel elements and races, 4340
// steel shaft and housing from the database (blank markers).
inline void buildBearing(Model& m, int kbrg, int kunit) {
  m.constants.cang = 180.0 / std::numbers::pi;
  m.options.kunit = kunit;
  auto& g = m.brggeom;
  g.kbrg = kbrg;
  g.runid = "Test bearing no. 1";
  g.nre = 12;
  g.brgbore = 0.03;
  g.brgod = 0.1;
  g.hsngod = 0.15;
  g.racewidth(1) = 0.02;
  g.racewidth(2) = 0.021;
  g.bredia = 0.0125;
  g.pitchdia = 0.065;
  g.freeintcls = 2.0e-5;
  auto& fc = m.fatiguecons;
  fc.rmsaspht(1) = 1.0e-7;
  fc.rmsaspht(2) = 2.0e-7;
  fc.rmsaspslope(1) = 0.015;
  fc.rmsaspslope(2) = 0.025;
  fc.resstress(2) = -5.0e7;
  m.opcond.racefit(1) = -1.0e-5;
  m.opcond.racefit(2) = 2.0e-5;
  if (kbrg >= 2 && kbrg <= 5) {  // rollers: crowned (spherical) or with lands; 4, 5 tapered
    const bool spherical = kbrg == 3 || kbrg == 5;
    g.brecrn = spherical ? 0.045 : 1.0e10;
    g.brelen = 0.013;
    g.brecenlen = kbrg == 2 ? 0.011 : 0.0;
    g.brecorrad(1) = 5.0e-4;
    g.brecorrad(2) = 6.0e-4;
    if (spherical) {
      g.racecurfac(1) = 0.5;
      g.racecurfac(2) = 0.49;
    } else {
      g.racelandlmt(1) = g.racecenlen(1) = 0.014;
      g.racelandlmt(2) = g.racecenlen(2) = 0.015;
      g.racecurrad(1) = 1.0e10;
      g.racecurrad(2) = 2.5;
    }
    if (kbrg >= 4) {
      g.breendrad(1) = 0.08;
      g.breendrad(2) = 1.0e10;
      g.racetaper(1) = 15.0;
      g.racetaper(2) = 10.0;
    }
    if (kbrg == 3) {
      g.freeconang = 12.0;
      g.freeendplay = 3.0e-4;
      m.zela1.conangnoload = 12.5;
    }
  } else {  // ball
    g.racecurfac(1) = 0.52;
    g.racecurfac(2) = 0.51;
    g.freeconang = 15.0;
    g.shoulderdia(1) = 0.09;
    g.shoulderdia(2) = 0.04;
    g.shimang(1) = 0.5;  // radians: 28.6479 degrees
    g.freeendplay = 1.0e-3;
    g.brecrn = 0.00625;
  }
  g.bremass = 7.99e-3;
  g.bremi(1) = g.bremi(2) = g.bremi(3) = 1.25e-7;

  auto& oc = m.opcond;
  oc.roomtemp = 300.0;
  oc.hsngtemp = 310.0;
  oc.shfttemp = 320.0;
  oc.racetemp(1) = 330.0;
  oc.racetemp(2) = 340.0;
  oc.retemp(1) = 350.0;
  oc.rpm(2) = 10000.0;
  oc.appmis(1, 2) = 1.0e-4;
  oc.appmis(2, 2) = -2.0e-4;
  oc.appload(1) = 1000.0;
  oc.appload(3) = 5000.0;
  oc.appdisp(3) = 1.0e-5;
  oc.appmoment(2) = 12.5;
  oc.angvelorient = 180.0;
  for (int k = 1; k <= 5; ++k) m.options.kfs(k) = k == 3 ? 0 : 1;
  m.setupa4.kangvel = kbrg == 1 ? 0 : 1;

  auto& p = m.matprop;
  p.remat = "AISI 52100 Steel";
  p.racemat(1) = "AISI 52100 Steel";
  p.racemat(2) = "AISI 52100 Steel";
  p.shftmat = "AISI 4340 Steel";
  p.hsngmat = "AISI 4340 Steel";
  p.reden = p.raceden(1) = p.raceden(2) = 7827.0;
  p.shftden = p.hsngden = 7850.0;
  p.reem = p.raceem(1) = p.raceem(2) = 2.0133e11;
  p.shftem = p.hsngem = 2.05e11;
  p.repr = p.racepr(1) = p.racepr(2) = 0.277;
  p.shftpr = p.hsngpr = 0.29;
  p.recte = p.racecte(1) = p.racecte(2) = 1.15e-5;
  p.shftcte = p.hsngcte = 1.27e-5;
  p.reh = p.raceh(1) = p.raceh(2) = 62.0;
  p.rewc = p.racewc(1) = p.racewc(2) = 5.0e-6;
  p.revm = p.racevm(1) = p.racevm(2) = 6.84e8;
  p.resl = p.racesl(1) = p.racesl(2) = std::sqrt(2.0) * 6.84e8 / 3.0;
  p.facstrlimit = 1.0;

  auto& tp = m.tracprop;
  tp.ktrac = -1;
  tp.ktractype = 0;
  tp.krftractype = 0;

  lifeDefaults(m);
  if (kunit == 2) m.zela1.basemodulus = 2.0133e11 * (1.0 / 4.448222) * (0.0254 * 0.0254);
  zela1::setunits(m);
}

}  // namespace zqtest
