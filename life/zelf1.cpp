// Fatigue lives after Lundberg and Palmgren (1947, 1952: load capacity Qc of a contact, race
// life (sum (Q/Qc)^3)^-1 for a rotating and (sum (Q/Qc)^(3e))^(-1/e) for a stationary race) and
// the stress-capacity forms of the current LP, VK (maximum shear) and Ioannides-Harris (fatigue
// limit) models: a contact of maximum Hertz pressure p lives (P/p)^pexp million revolutions of
// the reference race, P its stress capacity. Non-dimensional loads and lengths; lives in hours of
// the faster race, contact lives in million revolutions; Weibull slope e = 10/9.
#include "life/zelf1.h"

#include <algorithm>
#include <cmath>

#include "contact/zelc4.h"
#include "model/model.h"

namespace zelf1 {

namespace {

// Constants of one stress-capacity model on one side (race or element) of a contact.
struct StressModel {
  double fcon, kappa, prexp, gexp, uexp, g1, g2, g3;
  bool vk;  // maximum-shear model: G from (a* b*)^g1 and the LP capacity scaled by P
};

// Contact quantities that enter every stress capacity: Hertz factors a*, b* (point contact),
// half length l (line contact), curvature sum s, reduced modulus e E0 of the pair.
struct Hertz {
  bool line;
  double a, b, l, s, eE0;
};

// Results of one model on one side: geometry group, stress capacity, load capacity.
struct Capacity {
  double g = 0.0, p = 0.0, q = 0.0;
};

StressModel racemodel(const Model& m, int n, int k, bool line) {
  const auto& f = m.fatiguecons;
  switch (n) {
    case kLp:
      return {f.fconlp(k), line ? f.ckapalnlp(k) : f.ckapaptlp(k), f.prexplp(k), f.gexplp(k),
              f.uexplp(k), f.g1explp(k), f.g2explp(k), f.g3explp(k), false};
    case kVk:
      return {f.fconvk(k), line ? f.ckapalnvk(k) : f.ckapaptvk(k), f.prexpvk(k), f.gexpvk(k),
              f.uexpvk(k), f.g1expvk(k), f.g2expvk(k), f.g3expvk(k), true};
    default:
      return {f.fconih(k), line ? f.ckapalnih(k) : f.ckapaptih(k), f.prexpih(k), f.gexpih(k),
              f.uexpih(k), f.g1expih(k), f.g2expih(k), f.g3expih(k), false};
  }
}

StressModel elementmodel(const Model& m, int n, bool line) {
  const auto& f = m.fatiguecons;
  switch (n) {
    case kLp:
      return {f.fconlpre, line ? f.ckapalnlpre : f.ckapaptlpre, f.prexplpre, f.gexplpre,
              f.uexplpre, f.g1explpre, f.g2explpre, f.g3explpre, false};
    case kVk:
      return {f.fconvkre, line ? f.ckapalnvkre : f.ckapaptvkre, f.prexpvkre, f.gexpvkre,
              f.uexpvkre, f.g1expvkre, f.g2expvkre, f.g3expvkre, true};
    default:
      return {f.fconihre, line ? f.ckapalnihre : f.ckapaptihre, f.prexpihre, f.gexpihre,
              f.uexpihre, f.g1expihre, f.g2expihre, f.g3expihre, false};
  }
}

// Stress capacity P = fcon kappa e^prexp G^gexp u^uexp of one model, with the geometry group G
// of a track of length factor len (2 r for a race, the element diameter for an element), and
// its load capacity: the load at which the Hertz pressure equals P. Point contact (Hertz:
// p^3 = 3 Q (s E')^2 / (2 (pi a* b*)^3)): Q = 2 (pi a* b* P)^3 / (3 (s E')^2); line contact
// (p^2 = Q E' s / (2 pi l)): Q = 2 pi l P^2 / (E' s); E' = e E0. The VK capacity is the LP one
// scaled with its own P (same Hertz law). A speed ratio u of 0 (no over-rolling) gives xinf.
Capacity stresscapacity(const Model& m, const StressModel& c, const Hertz& h, double len, double e,
                        double u, const Capacity& lp) {
  Capacity r;
  if (h.line) {
    r.g = c.vk ? len * h.l / h.s : len * h.l * std::pow(h.s, c.g3);
  } else if (c.vk) {
    r.g = len * std::pow(h.a * h.b, c.g1) * std::pow(h.s, c.g3);
  } else {
    r.g = len * std::pow(h.a, c.g1) * std::pow(h.b, c.g2) * std::pow(h.s, c.g3);
  }
  if (u == 0.0) {
    r.p = r.q = m.constants.xinf;
    return r;
  }
  r.p = c.fcon * c.kappa * std::pow(e, c.prexp) * std::pow(r.g, c.gexp) * std::pow(u, c.uexp);
  const double pi = m.constants.pi;
  if (c.vk) {
    r.q = lp.q * std::pow(r.p / lp.p, h.line ? 2.0 : 3.0);
  } else if (h.line) {
    r.q = 2.0 * pi * h.l * r.p * r.p / (h.eE0 * h.s);
  } else {
    const double t = pi * h.a * r.p * h.b;
    r.q = 2.0 * t * t * t / (3.0 * h.eE0 * h.s * h.eE0 * h.s);
  }
  return r;
}

// Basic inverse lives (per million revolutions) of a loaded contact of pressure p: the
// residual and hoop shear stresses and the fatigue limit reduce the effective shear stress of
// the VK and IH race lives; none reaches the element lives except the IH fatigue limit.
struct Inverse {
  zq::FArray<double, 4> race, elem;  // by model; elem(kOrig) unused
};

void stressinverse(const Model& m, int k, double p, const Capacity* race, const Capacity* elem,
                   bool racecycles, bool elemcycles, Inverse& inv) {
  const auto& f = m.fatiguecons;
  if (!(p > 0.0)) return;  // no pressure, no stress cycle (the thresholds would read 0/0)
  if (racecycles) {
    inv.race(kLp) = std::pow(p / race[kLp].p, f.pexplp(k));
    const double d = 1.0 - (f.taurvk(k) + f.tauhvk(k)) / (f.zetavk * p);
    if (d > 0.0)
      inv.race(kVk) = std::pow(p / race[kVk].p, f.pexpvk(k)) * std::pow(d, f.shearexpvk(k));
    const double z = f.zetaih * p;
    const double d1 = 1.0 - f.shearlmtih(k) / z;
    const double d2 = 1.0 - (f.shearlmtih(k) + f.taurih(k) + f.tauhih(k)) / z;
    if (d1 > 0.0 && d2 > 0.0)
      inv.race(kIh) = std::pow(p / race[kIh].p, f.pexpih(k)) *
                      std::pow(d2, f.shearexpih(k) * f.wbdisinv(k)) *
                      std::pow(d1, (2.0 - f.depthexpih(k)) * f.wbdisinv(k));
  }
  if (elemcycles) {
    inv.elem(kLp) = std::pow(p / elem[kLp].p, f.pexplpre);
    inv.elem(kVk) = std::pow(p / elem[kVk].p, f.pexpvkre);
    const double d = 1.0 - f.shearlmtihre / (f.zetaih * p);
    if (d > 0.0)
      inv.elem(kIh) = std::pow(p / elem[kIh].p, f.pexpihre) *
                      std::pow(d, f.shearexpihre * f.wbdisreinv) *
                      std::pow(d, (2.0 - f.depthexpihre) * f.wbdisreinv);
  }
}

// Capacities and basic inverse lives of the loaded contact (k, j) at speed ratios ur (orbit
// relative to the race) and ue (element spin relative to the cage), stored per contact.
void contactcapacities(Model& m, int k, int j, double ur, double ue, Inverse& inv) {
  auto& s = m.solutions;
  const auto& f = m.fatiguecons;
  const double xinf = m.constants.xinf;

  // Original LP: Qc = qcc (1 -+ gamma)^1.39 / u^(1/qexp) (point) or qcc l^(7/9) / u^(1/qexp).
  double q = s.conload(k, j);
  double qc = xinf;
  if (f.kmodeltype(1) < 1) {
    if (ur != 0.0)
      qc = f.qcc(k) * std::pow(1.0 + f.dd(k) * std::cos(s.conang(k, 1, j)), 1.39) /
           std::pow(ur, f.qexpinv(k));
  } else {
    q = s.qcl(k, j);
    if (ur != 0.0) qc = f.qcc(k) * std::pow(s.acl(k, j), 0.778) / std::pow(ur, f.qexpinv(k));
  }
  s.qcap(k, j) = qc;
  inv.race(kOrig) = ur != 0.0 ? std::pow(q / qc, f.qexp(k)) : 0.0;

  // Hertz factors of a point contact: those stored by the contact, or for a near-line contact
  // (which stores none) the table values at its own curvature difference (finite up to F = 1).
  const bool line = f.kmodeltype(2) >= 1;
  Hertz h{line, s.astar(k, j), s.bstar(k, j), s.conwidtha(k, j), s.cursum(k, j),
          f.er(k) * f.baseep};
  if (!line && s.curfunc(k, j) > 0.9995) {
    double dstar = 0.0;
    zelc4::zelc4(m, s.curfunc(k, j), h.a, h.b, dstar, 0);
  }
  Capacity race[5], elem[5];
  const double e = f.er(k);
  for (int n = kLp; n <= kIh; ++n) {
    race[n] = stresscapacity(m, racemodel(m, n, k, line), h, 2.0 * s.radconposr(k, j), e, ur,
                             race[kLp]);
    elem[n] = stresscapacity(m, elementmodel(m, n, line), h, m.brggeom.redia(j), e, ue, elem[kLp]);
  }
  s.gparamlp(k, j) = race[kLp].g;
  s.pcaplp(k, j) = race[kLp].p;
  s.qcaplp(k, j) = race[kLp].q;
  s.gparamvk(k, j) = race[kVk].g;
  s.pcapvk(k, j) = race[kVk].p;
  s.qcapvk(k, j) = race[kVk].q;
  s.gparamih(k, j) = race[kIh].g;
  s.pcapih(k, j) = race[kIh].p;
  s.qcapih(k, j) = race[kIh].q;
  s.gparamlpre(k, j) = elem[kLp].g;
  s.pcaplpre(k, j) = elem[kLp].p;
  s.qcaplpre(k, j) = elem[kLp].q;
  s.gparamvkre(k, j) = elem[kVk].g;
  s.pcapvkre(k, j) = elem[kVk].p;
  s.qcapvkre(k, j) = elem[kVk].q;
  s.gparamihre(k, j) = elem[kIh].g;
  s.pcapihre(k, j) = elem[kIh].p;
  s.qcapihre(k, j) = elem[kIh].q;

  stressinverse(m, k, s.conpress(k, j), race, elem, ur != 0.0, ue != 0.0, inv);
}

// Capacities of race segment k at the heaviest element; 0 when that contact carries no load.
void heaviestcapacities(Model& m, int k, int j, bool loaded, double lambda, double factor) {
  auto& s = m.solutions;
  const auto at = [&](const zq::FArray<double, 4, 40>& a) { return loaded ? a(k, j) : 0.0; };
  s.qcapacity(k) = at(s.qcap);
  s.pcapacitylp(k) = at(s.pcaplp);
  s.qcapacitylp(k) = at(s.qcaplp);
  s.pcapacityvk(k) = at(s.pcapvk);
  s.qcapacityvk(k) = at(s.qcapvk);
  s.pcapacityih(k) = at(s.pcapih);
  s.qcapacityih(k) = at(s.qcapih);
  s.pcapacitylpre(k) = at(s.pcaplpre);
  s.qcapacitylpre(k) = at(s.qcaplpre);
  s.pcapacityvkre(k) = at(s.pcapvkre);
  s.qcapacityvkre(k) = at(s.qcapvkre);
  s.pcapacityihre(k) = at(s.pcapihre);
  s.qcapacityihre(k) = at(s.qcapihre);
  s.stlelubfac(k) = loaded ? factor : 0.0;
  s.stlelamda(k) = loaded ? lambda : 0.0;
}

// Contact lives in million revolutions, xinf where the inverse life is 0.
void contactlives(Model& m, int k, int j, const Inverse& inv) {
  auto& s = m.solutions;
  const double xinf = m.constants.xinf;
  const auto life = [xinf](double i) { return i > 0.0 ? 1.0 / i : xinf; };
  s.conllps(k, j) = life(inv.race(kLp));
  s.conlvks(k, j) = life(inv.race(kVk));
  s.conlihs(k, j) = life(inv.race(kIh));
  s.conllpres(k, j) = life(inv.elem(kLp));
  s.conlvkres(k, j) = life(inv.elem(kVk));
  s.conlihres(k, j) = life(inv.elem(kIh));
}

// Adds the contact to the race sums (weight sx of the solved element; a stationary race sums
// the inverse lives to the Weibull slope, raised to its inverse after the element loop) and to
// the element sums; erace, eelem are the STLE multipliers.
void accumulate(Model& m, Work& w, int k, int j, const Inverse& inv, double erace, double eelem) {
  const auto& f = m.fatiguecons;
  const double sx = m.setupa4.sx(j);
  const bool rotating = f.iracerot(k) == 2;
  for (int n = kOrig; n <= kIh; ++n) {
    const double i = inv.race(n);
    const double is = i * erace;
    if (rotating) {
      w.rl(k, n, kBasic) += i * sx;
      w.rl(k, n, kStle) += is * sx;
    } else {
      const double e = n == kOrig ? f.wbs : f.wbdis(k);
      w.rl(k, n, kBasic) += std::pow(i, e) * sx;
      w.rl(k, n, kStle) += std::pow(is, e) * sx;
    }
  }
  for (int n = kLp; n <= kIh; ++n) {
    w.rr(j, n, kBasic) += inv.elem(n);
    w.rr(j, n, kStle) += eelem * inv.elem(n);
  }
}

// First call: the original-LP basic capacity of each race and the Tallian constants; the
// second halves of split races take the values of their races.
void firstcall(Model& m) {
  auto& f = m.fatiguecons;
  const auto& g = m.brggeom;
  const double d = g.bredia;
  const double dd = d / g.pitchdia;
  for (int k = 1; k <= 4; ++k) f.dd(k) = dd;
  for (int k = 1; k <= 2; ++k) {
    const double half = std::pow(0.5, 1.0 / f.qexp(k));
    if (f.kmodeltype(1) <= 0) {
      const double fc = g.racecurfac(k);
      const double r = fc == 0.0 ? 1.0 : 2.0 * fc / (2.0 * fc - 1.0);
      f.qcc(k) = f.fcon(k) * half * std::pow(r, 0.41) * std::pow(dd, 0.3) * std::pow(d, 1.8);
    } else {
      const double ca = std::cos(m.solutions.conang(k, 1, 1));
      f.qcc(k) = f.fco(k) * f.fcon(k) * half * std::pow(dd, 0.22222222) * std::pow(d, 1.074) *
                 std::pow(1.0 + dd * ca, 1.0740741);
    }
  }
  tallianconstants(m);
  if (g.nrace > 2) {
    for (int k = 3; k <= 4; ++k) {
      const int r = k - 2;
      for (auto* a : {&f.qcc, &f.ds, &f.am, &f.em, &f.phi0, &f.phi2b, &f.phi2f, &f.facmatlf,
                      &f.facproclf, &f.hardnesslf, &f.facprod})
        (*a)(k) = (*a)(r);
    }
  }
  f.initf1 = 1;
}

// Every race, element and bearing life infinite (no load, or both races at rest).
void infinitelives(Model& m) {
  auto& s = m.solutions;
  const double xinf = m.constants.xinf;
  for (int t = 1; t <= 3; ++t) {
    for (int k = 1; k <= 2; ++k)
      s.racelife(k, t) = s.racelifelp(k, t) = s.racelifevk(k, t) = s.racelifeih(k, t) = xinf;
    for (int j = 1; j <= m.brggeom.nre; ++j)
      s.relifelp(j, t) = s.relifevk(j, t) = s.relifeih(j, t) = xinf;
    s.relifelpm(t) = s.relifevkm(t) = s.relifeihm(t) = xinf;
    s.brglife(t) = s.brglifelp(t) = s.brglifevk(t) = s.brglifeih(t) = xinf;
  }
}

// The solved element with the largest inner-race load (the first of equal ones).
int heaviestelement(const Model& m) {
  int jmax = 1;
  for (int j = 2; j <= m.setupa4.ib; ++j)
    if (m.solutions.conload(2, j) > m.solutions.conload(2, jmax)) jmax = j;
  return jmax;
}

// Race, element and bearing lives in hours from the sums; h hours per million revolutions.
void lives(Model& m, const Work& w, int jmax, double h) {
  auto& s = m.solutions;
  const auto& f = m.fatiguecons;
  const double xinf = m.constants.xinf;
  const auto life = [h, xinf](double inv) { return inv > 0.0 ? h / inv : xinf; };
  zq::FArray<double, 4, 3>* race[5] = {nullptr, &s.racelife, &s.racelifelp, &s.racelifevk,
                                       &s.racelifeih};
  zq::FArray<double, 40, 3>* elem[5] = {nullptr, nullptr, &s.relifelp, &s.relifevk, &s.relifeih};
  zq::FArray<double, 4>* elemm[5] = {nullptr, nullptr, &s.relifelpm, &s.relifevkm, &s.relifeihm};
  zq::FArray<double, 3>* brg[5] = {nullptr, &s.brglife, &s.brglifelp, &s.brglifevk, &s.brglifeih};

  // Races: a model's lives are finite only with a positive basic sum of its own (the current
  // LP model also needs the original-LP one).
  for (int k = 1; k <= 2; ++k) {
    for (int n = kOrig; n <= kIh; ++n) {
      bool finite = w.rl(k, n, kBasic) > 0.0;
      if (n == kLp) finite = finite && w.rl(k, kOrig, kBasic) > 0.0;
      for (int t = kBasic; t <= kStle; ++t) (*race[n])(k, t) = finite ? life(w.rl(k, n, t)) : xinf;
    }
  }
  // Elements, and the element of the heaviest load.
  for (int n = kLp; n <= kIh; ++n) {
    for (int j = 1; j <= m.brggeom.nre; ++j) {
      const bool finite = w.rr(j, n, kBasic) > 0.0;
      for (int t = kBasic; t <= kStle; ++t)
        (*elem[n])(j, t) = finite ? life(w.rr(j, n, t)) : xinf;
    }
    for (int t = kBasic; t <= kStle; ++t) (*elemm[n])(t) = (*elem[n])(jmax, t);
  }
  // Bearing: sum of the race inverse lives (and element inverse lives of the solved elements,
  // weighted by their multiplicity) to the Weibull slope, raised to its inverse.
  zq::FArray<double, 4, 3> sum;
  for (int t = kBasic; t <= kStle; ++t) {
    for (int k = 1; k <= 2; ++k) sum(kOrig, t) += std::pow(w.rl(k, kOrig, t), f.wbs);
    for (int n = kLp; n <= kIh; ++n) {
      for (int j = 1; j <= m.setupa4.ib; ++j)
        sum(n, t) += m.setupa4.sx(j) * std::pow(w.rr(j, n, t), f.wbs);
      for (int k = 1; k <= 2; ++k)
        if (w.rl(k, n, t) > 0.0) sum(n, t) += std::pow(w.rl(k, n, t), f.brgwbdis);
    }
  }
  for (int n = kOrig; n <= kIh; ++n) {
    bool finite = sum(n, kBasic) > 0.0;
    if (n == kLp || n == kVk) finite = finite && sum(kOrig, kBasic) > 0.0;
    const double e = n == kOrig ? f.wbsinv : f.brgwbdisinv;
    for (int t = kBasic; t <= kStle; ++t)
      (*brg[n])(t) = finite && sum(n, t) > 0.0 ? h / std::pow(sum(n, t), e) : xinf;
  }
}

}  // namespace

int racecode(const Model& m, int k) { return m.options.klifemod((k - 1) % 2 + 1); }

void zelf1(Model& m) {
  auto& s = m.solutions;
  auto& f = m.fatiguecons;
  const auto& g = m.brggeom;
  const auto& a4 = m.setupa4;
  const auto& vm = m.vecmats;

  if (f.initf1 < 1) firstcall(m);

  if (s.kconload(1) > 0 && s.kconload(2) > 0) {
    infinitelives(m);
    return;
  }
  const int jmax = heaviestelement(m);
  const double w = std::max(std::abs(vm.raceangvel(1, 1)), std::abs(vm.raceangvel(1, 2)));
  if (w == 0.0) {
    infinitelives(m);
    return;
  }
  // Hours per million revolutions of the faster race.
  const double h = 1.0e6 / (m.constants.cangvel * 60.0 * w);

  Work work{};
  for (int k = 1; k <= g.nrace; ++k) {
    work.phi4.fill(0.0);
    work.phit.fill(0.0);
    for (int j = 1; j <= a4.ib; ++j) {
      // Speed ratios: orbit relative to the race, and the element's rotation relative to the
      // cage (the magnitude of its angular velocity less the orbital rate about the axis: the
      // same either way round and for any tilt of the spin axis).
      const double orbit = m.genvecs.x(12 * (j - 1) + 7);
      const double ur = std::abs(orbit - vm.raceangvel(1, k)) / w;
      const double rx = vm.reangveli(1, j) - orbit;
      const double ue = std::sqrt(rx * rx + vm.reangveli(2, j) * vm.reangveli(2, j) +
                                  vm.reangveli(3, j) * vm.reangveli(3, j)) /
                        w;

      Inverse inv;
      const bool loaded = s.conload(k, j) > 0.0;
      double lambda = 0.0, factor = 0.0;
      if (loaded) {
        contactcapacities(m, k, j, ur, ue, inv);
        // STLE multipliers; the lubrication factor is kept for the report in any case.
        stlelubfactor(m, k, j, lambda, factor);
        const double erace = racecode(m, k) > 0 ? 1.0 / (f.facprod(k) * factor) : 1.0;
        const double eelem = m.options.klifemodre > 0 ? 1.0 / (factor * f.facprodre) : 1.0;
        accumulate(m, work, k, j, inv, erace, eelem);
        talliancontact(m, work, k, j, inv.race);
      }
      if (j == jmax) heaviestcapacities(m, k, j, loaded, lambda, factor);
      contactlives(m, k, j, inv);
    }
    tallianracesums(m, work, k);
    if (f.iracerot(k) != 2) {
      for (int n = kOrig; n <= kIh; ++n) {
        const double e = n == kOrig ? f.wbsinv : f.wbdisinv(k);
        for (int t = kBasic; t <= kStle; ++t) work.rl(k, n, t) = std::pow(work.rl(k, n, t), e);
      }
    }
  }
  const int jre = s.conload(2, jmax) < s.conload(1, jmax) ? 1 : 2;
  s.stlelubfacre = s.stlelubfac(jre);
  s.stlelamdare = s.stlelamda(jre);

  tallianelementsums(m, work);
  for (int j = a4.ib + 1; j <= g.nre; ++j) {
    const int src = a4.njb(j);
    for (int n = kLp; n <= kIh; ++n)
      for (int t = kBasic; t <= kStle; ++t)
        work.rr(j, n, t) = src >= 1 ? work.rr(src, n, t) : 0.0;
  }
  // Split races: the two halves of a race form one race.
  if (g.nrace > 2) {
    for (int k = 1; k <= 2; ++k)
      for (int n = kOrig; n <= kIh; ++n)
        for (int t = kBasic; t <= kStle; ++t) work.rl(k, n, t) += work.rl(k + 2, n, t);
  }
  lives(m, work, jmax, h);
}

}  // namespace zelf1
