// Reader of the free (list-directed) input format: scans the lines of a record for values,
// expands repeat counts, applies null values and the record-ending slash, converts each value
// to its item's type and refuses what does not convert, with a console message that says where
// (file, line, record, item) and what was found and expected.
#include "run/listread.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "report/format.h"
#include "run/stop.h"

namespace zq {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isStop(char c) { return isBlank(c) || c == ',' || c == '/'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

const char* const kExpectInt = "an integer (digits with an optional sign; no decimal point or exponent)";
const char* const kExpectIntRange = "an integer from -2147483648 to 2147483647";
const char* const kExpectReal =
    "a real number in integer, decimal or exponent form (such as 25, 0.25, 2.5E-1 or 2.5D-1)";
const char* const kExpectRealRange = "a real number of magnitude below 1.79E+308";
const char* const kExpectText = "a text";
const char* const kExpectRepeat = "a repeat count from 1 to 2147483647 before the asterisk";
const char* const kExpectAfterQuote = "a blank, comma, slash or line end after the closing quote";

// One value as written: null (from two separators or r*), or a constant with its text.
struct Value {
  bool null = false;
  bool quoted = false;
  std::string text;  // the constant (contents of a quoted text, doubled quotes made single)
  std::string raw;   // the whole token as written, for messages
  std::size_t line = 0;
};

// Integer form: optional sign and at least one digit, nothing else.
bool parseInt(std::string_view s, int& out, const char*& expected) {
  expected = kExpectInt;
  std::size_t p = 0;
  bool neg = false;
  if (p < s.size() && (s[p] == '+' || s[p] == '-')) neg = s[p++] == '-';
  if (p == s.size()) return false;
  long long v = 0;
  for (; p < s.size(); ++p) {
    if (!isDigit(s[p])) return false;
    v = v * 10 + (s[p] - '0');
    if (v > 2147483648LL) {
      // Keep scanning so that a malformed token is reported as malformed, not as too large.
      for (++p; p < s.size(); ++p)
        if (!isDigit(s[p])) return false;
      expected = kExpectIntRange;
      return false;
    }
  }
  if (neg) v = -v;
  if (v > std::numeric_limits<int>::max()) {
    expected = kExpectIntRange;
    return false;
  }
  out = int(v);
  return true;
}

// Real form: [sign] digits [. digits] or [sign] . digits, then optionally E or D (either
// case), an optional sign and at least one digit. Values beyond the double range are refused;
// values below its smallest magnitude become zero.
bool parseReal(std::string_view s, double& out, const char*& expected) {
  expected = kExpectReal;
  std::string n;
  std::size_t p = 0;
  if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
    if (s[p] == '-') n += '-';
    ++p;
  }
  int mant = 0;
  for (; p < s.size() && isDigit(s[p]); ++p, ++mant) n += s[p];
  if (p < s.size() && s[p] == '.') {
    n += '.';
    for (++p; p < s.size() && isDigit(s[p]); ++p, ++mant) n += s[p];
  }
  if (mant == 0) return false;
  if (p < s.size() && (s[p] == 'E' || s[p] == 'e' || s[p] == 'D' || s[p] == 'd')) {
    n += 'e';
    ++p;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) n += s[p++];
    int ed = 0;
    for (; p < s.size() && isDigit(s[p]); ++p, ++ed) n += s[p];
    if (ed == 0) return false;
  }
  if (p != s.size()) return false;
  double v = 0.0;
  const auto r = std::from_chars(n.data(), n.data() + n.size(), v);
  if (r.ec == std::errc::result_out_of_range) {
    // Either beyond the largest double (refused) or below the smallest (taken as zero).
    const double w = std::strtod(n.c_str(), nullptr);
    if (std::isinf(w)) {
      expected = kExpectRealRange;
      return false;
    }
    v = w;
  } else if (r.ec != std::errc() || r.ptr != n.data() + n.size()) {
    return false;
  }
  if (!std::isfinite(v)) {
    expected = kExpectRealRange;
    return false;
  }
  out = v;
  return true;
}

}  // namespace

ListReader::ListReader(std::string fileName, std::string_view text) : file_(std::move(fileName)) {
  // A byte-order mark that some editors put at the start of a UTF-8 file is not input.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::string cur;
  for (char c : text) {
    if (c == '\n') {
      if (!cur.empty() && cur.back() == '\r') cur.pop_back();
      lines_.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) {
    if (cur.back() == '\r') cur.pop_back();
    lines_.push_back(cur);
  }
}

void ListReader::fail(std::string_view record, const std::vector<ListItem>& items, std::size_t k,
                      const Fault& f, bool labelRead) const {
  std::string where;
  if (f.line > 0) {
    where = "Input error in " + file_ + ", line " + std::to_string(f.line);
  } else if (lines_.empty()) {
    where = "Input error in " + file_ + ": the file is empty";
  } else {
    where = "Input error in " + file_ + ", after line " + std::to_string(lines_.size()) +
            " (end of file)";
  }
  std::string rec(record);
  if (labelRead && !items.empty() && items[0].kind == ListItem::Kind::Text) {
    std::string label = items[0].getText();
    while (!label.empty() && label.back() == ' ') label.pop_back();
    rec += ", label \"" + label + "\"";
  }
  const std::string it =
      std::to_string(k + 1) + " of " + std::to_string(items.size()) + ", " + items[k].name;
  const std::string found = f.line > 0 ? "\"" + f.found + "\"" : std::string("end of file");
  const std::string text = renderFormat(
      "/,5X,16(\"*\"),/,5X,\"Execution terminating in subroutine Zela1\",/,5X,A,/,"
      "5X,\"Record:   \",A,/,5X,\"Item:     \",A,/,5X,\"Found:    \",A,/,"
      "5X,\"Expected: \",A,/,5X,16(\"*\"),/",
      {where, rec, it, found, f.expected});
  stopUnreadable("zela1", text);
}

void ListReader::readRecord(std::string_view record, const std::vector<ListItem>& items) {
  const std::size_t n = items.size();
  std::size_t li = next_;  // current line
  std::size_t col = 0;     // current column in it
  bool afterSep = true;    // a comma here gives a null value (also at the start of the record)
  bool labelRead = false;
  std::size_t k = 0;       // next item
  Value rep;               // constant (or null) of a pending repeat
  long long repLeft = 0;

  auto kindExpected = [&](std::size_t i) {
    switch (items[i].kind) {
      case ListItem::Kind::Int: return std::string(kExpectInt);
      case ListItem::Kind::Real: return std::string(kExpectReal);
      case ListItem::Kind::Text: break;
    }
    return std::string(kExpectText);
  };

  auto assign = [&](const Value& v) {
    const ListItem& it = items[k];
    if (!v.null) {
      const char* expected = nullptr;
      bool ok = true;
      switch (it.kind) {
        case ListItem::Kind::Int: {
          int x = 0;
          ok = !v.quoted && parseInt(v.text, x, expected);
          if (v.quoted) expected = kExpectInt;
          if (ok) *it.ivar = x;
          break;
        }
        case ListItem::Kind::Real: {
          double x = 0.0;
          ok = !v.quoted && parseReal(v.text, x, expected);
          if (v.quoted) expected = kExpectReal;
          if (ok) *it.dvar = x;
          break;
        }
        case ListItem::Kind::Text:
          it.setText(v.text);
          break;
      }
      if (!ok) fail(record, items, k, Fault{v.line, v.raw, expected}, labelRead);
    }
    if (k == 0) labelRead = true;
    ++k;
  };

  while (k < n) {
    if (repLeft > 0) {
      assign(rep);
      --repLeft;
      continue;
    }
    if (li >= lines_.size()) fail(record, items, k, Fault{0, "", kindExpected(k)}, labelRead);
    const std::string& L = lines_[li];
    while (col < L.size() && isBlank(L[col])) ++col;
    if (col >= L.size()) {  // a line end separates like a blank
      ++li;
      col = 0;
      continue;
    }
    const char c = L[col];
    if (c == ',') {
      if (afterSep) {
        Value null;
        null.null = true;
        assign(null);
      }
      ++col;
      afterSep = true;
      continue;
    }
    if (c == '/') break;  // the rest of the record keeps its values

    // A value: optional repeat count r*, then a constant, a quoted text or nothing (r nulls).
    const std::size_t start = col;
    Value v;
    v.line = li + 1;
    long long count = 0;
    {
      std::size_t j = col;
      while (j < L.size() && isDigit(L[j])) ++j;
      if (j > col && j < L.size() && L[j] == '*') {
        bool big = false;
        for (std::size_t q = col; q < j && !big; ++q) {
          count = count * 10 + (L[q] - '0');
          big = count > std::numeric_limits<int>::max();
        }
        col = j + 1;
        if (big || count < 1) {
          std::size_t e = col;
          while (e < L.size() && !isStop(L[e])) ++e;
          fail(record, items, k, Fault{li + 1, L.substr(start, e - start), kExpectRepeat},
               labelRead);
        }
      }
    }
    if (col >= L.size() || isStop(L[col])) {
      v.null = true;  // r* followed by a separator: r null values
    } else if (L[col] == '\'' || L[col] == '"') {
      const char q = L[col];
      std::size_t j = col + 1;
      bool closed = false;
      while (j < L.size()) {
        if (L[j] == q) {
          if (j + 1 < L.size() && L[j + 1] == q) {
            v.text += q;
            j += 2;
            continue;
          }
          ++j;
          closed = true;
          break;
        }
        v.text += L[j++];
      }
      v.quoted = true;
      if (!closed) {
        fail(record, items, k,
             Fault{li + 1, L.substr(start), std::string("a closing ") + q + " on the same line"},
             labelRead);
      }
      if (j < L.size() && !isStop(L[j])) {
        std::size_t e = j;
        while (e < L.size() && !isStop(L[e])) ++e;
        fail(record, items, k, Fault{li + 1, L.substr(start, e - start), kExpectAfterQuote},
             labelRead);
      }
      col = j;
    } else {
      std::size_t j = col;
      while (j < L.size() && !isStop(L[j])) ++j;
      v.text = L.substr(col, j - col);
      col = j;
    }
    v.raw = L.substr(start, col - start);
    afterSep = false;
    if (count > 0) {
      rep = v;
      repLeft = count;
    } else {
      assign(v);
    }
  }
  // The record ends on line li (the line of its last value or of its slash); whatever follows
  // there is skipped, and the next record starts on the next line.
  next_ = li + 1;
}

}  // namespace zq

namespace zq {

namespace {
template <class T>
struct Scalar {
  T v;
  T lin(int) const { return v; }
};
}  // namespace

void readAndEcho(ListReader& in, Report& report, std::string_view record,
                 std::string_view echoFormat, const std::vector<ListItem>& items, int echoCount) {
  in.readRecord(record, items);
  const std::size_t last =
      echoCount < 0 ? items.size() : std::min(items.size(), std::size_t(echoCount) + 1);
  FmtList values;
  for (std::size_t k = 0; k < last; ++k) {
    const ListItem& it = items[k];
    // Numbers go in through one-element ranges, constructed in place in the list.
    if (it.kind == ListItem::Kind::Int) {
      values.range(Scalar<int>{*it.ivar}, 1, 1);
    } else if (it.kind == ListItem::Kind::Real) {
      values.range(Scalar<double>{*it.dvar}, 1, 1);
    } else {
      values.add(it.getText());
    }
  }
  report.write(echoFormat, values);
}

}  // namespace zq
