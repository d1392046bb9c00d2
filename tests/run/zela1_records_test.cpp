// Input stage: echo forms, item variables, records, blank-item values, size scatter, every stop.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "model/model.h"
#include "run/stop.h"
#include "run/zela1.h"
#include "support/rundir.h"

namespace {

using Lines = std::vector<std::string>;

struct Read {
  std::unique_ptr<Model> m = std::make_unique<Model>();
  Lines lines;  // the report written while reading
  std::string console;
  int status = 0;
  std::size_t values = 0;  // values that "@n" stood for
};

// Start constants and record reader only, DATA.txt = data; "@n" = next n of 1.5, 2.5, ...
Read readInput(const std::string& data, void (*preset)(Model&) = nullptr) {
  Read r;
  std::string text;
  for (std::size_t k = 0, used = 0; k < data.size(); ++k) {
    if (data[k] != '@') { text += data[k]; continue; }
    for (int i = std::stoi(data.substr(k + 1), &used); i > 0; --i)
      text += std::to_string(++r.values) + ".5" + (i > 1 ? " " : "");
    k += used;
  }
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", text);
  std::ostringstream out;
  r.m->devices.dir = dir.path().string(), r.m->devices.report.attach(out);
  try {
    zela1::startconstants(*r.m);
    if (preset) preset(*r.m);
    zela1::inputrecords(*r.m);
  } catch (const zq::StopRun& s) {
    r.status = s.status(), r.console = s.console();
  }
  r.lines = zqtest::lines(out.str());
  return r;
}

// Echo: 3 blanks, label in 12 columns, I4 (I3 for Record 10.0), E11.4 nine a line, rest after 15
// blanks; material records on one line (shaft: first four), spherical tapered in free form.
TEST(InputRecords, ListingShowsEveryRecordInItsEchoForm) {
  const Read r = readInput(zqtest::readSource("examples/ball-variations-si.txt"));
  ASSERT_EQ(r.lines.size(), 31u) << r.console;
  EXPECT_EQ(Lines(r.lines.begin(), r.lines.begin() + 8), Lines({"\f", "", "   Listing of input data records", "   -----------------------------", "", "", "   RUNID       Ball bearing 6208, size variations  ", "   REC3.2         1   1   9   0   2   1   2   0   0   0   0"}));
  EXPECT_EQ(r.lines[12], "   DIAVAR1      1.0000E-06-1.0000E-06 2.0000E-06-2.0000E-06 5.0000E-07-5.0000E-07 0.0000E+00 1.5000E-06-1.5000E-06");
  EXPECT_EQ(r.lines[13], "                0.0000E+00");
  EXPECT_EQ(r.lines[22], "   OUTERMAT     7.8270E+03 2.0133E+11 2.7700E-01 1.1500E-05 7.0000E-03 6.2000E+01 5.0000E-06 6.8400E+08");
  EXPECT_EQ(r.lines[24], "   SHAFT        7.8500E+03 2.0500E+11 2.9000E-01 1.2700E-05");
  EXPECT_EQ(r.lines[25], "   FITS         2.9300E+02 0.0000E+00 1.0000E-05 1.8000E+02 1.0000E+08 5.0000E+07 1.0000E+00");
  EXPECT_EQ(r.lines[29], "   REC10.0       0  0  0");
  const Read s = readInput(zqtest::readSource("examples/spherical-tapered-si.txt"));
  EXPECT_EQ(s.lines.at(10), " SPHTAPROLLER  1.0600E-02  8.0000E-02  1.5000E-02  1.3000E-01  1.0000E+10  1.4000E+01  1.0000E+01  5.2000E-01  5.1000E-01  1.0000E-07  1.0000E-07");
}

const std::string kRec1 = "RUN 'test run'\n";
const std::string kRec33 = "R33 0 1 0 1 1 0 100 100 100 111 111\n";
const std::string kEnvelope = "ENV 0.04 0.08 0 0.12 0.018 0.018\n";
const std::string kBall = "B5A 0.0127 0.06 0 2E-5 0.53 0.52 0.0685 0.0518 0 0 1E-7 1E-7\n";
const std::string kOperating = "FITS 293 0 1E-5 180 0 0 1\nR91 500 0 3000 0 0 0\nMOM 0 0 0 0 0 0 0 3000\nTEMP 320 325 320 325 322\n";
const std::string kTail = kOperating + "R100 -1 0 0\n";
// Records 1 to 4 of a bearing of type kbrg (SI; Record 3.2 flags after nre in `flags`).
std::string head(int kbrg, int nre, const std::string& flags = "0 0 0 0 0 0 0 0") {
  return kRec1 + "R32 1 " + std::to_string(kbrg) + " " + std::to_string(nre) + " " + flags +
         "\n" + kRec33 + kEnvelope;
}
std::string ballInput(const std::string& tail) { return head(1, 9) + kBall + kOperating + tail; }

// Item n holds n + 0.5, checked in the variable it fills (null: listed only); swaps fail.
using Vars = std::vector<double*>;
#define VARS(...)                                                                        \
  [](Model& m) -> Vars {                                                                 \
    [[maybe_unused]] auto &g = m.brggeom; [[maybe_unused]] auto &p = m.matprop;          \
    [[maybe_unused]] auto &o = m.opcond; [[maybe_unused]] auto &t = m.tracprop;          \
    [[maybe_unused]] auto &f = m.fatiguecons; [[maybe_unused]] auto &r = m.zela1.reracetc; \
    return {__VA_ARGS__};                                                                \
  }

TEST(InputRecords, EveryItemLandsInItsVariable) {
  const struct { std::string text; Vars (*vars)(Model&); } cases[] = {
      // Traction code 0 reads the curve record only, a database lubricant also the film record.
      {head(1, 9) + "B5A @12\nFITS @7\nR91 @6\nMOM @8\nTEMP @5\nR100 0 1 0\nRTC @4\n",
       VARS(&g.bredia, &g.pitchdia, &g.freeconang, &g.freeintcls, &g.racecurfac(1), &g.racecurfac(2), &g.shoulderdia(1), &g.shoulderdia(2), &g.shimthkns(1), &g.shimthkns(2), &f.rmsaspht(1), &f.rmsaspht(2), &o.roomtemp, &o.racefit(1), &o.racefit(2), &o.angvelorient, &f.resstress(1), &f.resstress(2), &p.facstrlimit, &o.appload(1), &o.appload(2), &o.appload(3), &o.appdisp(1), &o.appdisp(2), &o.appdisp(3), &o.appmoment(1), &o.appmoment(2), &o.appmis(1, 1), &o.appmis(2, 1), &o.appmis(1, 2), &o.appmis(2, 2), &o.rpm(1), &o.rpm(2), &o.hsngtemp, &o.shfttemp, &o.racetemp(1), &o.racetemp(2), &o.retemp(1), &r(1, 1), &r(2, 1), &r(3, 1), &r(4, 1))},
      {kRec1 + "R32 1 2 14 0 0 0 0 0 0 0 0\n" + kRec33 + "ENV @6\nCYL @8\nLAND @8\n" + kOperating +
           "R100 4 1 0\nRTC @4\nFILM @2\n",
       VARS(&g.brgbore, &g.brgod, &g.shftid, &g.hsngod, &g.racewidth(1), &g.racewidth(2), &g.bredia, &g.brecrn, &g.brelen, &g.brecenlen, &g.brecorrad(1), &g.brecorrad(2), &g.pitchdia, &g.freeintcls, &g.racelandlmt(1), nullptr, &g.racecrn(1), &g.racelandlmt(2), nullptr, &g.racecrn(2), &f.rmsaspht(1), &f.rmsaspht(2), &r(1, 1), &r(2, 1), &r(3, 1), &r(4, 1), &t.reracefilm(1), &t.strparam)},
      {head(3, 15) + "SPH @12\n" + kTail,
       VARS(&g.bredia, &g.brecrn, &g.brelen, &g.brecorrad(1), &g.brecorrad(2), &g.pitchdia, &g.freeintcls, &g.racecurfac(1), &g.racecurfac(2), &g.freeconang, &f.rmsaspht(1), &f.rmsaspht(2))},
      {head(4, 16, "0 1 1 2 1 1 1 1") + "TAP @10\nLAND @8\nFLNG @10\nRMS @4\nIMP1 @11\nIMP2 @11\n" + kTail + "FTC @5\n",
       VARS(&g.bredia, &g.brecrn, &g.brelen, &g.brecenlen, &g.breendrad(1), &g.breendrad(2), &g.brecorrad(1), &g.brecorrad(2), &g.racetaper(1), &g.racetaper(2), &g.racelandlmt(1), nullptr, &g.racecrn(1), &g.racelandlmt(2), nullptr, &g.racecrn(2), &f.rmsaspht(1), &f.rmsaspht(2), &g.flngang(1, 1), &g.flngang(2, 1), &g.flngang(1, 2), &g.flngang(2, 2), &g.flnght(1, 1), &g.flnght(2, 1), &g.flnght(1, 2), &g.flnght(2, 2), &g.flngcls(1), &g.flngcls(2), &g.rermsdiavar, &g.rermslenvar, &g.rermscenlenvar, &g.rermsclenoffset, &g.rlradvar(1, 1), &g.rlradvar(2, 1), &g.rlradvar(3, 1), &g.rloffset(1, 1), &g.rloffset(2, 1), &g.rloffset(3, 1), &g.rloffset(4, 1), &g.rltaper(1, 1), &g.rltaper(2, 1), &g.rltaper(3, 1), &g.rltaper(4, 1), &g.rlradvar(1, 2), &g.rlradvar(2, 2), &g.rlradvar(3, 2), &g.rloffset(1, 2), &g.rloffset(2, 2), &g.rloffset(3, 2), &g.rloffset(4, 2), &g.rltaper(1, 2), &g.rltaper(2, 2), &g.rltaper(3, 2), &g.rltaper(4, 2), &m.zela1.reflngtc(1), &m.zela1.reflngtc(2), &m.zela1.reflngtc(3), &m.zela1.reflngtc(4), &t.reflngfilm)},
      {head(5, 16, "0 1 1 2 0 0 0 0") + "STR @11\nRMS @1\nIMP1 @6\nIMP2 @6\n" + kTail,
       VARS(&g.bredia, &g.brecrn, &g.brelen, &g.breendrad(1), &g.breendrad(2), &g.racetaper(1), &g.racetaper(2), &g.racecurfac(1), &g.racecurfac(2), &f.rmsaspht(1), &f.rmsaspht(2), &g.rermsdiavar, &g.rlradvar(1, 1), &g.rlradvar(2, 1), &g.rlradvar(3, 1), &g.cfacvar(1, 1), &g.cfacvar(2, 1), &g.cfacvar(3, 1), &g.rlradvar(1, 2), &g.rlradvar(2, 2), &g.rlradvar(3, 2), &g.cfacvar(1, 2), &g.cfacvar(2, 2), &g.cfacvar(3, 2))},
      {kRec1 + "R32 1 1 9 0 0 0 0 0 0 0 0\nR33 0 1 0 1 1 0 1 1 1 1 1\n" + kEnvelope + kBall +
           "REM @8\nRACE1 @8\nRACE2 @8\nHSG @5\nSHF @5\n" + kTail,
       VARS(&p.reden, &p.reem, &p.repr, &p.recte, &p.reesl, &p.reh, &p.rewc, &p.revm, &p.raceden(1), &p.raceem(1), &p.racepr(1), &p.racecte(1), &p.raceesl(1), &p.raceh(1), &p.racewc(1), &p.racevm(1), &p.raceden(2), &p.raceem(2), &p.racepr(2), &p.racecte(2), &p.raceesl(2), &p.raceh(2), &p.racewc(2), &p.racevm(2), &p.hsngden, &p.hsngem, &p.hsngpr, &p.hsngcte, &p.hsngtc, &p.shftden, &p.shftem, &p.shftpr, &p.shftcte, &p.shfttc)},
      // User lubricant viscosity coefficients: slots 1, 4, 7 of the exponential law; traction 1, 4.
      {ballInput("R100 9 7 8\nRTC @4\nFILM @2\nLNAME 'Target oil'\nLPROP @8\nTVIS @3\n"),
       VARS(&r(1, 1), &r(2, 1), &r(3, 1), &r(4, 1), &t.reracefilm(1), &t.strparam, &t.reftv, &t.refvis, &t.viscoeff(1), &t.viscoeff(4), &t.viscoeff(7), &t.thercondlub(1), &t.denlub, &t.spheatlub, &t.reftracvis, &t.tracviscoeff(1), &t.tracviscoeff(4))},
  };
  EXPECT_EQ(readInput(ballInput("R100 4 1 0\nRTC 4*0\n")).status, 2);  // no film record
  for (const auto& c : cases) {
    const auto r = readInput(c.text + "STOP x\n");  // not a record: one read too many stops
    ASSERT_EQ(r.status, 0) << r.console;
    const Vars vars = c.vars(*r.m);
    ASSERT_EQ(vars.size(), r.values) << c.text;
    for (std::size_t i = 0; i < vars.size(); ++i)
      if (vars[i]) { EXPECT_EQ(*vars[i], i + 1.5) << "item " << i + 1 << " of " << c.text; }
    // Copies: land limits as central lengths; both races get traction-curve input and film value.
    const auto& g = r.m->brggeom;
    const auto& t = r.m->tracprop;
    for (int j = 1; j <= 2; ++j) EXPECT_EQ(g.racecenlen(j), g.racelandlmt(j));
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(r.m->zela1.reracetc(k, 2), r.m->zela1.reracetc(k, 1));
    EXPECT_EQ(t.reracefilm(2), t.reracefilm(1));
    EXPECT_EQ(t.viscoeff(2) + t.tracviscoeff(2), 0.0);
  }
  // Records 3.2/3.3: imperfection flags cover split races' second halves; rollers race controlled;
  // a material record sets its life codes (1, 2). Diameter lists: element 10 r + k on record r + 1.
  const auto r = readInput(kRec1 + "R32 1 3 17 4 2 5 6 1 0 0 1\nR33 21 22 23 24 25 26 1 1 103 104 105\n" + kEnvelope + "SPH 0.0095 0.0342 0.01 5E-4 5E-4 0.06 3.5E-5 0.515 0.51 10 0 0\nFLNG 10*0\nDIA @10\nDIA @10\nDIA @10\nDIA @10\nIMP1 6*0\nIMP2 6*0\nREM 8*0\nRACE1 8*0\n" + kTail + "FTC 5*0\n");
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& o = r.m->options;
  const auto& g = r.m->brggeom;
  EXPECT_EQ(std::vector<int>({o.kunit, g.kbrg, g.nre, o.kraceflex, o.kregeoimp, o.kracegeoimp.lin(1), o.kracegeoimp.lin(2), o.kracegeoimp.lin(3), o.kracegeoimp.lin(4), g.kflngind(1, 1), g.kflngind(2, 1), g.kflngind(1, 2), g.kflngind(2, 2), r.m->setupa4.kangvel}), std::vector<int>({1, 3, 17, 4, 2, 5, 6, 5, 6, 1, 0, 0, 1, 1}));
  EXPECT_EQ(std::vector<int>({o.kfs(1), o.kfs(2), o.kfs(3), o.kfs(4), o.kfs(5), o.kremat, o.kracemat(1), o.kracemat(2), o.khsngmat, o.kshftmat, o.klifemodre, o.kprocre, o.klifemod(1), o.kproc(1), o.klifemod(2)}), std::vector<int>({21, 22, 23, 24, 25, 1, 1, 103, 104, 105, 1, 2, 1, 2, 0}));
  for (int i = 1; i <= 40; ++i) EXPECT_EQ(g.rediavar(i), i + 0.5) << i;
  const auto b = readInput(kRec1 + "R32 1 1 9 0 0 0 0 1 1 0 0\nR33 0 1 0 1 1 26 0 0 0 0 0\n" + kEnvelope + kBall + "FLNG 10*0\n" + kTail + "FTC 5*0\n");
  EXPECT_EQ(b.m->setupa4.kangvel, 26);  // a ball keeps its spin option
  EXPECT_EQ(b.m->brggeom.kflngind(2, 1) * 10 + b.m->brggeom.kflngind(1, 2), 10);
}

TEST(InputRecords, ItemsLeftBlankKeepTheirDocumentedInitialValues) {
  // Slash after Record 3.3 label: five constraints held, codes 0; after room temperature: velocity
  // orientation 180 deg; lubricant "None"; raceways and roller ends straight (1e10) by default.
  const auto s = readInput(kRec1 + "R32 1 1 9 0 0 0 0 0 0 0 0\nR33 /\n" + kEnvelope + kBall +
                           "FITS 293 /\nR91 1 0 0 0 0 0\nMOM 8*0\nTEMP 5*300\nR100 -1 0 0\n");
  ASSERT_EQ(s.status, 0) << s.console;
  EXPECT_EQ(s.lines[8], "   R33            1   1   1   1   1   0   0   0   0   0   0");
  const auto& g = s.m->brggeom;
  const auto& o = s.m->options;
  EXPECT_EQ(std::vector<double>({double(o.kfs(1) + o.kfs(2) + o.kfs(3) + o.kfs(4) + o.kfs(5)), double(o.kprtopt), s.m->opcond.angvelorient, s.m->opcond.racefit(2), g.racecurrad(1), g.breendrad(2), g.racecrn(1), g.racecrn(2)}),
            std::vector<double>({5, 1, 180, 0, 1e10, 1e10, 1e10, 1e10}));
  EXPECT_EQ(s.m->tracprop.lubname.trimmed(), "None");
  // A material record clears the conductivity and specific heat; a database material keeps them.
  const auto r = readInput(kRec1 + "R32 1 1 9 0 0 0 0 0 0 0 0\nR33 0 1 0 1 1 0 1 1 0 0 0\n" + kEnvelope + kBall + "REM 8*1\nRC1 8*1\n" + kTail, [](Model& m) {
    m.matprop.retc = m.matprop.racetc(1) = m.matprop.racetc(2) = 40.0;
    m.matprop.resh = m.matprop.racesh(1) = m.matprop.racesh(2) = 450.0;
  });
  const auto& mp = r.m->matprop;
  EXPECT_EQ(std::vector<double>({mp.retc, mp.resh, mp.racetc(1), mp.racesh(1), mp.racetc(2)}), std::vector<double>({0.0, 0.0, 0.0, 0.0, 40.0}));
  // A lubricant name of 40 characters is stored whole and listed by its first 36.
  const std::string forty = "Forty character lubricant name ABCDEFGHI";
  const auto l = readInput(ballInput("R100 9 1 0\nRTC 4*0\nFILM 2E-8 20\nLNAME '" + forty + "'\nLPROP 8*1\nTVIS 3*1\n"));
  EXPECT_EQ(l.m->tracprop.lubname.trimmed(), forty);
  EXPECT_EQ(l.lines.at(19), "   LNAME       Forty character lubricant name ABCDE");
}

TEST(InputRecords, StartConstantsAndClearedMemories) {
  auto mp = std::make_unique<Model>();
  Model& m = *mp;
  m.setupa4.inita4 = m.setupa4.kreeqcode = m.setupa5.igridmin = m.setupa5.jgridmin = 3;
  m.setupa5.mingrid(21, 40, 2) = m.setupa5.minalfgrid(40) = 7;
  m.setupb1.initb1 = m.setupc2.initc2 = m.setupd1.initd1 = m.setupd1.itracout = 1;
  m.matprop.rem = m.matprop.racem(2) = m.matprop.hsngm = m.matprop.shftm = "*";
  zela1::startconstants(m);
  const auto& c = m.constants;
  constexpr double pi = std::numbers::pi;
  EXPECT_EQ(std::vector<double>({c.one2, c.one3, c.one4, c.one5, c.one6, c.one7, c.one8, c.one9, c.one10, c.cang, c.tpi, c.pi2, c.tempc, c.s2pi}),
            std::vector<double>({1.0 / 2, 1.0 / 3, 1.0 / 4, 1.0 / 5, 1.0 / 6, 1.0 / 7, 1.0 / 8, 1.0 / 9, 1.0 / 10, 180.0 / pi, 2.0 * pi, pi / 2.0, 1.8, std::sqrt(2.0 * pi)}));
  // Units: in 0.0254 m, lbm 0.45359237 kg, lbf 4.4482216 N, R 1/1.8 K; to the shared five figures.
  const double in = 0.0254, lbm = 0.45359237, lbf = 4.4482216;
  for (const double r : {c.denc * lbm / (in * in * in), c.pressc * lbf / (in * in), c.visc * lbf / (in * in), c.thercondc * lbf * 1.8, c.spheatc * in * lbf * 1.8 / lbm})
    EXPECT_NEAR(r, 1.0, 2e-5);
  EXPECT_EQ(std::vector<int>({m.setupa4.inita4, m.setupa4.kreeqcode, m.setupa5.igridmin, m.setupa5.jgridmin, m.setupa5.mingrid(21, 40, 2), m.setupa5.minalfgrid(40), m.setupb1.initb1, m.setupc2.initc2, m.setupd1.initd1, m.setupd1.itracout}),
            std::vector<int>(10, 0));
  EXPECT_EQ(m.matprop.rem.str() + m.matprop.racem(2).str() + m.matprop.hsngm.str() + m.matprop.shftm.str(), std::string(40, ' '));
}

// Size scatter: one repeatable standard-normal quantile sequence shifted one element per series
// (i's length deviate = i + 1's diameter deviate), times RMS; slots above nre unvaried.
TEST(InputRecords, SizeScatterIsOneShiftedQuantileSequence) {
  for (int kbrg : {1, 4}) {
    auto m = std::make_unique<Model>();
    auto& g = m->brggeom;
    g.kbrg = kbrg, g.nre = 12, m->options.kregeoimp = 1;
    g.rermsdiavar = 1.0, g.rermslenvar = 2.0, g.rermscenlenvar = 4.0, g.rermsclenoffset = 8.0;
    zela1::geomimp(*m);
    for (int i = 1; i < 12; ++i) {
      EXPECT_EQ(g.relenvar(i), kbrg == 4 ? 2.0 * g.rediavar(i + 1) : 0.0) << i;
      EXPECT_EQ(g.recenlenvar(i), kbrg == 4 ? 2.0 * g.relenvar(i + 1) : 0.0) << i;
      EXPECT_EQ(g.recenlenoffset(i), kbrg == 4 ? 2.0 * g.recenlenvar(i + 1) : 0.0) << i;
    }
    EXPECT_EQ(g.rediavar(13) + g.relenvar(13) + g.recenlenvar(40), 0.0);
    // Quantiles 98, 58, 74 and 3 %: 2.054, 0.202, 0.643, -1.881 (normal table, 3 decimals).
    for (int i = 1; i <= 4; ++i) EXPECT_NEAR(g.rediavar(i), (std::vector{2.054, 0.202, 0.643, -1.881}[i - 1]), 2e-3) << i;
  }
}

// Built program: exit status, console, end of PRINT.txt; a Record 3.2 check stops before 3.3.
TEST(InputRecords, StopsWithTheirTextsAndExitStatus) {
  const std::string blk = "\n\n     Execution terminating in Zela1 \n\n\n     ";
  const std::string nre = "\n     The number of rolling elements on Record 3.2 must be 1 to 40.\n\n\n\n";
  const std::string flag = "\n     Flange flags kFlngInd on Record 3.2 must be 0 (no flange) or 1 (flange).\n\n\n\n";
  const std::string r32 = kRec1 + "R32 1 ";
  enum { kData, kNoData, kDataIsDirectory, kPrintIsDirectory };
  const struct { std::string data; int status; std::string tail, err; int layout = kData; } cases[] = {
      {r32 + "6 9 0 0 0 0 0 0 0 0\nR33 x\n", 1, "   R32            1   6   9   0   0   0   0   0   0   0   0\n" + blk + "Invalid bearing type encountered..  brgType =  6\n\n\n\n", ""},
      {r32 + "0 99 0 0 0 0 7 0 0 0\n", 1, blk + "Invalid bearing type encountered..  brgType =  0\n\n\n\n", ""},
      {r32 + "1 0 0 0 0 0 0 0 0 0\nR33 x\n", 1, blk + "Invalid number of rolling elements encountered..  nRE =  0" + nre, ""},
      {r32 + "1 41 0 0 0 0 0 0 0 0\n", 1, blk + "Invalid number of rolling elements encountered..  nRE = 41" + nre, ""},
      // The echo's I4 field cannot hold it: four asterisks; the message field widens.
      {r32 + "1 -2147483647 0 0 0 0 0 0 0 0\n", 1, "   R32            1   1****   0   0   0   0   0   0   0   0\n" + blk + "Invalid number of rolling elements encountered..  nRE = -2147483647" + nre, ""},
      // Flags summing to zero, each named.
      {r32 + "4 16 0 0 0 0 2 -1 0 -1\n", 1, blk + "Invalid flange flag encountered..  kFlngInd(1,1) =  2\n     Invalid flange flag encountered..  kFlngInd(2,1) = -1\n     Invalid flange flag encountered..  kFlngInd(2,2) = -1" + flag, ""},
      {r32 + "1 9 0 0 0 0 0 0 0 0\n" + kRec33, 2, "   R33            0   1   0   1   1   0 100 100 100 111 111\n",
       zqtest::inputErrorMessage("Input error in DATA.txt, after line 3 (end of file)", "bearing envelope record", "1 of 7, record label", "end of file", "a text")},
      {head(1, 9) + kBall + "FITS 293 0 1E-5 180 0 0 1\nR91 500 0 3OOO 0 0 0\n", 2, "   FITS         2.9300E+02 0.0000E+00 1.0000E-05 1.8000E+02 0.0000E+00 0.0000E+00 1.0000E+00\n",
       zqtest::inputErrorMessage("Input error in DATA.txt, line 7", "Record 9.1 (applied loads and displacements), label \"R91\"", "4 of 7, appload(3)", "\"3OOO\"", "a real number in integer, decimal or exponent form (such as 25, 0.25, 2.5E-1 or 2.5D-1)")},
      {"", 2, "", zqtest::openErrorMessage(true), kNoData},
      {"", 2, "", zqtest::openErrorMessage(true), kDataIsDirectory},
      {"RUNID test\n", 2, "", zqtest::openErrorMessage(false), kPrintIsDirectory},
  };
  for (const auto& c : cases) {
    zqtest::ScratchDir dir;
    if (c.layout == kDataIsDirectory) std::filesystem::create_directory(dir.path() / "DATA.txt");
    if (c.layout == kData || c.layout == kPrintIsDirectory) dir.write("DATA.txt", c.data);
    if (c.layout == kPrintIsDirectory) std::filesystem::create_directory(dir.path() / "PRINT.txt");
    const auto run = zqtest::runProgram(dir);
    EXPECT_EQ(run.status, c.status) << c.data;
    EXPECT_EQ(run.out + run.err, c.err) << c.data;
    if (c.layout != kPrintIsDirectory) { EXPECT_EQ(dir.exists("PRINT.txt"), !c.tail.empty()); }
    if (c.tail.empty()) continue;
    const std::string print = dir.read("PRINT.txt");
    EXPECT_TRUE(print.starts_with("\f\n\n   Listing of input data") && print.ends_with(c.tail)) << print;
  }
}

}  // namespace
