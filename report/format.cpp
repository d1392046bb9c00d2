// Line-format interpreter of the report: parses the format notation once into an item tree,
// then binds a value list to it and renders fixed-column text lines. Number fields are rounded
// from the exact binary value of the double, half away from zero: the C library prints guard
// digits (correctly rounded to nearest), and only when those show an exact half at the cut is
// the full exact expansion printed (glibc prints exact digits at any precision).
#include "report/format.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <ostream>
#include <stdexcept>

namespace zq {

namespace {

constexpr int kMaxCount = 9999;  // repeat counts, blank runs and A/I widths
constexpr int kMaxNumW = 255;    // width of an F or E field
constexpr int kMaxNumD = 60;     // decimals of an F or E field
constexpr int kGuard = 20;       // guard digits printed beyond the rounding position
// Precision at which the printed expansion of any double is exact: at most 767 significant
// digits and 1074 fraction digits.
constexpr int kExactSig = 800;
constexpr int kExactFrac = 1080;

struct Item {
  enum Kind { kLiteral, kBlank, kSlash, kInt, kText, kFixed, kExp, kGroup };
  Kind kind = kLiteral;
  int rep = 1;         // fields and groups: repeat count; blanks: their number
  int w = 0, d = 0;    // field width and decimals; kText: w < 0 is the bare A
  bool fraction = false;
  std::string text;    // literal text (a repeated character already expanded)
  std::vector<Item> sub;
};

bool isValueField(const Item& it) {
  return it.kind == Item::kInt || it.kind == Item::kText || it.kind == Item::kFixed ||
         it.kind == Item::kExp;
}

bool hasValueField(const std::vector<Item>& items, std::size_t from = 0) {
  for (std::size_t k = from; k < items.size(); ++k) {
    if (isValueField(items[k])) return true;
    if (items[k].kind == Item::kGroup && hasValueField(items[k].sub)) return true;
  }
  return false;
}

std::string fieldName(const Item& it) {
  switch (it.kind) {
    case Item::kInt: return "I" + std::to_string(it.w);
    case Item::kText: return it.w < 0 ? std::string("A") : "A" + std::to_string(it.w);
    case Item::kFixed: return "F" + std::to_string(it.w) + "." + std::to_string(it.d);
    case Item::kExp:
      return "E" + std::to_string(it.w) + "." + std::to_string(it.d) + (it.fraction ? "F" : "");
    default: return "?";
  }
}

// ---------------------------------------------------------------------------------------
// Parser
// ---------------------------------------------------------------------------------------

class Parser {
 public:
  explicit Parser(std::string_view f) : f_(f) {}

  std::vector<Item> parseAll() {
    skipBlanks();
    if (pos_ == f_.size()) return {};  // the empty format: one empty line
    std::vector<Item> items = parseList();
    if (pos_ != f_.size()) fail("unexpected character '" + std::string(1, f_[pos_]) + "'");
    return items;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw std::invalid_argument("malformed line format \"" + std::string(f_) + "\" at column " +
                                std::to_string(pos_ + 1) + ": " + what);
  }
  void skipBlanks() {
    while (pos_ < f_.size() && (f_[pos_] == ' ' || f_[pos_] == '\t')) ++pos_;
  }
  bool atDigit() const { return pos_ < f_.size() && f_[pos_] >= '0' && f_[pos_] <= '9'; }
  char peek() const { return pos_ < f_.size() ? f_[pos_] : '\0'; }

  int number(int minValue, int maxValue, const char* what) {
    if (!atDigit()) fail(std::string("expected ") + what);
    long v = 0;
    while (atDigit()) {
      v = v * 10 + (f_[pos_] - '0');
      if (v > maxValue) fail(std::string(what) + " too large");
      ++pos_;
    }
    if (v < minValue) fail(std::string(what) + " must be at least " + std::to_string(minValue));
    return int(v);
  }

  std::vector<Item> parseList() {
    std::vector<Item> items;
    for (;;) {
      skipBlanks();
      items.push_back(parseItem());
      skipBlanks();
      if (peek() != ',') break;
      ++pos_;
    }
    return items;
  }

  std::string literal() {
    // at the opening quote
    ++pos_;
    std::string t;
    for (;;) {
      if (pos_ >= f_.size()) fail("unterminated literal");
      char c = f_[pos_++];
      if (c == '"') {
        if (peek() == '"') {
          t += '"';
          ++pos_;
          continue;
        }
        return t;
      }
      t += c;
    }
  }

  Item parseItem() {
    Item it;
    char c = peek();
    if (c == '"') {
      it.kind = Item::kLiteral;
      it.text = literal();
      return it;
    }
    if (c == '/') {
      ++pos_;
      it.kind = Item::kSlash;
      return it;
    }
    const bool counted = atDigit();
    int count = counted ? number(1, kMaxCount, "count") : 1;
    c = peek();
    if (c == '(') {
      ++pos_;
      skipBlanks();
      std::size_t open = pos_;
      // n("c"): a repeated character
      if (counted && peek() == '"') {
        std::string lit = literal();
        skipBlanks();
        if (peek() == ')' && lit.size() == 1) {
          ++pos_;
          it.kind = Item::kLiteral;
          it.text.assign(std::size_t(count), lit[0]);
          return it;
        }
        pos_ = open;  // a group that begins with a literal
      }
      if (peek() == ')') fail("empty group");
      it.kind = Item::kGroup;
      it.rep = count;
      it.sub = parseList();
      skipBlanks();
      if (peek() != ')') fail("expected ')' or ','");
      ++pos_;
      return it;
    }
    if (c == 'X') {
      if (!counted) fail("a blank run needs its count (nX)");
      ++pos_;
      it.kind = Item::kBlank;
      it.rep = count;
      return it;
    }
    it.rep = count;
    if (c == 'I') {
      ++pos_;
      it.kind = Item::kInt;
      it.w = number(1, kMaxCount, "field width");
    } else if (c == 'A') {
      ++pos_;
      it.kind = Item::kText;
      it.w = atDigit() ? number(1, kMaxCount, "field width") : -1;
    } else if (c == 'F' || c == 'E') {
      ++pos_;
      it.kind = c == 'F' ? Item::kFixed : Item::kExp;
      it.w = number(1, kMaxNumW, "field width");
      if (peek() != '.') fail("expected '.' and the number of decimals");
      ++pos_;
      it.d = number(0, kMaxNumD, "number of decimals");
      if (c == 'E' && peek() == 'F') {
        ++pos_;
        it.fraction = true;
        if (it.d < 1) fail("the fraction form needs at least one digit after the point");
      }
    } else {
      fail(c == '\0' ? std::string("missing item") : "unknown item '" + std::string(1, c) + "'");
    }
    return it;
  }

  std::string_view f_;
  std::size_t pos_ = 0;
};

}  // namespace

struct ParsedFormat {
  std::string text;
  std::vector<Item> items;
  std::size_t revert = 0;       // first item used again when values remain
  bool hasField = false;
  bool revertHasField = false;
};

namespace {

std::shared_ptr<ParsedFormat> parseFormat(std::string_view format) {
  auto pf = std::make_shared<ParsedFormat>();
  pf->text = std::string(format);
  pf->items = Parser(format).parseAll();
  for (std::size_t k = 0; k < pf->items.size(); ++k)
    if (pf->items[k].kind == Item::kGroup) pf->revert = k;
  pf->hasField = hasValueField(pf->items);
  pf->revertHasField = hasValueField(pf->items, pf->revert);
  return pf;
}

// ---------------------------------------------------------------------------------------
// Number rendering
// ---------------------------------------------------------------------------------------

// Digit string of a correctly rounded print (guard digits included) and the decision whether
// the digits kept before the cut round up. tail: the guard digits after the cut.
// Returns +1 above half, -1 below half, 0 when the print shows exactly half (undecided).
int compareHalf(const char* tail, int n) {
  if (n <= 0) return -1;
  if (tail[0] != '5') return tail[0] > '5' ? 1 : -1;
  for (int k = 1; k < n; ++k)
    if (tail[k] != '0') return 1;
  return 0;
}

// Adds one unit in the last place of a digit string; true when the carry leaves the front.
bool incrementDigits(char* dig, int n) {
  for (int k = n - 1; k >= 0; --k) {
    if (dig[k] == '9') {
      dig[k] = '0';
    } else {
      ++dig[k];
      return false;
    }
  }
  return true;
}

// a > 0, finite: the first nsig significant digits of a rounded half away from zero into dig,
// returns the decimal exponent of the first digit.
int roundSignificant(double a, int nsig, char* dig) {
  std::array<char, 2 * kMaxNumD + 2 * kGuard> buf{};
  const int prec = nsig - 1 + kGuard;
  std::snprintf(buf.data(), buf.size(), "%.*e", prec, a);
  // layout d.ddd...e+XX
  auto digitAt = [](const char* s, int k) { return k == 0 ? s[0] : s[k + 1]; };
  char all[2 * kMaxNumD + 2 * kGuard];
  for (int k = 0; k <= prec; ++k) all[k] = digitAt(buf.data(), k);
  int exponent = std::atoi(std::strchr(buf.data(), 'e') + 1);
  int cmp = compareHalf(all + nsig, kGuard);
  if (cmp == 0) {
    // Exactly half in the guard print: the exact expansion decides (tie -> up, away from 0).
    std::string exact(std::size_t(kExactSig + 16), '\0');
    std::snprintf(exact.data(), exact.size(), "%.*e", kExactSig, a);
    for (int k = 0; k < nsig; ++k) all[k] = digitAt(exact.data(), k);
    exponent = std::atoi(std::strchr(exact.data(), 'e') + 1);
    cmp = digitAt(exact.data(), nsig) >= '5' ? 1 : -1;
  }
  std::memcpy(dig, all, std::size_t(nsig));
  if (cmp > 0 && incrementDigits(dig, nsig)) {
    dig[0] = '1';  // 9.99.. -> 10.0..: the rest is already zeros
    ++exponent;
  }
  return exponent;
}

void appendStars(std::string& out, int w) { out.append(std::size_t(w), '*'); }

// NaN and the infinities, right-justified; false when v is an ordinary number.
bool appendSpecial(std::string& out, double v, int w) {
  const char* s = nullptr;
  if (std::isnan(v)) s = "NaN";
  else if (std::isinf(v)) s = v > 0 ? "Inf" : "-Inf";
  else return false;
  const int n = int(std::strlen(s));
  if (n > w) {
    appendStars(out, w);
  } else {
    out.append(std::size_t(w - n), ' ');
    out.append(s);
  }
  return true;
}

// Writes body (sign, digits, point, exponent) right-justified in w columns. dropZeroAt >= 0:
// position of an optional leading 0 that may be left out when the body is one too long.
void appendJustified(std::string& out, const char* body, int n, int w, int dropZeroAt) {
  if (n > w && dropZeroAt >= 0 && n - 1 == w) {
    out.append(body, std::size_t(dropZeroAt));
    out.append(body + dropZeroAt + 1, std::size_t(n - dropZeroAt - 1));
    return;
  }
  if (n > w) {
    appendStars(out, w);
    return;
  }
  out.append(std::size_t(w - n), ' ');
  out.append(body, std::size_t(n));
}

void appendI(std::string& out, std::int64_t v, int w) {
  char body[24];
  int n = 0;
  std::uint64_t u = v < 0 ? std::uint64_t(0) - std::uint64_t(v) : std::uint64_t(v);
  char rev[24];
  int nd = 0;
  do {
    rev[nd++] = char('0' + u % 10);
    u /= 10;
  } while (u != 0);
  if (v < 0) body[n++] = '-';
  while (nd > 0) body[n++] = rev[--nd];
  appendJustified(out, body, n, w, -1);
}

void appendF(std::string& out, double v, int w, int d) {
  if (appendSpecial(out, v, w)) return;
  const bool neg = v < 0;  // -0.0 compares equal to 0: printed without sign
  const double a = std::fabs(v);
  // The integer part alone would not fit (a value near 10^w overflows whatever the rounding).
  if (w < 308 && a >= std::pow(10.0, w)) {
    appendStars(out, w);
    return;
  }
  std::array<char, kMaxNumW + kMaxNumD + kGuard + 16> buf{};
  std::snprintf(buf.data(), buf.size(), "%.*f", d + kGuard, a);
  const char* point = std::strchr(buf.data(), '.');
  const int nInt = int(point - buf.data());
  // kept digits: integer part and d decimals, with one spare front position for a carry
  std::array<char, kMaxNumW + kMaxNumD + 4> dig{};
  dig[0] = '0';
  std::memcpy(dig.data() + 1, buf.data(), std::size_t(nInt));
  std::memcpy(dig.data() + 1 + nInt, point + 1, std::size_t(d));
  int cmp = compareHalf(point + 1 + d, kGuard);
  if (cmp == 0) {
    std::string exact(std::size_t(nInt + d + kExactFrac + 16), '\0');
    std::snprintf(exact.data(), exact.size(), "%.*f", d + kExactFrac, a);
    const char* p = std::strchr(exact.data(), '.');
    std::memcpy(dig.data() + 1 + nInt, p + 1, std::size_t(d));  // integer part unchanged
    cmp = p[1 + d] >= '5' ? 1 : -1;
  }
  int nDig = 1 + nInt + d;
  if (cmp > 0) incrementDigits(dig.data(), nDig);
  int first = dig[0] == '0' ? 1 : 0;  // the spare front position holds the carry, if any
  int intDigits = nInt + 1 - first;
  // strip leading zeros of the integer part, keeping one
  while (intDigits > 1 && dig[std::size_t(first)] == '0') {
    ++first;
    --intDigits;
  }
  std::array<char, kMaxNumW + kMaxNumD + 8> body{};
  int m = 0;
  if (neg) body[std::size_t(m++)] = '-';
  const int zeroAt = (intDigits == 1 && dig[std::size_t(first)] == '0') ? m : -1;
  for (int k = 0; k < intDigits; ++k) body[std::size_t(m++)] = dig[std::size_t(first + k)];
  body[std::size_t(m++)] = '.';
  for (int k = 0; k < d; ++k) body[std::size_t(m++)] = dig[std::size_t(first + intDigits + k)];
  appendJustified(out, body.data(), m, w, zeroAt);
}

void appendE(std::string& out, double v, int w, int d, bool fraction) {
  if (appendSpecial(out, v, w)) return;
  const bool neg = v < 0;
  const double a = std::fabs(v);
  const int nsig = fraction ? d : d + 1;
  char dig[kMaxNumD + 2];
  int exponent = 0;
  if (a == 0) {
    std::memset(dig, '0', std::size_t(nsig));
  } else {
    exponent = roundSignificant(a, nsig, dig);
    if (fraction) ++exponent;
  }
  char body[kMaxNumD + 16];
  int m = 0;
  if (neg) body[m++] = '-';
  int zeroAt = -1;
  if (fraction) {
    zeroAt = m;
    body[m++] = '0';
    body[m++] = '.';
    for (int k = 0; k < nsig; ++k) body[m++] = dig[k];
  } else {
    body[m++] = dig[0];
    body[m++] = '.';
    for (int k = 1; k < nsig; ++k) body[m++] = dig[k];
  }
  const int mag = exponent < 0 ? -exponent : exponent;
  if (mag <= 99) {
    body[m++] = 'E';
    body[m++] = exponent < 0 ? '-' : '+';
  } else {
    body[m++] = exponent < 0 ? '-' : '+';
    body[m++] = char('0' + mag / 100);
  }
  body[m++] = char('0' + mag / 10 % 10);
  body[m++] = char('0' + mag % 10);
  appendJustified(out, body, m, w, zeroAt);
}

void appendA(std::string& out, std::string_view s, int w) {
  if (w < 0) {
    out.append(s);
  } else if (s.size() >= std::size_t(w)) {
    out.append(s.substr(0, std::size_t(w)));
  } else {
    out.append(std::size_t(w) - s.size(), ' ');
    out.append(s);
  }
}

// ---------------------------------------------------------------------------------------
// Binding values to a parsed format
// ---------------------------------------------------------------------------------------

class Renderer {
 public:
  Renderer(const ParsedFormat& pf, const std::vector<FmtValue>& values, std::string& out)
      : pf_(pf), values_(values), out_(out) {}

  void run() {
    bool more = items(pf_.items, 0);
    while (more && next_ < values_.size()) {
      if (!pf_.revertHasField)
        fail(std::to_string(values_.size() - next_) + " value(s) left over, but the format " +
             (pf_.hasField ? "part that is used again has no value field"
                           : "has no value field"));
      endLine();
      more = items(pf_.items, pf_.revert);
    }
    endLine();
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw std::invalid_argument("line format \"" + pf_.text + "\": " + what);
  }

  void flushBlanks() {
    if (pending_ > 0) out_.append(std::size_t(pending_), ' ');
    pending_ = 0;
  }
  void endLine() {
    pending_ = 0;
    out_ += '\n';
  }

  // false: the list ran out at a value field, the statement ends here.
  bool items(const std::vector<Item>& list, std::size_t from) {
    for (std::size_t k = from; k < list.size(); ++k) {
      const Item& it = list[k];
      switch (it.kind) {
        case Item::kLiteral:
          if (!it.text.empty()) {
            flushBlanks();
            out_ += it.text;
          }
          break;
        case Item::kBlank:
          pending_ += it.rep;
          break;
        case Item::kSlash:
          endLine();
          break;
        case Item::kGroup:
          for (int r = 0; r < it.rep; ++r)
            if (!items(it.sub, 0)) return false;
          break;
        default:
          for (int r = 0; r < it.rep; ++r) {
            if (next_ >= values_.size()) return false;
            field(it, values_[next_]);
            ++next_;
          }
      }
    }
    return true;
  }

  [[noreturn]] void wrongKind(const Item& it, const FmtValue& v, const char* needs) const {
    const char* is = v.isInt() ? "an integer" : v.isReal() ? "a real" : "a text";
    fail("value " + std::to_string(next_ + 1) + " is " + is + ", field " + fieldName(it) +
         " needs " + needs);
  }

  void field(const Item& it, const FmtValue& v) {
    switch (it.kind) {
      case Item::kInt:
        if (!v.isInt()) wrongKind(it, v, "an integer");
        flushBlanks();
        appendI(out_, v.asInt(), it.w);
        break;
      case Item::kText:
        if (!v.isText()) wrongKind(it, v, "a text");
        if (it.w < 0 && v.asText().empty()) break;  // nothing written, blanks stay pending
        flushBlanks();
        appendA(out_, v.asText(), it.w);
        break;
      case Item::kFixed:
        if (!v.isReal()) wrongKind(it, v, "a real");
        flushBlanks();
        appendF(out_, v.asReal(), it.w, it.d);
        break;
      case Item::kExp:
        if (!v.isReal()) wrongKind(it, v, "a real");
        flushBlanks();
        appendE(out_, v.asReal(), it.w, it.d, it.fraction);
        break;
      default:
        break;
    }
  }

  const ParsedFormat& pf_;
  const std::vector<FmtValue>& values_;
  std::string& out_;
  std::size_t next_ = 0;
  int pending_ = 0;
};

void checkField(int w, int d) {
  if (w < 1 || w > kMaxNumW || d < 0 || d > kMaxNumD)
    throw std::invalid_argument("field width " + std::to_string(w) + " or decimals " +
                                std::to_string(d) + " out of range");
}

}  // namespace

std::string renderFormat(std::string_view format, const FmtList& values) {
  const auto pf = parseFormat(format);
  std::string out;
  Renderer(*pf, values.values(), out).run();
  return out;
}

std::string renderI(std::int64_t v, int w) {
  if (w < 1) throw std::invalid_argument("I field width must be at least 1");
  std::string out;
  appendI(out, v, w);
  return out;
}

std::string renderF(double v, int w, int d) {
  checkField(w, d);
  std::string out;
  appendF(out, v, w, d);
  return out;
}

std::string renderE(double v, int w, int d, bool fraction) {
  checkField(w, d);
  if (fraction && d < 1)
    throw std::invalid_argument("the fraction form needs at least one digit after the point");
  std::string out;
  appendE(out, v, w, d, fraction);
  return out;
}

std::string renderA(std::string_view s, int w) {
  std::string out;
  appendA(out, s, w);
  return out;
}

Report::Report() = default;
// Only the file the report opened itself is flushed and closed here; an attached stream belongs
// to the caller and may already be gone.
Report::~Report() = default;

bool Report::open(const std::string& path) {
  auto f = std::make_unique<std::ofstream>(path, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!*f) return false;
  owned_ = std::move(f);
  os_ = owned_.get();
  return true;
}

void Report::attach(std::ostream& os) {
  owned_.reset();
  os_ = &os;
}

void Report::close() {
  if (os_) os_->flush();
  owned_.reset();
  os_ = nullptr;
}

void Report::flush() {
  if (os_) os_->flush();
}

void Report::write(std::string_view format, const FmtList& values) {
  const ParsedFormat& pf = parsed(format);
  line_.clear();
  Renderer(pf, values.values(), line_).run();
  if (!os_) return;
  os_->write(line_.data(), std::streamsize(line_.size()));
  if (!*os_) throw std::ios_base::failure("write to the report file failed");
}

const ParsedFormat& Report::parsed(std::string_view format) {
  auto it = cache_.find(format);
  if (it == cache_.end()) it = cache_.emplace(std::string(format), parseFormat(format)).first;
  return *it->second;
}

}  // namespace zq
