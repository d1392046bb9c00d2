// Line-format interpreter (placeholder until the renderer is written).
#include "report/format.h"

#include <fstream>
#include <ostream>
#include <stdexcept>

namespace zq {

struct ParsedFormat {};

std::string renderFormat(std::string_view, const FmtList&) { throw std::logic_error("renderFormat: not built"); }
std::string renderI(std::int64_t, int) { throw std::logic_error("not built"); }
std::string renderF(double, int, int) { throw std::logic_error("not built"); }
std::string renderE(double, int, int, bool) { throw std::logic_error("not built"); }
std::string renderA(std::string_view, int) { throw std::logic_error("not built"); }

Report::Report() = default;
Report::~Report() { close(); }
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
  if (os_) *os_ << renderFormat(format, values);
}
const ParsedFormat& Report::parsed(std::string_view) { throw std::logic_error("not built"); }

}  // namespace zq
