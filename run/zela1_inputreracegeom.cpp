// Geometry records of the input: bearing envelope, rolling-element and raceway geometry of the
// bearing type, flanges, element size variations and race imperfections. Lengths in the user's
// length unit (m or in), cone and flange angles and the free contact angle in degrees; nothing
// is converted or checked here (the defaults and checks complete and test the geometry).
#include "model/model.h"
#include "run/zela1.h"

namespace zela1 {

namespace {

std::string idx(int j) { return "(" + std::to_string(j) + ")"; }

// Race-land record of cylindrical and tapered roller bearings: land limits, central lengths and
// crown radii of both races, then the RMS roughness heights.
void raceland(Model& m) {
  auto& g = m.brggeom;
  auto& fc = m.fatiguecons;
  using zq::item;
  readrecord(m, "race-land record", Echo::G,
             {item("record label", m.zela1.label), item("racelandlmt(1)", g.racelandlmt(1)),
              item("racecenlen(1)", g.racecenlen(1)), item("racecrn(1)", g.racecrn(1)),
              item("racelandlmt(2)", g.racelandlmt(2)), item("racecenlen(2)", g.racecenlen(2)),
              item("racecrn(2)", g.racecrn(2)), item("rmsaspht(1)", fc.rmsaspht(1)),
              item("rmsaspht(2)", fc.rmsaspht(2))});
}

}  // namespace

void inputreracegeom(Model& m) {
  auto& g = m.brggeom;
  auto& op = m.options;
  auto& fc = m.fatiguecons;
  auto& lab = m.zela1.label;
  using zq::item;

  readrecord(m, "bearing envelope record", Echo::G,
             {item("record label", lab), item("brgbore", g.brgbore), item("brgod", g.brgod),
              item("shftid", g.shftid), item("hsngod", g.hsngod),
              item("racewidth(1)", g.racewidth(1)), item("racewidth(2)", g.racewidth(2))});
  // Raceways and roller ends are straight or flat until a record gives a radius.
  for (int j = 1; j <= 2; ++j) {
    g.racecurrad(j) = 1.0e10;
    g.breendrad(j) = 1.0e10;
    g.racecrn(j) = 1.0e10;
  }

  switch (g.kbrg) {
    case 1:
      readrecord(m, "Record 5A (ball bearing geometry)", Echo::G,
                 {item("record label", lab), item("bredia", g.bredia),
                  item("pitchdia", g.pitchdia), item("freeconang", g.freeconang),
                  item("freeintcls", g.freeintcls), item("racecurfac(1)", g.racecurfac(1)),
                  item("racecurfac(2)", g.racecurfac(2)),
                  item("shoulderdia(1)", g.shoulderdia(1)),
                  item("shoulderdia(2)", g.shoulderdia(2)),
                  item("shimthkns(1)", g.shimthkns(1)), item("shimthkns(2)", g.shimthkns(2)),
                  item("rmsaspht(1)", fc.rmsaspht(1)), item("rmsaspht(2)", fc.rmsaspht(2))});
      break;
    case 2:
      readrecord(m, "Record 5B.1 (cylindrical roller geometry)", Echo::G,
                 {item("record label", lab), item("bredia", g.bredia), item("brecrn", g.brecrn),
                  item("brelen", g.brelen), item("brecenlen", g.brecenlen),
                  item("brecorrad(1)", g.brecorrad(1)), item("brecorrad(2)", g.brecorrad(2)),
                  item("pitchdia", g.pitchdia), item("freeintcls", g.freeintcls)});
      raceland(m);
      break;
    case 3:
      readrecord(m, "spherical roller geometry record", Echo::G,
                 {item("record label", lab), item("bredia", g.bredia), item("brecrn", g.brecrn),
                  item("brelen", g.brelen), item("brecorrad(1)", g.brecorrad(1)),
                  item("brecorrad(2)", g.brecorrad(2)), item("pitchdia", g.pitchdia),
                  item("freeintcls", g.freeintcls), item("racecurfac(1)", g.racecurfac(1)),
                  item("racecurfac(2)", g.racecurfac(2)), item("freeconang", g.freeconang),
                  item("rmsaspht(1)", fc.rmsaspht(1)), item("rmsaspht(2)", fc.rmsaspht(2))});
      break;
    case 4:
      readrecord(m, "tapered roller geometry record", Echo::G,
                 {item("record label", lab), item("bredia", g.bredia), item("brecrn", g.brecrn),
                  item("brelen", g.brelen), item("brecenlen", g.brecenlen),
                  item("breendrad(1)", g.breendrad(1)), item("breendrad(2)", g.breendrad(2)),
                  item("brecorrad(1)", g.brecorrad(1)), item("brecorrad(2)", g.brecorrad(2)),
                  item("racetaper(1)", g.racetaper(1)), item("racetaper(2)", g.racetaper(2))});
      raceland(m);
      break;
    case 5:
      readrecord(m, "spherical tapered roller geometry record", Echo::Free,
                 {item("record label", lab), item("bredia", g.bredia), item("brecrn", g.brecrn),
                  item("brelen", g.brelen), item("breendrad(1)", g.breendrad(1)),
                  item("breendrad(2)", g.breendrad(2)), item("racetaper(1)", g.racetaper(1)),
                  item("racetaper(2)", g.racetaper(2)), item("racecurfac(1)", g.racecurfac(1)),
                  item("racecurfac(2)", g.racecurfac(2)), item("rmsaspht(1)", fc.rmsaspht(1)),
                  item("rmsaspht(2)", fc.rmsaspht(2))});
      break;
    default:
      break;  // refused after Record 3.2
  }
  // The central length of a raceway is its land limit; the central lengths on the race-land
  // record are only listed.
  for (int j = 1; j <= 2; ++j) g.racecenlen(j) = g.racelandlmt(j);

  if (g.kflngind(1, 1) + g.kflngind(2, 1) + g.kflngind(1, 2) + g.kflngind(2, 2) > 0) {
    readrecord(m, "flange record", Echo::G,
               {item("record label", lab), item("flngang(1,1)", g.flngang(1, 1)),
                item("flngang(2,1)", g.flngang(2, 1)), item("flngang(1,2)", g.flngang(1, 2)),
                item("flngang(2,2)", g.flngang(2, 2)), item("flnght(1,1)", g.flnght(1, 1)),
                item("flnght(2,1)", g.flnght(2, 1)), item("flnght(1,2)", g.flnght(1, 2)),
                item("flnght(2,2)", g.flnght(2, 2)), item("flngcls(1)", g.flngcls(1)),
                item("flngcls(2)", g.flngcls(2))});
  }

  if (op.kregeoimp == 1) {
    std::vector<zq::ListItem> items{item("record label", lab),
                                    item("rermsdiavar", g.rermsdiavar)};
    if (g.kbrg == 2 || g.kbrg == 4) {
      items.push_back(item("rermslenvar", g.rermslenvar));
      items.push_back(item("rermscenlenvar", g.rermscenlenvar));
      items.push_back(item("rermsclenoffset", g.rermsclenoffset));
    }
    readrecord(m, "element RMS-variation record", Echo::G, items);
  } else if (op.kregeoimp == 2) {
    for (int r = 0; r < 4; ++r) {
      std::vector<zq::ListItem> items{item("record label", lab)};
      for (int i = 10 * r + 1; i <= 10 * r + 10; ++i)
        items.push_back(item("rediavar" + idx(i), g.rediavar(i)));
      const std::string name = "element diameter-list record (elements " +
                               std::to_string(10 * r + 1) + " to " +
                               std::to_string(10 * r + 10) + ")";
      readrecord(m, name, Echo::G, items);
    }
  }

  for (int j = 1; j <= 2; ++j) {
    if (op.kracegeoimp.lin(j) <= 0) continue;
    const std::string jj = "," + std::to_string(j) + ")";
    std::vector<zq::ListItem> items{item("record label", lab)};
    for (int k = 1; k <= 3; ++k)
      items.push_back(item("rlradvar(" + std::to_string(k) + jj, g.rlradvar(k, j)));
    if (g.kbrg % 2 == 0) {
      for (int k = 1; k <= 4; ++k)
        items.push_back(item("rloffset(" + std::to_string(k) + jj, g.rloffset(k, j)));
      for (int k = 1; k <= 4; ++k)
        items.push_back(item("rltaper(" + std::to_string(k) + jj, g.rltaper(k, j)));
    } else {
      for (int k = 1; k <= 3; ++k)
        items.push_back(item("cfacvar(" + std::to_string(k) + jj, g.cfacvar(k, j)));
    }
    readrecord(m, j == 1 ? "outer race imperfection record" : "inner race imperfection record",
               Echo::G, items);
  }
}

}  // namespace zela1
