// Test support: bearing models as the input stage leaves them (user units, defaults applied),
// after the examples: 6208 ball (SI, English), NU208, 22208 row, 30208 and a spherical tapered
// bearing of the same envelope. Edit the input, then call scale() before zela2.
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

// Internal geometry of the defaults for the current input; call again after editing it.
void internalGeometry(Model& m);

// Scale factors of the non-dimensional form and the report's unit labels.
void scale(Model& m);

// A case after `edit`, scaled and set up (zela2), which must not stop.
std::unique_ptr<TestBearing> setUpBearing(BearingCase which,
                                          const std::function<void(Model&)>& edit = {});

// Runs the set-up (zela2) on a scaled model; true when a check stopped it (with status 1).
bool setUpStops(Model& m);

// Room temperature, standing still, no fits: no thermal, centrifugal or fit growth.
void noGrowth(Model& m);

// Expects a proper rotation: rows orthonormal and determinant +1, to 1e-14.
void expectRotation(zq::Mat3In a, const std::string& what);

// A shipped example, edited as text, read, changed in the model (`change`, user units) and set
// up in process; `stopped` when a check stopped it (`report` holds PRINT.txt); null if absent.
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
