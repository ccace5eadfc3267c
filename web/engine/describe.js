// A short description of a value for an error message.
export function describe(value) {
  if (typeof value === 'string') {
    return JSON.stringify(value.length > 40 ? `${value.slice(0, 40)}…` : value);
  }
  if (Array.isArray(value)) return 'an array';
  if (value === null) return 'null';
  if (typeof value === 'object') return 'an object';
  if (typeof value === 'function') return 'a function';
  return String(value);
}
