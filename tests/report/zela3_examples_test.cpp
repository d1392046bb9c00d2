// Results section of whole runs (every example, SI and English, all five bearing types, and
// three edited cases) read back from PRINT.txt and checked against other printed tables and
// closed forms, each printed value taken with half a unit of its last digit: Hertz pressures,
// life factors, power-loss and wear sums (Archard), race speeds and forces, Stribeck's radial
// distribution, infinite lives at rest, and the symmetry of the traction curves.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "support/bearings.h"
#include "support/rundir.h"

namespace {

// A printed value and its rounding bound: half a unit of the last printed digit (0 for 0).
struct P {
  double v = NAN, e = 0.0;
};
P operator+(P a, P b) { return {a.v + b.v, a.e + b.e}; }
P operator*(P a, P b) { return {a.v * b.v, std::abs(a.v) * b.e + std::abs(b.v) * a.e}; }
P operator/(P a, P b) { return {a.v / b.v, (a.e + std::abs(a.v / b.v) * b.e) / std::abs(b.v)}; }
P exact(double v) { return {v, 0.0}; }

P parse(const std::string& s) {
  const auto d = s.find('.'), x = s.find_first_of("Ee");
  if (s.find_first_not_of(' ') == std::string::npos || d == std::string::npos) return {};
  const double v = std::strtod(s.c_str(), nullptr);
  return {v, v == 0.0 ? 0.0 : 0.5 * std::pow(10.0, std::atoi(s.c_str() + x + 1) - int(x - d - 1))};
}
// Field k of a row of 11-column fields after `lead` columns; NaN when blank.
P cell(const std::string& row, int k, std::size_t lead = 7) {
  return row.size() < lead + 11 * std::size_t(k) ? P{} : parse(row.substr(lead + 11 * (k - 1), 11));
}
// The numbers of a labelled line of the input section (markers after them ignored).
std::vector<P> numbers(const std::string& line) {
  std::istringstream in(line);
  std::vector<P> v;
  for (std::string t; in >> t;)
    if (t.find("E") != std::string::npos &&
        t.find_first_of("0123456789") == (t[0] == '-' ? 1u : 0u))
      v.push_back(parse(t.substr(0, t.find_first_of("^*"))));
  return v;
}

#define EXPECT_AGREE(a, b, what)                                              \
  EXPECT_LE(std::abs((a).v - (b).v), (a).e + (b).e + 1e-12 * std::abs((a).v)) \
      << what << ": printed " << (a).v << ", expected " << (b).v

struct Report {
  std::vector<std::string> l;
  int find(const std::string& text, int from = 0) const {  // -1 when there is none
    for (int n = from; n < int(l.size()); ++n)
      if (l[n].find(text) != std::string::npos) return n;
    return -1;
  }
  int at(const std::string& text, int from = 0) const {
    const int n = find(text, from);
    if (n < 0) ADD_FAILURE() << "no line with " << text;
    return n < 0 ? int(l.size()) - 1 : n;
  }
  // The line of element i of the table whose head holds `head` (empty when there is none).
  std::string row(const std::string& head, int i, int from = 0) const {
    char no[16];
    std::snprintf(no, sizeof no, "%7d ", i);
    for (int n = at(head, from), end = n + 50; n < int(l.size()) && n < end; ++n)
      if (l[n].compare(0, 8, no) == 0) return l[n];
    return "";
  }
};

struct Case {
  const char* name;
  std::string data;
  double hertz;                  // maximum pressure over Q / (pi a b): 1.5 point, 1 line contact
  bool stribeck = false;         // zero-clearance radial ball bearing
  bool atRest = false;           // both races at rest
  const char* mirror = nullptr;  // example whose heaviest element is this run's turned by pi
};

std::string example(const std::string& name) {
  return zqtest::readSource("examples/" + name + ".txt");
}

// A 6208 with zero clearance, no fits, no thermal growth and no traction, at -10 rpm or at rest.
std::string zeroClearanceBall(const std::string& kfs, const std::string& fa,
                              const std::string& rpm) {
  const std::string head = "RUNID 'Zero-clearance 6208'\nREC3.2 1 1 9 0 0 0 0 0 0 0 0\nREC3.3 ";
  const std::string geometry =
      " 1 0 1 1 0 100 100 100 111 111\nENVELOPE 0.040 0.080 0.0 0.120 0.018 0.018\n"
      "REC5A 0.0127 0.060 0.0 0.0 0.53 0.52 0.0685 0.0518 0.0 0.0 1.0E-7 1.0E-7\n"
      "FITS 293.0 0.0 0.0 180.0 0.0 0.0 1.0\nREC9.1 ";
  return head + kfs + geometry + fa +
         " 0.0 3000.0 0.0 0.0 0.0\nMOMSPEED 0.0 0.0 0.0 0.0 0.0 0.0 0.0 " + rpm +
         "\nTEMPS 293.0 293.0 293.0 293.0 293.0\nREC10.0 -1 0 0\n";
}

std::vector<Case> cases() {
  std::vector<Case> v;
  for (const char* n :
       {"ball-si", "ball-english", "ball-variations-si", "spherical-si", "spherical-tapered-si"})
    v.push_back({n, example(n), 1.5});
  for (const char* n :
       {"cylindrical-si", "cylindrical-variations-english", "tapered-si", "tapered-dry-english"})
    v.push_back({n, example(n), 1.0});
  v.push_back({"stribeck", zeroClearanceBall("1", "0.0", "-10.0"), 1.5, true});
  v.push_back({"at_rest", zeroClearanceBall("0", "500.0", "0.0"), 1.5, false, true});
  // Load along -z: the heaviest roller is number 8 of 14 (at 180 deg), the last one unloaded.
  v.push_back(
      {"cylindrical_load_down",
       zqtest::replaceRecordValues(example("cylindrical-si"), "REC9.1", {"0.0", "0.0", "-5000.0"}),
       1.0, false, false, "cylindrical-si"});
  return v;
}

Report run(const std::string& data, int* status = nullptr, int* nonfinite = nullptr) {
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", data);
  auto r = zqtest::runInProcess(dir);
  if (status) *status = r.status;
  if (nonfinite) *nonfinite = r.model->devices.report.nonFiniteValues();
  return {zqtest::lines(dir.read("PRINT.txt"))};
}

class WholeReport : public ::testing::TestWithParam<Case> {};

TEST_P(WholeReport, TablesAgreeWithEachOtherAndWithClosedForms) {
  const Case& k = GetParam();
  int status = -1, nonfinite = -1;
  const Report r = run(k.data, &status, &nonfinite);
  ASSERT_EQ(status, 0);
  EXPECT_EQ(nonfinite, 0);
  EXPECT_EQ(r.l.back(), "     position.");  // the closing note: the whole report is there
  const int res = r.at("Rolling Element Parameters");
  for (int n = res; n < int(r.l.size()); ++n)
    EXPECT_EQ(r.l[n].find("****"), std::string::npos) << r.l[n];
  int nre = 0;
  while (!r.row("Rolling Element Parameters", nre + 1).empty()) ++nre;

  // Archard wear constant k / H of the element (column 1) and races, H read in points of 10 kgf
  // per mm^2 (9.80665e7 Pa, 14223.344 psi).
  const auto hard = numbers(r.l[r.at("HARDNESS")]), wc = numbers(r.l[r.at("WEAR COEFFICIENT")]);
  const bool si = r.l[r.at("APPLIED LOAD VECTOR")].find("(lbf)") == std::string::npos;
  const P hcons = exact(si ? 9.80665e7 : 14223.344);
  std::vector<P> wear;
  for (int c = 0; c < 3; ++c) wear.push_back(wc[c] / (hard[c] * hcons));

  const std::string t1 = "....Contact Angle....", t2 = "..Major Half Width...",
                    t3 = "...Rolling Velocity..", te = "Rolling Element Parameters";
  P loss = exact(0.0);
  std::vector<P> end1(nre + 1, exact(0.0)), end2(nre + 1, exact(0.0));
  const int wearAt = r.find("Roller End and Race Flange Wear Distribution", res);
  for (int i = 1; i <= nre && wearAt >= 0; ++i) {
    const std::string& w = r.l[r.at("End I", wearAt) + 2 + (i - 1) / 4];
    const std::size_t c = 33 * ((i - 1) % 4);
    end1[i] = cell(w, 1, c + 7), end2[i] = cell(w, 2, c + 7);
  }
  std::vector<int> flangeRaces;  // races with flanges, their power loss
  for (int j = 1; j <= 2; ++j) {
    const int n = r.find(std::string("Roller/") + (j == 1 ? "Outer" : "Inner") + " Race Flange");
    if (n < 0) continue;
    flangeRaces.push_back(j);
    for (int i = 1; i <= nre; ++i) {
      const std::string f = r.row("Geom Interaction", i, n);
      loss = loss + cell(f, 9) + cell(f, 10);
    }
  }

  for (int i = 1; i <= nre; ++i) {
    const std::string a = r.row(t1, i), b = r.row(t2, i);
    for (int c = 0; c <= 1; ++c) {
      // Hertz: p0 = 1.5 Q / (pi a b) for an elliptical contact, 2 q / (pi b) = Q / (pi a b) for
      // a line contact of length 2a.
      const P q = cell(a, 5 + c);
      if (q.v > 0.0) {
        EXPECT_AGREE(cell(a, 7 + c),
                     exact(k.hertz) * q / (exact(M_PI) * cell(b, 1 + c) * cell(b, 3 + c)),
                     "stress of element " << i << " contact " << c + 1);
      }
      loss = loss + cell(r.row(t3, i), 9 + c);
    }
    EXPECT_AGREE(cell(r.row(te, i), 9), (cell(b, 9) + cell(b, 10)) * wear[0] + end1[i] + end2[i],
                 "wear rate of element " << i);
  }
  const int op = r.at("Operating Parameters", res);
  const std::string& total = r.l[r.at("Total Contact Loss", op)];
  EXPECT_AGREE(cell(total, 1, total.size() - 11), loss, "total contact loss");
  // Flange wear of the race with flanges: its constant times the load x slip that the end wear
  // of the same side holds with the element's constant.
  if (flangeRaces.size() == 1) {
    const int j = flangeRaces[0];
    const std::string& fw = r.l[r.at("Outer I   Outer II    Inner I   Inner II") + 1];
    P s1 = exact(0.0), s2 = exact(0.0);
    for (int i = 1; i <= nre; ++i) s1 = s1 + end1[i], s2 = s2 + end2[i];
    EXPECT_AGREE(cell(fw, 2 * j - 1), s1 * wear[j] / wear[0], "flange wear I");
    EXPECT_AGREE(cell(fw, 2 * j), s2 * wear[j] / wear[0], "flange wear II");
  }

  // Race rows: speeds are the magnitudes of the input speeds; in a free direction the elements
  // push the inner race back with the applied load: at rest to the race iteration's tolerance
  // (1e-5), turning to 3e-4 (the printed force holds the contacts' traction as well, which the
  // race equations leave out: 1.5e-4 of the load in the roller examples).
  const auto rpm = numbers(r.l[r.at("ANGULAR VELOCITY")].substr(70));  // outer, inner
  const auto load = numbers(r.l[r.at("APPLIED LOAD VECTOR")]);
  std::istringstream kfs(r.l[r.at("QUASI-STATIC CONSTRAINTS")].substr(33));
  const int speeds = r.at("Velocity", op);
  for (int j = 0; j <= 1; ++j) {
    const P w = cell(r.l[r.at(j == 0 ? "Outer Race" : "Inner Race", speeds)], 3, 16);
    EXPECT_AGREE(w, (P{std::abs(rpm[j].v), rpm[j].e}), "speed of race " << j + 1);
  }
  const std::string& inner = r.l[r.at("Inner Race", op)];
  for (int d = 1; d <= 3; ++d) {
    int free = 1;
    kfs >> free;
    if (free == 0) {
      const double tol = (k.atRest ? 1e-5 : 3e-4) * std::abs(load[d - 1].v);
      EXPECT_AGREE(cell(inner, d, 16), (P{-load[d - 1].v, load[d - 1].e + tol}),
                   "inner race force " << d);
    }
  }
  const std::string& exc = r.l[r.at("Ave Roll Ele Excursion", op)];
  EXPECT_GE(cell(exc, 1, exc.size() - 11).v, 0.0);

  // Lives: every factor is its modified life over the basic life of the same model and column.
  const int basic = r.at("Basic Life (Hours)", op), mod = r.at("Modified Life with", op),
            fac = r.at("Life Modification Factors with", op);
  for (const char* model : {" Original LP", "  Current LP", "          VK", "          IH"}) {
    const std::string &bl = r.l[r.at(model, basic)], &ml = r.l[r.at(model, mod)],
                      &fl = r.l[r.at(model, fac)];
    for (int t = 0; t <= 1; ++t)
      for (int c = 1; c <= 4; ++c) {
        const P b = cell(bl, c, 18), m = cell(ml, 4 * t + c, 18), f = cell(fl, 4 * t + c, 18);
        if (std::isnan(b.v) || b.v == 0.0) {
          EXPECT_TRUE(std::isnan(f.v)) << model << " factor " << 4 * t + c;
        } else {
          EXPECT_AGREE(f, m / b, model << " factor " << 4 * t + c);
        }
        if (k.atRest) {
          for (const P& life : {b, m})
            EXPECT_TRUE(std::isnan(life.v) || life.v == 9.999e99) << model << " life " << c;
        }
      }
  }

  if (k.stribeck) {
    // Zero clearance: delta_psi = delta_max cos psi, Q = K delta^1.5, so Fr = Qmax sum cos^2.5 psi
    // over the loaded balls (Stribeck; Harris, Rolling Bearing Analysis).
    double qmax = 0.0, sum = 0.0;
    for (int i = 1; i <= nre; ++i) {
      const std::string a = r.row(t1, i);
      EXPECT_EQ(cell(a, 2).v, 0.0) << "inner contact angle of ball " << i;
      if (cell(a, 6).v <= 0.0) continue;
      qmax = std::fmax(qmax, cell(a, 6).v);
      sum += std::pow(std::cos(cell(r.row(te, i), 1).v * M_PI / 180.0), 2.5);
    }
    EXPECT_NEAR(qmax / (load[2].v / sum), 1.0, 0.005);
  }
  if (k.mirror) {
    // The same bearing loaded the other way round: its heaviest roller, half a turn on, has the
    // same traction curve; the last roller carries no load, and the curve still has traction.
    const Report o = run(example(k.mirror));
    const int a = r.at("Slide/Roll", res) + 4, b = o.at("Slide/Roll") + 4;
    for (int n = 1; n <= 40; ++n) {
      EXPECT_NE(cell(r.l[a + n], 2, 5).v, 0.0);
      EXPECT_NE(cell(r.l[a + n], 3, 5).v, 0.0);
      for (int c = 1; c <= 9; ++c) {
        EXPECT_AGREE(cell(r.l[a + n], c, 5), cell(o.l[b + n], c, 5), "traction curve row " << n);
      }
    }
    EXPECT_EQ(cell(r.row(t1, nre), 6).v, 0.0);
  }
}

INSTANTIATE_TEST_SUITE_P(Runs, WholeReport, ::testing::ValuesIn(cases()), [](const auto& i) {
  std::string n = i.param.name;
  for (char& ch : n) ch = ch == '-' ? '_' : ch;
  return n;
});

}  // namespace
