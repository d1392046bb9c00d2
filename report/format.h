// Line-format interpreter of the report. Every line of PRINT.txt (and the console texts of a
// failed file opening) is rendered from a format in the program's line-format notation, e.g.
// "6X,A12,9E11.3" or "/,5X,\"BALL DIA   \",A4,E12.5", and a list of values. Columns count from
// 1, every line ends with '\n'; numbers are rounded from their exact binary value, ties away
// from zero.
//
// Items (comma separated; blanks between items are ignored):
//   "text"    literal text, blanks included ("" inside stands for one quote character)
//   n("c")    the one-character literal c written n times (a repeated character, not a group)
//   nX        n blanks; blanks from nX are written only when something follows on the same
//             line, so no line ends in nX blanks (text values and literals keep theirs)
//   /         ends the line; a leading / gives an empty first line, a final / an empty last one
//   Iw        integer, right-justified, '-' when negative
//   Aw        text of length L: first w characters when L >= w, else w-L blanks and the text
//   A         text in its own length
//   Fw.d      fixed point, d decimals, a single 0 before the point below magnitude 1; that 0 is
//             left out only when the field would otherwise overflow (F5.4 of 0.5 is ".5000")
//   Ew.d      d+1 significant digits, one before the point: 1.235E+03; exponents of magnitude
//             100 to 999 drop the letter: 2.500-120
//   Ew.dF     fraction form: all d digits after the point, 0 before it, exponent one higher
//             (E12.4F of 0.52 is "  0.5200E+00"; the 0 is dropped only to avoid overflow)
//   k<field>  k fields in a row (9E11.3, 2A14, 5I2);  k(items)  the items k times (nestable)
// Binding: each field takes the next value. When the list is used up the line ends at the
// first field without a value (literals, blanks and / before it are processed, nothing after
// it: "I1,/,I1" with one value writes the value line and an empty line). Extra
// values start a new line and reuse the format from its last top-level k(items) group (with
// its count), or from its start when there is none. A format without value fields writes all
// its items. Too wide: w asterisks. NaN prints "NaN", infinities "Inf"/"-Inf", right-justified;
// -0.0 prints as 0; a negative value that rounds to zero keeps its '-' ("-0.0000" in F8.4).
// The form-feed line is A1 of the one-character text std::string(1, char(constants::ff)).
// Wrong value kind for a field (integer or text to E/F, real or text to I, number to A) or a
// malformed format throws std::invalid_argument: a programming fault, not an input condition.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
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
  // The value is built in place from whatever FmtValue accepts (int, double, text, FText).
  template <class T>
  FmtList& add(T&& v) {
    v_.emplace_back(std::forward<T>(v));
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
  void attach(std::ostream& os);       // write to a stream owned by the caller (who flushes it)
  bool isOpen() const { return os_ != nullptr; }
  void close();                        // flush and release the stream
  void flush();

  // Renders and writes one statement. Without a stream the text is rendered (so a faulty
  // format still shows) and dropped. A stream left in a failed state by the write throws
  // std::ios_base::failure.
  void write(std::string_view format, const FmtList& values = {});
  void write(std::string_view format, std::initializer_list<FmtValue> values) {
    write(format, FmtList(values));
  }

  // The parsed form of a format text: parsed on first use, then taken from the cache.
  const ParsedFormat& parsed(std::string_view format);
  std::size_t cachedFormats() const { return cache_.size(); }

 private:
  std::unique_ptr<std::ostream> owned_;
  std::ostream* os_ = nullptr;
  std::map<std::string, std::shared_ptr<ParsedFormat>, std::less<>> cache_;
  std::string line_;  // rendering buffer, reused from one write to the next
};

}  // namespace zq
