// Hands a file to the browser to save, named with the moment it was made, to the millisecond, so
// that two saves never share a name: "orvane-20261207-100512-345.sgf".
export function download(blob, extension, stamp = new Date()) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  const moment = stamp.toISOString().slice(0, 23).replace(/[-:]/g, '').replace('T', '-');
  link.download = `orvane-${moment.replace('.', '-')}.${extension}`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}
