// A record read under its rule: when the record does not say the rule (a .psq record, or SGF
// without RU), the player picks it in a dialog first.
import { page } from './page_elements.js';
import { RuleNeeded, readRecord } from './records.js';
import { Rules } from './rules.js';
import { settings } from './settings.js';

// The record of `text` (see readRecord), or null when the player did not pick a rule; `name` names
// the record in the question. Throws RecordError when the record is bad.
export async function readWithRule(text, name) {
  try {
    return readRecord(text);
  } catch (error) {
    if (!(error instanceof RuleNeeded)) throw error;
  }
  const rule = await pickRule(name);
  return rule === null ? null : readRecord(text, { rule });
}

// The rule the player picks for the record named `name`, or null when the player cancels.
function pickRule(name) {
  const dialog = page.ruleDialog;
  page.recordRule.replaceChildren(
    ...Object.entries(Rules).map(([rule, { name: words }]) => new Option(words, rule)),
  );
  page.recordRule.value = settings.rule;
  page.ruleDialogText.textContent = `${name} does not say under which rule its game was played.`;
  dialog.returnValue = '';
  dialog.showModal();
  return new Promise((resolve) => {
    dialog.addEventListener(
      'close',
      () => resolve(dialog.returnValue === 'open' ? page.recordRule.value : null),
      { once: true },
    );
  });
}
