// SGF's grammar, read and written: a collection of game trees, each "(", its nodes (";" and
// properties), its variations, ")". A property is an identifier and one or more values in
// brackets, where "\" escapes the next character and "\" before a line end joins the lines.
// Identifiers are capital letters; the lower-case letters of older files' long names
// ("AddBlack" for AB) are left out, as the format asks.

export class SgfError extends Error {}

// The game trees of `text`: [{ nodes, variations }], each node a list of properties
// { name, values, line, column }, where line and column give the property's place in the text.
export function readSgf(text) {
  const reader = new SgfReader(text);
  const trees = [];
  reader.skipSpace();
  while (!reader.atEnd()) {
    trees.push(reader.gameTree());
    reader.skipSpace();
  }
  return trees;
}

// A text as an SGF value: "]" and "\" escaped.
export function sgfText(text) {
  return String(text).replace(/[\]\\]/g, (character) => `\\${character}`);
}

class SgfReader {
  #text;
  #at = 0;

  constructor(text) {
    this.#text = text;
  }

  atEnd() {
    return this.#at >= this.#text.length;
  }

  skipSpace() {
    while (!this.atEnd() && /\s/.test(this.#text[this.#at])) this.#at++;
  }

  gameTree() {
    this.#expect('(', 'a game starts with "("');
    const tree = { nodes: [], variations: [] };
    this.skipSpace();
    if (this.#text[this.#at] !== ';') this.#fail('a game\'s first node starts with ";"');
    while (this.#text[this.#at] === ';') {
      this.#at++;
      tree.nodes.push(this.#properties());
    }
    while (this.#text[this.#at] === '(') {
      tree.variations.push(this.gameTree());
      this.skipSpace();
    }
    this.#expect(')', 'a node starts with ";", a variation with "(", and the game ends with ")"');
    return tree;
  }

  #properties() {
    const properties = [];
    this.skipSpace();
    while (/[A-Z]/.test(this.#text[this.#at] ?? '')) {
      const [line, column] = this.#position(this.#at);
      const identifier = this.#text.slice(this.#at).match(/^[A-Z][A-Za-z]*/)[0];
      const name = identifier.replace(/[a-z]/g, '');
      this.#at += identifier.length;
      this.skipSpace();
      if (this.#text[this.#at] !== '[')
        this.#fail(`the property ${identifier} needs a value in brackets`);
      const values = [];
      while (this.#text[this.#at] === '[') {
        values.push(this.#value());
        this.skipSpace();
      }
      properties.push({ name, values, line, column });
    }
    return properties;
  }

  #value() {
    const start = this.#at++;
    let value = '';
    while (!this.atEnd() && this.#text[this.#at] !== ']') {
      if (this.#text[this.#at] === '\\') {
        this.#at++;
        // A soft line break: the line end is not part of the value.
        const lineEnd = this.#text.slice(this.#at).match(/^(\r\n?|\n\r?)/)?.[0];
        if (lineEnd) {
          this.#at += lineEnd.length;
          continue;
        }
      }
      value += this.#text[this.#at++] ?? '';
    }
    if (this.atEnd()) {
      const [line, column] = this.#position(start);
      throw new SgfError(
        `Line ${line}, column ${column}: the value that opens here has no closing "]".`,
      );
    }
    this.#at++;
    return value;
  }

  #expect(character, rule) {
    this.skipSpace();
    if (this.#text[this.#at] !== character) this.#fail(rule);
    this.#at++;
  }

  #fail(rule) {
    const [line, column] = this.#position(this.#at);
    const found = this.atEnd() ? 'the record ends' : `"${this.#text[this.#at]}" is out of place`;
    throw new SgfError(`Line ${line}, column ${column}: ${found}: ${rule}.`);
  }

  #position(offset) {
    const before = this.#text.slice(0, offset).split('\n');
    return [before.length, before.at(-1).length + 1];
  }
}
