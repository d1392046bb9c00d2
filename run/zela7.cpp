// Material database. For each part of the bearing (rolling elements, outer race, inner race,
// housing, shaft) the properties come either from the input (code 1, kept as given, in user
// units) or from the built-in database evaluated at the part's absolute temperature (K) and
// converted to lbf, in, lbm and degrees Rankine for English input. Temperature-dependent data
// are tables clamped at their ends and linear in between, plus three closed-form modulus laws.
#include "run/zela7.h"

#include <cmath>
#include <iterator>
#include <string>

#include "model/model.h"
#include "numerics/zelg5.h"
#include "run/stop.h"

namespace zela7 {

namespace {

// ---------------------------------------------------------------------------------------------
// Temperature tables of the program's own built-in material data, in the order in which the
// data set lists them: temperature points in K, values in the unit named beside each.
// ---------------------------------------------------------------------------------------------

template <std::size_t N>
constexpr Table table(const double (&t)[N], const double (&v)[N], double unit) {
  return Table{t, v, int(N), unit};
}

// 100 AISI 52100: E (GPa), Poisson, elastic strain limit (percent); expansion (1e-6/K).
constexpr double t100[] = {295, 473, 673, 873, 1073, 1273};
constexpr double e100[] = {201.33, 178.58, 162.72, 103.42, 86.87, 66.88};
constexpr double pr100[] = {0.277, 0.269, 0.255, 0.342, 0.396, 0.49};
constexpr double esl100[] = {0.7, 1.09, 1.09, 0.3, 0.3, 0.2};
constexpr double tcte100[] = {298, 477, 571, 977, 1077};
constexpr double cte100[] = {11.5, 12.6, 13.7, 14.9, 15.3};
constexpr Table kE100 = table(t100, e100, 1e9);
constexpr Table kPr100 = table(t100, pr100, 1.0);
constexpr Table kEsl100 = table(t100, esl100, 0.01);
constexpr Table kCte100 = table(tcte100, cte100, 1e-6);

// 102 Lescalloy M-50 VIMVAR: hardness (HRC); expansion (1e-6/K).
constexpr double thrc102[] = {294.44, 366.66, 477.77, 588.88, 700, 755.55, 811.11, 866.66, 922.22};
constexpr double hrc102[] = {62.5, 62, 60.5, 59, 56.5, 55, 53, 47.5, 30};
constexpr double tcte102[] = {294, 366, 422, 477, 533, 589, 644, 700, 755, 811};
constexpr double cte102[] = {10.06, 11.21, 11.5, 11.84, 12.1, 12.29, 12.51, 12.69, 12.96, 13.28};
constexpr Table kHrc102 = table(thrc102, hrc102, 1.0);
constexpr Table kCte102 = table(tcte102, cte102, 1e-6);

// 103 AISI 440C: E (1e11 Pa), Poisson, expansion (1e-6/K); hardness (HRC).
constexpr double t103[] = {22.22, 33.33, 88.88, 144.44, 200, 255.55, 294.44, 366.66, 477.77};
constexpr double e103[] = {2.079, 2.079, 2.079, 2.075, 2.068, 2.041, 2.02, 1.972, 1.882};
constexpr double pr103[] = {0.26, 0.261, 0.265, 0.268, 0.272, 0.275, 0.2775, 0.281, 0.2875};
constexpr double cte103[] = {7.347, 7.66, 8.757, 10.0, 10.59, 10.8, 10.94, 11.08, 12.0};
constexpr double thrc103[] = {477, 533, 589, 644};
constexpr double hrc103[] = {59, 57, 56, 56};
constexpr Table kE103 = table(t103, e103, 1e11);
constexpr Table kPr103 = table(t103, pr103, 1.0);
constexpr Table kCte103 = table(t103, cte103, 1e-6);
constexpr Table kHrc103 = table(thrc103, hrc103, 1.0);

// 107 Cronidur 30: E (1e11 Pa), expansion (1e-6/K); conductivity (W/(m K)); specific heat
// (J/(kg K)).
constexpr double t107[] = {22.22, 88.88, 116.66, 144.44, 200, 255.55, 311.11, 366.66, 422.22};
constexpr double e107[] = {2.186, 2.179, 2.172, 2.158, 2.13, 2.103, 2.068, 2.041, 2.02};
constexpr double cte107[] = {7.02, 8.334, 8.874, 9.27, 9.738, 9.9, 10.04, 10.91, 11.34};
constexpr double ttc107[] = {116, 144, 172, 200, 227, 255, 283, 311, 339, 366, 394};
constexpr double tc107[] = {11.035, 11.872, 12.55,  12.939, 13.242, 13.545,
                            13.848, 14.137, 14.425, 14.742, 15.002};
constexpr double tsh107[] = {77, 89, 116, 144, 172, 200, 227, 255, 283, 311, 339, 366, 394};
constexpr double sh107[] = {171.7, 192.7, 236.7, 284.8, 338.4, 389.5, 435.6,
                            469.1, 485.9, 502.6, 519.4, 532.0, 540.3};
constexpr Table kE107 = table(t107, e107, 1e11);
constexpr Table kCte107 = table(t107, cte107, 1e-6);
constexpr Table kTc107 = table(ttc107, tc107, 1.0);
constexpr Table kSh107 = table(tsh107, sh107, 1.0);

// 111 AISI 4340: expansion (1e-6/K).
constexpr double tcte111[] = {293, 523, 773};
constexpr double cte111[] = {12.7, 13.7, 14.5};
constexpr Table kCte111 = table(tcte111, cte111, 1e-6);

// 112 Inconel 625: E (GPa), Poisson; expansion (1e-6/K); conductivity; specific heat.
constexpr double t112[] = {294, 366, 477, 589, 700, 811, 922, 1033, 1144};
constexpr double e112[] = {204.77, 200.64, 193.74, 187.54, 180.64, 173.06, 165.47, 157.2, 148.24};
constexpr double pr112[] = {0.312, 0.311, 0.303, 0.3, 0.302, 0.312, 0.314, 0.305, 0.389};
constexpr double tcte112[] = {366, 477, 589, 700, 811, 922, 1033, 1144, 1200};
constexpr double cte112[] = {12.8, 13.1, 13.3, 13.7, 14.0, 14.8, 15.3, 15.8, 16.2};
constexpr double ttc112[] = {116, 144, 200, 255, 294, 311, 366, 477, 589, 700, 811, 922, 1033, 1144, 1255};
constexpr double tc112[] = {7.2, 7.5, 8.4, 9.2, 9.8, 10.1, 10.8, 12.5, 14.1, 15.7, 17.5, 19.0, 20.8, 22.8, 25.2};
constexpr double tsh112[] = {255, 294, 366, 477, 589, 700, 811, 922, 1033, 1144, 1255, 1366};
constexpr double sh112[] = {402, 410, 427, 456, 481, 511, 536, 565, 590, 620, 645, 670};
constexpr Table kE112 = table(t112, e112, 1e9);
constexpr Table kPr112 = table(t112, pr112, 1.0);
constexpr Table kCte112 = table(tcte112, cte112, 1e-6);
constexpr Table kTc112 = table(ttc112, tc112, 1.0);
constexpr Table kSh112 = table(tsh112, sh112, 1.0);

// 113 Inconel 718: E (GPa), Poisson (23 points); expansion (1e-6/K); conductivity.
constexpr double t113[] = {84,  208, 294, 311, 367, 422,  478,  533,  589,  644,  700, 755,
                           811, 867, 922, 978, 1033, 1089, 1144, 1200, 1255, 1311, 1367};
constexpr double e113[] = {215.8,  210.98, 199.95, 198.57, 195.81, 193.05, 190.29, 186.85,
                           184.09, 180.64, 177.88, 174.44, 170.99, 166.85, 163.4,  158.58,
                           153.75, 146.85, 139.27, 129.62, 119.97, 109.63, 98.59};
constexpr double pr113[] = {0.25,  0.3,   0.29,  0.291, 0.288, 0.28,  0.28,  0.275,
                            0.272, 0.273, 0.271, 0.272, 0.271, 0.276, 0.283, 0.292,
                            0.306, 0.321, 0.331, 0.334, 0.341, 0.366, 0.402};
constexpr double tcte113[] = {78, 367, 478, 589, 700, 811, 922, 1033};
constexpr double cte113[] = {10.62, 13.16, 13.55, 13.93, 14.35, 14.56, 15.1, 16.04};
constexpr double ttc113[] = {294, 367, 478, 589, 700, 811, 922, 1033, 1144, 1256, 1367};
constexpr double tc113[] = {11.39, 12.55, 14.42, 16.15, 17.88, 19.61, 21.35, 23.22, 24.95, 26.83, 28.7};
constexpr Table kE113 = table(t113, e113, 1e9);
constexpr Table kPr113 = table(t113, pr113, 1.0);
constexpr Table kCte113 = table(tcte113, cte113, 1e-6);
constexpr Table kTc113 = table(ttc113, tc113, 1.0);

// 120 CBS-50 NiL VIMVAR: expansion (1e-6/K); hardness (HRC).
constexpr double tcte120[] = {293, 477, 589, 700};
constexpr double cte120[] = {11.0, 11.2, 11.6, 12.0};
constexpr double thrc120[] = {295.55, 311.11, 366.66, 422.22, 477.77, 533.33,
                              588.88, 644.44, 700,    755.55, 811.11};
constexpr double hrc120[] = {61.8, 62.1, 61.3, 60.9, 60.7, 60.6, 60.0, 59.1, 58.8, 57.7, 56.7};
constexpr Table kCte120 = table(tcte120, cte120, 1e-6);
constexpr Table kHrc120 = table(thrc120, hrc120, 1.0);

// 121 P-675 HTT VIMVAR: expansion (1e-6/K); hardness (HRC) at the points of 120.
constexpr double tcte121[] = {366, 533, 811};
constexpr double cte121[] = {10.01, 10.62, 11.56};
constexpr double hrc121[] = {66.6, 66.6, 66.1, 65.5, 65.2, 64.5, 64.3, 63.7, 63.7, 63.3, 61.1};
constexpr Table kCte121 = table(tcte121, cte121, 1e-6);
constexpr Table kHrc121 = table(thrc120, hrc121, 1.0);

// 122 P-675 LTT VIMVAR: expansion as 121; hardness (HRC). The third hardness value is kept
// as the data set gives it.
constexpr double thrc122[] = {294.44, 422.22, 477.77, 533.33, 588.88, 644.44};
constexpr double hrc122[] = {61.5, 60.0, 69.5, 58.5, 58.5, 57.5};
constexpr Table kHrc122 = table(thrc122, hrc122, 1.0);

// 140 NITINOL 60: conductivity; specific heat.
constexpr double ttc140[] = {273, 373, 473, 573};
constexpr double tc140[] = {10.5, 13, 15, 18};
constexpr double tsh140[] = {273, 313, 373, 423, 493, 558};
constexpr double sh140[] = {453, 460, 470, 480, 490, 500};
constexpr Table kTc140 = table(ttc140, tc140, 1.0);
constexpr Table kSh140 = table(tsh140, sh140, 1.0);

// 163 Ti-6Al-4V: expansion (1e-6/K); conductivity.
constexpr double tcte163[] = {34.55, 55.46, 86.89, 114.56, 143.86, 293, 523, 773};
constexpr double cte163[] = {2.63, 3.8, 5.57, 7.28, 8.21, 8.6, 9.2, 9.7};
constexpr double ttc163[] = {33.68, 88.72, 143.76, 201.56, 257.16, 294};
constexpr double tc163[] = {1.63, 3.24, 4.55, 5.3, 5.99, 6.7};
constexpr Table kCte163 = table(tcte163, cte163, 1e-6);
constexpr Table kTc163 = table(ttc163, tc163, 1.0);

// 207 PTFE: expansion (1e-6/K); conductivity; specific heat.
constexpr double tcte207[] = {298, 373, 573};
constexpr double cte207[] = {112, 124, 220};
constexpr double ttc207[] = {293, 533};
constexpr double tc207[] = {0.25, 0.3};
constexpr double tsh207[] = {313, 423, 473, 533};
constexpr double sh207[] = {1200, 1300, 1400, 1500};
constexpr Table kCte207 = table(tcte207, cte207, 1e-6);
constexpr Table kTc207 = table(ttc207, tc207, 1.0);
constexpr Table kSh207 = table(tsh207, sh207, 1.0);

constexpr Prop C(double v) { return Prop{Law::kConst, v, 0.0, nullptr}; }
constexpr Prop T(const Table& t) { return Prop{Law::kTable, 0.0, 0.0, &t}; }
// Modulus of the vacuum-melted bearing steels: e0 up to 294 K, then falling linearly.
constexpr Prop Soft(double e0) { return Prop{Law::kSoftening, e0, 0.0, nullptr}; }
constexpr Prop Armalon() { return Prop{Law::kArmalon, 0.0, 0.0, nullptr}; }
// Expansion of M-50: low below and high above the 477 K break.
constexpr Prop Step(double low, double high) { return Prop{Law::kStep, low, high, nullptr}; }

// The database, one entry per material code, in the order of the program's built-in data.
// Columns: code, name, density (kg/m^3), E (Pa), Poisson's ratio, conductivity (W/(m K)),
// expansion (1/K), specific heat (J/(kg K)), elastic strain limit, hardness (HRC), wear
// coefficient, von Mises limit (Pa) and whether it scales with E/2.034e11, life-modification
// material and process codes.
// The built-in data give no von Mises limit and no life codes for the mild steel, the nickel
// alloys, the copper alloys, titanium and the polymers; for these the entries hold a zero
// von Mises limit (hence zero shear limits) and the life codes 0/0 (no life modification), so
// that no part takes over the values of the part evaluated before it.
constexpr double kNoLimit = 0.0;
constexpr int kNoLifeMod = 0;
constexpr int kNoProcess = 0;

constexpr Material kDatabase[] = {
    {100, "AISI 52100 Steel", 7827, T(kE100), T(kPr100), C(43), T(kCte100), C(458), T(kEsl100), C(62), 5e-6, 6.84e8, false, 1, 2},
    {101, "Latrobe CM-50 ASTM M-50 Steel", 7830, C(2.03e11), C(0.28), C(13.4), Step(1.13e-5, 1.298e-5), C(460), C(0.002), C(64.5), 5e-6, 7.17e8, false, 6, 2},
    {102, "Lescalloy M-50 VIMVAR Bearing Steel", 8027.172, Soft(2.034e11), C(0.28), C(13.4), T(kCte102), C(460), C(0.002), T(kHrc102), 5e-6, 7.17e8, true, 6, 7},
    {103, "AISI 440C Stainless Steel", 7667.333, T(kE103), T(kPr103), C(24.2), T(kCte103), C(460), C(0.002), T(kHrc103), 5e-6, 4.0e8, false, 23, 2},
    {104, "430 (Ferritic) Stainless Steel", 7780, C(2.0e11), C(0.28), C(26.1), C(1.14e-5), C(460), C(0.002), C(62), 5e-6, 4.0e8, false, 23, 2},
    {105, "410 (Martenitic) Stainless Steel", 7780, C(2.0e11), C(0.28), C(24.0), C(1.16e-5), C(460), C(0.002), C(62), 5e-6, 4.0e8, false, 23, 2},
    {106, "304 (Austenitic) Stainless Steel", 8060, C(1.93e11), C(0.28), C(16.2), C(1.84e-5), C(503), C(0.002), C(62), 5e-6, 4.0e8, false, 23, 2},
    {107, "AMS 5898 Cronidur 30", 7695, T(kE107), C(0.262), T(kTc107), T(kCte107), T(kSh107), C(0.002), C(58), 5e-6, 4.0e8, false, 23, 2},
    {108, "AMS 5643 (17-4PH)", 7850, C(1.96e11), C(0.29), C(18.3), C(1.08e-5), C(460), C(0.002), C(38.5), 5e-6, 4.0e8, false, 23, 2},
    {110, "C1045 Mild Steel", 7750.374, C(2.0e11), C(0.26), C(46.44), C(1.494e-5), C(443.56), C(0.0031), C(29), 5e-5, kNoLimit, false, kNoLifeMod, kNoProcess},
    {111, "AISI 4340 Steel", 7850, C(2.05e11), C(0.29), C(44.5), T(kCte111), C(475), C(0.002), C(36), 5e-5, 5.9e8, false, kNoLifeMod, kNoProcess},
    {112, "Inconel 625 Nickel-Chromium Alloy", 8440, T(kE112), T(kPr112), T(kTc112), T(kCte112), T(kSh112), C(0.002), C(10), 5e-6, kNoLimit, false, kNoLifeMod, kNoProcess},
    {113, "Inconel 718 Nickel-Chromium Alloy", 8193.25, T(kE113), T(kPr113), T(kTc113), T(kCte113), C(435), C(0.002), C(10), 5e-6, kNoLimit, false, kNoLifeMod, kNoProcess},
    {114, "High Nitrogen Stainless Steel 304HN", 8000, C(1.97e11), C(0.28), C(14.9), C(1.89e-5), C(500), C(0.002), C(58.9), 5e-6, 4.0e8, false, 23, 7},
    {120, "CBS-50 NiL VIMVAR", 7850, Soft(2.208e11), C(0.28), C(13.4), T(kCte120), C(460), C(0.002), T(kHrc120), 5e-6, 5.79e8, true, 41, 7},
    {121, "P-675 HTT VIMVAR", 7756, Soft(2.091e11), C(0.28), C(44.5), T(kCte121), C(475), C(0.002), T(kHrc121), 5e-6, 5.79e8, true, 41, 7},
    {122, "P-675 LTT VIMVAR", 7756, Soft(2.091e11), C(0.28), C(44.5), T(kCte121), C(475), C(0.002), T(kHrc122), 5e-6, 5.79e8, true, 41, 7},
    {140, "NITINOL60 (60NiTi)", 6700, C(9.5e10), C(0.34), T(kTc140), C(1.24e-5), T(kSh140), C(0.002), C(60), 1e-5, 4.0e8, false, 1, 1},
    {150, "Silicon Nitride (Si3N4)", 3310, C(3.17e11), C(0.23), C(27), C(3.4e-6), C(711.297), C(0.002), C(80), 1e-5, 1.22e9, false, 51, 1},
    {151, "Zirconium Oxide (ZrO2) Monoclinic", 5680, C(2.45e11), C(0.23), C(1.675), C(7e-6), C(502), C(0.002), C(80), 1e-5, 1.22e9, false, 51, 1},
    {160, "Copper", 8857.56, C(1.17211e11), C(0.33), C(408.3467), C(1.674e-5), C(355.8858), C(0.000588), C(20), 5e-4, kNoLimit, false, kNoLifeMod, kNoProcess},
    {161, "Yellow Hard Brass", 8580.771, C(1.03421e11), C(0.33), C(120.102), C(1.98e-5), C(374.597), C(0.0004), C(20), 5e-4, kNoLimit, false, kNoLifeMod, kNoProcess},
    {162, "Phos Hard Bronze", 8857.57, C(1.1032e11), C(0.33), C(69.659), C(1.8e-5), C(364.2925), C(0.000469), C(20), 5e-4, kNoLimit, false, kNoLifeMod, kNoProcess},
    {163, "Titanium-6Al-4V", 4430, C(1.138e11), C(0.342), T(kTc163), T(kCte163), C(526.3), C(0.002), C(36), 1e-5, kNoLimit, false, kNoLifeMod, kNoProcess},
    {200, "PEEK (Bearing Grade, Ketron HPV)", 1440, C(5.86e9), C(0.4), C(0.245), C(3.06e-5), C(334.87), C(0.0129), C(5), 1e-4, kNoLimit, false, kNoLifeMod, kNoProcess},
    {201, "Polyamide - Nylon", 1140, C(3.3e9), C(0.41), C(0.25), C(9e-5), C(1670), C(0.01), C(5), 1e-4, kNoLimit, false, kNoLifeMod, kNoProcess},
    {202, "Armalon", 2140, Armalon(), C(0.4), C(0.2), C(4.05e-6), C(2000), C(0.01), C(5), 1e-4, kNoLimit, false, kNoLifeMod, kNoProcess},
    {203, "Carbon Phenolic", 1400, C(6.23e10), C(0.4), C(3.25), C(7e-7), C(1500), C(0.01), C(5), 1e-4, kNoLimit, false, kNoLifeMod, kNoProcess},
    {204, "Carbon Phenolic (10% MosS2)", 1400, C(5.61e10), C(0.4), C(2.1), C(9e-7), C(1500), C(0.01), C(5), 1e-4, kNoLimit, false, kNoLifeMod, kNoProcess},
    {205, "Cotton Phenolic", 1360, C(8.6e9), C(0.4), C(0.37), C(1.85e-5), C(1500), C(0.01), C(5), 1e-4, kNoLimit, false, kNoLifeMod, kNoProcess},
    {206, "Graphite", 1800, C(1.0e10), C(0.4), C(85), C(5e-7), C(710), C(0.01), C(5), 1e-4, kNoLimit, false, kNoLifeMod, kNoProcess},
    {207, "Teflon (PTFE)", 2160, C(4.96e8), C(0.496), T(kTc207), T(kCte207), T(kSh207), C(0.01), C(58), 1e-4, kNoLimit, false, kNoLifeMod, kNoProcess},
};
static_assert(std::size(kDatabase) == 32);

// Reference modulus of the von Mises scaling of the vacuum-melted steels (Pa).
constexpr double kVmReferenceModulus = 2.034e11;

// Table value at t: the end values outside the table, linear interpolation inside.
double interpolate(const Table& tab, double t) {
  if (t <= tab.t[0]) return tab.v[0] * tab.unit;
  if (t >= tab.t[tab.n - 1]) return tab.v[tab.n - 1] * tab.unit;
  int i1 = 0, i2 = 0;
  return zelg5::zelg5(t, tab.t, tab.v, tab.n, i1, i2) * tab.unit;
}

const Material* find(int code) {
  for (const Material& e : kDatabase)
    if (e.code == code) return &e;
  return nullptr;
}

// Stop block of a material record on the input with a property that no material can have.
void checkInputRecord(Model& m, const char* record, double den, double em, double pr,
                      const double* hrc) {
  const bool bad = !(den > 0.0) || !(em > 0.0) || !(pr > -1.0 && pr <= 0.5) ||
                   (hrc != nullptr && !(*hrc > 0.0));
  if (!bad) return;
  auto& rep = m.devices.report;
  rep.write("/,5X,\"Execution terminating in Zela7 due to invalid material properties\","
            "/,5X,\"on the \",A,\".\"",
            {record});
  rep.write("5X,\"Density         = \",E12.4,/,5X,\"Elastic Modulus = \",E12.4,"
            "/,5X,\"Poisson Ratio   = \",E12.4",
            {den, em, pr});
  if (hrc != nullptr) rep.write("5X,\"Hardness        = \",E12.4", {*hrc});
  if (hrc != nullptr)
    rep.write("5X,\"Density, elastic modulus and hardness must be greater than zero\"");
  else
    rep.write("5X,\"Density and elastic modulus must be greater than zero\"");
  rep.write("5X,\"and Poisson ratio greater than -1.0 and not greater than 0.5.\",/,/");
  zq::stopRun("zela7");
}

// The octahedral shear limit sqrt(2)/3 of a von Mises limit given on a material record must be
// a number: a limit near the largest double overflows it (printed and used as Inf).
void checkStressLimit(Model& m, const char* record, double vm) {
  if (std::isfinite(std::sqrt(2.0) * vm / 3.0)) return;
  m.devices.report.write(
      "/,5X,\"Execution terminating in Zela7 due to invalid material properties\","
      "/,5X,\"on the \",A,\".\",/,5X,\"Von Mises Stress Limit = \",E12.4,"
      "/,5X,\"The stress limit is beyond the range of numbers: its octahedral\","
      "/,5X,\"shear stress limit cannot be formed.\",/,/",
      {record, vm});
  zq::stopRun("zela7");
}

// Database evaluation for one part at the part's temperature as given on the input.
void lookUp(Model& m, int code, double partTemp) {
  const double tempDiv = m.options.kunit != 1 ? 1.8 : 1.0;  // Rankine to Kelvin
  m.zela7 = Zela7Locals{};
  m.zela7.temp = partTemp / tempDiv;
  setproperties(m, code);
  // The softening laws reach zero modulus near 1384 K; no contact can be computed beyond.
  if (!(m.zela7.em > 0.0)) {
    m.devices.report.write(
        "/,5X,\"Execution terminating in Zela7 (SetProperties)\","
        "/,5X,\"Elastic modulus of \",A,\" is not positive at \",F9.2,\" K.\","
        "/,5X,\"The part temperature is beyond the range of this material.\",/,/",
        {std::string(m.zela7.name.trimmed()), m.zela7.temp});
    zq::stopRun("zela7");
  }
}

}  // namespace

std::span<const Material> database() { return kDatabase; }

double evaluate(const Prop& p, double t) {
  switch (p.law) {
    case Law::kConst:
      return p.a;
    case Law::kTable:
      return interpolate(*p.table, t);
    case Law::kSoftening:
      return t <= 294.0 ? p.a : p.a * (1.0 - 0.00091752313 * (t - 294.0));
    case Law::kArmalon:
      if (t <= 61.0) return 1.82e10;
      if (t >= 293.0) return 6.0e9;
      return 1.82e10 - 1.22e10 * (t - 61.0) / 232.0;
    case Law::kStep:
      return t > 477.0 ? p.b : p.a;
  }
  return 0.0;
}

void setproperties(Model& m, int code) {
  auto& r = m.zela7;
  const Material* e = find(code);
  if (e == nullptr) {
    m.devices.report.write(
        "/,5X,\"Execution Teminating due to\",/,5X,\"Invalid Materials Code \",I5,"
        "/,5X,\"Please use valid Materials Code in Input Data\",/,/",
        {code});
    zq::stopRun("zela7");
  }
  const double t = r.temp;
  r.name = e->name;
  r.den = e->den;
  r.em = evaluate(e->em, t);
  r.pr = evaluate(e->pr, t);
  r.tc = evaluate(e->tc, t);
  r.cte = evaluate(e->cte, t);
  r.sh = evaluate(e->sh, t);
  r.esl = evaluate(e->esl, t);
  r.hrc = evaluate(e->hrc, t);
  r.wc = e->wc;
  r.vm = e->vmScale ? e->vm * r.em / kVmReferenceModulus : e->vm;
  r.kmat = e->kmat;
  r.kproc = e->kproc;
}

void zela7(Model& m) {
  auto& mp = m.matprop;
  auto& op = m.options;
  auto& oc = m.opcond;
  const auto& r = m.zela7;

  // Database values are SI; English input gets psi, lbm/in^3, 1/R, in lbf/(lbm R) and
  // lbf/(s R).
  const bool english = op.kunit != 1;
  const double fem = english ? (1.0 / 4.448222) / ((1.0 / 0.0254) * (1.0 / 0.0254)) : 1.0;
  const double fden =
      english ? (1.0 / 0.4535924) / ((1.0 / 0.0254) * (1.0 / 0.0254) * (1.0 / 0.0254)) : 1.0;
  const double fcte = english ? 1.0 / 1.8 : 1.0;
  const double fsh = english ? (1.0 / 0.0254) * (1.0 / 4.448222) / ((1.0 / 0.4535924) * 1.8) : 1.0;
  const double ftc = english ? (1.0 / 4.448222) / 1.8 : 1.0;

  const zq::FText<10> inputMarks{"^^^^^^^^^^"};
  const zq::FText<10> databaseMarks{};
  constexpr const char* kInputName = "Arbitrary Properties";

  // Rolling elements.
  if (op.kremat == 1) {
    checkInputRecord(m, "rolling-element material record", mp.reden, mp.reem, mp.repr, &mp.reh);
    checkStressLimit(m, "rolling-element material record", mp.revm);
    mp.remat = kInputName;
    mp.rem = inputMarks;
  } else {
    lookUp(m, op.kremat, oc.retemp(1));
    mp.remat = r.name;
    mp.reden = r.den * fden;
    mp.reem = r.em * fem;
    mp.repr = r.pr;
    mp.recte = r.cte * fcte;
    mp.resh = r.sh * fsh;
    mp.retc = r.tc * ftc;
    mp.revm = r.vm * fem;
    mp.reesl = r.esl;
    mp.reh = r.hrc;
    mp.rewc = r.wc;
    op.klifemodre = r.kmat;
    op.kprocre = r.kproc;
    mp.rem = databaseMarks;
  }

  // Races: 1 outer, 2 inner.
  for (int j = 1; j <= 2; ++j) {
    if (op.kracemat(j) == 1) {
      const char* record = j == 1 ? "race material record 1" : "race material record 2";
      checkInputRecord(m, record, mp.raceden(j), mp.raceem(j), mp.racepr(j), &mp.raceh(j));
      checkStressLimit(m, record, mp.racevm(j));
      mp.racemat(j) = kInputName;
      mp.racem(j) = inputMarks;
    } else {
      lookUp(m, op.kracemat(j), oc.racetemp(j));
      mp.racemat(j) = r.name;
      mp.raceden(j) = r.den * fden;
      mp.raceem(j) = r.em * fem;
      mp.racepr(j) = r.pr;
      mp.racecte(j) = r.cte * fcte;
      mp.racesh(j) = r.sh * fsh;
      mp.racetc(j) = r.tc * ftc;
      mp.racevm(j) = r.vm * fem;
      mp.raceesl(j) = r.esl;
      mp.raceh(j) = r.hrc;
      mp.racewc(j) = r.wc;
      op.klifemod(j) = r.kmat;
      op.kproc(j) = r.kproc;
      mp.racem(j) = databaseMarks;
    }
  }

  // Housing and shaft: elastic and thermal properties only (no life or strength data).
  auto supportRing = [&](int code, double temp, const char* record, zq::FText<36>& name,
                         zq::FText<10>& marks, double& den, double& em, double& pr, double& cte,
                         double& tc) {
    if (code == 1) {
      checkInputRecord(m, record, den, em, pr, nullptr);
      name = kInputName;
      marks = inputMarks;
      return;
    }
    lookUp(m, code, temp);
    name = r.name;
    den = r.den * fden;
    em = r.em * fem;
    pr = r.pr;
    cte = r.cte * fcte;
    tc = r.tc * ftc;
    marks = databaseMarks;
  };
  supportRing(op.khsngmat, oc.hsngtemp, "housing material record", mp.hsngmat, mp.hsngm,
              mp.hsngden, mp.hsngem, mp.hsngpr, mp.hsngcte, mp.hsngtc);
  supportRing(op.kshftmat, oc.shfttemp, "shaft material record", mp.shftmat, mp.shftm,
              mp.shftden, mp.shftem, mp.shftpr, mp.shftcte, mp.shfttc);

  // Octahedral shear limits from the von Mises limits.
  mp.resl = std::sqrt(2.0) * mp.revm / 3.0;
  for (int j = 1; j <= 2; ++j) mp.racesl(j) = std::sqrt(2.0) * mp.racevm(j) / 3.0;
}

}  // namespace zela7
