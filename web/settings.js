// The player's settings: kept in the browser, checked before use (a stray kept value cannot break
// the page), shown in their controls and changed through them. Which level controls show depends
// on who plays the game: Orvane's level against Orvane, each colour's level when Orvane plays
// itself, and the Strong level's thinking time when a level shown is Strong. (Who plays is the
// game's own, kept with it.)
import { CoordinateStyles } from './coordinates.js';
import {
  DefaultLevel,
  Strong,
  fillLevelChoice,
  fillTimeChoice,
  levelOf,
  thinkingTimeOf,
} from './levels.js';
import { page } from './page_elements.js';
import { Brain, Human } from './players.js';
import { DefaultRule, DefaultSize, Rules, Sizes } from './rules.js';
import * as storage from './storage.js';

export const settings = checked(storage.loadSettings());

// Each setting's control and how the setting reads from it and shows in it.
const Controls = [
  ['level', page.level, 'value'],
  ['firstPlayer', page.firstPlayer, 'value'],
  ['rule', page.rule, 'value'],
  ['size', page.size, 'number'],
  ['height', page.boardHeight, 'number'],
  ['blackLevel', page.blackLevel, 'value'],
  ['whiteLevel', page.whiteLevel, 'value'],
  ['thinkingTime', page.thinkingTime, 'value'],
  ['analysisTime', page.analysisTime, 'value'],
  ['numbers', page.numbers, 'checked'],
  ['heatMap', page.heatMap, 'checked'],
  ['coordinates', page.coordinates, 'value'],
];

// Shows the settings in their controls (whose choices are filled in first), and from then on keeps
// each change and tells `onChange(name)`.
export function connectSettings(onChange) {
  for (const select of document.querySelectorAll('.level-choice')) fillLevelChoice(select);
  for (const select of document.querySelectorAll('.time-choice')) fillTimeChoice(select);
  page.rule.replaceChildren(
    ...Object.entries(Rules).map(([rule, { name }]) => new Option(name, rule)),
  );
  page.size.replaceChildren(...Sizes.map((size) => new Option(`${size} cells wide`, String(size))));
  // A height of 0: as high as the board is wide.
  page.boardHeight.replaceChildren(
    new Option('Square', '0'),
    ...Sizes.map((size) => new Option(`${size} cells high`, String(size))),
  );
  showSettings();
  for (const [name, control, kind] of Controls) {
    control.addEventListener('change', () => {
      const value = kind === 'checked' ? control.checked : control.value;
      // checked(), below, reads the levels and the times from their text.
      settings[name] = kind === 'number' ? Number(value) : value;
      Object.assign(settings, checked(settings));
      storage.saveSettings(settings);
      showSettings();
      onChange(name);
    });
  }
}

// Takes up the settings as another tab kept them.
export function reloadSettings() {
  Object.assign(settings, checked(storage.loadSettings()));
  showSettings();
}

// Shows the level controls that `mode` uses, and the thinking time when one of them is Strong.
export function showLevelFields(mode) {
  page.levelField.hidden = page.firstPlayerField.hidden = mode !== 'orvane';
  page.blackLevelField.hidden = page.whiteLevelField.hidden = mode !== 'selfPlay';
  const levels = { orvane: [settings.level], selfPlay: [settings.blackLevel, settings.whiteLevel] };
  page.thinkingTimeField.hidden = !levels[mode]?.includes(Strong);
}

function showSettings() {
  for (const [name, control, kind] of Controls) {
    if (kind === 'checked') control.checked = settings[name];
    else control.value = String(settings[name]);
  }
}

function checked(kept) {
  return {
    level: levelOf(kept.level ?? DefaultLevel),
    firstPlayer: kept.firstPlayer === Brain ? Brain : Human,
    rule: Object.hasOwn(Rules, kept.rule) ? kept.rule : DefaultRule,
    size: Sizes.includes(kept.size) ? kept.size : DefaultSize,
    height: Sizes.includes(kept.height) ? kept.height : 0,
    blackLevel: levelOf(kept.blackLevel ?? DefaultLevel),
    whiteLevel: levelOf(kept.whiteLevel ?? DefaultLevel),
    thinkingTime: thinkingTimeOf(kept.thinkingTime),
    analysisTime: thinkingTimeOf(kept.analysisTime),
    numbers: kept.numbers === true,
    heatMap: kept.heatMap === true,
    coordinates: CoordinateStyles.includes(kept.coordinates) ? kept.coordinates : 'xy',
  };
}
