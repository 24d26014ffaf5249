// A page of output lines shown in a virtualised view: only the lines in
// sight (and a few beyond) are in the document, so a page of a million
// lines scrolls and is searched as quickly as a short one. The proof page
// underlines, as the window does, the stretches its "_ markers enclose.
const LineHeight = 18;
const Overscan = 40;
// Browsers cap an element's height (about 33 million pixels in Chromium,
// less elsewhere): past this the scroll range stands for the page, scaled.
const MaxScrollPixels = 8_000_000;
// A page this short is put in the document whole.
const WholeBelow = 3000;
const Marker = '"_';

// The line as shown: its markers taken out and the stretches between them
// underlined (a marker without a partner underlines to the end of the line).
function appendUnderlined(element, line) {
  let rest = line;
  let underlined = false;
  for (;;) {
    const at = rest.indexOf(Marker);
    if (at < 0) break;
    const text = rest.slice(0, at);
    if (text) element.append(underlined ? Object.assign(document.createElement('u'), { textContent: text }) : text);
    underlined = !underlined;
    rest = rest.slice(at + Marker.length);
  }
  if (rest) element.append(underlined ? Object.assign(document.createElement('u'), { textContent: rest }) : rest);
}

export function plainText(line) {
  return line.split(Marker).join('');
}

export class PageView {
  constructor(container, { underline = false, onLineClick = null } = {}) {
    this.container = container;
    this.underline = underline;
    this.onLineClick = onLineClick;
    this.lines = [];
    this.stale = false;
    this.found = -1;
    this.spacer = document.createElement('div');
    this.spacer.className = 'spacer';
    this.content = document.createElement('div');
    this.content.className = 'lines';
    container.append(this.spacer, this.content);
    container.addEventListener('scroll', () => this.schedule());
    new ResizeObserver(() => this.schedule()).observe(container);
    this.content.addEventListener('dblclick', (event) => {
      const line = event.target.closest('.line');
      if (line && this.onLineClick) this.onLineClick(Number(line.dataset.index), this.lines[Number(line.dataset.index)]);
    });
  }

  setLines(lines) {
    this.lines = lines;
    this.found = -1;
    if (lines.length === 0) this.container.scrollTop = 0;
    this.render(true);
  }
  appendLines(more) {
    for (const line of more) this.lines.push(line);
    this.schedule(true);
  }
  setStale(stale) {
    this.stale = stale;
    this.container.classList.toggle('stale', stale);
  }
  text() {
    return this.lines.map((line) => (this.underline ? plainText(line) : line)).join('\n');
  }

  schedule(grown = false) {
    this.grown ||= grown;
    if (this.pending) return;
    this.pending = requestAnimationFrame(() => {
      this.pending = 0;
      this.render(this.grown);
      this.grown = false;
    });
  }

  // The scroll range and the first line in sight.
  geometry() {
    const total = this.lines.length * LineHeight;
    const view = this.container.clientHeight || 400;
    const range = Math.min(total, MaxScrollPixels);
    const scale = range > view && total > range ? (total - view) / (range - view) : 1;
    return { total, range, view, scale };
  }

  render(grown) {
    const { range, view, scale } = this.geometry();
    if (grown) this.spacer.style.height = `${range}px`;
    const count = this.lines.length;
    let first = 0;
    let last = count;
    const top = this.container.scrollTop;
    if (count > WholeBelow) {
      const virtualTop = top * scale;
      first = Math.max(0, Math.floor(virtualTop / LineHeight) - Overscan);
      last = Math.min(count, Math.ceil((virtualTop + view) / LineHeight) + Overscan);
      this.content.style.transform = `translateY(${top - (virtualTop - first * LineHeight)}px)`;
    } else {
      this.content.style.transform = '';
    }
    if (!grown && first === this.first && last === this.last) return;
    this.first = first;
    this.last = last;
    const fragment = document.createDocumentFragment();
    for (let i = first; i < last; ++i) {
      const div = document.createElement('div');
      div.className = i === this.found ? 'line found' : 'line';
      div.dataset.index = i;
      const line = this.lines[i];
      if (this.underline && line.includes(Marker)) appendUnderlined(div, line);
      else div.textContent = line || '\u200b';
      fragment.append(div);
    }
    this.content.replaceChildren(fragment);
  }

  // The last lines in sight, as the window shows a page after a proof.
  scrollToEnd() {
    this.render(true);
    this.container.scrollTop = this.container.scrollHeight;
    this.render(true);
  }

  scrollToLine(index) {
    const { scale, view } = this.geometry();
    const target = (index * LineHeight - view / 3) / scale;
    this.container.scrollTop = Math.max(0, target);
    this.render(true);
  }

  // The next line after the last found (or before, going back) holding
  // `text`, case-blind; -1 when none does.
  find(text, backwards = false) {
    if (!text) return -1;
    const needle = text.toLowerCase();
    const count = this.lines.length;
    const from = this.found;
    for (let step = 1; step <= count; ++step) {
      const i = (((backwards ? from - step : from + step) % count) + count) % count;
      const line = this.underline ? plainText(this.lines[i]) : this.lines[i];
      if (line.toLowerCase().includes(needle)) {
        this.found = i;
        this.scrollToLine(i);
        return i;
      }
    }
    return -1;
  }
}
