// Shared data model: a fresh run holds the documented initial values and zero (blank for texts)
// everywhere else, shares nothing with another run, and has room for 40 rolling elements; the
// 1-based column-major arrays, their views and index checks; the blank-padded texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <type_traits>
#include <utility>

#include "model/model.h"

namespace {

// Bytes of a module that are neither zero nor a text blank. A fresh Model is value-initialised,
// so padding is zero too.
template <class T>
int strayBytes(const T& x) {
  static_assert(std::is_trivially_copyable_v<T>);
  const auto* b = reinterpret_cast<const unsigned char*>(&x);
  return int(std::count_if(b, b + sizeof(T), [](unsigned char c) { return c != 0 && c != ' '; }));
}

// Writes v at the largest index of every dimension, e.g. a(4, 40) or a(3, 3, 4, 40).
template <class A, std::size_t... I>
void writeAtLast(A& a, typename A::value_type v, std::index_sequence<I...>) {
  a(A::extents[I]...) = v;
}

std::string boundsText(auto&& access) {
  try {
    access();
  } catch (const zq::BoundsError& e) {
    return e.what();
  }
  return "no exception";
}

}  // namespace

TEST(ModelInitialValues, DocumentedValuesAndZeroOrBlankElsewhere) {
  auto other = std::make_unique<Model>();  // a run changed before: the fresh one must not see it
  other->solutions.conload(2, 40) = 1.5;
  other->tracprop.stfac(1) = other->zela1.basepoisson = 0.5;
  auto m = std::make_unique<Model>();
  Constants& c = m->constants;
  // Positive halves of the 4-point Gauss-Legendre rule, closed form (Abramowitz and Stegun
  // 25.4.30): x = sqrt(3/7 -+ 2/7 sqrt(6/5)), w = (18 +- sqrt(30)) / 36.
  EXPECT_NEAR(c.gqx(1), std::sqrt(3.0 / 7.0 - 2.0 / 7.0 * std::sqrt(1.2)), 1e-15);
  EXPECT_NEAR(c.gqx(2), std::sqrt(3.0 / 7.0 + 2.0 / 7.0 * std::sqrt(1.2)), 1e-15);
  EXPECT_NEAR(c.gqw(1), (18.0 + std::sqrt(30.0)) / 36.0, 1e-15);
  EXPECT_NEAR(c.gqw(2), (18.0 - std::sqrt(30.0)) / 36.0, 1e-15);
  EXPECT_NEAR(c.hcons(1) / c.hcons(2), 6894.757, 1e-3);  // the same hardness constant: Pa per psi
  Fatiguecons& f = m->fatiguecons;
  Tracprop& t = m->tracprop;
  const Errorcodes& e = m->errorcodes;
  // Published initial values: 0 degC in K and 0 degF in R; standard gravity in in/s^2 (9.80665 /
  // 0.0254, cut); the tolerances; Tallian's constants; the shear-thinning table ends; error codes.
  const std::pair<double, double> published[] = {
      {c.pi, std::numbers::pi}, {c.abst(1), 273.15}, {c.abst(2), 459.67}, {c.ag(1), 1.0}, {c.ag(2), 386.088},
      {c.hcons(1), 98066500.0}, {c.tolr(1), 1e-10}, {c.tolr(2), 1e-6}, {c.tolr(3), 1e-4}, {c.crnlmt, 1e6},
      {c.xinf, 9.999e99}, {double(c.ff), 12}, {m->opcond.angvelorient, 180}, {double(m->options.kraceeq), 2},
      {double(f.khoop), 1}, {f.fla, 0.23}, {f.flalfa, 40}, {f.flbeta, 1.6}, {f.flzeta, 7.33}, {f.phi1a, 1.5},
      {f.phi1b, 1}, {f.phi1f, 1.5}, {f.phi1blp, 1}, {f.phi2blp, 1}, {f.phi2clean, 600}, {f.phi3blp, 1.6e-5},
      {f.zfrac, 0.027}, {double(t.nstf), 40}, {t.gshearmod, 8e10}, {t.stfac(1), 1}, {t.stfac(40), 0.01},
      {double(e.kinitangvel), 10}, {double(e.kflngang), 11}, {double(e.kflngcorint), 12},
      {double(e.kflngconb), 13}, {double(e.kfopen), 90}, {double(e.kfchk), 91}, {double(e.krootlc), 113},
      {double(e.krootc4), 114}, {double(e.krootd1), 115}, {double(e.knoflng), 121}, {double(e.kargelpint), 122},
      {double(e.ksingmat), 123}, {double(e.kitcntre), 124}, {double(e.kitcntrace), 125},
      {double(e.kcorrlmtre), 126}, {double(e.kcorrlmtrace), 127}, {m->zela1.lpelasticratio, 1.0},
      {m->zela1.basepoisson, 0.277}, {m->zela1.basemodulus, 2.0133e11}};
  for (const auto& [value, expected] : published) EXPECT_EQ(value, expected);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(c.sig(j), j % 2 == 1 ? 1.0 : -1.0) << j;
  for (int k = 2; k <= 40; ++k) EXPECT_LT(t.stfac(k), t.stfac(k - 1)) << k;  // thinning grows
  EXPECT_TRUE(c.one == 1 && c.two == 2 && c.three == 3 && c.four == 4 && c.five == 5 && c.six == 6 &&
              c.seven == 7 && c.eight == 8 && c.nine == 9 && c.ten == 10);
  EXPECT_TRUE(c.iver == "(ZelorQS 8.50)" && c.rdate == "06Jul2020" && t.lubname == "None" &&
              t.tracmodname == "None" && t.vismodname == "None" && t.shthmodname == "None");
  EXPECT_TRUE(std::all_of(m->options.kfs.begin(), m->options.kfs.end(), [](int k) { return k == 1; }));
  const Devices& d = m->devices;
  EXPECT_TRUE(d.input == 2 && d.output == 3 && d.inname == "DATA.txt" && d.outname == "PRINT.txt");
  // Clear the documented values; then every byte of every module is zero or a blank.
  c.ff = 0;
  c.pi = c.crnlmt = c.xinf = 0;
  c.one = c.two = c.three = c.four = c.five = c.six = c.seven = c.eight = c.nine = c.ten = 0;
  for (auto* a : {&c.abst, &c.ag, &c.hcons, &c.gqx, &c.gqw}) a->fill(0);
  c.tolr.fill(0);
  c.sig.fill(0);
  c.iver = c.rdate = "";
  m->opcond.angvelorient = 0;
  m->options.kraceeq = 0;
  m->options.kfs.fill(0);
  f.khoop = 0;
  f.fla = f.flalfa = f.flbeta = f.flzeta = f.phi1a = f.phi1b = f.phi1f = f.phi1blp = f.phi2blp = 0;
  f.phi2clean = f.phi3blp = f.zfrac = 0;
  t.nstf = 0;
  t.gshearmod = 0;
  t.stfac.fill(0);
  t.lubname = t.tracmodname = t.vismodname = t.shthmodname = "";
  m->zela1.lpelasticratio = m->zela1.basepoisson = m->zela1.basemodulus = 0;
#define ZQS_STRAY(module) std::pair<const char*, int>(#module, strayBytes(m->module))
  for (const auto& [name, stray] :
       {ZQS_STRAY(constants), ZQS_STRAY(options), ZQS_STRAY(brggeom), ZQS_STRAY(opcond), ZQS_STRAY(matprop),
        ZQS_STRAY(tracprop), ZQS_STRAY(fatiguecons), ZQS_STRAY(units), ZQS_STRAY(genvecs), ZQS_STRAY(vecmats),
        ZQS_STRAY(revecs), ZQS_STRAY(flngdata), ZQS_STRAY(loadder), ZQS_STRAY(solutions), ZQS_STRAY(errors),
        ZQS_STRAY(setupa4), ZQS_STRAY(setupa5), ZQS_STRAY(setupb1), ZQS_STRAY(setupc2), ZQS_STRAY(setupd1),
        ZQS_STRAY(tmparea), ZQS_STRAY(zela1), ZQS_STRAY(zelg8), ZQS_STRAY(zela2), ZQS_STRAY(zelc2),
        ZQS_STRAY(zela7), ZQS_STRAY(zela71), ZQS_STRAY(zelc5), ZQS_STRAY(zeld7), ZQS_STRAY(zela3), ZQS_STRAY(zela4),
        ZQS_STRAY(quasistaticeq), ZQS_STRAY(zela5), ZQS_STRAY(zeld6), ZQS_STRAY(benchcounts)})
    EXPECT_EQ(stray, 0) << name;
#undef ZQS_STRAY
}

TEST(ModelLimits, FortyRollingElementsFitThePerElementArrays) {
  // One array of each per-element shape: element 40 is stored, and is the last entry when the
  // element index is the last index; the state vector holds the 40 elements and both races.
  auto m = std::make_unique<Model>();
  auto fits = [](auto& a, const char* name) {
    using A = std::remove_reference_t<decltype(a)>;
    EXPECT_NO_THROW(writeAtLast(a, 7, std::make_index_sequence<A::rank>{})) << name;
    EXPECT_TRUE(a.lin(int(A::size)) == 7 && std::count(A::extents.begin(), A::extents.end(), 40) == 1) << name;
  };
  fits(m->brggeom.redia, "redia"); fits(m->brggeom.recur, "recur"); fits(m->brggeom.regeocen, "regeocen");
  fits(m->solutions.conload, "conload"); fits(m->vecmats.inerttore, "inerttore"); fits(m->brggeom.tre, "tre");
  fits(m->vecmats.tacs, "tacs"); fits(m->solutions.conang, "conang"); fits(m->solutions.relifelp, "relifelp");
  fits(m->solutions.conloaddis, "conloaddis");
  EXPECT_NO_THROW(m->genvecs.x(12 * 41 + 1 + 12) = 1.0);  // race 2, slot 12: entry 505
  EXPECT_NO_THROW(m->solutions.ths(4 * 40) = 1.0);
}

TEST(FArrayLayout, ColumnMajorOneBasedWithAliasingViews) {
  zq::FArray<int, 3, 4> a;
  for (int k = 1; k <= 12; ++k) a.lin(k) = k;
  for (int j = 1; j <= 4; ++j)
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(a(i, j), i + 3 * (j - 1)) << i << ',' << j;  // first index fastest
  zq::FArray<double, 2, 3, 4> b;
  EXPECT_EQ(&b(2, 3, 4) - &b(1, 1, 1), 1 + 2 * 2 + 2 * 3 * 3);
  auto m = std::make_unique<Model>();
  auto& tacs = m->vecmats.tacs;  // (3, 3, 4, 40): tacs.sub<3, 3>(j, i) is tacs(:, :, j, i)
  const auto& ctacs = tacs;
  for (int i : {1, 17, 40})
    for (int j = 1; j <= 4; ++j) {
      zq::Mat3Ref t = tacs.sub<3, 3>(j, i);
      zq::Mat3In ct = ctacs.sub<3, 3>(j, i);
      for (int k = 1; k <= 9; ++k) {
        const int r = (k - 1) % 3 + 1, c = (k - 1) / 3 + 1;
        EXPECT_TRUE(&t(r, c) == &tacs(r, c, j, i) && &ct(r, c) == &tacs(r, c, j, i)) << r << c << j << i;
      }
    }
  zq::Vec3Ref v = m->vecmats.regc.sub<3>(40);
  v(3) = 7.5;
  EXPECT_EQ(m->vecmats.regc(3, 40), 7.5);
  auto& x = m->genvecs.x;
  x.from<3>(12 * 39 + 2)(3) = 2.25;  // slots 1-3 of element 40
  EXPECT_EQ(x(12 * 39 + 1 + 3), 2.25);
  EXPECT_THROW((zq::FArray<int, 2>{1, 2, 3}), zq::BoundsError);  // surplus initial values refused
  const zq::FArray<int, 3> s{7};
  EXPECT_TRUE(s(1) == 7 && s(3) == 0);
}

TEST(FArrayBounds, CheckedBuildNamesShapeAndIndex) {
#if !defined(ZELORQS_BOUNDS_CHECK)
  GTEST_SKIP() << "index checks are compiled only with ZELORQS_BOUNDS_CHECK";
#else
  auto m = std::make_unique<Model>();
  const std::string texts[][2] = {
      {boundsText([&] { (void)m->solutions.conload(2, 41); }), "(4,40), dimension 2, index 41"},
      {boundsText([&] { (void)m->solutions.conload(0, 1); }), "(4,40), dimension 1, index 0"},
      {boundsText([&] { (void)m->brggeom.racerad.lin(9); }), "(2,4) linear, index 9"}};
  for (const auto& t : texts) EXPECT_NE(t[0].find(t[1]), std::string::npos) << t[0];
  EXPECT_THROW((void)(m->vecmats.tacs.sub<3, 3>(5, 1)), zq::BoundsError);
  EXPECT_THROW((void)m->genvecs.x.from<12>(495), zq::BoundsError);
  EXPECT_NO_THROW((void)m->genvecs.x.from<12>(494));
  zq::Mat3Ref t = m->vecmats.tacs.sub<3, 3>(4, 40);
  EXPECT_THROW((void)t(4, 1), zq::BoundsError);
#endif
}

TEST(FText, CutsPadsComparesAndRefusesPositionsOutside) {
  zq::FText<6> t = "abcdefgh";
  EXPECT_EQ(t.view(), "abcdef");  // longer: cut
  t = "ab";
  EXPECT_TRUE(t.view() == "ab    " && t.trimmed() == "ab");  // shorter: padded with blanks
  EXPECT_TRUE(t == "ab" && t == "ab  " && !(t == " ab") && !(t == "abc"));  // trailing blanks do not count
  zq::FText<3> w;
  w = zq::FText<10>("ab");  // to a shorter text: cut
  EXPECT_TRUE(w.view() == "ab " && t == zq::FText<10>("ab") && zq::FText<4>().view() == "    ");
  zq::FText<8> s = "PRINTtxt";
  EXPECT_TRUE(s(1) == 'P' && s.sub(6, 8) == "txt" && s.sub(3, 2).empty());  // 1-based, inclusive
  s.setSub(1, 5, "ab");   // the assigned part padded with blanks
  s.setSub(7, 8, "XYZ");  // and cut at the end of the text
  EXPECT_EQ(s.view(), "ab   tXY");
  // Positions come from variables, as in the program (constants would draw compile-time
  // warnings for the very accesses the checks refuse).
  volatile int zero = 0, two = 2, three = 3, four = 4, five = 5, six = 6;
  const zq::FText<4> u("abcd");
  EXPECT_THROW((void)u.sub(three, six), zq::BoundsError);
  EXPECT_THROW((void)u.sub(zero, two), zq::BoundsError);
  EXPECT_THROW((void)u(five), zq::BoundsError);
  EXPECT_THROW(zq::FText<4>(u).setSub(four, five, "xy"), zq::BoundsError);
}
