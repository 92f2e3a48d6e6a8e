// Takes a screenshot of the page at a viewport size: node shot.mjs ENGINE WIDTH HEIGHT OUT [actions]
import { ENGINES } from './engines.mjs';
import { spawn } from 'node:child_process';
const [engineName, w, h, out, action] = process.argv.slice(2);
const server = spawn('python3', ['/work/main/scripts/serve-web', '0', '--no-build', '--directory', '/work/main/build-web/site'], {stdio: ['ignore', 'pipe', 'ignore']});
const url = await new Promise(r => server.stdout.on('data', d => { const m = String(d).match(/http:\/\/[^ ]+\//); if (m) r(m[0]); }));
const e = await ENGINES[engineName]({width: Number(w), height: Number(h)});
await e.open(url);
await new Promise(r => setTimeout(r, 1200));
if (action === 'about') { await e.press('F2'); await new Promise(r => setTimeout(r, 500)); }
if (action === 'warn') { await e.click('.window[data-window="Main"] .client [data-name="Meter5"]'); await e.type('x'); await e.press('Return'); await new Promise(r => setTimeout(r, 500)); }
console.log(JSON.stringify(await e.run(() => { const w = document.querySelector(".window"); const r = w.getBoundingClientRect(); const s = getComputedStyle(w); const c = w.querySelector(".client").getBoundingClientRect(); return [innerWidth, r.left, r.width, s.width, s.borderLeftWidth, s.paddingLeft, s.boxSizing, c.left, c.width, w.style.left, w.style.width]; })));
await e.screenshot(out);
await e.quit(); server.kill();
