#pragma once

#include <array>
#include <cstdint>

#include "patterns/line_shape.hpp"

// Every number that shapes the strong search's play, in one place, so that a change for
// strength is one line to edit and to test in a match.
namespace orvane::strong::tuning {

// --- What a cell is worth ---

// What a stone that makes each shape is worth: the pattern score table's worth of the freestyle
// window of the same shape (a two 3 or 7, a three 135 to 150, a four 200), with the shapes that
// win outright held down, since the search settles them.
inline constexpr std::array<std::int16_t, LineShapeCount> ShapeWorth{
    0,    // None
    3,    // ClosedTwo
    7,    // OpenTwo
    7,    // ClosedThree
    135,  // Three
    140,  // SplitThree
    150,  // OpenThree
    200,  // Four
    400,  // StraightFour
    400,  // DoubleFour
    0,    // Five
    0,    // Overline
};
// Bonuses for two threats made by one stone.
inline constexpr std::int16_t DoubleThreeBonus = 250;
inline constexpr std::int16_t FourThreeBonus = 400;

// --- The order and the width of a node's moves ---

// A cell's order is the rule's learnt move order (learnt_policy.hpp, a hundredth of a logit a
// unit) times PolicyWeight, then these bonuses.
inline constexpr int PolicyWeight = 4;
inline constexpr std::int32_t TableMoveBonus = 100000000;
inline constexpr std::int32_t KillerBonus = 2000;
inline constexpr std::int32_t HistoryDivisor = 16;
inline constexpr std::int32_t HistoryCap = 3000;
// The strongest quiet cells a node tries, and the root.
inline constexpr int QuietWidth = 8;
inline constexpr int RootWidth = 32;

// --- Reductions ---

// A late quiet move's reduction: ReductionBase + ln(depth) ln(move's place) / ReductionDivisor
// plies, a ply less in a principal node and for a cell with this much history.
inline constexpr double ReductionBase = 0.5;
inline constexpr double ReductionDivisor = 2.0;
inline constexpr std::int32_t ReductionHistory = 2000;

// --- Proofs by threats ---

// A node's own search by fours: the attacker's moves and the nodes it may take.
inline constexpr int NodeFourMoves = 8;
inline constexpr std::uint64_t NodeFourNodes = 50;
// The same at a leaf, where it is the only search left.
inline constexpr std::uint64_t LeafFourNodes = 50;
// The longest wins the root's threat searches look for, in the attacker's moves.
inline constexpr int RootFourWinMoves = 40;
inline constexpr int RootThreatWinMoves = 12;
// Nodes for the root's proofs: by fours, and by fours and threes (per millisecond of the turn's
// aim when it is timed, within a floor and four times the fixed count).
inline constexpr std::uint64_t RootFourWinNodes = 200000;
inline constexpr std::uint64_t RootThreatWinNodes = 60000;
inline constexpr std::uint64_t RootThreatWinNodesPerMillisecond = 60;
inline constexpr std::uint64_t RootThreatWinNodesFloor = 2000;

// --- Time ---

// The turn's phases, in per cent of its aim from the turn's start: the root's own win by fours
// and threes ends by ProofShare, the search for moves that stop the other side's by
// DefenceShare.
inline constexpr std::int32_t ProofShare = 10;
inline constexpr std::int32_t DefenceShare = 35;
// A new iteration starts while less than this share of the aim has passed; a running one stops
// at the aim, or at the hard limit when the move is hard.
inline constexpr std::int32_t NextIterationShare = 75;
// A root value that fell by this much from one iteration to the next makes the move a hard one.
inline constexpr int ValueDrop = 30;

}  // namespace orvane::strong::tuning
