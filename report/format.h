// Line-format interpreter of the report. Every line of PRINT.txt (and the console texts of a
// failed file opening) is rendered from a format in the program's line-format notation, e.g.
// "6X,A12,9E11.3" or "/,5X,\"BALL DIA   \",A4,E12.5", and a list of values.
// Items: "literal", n("c"), nX, /, Iw, Aw, A, Fw.d, Ew.d, Ew.dF (E field in fraction form,
// 0.5200E+00), k<field>, k(items). A line ends at the first value field with no value left;
// extra values restart the format at its last top-level group (format reversion). Trailing
// blanks from nX are never written; text values keep theirs. A value too wide for its field
// prints as w asterisks; NaN prints as "NaN" and infinities as "Inf"/"-Inf", right-justified;
// a negative zero prints as zero. E fields are rounded from the exact binary value, ties away
// from zero.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/farray.h"
#include "model/ftext.h"

namespace zq {

// One value of a write list: an integer, a real or a text.
class FmtValue {
 public:
  FmtValue(int v) : v_(std::int64_t(v)) {}  // NOLINT: implicit by design
  FmtValue(long v) : v_(std::int64_t(v)) {}  // NOLINT
  FmtValue(long long v) : v_(std::int64_t(v)) {}  // NOLINT
  FmtValue(double v) : v_(v) {}  // NOLINT
  FmtValue(const char* s) : v_(std::string(s)) {}  // NOLINT
  FmtValue(std::string_view s) : v_(std::string(s)) {}  // NOLINT
  FmtValue(const std::string& s) : v_(s) {}  // NOLINT
  template <int N>
  FmtValue(const FText<N>& t) : v_(t.str()) {}  // NOLINT

  bool isInt() const { return std::holds_alternative<std::int64_t>(v_); }
  bool isReal() const { return std::holds_alternative<double>(v_); }
  bool isText() const { return std::holds_alternative<std::string>(v_); }
  std::int64_t asInt() const { return std::get<std::int64_t>(v_); }
  double asReal() const { return std::get<double>(v_); }
  const std::string& asText() const { return std::get<std::string>(v_); }

 private:
  std::variant<std::int64_t, double, std::string> v_;
};

// A write list built up from single values and array ranges:
//   FmtList{}.add(i).range(m.solutions.alist, 1, n)
class FmtList {
 public:
  FmtList() = default;
  FmtList(std::initializer_list<FmtValue> v) : v_(v) {}
  FmtList& add(FmtValue v) {
    v_.push_back(std::move(v));
    return *this;
  }
  // Elements first..last (1-based, storage order) of an array or view.
  template <class A>
  FmtList& range(const A& a, int first, int last) {
    for (int k = first; k <= last; ++k) v_.emplace_back(a.lin(k));
    return *this;
  }
  const std::vector<FmtValue>& values() const { return v_; }

 private:
  std::vector<FmtValue> v_;
};

// Parsed form of one line format (opaque; built once per format text and cached).
struct ParsedFormat;

// Renders a format and its values into text: one '\n'-terminated line per record.
// Throws std::invalid_argument for a malformed format or a value of the wrong kind for its
// field (a programming fault, not an input condition).
std::string renderFormat(std::string_view format, const FmtList& values);

// Single-field renderers, exposed for tests and for the few places that need one field.
std::string renderI(std::int64_t v, int w);
std::string renderF(double v, int w, int d);
std::string renderE(double v, int w, int d, bool fraction = false);
std::string renderA(std::string_view s, int w);  // w < 0: the text's own length

// The report file (unit `devices::output`): writes rendered lines to a stream and caches the
// parsed formats. Tests attach an std::ostringstream; the run opens PRINT.txt.
class Report {
 public:
  Report();
  ~Report();
  Report(const Report&) = delete;
  Report& operator=(const Report&) = delete;

  bool open(const std::string& path);  // replaces an existing file; false if it cannot
  void attach(std::ostream& os);       // write to a stream owned by the caller
  bool isOpen() const { return os_ != nullptr; }
  void close();                        // flush and release the stream
  void flush();

  void write(std::string_view format, const FmtList& values = {});
  void write(std::string_view format, std::initializer_list<FmtValue> values) {
    write(format, FmtList(values));
  }

 private:
  const ParsedFormat& parsed(std::string_view format);
  std::unique_ptr<std::ostream> owned_;
  std::ostream* os_ = nullptr;
  std::map<std::string, std::shared_ptr<ParsedFormat>, std::less<>> cache_;
};

}  // namespace zq
