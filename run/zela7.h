// Material database: elastic, thermal and strength properties of rolling elements, races,
// housing and shaft from the input (code 1) or from the built-in table at each part's
// temperature, converted to English units when the input is in English units.
#pragma once

#include <span>

struct Model;

namespace zela7 {
void zela7(Model& m);
// Fills the working property record of zela7 (m.zela7) for one database code, at the
// temperature (K) already in the record.
void setproperties(Model& m, int code);

// The built-in database, read-only. Every property of an entry is a constant, a table in
// temperature (K; clamped at both ends, linear in between) or one of three temperature laws.
struct Table {
  const double* t;  // temperature points, K, ascending
  const double* v;  // values at the points, in units of `unit`
  int n;
  double unit;  // multiplies the interpolated value (1e9 for GPa, 1e-6 for 1e-6/K, ...)
};
enum class Law {
  kConst,     // a
  kTable,     // *table
  kSoftening, // a for T <= 294 K, else a (1 - 0.00091752313 (T - 294)) (vacuum-melted steels)
  kArmalon,   // 1.82e10 below 61 K, 6.0e9 above 293 K, linear in between
  kStep,      // a up to 477 K, b above
};
struct Prop {
  Law law;
  double a;
  double b;
  const Table* table;
};
struct Material {
  int code;
  const char* name;
  double den;    // kg/m^3
  Prop em;       // Pa
  Prop pr;       // -
  Prop tc;       // W/(m K)
  Prop cte;      // 1/K
  Prop sh;       // J/(kg K)
  Prop esl;      // -
  Prop hrc;      // HRC
  double wc;     // -
  double vm;     // Pa
  bool vmScale;  // von Mises limit times E/2.034e11
  int kmat;      // life-modification material code
  int kproc;     // life-modification process code
};
std::span<const Material> database();
// One property of an entry at temperature t (K), SI.
double evaluate(const Prop& p, double t);
}  // namespace zela7
