// Hands a file to the browser to save, named with the moment it was made:
// "orvane-20261207-1005.sgf".
export function download(blob, extension, stamp = new Date()) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = `orvane-${stamp.toISOString().slice(0, 16).replace(/[-:]/g, '').replace('T', '-')}.${extension}`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}
