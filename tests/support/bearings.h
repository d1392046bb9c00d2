// Test support: complete bearing models in the user's units as the input stage leaves them
// (records read, defaults applied: internal race geometry, nominal element mass, materials and
// life constants), ready for the model set-up. The six cases follow the shipped examples: a
// 6208 deep-groove ball bearing (SI and English), an NU208 cylindrical roller bearing, one row
// of a 22208 spherical roller bearing, a 30208 tapered roller bearing and a spherical tapered
// roller bearing of the same envelope. Edit the input values, then call scale() before zela2.
#pragma once

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "model/model.h"

namespace zqtest {

enum class BearingCase { kBallSi, kBallEnglish, kCylindricalSi, kSphericalSi, kTaperedSi,
                         kSphericalTaperedSi };

struct TestBearing {
  std::ostringstream report;  // declared first: the model's report writes into it
  std::unique_ptr<Model> model = std::make_unique<Model>();
  Model& m() { return *model; }
};

// The input of one case, completed as the defaults leave it (user units, no scales yet).
std::unique_ptr<TestBearing> makeBearing(BearingCase which);

// Internal geometry of the defaults for the current input (race radii, groove or crown
// radii and centres, pitch diameter, contact angle or clearance); call again after editing
// the geometry input of a case.
void internalGeometry(Model& m);

// Scale factors of the non-dimensional form and the report's unit labels.
void scale(Model& m);

// A case as given (after `edit` changed its input), scaled and set up (zela2); the set-up must
// not stop.
std::unique_ptr<TestBearing> setUpBearing(BearingCase which,
                                          const std::function<void(Model&)>& edit = {});

// Runs the set-up (zela2) on a scaled model; true when a check stopped it (with status 1).
bool setUpStops(Model& m);

// Parts at room temperature, standing still, without fits: the geometry stays as the defaults
// derived it (no thermal, centrifugal or fit growth).
void noGrowth(Model& m);

// Expects a proper rotation: rows orthonormal and determinant +1, to 1e-14.
void expectRotation(zq::Mat3In a, const std::string& what);

// One of the shipped examples (file name under examples/), optionally edited as text, read by
// the input stage, optionally changed in the model (`change`, user units, before the set-up)
// and set up, in process on a scratch directory. `stopped` tells whether a
// check stopped the run; `report` then holds PRINT.txt. Null when the file does not exist.
struct ExampleRun {
  std::unique_ptr<Model> model;
  bool stopped = false;
  std::string report;
};
std::unique_ptr<ExampleRun> setUpExample(const std::string& file,
                                         std::string (*edit)(const std::string&) = nullptr,
                                         void (*change)(Model&) = nullptr);

// Replaces the first n values of the record with the given label (values as text).
std::string replaceRecordValues(const std::string& text, const std::string& label,
                                const std::vector<std::string>& values);


}  // namespace zqtest
