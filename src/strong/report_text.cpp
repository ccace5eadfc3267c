#include "strong/report_text.hpp"

#include "patterns/board.hpp"
#include "strong/search_values.hpp"

namespace orvane::strong {

namespace {

std::string secondsText(std::int32_t milliseconds) {
  const std::int32_t hundredths = milliseconds / 10;
  const std::string cents = std::to_string(100 + hundredths % 100);
  return std::to_string(hundredths / 100) + "." + cents.substr(1);
}

std::string valueText(int value) {
  if (!isDecided(value)) return "eval " + std::to_string(value);
  return std::string(value > 0 ? "won in " : "lost in ") + std::to_string(movesToFive(value));
}

}  // namespace

std::string IterationMessage(const IterationReport& report) {
  return "MESSAGE depth " + std::to_string(report.depth) + ", " + std::to_string(report.nodes) +
         " nodes, " + valueText(report.value) + ", " + secondsText(report.elapsed) + " s";
}

std::string LineMessage(const SolverLine& line) {
  std::string text = "MESSAGE line";
  for (int i = 0; i < line.length; ++i) {
    text += ' ';
    text +=
        std::to_string(line.cells[i] % BoardSide) + "," + std::to_string(line.cells[i] / BoardSide);
  }
  return text;
}

std::string CandidatesMessage(const RootCandidates& candidates) {
  std::string text = "MESSAGE candidates";
  for (int i = 0; i < candidates.count; ++i) {
    const int cell = candidates.cells[i];
    text += ' ' + std::to_string(cell % BoardSide) + "," + std::to_string(cell / BoardSide) + ":" +
            std::to_string(candidates.values[i]);
  }
  return text;
}

}  // namespace orvane::strong
