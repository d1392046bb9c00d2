// Fixed-length, blank-padded text: the character variables of the data modules (material
// names, unit labels, message lines). Assignment cuts or pads to the declared length, as the
// report and the input echo expect; comparison ignores trailing blanks.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/farray.h"

namespace zq {

template <int N>
class FText {
  static_assert(N > 0);

 public:
  static constexpr int length = N;

  FText() { c_.fill(' '); }
  FText(std::string_view s) { assign(s); }  // NOLINT: implicit, like a character assignment
  FText(const char* s) { assign(s); }       // NOLINT
  FText(const std::string& s) { assign(s); }  // NOLINT

  FText& operator=(std::string_view s) {
    assign(s);
    return *this;
  }
  FText& operator=(const char* s) { return *this = std::string_view(s); }
  FText& operator=(const std::string& s) { return *this = std::string_view(s); }
  template <int M>
  FText& operator=(const FText<M>& o) {
    assign(o.view());
    return *this;
  }

  void assign(std::string_view s) {
    c_.fill(' ');
    for (std::size_t k = 0; k < s.size() && k < std::size_t(N); ++k) c_[k] = s[k];
  }

  // The full N characters, trailing blanks included.
  std::string_view view() const { return std::string_view(c_.data(), N); }
  std::string str() const { return std::string(view()); }
  // Without trailing blanks.
  std::string_view trimmed() const {
    std::size_t n = N;
    while (n > 0 && c_[n - 1] == ' ') --n;
    return std::string_view(c_.data(), n);
  }
  // Character k, 1-based.
  char& operator()(int k) {
    check(k, k);
    return c_[std::size_t(k - 1)];
  }
  char operator()(int k) const {
    check(k, k);
    return c_[std::size_t(k - 1)];
  }
  // Substring (first:last), 1-based and inclusive; empty when last = first - 1.
  std::string_view sub(int first, int last) const {
    check(first, last);
    return std::string_view(c_.data() + (first - 1), std::size_t(last - first + 1));
  }
  void setSub(int first, int last, std::string_view s) {
    check(first, last);
    for (int k = first; k <= last && k <= N; ++k) {
      std::size_t j = std::size_t(k - first);
      c_.at(std::size_t(k - 1)) = j < s.size() ? s[j] : ' ';
    }
  }

  bool operator==(std::string_view s) const {
    std::string_view t = trimmed();
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return t == s;
  }
  template <int M>
  bool operator==(const FText<M>& o) const {
    return *this == o.view();
  }

 private:
  // Character positions are checked in every build: text handling is never on a hot path.
  static void check(int first, int last) {
    if (first < 1 || last > N || last < first - 1)
      throw BoundsError("text position (" + std::to_string(first) + ":" + std::to_string(last) +
                        ") outside 1.." + std::to_string(N));
  }
  std::array<char, N> c_;
};

}  // namespace zq
