// Input records: the listing of every example input line by line (expected lines worked out by
// hand from the echo forms: 3 blanks, the label in 12 columns, then I4/I3 integers or E11.4
// reals, nine to a line for the geometry records, the spherical tapered record in the free form
// of one blank before the label and before each E11.4 value), the variable every item of every
// record lands in, the records each option reads and skips, the assignments made while
// reading, the start constants, and the refusals after
// Record 3.2 and of unreadable input with their exact texts and exit statuses.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "model/model.h"
#include "run/stop.h"
#include "run/zela1.h"
#include "run/zela7.h"
#include "support/rundir.h"

namespace {

using Lines = std::vector<std::string>;

const Lines kHeader = {"\f", "", "   Listing of input data records", "   -----------------------------",
                       "", ""};

std::string slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// Reads DATA.txt with the start constants and the record reader only (no later stage).
struct Read {
  std::unique_ptr<Model> m = std::make_unique<Model>();
  Lines lines;  // the report written while reading
  int status = 0;
  std::string console;
};

Read readInput(const std::string& data) {
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", data);
  Read r;
  r.m->devices.dir = dir.path().string();
  std::ostringstream out;
  r.m->devices.report.attach(out);
  try {
    zela1::startconstants(*r.m);
    zela1::inputrecords(*r.m);
  } catch (const zq::StopRun& s) {
    r.status = s.status();
    r.console = s.console();
  }
  r.m->devices.report.close();
  r.lines = zqtest::lines(out.str());
  return r;
}

// The labels of the echo lines after the header (continuation lines start with 15 blanks).
Lines labels(const Lines& lines) {
  Lines v;
  for (std::size_t k = kHeader.size(); k < lines.size(); ++k) {
    const std::string& l = lines[k];
    if (l.size() >= 15 && l.compare(0, 3, "   ") == 0 && l[3] != ' ') {
      std::string lab = l.substr(3, 12);
      while (!lab.empty() && lab.back() == ' ') lab.pop_back();
      v.push_back(lab);
    }
  }
  return v;
}

Lines withHeader(const Lines& echo) {
  Lines v = kHeader;
  v.insert(v.end(), echo.begin(), echo.end());
  return v;
}

// ---------------------------------------------------------------------------------------------
// Example inputs: the listing section of PRINT.txt from a whole run.

struct ExampleCase {
  const char* name;
  const char* file;
  Lines echo;
};

const std::string k15(15, ' ');

const ExampleCase kExamples[] = {
    {"BallSi",
     "examples/ball-si.txt",
     {"   RUNID       Deep groove ball bearing 6208, SI   ",
      "   REC3.2         1   1   9   0   0   0   0   0   0   0   0",
      "   REC3.3         0   1   0   1   1   0 100 100 100 111 111",
      "   ENVELOPE     4.0000E-02 8.0000E-02 0.0000E+00 1.2000E-01 1.8000E-02 1.8000E-02",
      "   REC5A        1.2700E-02 6.0000E-02 0.0000E+00 2.0000E-05 5.3000E-01 5.2000E-01"
      " 6.8500E-02 5.1800E-02 0.0000E+00",
      k15 + " 0.0000E+00 1.0000E-07 1.0000E-07",
      "   FITS         2.9300E+02 0.0000E+00 1.0000E-05 1.8000E+02 0.0000E+00 0.0000E+00"
      " 1.0000E+00",
      "   REC9.1       5.0000E+02 0.0000E+00 3.0000E+03 0.0000E+00 0.0000E+00 0.0000E+00",
      "   MOMSPEED     0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00"
      " 0.0000E+00 3.0000E+03",
      "   TEMPS        3.2000E+02 3.2500E+02 3.2000E+02 3.2500E+02 3.2200E+02",
      "   REC10.0       1  1  0",
      "   RACETRAC     0.0000E+00 7.0000E-02 5.0000E-02 5.0000E-01",
      "   FILM         2.0000E-08 2.0000E+01"}},
    {"BallEnglish",
     "examples/ball-english.txt",
     {"   RUNID       Ball bearing 6208, English units    ",
      "   REC3.2         2   1   9   0   0   0   0   0   0   0   0",
      "   REC3.3         0   1   0   1   1   0 100 100 100   1 111",
      "   ENVELOPE     1.5748E+00 3.1496E+00 0.0000E+00 4.7244E+00 7.0870E-01 7.0870E-01",
      "   REC5A        5.0000E-01 2.3622E+00 0.0000E+00 7.9000E-04 5.3000E-01 5.2000E-01"
      " 2.6969E+00 2.0394E+00 0.0000E+00",
      k15 + " 0.0000E+00 4.0000E-06 4.0000E-06",
      // housing material: density, modulus, Poisson's ratio and expansion (not the conductivity)
      "   HOUSING      9.7500E-02 1.0000E+07 3.3000E-01 1.3000E-05",
      "   FITS         5.2740E+02 0.0000E+00 4.0000E-04 1.8000E+02 0.0000E+00 0.0000E+00"
      " 1.0000E+00",
      "   REC9.1       1.1000E+02 0.0000E+00 6.7500E+02 0.0000E+00 0.0000E+00 0.0000E+00",
      "   MOMSPEED     0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00"
      " 0.0000E+00 3.0000E+03",
      "   TEMPS        5.7600E+02 5.8500E+02 5.7600E+02 5.8500E+02 5.7960E+02",
      "   REC10.0       1  1  0",
      "   RACETRAC     0.0000E+00 7.0000E-02 5.0000E-02 2.0000E+01",
      "   FILM         8.0000E-07 2.0000E+01"}},
    {"CylindricalSi",
     "examples/cylindrical-si.txt",
     {"   RUNID       Cylindrical roller bearing NU208, SI",
      "   REC3.2         1   2  14   0   0   0   0   1   1   0   0",
      "   REC3.3         1   1   0   1   1   1   1 100 100 111 111",
      "   ENVELOPE     4.0000E-02 8.0000E-02 0.0000E+00 1.2000E-01 1.8000E-02 1.8000E-02",
      "   REC5B.1      1.1000E-02 2.0000E-01 1.2000E-02 8.0000E-03 6.0000E-04 6.0000E-04"
      " 6.0500E-02 3.0000E-05",
      "   RACELAND     6.0500E-03 6.0500E-03 1.0000E+10 9.0000E-03 9.0000E-03 1.0000E+10"
      " 1.0000E-07 1.0000E-07",
      "   FLANGES      5.0000E-01 5.0000E-01 0.0000E+00 0.0000E+00 2.5000E-03 2.5000E-03"
      " 0.0000E+00 0.0000E+00 1.0000E-04",
      k15 + " 0.0000E+00",
      // 52100 at the roller temperature 328 K, interpolated in the built-in tables between
      // 295 K and 473 K (modulus 201.33 and 178.58 GPa, Poisson's ratio 0.277 and 0.269,
      // elastic strain limit 0.70 % and 1.09 %) and between 298 K and 477 K (expansion 11.5
      // and 12.6 x 1E-6/K): 197.11 GPa, 0.27552, 0.7723 %, 11.684 x 1E-6/K.
      "   REMATERIAL   7.8270E+03 1.9711E+11 2.7552E-01 1.1684E-05 7.7230E-03 6.2000E+01"
      " 5.0000E-06 6.8400E+08",
      "   FITS         2.9300E+02 0.0000E+00 1.5000E-05 1.8000E+02 0.0000E+00 0.0000E+00"
      " 1.0000E+00",
      "   REC9.1       0.0000E+00 0.0000E+00 5.0000E+03 0.0000E+00 0.0000E+00 0.0000E+00",
      "   MOMSPEED     0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00"
      " 0.0000E+00 3.0000E+03",
      "   TEMPS        3.2500E+02 3.3000E+02 3.2500E+02 3.3000E+02 3.2800E+02",
      "   REC10.0       4  2  2",
      "   RACETRAC     0.0000E+00 6.0000E-02 2.0000E+00 0.0000E+00",
      "   FLNGTRAC     0.0000E+00 8.0000E-02 1.0000E+00 0.0000E+00 0.0000E+00",
      "   FILM         2.0000E-08 2.0000E+01"}},
    {"SphericalSi",
     "examples/spherical-si.txt",
     {"   RUNID       Spherical roller bearing 22208, SI  ",
      "   REC3.2         1   3  15   0   0   0   0   0   0   0   0",
      "   REC3.3         0   1   0   1   1   1 100 100 100 111 111",
      "   ENVELOPE     4.0000E-02 8.0000E-02 0.0000E+00 1.2000E-01 2.3000E-02 2.3000E-02",
      "   SPHROLLER    9.5000E-03 3.4200E-02 1.0000E-02 5.0000E-04 5.0000E-04 6.0000E-02"
      " 3.5000E-05 5.1500E-01 5.1000E-01",
      k15 + " 1.0000E+01 1.0000E-07 1.0000E-07",
      "   FITS         2.9300E+02 0.0000E+00 1.5000E-05 1.8000E+02 0.0000E+00 0.0000E+00"
      " 1.0000E+00",
      "   REC9.1       7.0000E+02 0.0000E+00 4.0000E+03 0.0000E+00 0.0000E+00 0.0000E+00",
      "   MOMSPEED     0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00"
      " 0.0000E+00 2.0000E+03",
      "   TEMPS        3.2500E+02 3.3000E+02 3.2500E+02 3.3000E+02 3.2800E+02",
      "   REC10.0       1  1  0",
      "   RACETRAC     0.0000E+00 7.0000E-02 5.0000E-02 5.0000E-01",
      "   FILM         2.0000E-08 2.0000E+01"}},
    {"TaperedSi",
     "examples/tapered-si.txt",
     {"   RUNID       Tapered roller bearing 30208, SI    ",
      "   REC3.2         1   4  16   0   0   0   0   0   0   1   0",
      "   REC3.3         0   1   0   1   1   1 100 100 100 111 111",
      "   ENVELOPE     4.0000E-02 8.0000E-02 0.0000E+00 1.2000E-01 1.6000E-02 1.8000E-02",
      "   TAPROLLER    1.0600E-02 3.0000E-01 1.5000E-02 1.0000E-02 1.3000E-01 1.0000E+10"
      " 8.0000E-04 6.0000E-04 1.4000E+01",
      k15 + " 1.0000E+01",
      "   RACELAND     7.8000E-03 7.8000E-03 1.0000E+10 7.6000E-03 7.6000E-03 1.0000E+10"
      " 1.0000E-07 1.0000E-07",
      "   FLANGES      0.0000E+00 0.0000E+00-5.0000E-01 0.0000E+00 0.0000E+00 0.0000E+00"
      " 3.0000E-03 0.0000E+00 0.0000E+00",
      k15 + " 0.0000E+00",
      "   FITS         2.9300E+02 0.0000E+00 1.5000E-05 1.8000E+02 0.0000E+00 0.0000E+00"
      " 1.0000E+00",
      "   REC9.1       2.5000E+03 0.0000E+00 4.0000E+03 0.0000E+00 0.0000E+00 0.0000E+00",
      "   MOMSPEED     0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00"
      " 0.0000E+00 2.5000E+03",
      "   TEMPS        3.2500E+02 3.3000E+02 3.2500E+02 3.3000E+02 3.2800E+02",
      "   REC10.0       1  1  2",
      "   RACETRAC     0.0000E+00 7.0000E-02 5.0000E-02 5.0000E-01",
      "   FLNGTRAC     0.0000E+00 8.0000E-02 1.0000E+00 0.0000E+00 0.0000E+00",
      "   FILM         2.0000E-08 2.0000E+01"}},
    {"SphericalTaperedSi",
     "examples/spherical-tapered-si.txt",
     {"   RUNID       Spherical tapered roller bearing, SI",
      "   REC3.2         1   5  16   0   0   0   0   0   0   1   0",
      "   REC3.3         0   1   0   1   1   1 100 100 100 111 111",
      "   ENVELOPE     4.0000E-02 8.0000E-02 0.0000E+00 1.2000E-01 1.6000E-02 1.8000E-02",
      " SPHTAPROLLER  1.0600E-02  8.0000E-02  1.5000E-02  1.3000E-01  1.0000E+10  1.4000E+01"
      "  1.0000E+01  5.2000E-01  5.1000E-01  1.0000E-07  1.0000E-07",
      "   FLANGES      0.0000E+00 0.0000E+00-5.0000E-01 0.0000E+00 0.0000E+00 0.0000E+00"
      " 3.0000E-03 0.0000E+00 0.0000E+00",
      k15 + " 0.0000E+00",
      "   FITS         2.9300E+02 0.0000E+00 1.5000E-05 1.8000E+02 0.0000E+00 0.0000E+00"
      " 1.0000E+00",
      "   REC9.1       2.5000E+03 0.0000E+00 4.0000E+03 0.0000E+00 0.0000E+00 0.0000E+00",
      "   MOMSPEED     0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00"
      " 0.0000E+00 2.5000E+03",
      "   TEMPS        3.2500E+02 3.3000E+02 3.2500E+02 3.3000E+02 3.2800E+02",
      "   REC10.0       1  1  2",
      "   RACETRAC     0.0000E+00 7.0000E-02 5.0000E-02 5.0000E-01",
      "   FLNGTRAC     0.0000E+00 8.0000E-02 1.0000E+00 0.0000E+00 0.0000E+00",
      "   FILM         2.0000E-08 2.0000E+01"}},
};

class ExampleListing : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(ExampleListing, RunsAndListsEveryRecordAsRead) {
  const auto& c = GetParam();
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", slurp(zqtest::sourceFile(c.file)));
  const auto run = zqtest::runInProcess(dir);
  EXPECT_EQ(run.err, "");  // the input was readable
  const Lines got = zqtest::lines(dir.read("PRINT.txt"));
  // A realistic bearing passes every check and runs to the end.
  EXPECT_EQ(run.status, 0) << "last line of PRINT.txt: " << (got.empty() ? "" : got.back());
  const Lines want = withHeader(c.echo);
  ASSERT_GE(got.size(), want.size());
  for (std::size_t k = 0; k < want.size(); ++k) EXPECT_EQ(got[k], want[k]) << "line " << k + 1;
  // The listing ends there: what follows is the next section (form feed) or a message block
  // (it begins with an empty line).
  if (got.size() > want.size()) {
    const std::string& next = got[want.size()];
    EXPECT_TRUE(next.empty() || next[0] == '\f') << next;
  }
}

INSTANTIATE_TEST_SUITE_P(Inputs, ExampleListing, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExampleListing, CylindricalRollerRecordIsTheBuiltIn52100AtTheRollerTemperature) {
  // The example's own roller record is labelled 52100: it must say what the built-in 52100
  // says at the roller temperature of the temperature record (to the five digits written).
  const auto r = readInput(slurp(zqtest::sourceFile("examples/cylindrical-si.txt")));
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& mp = r.m->matprop;
  const double t = r.m->opcond.retemp(1);
  EXPECT_EQ(t, 328.0);
  const zela7::Material* steel = nullptr;
  for (const auto& e : zela7::database())
    if (e.code == 100) steel = &e;
  ASSERT_NE(steel, nullptr);
  EXPECT_EQ(mp.reden, steel->den);
  EXPECT_NEAR(mp.reem / zela7::evaluate(steel->em, t), 1.0, 5e-5);
  EXPECT_NEAR(mp.repr / zela7::evaluate(steel->pr, t), 1.0, 5e-5);
  EXPECT_NEAR(mp.recte / zela7::evaluate(steel->cte, t), 1.0, 5e-5);
  EXPECT_NEAR(mp.reesl / zela7::evaluate(steel->esl, t), 1.0, 5e-5);
  EXPECT_EQ(mp.reh, zela7::evaluate(steel->hrc, t));
  EXPECT_EQ(mp.rewc, steel->wc);
  EXPECT_EQ(mp.revm, steel->vm);
}

// ---------------------------------------------------------------------------------------------
// Building blocks of test inputs.

const char* const kRec1 = "RUN 'test run'\n";
std::string rec32(int kunit, int kbrg, int nre, const std::string& rest = "0 0 0 0 0 0 0 0") {
  return "R32 " + std::to_string(kunit) + " " + std::to_string(kbrg) + " " +
         std::to_string(nre) + " " + rest + "\n";
}
const char* const kRec33 = "R33 0 1 0 1 1 0 100 100 100 111 111\n";
const char* const kEnvelope = "ENV 0.04 0.08 0 0.12 0.018 0.018\n";
const char* const kBall = "B5A 0.0127 0.06 0 2E-5 0.53 0.52 0.0685 0.0518 0 0 1E-7 1E-7\n";
const char* const kOperating =
    "FITS 293 0 1E-5 180 0 0 1\n"
    "R91 500 0 3000 0 0 0\n"
    "MOM 0 0 0 0 0 0 0 3000\n"
    "TEMP 320 325 320 325 322\n";

std::string ballInput(const std::string& tail) {
  return std::string(kRec1) + rec32(1, 1, 9) + kRec33 + kEnvelope + kBall + kOperating + tail;
}

// ---------------------------------------------------------------------------------------------
// Stops after Record 3.2.

std::string stopBlock(const Lines& middle) {
  std::string s = "\n\n     Execution terminating in Zela1 \n\n\n";
  for (const auto& l : middle) s += l + "\n";
  return s + "\n\n\n";
}

TEST(Record32, InvalidBearingTypeStopsBeforeRecord33) {
  // Record 3.3 is unreadable: reaching it would end with status 2 instead.
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", std::string(kRec1) + rec32(1, 6, 9) + "R33 not numbers at all\n");
  const auto run = zqtest::runInProcess(dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(dir.read("PRINT.txt"),
            "\f\n\n   Listing of input data records\n   -----------------------------\n\n\n"
            "   RUN         test run                            \n"
            "   R32            1   6   9   0   0   0   0   0   0   0   0\n"
            "\n\n     Execution terminating in Zela1 \n\n\n"
            "     Invalid bearing type encountered..  brgType =  6\n\n\n\n");
}

TEST(Record32, BearingTypeIsCheckedBeforeElementCountAndFlanges) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 0, 99, "0 0 0 0 7 0 0 0"));
  EXPECT_EQ(r.status, 1);
  ASSERT_GE(r.lines.size(), 14u);
  EXPECT_EQ(r.lines[13], "     Invalid bearing type encountered..  brgType =  0");
}

TEST(Record32, ExecutableEndsWithStatusOneOnInvalidBearingType) {
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", std::string(kRec1) + rec32(1, 6, 9));
  const auto run = zqtest::runProgram(dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "");
}

struct NreCase {
  int nre;
  const char* line;
};

class ElementCount : public ::testing::TestWithParam<NreCase> {};

TEST_P(ElementCount, OutsideOneToFortyIsRefused) {
  const auto& c = GetParam();
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", std::string(kRec1) + rec32(1, 1, c.nre) + "R33 unreadable\n");
  const auto run = zqtest::runInProcess(dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  const std::string print = dir.read("PRINT.txt");
  const std::string block = stopBlock(
      {c.line, "     The number of rolling elements on Record 3.2 must be 1 to 40."});
  ASSERT_GE(print.size(), block.size());
  EXPECT_EQ(print.substr(print.size() - block.size()), block);
  // Nothing per element was touched: the element arrays keep their initial zeros.
  EXPECT_EQ(run.model->brggeom.rediavar(40), 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ElementCount,
    ::testing::Values(NreCase{0, "     Invalid number of rolling elements encountered..  nRE =  0"},
                      NreCase{41, "     Invalid number of rolling elements encountered..  nRE = 41"},
                      NreCase{-3, "     Invalid number of rolling elements encountered..  nRE = -3"},
                      NreCase{100,
                              "     Invalid number of rolling elements encountered..  nRE = 100"},
                      NreCase{-2147483647, "     Invalid number of rolling elements "
                                           "encountered..  nRE = -2147483647"}));

TEST(ElementCount, OneAndFortyAreAccepted) {
  for (int nre : {1, 40}) {
    const auto r = readInput(std::string(kRec1) + rec32(1, 1, nre) + kRec33 + kEnvelope + kBall +
                             kOperating + "R100 -1 0 0\n");
    EXPECT_EQ(r.status, 0) << nre;
    EXPECT_EQ(r.m->brggeom.nre, nre);
  }
}

TEST(FlangeFlags, OtherThanZeroOrOneAreRefusedEachNamed) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 4, 16, "0 0 0 0 2 0 0 -1"));
  EXPECT_EQ(r.status, 1);
  Lines want = withHeader({"   RUN         test run                            ",
                           "   R32            1   4  16   0   0   0   0   2   0   0  -1"});
  for (const auto& l : zqtest::lines(stopBlock(
           {"     Invalid flange flag encountered..  kFlngInd(1,1) =  2",
            "     Invalid flange flag encountered..  kFlngInd(2,2) = -1",
            "     Flange flags kFlngInd on Record 3.2 must be 0 (no flange) or 1 (flange)."})))
    want.push_back(l);
  EXPECT_EQ(r.lines, want);
}

TEST(FlangeFlags, NegativeFlagWhoseSumIsZeroIsRefused) {
  // (1, -1) sums to zero and is non-zero flag by flag: the two readings of "a flange is
  // present" would disagree, so the input is refused.
  const auto r = readInput(std::string(kRec1) + rec32(1, 2, 12, "0 0 0 0 1 -1 0 0"));
  EXPECT_EQ(r.status, 1);
  ASSERT_FALSE(r.lines.empty());
  EXPECT_EQ(r.lines[r.lines.size() - 4],
            "     Flange flags kFlngInd on Record 3.2 must be 0 (no flange) or 1 (flange).");
  EXPECT_EQ(r.lines[r.lines.size() - 5],
            "     Invalid flange flag encountered..  kFlngInd(2,1) = -1");
}

// ---------------------------------------------------------------------------------------------
// Unreadable input through the whole program: console message, status 2, listing kept.

TEST(UnreadableInput, MissingRecordEndsWithStatusTwoAndKeepsTheListing) {
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", std::string(kRec1) + rec32(1, 1, 9) + kRec33);
  const auto run = zqtest::runInProcess(dir);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "\n     ****************\n"
            "     Execution terminating in subroutine Zela1\n"
            "     Input error in DATA.txt, after line 3 (end of file)\n"
            "     Record:   bearing envelope record\n"
            "     Item:     1 of 7, record label\n"
            "     Found:    end of file\n"
            "     Expected: a text\n"
            "     ****************\n\n");
  EXPECT_EQ(zqtest::lines(dir.read("PRINT.txt")),
            withHeader({"   RUN         test run                            ",
                        "   R32            1   1   9   0   0   0   0   0   0   0   0",
                        "   R33            0   1   0   1   1   0 100 100 100 111 111"}));
}

TEST(UnreadableInput, BadValueNamesLineRecordAndItem) {
  zqtest::ScratchDir dir;
  std::string data = ballInput("R100 -1 0 0\n");
  const std::string good = "R91 500 0 3000 0 0 0";
  data.replace(data.find(good), good.size(), "R91 500 0 3OOO 0 0 0");
  dir.write("DATA.txt", data);
  const auto run2 = zqtest::runProgram(dir);
  EXPECT_EQ(run2.out, "");
  EXPECT_EQ(run2.status, 2);
  EXPECT_EQ(run2.err,
            "\n     ****************\n"
            "     Execution terminating in subroutine Zela1\n"
            "     Input error in DATA.txt, line 7\n"
            "     Record:   Record 9.1 (applied loads and displacements), label \"R91\"\n"
            "     Item:     4 of 7, appload(3)\n"
            "     Found:    \"3OOO\"\n"
            "     Expected: a real number in integer, decimal or exponent form (such as 25, "
            "0.25, 2.5E-1 or 2.5D-1)\n"
            "     ****************\n\n");
  const Lines got = zqtest::lines(dir.read("PRINT.txt"));
  ASSERT_EQ(got.size(), kHeader.size() + 7);  // records 1 to 6 listed, 5A on two lines
  EXPECT_EQ(got.back(), "   FITS         2.9300E+02 0.0000E+00 1.0000E-05 1.8000E+02 0.0000E+00"
                        " 0.0000E+00 1.0000E+00");
}

TEST(UnreadableInput, DirectoryNamedDataTxtIsAnOpenError) {
  zqtest::ScratchDir dir;
  std::filesystem::create_directory(dir.path() / "DATA.txt");
  const auto run = zqtest::runInProcess(dir);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "\n     ****************\n"
            "     Execution terminating in subroutine Zela1\n"
            "     File open error for file DATA.txt  \n"
            "     The input data file, DATA.txt   must exist in the \n"
            "     in the current run directory.\n"
            "     ****************\n\n");
}

// ---------------------------------------------------------------------------------------------
// Which records are read.

TEST(RecordSelection, BallReadsNoRollerRecords) {
  // Directly after Record 5A comes the fits record; a race-land record there would be read as
  // the fits record and its eight values would misplace every later record.
  const auto r = readInput(ballInput("R100 -1 0 0\n"));
  EXPECT_EQ(r.status, 0) << r.console;
  EXPECT_EQ(labels(r.lines), (Lines{"RUN", "R32", "R33", "ENV", "B5A", "FITS", "R91", "MOM",
                                    "TEMP", "R100"}));
  EXPECT_EQ(r.m->opcond.roomtemp, 293.0);
}

TEST(RecordSelection, TaperedReadsTypeRecordThenRaceLand) {
  const auto r = readInput(
      std::string(kRec1) + rec32(1, 4, 16, "0 0 0 0 0 0 1 0") + kRec33 + kEnvelope +
      "TAP 0.0106 0.3 0.015 0.01 0.13 1E10 8E-4 6E-4 14 10\n"
      "LAND 0.016 0.0111 0.2 0.0155 0.0122 0.3 1E-7 2E-7\n"
      "FLNG 0 0 -0.5 0 0 0 0.003 0 0 0\n" +
      kOperating + "R100 0 0 0\nRTC 0.1 0 0 1\nFTC 0.2 0 0 1 0\n");
  EXPECT_EQ(r.status, 0) << r.console;
  EXPECT_EQ(labels(r.lines), (Lines{"RUN", "R32", "R33", "ENV", "TAP", "LAND", "FLNG", "FITS",
                                    "R91", "MOM", "TEMP", "R100", "RTC", "FTC"}));
  const auto& g = r.m->brggeom;
  // The central lengths read on the race-land record are replaced by the land limits; the
  // echo shows them as read.
  EXPECT_EQ(g.racecenlen(1), 0.016);
  EXPECT_EQ(g.racecenlen(2), 0.0155);
  EXPECT_EQ(r.lines[kHeader.size() + 6],
            "   LAND         1.6000E-02 1.1100E-02 2.0000E-01 1.5500E-02 1.2200E-02 3.0000E-01"
            " 1.0000E-07 2.0000E-07");
  EXPECT_EQ(g.racecrn(1), 0.2);
  EXPECT_EQ(g.racecrn(2), 0.3);
  EXPECT_EQ(g.breendrad(1), 0.13);
  EXPECT_EQ(g.breendrad(2), 1.0e10);
  EXPECT_EQ(g.racecurrad(1), 1.0e10);
  EXPECT_EQ(g.flngang(1, 2), -0.5);
  EXPECT_EQ(g.flnght(1, 2), 0.003);
  EXPECT_EQ(r.m->fatiguecons.rmsaspht(2), 2e-7);
  EXPECT_EQ(r.m->tracprop.reflngfilm, 0.0);
  EXPECT_EQ(r.m->zela1.reflngtc(1), 0.2);
}

TEST(RecordSelection, CylindricalReadsRaceLandAfterItsTypeRecord) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 2, 14) + kRec33 + kEnvelope +
                           "CYL 0.011 0.2 0.012 0.008 6E-4 6E-4 0.0605 3E-5\n"
                           "LAND 0.0122 0.01 1E10 0.018 0.017 1E10 1E-7 1E-7\n" +
                           kOperating + "R100 -1 0 0\n");
  EXPECT_EQ(r.status, 0) << r.console;
  EXPECT_EQ(labels(r.lines), (Lines{"RUN", "R32", "R33", "ENV", "CYL", "LAND", "FITS", "R91",
                                    "MOM", "TEMP", "R100"}));
  EXPECT_EQ(r.m->brggeom.brecenlen, 0.008);
  EXPECT_EQ(r.m->brggeom.racecenlen(1), 0.0122);
  EXPECT_EQ(r.m->brggeom.racecenlen(2), 0.018);
  // Rollers are race controlled whatever Record 3.3 says.
  EXPECT_EQ(r.m->setupa4.kangvel, 1);
}

TEST(RecordSelection, BallKeepsItsSpinOption) {
  const auto r = readInput(ballInput("R100 -1 0 0\n"));
  EXPECT_EQ(r.m->setupa4.kangvel, 0);
  const auto r2 = readInput(std::string(kRec1) + rec32(1, 1, 9) +
                            "R33 0 1 0 1 1 2 100 100 100 111 111\n" + kEnvelope + kBall +
                            kOperating + "R100 -1 0 0\n");
  EXPECT_EQ(r2.m->setupa4.kangvel, 2);
}

struct TracCase {
  const char* name;
  int ktrac;
  Lines tail;  // labels read after Record 10.0
};

const TracCase kTracCases[] = {
    {"NoTraction", -1, {}},
    {"CurveOnly", 0, {"RTC"}},
    {"Database", 4, {"RTC", "FILM"}},
    {"UserLubricant", 9, {"RTC", "FILM", "LNAME", "LPROP", "TVIS"}},
};

class TractionRecords : public ::testing::TestWithParam<TracCase> {};

TEST_P(TractionRecords, ReadExactlyTheirRecords) {
  const auto& c = GetParam();
  // Every possible traction record follows; one record too many would read the next line as
  // the wrong record, and the line "STOP x" ends the file so that reading past the records
  // asked for stops with status 2.
  const std::string records =
      "R100 " + std::to_string(c.ktrac) + " 1 0\n";
  std::string tail;
  for (const auto& l : c.tail) {
    if (l == "RTC") tail += "RTC 0.1 0.07 0.05 0.5\n";
    if (l == "FILM") tail += "FILM 2E-8 20\n";
    if (l == "LNAME") tail += "LNAME 'Test oil'\n";
    if (l == "LPROP") tail += "LPROP 311 0.05 1.5E-8 4000 7E-6 0.14 870 2000\n";
    if (l == "TVIS") tail += "TVIS 0.2 1.2E-8 0.03\n";
  }
  const auto r = readInput(ballInput(records + tail + "STOP x\n"));
  EXPECT_EQ(r.status, 0) << r.console;
  Lines want{"RUN", "R32", "R33", "ENV", "B5A", "FITS", "R91", "MOM", "TEMP", "R100"};
  want.insert(want.end(), c.tail.begin(), c.tail.end());
  EXPECT_EQ(labels(r.lines), want);
  EXPECT_EQ(r.m->tracprop.ktrac, c.ktrac);
  EXPECT_EQ(r.m->tracprop.krftrac, 0);
}

INSTANTIATE_TEST_SUITE_P(Codes, TractionRecords, ::testing::ValuesIn(kTracCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TractionRecords, MissingFilmRecordOfDatabaseLubricantEndsTheRun) {
  // A database lubricant needs the film record after the traction-curve record.
  const auto r = readInput(ballInput("R100 4 1 0\nRTC 0.1 0.07 0.05 0.5\n"));
  EXPECT_EQ(r.status, 2);
}

TEST(TractionRecords, FlangeRecordIsReadOnlyWithFlanges) {
  const std::string tapered = std::string(kRec1) + rec32(1, 4, 16, "0 0 0 0 0 0 1 0") + kRec33 +
                              kEnvelope + "TAP 0.0106 0.3 0.015 0.01 0.13 1E10 8E-4 6E-4 14 10\n" +
                              "LAND 0.016 0.016 1E10 0.0155 0.0155 1E10 1E-7 1E-7\n" +
                              "FLNG 0 0 -0.5 0 0 0 0.003 0 0 0\n" + kOperating;
  const auto r = readInput(tapered + "R100 4 1 2\nRTC 0.1 0.07 0.05 0.5\nFTC 0 0.08 1 0 1E-7\n"
                                     "FILM 2E-8 20\n");
  EXPECT_EQ(r.status, 0) << r.console;
  const Lines l = labels(r.lines);
  EXPECT_EQ(Lines(l.end() - 4, l.end()), (Lines{"R100", "RTC", "FTC", "FILM"}));
  EXPECT_EQ(r.m->tracprop.reflngfilm, 1e-7);
  EXPECT_EQ(r.m->zela1.reflngtc(2), 0.08);
  // Without flanges (ball) the same position holds the film record.
  const auto b = readInput(ballInput("R100 4 1 2\nRTC 0.1 0.07 0.05 0.5\nFILM 2E-8 20\n"));
  EXPECT_EQ(b.status, 0) << b.console;
  EXPECT_EQ(b.m->tracprop.reracefilm(1), 2e-8);
}

TEST(TractionRecords, UserLubricantCoefficientsGoToTheLawsSlots) {
  const std::string forty = "Forty character lubricant name ABCDEFGHI";
  ASSERT_EQ(forty.size(), 40u);
  const auto r = readInput(ballInput("R100 9 1 0\nRTC 0.1 0.07 0.05 0.5\nFILM 2E-8 20\n"
                                     "LNAME '" + forty + "'\n"
                                     "LPROP 311 0.05 1.5E-8 4000 7E-6 0.14 870 2000\n"
                                     "TVIS 0.2 1.2E-8 0.03\n"));
  EXPECT_EQ(r.status, 0) << r.console;
  const auto& t = r.m->tracprop;
  EXPECT_EQ(t.reftv, 311.0);
  EXPECT_EQ(t.refvis, 0.05);
  // pressure (1), temperature (4) and pressure-temperature (7) coefficients of the law
  EXPECT_EQ(t.viscoeff(1), 1.5e-8);
  EXPECT_EQ(t.viscoeff(2), 0.0);
  EXPECT_EQ(t.viscoeff(3), 0.0);
  EXPECT_EQ(t.viscoeff(4), 4000.0);
  EXPECT_EQ(t.viscoeff(7), 7e-6);
  EXPECT_EQ(t.thercondlub(1), 0.14);
  EXPECT_EQ(t.denlub, 870.0);
  EXPECT_EQ(t.spheatlub, 2000.0);
  EXPECT_EQ(t.reftracvis, 0.2);
  EXPECT_EQ(t.tracviscoeff(1), 1.2e-8);
  EXPECT_EQ(t.tracviscoeff(2), 0.0);
  EXPECT_EQ(t.tracviscoeff(4), 0.03);
  EXPECT_EQ(t.lubname.trimmed(), forty);
  const std::size_t n = r.lines.size();
  ASSERT_GE(n, 3u);
  // The name is echoed by its first 36 characters; the values in the order read.
  EXPECT_EQ(r.lines[n - 3], "   LNAME       Forty character lubricant name ABCDE");
  EXPECT_EQ(r.lines[n - 2], "   LPROP        3.1100E+02 5.0000E-02 1.5000E-08 4.0000E+03"
                            " 7.0000E-06 1.4000E-01 8.7000E+02 2.0000E+03");
  EXPECT_EQ(r.lines[n - 1], "   TVIS         2.0000E-01 1.2000E-08 3.0000E-02");
  // Both races get the traction-curve input; the outer film value serves both races.
  EXPECT_EQ(r.m->zela1.reracetc(4, 2), 0.5);
  EXPECT_EQ(r.m->zela1.reracetc(1, 2), 0.1);
  EXPECT_EQ(t.reracefilm(2), 2e-8);
  EXPECT_EQ(t.strparam, 20.0);
}

TEST(RecordSelection, SizeVariationRecordsByOption) {
  // kregeoimp = 1: one RMS value for a ball, four for cylindrical and tapered rollers.
  const auto b = readInput(std::string(kRec1) + rec32(1, 1, 9, "0 1 0 0 0 0 0 0") + kRec33 +
                           kEnvelope + kBall + "RMS 2E-6\n" + kOperating + "R100 -1 0 0\n");
  EXPECT_EQ(b.status, 0) << b.console;
  EXPECT_EQ(b.m->brggeom.rermsdiavar, 2e-6);
  EXPECT_EQ(b.lines[kHeader.size() + 6], "   RMS          2.0000E-06");
  const auto c = readInput(std::string(kRec1) + rec32(1, 2, 14, "0 1 0 0 0 0 0 0") + kRec33 +
                           kEnvelope + "CYL 0.011 0.2 0.012 0.008 6E-4 6E-4 0.0605 3E-5\n" +
                           "LAND 0.0122 0.01 1E10 0.018 0.017 1E10 1E-7 1E-7\n" +
                           "RMS 2E-6 3E-6 4E-6 5E-6\n" + kOperating + "R100 -1 0 0\n");
  EXPECT_EQ(c.status, 0) << c.console;
  EXPECT_EQ(c.m->brggeom.rermsclenoffset, 5e-6);
  // kregeoimp = 2: four records of ten diameters, each listed as nine values and one more.
  std::string lists;
  for (int r = 0; r < 4; ++r) {
    lists += "DIA";
    for (int i = 1; i <= 10; ++i) lists += " " + std::to_string(10 * r + i) + "E-7";
    lists += "\n";
  }
  const auto d = readInput(std::string(kRec1) + rec32(1, 1, 9, "0 2 0 0 0 0 0 0") + kRec33 +
                           kEnvelope + kBall + lists + kOperating + "R100 -1 0 0\n");
  EXPECT_EQ(d.status, 0) << d.console;
  for (int i = 1; i <= 40; ++i) EXPECT_DOUBLE_EQ(d.m->brggeom.rediavar(i), i * 1e-7) << i;
  EXPECT_EQ(d.lines[kHeader.size() + 12],
            "   DIA          3.1000E-06 3.2000E-06 3.3000E-06 3.4000E-06 3.5000E-06 3.6000E-06"
            " 3.7000E-06 3.8000E-06 3.9000E-06");
  EXPECT_EQ(d.lines[kHeader.size() + 13], k15 + " 4.0000E-06");
}

TEST(RecordSelection, RaceImperfectionRecordsByRaceAndParity) {
  // Ball (odd type): radius and curvature-factor variations, inner race only.
  const auto b = readInput(std::string(kRec1) + rec32(1, 1, 9, "0 0 0 2 0 0 0 0") + kRec33 +
                           kEnvelope + kBall + "IMP 1E-6 3 15 0.001 4 30\n" + kOperating +
                           "R100 -1 0 0\n");
  EXPECT_EQ(b.status, 0) << b.console;
  const auto& g = b.m->brggeom;
  EXPECT_EQ(g.rlradvar(1, 2), 1e-6);
  EXPECT_EQ(g.rlradvar(3, 2), 15.0);
  EXPECT_EQ(g.cfacvar(2, 2), 4.0);
  EXPECT_EQ(g.rlradvar(1, 1), 0.0);
  // The flags of the two races also stand for the second halves of a split race.
  EXPECT_EQ(b.m->options.kracegeoimp.lin(3), 0);
  EXPECT_EQ(b.m->options.kracegeoimp.lin(4), 2);
  // Cylindrical (even type): radius, land offset and land taper, both races.
  const auto c = readInput(
      std::string(kRec1) + rec32(1, 2, 14, "0 0 1 1 0 0 0 0") + kRec33 + kEnvelope +
      "CYL 0.011 0.2 0.012 0.008 6E-4 6E-4 0.0605 3E-5\n"
      "LAND 0.0122 0.01 1E10 0.018 0.017 1E10 1E-7 1E-7\n"
      "IMP1 1 2 3 4 5 6 7 8 9 10 11\n"
      "IMP2 12 13 14 15 16 17 18 19 20 21 22\n" +
      kOperating + "R100 -1 0 0\n");
  EXPECT_EQ(c.status, 0) << c.console;
  const auto& h = c.m->brggeom;
  EXPECT_EQ(h.rlradvar(3, 1), 3.0);
  EXPECT_EQ(h.rloffset(4, 1), 7.0);
  EXPECT_EQ(h.rltaper(4, 1), 11.0);
  EXPECT_EQ(h.rlradvar(1, 2), 12.0);
  EXPECT_EQ(h.rltaper(4, 2), 22.0);
  EXPECT_EQ(c.lines[kHeader.size() + 6],
            "   IMP1         1.0000E+00 2.0000E+00 3.0000E+00 4.0000E+00 5.0000E+00 6.0000E+00"
            " 7.0000E+00 8.0000E+00 9.0000E+00");
  EXPECT_EQ(c.lines[kHeader.size() + 7], k15 + " 1.0000E+01 1.1000E+01");
}

TEST(Assignments, MaterialRecordsSetLifeCodesAndClearConductivity) {
  Read r = readInput(std::string(kRec1) + rec32(1, 1, 9) +
                     "R33 0 1 0 1 1 0 1 0 1 1 1\n" + kEnvelope + kBall +
                     "REM 7827 2.01E11 0.277 1.19E-5 0.002 62 5E-6 6.84E8\n"
                     "RACE2 7800 2.0E11 0.28 1.2E-5 0.002 60 5E-6 6.0E8\n"
                     "HSG 7200 1.1E11 0.26 1.1E-5 50\n"
                     "SHF 7850 2.05E11 0.29 1.2E-5 44.5\n" +
                     kOperating + "R100 -1 0 0\n");
  EXPECT_EQ(r.status, 0) << r.console;
  const auto& mp = r.m->matprop;
  const auto& op = r.m->options;
  EXPECT_EQ(mp.revm, 6.84e8);
  EXPECT_EQ(op.klifemodre, 1);
  EXPECT_EQ(op.kprocre, 2);
  EXPECT_EQ(mp.racepr(2), 0.28);
  EXPECT_EQ(op.klifemod(2), 1);
  EXPECT_EQ(op.kproc(2), 2);
  EXPECT_EQ(op.klifemod(1), 0);  // outer race from the database: no record, no codes
  EXPECT_EQ(mp.raceden(1), 0.0);
  EXPECT_EQ(mp.hsngtc, 50.0);
  EXPECT_EQ(mp.shfttc, 44.5);
  // Housing and shaft are listed by their first four values.
  EXPECT_EQ(r.lines[kHeader.size() + 8], "   HSG          7.2000E+03 1.1000E+11 2.6000E-01 1.1000E-05");
  EXPECT_EQ(r.lines[kHeader.size() + 9], "   SHF          7.8500E+03 2.0500E+11 2.9000E-01 1.2000E-05");
}

TEST(Assignments, MaterialRecordClearsEarlierConductivityAndSpecificHeat) {
  auto mp = std::make_unique<Model>();
  Model& m = *mp;
  m.matprop.retc = 40.0;
  m.matprop.resh = 450.0;
  m.matprop.racetc(1) = 40.0;
  m.matprop.racesh(1) = 450.0;
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", std::string(kRec1) + rec32(1, 1, 9) + "R33 0 1 0 1 1 0 1 1 0 0 0\n" +
                            kEnvelope + kBall + "REM 1 2 3 4 5 6 7 8\nRC1 1 2 3 4 5 6 7 8\n" +
                            kOperating + "R100 -1 0 0\n");
  m.devices.dir = dir.path().string();
  std::ostringstream out;
  m.devices.report.attach(out);
  zela1::inputrecords(m);
  m.devices.report.close();
  EXPECT_EQ(m.matprop.retc, 0.0);
  EXPECT_EQ(m.matprop.resh, 0.0);
  EXPECT_EQ(m.matprop.racetc(1), 0.0);
  EXPECT_EQ(m.matprop.racesh(1), 0.0);
}

TEST(Assignments, SlashAfterRecord33LabelKeepsPresets) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 1, 9) + "R33 /\n" + kEnvelope + kBall +
                           kOperating + "R100 -1 0 0\n");
  EXPECT_EQ(r.status, 0) << r.console;
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(r.m->options.kfs(k), 1);
  EXPECT_EQ(r.m->options.kremat, 0);
  EXPECT_EQ(r.lines[kHeader.size() + 2],
            "   R33            1   1   1   1   1   0   0   0   0   0   0");
}

TEST(Assignments, EnvelopePresetsStraightProfilesForBall) {
  const auto r = readInput(ballInput("R100 -1 0 0\n"));
  const auto& g = r.m->brggeom;
  for (int j = 1; j <= 2; ++j) {
    EXPECT_EQ(g.racecurrad(j), 1.0e10);
    EXPECT_EQ(g.breendrad(j), 1.0e10);
    EXPECT_EQ(g.racecrn(j), 1.0e10);
    EXPECT_EQ(g.racecenlen(j), 0.0);  // the land limits of a ball bearing are zero
  }
  EXPECT_EQ(r.m->options.kprtopt, 1);
  EXPECT_EQ(r.m->errors.jerind, 0);
}

// ---------------------------------------------------------------------------------------------
// Where every value lands: each record read with a different value in every item, and every
// item looked up in the variable it must fill (module, variable, index). Two items sent to each
// other's variables, or one item sent to the wrong index, fail here.

struct Hit {
  std::string item;  // the item as the record lists it
  double got;        // the model variable after the read
  double want;       // the value written in the test input for that item
};

void expectHits(const std::vector<Hit>& hits) {
  for (const auto& h : hits) EXPECT_EQ(h.got, h.want) << h.item;
}

const char* const kNoTraction = "R100 -1 0 0\n";

TEST(RecordTargets, Record32CodesAndFlagsReachTheirOptions) {
  // Integers unchecked while reading may take any value; the flange flags only 0 or 1, so two
  // patterns tell every pair of flags apart. Spherical type: one RMS value, six-value race
  // imperfection records, flange record and flange traction record follow.
  const auto r = readInput(std::string(kRec1) + "R32 2 3 17 4 1 5 6 1 0 0 1\n" + kRec33 +
                           kEnvelope +
                           "SPH 0.0095 0.0342 0.010 5E-4 5E-4 0.060 3.5E-5 0.515 0.51 10 0 0\n"
                           "FLNG 0 0 0 0 0 0 0 0 0 0\n"
                           "RMS 0\nIMP1 0 0 0 0 0 0\nIMP2 0 0 0 0 0 0\n" +
                           kOperating + kNoTraction + "FTC 0 0 0 0 0\n");
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& op = r.m->options;
  const auto& g = r.m->brggeom;
  expectHits({{"kunit", double(op.kunit), 2},
              {"kbrg", double(g.kbrg), 3},
              {"nre", double(g.nre), 17},
              {"kraceflex", double(op.kraceflex), 4},
              {"kregeoimp", double(op.kregeoimp), 1},
              {"kracegeoimp(1)", double(op.kracegeoimp.lin(1)), 5},
              {"kracegeoimp(2)", double(op.kracegeoimp.lin(2)), 6},
              {"kflngind(1,1)", double(g.kflngind(1, 1)), 1},
              {"kflngind(2,1)", double(g.kflngind(2, 1)), 0},
              {"kflngind(1,2)", double(g.kflngind(1, 2)), 0},
              {"kflngind(2,2)", double(g.kflngind(2, 2)), 1}});
  const auto r2 = readInput(std::string(kRec1) + "R32 1 1 9 0 0 0 0 1 1 0 0\n" + kRec33 +
                            kEnvelope + kBall + "FLNG 0 0 0 0 0 0 0 0 0 0\n" + kOperating +
                            kNoTraction + "FTC 0 0 0 0 0\n");
  ASSERT_EQ(r2.status, 0) << r2.console;
  const auto& g2 = r2.m->brggeom;
  expectHits({{"kflngind(1,1)", double(g2.kflngind(1, 1)), 1},
              {"kflngind(2,1)", double(g2.kflngind(2, 1)), 1},
              {"kflngind(1,2)", double(g2.kflngind(1, 2)), 0},
              {"kflngind(2,2)", double(g2.kflngind(2, 2)), 0}});
}

TEST(RecordTargets, Record33ConstraintsSpinAndMaterialCodes) {
  // Ball type keeps its spin option; material codes other than 1 read no material record.
  const auto r = readInput(std::string(kRec1) + rec32(1, 1, 9) +
                           "R33 21 22 23 24 25 26 101 102 103 104 105\n" + kEnvelope + kBall +
                           kOperating + kNoTraction);
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& op = r.m->options;
  expectHits({{"kfs(1)", double(op.kfs(1)), 21},
              {"kfs(2)", double(op.kfs(2)), 22},
              {"kfs(3)", double(op.kfs(3)), 23},
              {"kfs(4)", double(op.kfs(4)), 24},
              {"kfs(5)", double(op.kfs(5)), 25},
              {"kangvel", double(r.m->setupa4.kangvel), 26},
              {"kremat", double(op.kremat), 101},
              {"kracemat(1)", double(op.kracemat(1)), 102},
              {"kracemat(2)", double(op.kracemat(2)), 103},
              {"khsngmat", double(op.khsngmat), 104},
              {"kshftmat", double(op.kshftmat), 105}});
}

TEST(RecordTargets, EnvelopeRecord) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 1, 9) + kRec33 +
                           "ENV 1.1 2.2 3.3 4.4 5.5 6.6\n" + kBall + kOperating + kNoTraction);
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& g = r.m->brggeom;
  expectHits({{"brgbore", g.brgbore, 1.1},
              {"brgod", g.brgod, 2.2},
              {"shftid", g.shftid, 3.3},
              {"hsngod", g.hsngod, 4.4},
              {"racewidth(1)", g.racewidth(1), 5.5},
              {"racewidth(2)", g.racewidth(2), 6.6}});
}

TEST(RecordTargets, BallRecord5A) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 1, 9) + kRec33 + kEnvelope +
                           "B5A 1.1 2.2 3.3 4.4 5.5 6.6 7.7 8.8 9.9 10.1 11.1 12.1\n" +
                           kOperating + kNoTraction);
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& g = r.m->brggeom;
  const auto& fc = r.m->fatiguecons;
  expectHits({{"bredia", g.bredia, 1.1},
              {"pitchdia", g.pitchdia, 2.2},
              {"freeconang", g.freeconang, 3.3},
              {"freeintcls", g.freeintcls, 4.4},
              {"racecurfac(1)", g.racecurfac(1), 5.5},
              {"racecurfac(2)", g.racecurfac(2), 6.6},
              {"shoulderdia(1)", g.shoulderdia(1), 7.7},
              {"shoulderdia(2)", g.shoulderdia(2), 8.8},
              {"shimthkns(1)", g.shimthkns(1), 9.9},
              {"shimthkns(2)", g.shimthkns(2), 10.1},
              {"rmsaspht(1)", fc.rmsaspht(1), 11.1},
              {"rmsaspht(2)", fc.rmsaspht(2), 12.1}});
}

TEST(RecordTargets, CylindricalRecord5B1AndRaceLand) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 2, 14) + kRec33 + kEnvelope +
                           "CYL 1.1 2.2 3.3 4.4 5.5 6.6 7.7 8.8\n"
                           "LAND 1.2 2.3 3.4 4.5 5.6 6.7 7.8 8.9\n" +
                           kOperating + kNoTraction);
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& g = r.m->brggeom;
  const auto& fc = r.m->fatiguecons;
  expectHits({{"bredia", g.bredia, 1.1},
              {"brecrn", g.brecrn, 2.2},
              {"brelen", g.brelen, 3.3},
              {"brecenlen", g.brecenlen, 4.4},
              {"brecorrad(1)", g.brecorrad(1), 5.5},
              {"brecorrad(2)", g.brecorrad(2), 6.6},
              {"pitchdia", g.pitchdia, 7.7},
              {"freeintcls", g.freeintcls, 8.8},
              {"racelandlmt(1)", g.racelandlmt(1), 1.2},
              {"racecrn(1)", g.racecrn(1), 3.4},
              {"racelandlmt(2)", g.racelandlmt(2), 4.5},
              {"racecrn(2)", g.racecrn(2), 6.7},
              {"rmsaspht(1)", fc.rmsaspht(1), 7.8},
              {"rmsaspht(2)", fc.rmsaspht(2), 8.9},
              // the central lengths take the land limits after the read
              {"racecenlen(1)", g.racecenlen(1), 1.2},
              {"racecenlen(2)", g.racecenlen(2), 4.5}});
  // The central lengths read are only listed: second and fifth places of the echo.
  EXPECT_EQ(r.lines[kHeader.size() + 5],
            "   LAND         1.2000E+00 2.3000E+00 3.4000E+00 4.5000E+00 5.6000E+00 6.7000E+00"
            " 7.8000E+00 8.9000E+00");
}

TEST(RecordTargets, SphericalRollerRecord) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 3, 15) + kRec33 + kEnvelope +
                           "SPH 1.1 2.2 3.3 4.4 5.5 6.6 7.7 8.8 9.9 10.1 11.1 12.1\n" +
                           kOperating + kNoTraction);
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& g = r.m->brggeom;
  const auto& fc = r.m->fatiguecons;
  expectHits({{"bredia", g.bredia, 1.1},
              {"brecrn", g.brecrn, 2.2},
              {"brelen", g.brelen, 3.3},
              {"brecorrad(1)", g.brecorrad(1), 4.4},
              {"brecorrad(2)", g.brecorrad(2), 5.5},
              {"pitchdia", g.pitchdia, 6.6},
              {"freeintcls", g.freeintcls, 7.7},
              {"racecurfac(1)", g.racecurfac(1), 8.8},
              {"racecurfac(2)", g.racecurfac(2), 9.9},
              {"freeconang", g.freeconang, 10.1},
              {"rmsaspht(1)", fc.rmsaspht(1), 11.1},
              {"rmsaspht(2)", fc.rmsaspht(2), 12.1}});
}

TEST(RecordTargets, TaperedRollerRecordThenRaceLand) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 4, 16) + kRec33 + kEnvelope +
                           "TAP 1.1 2.2 3.3 4.4 5.5 6.6 7.7 8.8 9.9 10.1\n"
                           "LAND 1.2 2.3 3.4 4.5 5.6 6.7 7.8 8.9\n" +
                           kOperating + kNoTraction);
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& g = r.m->brggeom;
  const auto& fc = r.m->fatiguecons;
  expectHits({{"bredia", g.bredia, 1.1},
              {"brecrn", g.brecrn, 2.2},
              {"brelen", g.brelen, 3.3},
              {"brecenlen", g.brecenlen, 4.4},
              {"breendrad(1)", g.breendrad(1), 5.5},
              {"breendrad(2)", g.breendrad(2), 6.6},
              {"brecorrad(1)", g.brecorrad(1), 7.7},
              {"brecorrad(2)", g.brecorrad(2), 8.8},
              {"racetaper(1)", g.racetaper(1), 9.9},
              {"racetaper(2)", g.racetaper(2), 10.1},
              {"racelandlmt(1)", g.racelandlmt(1), 1.2},
              {"racecrn(1)", g.racecrn(1), 3.4},
              {"racelandlmt(2)", g.racelandlmt(2), 4.5},
              {"racecrn(2)", g.racecrn(2), 6.7},
              {"rmsaspht(1)", fc.rmsaspht(1), 7.8},
              {"rmsaspht(2)", fc.rmsaspht(2), 8.9}});
}

TEST(RecordTargets, SphericalTaperedRollerRecord) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 5, 16) + kRec33 + kEnvelope +
                           "STR 1.1 2.2 3.3 4.4 5.5 6.6 7.7 8.8 9.9 10.1 11.1\n" + kOperating +
                           kNoTraction);
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& g = r.m->brggeom;
  const auto& fc = r.m->fatiguecons;
  expectHits({{"bredia", g.bredia, 1.1},
              {"brecrn", g.brecrn, 2.2},
              {"brelen", g.brelen, 3.3},
              {"breendrad(1)", g.breendrad(1), 4.4},
              {"breendrad(2)", g.breendrad(2), 5.5},
              {"racetaper(1)", g.racetaper(1), 6.6},
              {"racetaper(2)", g.racetaper(2), 7.7},
              {"racecurfac(1)", g.racecurfac(1), 8.8},
              {"racecurfac(2)", g.racecurfac(2), 9.9},
              {"rmsaspht(1)", fc.rmsaspht(1), 10.1},
              {"rmsaspht(2)", fc.rmsaspht(2), 11.1}});
}

TEST(RecordTargets, FlangeRecordAndFlangeTractionRecord) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 2, 14, "0 0 0 0 1 1 1 1") + kRec33 +
                           kEnvelope + "CYL 0.011 0.2 0.012 0.008 6E-4 6E-4 0.0605 3E-5\n" +
                           "LAND 0.0122 0.01 1E10 0.018 0.017 1E10 1E-7 1E-7\n" +
                           "FLNG 1.1 2.2 3.3 4.4 5.5 6.6 7.7 8.8 9.9 10.1\n" + kOperating +
                           kNoTraction + "FTC 1.2 2.3 3.4 4.5 5.6\n");
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& g = r.m->brggeom;
  const auto& ftc = r.m->zela1.reflngtc;
  expectHits({{"flngang(1,1)", g.flngang(1, 1), 1.1},
              {"flngang(2,1)", g.flngang(2, 1), 2.2},
              {"flngang(1,2)", g.flngang(1, 2), 3.3},
              {"flngang(2,2)", g.flngang(2, 2), 4.4},
              {"flnght(1,1)", g.flnght(1, 1), 5.5},
              {"flnght(2,1)", g.flnght(2, 1), 6.6},
              {"flnght(1,2)", g.flnght(1, 2), 7.7},
              {"flnght(2,2)", g.flnght(2, 2), 8.8},
              {"flngcls(1)", g.flngcls(1), 9.9},
              {"flngcls(2)", g.flngcls(2), 10.1},
              {"reflngtc(1)", ftc(1), 1.2},
              {"reflngtc(2)", ftc(2), 2.3},
              {"reflngtc(3)", ftc(3), 3.4},
              {"reflngtc(4)", ftc(4), 4.5},
              {"reflngfilm", r.m->tracprop.reflngfilm, 5.6}});
}

TEST(RecordTargets, RmsVariationRecordOfRollers) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 4, 16, "0 1 0 0 0 0 0 0") + kRec33 +
                           kEnvelope + "TAP 0.0106 0.3 0.015 0.01 0.13 1E10 8E-4 6E-4 14 10\n" +
                           "LAND 0.0078 0.0078 1E10 0.0075 0.0075 1E10 1E-7 1E-7\n" +
                           "RMS 1.1 2.2 3.3 4.4\n" + kOperating + kNoTraction);
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& g = r.m->brggeom;
  expectHits({{"rermsdiavar", g.rermsdiavar, 1.1},
              {"rermslenvar", g.rermslenvar, 2.2},
              {"rermscenlenvar", g.rermscenlenvar, 3.3},
              {"rermsclenoffset", g.rermsclenoffset, 4.4}});
}

TEST(RecordTargets, DiameterListRecordsFillElementsInOrder) {
  // Element i gets i + 0.5: four records of ten, element 10 r + k on record r + 1, place k.
  std::string lists;
  for (int rec = 0; rec < 4; ++rec) {
    lists += "DIA";
    for (int k = 1; k <= 10; ++k) lists += " " + std::to_string(10 * rec + k) + ".5";
    lists += "\n";
  }
  const auto r = readInput(std::string(kRec1) + rec32(1, 1, 9, "0 2 0 0 0 0 0 0") + kRec33 +
                           kEnvelope + kBall + lists + kOperating + kNoTraction);
  ASSERT_EQ(r.status, 0) << r.console;
  std::vector<Hit> hits;
  for (int i = 1; i <= 40; ++i)
    hits.push_back({"rediavar(" + std::to_string(i) + ")", r.m->brggeom.rediavar(i), i + 0.5});
  expectHits(hits);
}

TEST(RecordTargets, RaceImperfectionRecordsOfEvenType) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 2, 14, "0 0 1 2 0 0 0 0") + kRec33 +
                           kEnvelope + "CYL 0.011 0.2 0.012 0.008 6E-4 6E-4 0.0605 3E-5\n" +
                           "LAND 0.0122 0.01 1E10 0.018 0.017 1E10 1E-7 1E-7\n" +
                           "IMP1 1.1 2.2 3.3 4.4 5.5 6.6 7.7 8.8 9.9 10.1 11.1\n"
                           "IMP2 1.2 2.3 3.4 4.5 5.6 6.7 7.8 8.9 9.1 10.2 11.2\n" +
                           kOperating + kNoTraction);
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& g = r.m->brggeom;
  const double v[2][11] = {{1.1, 2.2, 3.3, 4.4, 5.5, 6.6, 7.7, 8.8, 9.9, 10.1, 11.1},
                           {1.2, 2.3, 3.4, 4.5, 5.6, 6.7, 7.8, 8.9, 9.1, 10.2, 11.2}};
  std::vector<Hit> hits;
  for (int j = 1; j <= 2; ++j) {
    const std::string jj = "," + std::to_string(j) + ")";
    const double* w = v[j - 1];
    for (int k = 1; k <= 3; ++k)
      hits.push_back({"rlradvar(" + std::to_string(k) + jj, g.rlradvar(k, j), w[k - 1]});
    for (int k = 1; k <= 4; ++k)
      hits.push_back({"rloffset(" + std::to_string(k) + jj, g.rloffset(k, j), w[k + 2]});
    for (int k = 1; k <= 4; ++k)
      hits.push_back({"rltaper(" + std::to_string(k) + jj, g.rltaper(k, j), w[k + 6]});
  }
  expectHits(hits);
}

TEST(RecordTargets, RaceImperfectionRecordsOfOddType) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 1, 9, "0 0 1 2 0 0 0 0") + kRec33 +
                           kEnvelope + kBall + "IMP1 1.1 2.2 3.3 4.4 5.5 6.6\n" +
                           "IMP2 1.2 2.3 3.4 4.5 5.6 6.7\n" + kOperating + kNoTraction);
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& g = r.m->brggeom;
  expectHits({{"rlradvar(1,1)", g.rlradvar(1, 1), 1.1},
              {"rlradvar(2,1)", g.rlradvar(2, 1), 2.2},
              {"rlradvar(3,1)", g.rlradvar(3, 1), 3.3},
              {"cfacvar(1,1)", g.cfacvar(1, 1), 4.4},
              {"cfacvar(2,1)", g.cfacvar(2, 1), 5.5},
              {"cfacvar(3,1)", g.cfacvar(3, 1), 6.6},
              {"rlradvar(1,2)", g.rlradvar(1, 2), 1.2},
              {"rlradvar(2,2)", g.rlradvar(2, 2), 2.3},
              {"rlradvar(3,2)", g.rlradvar(3, 2), 3.4},
              {"cfacvar(1,2)", g.cfacvar(1, 2), 4.5},
              {"cfacvar(2,2)", g.cfacvar(2, 2), 5.6},
              {"cfacvar(3,2)", g.cfacvar(3, 2), 6.7}});
}

TEST(RecordTargets, MaterialRecords) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 1, 9) + "R33 0 1 0 1 1 0 1 1 1 1 1\n" +
                           kEnvelope + kBall +
                           "REM 1.1 2.2 3.3 4.4 5.5 6.6 7.7 8.8\n"
                           "RACE1 1.2 2.3 3.4 4.5 5.6 6.7 7.8 8.9\n"
                           "RACE2 1.3 2.4 3.5 4.6 5.7 6.8 7.9 8.1\n"
                           "HSG 1.4 2.5 3.6 4.7 5.8\n"
                           "SHF 1.5 2.6 3.7 4.8 5.9\n" +
                           kOperating + kNoTraction);
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& mp = r.m->matprop;
  expectHits({{"reden", mp.reden, 1.1},           {"reem", mp.reem, 2.2},
              {"repr", mp.repr, 3.3},             {"recte", mp.recte, 4.4},
              {"reesl", mp.reesl, 5.5},           {"reh", mp.reh, 6.6},
              {"rewc", mp.rewc, 7.7},             {"revm", mp.revm, 8.8},
              {"raceden(1)", mp.raceden(1), 1.2}, {"raceem(1)", mp.raceem(1), 2.3},
              {"racepr(1)", mp.racepr(1), 3.4},   {"racecte(1)", mp.racecte(1), 4.5},
              {"raceesl(1)", mp.raceesl(1), 5.6}, {"raceh(1)", mp.raceh(1), 6.7},
              {"racewc(1)", mp.racewc(1), 7.8},   {"racevm(1)", mp.racevm(1), 8.9},
              {"raceden(2)", mp.raceden(2), 1.3}, {"raceem(2)", mp.raceem(2), 2.4},
              {"racepr(2)", mp.racepr(2), 3.5},   {"racecte(2)", mp.racecte(2), 4.6},
              {"raceesl(2)", mp.raceesl(2), 5.7}, {"raceh(2)", mp.raceh(2), 6.8},
              {"racewc(2)", mp.racewc(2), 7.9},   {"racevm(2)", mp.racevm(2), 8.1},
              {"hsngden", mp.hsngden, 1.4},       {"hsngem", mp.hsngem, 2.5},
              {"hsngpr", mp.hsngpr, 3.6},         {"hsngcte", mp.hsngcte, 4.7},
              {"hsngtc", mp.hsngtc, 5.8},         {"shftden", mp.shftden, 1.5},
              {"shftem", mp.shftem, 2.6},         {"shftpr", mp.shftpr, 3.7},
              {"shftcte", mp.shftcte, 4.8},       {"shfttc", mp.shfttc, 5.9}});
}

TEST(RecordTargets, OperatingRecords19To22) {
  const auto r = readInput(std::string(kRec1) + rec32(1, 1, 9) + kRec33 + kEnvelope + kBall +
                           "FITS 1.1 2.2 3.3 4.4 5.5 6.6 7.7\n"
                           "R91 1.2 2.3 3.4 4.5 5.6 6.7\n"
                           "MOM 1.3 2.4 3.5 4.6 5.7 6.8 7.9 8.1\n"
                           "TEMP 1.4 2.5 3.6 4.7 5.8\n" +
                           kNoTraction);
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& oc = r.m->opcond;
  const auto& fc = r.m->fatiguecons;
  expectHits({{"roomtemp", oc.roomtemp, 1.1},
              {"racefit(1)", oc.racefit(1), 2.2},
              {"racefit(2)", oc.racefit(2), 3.3},
              {"angvelorient", oc.angvelorient, 4.4},
              {"resstress(1)", fc.resstress(1), 5.5},
              {"resstress(2)", fc.resstress(2), 6.6},
              {"facstrlimit", r.m->matprop.facstrlimit, 7.7},
              {"appload(1)", oc.appload(1), 1.2},
              {"appload(2)", oc.appload(2), 2.3},
              {"appload(3)", oc.appload(3), 3.4},
              {"appdisp(1)", oc.appdisp(1), 4.5},
              {"appdisp(2)", oc.appdisp(2), 5.6},
              {"appdisp(3)", oc.appdisp(3), 6.7},
              {"appmoment(1)", oc.appmoment(1), 1.3},
              {"appmoment(2)", oc.appmoment(2), 2.4},
              {"appmis(1,1)", oc.appmis(1, 1), 3.5},
              {"appmis(2,1)", oc.appmis(2, 1), 4.6},
              {"appmis(1,2)", oc.appmis(1, 2), 5.7},
              {"appmis(2,2)", oc.appmis(2, 2), 6.8},
              {"rpm(1)", oc.rpm(1), 7.9},
              {"rpm(2)", oc.rpm(2), 8.1},
              {"hsngtemp", oc.hsngtemp, 1.4},
              {"shfttemp", oc.shfttemp, 2.5},
              {"racetemp(1)", oc.racetemp(1), 3.6},
              {"racetemp(2)", oc.racetemp(2), 4.7},
              {"retemp(1)", oc.retemp(1), 5.8}});
}

TEST(RecordTargets, TractionAndLubricantRecords23To29) {
  const auto r = readInput(ballInput("R100 9 7 8\n"
                                     "RTC 1.1 2.2 3.3 4.4\n"
                                     "FILM 5.5 6.6\n"
                                     "LNAME 'Target oil'\n"
                                     "LPROP 1.2 2.3 3.4 4.5 5.6 6.7 7.8 8.9\n"
                                     "TVIS 1.3 2.4 3.5\n"));
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& tp = r.m->tracprop;
  const auto& rtc = r.m->zela1.reracetc;
  expectHits({{"ktrac", double(tp.ktrac), 9},
              {"ktractype", double(tp.ktractype), 7},
              {"krftractype", double(tp.krftractype), 8},
              {"reracetc(1)", rtc(1, 1), 1.1},
              {"reracetc(2)", rtc(2, 1), 2.2},
              {"reracetc(3)", rtc(3, 1), 3.3},
              {"reracetc(4)", rtc(4, 1), 4.4},
              // the inner race gets the same four values, in the same places
              {"reracetc(1,2)", rtc(1, 2), 1.1},
              {"reracetc(2,2)", rtc(2, 2), 2.2},
              {"reracetc(3,2)", rtc(3, 2), 3.3},
              {"reracetc(4,2)", rtc(4, 2), 4.4},
              {"reracefilm(1)", tp.reracefilm(1), 5.5},
              {"reracefilm(2)", tp.reracefilm(2), 5.5},
              {"strparam", tp.strparam, 6.6},
              {"reftv", tp.reftv, 1.2},
              {"refvis", tp.refvis, 2.3},
              // pressure, temperature and pressure-temperature coefficient: the slots 1, 4 and
              // 7 that the exponential viscosity law reads
              {"viscoeff(1)", tp.viscoeff(1), 3.4},
              {"viscoeff(4)", tp.viscoeff(4), 4.5},
              {"viscoeff(7)", tp.viscoeff(7), 5.6},
              {"thercondlub(1)", tp.thercondlub(1), 6.7},
              {"denlub", tp.denlub, 7.8},
              {"spheatlub", tp.spheatlub, 8.9},
              {"reftracvis", tp.reftracvis, 1.3},
              {"tracviscoeff(1)", tp.tracviscoeff(1), 2.4},
              {"tracviscoeff(4)", tp.tracviscoeff(4), 3.5}});
  EXPECT_EQ(tp.lubname.trimmed(), "Target oil");
  EXPECT_EQ(r.m->brggeom.runid.trimmed(), "test run");
}

TEST(StartConstants, ReciprocalsAnglesAndConversionFactors) {
  auto mp = std::make_unique<Model>();
  Model& m = *mp;
  m.setupa4.inita4 = 1;
  m.setupa4.kreeqcode = 3;
  m.setupa5.igridmin = 4;
  m.setupa5.jgridmin = 5;
  m.setupa5.mingrid(21, 40, 2) = 7;
  m.setupa5.minalfgrid(40) = 8;
  m.setupb1.initb1 = 1;
  m.setupc2.initc2 = 1;
  m.setupd1.initd1 = 1;
  m.setupd1.itracout = 1;
  m.matprop.rem = "^^^^^^^^^^";
  m.matprop.racem(2) = "*";
  m.matprop.hsngm = "*";
  m.matprop.shftm = "*";
  zela1::startconstants(m);
  const auto& c = m.constants;
  // Reciprocals 1/2 to 1/10, each the correctly rounded quotient.
  EXPECT_EQ(c.one2, 0.5);
  EXPECT_EQ(c.one3, 1.0 / 3.0);
  EXPECT_EQ(c.one4, 0.25);
  EXPECT_EQ(c.one5, 0.2);
  EXPECT_EQ(c.one6, 1.0 / 6.0);
  EXPECT_EQ(c.one7, 1.0 / 7.0);
  EXPECT_EQ(c.one8, 0.125);
  EXPECT_EQ(c.one9, 1.0 / 9.0);
  EXPECT_EQ(c.one10, 0.1);
  EXPECT_EQ(c.cang, 180.0 / std::numbers::pi);
  EXPECT_EQ(c.tpi, 2.0 * std::numbers::pi);
  EXPECT_EQ(c.pi2, std::numbers::pi / 2.0);
  EXPECT_EQ(c.tempc, 1.8);
  EXPECT_EQ(c.s2pi, std::sqrt(2.0 * std::numbers::pi));
  // Conversion factors against the unit definitions (inch 0.0254 m, pound-mass 0.45359237 kg,
  // pound-force 4.4482216 N, rankine 1/1.8 K), to the five figures the stored factors share:
  // 1 kg/m^3 = 0.0254^3/0.45359237 lbm/in^3; 1 Pa = 0.0254^2/4.4482216 psi;
  // 1 W/(m K) = 1/(4.4482216 x 1.8) lbf/(s R); 1 J/(kg K) = 0.45359237/(0.0254 x 4.4482216 x 1.8)
  // lbf.in/(lbm R).
  EXPECT_NEAR(c.denc / (0.0254 * 0.0254 * 0.0254 / 0.45359237), 1.0, 2e-5);
  EXPECT_NEAR(c.pressc / (0.0254 * 0.0254 / 4.4482216), 1.0, 2e-5);
  EXPECT_NEAR(c.thercondc * 4.4482216 * 1.8, 1.0, 2e-5);
  EXPECT_NEAR(c.spheatc / (0.45359237 / (0.0254 * 4.4482216 * 1.8)), 1.0, 2e-5);
  // The stored factors themselves, digit for digit as the program's conversion table lists them.
  EXPECT_EQ(c.spheatc, 2.230373307176302);
  EXPECT_EQ(c.denc, 3.61269212944e-5);
  EXPECT_EQ(c.visc, 1.45037891e-4);
  EXPECT_EQ(c.pressc, 1.45037891e-4);
  EXPECT_EQ(c.thercondc, 0.12489385722222222);
  EXPECT_EQ(m.setupa4.inita4, 0);
  EXPECT_EQ(m.setupa4.kreeqcode, 0);
  EXPECT_EQ(m.setupa5.igridmin, 0);
  EXPECT_EQ(m.setupa5.jgridmin, 0);
  EXPECT_EQ(m.setupa5.mingrid(21, 40, 2), 0);
  EXPECT_EQ(m.setupa5.minalfgrid(40), 0);
  EXPECT_EQ(m.setupb1.initb1, 0);
  EXPECT_EQ(m.setupc2.initc2, 0);
  EXPECT_EQ(m.setupd1.initd1, 0);
  EXPECT_EQ(m.setupd1.itracout, 0);
  EXPECT_EQ(m.matprop.rem.view(), "          ");
  EXPECT_EQ(m.matprop.racem(2).view(), "          ");
  EXPECT_EQ(m.matprop.hsngm.view(), "          ");
  EXPECT_EQ(m.matprop.shftm.view(), "          ");
}

}  // namespace
