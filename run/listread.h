// Reader of the free (list-directed) input format of DATA.txt: a record is one read of a fixed
// list of integer, real and text items, starting on a new line and going on over as many lines
// as it needs; the rest of its last line is skipped (a comment). Blanks/commas separate, r*value
// repeats, r* and two commas give nulls (item unchanged), a slash ends the record early. A value
// that cannot be read stops the run with status 2 and a console message naming file, line,
// record, item, the text found and what was expected.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "model/ftext.h"

namespace zq {

class Report;

// One item of a record: its variable name (for messages) and the variable it fills.
struct ListItem {
  enum class Kind { Int, Real, Text };
  std::string name;
  Kind kind = Kind::Real;
  int* ivar = nullptr;
  double* dvar = nullptr;
  std::function<void(std::string_view)> setText;  // assigns with cut or blank padding
  std::function<std::string()> getText;           // current value, all its characters
};

inline ListItem item(std::string name, int& v) {
  ListItem it;
  it.name = std::move(name);
  it.kind = ListItem::Kind::Int;
  it.ivar = &v;
  return it;
}

inline ListItem item(std::string name, double& v) {
  ListItem it;
  it.name = std::move(name);
  it.kind = ListItem::Kind::Real;
  it.dvar = &v;
  return it;
}

template <int N>
ListItem item(std::string name, FText<N>& v) {
  ListItem it;
  it.name = std::move(name);
  it.kind = ListItem::Kind::Text;
  it.setText = [&v](std::string_view s) { v = s; };
  it.getText = [&v]() { return v.str(); };
  return it;
}

class ListReader {
 public:
  // `fileName` is the name the messages give ("DATA.txt"); `text` the whole file.
  ListReader(std::string fileName, std::string_view text);

  // Reads one record into `items` (item 1 first). `record` names the record in messages, e.g.
  // "Record 3.3 (constraint flags and material codes)". When item 1 is a text item it is the
  // record label, and messages about later items quote it. Returns normally, or throws
  // zq::StopRun with status 2 and the console message.
  void readRecord(std::string_view record, const std::vector<ListItem>& items);
  void readRecord(std::string_view record, std::initializer_list<ListItem> items) {
    readRecord(record, std::vector<ListItem>(items));
  }

  // Number of lines consumed by the records read so far.
  int linesRead() const { return int(next_); }

 private:
  struct Fault {
    std::size_t line = 0;  // 1-based line of the offending text; 0: end of file
    std::string found;
    std::string expected;
  };
  [[noreturn]] void fail(std::string_view record, const std::vector<ListItem>& items,
                         std::size_t k, const Fault& f, bool labelRead) const;

  std::string file_;
  std::vector<std::string> lines_;
  std::size_t next_ = 0;  // index of the line where the next record starts
};

// Reads one record and writes its echo line into the report: `echoFormat` applied to item 1
// (the record label) followed by the values of items 2 to `echoCount` + 1 as they stand after
// the read (all of them when echoCount < 0).
void readAndEcho(ListReader& in, Report& report, std::string_view record,
                 std::string_view echoFormat, const std::vector<ListItem>& items,
                 int echoCount = -1);

}  // namespace zq
