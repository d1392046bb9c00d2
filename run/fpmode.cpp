// Floating-point mode of the run: flush-to-zero and denormals-are-zero (SSE control register).
// Subnormal numbers arise only from underflow in the contact and traction laws; treating them
// as zero keeps the arithmetic fast and the results the same on every machine.
#include "run/zelorqs.h"

#if defined(__SSE__) || defined(__x86_64__)
#include <xmmintrin.h>
#elif !defined(__aarch64__)
#error "set flush-to-zero and denormals-are-zero for this processor in zq::setFlushToZero"
#endif

namespace zq {

void setFlushToZero() {
#if defined(__SSE__) || defined(__x86_64__)
  constexpr unsigned kFlushToZero = 0x8000;      // FTZ: subnormal results become zero
  constexpr unsigned kDenormalsAreZero = 0x0040;  // DAZ: subnormal operands read as zero
  _mm_setcsr(_mm_getcsr() | kFlushToZero | kDenormalsAreZero);
#elif defined(__aarch64__)
  // FPCR.FZ (bit 24) flushes subnormal operands and results to zero.
  unsigned long fpcr = 0;
  asm volatile("mrs %0, fpcr" : "=r"(fpcr));
  fpcr |= (1UL << 24);
  asm volatile("msr fpcr, %0" : : "r"(fpcr));
#endif
}

}  // namespace zq
