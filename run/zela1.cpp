// Input stage. Opens DATA.txt and PRINT.txt, reads the input records in their fixed order (in
// the user's unit system: SI or English lengths, forces and pressures, absolute temperatures,
// angles in degrees, misalignments in radians, speeds in rpm), lists each record into the report
// right after reading it, then runs the size scatter, defaults, unit labels, input-data section,
// scale factors and consistency checks. Records 4 to 14 (geometry) are in
// run/zela1_inputreracegeom.cpp.
#include "run/zela1.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/model.h"
#include "run/listread.h"
#include "run/stop.h"

namespace zela1 {

namespace {

std::string inDir(const Model& m, std::string_view name) {
  if (m.devices.dir.empty()) return std::string(name);
  return m.devices.dir + "/" + std::string(name);
}

[[noreturn]] void fileOpenStop(Model& m, bool inputFile) {
  const auto& d = m.devices;
  std::string text = zq::renderFormat(
      "/,5X,16(\"*\"),/,5X,\"Execution terminating in subroutine Zela1\",/,5X,"
      "\"File open error for file \",A10",
      {inputFile ? d.inname : d.outname});
  if (inputFile) {
    text += zq::renderFormat(
        "5X,\"The input data file, \",A10,\" must exist in the \",/,5X,"
        "\"in the current run directory.\",/,5X,16(\"*\"),/",
        {d.inname});
  } else {
    text += zq::renderFormat(
        "5X,\"The output data file, \",A10,\" cannot be created.\",/,5X,"
        "\"Please check write permission in the current run directory.\",/,5X,16(\"*\"),/",
        {d.outname});
  }
  zq::stopUnreadable("zela1", text);
}

// Smallest I field (at least I2) that shows v without asterisks.
std::string intField(int v) {
  const std::string s = std::to_string(v);
  return "I" + std::to_string(s.size() < 2 ? 2 : s.size());
}

// Limits of the data model checked right after Record 3.2: the bearing type, the number of
// rolling elements (every per-element array holds 40) and the flange flags (0 or 1).
void checkrecord32(Model& m) {
  auto& g = m.brggeom;
  auto& rep = m.devices.report;
  if (g.kbrg < 1 || g.kbrg > 5) {
    rep.write("/,/,5X,\"Execution terminating in Zela1 \",/,/,/,5X,"
              "\"Invalid bearing type encountered..  brgType = \",I2,/,/,/",
              {g.kbrg});
    zq::stopRun("zela1");
  }
  if (g.nre < 1 || g.nre > 40) {
    rep.write("/,/,5X,\"Execution terminating in Zela1 \",/,/,/,5X,"
              "\"Invalid number of rolling elements encountered..  nRE = \"," +
                  intField(g.nre) +
                  ",/,5X,\"The number of rolling elements on Record 3.2 must be 1 to 40.\",/,/,/",
              {g.nre});
    zq::stopRun("zela1");
  }
  bool bad = false;
  for (int j = 1; j <= 2 && !bad; ++j)
    for (int i = 1; i <= 2; ++i) bad = bad || (g.kflngind(i, j) != 0 && g.kflngind(i, j) != 1);
  if (bad) {
    rep.write("/,/,5X,\"Execution terminating in Zela1 \",/,/");
    for (int j = 1; j <= 2; ++j) {
      for (int i = 1; i <= 2; ++i) {
        const int v = g.kflngind(i, j);
        if (v == 0 || v == 1) continue;
        rep.write("5X,\"Invalid flange flag encountered..  kFlngInd(\",I1,\",\",I1,\") = \"," +
                      intField(v),
                  {i, j, v});
      }
    }
    rep.write("5X,\"Flange flags kFlngInd on Record 3.2 must be 0 (no flange) or 1 (flange).\","
              "/,/,/");
    zq::stopRun("zela1");
  }
}

}  // namespace

void readrecord(Model& m, std::string_view record, Echo echo,
                const std::vector<zq::ListItem>& items, int echoCount) {
  const char* format = "";
  switch (echo) {
    case Echo::T: format = "3X,A12,A36"; break;
    case Echo::I4: format = "3X,A12,11I4"; break;
    case Echo::I3: format = "3X,A12,3I3"; break;
    case Echo::G: format = "3X,A12,9E11.4,/,15X,9E11.4"; break;
    case Echo::M: format = "3X,A12,10E11.4"; break;
    case Echo::O: format = "3X,A12,9E11.4"; break;
    case Echo::Free: format = "1X,A12,11(1X,E11.4)"; break;
  }
  zq::readAndEcho(*m.devices.in, m.devices.report, record, format, items, echoCount);
}

void zela1(Model& m) {
  startconstants(m);
  inputrecords(m);
  geomimp(m);
  setdefaults(m);
  setunits(m);
  printinput(m);
  scalefactors(m);
  checkdata(m);
}

void inputrecords(Model& m) {
  auto& d = m.devices;
  std::string text;
  {
    const std::string path = inDir(m, d.inname.trimmed());
    std::error_code ec;
    const bool directory = std::filesystem::is_directory(path, ec);
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    if (f && !directory) s << f.rdbuf();
    if (!f || f.bad() || directory) {
      m.errors.jerind = 1;
      fileOpenStop(m, true);
    }
    text = s.str();
  }
  m.errors.jerind = 0;
  if (!d.report.isOpen() && !d.report.open(inDir(m, d.outname.trimmed()))) {
    m.errors.jerind = 1;
    fileOpenStop(m, false);
  }
  d.report.write("A1,/,/,3X,\"Listing of input data records\",/,3X,29(\"-\"),/,/",
                 {std::string(1, char(m.constants.ff))});
  m.options.kprtopt = 1;

  d.in = std::make_unique<zq::ListReader>(std::string(d.inname.trimmed()), text);
  auto& op = m.options;
  auto& g = m.brggeom;
  auto& mp = m.matprop;
  auto& oc = m.opcond;
  auto& tp = m.tracprop;
  auto& lab = m.zela1.label;
  using zq::item;

  readrecord(m, "run-identification record", Echo::T, {item("record label", lab), item("runid", g.runid)});

  readrecord(m, "Record 3.2 (unit system, bearing type and option flags)", Echo::I4,
       {item("record label", lab), item("kunit", op.kunit), item("kbrg", g.kbrg),
        item("nre", g.nre), item("kraceflex", op.kraceflex), item("kregeoimp", op.kregeoimp),
        item("kracegeoimp(1)", op.kracegeoimp.lin(1)),
        item("kracegeoimp(2)", op.kracegeoimp.lin(2)),
        item("kflngind(1,1)", g.kflngind(1, 1)), item("kflngind(2,1)", g.kflngind(2, 1)),
        item("kflngind(1,2)", g.kflngind(1, 2)), item("kflngind(2,2)", g.kflngind(2, 2))});
  // The imperfection flags of the two races also stand for the second halves of a split race.
  op.kracegeoimp.lin(3) = op.kracegeoimp.lin(1);
  op.kracegeoimp.lin(4) = op.kracegeoimp.lin(2);
  checkrecord32(m);

  readrecord(m, "Record 3.3 (constraint flags and material codes)", Echo::I4,
       {item("record label", lab), item("kfs(1)", op.kfs(1)), item("kfs(2)", op.kfs(2)),
        item("kfs(3)", op.kfs(3)), item("kfs(4)", op.kfs(4)), item("kfs(5)", op.kfs(5)),
        item("kangvel", m.setupa4.kangvel), item("kremat", op.kremat),
        item("kracemat(1)", op.kracemat(1)), item("kracemat(2)", op.kracemat(2)),
        item("khsngmat", op.khsngmat), item("kshftmat", op.kshftmat)});
  // Only a ball's spin attitude is searched; rollers are race controlled.
  if (g.kbrg != 1) m.setupa4.kangvel = 1;

  inputreracegeom(m);

  if (op.kremat == 1) {
    mp.retc = 0.0;
    mp.resh = 0.0;
    readrecord(m, "rolling-element material record", Echo::M,
         {item("record label", lab), item("reden", mp.reden), item("reem", mp.reem),
          item("repr", mp.repr), item("recte", mp.recte), item("reesl", mp.reesl),
          item("reh", mp.reh), item("rewc", mp.rewc), item("revm", mp.revm)});
    op.klifemodre = 1;
    op.kprocre = 2;
  }
  for (int j = 1; j <= 2; ++j) {
    if (op.kracemat(j) != 1) continue;
    mp.racetc(j) = 0.0;
    mp.racesh(j) = 0.0;
    const std::string jj = "(" + std::to_string(j) + ")";
    readrecord(m, j == 1 ? "outer race material record" : "inner race material record", Echo::M,
         {item("record label", lab), item("raceden" + jj, mp.raceden(j)),
          item("raceem" + jj, mp.raceem(j)), item("racepr" + jj, mp.racepr(j)),
          item("racecte" + jj, mp.racecte(j)), item("raceesl" + jj, mp.raceesl(j)),
          item("raceh" + jj, mp.raceh(j)), item("racewc" + jj, mp.racewc(j)),
          item("racevm" + jj, mp.racevm(j))});
    op.klifemod(j) = 1;
    op.kproc(j) = 2;
  }
  if (op.khsngmat == 1) {
    readrecord(m, "housing material record", Echo::M,
         {item("record label", lab), item("hsngden", mp.hsngden), item("hsngem", mp.hsngem),
          item("hsngpr", mp.hsngpr), item("hsngcte", mp.hsngcte), item("hsngtc", mp.hsngtc)},
         4);
  }
  if (op.kshftmat == 1) {
    readrecord(m, "shaft material record", Echo::M,
         {item("record label", lab), item("shftden", mp.shftden), item("shftem", mp.shftem),
          item("shftpr", mp.shftpr), item("shftcte", mp.shftcte), item("shfttc", mp.shfttc)},
         4);
  }

  auto& fc = m.fatiguecons;
  readrecord(m, "fits and residual-stress record", Echo::O,
       {item("record label", lab), item("roomtemp", oc.roomtemp),
        item("racefit(1)", oc.racefit(1)), item("racefit(2)", oc.racefit(2)),
        item("angvelorient", oc.angvelorient), item("resstress(1)", fc.resstress(1)),
        item("resstress(2)", fc.resstress(2)), item("facstrlimit", mp.facstrlimit)});
  readrecord(m, "Record 9.1 (applied loads and displacements)", Echo::O,
       {item("record label", lab), item("appload(1)", oc.appload(1)),
        item("appload(2)", oc.appload(2)), item("appload(3)", oc.appload(3)),
        item("appdisp(1)", oc.appdisp(1)), item("appdisp(2)", oc.appdisp(2)),
        item("appdisp(3)", oc.appdisp(3))});
  readrecord(m, "moment, misalignment and speed record", Echo::O,
       {item("record label", lab), item("appmoment(1)", oc.appmoment(1)),
        item("appmoment(2)", oc.appmoment(2)), item("appmis(1,1)", oc.appmis(1, 1)),
        item("appmis(2,1)", oc.appmis(2, 1)), item("appmis(1,2)", oc.appmis(1, 2)),
        item("appmis(2,2)", oc.appmis(2, 2)), item("rpm(1)", oc.rpm(1)),
        item("rpm(2)", oc.rpm(2))});
  readrecord(m, "temperature record", Echo::O,
       {item("record label", lab), item("hsngtemp", oc.hsngtemp), item("shfttemp", oc.shfttemp),
        item("racetemp(1)", oc.racetemp(1)), item("racetemp(2)", oc.racetemp(2)),
        item("retemp(1)", oc.retemp(1))});

  readrecord(m, "Record 10.0 (lubricant code and traction model types)", Echo::I3,
       {item("record label", lab), item("ktrac", tp.ktrac), item("ktractype", tp.ktractype),
        item("krftractype", tp.krftractype)});
  tp.krftrac = 0;

  auto& rtc = m.zela1.reracetc;
  if (tp.ktrac >= 0) {
    readrecord(m, "race traction-model record", Echo::O,
         {item("record label", lab), item("reracetc(1)", rtc(1, 1)),
          item("reracetc(2)", rtc(2, 1)), item("reracetc(3)", rtc(3, 1)),
          item("reracetc(4)", rtc(4, 1))});
    // Both races get the same traction-curve input.
    for (int k = 1; k <= 4; ++k) rtc(k, 2) = rtc(k, 1);
  }
  if (g.kflngind(1, 1) + g.kflngind(2, 1) + g.kflngind(1, 2) + g.kflngind(2, 2) > 0) {
    auto& ftc = m.zela1.reflngtc;
    readrecord(m, "flange traction-model record", Echo::O,
         {item("record label", lab), item("reflngtc(1)", ftc(1)), item("reflngtc(2)", ftc(2)),
          item("reflngtc(3)", ftc(3)), item("reflngtc(4)", ftc(4)),
          item("reflngfilm", tp.reflngfilm)});
  }
  if (tp.ktrac > 0) {
    readrecord(m, "film and starvation record", Echo::O,
         {item("record label", lab), item("reracefilm", tp.reracefilm(1)),
          item("strparam", tp.strparam)});
    tp.reracefilm(2) = tp.reracefilm(1);
  }
  if (tp.ktrac == 9) {
    readrecord(m, "lubricant name record", Echo::T, {item("record label", lab), item("lubname", tp.lubname)});
    // The user lubricant's three viscosity coefficients are the pressure (1), temperature (4)
    // and pressure-temperature (7) terms of the exponential law, the slots the law reads.
    readrecord(m, "lubricant property record", Echo::O,
         {item("record label", lab), item("reftv", tp.reftv), item("refvis", tp.refvis),
          item("viscoeff(1)", tp.viscoeff(1)), item("viscoeff(4)", tp.viscoeff(4)),
          item("viscoeff(7)", tp.viscoeff(7)), item("thercondlub", tp.thercondlub(1)),
          item("denlub", tp.denlub), item("spheatlub", tp.spheatlub)});
    readrecord(m, "traction-viscosity record", Echo::O,
         {item("record label", lab), item("reftracvis", tp.reftracvis),
          item("tracviscoeff(1)", tp.tracviscoeff(1)),
          item("tracviscoeff(4)", tp.tracviscoeff(4))});
  }
  d.in.reset();  // DATA.txt is complete
}

}  // namespace zela1
