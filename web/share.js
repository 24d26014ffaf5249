// A composition in a link: its text (UTF-8) compressed with the browser's own
// deflate and written in the address's fragment, which is never sent to any
// server. "#c=" then base64url.
const Prefix = '#c=';

async function pipe(bytes, stream) {
  const piped = new Blob([bytes]).stream().pipeThrough(stream);
  return new Uint8Array(await new Response(piped).arrayBuffer());
}

function toBase64Url(bytes) {
  let binary = '';
  for (let i = 0; i < bytes.length; i += 8192) binary += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

function fromBase64Url(text) {
  const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

export async function fragmentOf(text) {
  const packed = await pipe(new TextEncoder().encode(text), new CompressionStream('deflate-raw'));
  return Prefix + toBase64Url(packed);
}

// The text a fragment holds, or null when it holds none (or is damaged).
export async function textOfFragment(hash) {
  if (!hash.startsWith(Prefix)) return null;
  try {
    const bytes = await pipe(fromBase64Url(hash.slice(Prefix.length)), new DecompressionStream('deflate-raw'));
    return new TextDecoder().decode(bytes);
  } catch {
    return null;
  }
}
