// The yardstick for reading a catalogue: the numeric columns of every
// 141-column FPFIT record of a file parsed in place into arrays, with no
// checks beyond the digits. Usage: plain_reader file.fps
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The number in columns col..col+w-1 (1-based): blanks skipped, an
// optional sign, digits, an optional point; d implied decimals without it.
double field(const std::string& line, size_t col, size_t w, int d) {
  double v = 0, scale = 1;
  bool negative = false, point = false;
  for (size_t j = col - 1; j < col - 1 + w && j < line.size(); ++j) {
    const char c = line[j];
    if (c == '-') negative = true;
    else if (c == '.') point = true;
    else if (c >= '0' && c <= '9') {
      v = v * 10 + (c - '0');
      if (point) scale *= 10;
    }
  }
  if (!point)
    for (int k = 0; k < d; ++k) scale *= 10;
  return negative ? -v / scale : v / scale;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::ifstream in(argv[1]);
  constexpr size_t cols[][3] = {{1, 4, 0},    {5, 2, 0},    {7, 2, 0},    {10, 2, 0},  {12, 2, 0},
                                {14, 6, 2},   {20, 3, 0},   {24, 5, 2},   {29, 4, 0},  {34, 5, 2},
                                {39, 7, 2},   {48, 5, 2},   {53, 3, 0},   {56, 4, 0},  {60, 5, 1},
                                {65, 5, 2},   {70, 5, 1},   {75, 5, 1},   {84, 3, 0},  {88, 2, 0},
                                {90, 4, 0},   {96, 4, 2},   {101, 3, 0},  {105, 5, 2}, {111, 4, 2},
                                {116, 4, 2},  {122, 2, 0},  {125, 2, 0},  {128, 2, 0}, {132, 10, 0}};
  constexpr size_t nfields = sizeof cols / sizeof cols[0];
  std::vector<std::vector<float>> values(nfields);
  std::vector<char> letters;
  for (std::string line; std::getline(in, line);) {
    for (size_t f = 0; f < nfields; ++f)
      values[f].push_back(static_cast<float>(field(line, cols[f][0], cols[f][1], static_cast<int>(cols[f][2]))));
    for (size_t col : {23, 33, 82, 130, 131}) letters.push_back(col <= line.size() ? line[col - 1] : ' ');
  }
  double sum = 0;
  for (const auto& column : values)
    for (float v : column) sum += v;
  std::printf("%zu records, checksum %.6g\n", values[0].size(), sum);
}
