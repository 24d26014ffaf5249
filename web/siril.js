// SIRIL colouring for the page's editor: each line is coloured by the engine
// itself (the module's styleLine), so the page, the window's Input page and
// the reader read the text alike. CodeMirror keeps the state a line starts in
// and restyles from an edit as far as the states change.
import { StreamLanguage, HighlightStyle, syntaxHighlighting } from '@codemirror/language';
import { Tag } from '@lezer/highlight';

// By the engine's style numbers, from 1 (0 is plain text).
const kinds = ['comment', 'string', 'stringSpecial', 'stringEscaped', 'stringHalt', 'marker', 'stageLine', 'end',
  'definitionName', 'predefinedName', 'placeNotation', 'count'];
const tags = Object.fromEntries(kinds.map((kind) => [kind, Tag.define()]));

function language(tolvern) {
  const styleLine = (state, line) => {
    const styled = tolvern.styleLine(line, state.packed);
    state.runs = styled.runs;
    state.run = 0;
    state.next = styled.state;
  };
  return StreamLanguage.define({
    name: 'siril',
    startState: () => ({ packed: -1, runs: null, run: 0, next: -1 }),
    copyState: (state) => ({ ...state }),
    blankLine(state) {
      styleLine(state, '');
      state.packed = state.next;
    },
    token(stream, state) {
      if (stream.sol()) styleLine(state, stream.string);
      const { runs } = state;
      // The run that holds the stream's position (CodeMirror may skip blanks).
      while (state.run + 3 < runs.length && runs[state.run] + runs[state.run + 1] <= stream.pos) state.run += 3;
      const end = state.run < runs.length ? runs[state.run] + runs[state.run + 1] : stream.string.length;
      const style = state.run < runs.length ? runs[state.run + 2] : 0;
      stream.pos = Math.max(end, stream.pos + 1);
      if (stream.eol()) state.packed = state.next;
      return style > 0 ? kinds[style - 1] : null;
    },
    tokenTable: tags,
  });
}

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

// The colouring, given the engine's module.
export function siril(tolvern) {
  return [language(tolvern), syntaxHighlighting(sirilStyle)];
}
