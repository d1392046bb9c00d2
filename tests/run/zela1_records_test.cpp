// Input records: the listing of every example input line by line (expected lines worked out by
// hand from the echo forms: 3 blanks, the label in 12 columns, then I4/I3 integers or E11.4
// reals, nine to a line for the geometry records, the spherical tapered record in the free form
// of one blank before the label and before each E11.4 value), the variable every item of every
// record lands in, the records each option reads, the assignments made while reading, the start
// constants, and every stop of the input stage with its exact text and exit status.
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

const Lines kHeader = {"\f", "", "   Listing of input data records", "   -----------------------------",
                       "", ""};

Lines withHeader(const Lines& echo) {
  Lines v = kHeader;
  v.insert(v.end(), echo.begin(), echo.end());
  return v;
}

// Reads DATA.txt with the start constants and the record reader only (no later stage).
struct Read {
  std::unique_ptr<Model> m = std::make_unique<Model>();
  Lines lines;  // the report written while reading
  int status = 0;
  std::string console;
};

Read readInput(const std::string& data, void (*preset)(Model&) = nullptr) {
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", data);
  Read r;
  r.m->devices.dir = dir.path().string();
  std::ostringstream out;
  r.m->devices.report.attach(out);
  try {
    zela1::startconstants(*r.m);
    if (preset) preset(*r.m);
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
    {"BallVariationsSi",
     "examples/ball-variations-si.txt",
     {"   RUNID       Ball bearing 6208, size variations  ",
      "   REC3.2         1   1   9   0   2   1   2   0   0   0   0",
      "   REC3.3         0   1   0   1   1   0 100   1   1 111   1",
      "   ENVELOPE     4.0000E-02 8.0000E-02 0.0000E+00 1.2000E-01 1.8000E-02 1.8000E-02",
      "   REC5A        1.2700E-02 6.0000E-02 0.0000E+00 2.0000E-05 5.3000E-01 5.2000E-01"
      " 6.8500E-02 5.1800E-02 0.0000E+00",
      k15 + " 0.0000E+00 1.0000E-07 1.0000E-07",
      // four diameter lists of ten (10*0.0 repeats a zero ten times), nine to a line
      "   DIAVAR1      1.0000E-06-1.0000E-06 2.0000E-06-2.0000E-06 5.0000E-07-5.0000E-07"
      " 0.0000E+00 1.5000E-06-1.5000E-06",
      k15 + " 0.0000E+00",
      "   DIAVAR2      0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00"
      " 0.0000E+00 0.0000E+00 0.0000E+00",
      k15 + " 0.0000E+00",
      "   DIAVAR3      0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00"
      " 0.0000E+00 0.0000E+00 0.0000E+00",
      k15 + " 0.0000E+00",
      "   DIAVAR4      0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00"
      " 0.0000E+00 0.0000E+00 0.0000E+00",
      k15 + " 0.0000E+00",
      // a ball's race imperfections: radius and curvature-factor variations, six values
      "   OUTERIMP     5.0000E-06-5.0000E-06 3.0000E+01 0.0000E+00 0.0000E+00 0.0000E+00",
      "   INNERIMP     1.0000E-06 4.0000E+00 0.0000E+00 2.0000E-03 3.0000E+00 9.0000E+01",
      "   OUTERMAT     7.8270E+03 2.0133E+11 2.7700E-01 1.1500E-05 7.0000E-03 6.2000E+01"
      " 5.0000E-06 6.8400E+08",
      "   INNERMAT     7.8270E+03 2.0133E+11 2.7700E-01 1.1500E-05 7.0000E-03 6.2000E+01"
      " 5.0000E-06 6.8400E+08",
      "   SHAFT        7.8500E+03 2.0500E+11 2.9000E-01 1.2700E-05",
      "   FITS         2.9300E+02 0.0000E+00 1.0000E-05 1.8000E+02 1.0000E+08 5.0000E+07"
      " 1.0000E+00",
      "   REC9.1       5.0000E+02 0.0000E+00 3.0000E+03 0.0000E+00 0.0000E+00 0.0000E+00",
      "   MOMSPEED     0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00"
      " 0.0000E+00 3.0000E+03",
      "   TEMPS        3.2000E+02 3.2500E+02 3.2000E+02 3.2500E+02 3.2200E+02",
      "   REC10.0       0  0  0",
      // dry traction (code 0): the curve record only
      "   RACETRAC     0.0000E+00 1.0000E-01 0.0000E+00 1.0000E+00"}},
    {"TaperedDryEnglish",
     "examples/tapered-dry-english.txt",
     {"   RUNID       Tapered 30208, dry, Si3N4 rollers   ",
      "   REC3.2         2   4  16   0   0   0   0   0   0   1   0",
      "   REC3.3         0   1   0   1   1   1 150 100 100 111 111",
      "   ENVELOPE     1.5748E+00 3.1496E+00 0.0000E+00 4.7244E+00 6.2990E-01 7.0870E-01",
      "   TAPROLLER    4.1730E-01 1.1811E+01 5.9060E-01 3.9370E-01 5.1181E+00 1.0000E+10"
      " 3.1500E-02 2.3600E-02 1.4000E+01",
      k15 + " 1.0000E+01",
      "   RACELAND     3.9370E-01 3.9370E-01 1.0000E+10 3.9370E-01 3.9370E-01 1.0000E+10"
      " 4.0000E-06 4.0000E-06",
      "   FLANGES      0.0000E+00 0.0000E+00-5.0000E-01 0.0000E+00 0.0000E+00 0.0000E+00"
      " 1.1810E-01 0.0000E+00 0.0000E+00",
      k15 + " 0.0000E+00",
      "   FITS         5.2767E+02 0.0000E+00 5.9000E-04 1.8000E+02 0.0000E+00 0.0000E+00"
      " 1.0000E+00",
      "   REC9.1       5.6200E+02 0.0000E+00 8.9900E+02 0.0000E+00 0.0000E+00 0.0000E+00",
      "   MOMSPEED     0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00"
      " 0.0000E+00 2.5000E+03",
      "   TEMPS        5.8500E+02 5.9400E+02 5.8500E+02 5.9400E+02 5.9040E+02",
      "   REC10.0      -1  0  2",
      // no lubricant, no race traction: the flange curve only
      "   FLNGTRAC     0.0000E+00 8.0000E-02 2.5400E-02 0.0000E+00 0.0000E+00"}},
    {"CylindricalVariationsEnglish",
     "examples/cylindrical-variations-english.txt",
     {"   RUNID       Cylindrical NU208, user lubricant   ",
      "   REC3.2         2   2  14   0   1   2   1   1   1   0   0",
      "   REC3.3         1   1   0   1   1   1 100 100 100 111 111",
      "   ENVELOPE     1.5748E+00 3.1496E+00 0.0000E+00 4.7244E+00 7.0870E-01 7.0870E-01",
      "   REC5B.1      4.3310E-01 7.8740E+00 4.7240E-01 3.1500E-01 2.3600E-02 2.3600E-02"
      " 2.3819E+00 1.2000E-03",
      "   RACELAND     2.3820E-01 2.3820E-01 1.0000E+10 3.5430E-01 3.5430E-01 1.0000E+10"
      " 4.0000E-06 4.0000E-06",
      "   FLANGES      5.0000E-01 5.0000E-01 0.0000E+00 0.0000E+00 9.8400E-02 9.8400E-02"
      " 0.0000E+00 0.0000E+00 3.9000E-03",
      k15 + " 0.0000E+00",
      // four RMS values of a roller; roller race imperfections of eleven values
      "   RMSVAR       4.0000E-05 8.0000E-05 8.0000E-05 4.0000E-05",
      "   OUTERIMP     4.0000E-05 6.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00"
      " 0.0000E+00 0.0000E+00 0.0000E+00",
      k15 + " 0.0000E+00 0.0000E+00",
      "   INNERIMP     2.0000E-04 1.0000E-04 4.5000E+01 4.0000E-05 2.0000E-05 3.0000E+00"
      " 0.0000E+00 1.0000E-04 5.0000E-05",
      k15 + " 2.0000E+00 9.0000E+01",
      "   FITS         5.2767E+02 0.0000E+00 5.9000E-04 1.8000E+02 0.0000E+00 0.0000E+00"
      " 1.0000E+00",
      "   REC9.1       0.0000E+00 0.0000E+00 1.1240E+03 0.0000E+00 0.0000E+00 0.0000E+00",
      "   MOMSPEED     0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00 0.0000E+00"
      " 0.0000E+00 3.0000E+03",
      "   TEMPS        5.8500E+02 5.9400E+02 5.8500E+02 5.9400E+02 5.9040E+02",
      "   REC10.0       9  0  0",
      // user lubricant (code 9): curve, flange curve, film, then the three lubricant records
      "   RACETRAC     0.0000E+00 2.5400E-03 0.0000E+00 3.9370E+01",
      "   FLNGTRAC     0.0000E+00 2.5400E-03 0.0000E+00 3.9370E+01 0.0000E+00",
      "   FILM         8.0000E-07 2.0000E+01",
      "   LUBNAME     Turbine oil, user properties        ",
      "   LUBPROPS     5.5967E+02 1.0393E-05 1.3100E-04 7.3877E+03 0.0000E+00 1.2000E-02"
      " 3.0700E-02 4.4607E+03",
      "   TRACVIS      4.1200E-05 5.0000E-05 1.6000E-02"}},
};

class ExampleListing : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(ExampleListing, RunsAndListsEveryRecordAsRead) {
  // Each example reads exactly the records its options call for: one record too many meets the
  // end of the file (status 2), one too few reads the next record in the wrong place.
  const auto& c = GetParam();
  zqtest::ScratchDir dir;
  dir.write("DATA.txt", zqtest::readSource(c.file));
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
const char* const kCylLand =
    "CYL 0.011 0.2 0.012 0.008 6E-4 6E-4 0.0605 3E-5\n"
    "LAND 0.0122 0.01 1E10 0.018 0.017 1E10 1E-7 1E-7\n";
const char* const kTapLand =
    "TAP 0.0106 0.3 0.015 0.01 0.13 1E10 8E-4 6E-4 14 10\n"
    "LAND 0.016 0.0111 0.2 0.0155 0.0122 0.3 1E-7 2E-7\n";
const char* const kOperating =
    "FITS 293 0 1E-5 180 0 0 1\n"
    "R91 500 0 3000 0 0 0\n"
    "MOM 0 0 0 0 0 0 0 3000\n"
    "TEMP 320 325 320 325 322\n";
const std::string kTail = std::string(kOperating) + "R100 -1 0 0\n";

// Records 1 to 4 of a bearing of type kbrg (SI units, Record 3.2 flags after nre in `rest`).
std::string head(int kbrg, int nre, const std::string& rest = "0 0 0 0 0 0 0 0") {
  return kRec1 + rec32(1, kbrg, nre, rest) + kRec33 + kEnvelope;
}

std::string ballInput(const std::string& tail) { return head(1, 9) + kBall + kOperating + tail; }

// Listing of the ball input up to its fits record.
const Lines kBallEcho = {
    "   RUN         test run                            ",
    "   R32            1   1   9   0   0   0   0   0   0   0   0",
    "   R33            0   1   0   1   1   0 100 100 100 111 111",
    "   ENV          4.0000E-02 8.0000E-02 0.0000E+00 1.2000E-01 1.8000E-02 1.8000E-02",
    "   B5A          1.2700E-02 6.0000E-02 0.0000E+00 2.0000E-05 5.3000E-01 5.2000E-01"
    " 6.8500E-02 5.1800E-02 0.0000E+00",
    k15 + " 0.0000E+00 1.0000E-07 1.0000E-07",
    "   FITS         2.9300E+02 0.0000E+00 1.0000E-05 1.8000E+02 0.0000E+00 0.0000E+00"
    " 1.0000E+00"};

// ---------------------------------------------------------------------------------------------
// Stops of the input stage, through the built program: exit status, console texts, PRINT.txt.

// PRINT.txt of a run stopped after the given echo lines by a Record 3.2 check.
Lines stoppedAfter(const Lines& echo, const Lines& message) {
  Lines v = withHeader(echo);
  for (const char* l : {"", "", "     Execution terminating in Zela1 ", "", ""}) v.push_back(l);
  v.insert(v.end(), message.begin(), message.end());
  for (int k = 0; k < 3; ++k) v.push_back("");
  return v;
}

const char* const kRun = "   RUN         test run                            ";
const char* const kNreRange = "     The number of rolling elements on Record 3.2 must be 1 to 40.";
const char* const kFlagRule =
    "     Flange flags kFlngInd on Record 3.2 must be 0 (no flange) or 1 (flange).";
const char* const kReal =
    "a real number in integer, decimal or exponent form (such as 25, 0.25, 2.5E-1 or 2.5D-1)";

enum class Layout { kData, kNoData, kDataIsDirectory, kPrintIsDirectory };

struct StopCase {
  const char* name;
  std::string data;
  int status;
  Lines print;      // PRINT.txt as expected; empty: no PRINT.txt
  std::string err;  // standard error
  Layout layout = Layout::kData;
};

std::string badLoad() {
  std::string d = ballInput("R100 -1 0 0\n");
  return d.replace(d.find("R91 500 0 3000"), 14, "R91 500 0 3OOO");
}

const StopCase kStops[] = {
    // Record 3.3 is unreadable: reaching it would end with status 2 instead.
    {"BearingTypeStopsBeforeRecord33", kRec1 + rec32(1, 6, 9) + "R33 not numbers at all\n", 1,
     stoppedAfter({kRun, "   R32            1   6   9   0   0   0   0   0   0   0   0"},
                  {"     Invalid bearing type encountered..  brgType =  6"}), ""},
    {"BearingTypeIsCheckedFirst", kRec1 + rec32(1, 0, 99, "0 0 0 0 7 0 0 0"), 1,
     stoppedAfter({kRun, "   R32            1   0  99   0   0   0   0   7   0   0   0"},
                  {"     Invalid bearing type encountered..  brgType =  0"}), ""},
    // The count takes the narrowest field that shows it, at least two columns.
    {"NoElements", kRec1 + rec32(1, 1, 0) + "R33 unreadable\n", 1,
     stoppedAfter({kRun, "   R32            1   1   0   0   0   0   0   0   0   0   0"},
                  {"     Invalid number of rolling elements encountered..  nRE =  0", kNreRange}),
     ""},
    {"FortyOneElements", kRec1 + rec32(1, 1, 41) + "R33 unreadable\n", 1,
     stoppedAfter({kRun, "   R32            1   1  41   0   0   0   0   0   0   0   0"},
                  {"     Invalid number of rolling elements encountered..  nRE = 41", kNreRange}),
     ""},
    // The echo's I4 field cannot hold it: four asterisks.
    {"HugeNegativeCount", kRec1 + rec32(1, 1, -2147483647) + "R33 unreadable\n", 1,
     stoppedAfter({kRun, "   R32            1   1****   0   0   0   0   0   0   0   0"},
                  {"     Invalid number of rolling elements encountered..  nRE = -2147483647",
                   kNreRange}),
     ""},
    {"FlangeFlagsEachNamed", kRec1 + rec32(1, 4, 16, "0 0 0 0 2 0 0 -1"), 1,
     stoppedAfter({kRun, "   R32            1   4  16   0   0   0   0   2   0   0  -1"},
                  {"     Invalid flange flag encountered..  kFlngInd(1,1) =  2",
                   "     Invalid flange flag encountered..  kFlngInd(2,2) = -1", kFlagRule}),
     ""},
    // (1, -1) sums to zero and is non-zero flag by flag: the two readings of "a flange is
    // present" would disagree.
    {"FlangeFlagsSummingToZero", kRec1 + rec32(1, 2, 12, "0 0 0 0 1 -1 0 0"), 1,
     stoppedAfter({kRun, "   R32            1   2  12   0   0   0   0   1  -1   0   0"},
                  {"     Invalid flange flag encountered..  kFlngInd(2,1) = -1", kFlagRule}),
     ""},
    {"MissingRecordKeepsTheListing", kRec1 + rec32(1, 1, 9) + kRec33, 2,
     withHeader({kBallEcho[0], kBallEcho[1], kBallEcho[2]}),
     zqtest::inputErrorMessage("Input error in DATA.txt, after line 3 (end of file)",
                               "bearing envelope record", "1 of 7, record label", "end of file",
                               "a text")},
    {"BadValueNamesLineRecordAndItem", badLoad(), 2, withHeader(kBallEcho),
     zqtest::inputErrorMessage("Input error in DATA.txt, line 7",
                               "Record 9.1 (applied loads and displacements), label \"R91\"",
                               "4 of 7, appload(3)", "\"3OOO\"", kReal)},
    {"NoDataFile", "", 2, {}, zqtest::openErrorMessage(true), Layout::kNoData},
    {"DataFileIsADirectory", "", 2, {}, zqtest::openErrorMessage(true), Layout::kDataIsDirectory},
    {"ReportCannotBeCreated", "RUNID test\n", 2, {}, zqtest::openErrorMessage(false),
     Layout::kPrintIsDirectory},
};

class InputStops : public ::testing::TestWithParam<StopCase> {};

TEST_P(InputStops, ExactTextsAndExitStatus) {
  const auto& c = GetParam();
  zqtest::ScratchDir dir;
  if (c.layout == Layout::kDataIsDirectory)
    std::filesystem::create_directory(dir.path() / "DATA.txt");
  else if (c.layout != Layout::kNoData)
    dir.write("DATA.txt", c.data);
  if (c.layout == Layout::kPrintIsDirectory)
    std::filesystem::create_directory(dir.path() / "PRINT.txt");
  const auto run = zqtest::runProgram(dir);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, c.err);
  if (c.layout == Layout::kPrintIsDirectory) return;
  EXPECT_EQ(dir.exists("PRINT.txt"), !c.print.empty());
  if (!c.print.empty()) {
    EXPECT_EQ(zqtest::lines(dir.read("PRINT.txt")), c.print);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, InputStops, ::testing::ValuesIn(kStops),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Which records each traction code reads: a ball (no roller records) with every possible
// traction record after Record 10.0 and a last line that is no record at all, so that reading
// one record too many stops with status 2 and one too few reads a record in the wrong place.

struct TracCase {
  const char* name;
  std::string records;  // Record 10.0 and what follows
  Lines labels;         // labels listed after the temperature record
};

const char* const kRtc = "RTC 0.1 0.07 0.05 0.5\n";
const char* const kLub = "LNAME 'Test oil'\nLPROP 311 0.05 1.5E-8 4000 7E-6 0.14 870 2000\n"
                         "TVIS 0.2 1.2E-8 0.03\n";
const TracCase kTracCases[] = {
    {"NoTraction", "R100 -1 1 0\n", {"R100"}},
    {"CurveOnly", std::string("R100 0 1 0\n") + kRtc, {"R100", "RTC"}},
    {"Database", std::string("R100 4 1 0\n") + kRtc + "FILM 2E-8 20\n", {"R100", "RTC", "FILM"}},
    {"UserLubricant", std::string("R100 9 1 0\n") + kRtc + "FILM 2E-8 20\n" + kLub,
     {"R100", "RTC", "FILM", "LNAME", "LPROP", "TVIS"}},
};

TEST(RecordSelection, TractionCodesReadExactlyTheirRecords) {
  for (const auto& c : kTracCases) {
    SCOPED_TRACE(c.name);
    const auto r = readInput(ballInput(c.records + "STOP x\n"));
    EXPECT_EQ(r.status, 0) << r.console;
    Lines want{"RUN", "R32", "R33", "ENV", "B5A", "FITS", "R91", "MOM", "TEMP"};
    want.insert(want.end(), c.labels.begin(), c.labels.end());
    EXPECT_EQ(labels(r.lines), want);
  }
  // A database lubricant needs the film record after the traction-curve record.
  EXPECT_EQ(readInput(ballInput(std::string("R100 4 1 0\n") + kRtc)).status, 2);
}

// ---------------------------------------------------------------------------------------------
// Where every value lands: each record read with a different value in every item (item n of a
// case, counted over its records, holds n + 0.5 where the text says "@"), every item looked up
// in the variable it must fill. Two items sent to each other's variables, or one item sent to
// the wrong index, fail here.

struct Target {
  const char* name = nullptr;  // null: an item that fills no variable of its own
  double (*get)(const Model&) = nullptr;
  int item = 0;      // 0: the next item; n > 0: holds the value of item n; -1: holds `want`
  double want = 0.0;
};

#define AT(e) Target{#e, [](const Model& m) { return double(m.e); }}
#define AT_ITEM(e, n) Target{#e, [](const Model& m) { return double(m.e); }, n}
#define AT_IS(e, w) Target{#e, [](const Model& m) { return double(m.e); }, -1, w}
const Target kListedOnly{};

struct TargetCase {
  const char* name;
  std::string text;  // "@n" stands for the next n item values
  std::vector<Target> targets;
};

const TargetCase kTargetCases[] = {
    // Integers unchecked while reading may take any value; the flange flags only 0 or 1, so two
    // patterns tell every pair of flags apart. The imperfection flags also stand for the second
    // halves of a split race; rollers are race controlled whatever Record 3.3 says.
    {"Record32Spherical",
     kRec1 + std::string("R32 2 3 17 4 1 5 6 1 0 0 1\n") + kRec33 + kEnvelope +
         "SPH 0.0095 0.0342 0.010 5E-4 5E-4 0.060 3.5E-5 0.515 0.51 10 0 0\nFLNG 10*0\nRMS 0\n"
         "IMP1 6*0\nIMP2 6*0\n" + kOperating + "R100 -1 0 0\nFTC 5*0\n",
     {AT_IS(options.kunit, 2), AT_IS(brggeom.kbrg, 3), AT_IS(brggeom.nre, 17),
      AT_IS(options.kraceflex, 4), AT_IS(options.kregeoimp, 1),
      AT_IS(options.kracegeoimp.lin(1), 5), AT_IS(options.kracegeoimp.lin(2), 6),
      AT_IS(options.kracegeoimp.lin(3), 5), AT_IS(options.kracegeoimp.lin(4), 6),
      AT_IS(brggeom.kflngind(1, 1), 1), AT_IS(brggeom.kflngind(2, 1), 0),
      AT_IS(brggeom.kflngind(1, 2), 0), AT_IS(brggeom.kflngind(2, 2), 1),
      AT_IS(setupa4.kangvel, 1)}},
    {"Record32Ball",
     kRec1 + std::string("R32 1 1 9 0 0 0 0 1 1 0 0\n") + kRec33 + kEnvelope + kBall +
         "FLNG 10*0\n" + kOperating + "R100 -1 0 0\nFTC 5*0\n",
     {AT_IS(brggeom.kflngind(1, 1), 1), AT_IS(brggeom.kflngind(2, 1), 1),
      AT_IS(brggeom.kflngind(1, 2), 0), AT_IS(brggeom.kflngind(2, 2), 0)}},
    // A ball keeps its spin option; material codes other than 1 read no material record.
    {"Record33",
     kRec1 + rec32(1, 1, 9) + "R33 21 22 23 24 25 26 101 102 103 104 105\n" + kEnvelope + kBall +
         kTail,
     {AT_IS(options.kfs(1), 21), AT_IS(options.kfs(2), 22), AT_IS(options.kfs(3), 23),
      AT_IS(options.kfs(4), 24), AT_IS(options.kfs(5), 25), AT_IS(setupa4.kangvel, 26),
      AT_IS(options.kremat, 101), AT_IS(options.kracemat(1), 102),
      AT_IS(options.kracemat(2), 103), AT_IS(options.khsngmat, 104),
      AT_IS(options.kshftmat, 105)}},
    {"Envelope", kRec1 + rec32(1, 1, 9) + kRec33 + "ENV @6\n" + kBall + kTail,
     {AT(brggeom.brgbore), AT(brggeom.brgod), AT(brggeom.shftid), AT(brggeom.hsngod),
      AT(brggeom.racewidth(1)), AT(brggeom.racewidth(2))}},
    {"Ball", head(1, 9) + "B5A @12\n" + kTail,
     {AT(brggeom.bredia), AT(brggeom.pitchdia), AT(brggeom.freeconang), AT(brggeom.freeintcls),
      AT(brggeom.racecurfac(1)), AT(brggeom.racecurfac(2)), AT(brggeom.shoulderdia(1)),
      AT(brggeom.shoulderdia(2)), AT(brggeom.shimthkns(1)), AT(brggeom.shimthkns(2)),
      AT(fatiguecons.rmsaspht(1)), AT(fatiguecons.rmsaspht(2))}},
    // The central lengths on the race-land record are only listed: the land limits serve.
    {"CylindricalAndRaceLand", head(2, 14) + "CYL @8\nLAND @8\n" + kTail,
     {AT(brggeom.bredia), AT(brggeom.brecrn), AT(brggeom.brelen), AT(brggeom.brecenlen),
      AT(brggeom.brecorrad(1)), AT(brggeom.brecorrad(2)), AT(brggeom.pitchdia),
      AT(brggeom.freeintcls), AT(brggeom.racelandlmt(1)), kListedOnly, AT(brggeom.racecrn(1)),
      AT(brggeom.racelandlmt(2)), kListedOnly, AT(brggeom.racecrn(2)),
      AT(fatiguecons.rmsaspht(1)), AT(fatiguecons.rmsaspht(2)),
      AT_ITEM(brggeom.racecenlen(1), 9), AT_ITEM(brggeom.racecenlen(2), 12)}},
    {"Spherical", head(3, 15) + "SPH @12\n" + kTail,
     {AT(brggeom.bredia), AT(brggeom.brecrn), AT(brggeom.brelen), AT(brggeom.brecorrad(1)),
      AT(brggeom.brecorrad(2)), AT(brggeom.pitchdia), AT(brggeom.freeintcls),
      AT(brggeom.racecurfac(1)), AT(brggeom.racecurfac(2)), AT(brggeom.freeconang),
      AT(fatiguecons.rmsaspht(1)), AT(fatiguecons.rmsaspht(2))}},
    {"TaperedAndRaceLand", head(4, 16) + "TAP @10\nLAND @8\n" + kTail,
     {AT(brggeom.bredia), AT(brggeom.brecrn), AT(brggeom.brelen), AT(brggeom.brecenlen),
      AT(brggeom.breendrad(1)), AT(brggeom.breendrad(2)), AT(brggeom.brecorrad(1)),
      AT(brggeom.brecorrad(2)), AT(brggeom.racetaper(1)), AT(brggeom.racetaper(2)),
      AT(brggeom.racelandlmt(1)), kListedOnly, AT(brggeom.racecrn(1)),
      AT(brggeom.racelandlmt(2)), kListedOnly, AT(brggeom.racecrn(2)),
      AT(fatiguecons.rmsaspht(1)), AT(fatiguecons.rmsaspht(2))}},
    {"SphericalTapered", head(5, 16) + "STR @11\n" + kTail,
     {AT(brggeom.bredia), AT(brggeom.brecrn), AT(brggeom.brelen), AT(brggeom.breendrad(1)),
      AT(brggeom.breendrad(2)), AT(brggeom.racetaper(1)), AT(brggeom.racetaper(2)),
      AT(brggeom.racecurfac(1)), AT(brggeom.racecurfac(2)), AT(fatiguecons.rmsaspht(1)),
      AT(fatiguecons.rmsaspht(2))}},
    {"FlangeAndFlangeTraction",
     head(2, 14, "0 0 0 0 1 1 1 1") + kCylLand + "FLNG @10\n" + kTail + "FTC @5\n",
     {AT(brggeom.flngang(1, 1)), AT(brggeom.flngang(2, 1)), AT(brggeom.flngang(1, 2)),
      AT(brggeom.flngang(2, 2)), AT(brggeom.flnght(1, 1)), AT(brggeom.flnght(2, 1)),
      AT(brggeom.flnght(1, 2)), AT(brggeom.flnght(2, 2)), AT(brggeom.flngcls(1)),
      AT(brggeom.flngcls(2)), AT(zela1.reflngtc(1)), AT(zela1.reflngtc(2)),
      AT(zela1.reflngtc(3)), AT(zela1.reflngtc(4)), AT(tracprop.reflngfilm)}},
    {"RmsVariationOfBalls", head(1, 9, "0 1 0 0 0 0 0 0") + kBall + "RMS @1\n" + kTail,
     {AT(brggeom.rermsdiavar)}},
    {"RmsVariationOfRollers", head(4, 16, "0 1 0 0 0 0 0 0") + kTapLand + "RMS @4\n" + kTail,
     {AT(brggeom.rermsdiavar), AT(brggeom.rermslenvar), AT(brggeom.rermscenlenvar),
      AT(brggeom.rermsclenoffset)}},
    {"RaceImperfectionsOfRollers",
     head(2, 14, "0 0 1 2 0 0 0 0") + kCylLand + "IMP1 @11\nIMP2 @11\n" + kTail,
     {AT(brggeom.rlradvar(1, 1)), AT(brggeom.rlradvar(2, 1)), AT(brggeom.rlradvar(3, 1)),
      AT(brggeom.rloffset(1, 1)), AT(brggeom.rloffset(2, 1)), AT(brggeom.rloffset(3, 1)),
      AT(brggeom.rloffset(4, 1)), AT(brggeom.rltaper(1, 1)), AT(brggeom.rltaper(2, 1)),
      AT(brggeom.rltaper(3, 1)), AT(brggeom.rltaper(4, 1)), AT(brggeom.rlradvar(1, 2)),
      AT(brggeom.rlradvar(2, 2)), AT(brggeom.rlradvar(3, 2)), AT(brggeom.rloffset(1, 2)),
      AT(brggeom.rloffset(2, 2)), AT(brggeom.rloffset(3, 2)), AT(brggeom.rloffset(4, 2)),
      AT(brggeom.rltaper(1, 2)), AT(brggeom.rltaper(2, 2)), AT(brggeom.rltaper(3, 2)),
      AT(brggeom.rltaper(4, 2))}},
    {"RaceImperfectionsOfBalls",
     head(1, 9, "0 0 1 2 0 0 0 0") + kBall + "IMP1 @6\nIMP2 @6\n" + kTail,
     {AT(brggeom.rlradvar(1, 1)), AT(brggeom.rlradvar(2, 1)), AT(brggeom.rlradvar(3, 1)),
      AT(brggeom.cfacvar(1, 1)), AT(brggeom.cfacvar(2, 1)), AT(brggeom.cfacvar(3, 1)),
      AT(brggeom.rlradvar(1, 2)), AT(brggeom.rlradvar(2, 2)), AT(brggeom.rlradvar(3, 2)),
      AT(brggeom.cfacvar(1, 2)), AT(brggeom.cfacvar(2, 2)), AT(brggeom.cfacvar(3, 2))}},
    // A material record also sets the life-model codes of an input material (1, 2).
    {"Materials",
     kRec1 + rec32(1, 1, 9) + "R33 0 1 0 1 1 0 1 1 1 1 1\n" + kEnvelope + kBall +
         "REM @8\nRACE1 @8\nRACE2 @8\nHSG @5\nSHF @5\n" + kTail,
     {AT(matprop.reden), AT(matprop.reem), AT(matprop.repr), AT(matprop.recte),
      AT(matprop.reesl), AT(matprop.reh), AT(matprop.rewc), AT(matprop.revm),
      AT(matprop.raceden(1)), AT(matprop.raceem(1)), AT(matprop.racepr(1)),
      AT(matprop.racecte(1)), AT(matprop.raceesl(1)), AT(matprop.raceh(1)),
      AT(matprop.racewc(1)), AT(matprop.racevm(1)), AT(matprop.raceden(2)),
      AT(matprop.raceem(2)), AT(matprop.racepr(2)), AT(matprop.racecte(2)),
      AT(matprop.raceesl(2)), AT(matprop.raceh(2)), AT(matprop.racewc(2)),
      AT(matprop.racevm(2)), AT(matprop.hsngden), AT(matprop.hsngem), AT(matprop.hsngpr),
      AT(matprop.hsngcte), AT(matprop.hsngtc), AT(matprop.shftden), AT(matprop.shftem),
      AT(matprop.shftpr), AT(matprop.shftcte), AT(matprop.shfttc),
      AT_IS(options.klifemodre, 1), AT_IS(options.kprocre, 2), AT_IS(options.klifemod(1), 1),
      AT_IS(options.kproc(1), 2), AT_IS(options.klifemod(2), 1), AT_IS(options.kproc(2), 2)}},
    {"Operating", head(1, 9) + kBall + "FITS @7\nR91 @6\nMOM @8\nTEMP @5\nR100 -1 0 0\n",
     {AT(opcond.roomtemp), AT(opcond.racefit(1)), AT(opcond.racefit(2)),
      AT(opcond.angvelorient), AT(fatiguecons.resstress(1)), AT(fatiguecons.resstress(2)),
      AT(matprop.facstrlimit), AT(opcond.appload(1)), AT(opcond.appload(2)),
      AT(opcond.appload(3)), AT(opcond.appdisp(1)), AT(opcond.appdisp(2)),
      AT(opcond.appdisp(3)), AT(opcond.appmoment(1)), AT(opcond.appmoment(2)),
      AT(opcond.appmis(1, 1)), AT(opcond.appmis(2, 1)), AT(opcond.appmis(1, 2)),
      AT(opcond.appmis(2, 2)), AT(opcond.rpm(1)), AT(opcond.rpm(2)), AT(opcond.hsngtemp),
      AT(opcond.shfttemp), AT(opcond.racetemp(1)), AT(opcond.racetemp(2)),
      AT(opcond.retemp(1))}},
    // Both races get the traction-curve input and the film value; the user lubricant's
    // viscosity coefficients go to the slots 1, 4 and 7 that the exponential law reads.
    {"TractionAndLubricant",
     ballInput("R100 9 7 8\nRTC @4\nFILM @2\nLNAME 'Target oil'\nLPROP @8\nTVIS @3\n"),
     {AT(zela1.reracetc(1, 1)), AT(zela1.reracetc(2, 1)), AT(zela1.reracetc(3, 1)),
      AT(zela1.reracetc(4, 1)), AT(tracprop.reracefilm(1)), AT(tracprop.strparam),
      AT(tracprop.reftv), AT(tracprop.refvis), AT(tracprop.viscoeff(1)),
      AT(tracprop.viscoeff(4)), AT(tracprop.viscoeff(7)), AT(tracprop.thercondlub(1)),
      AT(tracprop.denlub), AT(tracprop.spheatlub), AT(tracprop.reftracvis),
      AT(tracprop.tracviscoeff(1)), AT(tracprop.tracviscoeff(4)),
      AT_ITEM(zela1.reracetc(1, 2), 1), AT_ITEM(zela1.reracetc(2, 2), 2),
      AT_ITEM(zela1.reracetc(3, 2), 3), AT_ITEM(zela1.reracetc(4, 2), 4),
      AT_ITEM(tracprop.reracefilm(2), 5), AT_IS(tracprop.ktrac, 9),
      AT_IS(tracprop.ktractype, 7), AT_IS(tracprop.krftractype, 8),
      AT_IS(tracprop.viscoeff(2), 0), AT_IS(tracprop.tracviscoeff(2), 0)}},
};

TEST(RecordTargets, EveryItemLandsInItsVariable) {
  for (const auto& c : kTargetCases) {
    SCOPED_TRACE(c.name);
    std::string text;
    int n = 0;
    for (std::size_t k = 0; k < c.text.size(); ++k) {
      if (c.text[k] != '@') {
        text += c.text[k];
        continue;
      }
      std::size_t used = 0;
      const int count = std::stoi(c.text.substr(k + 1), &used);
      for (int i = 0; i < count; ++i) text += (i ? " " : "") + std::to_string(++n) + ".5";
      k += used;
    }
    const auto r = readInput(text);
    ASSERT_EQ(r.status, 0) << r.console;
    int next = 0;
    for (const Target& t : c.targets) {
      const int item = t.item == 0 ? ++next : t.item;
      if (t.get) {
        EXPECT_EQ(t.get(*r.m), item < 0 ? t.want : item + 0.5) << t.name;
      }
    }
    EXPECT_EQ(next, n) << "items without a target";
  }
}

TEST(RecordTargets, DiameterListsFillElementsInOrder) {
  // Element i gets i + 0.5: four records of ten, element 10 r + k on record r + 1, place k.
  std::string lists;
  for (int rec = 0; rec < 4; ++rec) {
    lists += "DIA";
    for (int k = 1; k <= 10; ++k) lists += " " + std::to_string(10 * rec + k) + ".5";
    lists += "\n";
  }
  const auto r = readInput(head(1, 9, "0 2 0 0 0 0 0 0") + kBall + lists + kTail);
  ASSERT_EQ(r.status, 0) << r.console;
  for (int i = 1; i <= 40; ++i) EXPECT_EQ(r.m->brggeom.rediavar(i), i + 0.5) << i;
}

// ---------------------------------------------------------------------------------------------
// Assignments made while reading.

TEST(Assignments, PresetsAndClearedValues) {
  // A slash right after the Record 3.3 label keeps the presets: all five constraints held,
  // material codes 0; the echo lists them.
  const auto s = readInput(kRec1 + rec32(1, 1, 9) + "R33 /\n" + kEnvelope + kBall + kTail);
  ASSERT_EQ(s.status, 0) << s.console;
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(s.m->options.kfs(k), 1);
  EXPECT_EQ(s.lines[kHeader.size() + 2],
            "   R33            1   1   1   1   1   0   0   0   0   0   0");
  // The envelope record makes the raceways and roller ends straight until a record gives a
  // radius; a ball bearing has no land limits.
  const auto& g = s.m->brggeom;
  for (int j = 1; j <= 2; ++j) {
    EXPECT_EQ(g.racecurrad(j), 1.0e10);
    EXPECT_EQ(g.breendrad(j), 1.0e10);
    EXPECT_EQ(g.racecrn(j), 1.0e10);
    EXPECT_EQ(g.racecenlen(j), 0.0);
  }
  EXPECT_EQ(s.m->options.kprtopt, 1);
  // A material record clears the conductivity and specific heat left from before; a
  // database material (the inner race here) keeps them.
  const auto r = readInput(
      kRec1 + rec32(1, 1, 9) + "R33 0 1 0 1 1 0 1 1 0 0 0\n" + kEnvelope + kBall +
          "REM 1 2 3 4 5 6 7 8\nRC1 1 2 3 4 5 6 7 8\n" + kTail,
      [](Model& m) {
        m.matprop.retc = m.matprop.racetc(1) = m.matprop.racetc(2) = 40.0;
        m.matprop.resh = m.matprop.racesh(1) = m.matprop.racesh(2) = 450.0;
      });
  ASSERT_EQ(r.status, 0) << r.console;
  const auto& mp = r.m->matprop;
  EXPECT_EQ(mp.retc, 0.0);
  EXPECT_EQ(mp.resh, 0.0);
  EXPECT_EQ(mp.racetc(1), 0.0);
  EXPECT_EQ(mp.racesh(1), 0.0);
  EXPECT_EQ(mp.racetc(2), 40.0);
  EXPECT_EQ(r.m->options.klifemod(2), 0);  // no record, no life codes
}

TEST(Assignments, LubricantNameIsStoredWholeAndListedBy36Characters) {
  const std::string forty = "Forty character lubricant name ABCDEFGHI";
  const auto r = readInput(ballInput("R100 9 1 0\n" + std::string(kRtc) + "FILM 2E-8 20\nLNAME '" +
                                     forty + "'\nLPROP 8*1\nTVIS 3*1\n"));
  ASSERT_EQ(r.status, 0) << r.console;
  EXPECT_EQ(r.m->tracprop.lubname.trimmed(), forty);
  EXPECT_EQ(r.lines[r.lines.size() - 3], "   LNAME       Forty character lubricant name ABCDE");
}

TEST(StartConstants, ReciprocalsAnglesConversionFactorsAndClearedMemories) {
  auto mp = std::make_unique<Model>();
  Model& m = *mp;
  m.setupa4.inita4 = m.setupa4.kreeqcode = m.setupa5.igridmin = m.setupa5.jgridmin = 3;
  m.setupa5.mingrid(21, 40, 2) = m.setupa5.minalfgrid(40) = 7;
  m.setupb1.initb1 = m.setupc2.initc2 = m.setupd1.initd1 = m.setupd1.itracout = 1;
  m.matprop.rem = m.matprop.racem(2) = m.matprop.hsngm = m.matprop.shftm = "*";
  zela1::startconstants(m);
  const auto& c = m.constants;
  const double reciprocals[] = {c.one2, c.one3, c.one4, c.one5, c.one6,
                                c.one7, c.one8, c.one9, c.one10};
  for (int n = 2; n <= 10; ++n) EXPECT_EQ(reciprocals[n - 2], 1.0 / n) << n;
  EXPECT_EQ(c.cang, 180.0 / std::numbers::pi);
  EXPECT_EQ(c.tpi, 2.0 * std::numbers::pi);
  EXPECT_EQ(c.pi2, std::numbers::pi / 2.0);
  EXPECT_EQ(c.tempc, 1.8);
  EXPECT_EQ(c.s2pi, std::sqrt(2.0 * std::numbers::pi));
  // Conversion factors against the unit definitions (inch 0.0254 m, pound-mass 0.45359237 kg,
  // pound-force 4.4482216 N, rankine 1/1.8 K), to the five figures the stored factors share:
  // 1 kg/m^3 = 0.0254^3/0.45359237 lbm/in^3; 1 Pa = 0.0254^2/4.4482216 psi (also 1 Pa s in
  // psi s); 1 W/(m K) = 1/(4.4482216 x 1.8) lbf/(s R); 1 J/(kg K) = 0.45359237/(0.0254 x
  // 4.4482216 x 1.8) lbf.in/(lbm R).
  EXPECT_NEAR(c.denc / (0.0254 * 0.0254 * 0.0254 / 0.45359237), 1.0, 2e-5);
  EXPECT_NEAR(c.pressc / (0.0254 * 0.0254 / 4.4482216), 1.0, 2e-5);
  EXPECT_NEAR(c.visc / (0.0254 * 0.0254 / 4.4482216), 1.0, 2e-5);
  EXPECT_NEAR(c.thercondc * 4.4482216 * 1.8, 1.0, 2e-5);
  EXPECT_NEAR(c.spheatc / (0.45359237 / (0.0254 * 4.4482216 * 1.8)), 1.0, 2e-5);
  for (int v : {m.setupa4.inita4, m.setupa4.kreeqcode, m.setupa5.igridmin, m.setupa5.jgridmin,
                m.setupa5.mingrid(21, 40, 2), m.setupa5.minalfgrid(40), m.setupb1.initb1,
                m.setupc2.initc2, m.setupd1.initd1, m.setupd1.itracout})
    EXPECT_EQ(v, 0);
  for (const auto* t : {&m.matprop.rem, &m.matprop.racem(2), &m.matprop.hsngm, &m.matprop.shftm})
    EXPECT_EQ(t->view(), "          ");
}

}  // namespace
