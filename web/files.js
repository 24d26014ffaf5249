// Composition files as the window reads and writes them: UTF-8 when the
// bytes are valid UTF-8 (a byte order mark kept), else Latin-1, one character
// a byte; the line ends kept. Saved, an unchanged file is the same bytes.
export const Extensions = ['.dou', '.min', '.tri', '.maj', '.cat', '.roy', '.cin', '.max', '.sex', '.fou', '.sep', '.six', '.sir'];

export function readComposition(bytes) {
  let encoding = 'utf-8';
  let text;
  let byteOrderMark = false;
  try {
    text = new TextDecoder('utf-8', { fatal: true, ignoreBOM: true }).decode(bytes);
    if (text.startsWith('\ufeff')) {
      byteOrderMark = true;
      text = text.slice(1);
    }
  } catch {
    // Latin-1 by hand: the decoder's "latin1" is Windows-1252.
    encoding = 'latin-1';
    text = '';
    for (let i = 0; i < bytes.length; i += 8192) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
  }
  const lineEnd = /\r\n/.test(text) ? '\r\n' : /\r(?!\n)/.test(text) && !/\n/.test(text) ? '\r' : '\n';
  return { text: text.replace(/\r\n?/g, '\n'), encoding, lineEnd, byteOrderMark };
}

// The text's bytes: Latin-1 while every character fits, else UTF-8.
export function compositionBytes(text, file = {}) {
  const body = file.lineEnd && file.lineEnd !== '\n' ? text.replace(/\n/g, file.lineEnd) : text;
  if (file.encoding === 'latin-1' && !/[^\u0000-\u00ff]/.test(body)) {
    const bytes = new Uint8Array(body.length);
    for (let i = 0; i < body.length; ++i) bytes[i] = body.charCodeAt(i);
    return bytes;
  }
  return new TextEncoder().encode((file.byteOrderMark ? '\ufeff' : '') + body);
}

export function download(name, blob) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}
