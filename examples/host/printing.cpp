#include <algorithm>

#include "host.h"

namespace demo {

void PrintTable(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
  }
  for (std::size_t r = 0; r < rows.size(); ++r) {
    std::string line = "  ";
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      line += rows[r][c];
      if (c + 1 < rows[r].size()) line += std::string(widths[c] - rows[r][c].size() + 2, ' ');
    }
    std::printf("%s\n", line.c_str());
    if (r == 0) {
      std::string rule = "  ";
      for (std::size_t c = 0; c < widths.size(); ++c) {
        rule += std::string(widths[c], '-') + (c + 1 < widths.size() ? "  " : "");
      }
      std::printf("%s\n", rule.c_str());
    }
  }
}

void Heading(const char* title) { std::printf("\n== %s\n", title); }

}  // namespace demo
