// SIRIL colouring for the page's editor, by the token kinds of the window's
// Input page (app/siril_lexer.h): comments, strings and their special
// symbols, lead-head markers, the stage line and END, definition names, the
// predefined names, place notation and counts. A line-by-line reading of the
// same rules, kept small; the window's lexer follows the reader more closely.
import { StreamLanguage, HighlightStyle, syntaxHighlighting } from '@codemirror/language';
import { Tag } from '@lezer/highlight';

const kinds = ['comment', 'string', 'stringSpecial', 'stringEscaped', 'stringHalt', 'marker', 'stageLine', 'end',
  'definitionName', 'predefinedName', 'placeNotation', 'count'];
const tags = Object.fromEntries(kinds.map((kind) => [kind, Tag.define()]));
const predefined = new Set(['TRUE', 'NOTROUND', 'FALSE', 'CONFLICT', 'ROUNDS', 'EVERYROW', 'MUSIC']);

// Where a line is within its statement.
function startState() {
  return { expectStage: true, endSeen: false, continuation: false, head: true, inString: null, afterEquals: false };
}

const sirilParser = {
  name: 'siril',
  startState,
  copyState: (s) => ({ ...s }),
  token(stream, state) {
    if (stream.sol()) {
      state.head = !state.continuation;
      state.afterEquals = state.continuation;
    }
    if (state.endSeen) {
      stream.skipToEnd();
      return 'comment';
    }
    if (state.inString) return readString(stream, state);
    if (stream.eatSpace()) return null;
    const ch = stream.peek();
    if (ch === '/') {
      stream.skipToEnd();
      if (stream.eol()) settle(stream, state);
      return 'comment';
    }
    if (ch === '"') {
      // A marker is a whole string "[...]".
      const rest = stream.string.slice(stream.pos);
      const close = rest.indexOf('"', 1);
      const text = close < 0 ? rest : rest.slice(0, close + 1);
      if (text.length > 3 && text[1] === '[' && text[text.length - 2] === ']') {
        stream.pos += text.length;
        done(stream, state);
        return 'marker';
      }
      stream.next();
      state.inString = 'open';
      return 'string';
    }
    if (state.head && state.expectStage) {
      const stage = stream.match(/^\d+\s*BELLS\b/i);
      if (stage) {
        state.expectStage = false;
        done(stream, state);
        return 'stageLine';
      }
    }
    if (state.head && stream.match(/^END\b/i)) {
      state.endSeen = true;
      return 'end';
    }
    if (state.afterEquals && (ch === '&' || ch === '+')) {
      stream.next();
      stream.eatWhile((c) => c !== ',' && c !== '/' && c !== '"');
      done(stream, state);
      return 'placeNotation';
    }
    if (state.afterEquals && /\d/.test(ch)) {
      stream.eatWhile(/[\d\s]/);
      stream.eat('*');
      return 'count';
    }
    if (ch === '*' && state.afterEquals) {
      stream.next();
      return 'count';
    }
    if (ch === '=' && state.head) {
      stream.next();
      state.head = false;
      state.afterEquals = true;
      state.expectStage = false;
      done(stream, state);
      return null;
    }
    if (ch === ',') {
      stream.next();
      done(stream, state);
      return null;
    }
    if (/[A-Za-z_]/.test(ch)) {
      const word = stream.match(/^[A-Za-z_][A-Za-z0-9_.'\-]*/)[0];
      const upper = word.toUpperCase();
      const isDefinition = state.head && /^\s*=/.test(stream.string.slice(stream.pos));
      done(stream, state);
      if (isDefinition) return predefined.has(upper) ? 'predefinedName' : 'definitionName';
      return predefined.has(upper) ? 'predefinedName' : null;
    }
    stream.next();
    done(stream, state);
    return null;
  },
  tokenTable: tags,
};

function readString(stream, state) {
  if (state.inString === 'escape') {
    stream.next();
    state.inString = 'open';
    return 'stringEscaped';
  }
  const ch = stream.peek();
  if (ch === '"') {
    stream.next();
    state.inString = null;
    done(stream, state);
    return 'string';
  }
  if (ch === '$' && stream.string.slice(stream.pos, stream.pos + 3) === '$$"') {
    stream.pos += 2;
    return 'stringHalt';
  }
  if (ch === '@' || ch === '#' || ch === '_' || ch === '$') {
    stream.next();
    return 'stringSpecial';
  }
  if (ch === '\\') {
    stream.next();
    if (!stream.eol()) state.inString = 'escape';
    return 'stringSpecial';
  }
  stream.eatWhile((c) => c !== '"' && c !== '@' && c !== '#' && c !== '_' && c !== '$' && c !== '\\');
  if (stream.eol()) {
    // A string without its closing quote ends with its line.
    state.inString = null;
    settle(stream, state);
  }
  return 'string';
}

// At the end of a line: a statement whose last element ends with a comma
// goes on on the next line.
function done(stream, state) {
  if (stream.eol()) settle(stream, state);
}
function settle(stream, state) {
  const code = stream.string.replace(/"[^"]*"?/g, '""').replace(/\/.*$/, '').trimEnd();
  state.continuation = code.endsWith(',') || (state.continuation && code === '');
}

const sirilLanguage = StreamLanguage.define(sirilParser);

// The window's colours.
const sirilStyle = HighlightStyle.define([
  { tag: tags.comment, color: '#007a00', fontStyle: 'italic' },
  { tag: tags.string, color: '#a31515' },
  { tag: tags.stringEscaped, color: '#a31515' },
  { tag: tags.stringSpecial, color: '#d41e1e', fontWeight: 'bold' },
  { tag: tags.stringHalt, color: '#d41e1e', backgroundColor: '#ffe4e4', fontWeight: 'bold' },
  { tag: tags.marker, color: '#5a3e00', backgroundColor: '#fff3c4' },
  { tag: tags.stageLine, fontWeight: 'bold' },
  { tag: tags.end, fontWeight: 'bold' },
  { tag: tags.definitionName, color: '#00008b', fontWeight: 'bold' },
  { tag: tags.predefinedName, color: '#7b1fa2', fontWeight: 'bold' },
  { tag: tags.placeNotation, color: '#00796b' },
  { tag: tags.count, color: '#b35c00' },
]);

export function siril() {
  return [sirilLanguage, syntaxHighlighting(sirilStyle)];
}
