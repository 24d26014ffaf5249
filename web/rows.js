// The rows of a proof as the window's rows view draws them, in SVG: one lead
// a column, leads side by side in bands, lead ends ruled, the method over its
// lead, rows rung more than once on red, music rows on green, and a line
// through each chosen bell (the treble thin in red, the 2 thick in blue).
const Symbols = '1234567890ETabcd';
const Cell = 10;
const RowHeight = 15;
const Gap = 2;  // cells between leads
const FalseShade = 'rgb(255,205,205)';
const HighlightShade = 'rgb(255,120,120)';
const MusicShade = 'rgb(205,238,200)';
const OtherColours = ['rgb(0,140,60)', 'rgb(230,120,0)', 'rgb(130,50,170)', 'rgb(0,150,160)',
  'rgb(150,90,40)', 'rgb(210,40,150)', 'rgb(90,110,20)', 'rgb(40,40,40)'];
// A picture of more rows than this is drawn only as far as it goes.
export const MaxDrawnRows = 20000;
const SvgNs = 'http://www.w3.org/2000/svg';

export function lineStyle(bell) {
  if (bell === 0) return { colour: 'rgb(220,30,30)', width: 1 };
  if (bell === 1) return { colour: 'rgb(30,70,220)', width: 2.5 };
  return { colour: OtherColours[(bell - 2) % OtherColours.length], width: 1.5 };
}

// "1,2" or "1 2" or "" as bell indices (0 is the treble).
export function parseBells(text, stage) {
  const bells = [];
  for (const item of text.split(/[\s,]+/)) {
    if (!item) continue;
    const n = /^\d+$/.test(item) ? Number(item) : Symbols.indexOf(item) + 1 || Symbols.toUpperCase().indexOf(item.toUpperCase()) + 1;
    if (n >= 1 && n <= stage && !bells.includes(n - 1)) bells.push(n - 1);
  }
  return bells;
}

export function rowText(rows, index) {
  let text = '';
  for (let p = 0; p < rows.stage; ++p) text += Symbols[rows.bells[index * rows.stage + p]];
  return text;
}

// Every change at which the row at `index` is rung (rounds before the first
// change is not rung).
export function occurrences(rows, index) {
  const found = [];
  const stage = rows.stage;
  for (let i = 1; i < rows.count; ++i) {
    let same = true;
    for (let p = 0; p < stage && same; ++p) same = rows.bells[i * stage + p] === rows.bells[index * stage + p];
    if (same) found.push(i);
  }
  return found;
}

function leadsOf(rows) {
  const leads = [];
  for (let i = 0; i < rows.leads.length; i += 5) {
    leads.push({ first: rows.leads[i], last: rows.leads[i + 1], ruled: rows.leads[i + 2] === 1,
      continues: rows.leads[i + 3] === 1, method: rows.leads[i + 4] });
  }
  return leads;
}

function element(name, attributes = {}, text) {
  const node = document.createElementNS(SvgNs, name);
  for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, value);
  if (text !== undefined) node.textContent = text;
  return node;
}

// The picture as an <svg> element; `highlighted` is a row index whose every
// occurrence is marked.
export function drawRows(rows, { columns = 8, bells = [0, 1], title = '', highlighted = -1 } = {}) {
  const stage = rows.stage;
  const allLeads = leadsOf(rows);
  const leads = [];
  let drawnRows = 0;
  for (const lead of allLeads) {
    if (drawnRows >= MaxDrawnRows) break;
    leads.push(lead);
    drawnRows += lead.last - lead.first + 1;
  }
  const music = new Map(rows.music.map(([row, patterns]) => [row, patterns]));
  const same = highlighted >= 0 ? new Set(occurrences(rows, highlighted)) : new Set();
  if (highlighted === 0) same.add(0);
  const columnWidth = (stage + Gap) * Cell;
  const width = Math.max(1, Math.min(columns, leads.length)) * columnWidth + Cell;
  const svg = element('svg', { xmlns: SvgNs, role: 'img', 'aria-label': 'Rows', 'font-family': 'DejaVu Sans Mono, monospace', 'font-size': '12' });
  const heading = title + (leads.length < allLeads.length ? ` (the first ${drawnRows} rows drawn)` : '');
  let y = RowHeight;
  if (heading) {
    svg.append(element('text', { x: Cell, y: y - 3, 'font-weight': 'bold' }, heading));
    y += RowHeight / 2;
  }
  for (let band = 0; band * columns < leads.length; ++band) {
    const bandLeads = leads.slice(band * columns, (band + 1) * columns);
    const top = y;
    let tallest = 0;
    bandLeads.forEach((lead, column) => {
      const x = Cell + column * columnWidth;
      if (lead.method >= 0 && !lead.continues)
        svg.append(element('text', { x, y: top + RowHeight - 3, fill: 'rgb(60,60,120)', 'font-style': 'italic' }, rows.methods[lead.method]));
      const rowsTop = top + RowHeight;
      const count = lead.last - lead.first + 1;
      tallest = Math.max(tallest, count);
      for (let k = 0; k < count; ++k) {
        const row = lead.first + k;
        const rowY = rowsTop + k * RowHeight;
        const shade = same.has(row) ? HighlightShade : rows.falseRows[row] ? FalseShade : music.has(row) ? MusicShade : null;
        if (shade) {
          const rect = element('rect', { x: x - 2, y: rowY, width: stage * Cell + 4, height: RowHeight, fill: shade, 'data-row': row });
          if (rows.falseRows[row]) rect.setAttribute('class', 'false-row');
          if (music.has(row)) rect.append(element('title', {}, music.get(row)));
          svg.append(rect);
        }
        const text = element('text', { x, y: rowY + RowHeight - 4, 'data-row': row, textLength: stage * Cell - 2,
          lengthAdjust: 'spacing', class: rows.falseRows[row] ? 'false-row' : '' }, rowText(rows, row));
        svg.append(text);
      }
      if (lead.ruled && count > 1) {
        const ruleY = rowsTop + (count - 1) * RowHeight;
        svg.append(element('line', { x1: x - 2, y1: ruleY, x2: x + stage * Cell + 2, y2: ruleY, stroke: 'rgb(70,70,70)', 'stroke-width': 1 }));
      }
      for (const bell of bells) {
        if (bell >= stage) continue;
        const { colour, width: lineWidth } = lineStyle(bell);
        const points = [];
        for (let k = 0; k < count; ++k) {
          const row = lead.first + k;
          let place = 0;
          while (place < stage && rows.bells[row * stage + place] !== bell) ++place;
          points.push(`${(x + place * Cell + Cell * 0.4).toFixed(1)},${(rowsTop + k * RowHeight + RowHeight / 2 - 1).toFixed(1)}`);
        }
        svg.append(element('polyline', { points: points.join(' '), fill: 'none', stroke: colour, 'stroke-width': lineWidth,
          'stroke-linecap': 'round', 'stroke-linejoin': 'bevel', 'pointer-events': 'none', opacity: 0.85 }));
      }
    });
    y = top + RowHeight * (1 + tallest + 1);
  }
  svg.setAttribute('width', width);
  svg.setAttribute('height', y);
  svg.setAttribute('viewBox', `0 0 ${width} ${y}`);
  return svg;
}

export function svgText(svg) {
  return '<?xml version="1.0" encoding="UTF-8"?>\n' + new XMLSerializer().serializeToString(svg);
}

// The picture as PNG bytes (a Blob), on white; a picture too big for one
// canvas is scaled down to fit.
export async function pngBlob(svg) {
  const width = Number(svg.getAttribute('width'));
  const height = Number(svg.getAttribute('height'));
  const scale = Math.min(2, 16000 / width, 16000 / height);
  const url = URL.createObjectURL(new Blob([svgText(svg)], { type: 'image/svg+xml' }));
  try {
    const image = new Image();
    image.src = url;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = Math.max(1, Math.round(width * scale));
    canvas.height = Math.max(1, Math.round(height * scale));
    const context = canvas.getContext('2d');
    context.fillStyle = 'white';
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.drawImage(image, 0, 0, canvas.width, canvas.height);
    return await new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
  } finally {
    URL.revokeObjectURL(url);
  }
}
