// Fixed-size, 1-based, column-major arrays: the storage of every shared data module.
// FArray<T, D1, D2, ...> owns its elements (first index fastest, as the numerical code is
// written); FRef<T, D1, ...> is a non-owning view of the same shape, used to pass a column or a
// matrix of a larger array to a routine (tacs(:, :, j, i) is tacs.sub<3, 3>(j, i)).
// Index checks are compiled in when ZELORQS_BOUNDS_CHECK is defined (test and sanitizer builds)
// and cost nothing otherwise; a failed check names the shape, the index and the call site.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

#if defined(ZELORQS_BOUNDS_CHECK)
#include <version>
#if defined(__cpp_lib_source_location)
#include <source_location>
#define ZQS_LOC_PARAM , const std::source_location& loc = std::source_location::current()
#else
// Compilers without std::source_location (clang 14 with libstdc++ 12, used for the fuzz build)
// get the call site from the file and line builtins, evaluated where the default argument is.
namespace zq::detail {
struct CallSite {
  const char* file;
  unsigned line_;
  static constexpr CallSite current(const char* f = __builtin_FILE(),
                                    unsigned l = __builtin_LINE()) {
    return {f, l};
  }
  constexpr const char* file_name() const { return file; }
  constexpr unsigned line() const { return line_; }
};
}  // namespace zq::detail
#define ZQS_LOC_PARAM , const zq::detail::CallSite& loc = zq::detail::CallSite::current()
#endif
#define ZQS_LOC_ARG , loc
#define ZQS_CHECKED 1
#else
#define ZQS_LOC_PARAM
#define ZQS_LOC_ARG
#define ZQS_CHECKED 0
#endif

namespace zq {

// Raised by a checked build when an index lies outside its extent: a programming fault, never
// an input condition.
class BoundsError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

namespace detail {

[[noreturn]] void throwBounds(const std::string& shape, int dim, int index, int extent,
                              const char* file, unsigned line);

template <int... D>
std::string shapeText() {
  std::string s = "(";
  bool first = true;
  ((s += (first ? "" : ","), s += std::to_string(D), first = false), ...);
  return s + ")";
}

// Column-major offset of 1-based indices, checked when ZQS_CHECKED.
template <int... D>
struct Layout {
  static constexpr int rank = sizeof...(D);
  static constexpr std::array<int, rank> ext{D...};
  static constexpr std::size_t size = (std::size_t(D) * ...);

  // Distance between neighbours along each index (1 along the first).
  static constexpr std::array<std::size_t, rank> strides = [] {
    std::array<std::size_t, rank> s{};
    std::size_t stride = 1;
    for (int k = 0; k < rank; ++k) {
      s[k] = stride;
      stride *= std::size_t(ext[k]);
    }
    return s;
  }();

  template <std::size_t N>
  static std::size_t offset(const std::array<int, N>& idx, const char* file, unsigned line) {
    static_assert(N == rank, "wrong number of indices for this array");
    if constexpr (ZQS_CHECKED) {
      for (std::size_t k = 0; k < N; ++k) {
        if (idx[k] < 1 || idx[k] > ext[k])
          throwBounds(shapeText<D...>(), int(k) + 1, idx[k], ext[k], file, line);
      }
    }
    (void)file;
    (void)line;
    // One term per index, written out (no loop), so that every access folds to a multiply-add
    // of its indices with constant strides.
    return sum(idx, std::make_index_sequence<N>{});
  }
  template <std::size_t N, std::size_t... K>
  static std::size_t sum(const std::array<int, N>& idx, std::index_sequence<K...>) {
    return ((std::size_t(idx[K] - 1) * strides[K]) + ...);
  }
  static std::size_t linear(int k, const char* file, unsigned line) {
    if constexpr (ZQS_CHECKED) {
      if (k < 1 || std::size_t(k) > size)
        throwBounds(shapeText<D...>() + " linear", 0, k, int(size), file, line);
    }
    (void)file;
    (void)line;
    return std::size_t(k - 1);
  }
};

}  // namespace detail

#if ZQS_CHECKED
#define ZQS_FILE loc.file_name()
#define ZQS_LINE loc.line()
#else
#define ZQS_FILE nullptr
#define ZQS_LINE 0u
#endif

template <class T, int... D>
class FRef;

// Owning array. Elements are value-initialised (0 for numbers, blanks for FText).
template <class T, int... D>
class FArray {
  using L = detail::Layout<D...>;

 public:
  using value_type = T;
  static constexpr int rank = L::rank;
  static constexpr std::size_t size = L::size;
  static constexpr std::array<int, rank> extents = L::ext;

  FArray() : a_{} {}
  // Initial values in storage order (first index fastest); missing ones stay zero, surplus
  // ones are refused.
  FArray(std::initializer_list<T> init) : a_{} {
    if (init.size() > size) throw BoundsError("more initial values than array elements");
    std::size_t k = 0;
    for (const T& v : init) a_[k++] = v;
  }

  T& operator()(int i1 ZQS_LOC_PARAM) { return a_[L::offset(std::array<int, 1>{i1}, ZQS_FILE, ZQS_LINE)]; }
  const T& operator()(int i1 ZQS_LOC_PARAM) const { return a_[L::offset(std::array<int, 1>{i1}, ZQS_FILE, ZQS_LINE)]; }
  T& operator()(int i1, int i2 ZQS_LOC_PARAM) { return a_[L::offset(std::array<int, 2>{i1, i2}, ZQS_FILE, ZQS_LINE)]; }
  const T& operator()(int i1, int i2 ZQS_LOC_PARAM) const { return a_[L::offset(std::array<int, 2>{i1, i2}, ZQS_FILE, ZQS_LINE)]; }
  T& operator()(int i1, int i2, int i3 ZQS_LOC_PARAM) { return a_[L::offset(std::array<int, 3>{i1, i2, i3}, ZQS_FILE, ZQS_LINE)]; }
  const T& operator()(int i1, int i2, int i3 ZQS_LOC_PARAM) const { return a_[L::offset(std::array<int, 3>{i1, i2, i3}, ZQS_FILE, ZQS_LINE)]; }
  T& operator()(int i1, int i2, int i3, int i4 ZQS_LOC_PARAM) { return a_[L::offset(std::array<int, 4>{i1, i2, i3, i4}, ZQS_FILE, ZQS_LINE)]; }
  const T& operator()(int i1, int i2, int i3, int i4 ZQS_LOC_PARAM) const { return a_[L::offset(std::array<int, 4>{i1, i2, i3, i4}, ZQS_FILE, ZQS_LINE)]; }

  // Linear (storage-order) element k, 1-based: the array seen as one long vector.
  T& lin(int k ZQS_LOC_PARAM) { return a_[L::linear(k, ZQS_FILE, ZQS_LINE)]; }
  const T& lin(int k ZQS_LOC_PARAM) const { return a_[L::linear(k, ZQS_FILE, ZQS_LINE)]; }

  // View of the leading sub-array of shape (S...) at the given trailing indices, e.g.
  // tacs.sub<3, 3>(j, i) is tacs(:, :, j, i) and reangveli.sub<3>(i) is reangveli(:, i).
  template <int... S, class... I>
  FRef<T, S...> sub(I... trailing) {
    return FRef<T, S...>(a_.data() + subOffset<S...>(trailing...));
  }
  template <int... S, class... I>
  FRef<const T, S...> sub(I... trailing) const {
    return FRef<const T, S...>(a_.data() + subOffset<S...>(trailing...));
  }
  // View of shape (S...) starting at linear element k (1-based), e.g. x.from<3>(k0 + 1).
  template <int... S>
  FRef<T, S...> from(int k) {
    checkSpan(k, int(detail::Layout<S...>::size));
    return FRef<T, S...>(a_.data() + (k - 1));
  }
  template <int... S>
  FRef<const T, S...> from(int k) const {
    checkSpan(k, int(detail::Layout<S...>::size));
    return FRef<const T, S...>(a_.data() + (k - 1));
  }

  void fill(const T& v) { a_.fill(v); }
  T* data() { return a_.data(); }
  const T* data() const { return a_.data(); }
  auto begin() { return a_.begin(); }
  auto end() { return a_.end(); }
  auto begin() const { return a_.begin(); }
  auto end() const { return a_.end(); }
  bool operator==(const FArray&) const = default;

 private:
  template <int... S>
  static constexpr bool leadingMatches() {
    constexpr std::array<int, sizeof...(S)> lead{S...};
    for (std::size_t k = 0; k < lead.size(); ++k)
      if (lead[k] != extents[k]) return false;
    return true;
  }
  template <int... S, class... I>
  static std::size_t subOffset(I... trailing) {
    constexpr int ns = sizeof...(S);
    static_assert(ns + int(sizeof...(I)) == rank, "sub: leading shape plus trailing indices must give the rank");
    static_assert(leadingMatches<S...>(), "sub: leading shape does not match the array");
    std::array<int, rank> idx{};
    for (int k = 0; k < ns; ++k) idx[k] = 1;
    const std::array<int, sizeof...(I)> t{int(trailing)...};
    for (std::size_t k = 0; k < t.size(); ++k) idx[ns + k] = t[k];
    return L::offset(idx, "sub", 0);
  }
  static void checkSpan(int k, int n) {
    if constexpr (ZQS_CHECKED) {
      if (k < 1 || std::size_t(k - 1 + n) > size)
        detail::throwBounds(detail::shapeText<D...>() + " from", 0, k, int(size), "from", 0);
    }
    (void)k;
    (void)n;
  }
  std::array<T, size> a_;
};

// Non-owning view with the indexing of FArray; converts from an FArray of the same shape.
template <class T, int... D>
class FRef {
  using L = detail::Layout<D...>;

 public:
  static constexpr int rank = L::rank;
  static constexpr std::size_t size = L::size;
  explicit FRef(T* p) : p_(p) {}
  template <class U>
  FRef(FArray<U, D...>& a) : p_(a.data()) {}  // NOLINT: implicit on purpose
  template <class U>
  FRef(const FArray<U, D...>& a) : p_(a.data()) {}  // NOLINT
  template <class U>
  FRef(const FArray<U, D...>&& a) = delete;  // a view of a temporary would dangle
  template <class U>
  FRef(const FRef<U, D...>& r) : p_(r.data()) {}  // NOLINT: mutable view to const view

  T& operator()(int i1 ZQS_LOC_PARAM) const { return p_[L::offset(std::array<int, 1>{i1}, ZQS_FILE, ZQS_LINE)]; }
  T& operator()(int i1, int i2 ZQS_LOC_PARAM) const { return p_[L::offset(std::array<int, 2>{i1, i2}, ZQS_FILE, ZQS_LINE)]; }
  T& operator()(int i1, int i2, int i3 ZQS_LOC_PARAM) const { return p_[L::offset(std::array<int, 3>{i1, i2, i3}, ZQS_FILE, ZQS_LINE)]; }
  T& operator()(int i1, int i2, int i3, int i4 ZQS_LOC_PARAM) const { return p_[L::offset(std::array<int, 4>{i1, i2, i3, i4}, ZQS_FILE, ZQS_LINE)]; }
  T& lin(int k ZQS_LOC_PARAM) const { return p_[L::linear(k, ZQS_FILE, ZQS_LINE)]; }
  T* data() const { return p_; }

 private:
  T* p_;
};

// Common shapes of the frame and vector code.
using Vec3 = FArray<double, 3>;
using Mat3 = FArray<double, 3, 3>;
using Vec3Ref = FRef<double, 3>;
using Mat3Ref = FRef<double, 3, 3>;
using Vec3In = FRef<const double, 3>;
using Mat3In = FRef<const double, 3, 3>;

}  // namespace zq
