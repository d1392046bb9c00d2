// Shared data model: initial values of a fresh run, the storage rules of the 1-based
// column-major arrays and their views, the index checks of the checked build, the blank-padded
// texts, the independence of two runs, and room for 40 rolling elements in every per-element
// array. Reference values: the data model's own initial values unless a source is named.
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

std::unique_ptr<Model> freshModel() { return std::make_unique<Model>(); }

// Writes v at the largest index of every dimension, e.g. a(4, 40) or a(3, 3, 4, 40).
template <class A, std::size_t... I>
void writeAtLast(A& a, typename A::value_type v, std::index_sequence<I...>) {
  a(A::extents[I]...) = v;
}

}  // namespace

// Initial constants that have an outside reference; the others are plain data.
TEST(ModelInitialValues, ConstantsWithAReference) {
  auto m = freshModel();
  const Constants& c = m->constants;
  EXPECT_EQ(c.pi, std::numbers::pi);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(c.sig(j), j % 2 == 1 ? 1.0 : -1.0) << j;
  EXPECT_EQ(c.abst(1), 273.15);  // 0 degC in K
  EXPECT_EQ(c.abst(2), 459.67);  // 0 degF in R
  EXPECT_EQ(c.ag(2), 386.088);   // standard gravity in in/s^2 (9.80665 / 0.0254, cut)
  // Both hardness constants are the same quantity: ratio = Pa per psi (6894.757).
  EXPECT_NEAR(c.hcons(1) / c.hcons(2), 6894.757, 1.0e-3);
  // Positive halves of the 4-point Gauss-Legendre rule, closed form (Abramowitz and Stegun
  // 25.4.30): x = sqrt(3/7 -+ 2/7 sqrt(6/5)), w = (18 +- sqrt(30)) / 36; stored to 8 digits.
  EXPECT_NEAR(c.gqx(1), std::sqrt(3.0 / 7.0 - 2.0 / 7.0 * std::sqrt(1.2)), 1.0e-8);
  EXPECT_NEAR(c.gqx(2), std::sqrt(3.0 / 7.0 + 2.0 / 7.0 * std::sqrt(1.2)), 1.0e-8);
  EXPECT_NEAR(c.gqw(1), (18.0 + std::sqrt(30.0)) / 36.0, 1.0e-8);
  EXPECT_NEAR(c.gqw(2), (18.0 - std::sqrt(30.0)) / 36.0, 1.0e-8);
  // Shear-thinning factor table: starts at 1 (no thinning), falls strictly, ends at 0.01.
  const Tracprop& t = m->tracprop;
  EXPECT_EQ(t.stfac(1), 1.0);
  EXPECT_EQ(t.stfac(40), 0.01);
  for (int k = 2; k <= 40; ++k) EXPECT_LT(t.stfac(k), t.stfac(k - 1)) << k;
}

TEST(FArrayLayout, ColumnMajorOneBased) {
  zq::FArray<int, 3, 4> a;
  int n = 0;
  for (int j = 1; j <= 4; ++j)
    for (int i = 1; i <= 3; ++i) a(i, j) = ++n;  // first index fastest
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(a.lin(k), k);
  EXPECT_EQ(&a(1, 1), &a.lin(1));
  EXPECT_EQ(&a(2, 1), &a.lin(2));
  EXPECT_EQ(&a(1, 2), &a.lin(3 + 1));
  zq::FArray<double, 2, 3, 4> b;
  EXPECT_EQ(&b(2, 3, 4) - &b(1, 1, 1), (2 - 1) + 2 * (3 - 1) + 2 * 3 * (4 - 1));
}

TEST(FArrayLayout, SubViewsAliasTheirElements) {
  auto m = freshModel();
  auto& tacs = m->vecmats.tacs;
  for (int i : {1, 17, 40})
    for (int j = 1; j <= 4; ++j) {
      zq::Mat3Ref t = tacs.sub<3, 3>(j, i);
      for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r) {
          EXPECT_EQ(&t(r, c), &tacs(r, c, j, i));
          t(r, c) = 100.0 * i + 10.0 * j + 3 * (c - 1) + r;
        }
      EXPECT_EQ(tacs(2, 3, j, i), 100.0 * i + 10.0 * j + 8);
    }
  auto& regc = m->vecmats.regc;
  zq::Vec3Ref v = regc.sub<3>(40);
  v(3) = 7.5;
  EXPECT_EQ(regc(3, 40), 7.5);
  auto& x = m->genvecs.x;
  zq::FRef<double, 3> slots = x.from<3>(12 * 39 + 2);  // slots 1-3 of element 40
  slots(3) = 2.25;
  EXPECT_EQ(x(12 * 39 + 1 + 3), 2.25);
}

TEST(FArrayBounds, CheckedBuildNamesShapeAndIndex) {
#if !defined(ZELORQS_BOUNDS_CHECK)
  GTEST_SKIP() << "index checks are compiled only with ZELORQS_BOUNDS_CHECK";
#else
  auto m = freshModel();
  auto message = [](auto&& access) -> std::string {
    try {
      access();
    } catch (const zq::BoundsError& e) {
      return e.what();
    }
    return "no exception";
  };
  std::string s = message([&] { (void)m->solutions.conload(2, 41); });
  EXPECT_NE(s.find("(4,40)"), std::string::npos) << s;
  EXPECT_NE(s.find("index 41"), std::string::npos) << s;
  s = message([&] { (void)m->solutions.conload(0, 1); });
  EXPECT_NE(s.find("index 0"), std::string::npos) << s;
  s = message([&] { (void)m->brggeom.racerad.lin(9); });
  EXPECT_NE(s.find("(2,4)"), std::string::npos) << s;
  EXPECT_NE(s.find("index 9"), std::string::npos) << s;
  auto& tacs = m->vecmats.tacs;
  EXPECT_THROW((void)(tacs.sub<3, 3>(5, 1)), zq::BoundsError);
  EXPECT_THROW((void)m->genvecs.x.from<12>(495), zq::BoundsError);
  EXPECT_NO_THROW((void)m->genvecs.x.from<12>(494));
  zq::Mat3Ref t = tacs.sub<3, 3>(4, 40);
  EXPECT_THROW((void)t(4, 1), zq::BoundsError);
#endif
}

TEST(FText, CutsPadsAndCompares) {
  zq::FText<6> t = "abcdefgh";  // longer: cut to 6
  EXPECT_EQ(t.view(), "abcdef");
  t = "ab";  // shorter: padded with blanks
  EXPECT_EQ(t.view(), "ab    ");
  EXPECT_EQ(t.trimmed(), "ab");
  EXPECT_TRUE(t == "ab");
  EXPECT_TRUE(t == "ab  ");          // trailing blanks do not count
  EXPECT_FALSE(t == " ab");          // leading blanks do
  EXPECT_FALSE(t == "abc");
  zq::FText<10> u = "ab";
  EXPECT_TRUE(t == u);               // different lengths compare by content
  zq::FText<3> w;
  w = u;                             // text to shorter text: cut
  EXPECT_EQ(w.view(), "ab ");
  EXPECT_EQ(zq::FText<4>().view(), "    ");
  zq::FText<8> s = "PRINTtxt";
  EXPECT_EQ(s(1), 'P');              // characters are 1-based
  EXPECT_EQ(s.sub(6, 8), "txt");     // inclusive substring
  s.setSub(1, 5, "ab");              // assigned part padded with blanks
  EXPECT_EQ(s.view(), "ab   txt");
}

TEST(ModelIndependence, TwoRunsShareNothing) {
  auto a = freshModel();
  auto b = freshModel();
  a->solutions.conload(2, 40) = 1.5;
  a->tracprop.lubname = "Mineral oil";
  a->tracprop.stfac(1) = 0.5;
  EXPECT_EQ(b->solutions.conload(2, 40), 0.0);
  EXPECT_TRUE(b->tracprop.lubname == "None");
  EXPECT_EQ(b->tracprop.stfac(1), 1.0);
}

// Every array that holds one entry per rolling element.
#define ZQS_PER_ELEMENT_ARRAYS \
  X(brggeom.kcontype) X(brggeom.recencrndrop) X(brggeom.recenlen) X(brggeom.recenlenoffset) \
  X(brggeom.recenlenvar) X(brggeom.recostaper) X(brggeom.recrn) X(brggeom.recrnvar) \
  X(brggeom.redia) X(brggeom.rediavar) X(brggeom.relen) X(brggeom.relenvar) X(brggeom.remass) \
  X(brggeom.rerad) X(brggeom.retantaper) X(brggeom.retaper) X(brggeom.retapervar) \
  X(brggeom.recenlmt) X(brggeom.reconlmt) X(brggeom.recorrad) X(brggeom.recorradvar) \
  X(brggeom.recur) X(brggeom.recurcen) X(brggeom.reendcen) X(brggeom.reendrad) \
  X(brggeom.reendradvar) X(brggeom.reframe) X(brggeom.regeocen) X(brggeom.remi) X(brggeom.recorcen) \
  X(brggeom.reprrad) X(brggeom.reendframe) X(brggeom.regeotoprin) X(brggeom.tre) X(fatiguecons.sk) \
  X(flngdata.istat) X(flngdata.rerotc) X(flngdata.rerotp) X(opcond.retemp) X(setupa4.njb) \
  X(setupa4.sx) X(setupa5.minalfgrid) X(setupa5.mingrid) X(setupb1.kregc) X(setupb1.bfors) \
  X(setupb1.bmoms) X(setupb1.reflngfors) X(setupb1.reflngmoms) X(setupb1.rfors) X(setupb1.rmoms) \
  X(setupb1.raceflngfors) X(setupb1.raceflngmoms) X(solutions.idflngcon) X(solutions.npoints) \
  X(solutions.cenforce) X(solutions.gymoment) X(solutions.recdloss) X(solutions.rechrnmom) \
  X(solutions.redragforce) X(solutions.remff) X(solutions.reorbvelr) X(solutions.reorbvelrp) \
  X(solutions.reorbvelrt) X(solutions.rewrtt) X(solutions.reaxis) X(solutions.reendwr) \
  X(solutions.reendwrp) X(solutions.reendwrt) X(solutions.reangvels) X(solutions.relifeih) \
  X(solutions.relifelp) X(solutions.relifevk) X(solutions.acl) X(solutions.astar) \
  X(solutions.bstar) X(solutions.condef) X(solutions.conflex) X(solutions.conlihres) \
  X(solutions.conlihs) X(solutions.conllpres) X(solutions.conllps) X(solutions.conload) \
  X(solutions.conlvkres) X(solutions.conlvks) X(solutions.conpress) X(solutions.contempr) \
  X(solutions.conwidtha) X(solutions.conwidthb) X(solutions.curfunc) X(solutions.cursum) \
  X(solutions.filmmodfac) X(solutions.filmtemp) X(solutions.filmthk) X(solutions.flngangconpos) \
  X(solutions.flngconposy) X(solutions.flngconposz) X(solutions.flngconwidtha) \
  X(solutions.flngconwidthb) X(solutions.flngdef) X(solutions.flngentvel) X(solutions.flngforce) \
  X(solutions.flngreconpos) X(solutions.flngslip) X(solutions.flngsv) X(solutions.flngsvp) \
  X(solutions.flngsvt) X(solutions.gparamih) X(solutions.gparamihre) X(solutions.gparamlp) \
  X(solutions.gparamlpre) X(solutions.gparamvk) X(solutions.gparamvkre) X(solutions.pcapih) \
  X(solutions.pcapihre) X(solutions.pcaplp) X(solutions.pcaplpre) X(solutions.pcapvk) \
  X(solutions.pcapvkre) X(solutions.qcap) X(solutions.qcapih) X(solutions.qcapihre) \
  X(solutions.qcaplp) X(solutions.qcaplpre) X(solutions.qcapvk) X(solutions.qcapvkre) \
  X(solutions.qcl) X(solutions.qcllp) X(solutions.qclvk) X(solutions.raceflngwri) \
  X(solutions.radconposr) X(solutions.radiusx) X(solutions.repv) X(solutions.reracemaxslip) \
  X(solutions.reracetrac) X(solutions.resv) X(solutions.resvp) X(solutions.resvt) X(solutions.rewr) \
  X(solutions.rewrp) X(solutions.rewrt) X(solutions.rollvel) X(solutions.shearthinfac) \
  X(solutions.spintoroll) X(solutions.conlmts) X(solutions.contemp) X(solutions.repvx) \
  X(solutions.conposr) X(solutions.conang) X(solutions.condefdis) X(solutions.conloaddis) \
  X(solutions.conslipdis) X(solutions.contracdis) X(solutions.conwidthdis) X(solutions.xcoord) \
  X(solutions.ycoord) X(vecmats.kns) X(vecmats.cosbt) X(vecmats.reangvel) X(vecmats.reangveli) \
  X(vecmats.regc) X(vecmats.regci) X(vecmats.remc) X(vecmats.remci) X(vecmats.revel) \
  X(vecmats.reveli) X(vecmats.sinbt) X(vecmats.inerttoiaz) X(vecmats.inerttore) X(vecmats.retoiaz) \
  X(vecmats.cbs) X(vecmats.crs) X(vecmats.racetoiaz) X(vecmats.tacs) X(vecmats.xys)

TEST(ModelLimits, FortyRollingElementsFitEveryPerElementArray) {
  auto m = freshModel();
  m->brggeom.nre = 40;
  int checked = 0;
  auto check = [&checked](auto& a, const char* name) {
    using A = std::remove_reference_t<decltype(a)>;
    const bool hasElementDim = std::find(A::extents.begin(), A::extents.end(), 40) != A::extents.end();
    EXPECT_TRUE(hasElementDim) << name;
    typename A::value_type v{};
    v = 7;
    EXPECT_NO_THROW(writeAtLast(a, v, std::make_index_sequence<A::rank>{})) << name;
    EXPECT_EQ(a.lin(int(A::size)), v) << name;  // the last index is the last stored entry
    ++checked;
  };
#define X(member) check(m->member, #member);
  ZQS_PER_ELEMENT_ARRAYS
#undef X
  EXPECT_GT(checked, 150);
  // Flattened per-element storage: the state block of element 40 and the contact scratch.
  const int last = 12 * (40 - 1) + 1 + 12;
  EXPECT_NO_THROW(m->genvecs.x(last) = 1.0);
  EXPECT_NO_THROW(m->genvecs.x(last + 24) = 1.0);  // race 2, slot 12: the last entry
  EXPECT_EQ(last + 24, 505);
  EXPECT_NO_THROW(m->solutions.ths(4 * 40) = 1.0);
}

TEST(FText, PositionsOutsideTheTextAreRefused) {
  zq::FText<4> t("abcd");
  EXPECT_EQ(t.sub(2, 3), "bc");
  EXPECT_EQ(t.sub(3, 2), "");
  // Positions come from variables, as in the program (constants would draw compile-time
  // warnings for the very accesses the checks refuse).
  volatile int zero = 0, two = 2, three = 3, four = 4, five = 5, six = 6;
  EXPECT_THROW((void)t.sub(three, six), zq::BoundsError);
  EXPECT_THROW((void)t.sub(zero, two), zq::BoundsError);
  EXPECT_THROW((void)t(five), zq::BoundsError);
  EXPECT_THROW(t.setSub(four, five, "xy"), zq::BoundsError);
}

TEST(FArrayLayout, SurplusInitialValuesAreRefused) {
  EXPECT_THROW((zq::FArray<int, 2>{1, 2, 3}), zq::BoundsError);
  const zq::FArray<int, 3> a{7};
  EXPECT_EQ(a(1), 7);
  EXPECT_EQ(a(3), 0);
}
