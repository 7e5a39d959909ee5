'use strict';
// The browser's copy of the station's panel. The keys are built once; each
// message then touches only what it changed, so a screen reader keeps its
// place. Nothing here decides a state: looks, names and `pressed` are the
// station's, and while the socket is down every key is shown unknown.
(() => {
  const DOWN_TEXT = 'The station does not answer: trying again';
  const BACK_TEXT = 'The station answers again';
  const VIEWER_TEXT = 'Viewers cannot switch: log in as an operator';
  const CAPTIONED = /^(ant|gpi|gpo)\d+$/;

  const $ = (id) => document.getElementById(id);
  const keys = new Map(); // id -> element
  const labels = new Map(); // id -> the visible label, "Ant 4"
  let role = 'viewer';
  let live = false; // a panel arrived on the open socket
  let socket = null;
  let attempt = 0;
  let downTold = false;

  function make(tag, className, text) {
    const el = document.createElement(tag);
    el.className = className;
    if (text !== undefined) {
      el.textContent = text;
    }
    return el;
  }

  function register(el, label) {
    const id = el.id.slice(2);
    keys.set(id, el);
    labels.set(id, label);
  }

  // A key or lamp with its number above and the operator's caption inside.
  function captioned(tag, id, label) {
    const el = make(tag, tag === 'button' ? 'key' : 'lamp');
    el.id = 'k-' + id;
    if (tag === 'button') {
      el.type = 'button';
      el.dataset.key = id;
    } else {
      el.setAttribute('role', 'img');
    }
    el.append(make('span', 'num', label), make('span', 'cap'));
    register(el, label);
    return el;
  }

  function build() {
    const antennas = $('antennas');
    const rotors = $('rotors');
    const gpis = $('gpis');
    const gpos = $('gpos');
    for (let n = 1; n <= 12; ++n) {
      const busy = make('div', 'lamp small', 'BUSY');
      busy.id = 'k-busy' + n;
      busy.setAttribute('role', 'img');
      register(busy, 'BUSY ' + n);
      const cell = make('div', 'cell');
      cell.append(busy, captioned('button', 'ant' + n, 'Ant ' + n));
      antennas.append(cell);
    }
    for (let n = 1; n <= 8; ++n) {
      const rotor = make('div', 'lamp', 'RT ' + n);
      rotor.id = 'k-rot' + n;
      rotor.setAttribute('role', 'img');
      register(rotor, 'RT ' + n);
      rotors.append(rotor);
      gpis.append(captioned('div', 'gpi' + n, 'GPI ' + n));
      gpos.append(captioned('button', 'gpo' + n, 'GPO ' + n));
    }
    for (const id of ['release', 'split', 'send', 'power', 'rtx', 'rx1', 'rx2', 'rx3', 'rx4']) {
      const el = $('k-' + id);
      register(el, el.textContent.trim());
    }
  }

  // Writes only what differs: an unchanged attribute is not announced again.
  function attr(el, name, value) {
    if (value === null) {
      if (el.hasAttribute(name)) {
        el.removeAttribute(name);
      }
    } else if (el.getAttribute(name) !== value) {
      el.setAttribute(name, value);
    }
  }

  function text(el, value) {
    if (el.textContent !== value) {
      el.textContent = value;
    }
  }

  // Black or white caption, whichever contrasts more (WCAG 2), as the desktop.
  function captionColour(hex) {
    const linear = [1, 3, 5].map((i) => {
      const c = parseInt(hex.substr(i, 2), 16) / 255;
      return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    const l = 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2];
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? '#000' : '#fff';
  }

  const HEX = /^#[0-9a-f]{6}$/i;

  // The station's ink when it sends one, else the same rule here.
  function paint(el, colour, ink) {
    const wanted = typeof colour === 'string' && HEX.test(colour) ? colour : '';
    const text = wanted ? (typeof ink === 'string' && HEX.test(ink) ? ink : captionColour(wanted)) : '';
    if (el.zarelColour === wanted + text) {
      return;
    }
    el.zarelColour = wanted + text;
    el.style.backgroundColor = wanted;
    el.style.color = text;
  }

  function caption(el) {
    const cap = el.querySelector('.cap');
    return cap ? cap.textContent : '';
  }

  // No state at all: idle, no aria-pressed, a name that claims nothing.
  function unknownKey(id, el) {
    attr(el, 'data-look', id === 'power' ? 'stale' : 'idle');
    const cap = CAPTIONED.test(id) ? caption(el) : '';
    const name = id === 'release' ? labels.get(id) : labels.get(id) + (cap ? ', ' + cap : '') + ', unknown';
    attr(el, 'aria-label', name);
    paint(el, null);
    if (el.tagName === 'BUTTON') {
      attr(el, 'aria-pressed', null);
      attr(el, 'aria-disabled', 'true');
    }
  }

  function applyKey(id, el, k, known) {
    if (!k || typeof k !== 'object') {
      unknownKey(id, el);
      return;
    }
    if (typeof k.caption === 'string' && CAPTIONED.test(id)) {
      text(el.querySelector('.cap'), k.caption);
    }
    const look = typeof k.look === 'string' ? k.look : id === 'power' ? 'stale' : 'idle';
    attr(el, 'data-look', look);
    attr(el, 'aria-label', typeof k.name === 'string' ? k.name : labels.get(id));
    paint(el, look === 'colour' ? k.colour : null, k.ink);
    if (el.tagName === 'BUTTON') {
      // What the device confirmed, and only while the panel shows the device.
      attr(el, 'aria-pressed', known && typeof k.pressed === 'boolean' ? String(k.pressed) : null);
      attr(el, 'aria-disabled', role === 'operator' ? null : 'true');
    }
  }

  function applyPanel(msg) {
    role = msg.role === 'operator' ? 'operator' : 'viewer';
    const known = msg.known === true && msg.connected !== false;
    if (!live) {
      live = true;
      attempt = 0;
      if (downTold) {
        downTold = false;
        say($('notices'), BACK_TEXT);
      }
    }
    document.body.classList.toggle('viewer', role !== 'operator');
    const panel = $('panel');
    panel.classList.remove('down');
    panel.classList.toggle('unknown', !known);
    const station = typeof msg.station === 'string' ? msg.station : '';
    text($('station'), station);
    document.title = station ? station + ' - Zarel Remote Control' : 'Zarel Remote Control';
    text($('who'), (typeof msg.user === 'string' ? msg.user : '') + ' \u00b7 ' + role);
    const given = msg.keys && typeof msg.keys === 'object' ? msg.keys : {};
    for (const [id, el] of keys) {
      applyKey(id, el, given[id], known);
    }
    text($('status'), typeof msg.status === 'string' ? msg.status : '');
    text($('radio'), typeof msg.radio === 'string' ? msg.radio : '');
  }

  // A live region keeps its last few lines; only the newest shows.
  function say(region, message) {
    const line = make('p', '', message);
    region.append(line);
    while (region.childElementCount > 3) {
      region.firstElementChild.remove();
    }
  }

  function goDown() {
    live = false;
    const panel = $('panel');
    panel.classList.add('down');
    panel.classList.remove('unknown');
    for (const [id, el] of keys) {
      unknownKey(id, el);
    }
    text($('status'), DOWN_TEXT);
    text($('radio'), '');
    if (!downTold) {
      downTold = true;
      say($('notices'), DOWN_TEXT);
    }
  }

  function receive(data) {
    let msg;
    try {
      msg = JSON.parse(data);
    } catch (e) {
      return;
    }
    if (!msg || typeof msg !== 'object') {
      return;
    }
    if (msg.type === 'panel') {
      applyPanel(msg);
    } else if (msg.type === 'notice' && typeof msg.text === 'string') {
      $('alerts').replaceChildren();
      say($('notices'), msg.text);
    } else if (msg.type === 'refused' && typeof msg.text === 'string') {
      say($('alerts'), msg.text);
    }
  }

  function press(event) {
    const el = event.target.closest('button[data-key]');
    if (!el) {
      return;
    }
    if (!live || !socket) {
      say($('alerts'), DOWN_TEXT);
    } else if (role !== 'operator') {
      say($('alerts'), VIEWER_TEXT);
    } else {
      socket.send(JSON.stringify({ type: 'press', key: el.dataset.key }));
    }
  }

  function connect() {
    const scheme = location.protocol === 'http:' ? 'ws:' : 'wss:';
    const ws = new WebSocket(scheme + '//' + location.host + '/ws');
    socket = ws;
    ws.addEventListener('message', (e) => {
      if (socket === ws) {
        receive(e.data);
      }
    });
    ws.addEventListener('close', (e) => {
      if (socket === ws) {
        closed(e.code);
      }
    });
  }

  function closed(code) {
    socket = null;
    if (code === 4001 || code === 4003) {
      location.assign('/');
      return;
    }
    goDown();
    const delay = Math.min(1000 * 2 ** attempt, 10000);
    attempt = Math.min(attempt + 1, 4);
    setTimeout(retry, delay);
  }

  // A session that ended while the socket was down is refused at the
  // upgrade, with no close code to tell: the script itself is 401 then.
  async function retry() {
    try {
      const answer = await fetch('/panel.js', { cache: 'no-store', credentials: 'same-origin' });
      if (answer.status === 401) {
        location.assign('/');
        return;
      }
    } catch (e) {
      // The station is away: the socket tries again below.
    }
    connect();
  }

  build();
  for (const [id, el] of keys) {
    unknownKey(id, el);
  }
  text($('status'), 'Connecting to the station');
  $('panel').addEventListener('click', press);
  connect();
})();
