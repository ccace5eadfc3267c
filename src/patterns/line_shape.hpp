#pragma once

#include <array>
#include <cstdint>

namespace orvane {

// The shape that one side's stone on an empty cell takes part in along one line, told by what
// one or two more stones of that side on the line would make of it.
enum class LineShape : std::uint8_t {
  None,
  ClosedTwo,     // one more stone makes a closed three
  OpenTwo,       // one more stone makes a three
  ClosedThree,   // one more stone makes a four, but none a straight four
  Three,         // one cell makes a straight four
  SplitThree,    // one cell makes a straight four, and it fills a gap between the stones
  OpenThree,     // two or more cells make a straight four
  Four,          // one cell makes a five
  StraightFour,  // four in a row whose two ends each make a five
  DoubleFour,    // two fours in the one line: X.XXX.X, XX.XX.XX, XXX.X.XXX
  Five,          // a row that wins under the side's rule
  Overline,      // six or more in a row, where only exactly five wins
};
inline constexpr int LineShapeCount = 12;

constexpr bool isThree(LineShape shape) {
  return shape == LineShape::Three || shape == LineShape::SplitThree ||
         shape == LineShape::OpenThree;
}

constexpr int fourCount(LineShape shape) {
  switch (shape) {
    case LineShape::Four:
    case LineShape::StraightFour:
      return 1;
    case LineShape::DoubleFour:
      return 2;
    default:
      return 0;
  }
}

// When a row of one side's stones wins.
struct FiveRule {
  bool exact;  // exactly five: six or more in a row do not win
  bool caro;   // not when the other side's stones close the row at both ends

  friend constexpr bool operator==(const FiveRule&, const FiveRule&) = default;
};

// A line through a cell as one side sees it: positions -5 to +5, the cell itself at 0 (index
// ViewCentre). Exactly five and caro need the cell one past a five to tell whether it wins.
enum class ViewCell : std::uint8_t { Empty, Mine, Theirs, Edge };
inline constexpr int ViewReach = 5;
inline constexpr int ViewCentre = ViewReach;
using LineView = std::array<ViewCell, 2 * ViewReach + 1>;

// One half of a view, the cells at 1 to 5 positions from the cell walking away from it, as a
// number: its stones and empty cells up to the first cell that ends every row through the cell
// (a stone of the other side or the edge), and, for caro only, which of the two it was. Past
// that cell nothing takes part in a shape through the cell.
//
// Ids 0 to 30 end at a stone of the other side (or, without caro, at either), 2^L - 1 + the
// stones of the L cells before it; with caro, 31 to 61 the same ending at the edge; then the 32
// halves that run the whole five cells, one bit per stone.
inline constexpr int HalfIdCount = 94;
using HalfCells = std::array<ViewCell, ViewReach>;

namespace line_shape_detail {

constexpr int EndedHalves = 31;

constexpr int openHalvesStart(bool caro) {
  return caro ? 2 * EndedHalves : EndedHalves;
}

}  // namespace line_shape_detail

// The id of the half of `view` on the side of `direction` (-1 before the cell, +1 after it).
template <typename View>
constexpr int halfIdOf(const View& view, int first, int step, bool caro) {
  int stones = 0;
  for (int k = 0; k < ViewReach; ++k) {
    const ViewCell cell = view[first + step * k];
    if (cell == ViewCell::Theirs || cell == ViewCell::Edge) {
      const int ended = (1 << k) - 1 + stones;
      return caro && cell == ViewCell::Edge ? line_shape_detail::EndedHalves + ended : ended;
    }
    if (cell == ViewCell::Mine) stones |= 1 << k;
  }
  return line_shape_detail::openHalvesStart(caro) + stones;
}

constexpr int halfId(const HalfCells& cells, bool caro) {
  return halfIdOf(cells, 0, 1, caro);
}

// The cells of a half with the given id; the cells past its end repeat the cell that ended it.
constexpr HalfCells halfCells(int id, bool caro) {
  HalfCells cells{};
  const int openStart = line_shape_detail::openHalvesStart(caro);
  if (id >= openStart) {
    for (int k = 0; k < ViewReach; ++k)
      cells[k] = ((id - openStart) >> k & 1) != 0 ? ViewCell::Mine : ViewCell::Empty;
    return cells;
  }
  ViewCell end = ViewCell::Theirs;
  if (caro && id >= line_shape_detail::EndedHalves) {
    end = ViewCell::Edge;
    id -= line_shape_detail::EndedHalves;
  }
  int length = 0;
  while ((2 << length) - 1 <= id)
    ++length;
  const int stones = id - ((1 << length) - 1);
  for (int k = 0; k < ViewReach; ++k) {
    if (k < length) {
      cells[k] = (stones >> k & 1) != 0 ? ViewCell::Mine : ViewCell::Empty;
    } else {
      cells[k] = end;
    }
  }
  return cells;
}

// The shape of every view, by the ids of its half before the cell and its half after it.
using HalfShapes = std::array<LineShape, HalfIdCount * HalfIdCount>;

constexpr int viewIndex(int beforeId, int afterId) {
  return beforeId * HalfIdCount + afterId;
}

namespace line_shape_detail {

constexpr int beforeIdOf(const LineView& view, bool caro) {
  return halfIdOf(view, ViewCentre - 1, -1, caro);
}
constexpr int afterIdOf(const LineView& view, bool caro) {
  return halfIdOf(view, ViewCentre + 1, 1, caro);
}

// The row of the side's stones through the cell, as the first and last index of the view.
struct Run {
  int first;
  int last;
  constexpr int length() const { return last - first + 1; }
};

constexpr Run runThroughCentre(const LineView& view) {
  Run run{ViewCentre, ViewCentre};
  while (run.first > 0 && view[run.first - 1] == ViewCell::Mine)
    --run.first;
  while (run.last < 2 * ViewReach && view[run.last + 1] == ViewCell::Mine)
    ++run.last;
  return run;
}

constexpr bool winsAsFive(const LineView& view, Run run, FiveRule rule) {
  if (run.length() < 5 || (rule.exact && run.length() > 5)) return false;
  if (!rule.caro) return true;
  const bool closedBefore = run.first > 0 && view[run.first - 1] == ViewCell::Theirs;
  const bool closedAfter = run.last < 2 * ViewReach && view[run.last + 1] == ViewCell::Theirs;
  return !(closedBefore && closedAfter);
}

// The empty cells within four positions of the cell, where a five through the cell can lie.
template <typename Visit>
constexpr void forEachNearEmptyCell(const LineView& view, Visit visit) {
  for (int index = ViewCentre - 4; index <= ViewCentre + 4; ++index) {
    if (index != ViewCentre && view[index] == ViewCell::Empty) visit(index);
  }
}

// The index of `view` in a table of shapes, where `changed` (an index of the view) is the only
// cell that differs from the view whose half ids are `before` and `after`.
constexpr int indexAfterChange(const LineView& view, int changed, int before, int after,
                               bool caro) {
  if (changed < ViewCentre) return viewIndex(beforeIdOf(view, caro), after);
  return viewIndex(before, afterIdOf(view, caro));
}

// The shape of a view whose every view with one more stone of the side is in `shapes` already.
constexpr LineShape shapeOf(LineView view, FiveRule rule, const HalfShapes& shapes) {
  const Run run = runThroughCentre(view);
  if (winsAsFive(view, run, rule)) return LineShape::Five;
  if (rule.exact && run.length() > 5) return LineShape::Overline;

  // The cells that make a five through the cell.
  int completions = 0;
  int firstCompletion = 0;
  int lastCompletion = 0;
  forEachNearEmptyCell(view, [&](int index) {
    view[index] = ViewCell::Mine;
    if (winsAsFive(view, runThroughCentre(view), rule)) {
      if (completions++ == 0) firstCompletion = index;
      lastCompletion = index;
    }
    view[index] = ViewCell::Empty;
  });
  if (completions == 1) return LineShape::Four;
  if (completions >= 2) {
    // The two ends of four in a row lie five apart; any other pair is two fours.
    return completions == 2 && lastCompletion - firstCompletion == 5 ? LineShape::StraightFour
                                                                     : LineShape::DoubleFour;
  }

  const int before = beforeIdOf(view, rule.caro);
  const int after = afterIdOf(view, rule.caro);
  int straightFourCells = 0;
  bool straightFourCellInside = false;
  bool makesFour = false;
  bool makesThree = false;
  bool makesClosedThree = false;
  forEachNearEmptyCell(view, [&](int index) {
    view[index] = ViewCell::Mine;
    const LineShape next = shapes[indexAfterChange(view, index, before, after, rule.caro)];
    view[index] = ViewCell::Empty;
    if (next == LineShape::StraightFour) {
      ++straightFourCells;
      // A cell with stones on both sides fills a gap of the four rather than lengthening it.
      if (view[index - 1] == ViewCell::Mine && view[index + 1] == ViewCell::Mine)
        straightFourCellInside = true;
    }
    makesFour = makesFour || fourCount(next) > 0;
    makesThree = makesThree || isThree(next);
    makesClosedThree = makesClosedThree || next == LineShape::ClosedThree;
  });
  if (straightFourCells >= 2) return LineShape::OpenThree;
  if (straightFourCells == 1) {
    return straightFourCellInside ? LineShape::SplitThree : LineShape::Three;
  }
  if (makesFour) return LineShape::ClosedThree;
  if (makesThree) return LineShape::OpenTwo;
  if (makesClosedThree) return LineShape::ClosedTwo;
  return LineShape::None;
}

constexpr LineView viewOf(int beforeId, int afterId, bool caro) {
  LineView view{};
  const HalfCells before = halfCells(beforeId, caro);
  const HalfCells after = halfCells(afterId, caro);
  for (int k = 0; k < ViewReach; ++k) {
    view[ViewCentre - 1 - k] = before[k];
    view[ViewCentre + 1 + k] = after[k];
  }
  view[ViewCentre] = ViewCell::Mine;
  return view;
}

constexpr int stonesIn(const HalfCells& cells) {
  int stones = 0;
  for (ViewCell cell : cells)
    stones += cell == ViewCell::Mine ? 1 : 0;
  return stones;
}

}  // namespace line_shape_detail

// The shapes of every view under one rule, each built from the views with one more stone: views
// with the most stones first.
constexpr HalfShapes BuildHalfShapes(FiveRule rule) {
  using namespace line_shape_detail;
  const int idCount = openHalvesStart(rule.caro) + 32;
  std::array<int, HalfIdCount> stones{};
  for (int id = 0; id < idCount; ++id)
    stones[id] = stonesIn(halfCells(id, rule.caro));

  // Every view by its count of stones, most first.
  std::array<std::int16_t, HalfIdCount * HalfIdCount> order{};
  std::array<int, 2 * ViewReach + 2> bucketStart{};
  for (int before = 0; before < idCount; ++before) {
    for (int after = 0; after < idCount; ++after)
      ++bucketStart[2 * ViewReach - (stones[before] + stones[after]) + 1];
  }
  for (int bucket = 1; bucket < static_cast<int>(bucketStart.size()); ++bucket)
    bucketStart[bucket] += bucketStart[bucket - 1];
  for (int before = 0; before < idCount; ++before) {
    for (int after = 0; after < idCount; ++after) {
      order[bucketStart[2 * ViewReach - (stones[before] + stones[after])]++] =
          static_cast<std::int16_t>(viewIndex(before, after));
    }
  }

  HalfShapes shapes{};
  for (int entry = 0; entry < idCount * idCount; ++entry) {
    const int index = order[entry];
    shapes[index] =
        shapeOf(viewOf(index / HalfIdCount, index % HalfIdCount, rule.caro), rule, shapes);
  }
  return shapes;
}

}  // namespace orvane
