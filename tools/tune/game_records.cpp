#include "game_records.hpp"

#include <fstream>
#include <iterator>

namespace orvane::tune {

namespace {

std::string property(const std::string& record, const std::string& name) {
  const auto at = record.find(name + "[");
  if (at == std::string::npos) return {};
  const auto start = at + name.size() + 1;
  return record.substr(start, record.find(']', start) - start);
}

}  // namespace

std::vector<GameRecord> ReadGames(const std::string& path) {
  std::ifstream in(path);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<GameRecord> games;
  std::size_t start = 0;
  while ((start = text.find("(;", start)) != std::string::npos) {
    const std::size_t end = text.find(')', start);
    const std::string record = text.substr(start, end - start);
    start = end;
    GameRecord game;
    const std::string rule = property(record, "RU");
    game.rule = rule == "1"   ? GameRule::ExactFive
                : rule == "4" ? GameRule::Renju
                              : GameRule::Freestyle;
    game.size = std::stoi(property(record, "SZ").empty() ? "15" : property(record, "SZ"));
    const std::string result = property(record, "RE");
    game.blackScore = result.rfind("B+", 0) == 0 ? 1.0 : result.rfind("W+", 0) == 0 ? 0.0 : 0.5;
    for (std::size_t at = 0; (at = record.find(';', at)) != std::string::npos; ++at) {
      if (at + 5 >= record.size() || (record[at + 1] != 'B' && record[at + 1] != 'W') ||
          record[at + 2] != '[')
        continue;
      const int x = record[at + 3] - 'a';
      const int y = record[at + 4] - 'a';
      game.moves.push_back(cellIndex(x, y));
    }
    if (!game.moves.empty()) games.push_back(game);
  }
  return games;
}

}  // namespace orvane::tune
