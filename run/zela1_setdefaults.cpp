// Defaults and derived constants of the input, in the user's units (SI or English): flange
// flags, default materials, the reference elastic constants of AISI 52100 steel, the constants
// and exponents of the original and current Lundberg-Palmgren, VK and Ioannides-Harris fatigue
// models (derivation in docs/LIFE-CONSTANTS.md), life factors, mass and principal inertias of the
// nominal rolling element, the internal geometry of each bearing type (raceway radii, groove
// centres, contact angle or diametral clearance, end play), traction curves, lubricant state.
#include <algorithm>
#include <cmath>
#include <string>

#include "life/zela8.h"
#include "model/model.h"
#include "run/stop.h"
#include "run/zela1.h"
#include "run/zela7.h"
#include "run/zela9.h"
#include "traction/zeld4.h"
#include "traction/zeld7.h"

namespace zela1 {

namespace {

constexpr const char* kHead = "/,5X,\"Execution terminating in Zela1 (SetDefaults)\",/,";

[[noreturn]] void stop(Model& m, const std::string& body, const zq::FmtList& values) {
  m.devices.report.write(std::string(kHead) + body, values);
  zq::stopRun("zela1::setdefaults");
}

// ---------------------------------------------------------------------------------------------
// Fatigue-life exponents and kappa factors of one stress-capacity family (see
// docs/LIFE-CONSTANTS.md). The Lundberg-Palmgren relation ln(1/S) = K tau^c N^e V / z^h with
// tau = zeta p, z = xi b, the stressed volume V = (contact width) z (track length) and the Hertz
// semi-axes at pressure p gives the life L = (P / p)^pexp. The VK model is the same relation
// with stress exponent e c and no depth weighting (h = 0).
struct Family {
  double el, pexp, qexp, gexp, uexp, prexp, g1, g2, g3, eg, kappaPt, kappaLn, nPt, nLn;
};

Family family(double c, double h, double e, double zeta, double xi, bool vk, bool line,
              double pi) {
  const double cc = vk ? e * c : c;  // effective stress exponent
  const double hh = vk ? 0.0 : h;    // effective depth exponent
  Family f{};
  f.nPt = cc + 2.0 - hh;  // p-exponent of the inverse life, point contact
  f.nLn = cc + 1.0 - hh;  // line contact
  const double n = line ? f.nLn : f.nPt;
  f.el = 2.0 - (3.0 - hh) / n;
  f.pexp = n / e;
  f.qexp = line ? f.pexp / 2.0 : f.pexp / 3.0;
  f.gexp = -1.0 / n;
  f.uexp = -e / n;
  f.prexp = line ? (1.0 - hh) / n : (2.0 - hh) / n;
  f.g1 = 3.0 - hh;
  f.g2 = 3.0 - 2.0 * h;
  f.g3 = line ? hh - 1.0 : hh - 2.0;
  f.eg = 3.0 - hh;
  f.kappaPt =
      std::pow(std::pow(zeta, -cc) * std::pow(xi, hh - 1.0) * std::pow(pi, hh - 3.0) / 2.0,
               1.0 / f.nPt);
  f.kappaLn = std::pow(std::pow(zeta, -cc) * std::pow(xi, hh - 1.0) * std::pow(2.0, hh - 2.0) / pi,
                       1.0 / f.nLn);
  return f;
}

// Stress-capacity constant of the contact model in use from its point-contact value (both in
// the user's units): the line form carries the same material constant,
// P_ln = P_pt^(nPt/nLn) Eb^(-1/nLn) with Eb the reference modulus baseep.
double capacity(double pointValue, const Family& f, bool line, double eb) {
  if (!line) return pointValue;
  return std::pow(pointValue, f.nPt / f.nLn) * std::pow(eb, -1.0 / f.nLn);
}

// ---------------------------------------------------------------------------------------------

// The input record that carries the rolling-element geometry of each bearing type.
const char* geometryRecord(int kbrg) {
  switch (kbrg) {
    case 1:
      return "input Record 5A";
    case 2:
      return "input Record 5B.1";
    case 3:
      return "the spherical roller geometry input record";
    case 4:
      return "the tapered roller geometry input record";
    default:
      return "the spherical tapered roller geometry input record";
  }
}

[[noreturn]] void stopBearingType(Model& m) {
  stop(m,
       "5X,\"Ivalid bearing type on input Record 3.2, kBrg =\",I3,/,5X,"
       "\"kBrg must be between 1 and 5.\",/,/",
       {m.brggeom.kbrg});
}

// Rolling-element input from which no element or race geometry can be formed: a diameter that
// is not positive, negative profile radii (zero is the flat convention, a negative radius has
// no meaning), a spherical profile without a radius, race curvature factors that give a race
// radius of zero or less, a crown arc too short to span the roller and a tapered roller that
// reaches past the apex of its cone. Each is refused before any mass or geometry is computed.
void checkElementGeometry(Model& m) {
  const auto& g = m.brggeom;
  const int kbrg = g.kbrg;
  const char* record = geometryRecord(kbrg);
  if (!(g.bredia > 0.0)) {
    stop(m,
         "5X,\"Invalid rolling element diameter on \",A,/,5X,"
         "\"Rolling Element Diameter = \",E12.4,/,5X,"
         "\"The rolling element diameter must be greater than zero.\",/,/",
         {record, g.bredia});
  }
  // The crown radius of a spherical roller makes the races: no flat value is possible.
  if ((kbrg == 3 || kbrg == 5) && !(g.brecrn > 0.0)) {
    stop(m,
         "5X,\"Invalid roller crown radius on \",A,/,5X,"
         "\"Roller Crown Radius = \",E12.4,/,5X,"
         "\"The crown radius of a spherical roller must be greater than zero.\",/,/",
         {record, g.brecrn});
  }
  const char* negative =
      "5X,\"Negative profile radius on \",A,/,5X,A,\" = \",E12.4,/,5X,"
      "\"A radius of zero means a flat or straight profile; a negative radius is invalid.\",/,/";
  if ((kbrg == 2 || kbrg == 4) && g.brecrn < 0.0)
    stop(m, negative, {record, "Roller Crown Radius", g.brecrn});
  // The large end radius of a plain tapered roller (type 4) is checked against the apex
  // distance by the input checks, which also refuse zero.
  if (kbrg == 5 && g.breendrad(1) < 0.0)
    stop(m, negative, {record, "Roller Large End Radius", g.breendrad(1)});
  if ((kbrg == 4 || kbrg == 5) && g.breendrad(2) < 0.0)
    stop(m, negative, {record, "Roller Small End Radius", g.breendrad(2)});
  for (int j = 1; j <= 2; ++j) {
    if (g.racecrn(j) < 0.0) {
      const char* label = j == 1 ? "Outer Race Crown Radius" : "Inner Race Crown Radius";
      stop(m, negative, {"the race-land input record", label, g.racecrn(j)});
    }
  }
  // Spherical profiles: race radius = 2 x crown radius x factor. At a factor of 0.5 or less
  // the race circle is no larger than the roller crown and every contact overlaps.
  if ((kbrg == 3 || kbrg == 5) && !(g.racecurfac(1) > 0.5 && g.racecurfac(2) > 0.5)) {
    stop(m,
         "5X,\"Invalid race curvature factor on \",A,/,5X,"
         "\"Outer Race Cur Factor = \",E12.4,/,5X,\"Inner Race Cur Factor = \",E12.4,/,5X,"
         "\"The race curvature factor must be greater than 0.50.\",/,/",
         {record, g.racecurfac(1), g.racecurfac(2)});
  }
  // A circular crown of radius R spans a chord of at most 2 R. The crown of a spherical
  // tapered roller runs along its generatrix, (L/2)/cos(b) long on each side of the mid-plane,
  // b the roller half angle.
  const bool crowned = kbrg == 3 || (kbrg == 2 && g.brecrn > 0.0 && g.brecrn < m.constants.crnlmt);
  const double halfAngle = (g.racetaper(1) - g.racetaper(2)) / 2.0 / m.constants.cang;
  const double chord = kbrg == 5 ? g.brelen / std::cos(halfAngle) : g.brelen;
  if ((crowned || kbrg == 5) && chord > 2.0 * g.brecrn) {
    stop(m,
         "5X,\"Roller longer than twice its crown radius on \",A,/,5X,"
         "\"Roller Length       = \",E12.4,/,5X,\"Roller Crown Radius = \",E12.4,/,5X,"
         "\"The crown arc cannot span the roller length.\",/,/",
         {record, g.brelen, g.brecrn});
  }
  // Tapered rollers: the small end diameter D - 2 L tan(b) must not be negative, i.e. the
  // roller must not be longer than the distance from its large end to the cone apex.
  if (kbrg == 4 || kbrg == 5) {
    const double t = std::tan((g.racetaper(1) - g.racetaper(2)) / 2.0 / m.constants.cang);
    if (t > 0.0 && g.bredia - 2.0 * t * g.brelen < 0.0) {
      stop(m,
           "5X,\"Roller longer than its apex distance on \",A,/,5X,"
           "\"Roller Length          = \",E12.4,/,5X,"
           "\"Computed apex distance = \",E12.4,/,5X,"
           "\"The small end diameter of the roller would be negative.\",/,/",
           {record, g.brelen, (g.bredia / 2.0) / t});
    }
  }
  // Spherical tapered rollers: the crown centre of the side facing a race must lie beyond the
  // roller axis, i.e. the crown radius must exceed the distance from the crown crest to the
  // axis, rm/cos(b) + s (rm the mid-length radius, s the crown's rise over the generatrix
  // mid-point). The contacts tell the two sides of the crown apart by that. (Cone angles that
  // give no taper are refused with the internal geometry.)
  if (kbrg == 5 && halfAngle > 0.0) {
    const double b = halfAngle;
    const double r = g.brecrn;
    const double rm = g.bredia / 2.0 - (g.brelen / 2.0) * std::tan(b);
    const double lp = (g.brelen / 2.0) / std::cos(b);
    const double crest = rm / std::cos(b) + lp * lp * (1.0 + lp * lp / (4.0 * r * r)) / (2.0 * r);
    if (!(r > crest)) {
      stop(m,
           "5X,\"Roller crown radius too small on \",A,/,5X,"
           "\"Roller Crown Radius        = \",E12.4,/,5X,"
           "\"Crown crest to roller axis = \",E12.4,/,5X,"
           "\"The crown centre must lie beyond the roller axis.\",/,/",
           {record, g.brecrn, crest});
    }
  }
}

// Zero profile radii mean a flat or straight profile (negative ones are refused above).
void flattenZeroRadii(Model& m) {
  auto& g = m.brggeom;
  constexpr double kFlat = 1.0e10;
  if ((g.kbrg == 2 || g.kbrg == 4) && g.brecrn == 0.0) g.brecrn = kFlat;
  if (g.kbrg == 4 && g.breendrad(2) == 0.0) g.breendrad(2) = kFlat;
  if (g.kbrg == 5) {
    for (int k = 1; k <= 2; ++k)
      if (g.breendrad(k) == 0.0) g.breendrad(k) = kFlat;
  }
  for (int j = 1; j <= 2; ++j)
    if (g.racecrn(j) == 0.0) g.racecrn(j) = kFlat;
}

void lifeConstants(Model& m, double fF, double fL) {
  auto& f = m.fatiguecons;
  const double pi = m.constants.pi;
  const double c = 31.0 / 3.0;
  const double h = 7.0 / 3.0;
  const double e = 10.0 / 9.0;

  f.sprob = 0.9;
  f.reliabindex = std::log(1.0 / f.sprob) / std::log(1.0 / 0.9);
  f.wbs = e;
  f.wbsinv = 1.0 / f.wbs;
  f.brgwbdis = e;
  f.brgwbdisinv = 1.0 / f.brgwbdis;
  f.wbdisre = e;
  f.wbdisreinv = 1.0 / f.wbdisre;
  // Stress ratio tau0/p (zeta) and depth ratio z0/b (xi) of the failure stress.
  f.zetalp = 0.25;
  f.zetavk = 0.3;
  f.zetaih = 0.275;
  const double xilp = 0.5, xivk = 0.786, xiih = 0.66;

  const bool pointOrig = f.kmodeltype(1) == 0;
  const bool line = f.kmodeltype(2) != 0;

  // Original LP load-capacity model: SI constants in N/m^el.
  f.el = pointOrig ? 1.8 : 50.0 / 27.0;
  const double fconOrig = (pointOrig ? 24640060.0 : 198063000.0) * fF / std::pow(fL, f.el);
  const double qexpOrig = pointOrig ? 3.0 : 4.0;

  const double eb = f.baseep;
  const Family lp = family(c, h, e, f.zetalp, xilp, false, line, pi);
  const Family vk = family(c, h, e, f.zetavk, xivk, true, line, pi);
  const Family ih = family(c, h, e, f.zetaih, xiih, false, line, pi);
  // Point-contact stress-capacity constants (SI, N/m^el of the point form), to user units.
  const Family lpPt = family(c, h, e, f.zetalp, xilp, false, false, pi);
  const Family vkPt = family(c, h, e, f.zetavk, xivk, true, false, pi);
  const Family ihPt = family(c, h, e, f.zetaih, xiih, false, false, pi);
  const double fconlpPt = 1459874300.0 * fF / std::pow(fL, lpPt.el);
  const double fconvkPt = 642294280.0 * fF / std::pow(fL, vkPt.el);
  const double fconihPt = 1552427600.0 * fF / std::pow(fL, ihPt.el);

  for (int n = 1; n <= 4; ++n) {
    f.shearexplp(n) = c;
    f.shearexpvk(n) = c;
    f.shearexpih(n) = c;
    f.depthexplp(n) = h;
    f.depthexpih(n) = h;
    f.wbdis(n) = e;
    f.wbdisinv(n) = 1.0 / e;
    f.fco(n) = 1.0;
    f.fclp(n) = 1.0;
    f.fcvk(n) = 1.0;
    f.fcih(n) = 1.0;
    f.qexp(n) = qexpOrig;
    f.qexpinv(n) = 1.0 / qexpOrig;
    f.fcon(n) = fconOrig;
    f.asptrac(n) = 0.1;
    f.shearlmt(n) = 0.0;

    f.fconlp(n) = capacity(fconlpPt, lp, line, eb);
    f.fconvk(n) = capacity(fconvkPt, vk, line, eb);
    f.fconih(n) = capacity(fconihPt, ih, line, eb);
    f.ckapaptlp(n) = lp.kappaPt;
    f.ckapalnlp(n) = lp.kappaLn;
    f.ckapaptvk(n) = vk.kappaPt;
    f.ckapalnvk(n) = vk.kappaLn;
    f.ckapaptih(n) = ih.kappaPt;
    f.ckapalnih(n) = ih.kappaLn;

    f.ellp(n) = lp.el;
    f.elvk(n) = vk.el;
    f.elih(n) = ih.el;
    f.pexplp(n) = lp.pexp;
    f.pexpvk(n) = vk.pexp;
    f.pexpih(n) = ih.pexp;
    f.qexplp(n) = lp.qexp;
    f.qexpvk(n) = vk.qexp;
    f.qexpih(n) = ih.qexp;
    f.gexplp(n) = lp.gexp;
    f.gexpvk(n) = vk.gexp;
    f.gexpih(n) = ih.gexp;
    f.uexplp(n) = lp.uexp;
    f.uexpvk(n) = vk.uexp;
    f.uexpih(n) = ih.uexp;
    f.prexplp(n) = lp.prexp;
    f.prexpvk(n) = vk.prexp;
    f.prexpih(n) = ih.prexp;
    f.g1explp(n) = lp.g1;
    f.g2explp(n) = lp.g2;
    f.g3explp(n) = lp.g3;
    f.g1expvk(n) = vk.g1;
    f.g2expvk(n) = vk.g2;
    f.g3expvk(n) = vk.g3;
    f.g1expih(n) = ih.g1;
    f.g2expih(n) = ih.g2;
    f.g3expih(n) = ih.g3;
    f.eglp(n) = lp.eg;
    f.egvk(n) = vk.eg;
    f.egih(n) = ih.eg;
  }

  // Rolling element: silicon nitride has its own shear exponent and capacity factors.
  const bool si3n4 = m.options.kremat == 150;
  const double cre = si3n4 ? 16.0 * e + h - 2.0 : c;
  const double klp = si3n4 ? 1.00912067 : 1.0;
  const double kvk = si3n4 ? 1.44866477 : 1.0;
  const double kih = si3n4 ? 1.21120732 : 1.0;
  const Family lpre = family(cre, h, e, f.zetalp, xilp, false, line, pi);
  const Family vkre = family(cre, h, e, f.zetavk, xivk, true, line, pi);
  const Family ihre = family(cre, h, e, f.zetaih, xiih, false, line, pi);
  const Family lprePt = family(cre, h, e, f.zetalp, xilp, false, false, pi);
  const Family vkrePt = family(cre, h, e, f.zetavk, xivk, true, false, pi);
  const Family ihrePt = family(cre, h, e, f.zetaih, xiih, false, false, pi);

  f.shearexplpre = cre;
  f.shearexpvkre = cre;
  f.shearexpihre = cre;
  f.depthexplpre = h;
  f.depthexpihre = h;
  f.fclpre = 1.0;
  f.fcvkre = 1.0;
  f.fcihre = 1.0;
  f.fconlpre = capacity(1459874300.0 * klp * fF / std::pow(fL, lprePt.el), lpre, line, eb);
  f.fconvkre = capacity(642294280.0 * kvk * fF / std::pow(fL, vkrePt.el), vkre, line, eb);
  f.fconihre = capacity(1552427600.0 * kih * fF / std::pow(fL, ihrePt.el), ihre, line, eb);
  f.ckapaptlpre = lpre.kappaPt;
  f.ckapalnlpre = lpre.kappaLn;
  f.ckapaptvkre = vkre.kappaPt;
  f.ckapalnvkre = vkre.kappaLn;
  f.ckapaptihre = ihre.kappaPt;
  f.ckapalnihre = ihre.kappaLn;
  f.ellpre = lpre.el;
  f.elvkre = vkre.el;
  f.elihre = ihre.el;
  f.pexplpre = lpre.pexp;
  f.pexpvkre = vkre.pexp;
  f.pexpihre = ihre.pexp;
  f.qexplpre = lpre.qexp;
  f.qexpvkre = vkre.qexp;
  f.qexpihre = ihre.qexp;
  f.gexplpre = lpre.gexp;
  f.gexpvkre = vkre.gexp;
  f.gexpihre = ihre.gexp;
  f.uexplpre = lpre.uexp;
  f.uexpvkre = vkre.uexp;
  f.uexpihre = ihre.uexp;
  f.prexplpre = lpre.prexp;
  f.prexpvkre = vkre.prexp;
  f.prexpihre = ihre.prexp;
  f.g1explpre = lpre.g1;
  f.g2explpre = lpre.g2;
  f.g3explpre = lpre.g3;
  f.g1expvkre = vkre.g1;
  f.g2expvkre = vkre.g2;
  f.g3expvkre = vkre.g3;
  f.g1expihre = ihre.g1;
  f.g2expihre = ihre.g2;
  f.g3expihre = ihre.g3;
  f.eglpre = lpre.eg;
  f.egvkre = vkre.eg;
  f.egihre = ihre.eg;
}

void contactModelType(Model& m) {
  auto& g = m.brggeom;
  auto& k = m.fatiguecons.kmodeltype;
  const bool crownedNoLand = g.brecrn < m.constants.crnlmt && g.brecenlen == 0.0;
  switch (g.kbrg) {
    case 1:
    case 3:
    case 5:
      k(1) = 0;
      k(2) = 0;
      break;
    case 2:
      k(1) = 1;
      k(2) = crownedNoLand ? 0 : 1;
      break;
    case 4:
      k(1) = crownedNoLand ? 0 : 1;
      k(2) = crownedNoLand ? 0 : 1;
      break;
    default:
      stopBearingType(m);
  }
}

void roughnessAndLifeFactors(Model& m) {
  auto& f = m.fatiguecons;
  auto& o = m.options;
  const int kbrg = m.brggeom.kbrg;
  if (f.rmsaspht(1) < 0.0 || f.rmsaspht(2) < 0.0) {
    const char* record =
        kbrg == 2 || kbrg == 4 ? "the race-land input record" : geometryRecord(kbrg);
    stop(m,
         "5X,\"Negative RMS asperity height on \",A,/,5X,"
         "\"Outer Race RMS Height = \",E12.4,/,5X,\"Inner Race RMS Height = \",E12.4,/,5X,"
         "\"The RMS asperity height must be zero (smooth) or positive.\",/,/",
         {record, f.rmsaspht(1), f.rmsaspht(2)});
  }
  // A surface finish is far below the size of the rolling element: a height not below the
  // element diameter is a value in the wrong unit, and near the largest number its slope
  // (height in mm to the power 0.7393) would overflow.
  const double d = m.brggeom.bredia;
  if (!(f.rmsaspht(1) < d && f.rmsaspht(2) < d)) {
    const char* record =
        kbrg == 2 || kbrg == 4 ? "the race-land input record" : geometryRecord(kbrg);
    stop(m,
         "5X,\"RMS asperity height on \",A,/,5X,"
         "\"is not smaller than the rolling element diameter\",/,5X,"
         "\"Outer Race RMS Height    = \",E12.4,/,5X,\"Inner Race RMS Height    = \",E12.4,/,5X,"
         "\"Rolling Element Diameter = \",E12.4,/,5X,"
         "\"The RMS asperity height is a surface finish, far below the element size.\",/,/",
         {record, f.rmsaspht(1), f.rmsaspht(2), d});
  }
  const double toMillimetre = o.kunit == 1 ? 1000.0 : 25.4;
  for (int j = 1; j <= 2; ++j) {
    f.shearlmt(j) = 0.0;
    f.asptrac(j) = 0.1;
    const double hmm = f.rmsaspht(j) * toMillimetre;
    f.rmsaspslope(j) = std::pow(hmm, 1.0 - 0.2607) / 0.02683;
    zela8::zela8(m, o.klifemod(j), o.kproc(j), m.matprop.raceh(j), f.facmatlf(j), f.facproclf(j),
                 f.hardnesslf(j), f.facmat(j), f.facproc(j), f.faccont(j), f.matnamelf(j),
                 f.procnamelf(j), f.matname(j), f.procname(j));
    f.facprod(j) = f.hardnesslf(j) * f.facmatlf(j) * f.facproclf(j);
  }
  zela8::zela8(m, o.klifemodre, o.kprocre, m.matprop.reh, f.facmatlfre, f.facproclfre,
               f.hardnesslfre, f.facmatre, f.facprocre, f.faccontre, f.matnamelfre,
               f.procnamelfre, f.matnamere, f.procnamere);
  f.facprodre = f.hardnesslfre * f.facmatlfre * f.facproclfre;
}

// Crown drop of a circular arc of radius r over the chord s by the program's two-term series
// r (q^2/8 - q^4/128), q = s/r. The exact sagitta r - sqrt(r^2 - s^2/4) expands as
// r (q^2/8 + q^4/128 + ...); the mass formulas below are built on the series as given.
double drop(double s, double r) {
  const double q = s / r;
  return r * (q * q / 8.0 - q * q * q * q / 128.0);
}

void massAndInertia(Model& m) {
  auto& g = m.brggeom;
  const double pi = m.constants.pi;
  const double rho = m.matprop.reden;
  const double d = g.bredia;
  const double len = g.brelen;
  const double r = g.brecrn;
  double mass = 0.0, i1 = 0.0, i2 = 0.0;
  switch (g.kbrg) {
    case 1:
      mass = (pi / 6.0) * rho * d * d * d;
      i1 = mass * d * d / 10.0;
      i2 = i1;
      break;
    case 2: {
      if (r >= m.constants.crnlmt) {
        mass = (pi / 4.0) * rho * d * d * len;
      } else {
        const double de = drop(len, r);
        const double lc = g.brecenlen;
        double dc = 0.0, thetac = 0.0;
        if (lc > 0.0) {
          dc = drop(lc, r);
          thetac = std::atan((lc / 2.0) / (r - dc));
        }
        const double dp = d - 2.0 * (de - dc);
        const double theta = std::atan((len / 2.0) / (r - de));
        mass = pi * rho *
               (len * dp * dp / 4.0 +
                d * (r * r * (theta - thetac) - ((r - de) * len - lc * (r - dc)) / 2.0));
      }
      i1 = mass * d * d / 8.0;
      i2 = mass * len * len / 12.0 + i1 / 2.0;
      break;
    }
    case 3: {
      const double dd = drop(len, r);
      const double dp = d - 2.0 * dd;
      const double theta = std::atan((len / 2.0) / (r - dd));
      mass = pi * rho * (dp * dp * len / 4.0 + (d / 2.0) * (theta * 2.0 * r * r - (r - dd) * len));
      i1 = mass * d * d / 8.0;
      i2 = mass * len * len / 12.0 + i1 / 2.0;
      break;
    }
    default: {  // 4, 5: frustum of the roller's cone
      const double t = std::tan((g.racetaper(1) - g.racetaper(2)) / 2.0 / m.constants.cang);
      const double ds = d - 2.0 * t * len;
      const double s = (d + ds) * ds + d * d;
      mass = pi * rho * s * len / 12.0;
      const double d3 = d * d * d - ds * ds * ds;
      // A roller without taper is a cylinder: the limit of the frustum formula.
      i1 = d3 != 0.0 ? 0.075 * mass * (std::pow(d, 5) - std::pow(ds, 5)) / d3 : mass * d * d / 8.0;
      const double z = ((3.0 * ds + 2.0 * d) * ds + d * d) * len / (4.0 * s);
      i2 = ((6.0 * ds + 3.0 * d) * ds + d * d) * len * len * mass / (10.0 * s) - mass * z * z +
           i1 / 2.0;
      break;
    }
  }
  // Sizes far beyond any bearing (a length in the wrong unit, say) overflow the mass or the
  // moments of inertia; they would reach the input-data section as Inf or NaN.
  if (!(std::isfinite(mass) && std::isfinite(i1) && std::isfinite(i2))) {
    stop(m,
         "5X,\"Rolling element mass and inertia are beyond the range of numbers\",/,5X,"
         "\"for the geometry on \",A,/,5X,"
         "\"Rolling Element Diameter = \",E12.4,/,5X,\"Rolling Element Length   = \",E12.4,/,5X,"
         "\"Check the length unit of the geometry record.\",/,/",
         {geometryRecord(g.kbrg), d, g.kbrg == 1 ? d : len});
  }
  g.bremass = mass;
  g.bremi(1) = i1;
  g.bremi(2) = i2;
  g.bremi(3) = i2;
  for (int i = 1; i <= 40; ++i) {
    g.remass(i) = g.bremass;
    for (int k = 1; k <= 3; ++k) g.remi(k, i) = g.bremi(k);
  }
}

void ballGeometry(Model& m) {
  auto& g = m.brggeom;
  const double d = g.bredia;
  const double cang = m.constants.cang;
  const double f1 = g.racecurfac(1), f2 = g.racecurfac(2);
  if (g.shimthkns(1) < 0.0 || g.shimthkns(2) < 0.0) {
    stop(m,
         "5X,\"Negative shim thickness on input Record 5A\",/,5X,"
         "\"Outer Race Shim Thickness = \",E12.4,/,5X,\"Inner Race Shim Thickness = \",E12.4,/,5X,"
         "\"The shim thickness must be zero (no shim) or positive.\",/,/",
         {g.shimthkns(1), g.shimthkns(2)});
  }
  // Curvature factors at or below 0.5 are refused by the input checks; no geometry is formed
  // from them.
  if (!(f1 > 0.5 && f2 > 0.5)) return;

  for (int j = 1; j <= 2; ++j) {
    g.shimang(j) = 0.0;
    g.cosshimang(j) = 1.0;
    if (g.shimthkns(j) > 0.0) {
      const double limit = d * (2.0 * g.racecurfac(j) - 1.0);
      double s = g.shimthkns(j) / limit;
      if (s > 1.0 && s <= 1.0 + 1.0e-12) s = 1.0;
      if (!(s <= 1.0)) {
        stop(m,
             "5X,\"Shim thickness on input Record 5A is greater than\",/,5X,"
             "\"Ball Diameter x (2 x Race Cur Factor - 1)\",/,5X,A10,\" Shim Thickness = \","
             "E12.4,/,5X,\"Ball Dia x (2 f - 1)      = \",E12.4,/,/",
             {j == 1 ? "Outer Race" : "Inner Race", g.shimthkns(j), limit});
      }
      g.shimang(j) = std::asin(s);
      g.cosshimang(j) = std::cos(g.shimang(j));
    }
  }
  const double a = (f1 + f2 - 1.0) * d;
  const double b = d * (g.cosshimang(1) * (f1 - 0.5) + g.cosshimang(2) * (f2 - 0.5));
  double ca = 0.0, sa = 0.0;
  if (g.freeconang <= 0.0) {
    ca = (b - g.freeintcls / 2.0) / a;
    // Zero clearance gives exactly 1 up to rounding, which grows as f1 + f2 - 1 shrinks.
    const double tol = 1.0e-12 * (f1 + f2) / (f1 + f2 - 1.0);
    if (ca > 1.0 && ca <= 1.0 + tol) ca = 1.0;
    if (!(ca <= 1.0)) {
      stop(m,
           "5X,\"Free internal clearance on input Record 5A gives no free contact angle\",/,5X,"
           "\"Free Int Clearance      = \",E12.4,/,5X,\"Cosine of contact angle = \",E12.4,/,5X,"
           "\"A preload is given as a prescribed displacement on Record 9.1.\",/,/",
           {g.freeintcls, ca});
    }
    // Heavy shims with a clearance (or a clearance beyond 2 A) leave a cosine of zero or less:
    // the groove centres would cross over and the contact angle would be 90 deg or more.
    if (!(ca > 0.0)) {
      stop(m,
           "5X,\"Free internal clearance and shims on input Record 5A give\",/,5X,"
           "\"no free contact angle below 90 deg\",/,5X,"
           "\"Free Int Clearance        = \",E12.4,/,5X,"
           "\"Outer Race Shim Thickness = \",E12.4,/,5X,"
           "\"Inner Race Shim Thickness = \",E12.4,/,5X,"
           "\"Cosine of contact angle   = \",E12.4,/,/",
           {g.freeintcls, g.shimthkns(1), g.shimthkns(2), ca});
    }
    sa = std::sqrt(1.0 - ca * ca);
    g.freeconang = std::atan(sa / ca) * cang;
  } else {
    // 90 deg (a thrust bearing) is the largest contact angle of the groove geometry.
    if (g.freeconang > 90.0) {
      stop(m,
           "5X,\"Free contact angle on input Record 5A is greater than 90 deg\",/,5X,"
           "\"Free Contact Angle = \",E12.4,\" deg\",/,/",
           {g.freeconang});
    }
    const double a0 = g.freeconang / cang;
    ca = std::cos(a0);
    sa = std::sin(a0);
    g.freeintcls = 2.0 * (b - a * ca);
  }
  g.freeendplay = 2.0 * a * sa - g.shimthkns(1) - g.shimthkns(2);
  g.brecrn = d / 2.0;
  g.racecurrad(1) = f1 * d;
  g.racecurrad(2) = f2 * d;
  g.racecurcen(1, 1) = -g.shimthkns(1) / 2.0;
  g.racecurcen(1, 2) = g.shimthkns(2) / 2.0;
  g.racecurcen(2, 1) = g.pitchdia / 2.0 - (g.racecurrad(1) - d / 2.0) * ca;
  g.racecurcen(2, 2) = g.pitchdia / 2.0 + (g.racecurrad(2) - d / 2.0) * ca;
  g.racerad(2, 1) = g.racecurrad(1) + g.racecurcen(2, 1);
  g.racerad(1, 2) = g.racecurcen(2, 2) - g.racecurrad(2);
}

void sphericalGeometry(Model& m) {
  auto& g = m.brggeom;
  const double d = g.bredia;
  const double cang = m.constants.cang;
  for (int j = 1; j <= 2; ++j) g.racecurrad(j) = 2.0 * g.brecrn * g.racecurfac(j);
  const double a0 = g.freeconang / cang;
  const double ca = std::cos(a0), sa = std::sin(a0);
  // At 90 deg or more the raceway radii below would cross over.
  if (!(ca > 0.0)) {
    stop(m,
         "5X,\"Free contact angle on the spherical roller geometry input record\",/,5X,"
         "\"must be less than 90 deg\",/,5X,\"Free Contact Angle = \",E12.4,\" deg\",/,/",
         {g.freeconang});
  }
  // The clearance is diametral: the inner race travels half of it radially from the
  // concentric position until a roller touches both race spheres, i.e. until the distance of
  // the sphere centres, e along the contact line at a0, grows to Dc = Ro + Ri - D:
  // (e sin a0)^2 + (e cos a0 + c/2)^2 = Dc^2. The gap left along the contact line is
  // g = Dc - e; the roller centre lies midway in it, on the pitch circle.
  const double dc = g.racecurrad(1) + g.racecurrad(2) - d;
  double gap = 0.0;
  if (g.freeintcls == 0.0) {
    if (g.pitchdia == 0.0) {
      stop(m,
           "5X,\"Both pitch diameter and free internal clearance\",/,5X,"
           "\"cannot be zero in spherical roller bearing.\",/,/",
           {});
    }
    gap = (2.0 * g.racecurrad(1) - d) - g.pitchdia / ca;
    const double e = dc - gap;
    g.freeintcls = 2.0 * (std::sqrt(std::max(0.0, dc * dc - e * e * sa * sa)) - e * ca);
  } else {
    const double half = g.freeintcls / 2.0;
    gap = dc - (std::sqrt(std::max(0.0, dc * dc - half * half * sa * sa)) - half * ca);
    g.pitchdia = ((2.0 * g.racecurrad(1) - d) - gap) * ca;
  }
  if (!(g.pitchdia > 0.0)) {
    stop(m,
         "5X,\"No positive pitch diameter on the spherical roller geometry input record\",/,5X,"
         "\"Pitch Diameter          = \",E12.4,/,5X,\"Free Int Clearance      = \",E12.4,/,5X,"
         "\"Outer Race Radius       = \",E12.4,/,5X,"
         "\"The pitch diameter, given or from the clearance, must be greater than zero.\",/,/",
         {g.pitchdia, g.freeintcls, g.racecurrad(1)});
  }
  // No-load contact angle and free end play from the gap on the contact line (the inner race
  // shifted axially until a roller touches both spheres), not from the diametral clearance,
  // which is about twice that gap over cos a0.
  const double c1 = (1.0 - (gap / 2.0) / g.racecurrad(1)) * ca;
  // A cosine above 1 has no angle; one of zero or less would be an angle of 90 deg or more.
  // (With a positive pitch diameter and a free angle below 90 deg, c1 >= D cos a0 / (2 Ro).)
  if (!(c1 > 0.0 && c1 <= 1.0)) {
    stop(m,
         "5X,\"Free internal clearance on the spherical roller geometry record\",/,5X,"
         "\"gives no no-load contact angle\",/,5X,\"Free Int Clearance      = \",E12.4,/,5X,"
         "\"Cosine of contact angle = \",E12.4,/,/",
         {g.freeintcls, c1});
  }
  const double s1 = std::sqrt(1.0 - c1 * c1);
  m.zela1.conangnoload = std::atan(s1 / c1) * cang;
  g.freeendplay = gap * sa + 2.0 * (s1 - sa) * g.racecurrad(1);
  g.racerad(2, 1) = (g.pitchdia + (d + gap) * ca) / 2.0;
  g.racerad(1, 2) = (g.pitchdia - (d + gap) * ca) / 2.0;
  g.racecurcen(1, 2) = ((g.racecurrad(1) - d - gap) + g.racecurrad(2)) * sa;
  g.racecurcen(2, 2) = g.racerad(1, 2) + g.racecurrad(2) * ca;
}

void taperedGeometry(Model& m) {
  auto& g = m.brggeom;
  const double d = g.bredia;
  const double len = g.brelen;
  const double cang = m.constants.cang;
  if (g.kbrg == 5) {
    for (int j = 1; j <= 2; ++j) g.racecurrad(j) = 2.0 * g.brecrn * g.racecurfac(j);
  }
  const double b = (g.racetaper(1) - g.racetaper(2)) / 2.0 / cang;
  if (!(b > 0.0)) {
    // The tapered bearing's input check refuses this with its own message.
    if (g.kbrg == 4) return;
    stop(m,
         "5X,\"For spherical tapered bearings outer race cone angle\",/,5X,"
         "\"must be greater than inner race cone angle.\",/,/,5X,"
         "\"Specified data: Outer race cone angle = \",E12.5,\" deg\",/,5X,"
         "\"                Inner race cone angle = \",E12.5,\" deg\",/,/",
         {g.racetaper(1), g.racetaper(2)});
  }
  const double t = std::tan(b);
  const double l0 = (d / 2.0) / t - len / 2.0 + (t / 4.0) * ((d - 2.0 * t * len) + d);
  const double mean = (g.racetaper(1) + g.racetaper(2)) / 2.0 / cang;
  g.pitchdia = 2.0 * l0 * std::sin(mean);
  const double lc = l0 * std::cos(b);
  g.racerad(2, 1) = std::sin(g.racetaper(1) / cang) * lc;
  g.racerad(1, 2) = std::sin(g.racetaper(2) / cang) * lc;
  if (g.kbrg != 5) return;

  // Crown centres of the spherical tapered races (axial, radial; each race in its own frame).
  // The nominal roller has the mid-points of its outer and inner generatrices on the cup and
  // cone at their raceway points of axial 0, the points just set up (the cone reaches the
  // common apex when the no-load position moves it axially, as for plain tapered rollers).
  // The roller crown, of radius R through the ends of the generatrix, rises above the
  // generatrix mid-point by the sagitta s of the half generatrix L' = (L/2)/cos(b) (two-term
  // series, as the element geometry has it). Each race circle touches the crown at that crest:
  // its centre lies on the raceway normal n = (sin a, cos a) through the crest (a the cone
  // angle), racecurrad beyond it, inward for the cup and outward for the cone.
  const double r = g.brecrn;
  const double lp = (len / 2.0) / std::cos(b);
  const double s = lp * lp * (1.0 + lp * lp / (4.0 * r * r)) / (2.0 * r);
  const double a1 = g.racetaper(1) / cang, a2 = g.racetaper(2) / cang;
  g.racecurcen(1, 1) = -(g.racecurrad(1) - s) * std::sin(a1);
  g.racecurcen(2, 1) = g.racerad(2, 1) - (g.racecurrad(1) - s) * std::cos(a1);
  g.racecurcen(1, 2) = (g.racecurrad(2) - s) * std::sin(a2);
  g.racecurcen(2, 2) = g.racerad(1, 2) + (g.racecurrad(2) - s) * std::cos(a2);
}

void internalGeometry(Model& m) {
  auto& g = m.brggeom;
  g.racerad(1, 1) = g.brgod / 2.0;
  g.racerad(2, 2) = g.brgbore / 2.0;
  g.racecurcen.fill(0.0);
  switch (g.kbrg) {
    case 1:
      ballGeometry(m);
      break;
    case 2: {
      const double d = g.bredia;
      g.racerad(2, 1) = (d + g.freeintcls / 2.0 + g.pitchdia) / 2.0;
      g.racerad(1, 2) = (g.pitchdia - g.freeintcls / 2.0 - d) / 2.0;
      const double lmt = m.constants.crnlmt;
      if (g.racecurrad(1) < lmt && g.racecenlen(1) <= 0.0)
        g.racecurcen(2, 1) = g.racerad(2, 1) + g.racecurrad(1);
      if (g.racecurrad(2) < lmt && g.racecenlen(2) <= 0.0)
        g.racecurcen(2, 2) = g.racerad(1, 2) - g.racecurrad(2);
      break;
    }
    case 3:
      sphericalGeometry(m);
      break;
    default:
      taperedGeometry(m);
      break;
  }
}

// Adds the contact's name to a pending traction-curve error and reports it.
void reportCurveError(Model& m, const char* contact) {
  if (m.errors.ierind == 0) return;
  auto& e = m.errors;
  if (e.numm < 10) {
    e.numm = e.numm + 1;
    e.imess(e.numm) = contact;
  }
  zela9::zela9(m);
}

// The race curves exist with a traction model (ktrac >= 0). The flange curve is read whenever a
// flange is present and gives the roller end friction with or without a lubricant.
void tractionCurves(Model& m) {
  auto& t = m.tracprop;
  if (t.ktrac >= 0) {
    for (int j = 1; j <= 2; ++j) {
      zeld4::zeld4(m, t.ktractype, m.zela1.reracetc.sub<4>(j), t.reracecoeff.sub<5>(j));
      reportCurveError(m, "re/race contact");
    }
  }
  if (m.brggeom.kflnginds != 0 && t.krftrac == 0) {
    zeld4::zeld4(m, t.krftractype, m.zela1.reflngtc, t.reflngcoeff);
    reportCurveError(m, "race/flange contact");
  }
}

void lubricant(Model& m) {
  auto& t = m.tracprop;
  if (t.ktrac <= 0) return;
  t.initprop = 0;
  t.initzeld6 = 0;
  t.currpres = 0.0;
  t.currtemp = m.opcond.retemp(1);
  zeld7::zeld7(m);
  // Temperature-viscosity coefficient beta = -(d eta/dT) T^2 / eta.
  t.betalub = t.vislub > 0.0 ? t.dvislub * t.currtemp * t.currtemp / t.vislub : 0.0;
  t.currtemp = m.opcond.retemp(1);
  zeld7::zeld7(m);
}

}  // namespace

void setdefaults(Model& m) {
  auto& g = m.brggeom;
  auto& o = m.options;
  auto& mp = m.matprop;
  auto& f = m.fatiguecons;

  // Metres to inches and newtons to pounds-force for English input.
  const double fL = o.kunit == 1 ? 1.0 : 1.0 / 0.0254;
  const double fF = o.kunit == 1 ? 1.0 : 1.0 / 4.448222;

  // 1. Flange flags.
  for (int j = 1; j <= 2; ++j)
    g.kflngindr(j) = (g.kflngind(1, j) != 0 || g.kflngind(2, j) != 0) ? 1 : 0;
  g.kflnginds = (g.kflngindr(1) != 0 || g.kflngindr(2) != 0) ? 1 : 0;

  // 2. Default materials: AISI 52100 for elements and races, AISI 4340 for housing and shaft.
  if (o.kremat == 0) o.kremat = 100;
  for (int j = 1; j <= 2; ++j)
    if (o.kracemat(j) == 0) o.kracemat(j) = 100;
  if (o.khsngmat == 0) o.khsngmat = 111;
  if (o.kshftmat == 0) o.kshftmat = 111;
  zela7::zela7(m);
  mp.resl = std::sqrt(2.0) * mp.revm / 3.0;
  for (int j = 1; j <= 2; ++j) mp.racesl(j) = std::sqrt(2.0) * mp.racevm(j) / 3.0;

  // 3. Reference elastic constants of AISI 52100 steel.
  const double e0 = 2.0133e11 * fF / (fL * fL);
  const double nu0 = 0.277;
  f.em0 = 2.0 * 0.923271 / e0;  // 1 - nu0^2 = 0.923271
  f.baseep = 1.0 / f.em0;
  for (int j = 1; j <= 2; ++j) {
    f.er(j) = f.em0 / ((1.0 - mp.racepr(j) * mp.racepr(j)) / mp.raceem(j) +
                       (1.0 - mp.repr * mp.repr) / mp.reem);
    f.er(j + 2) = f.er(j);
  }
  m.zela1.basemodulus = e0;
  m.zela1.basepoisson = nu0;
  m.zela1.lpelasticratio = 1.0;

  // Geometry input that no element or race can be formed from is refused first; zero profile
  // radii are flat; the contact model follows the profile.
  if (g.kbrg < 1 || g.kbrg > 5) stopBearingType(m);
  checkElementGeometry(m);
  flattenZeroRadii(m);
  contactModelType(m);

  // 4, 5. Life-model constants and exponents.
  lifeConstants(m, fF, fL);

  // 7. Roughness slopes and life-modification factors.
  roughnessAndLifeFactors(m);

  // 8. Nominal rolling element.
  massAndInertia(m);

  // 9. Internal geometry.
  internalGeometry(m);

  // 10. Traction curves; 11. lubricant state.
  tractionCurves(m);
  lubricant(m);
}

}  // namespace zela1
