// Who plays each colour: a person at this device or Orvane. A game is played against Orvane (the
// player takes one colour), by two people taking turns on one device, or by Orvane against itself.
import { Black, Colours, White, otherColour } from './game.js';

export const Human = 'human';
export const Brain = 'brain';

// { black, white }, each Human or Brain, for a game in `mode` where the player (against Orvane)
// takes `humanColour`.
export function playersFor(mode, humanColour = Black) {
  if (mode === 'twoPlayers') return { black: Human, white: Human };
  if (mode === 'selfPlay') return { black: Brain, white: Brain };
  return { [humanColour]: Human, [otherColour(humanColour)]: Brain };
}

// The mode that `players` play in.
export function modeOf(players) {
  const brains = Colours.filter((colour) => players[colour] === Brain).length;
  return ['twoPlayers', 'orvane', 'selfPlay'][brains];
}

// Kept players, checked: a stray value gives the player black against Orvane.
export function checkedPlayers(data) {
  const valid = (value) => value === Human || value === Brain;
  return valid(data?.black) && valid(data?.white)
    ? { black: data.black, white: data.white }
    : { black: Human, white: Brain };
}

// Who played a move, as the move list says it: Orvane's moves carry its answer, and against Orvane
// every other move played here is the player's ("You", even one tried for Orvane's side); moves of
// a record, or of two players, are nobody's in words.
export function whoPlayed(move, players) {
  if (move.answer) return 'Orvane';
  return move.fromRecord || modeOf(players) !== 'orvane' ? '' : 'You';
}

// How many moves Undo takes back from the end of `line` (a line of moves): against Orvane, back to
// and including the player's last move, with Orvane's answers after it; otherwise the last move;
// never a move of a record.
export function movesToTakeBack(line, players) {
  const moves = line.filter((move) => !move.fromRecord);
  if (modeOf(players) !== 'orvane') return Math.min(moves.length, 1);
  const player = moves.findLastIndex((move) => !move.answer);
  return player < 0 ? 0 : moves.length - player;
}

// The players' names that a record of the game gives: those of the record it came from, or else
// "Orvane" for Orvane, "You" for the player against it, the colour for each of two players.
export function namesOf(tree) {
  if (tree.names) return tree.names;
  const mode = modeOf(tree.players);
  const name = (colour) =>
    tree.players[colour] === Brain ? 'Orvane' : mode === 'orvane' ? 'You' : capitalised(colour);
  return { black: name(Black), white: name(White) };
}

function capitalised(word) {
  return word[0].toUpperCase() + word.slice(1);
}
