'use strict';
// The page as a user works with it, in Debian's headless Chromium driven by
// playwright-core, served from 127.0.0.1 on a free port:
//   node Seitentest.js SITE VORLAGEN [BILDER]
// SITE: build-web/site; VORLAGEN: this folder (the Abitur document and what
// the desktop's tool writes for it); BILDER: where the screenshots go (none
// without it).
// abitur.kvr is A(2|0|0), B(0|4|0), C(0|0|3), S(4|4|5), the plane E through
// A, B, C, the triangle ABC, the pyramid ABCS, the perpendicular l from S on
// E and its foot F, and the segment SF, as `kalvorin-tool
// --decimal-separator , save` writes it (the page runs in German, whose
// separator the file's computed coordinates take); abitur_nach.kvr is what
// the desktop writes after the steps below (kalvorin-tool
// --decimal-separator , apply abitur.kvr abitur_nach.kvr Markieren=l,E
// SchneidenClick Markieren=S,E LoteerzeugenClick RueckgaengigClick
// WiederholenClick Markieren=S,F), abitur_laenge_SF.txt its message for
// the distance of S and F (MessLaengeClick).
const http = require('http');
const fs = require('fs');
const path = require('path');
const assert = require('assert');
const { chromium } = require('playwright-core');

const [site, vorlagen, bilder] = process.argv.slice(2).map((a) => path.resolve(a));
const browser = process.env.KALVORIN_CHROMIUM || '/usr/bin/chromium';
const abitur = path.join(vorlagen, 'abitur.kvr');

// A static server for the site's files only, on the loopback address.
function serverStarten() {
  const arten = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
                  '.css': 'text/css', '.wasm': 'application/wasm' };
  const server = http.createServer((anfrage, antwort) => {
    const teil = decodeURIComponent(new URL(anfrage.url, 'http://h').pathname);
    const datei = path.join(site, teil.endsWith('/') ? teil + 'index.html' : teil);
    if (!datei.startsWith(site + path.sep) || !fs.existsSync(datei)) {
      antwort.writeHead(404);
      antwort.end();
      return;
    }
    antwort.writeHead(200, { 'Content-Type': arten[path.extname(datei)] ||
                                             'application/octet-stream' });
    fs.createReadStream(datei).pipe(antwort);
  });
  return new Promise((fertig) => {
    server.listen(0, '127.0.0.1', () => fertig(server));
  });
}

const ergebnisse = [];
async function pruefen(name, f) {
  const start = Date.now();
  try {
    await f();
    ergebnisse.push(true);
    console.log(`ok   ${name} (${Date.now() - start} ms)`);
  } catch (e) {
    ergebnisse.push(false);
    console.log(`FAIL ${name}\n     ${String(e.stack || e).split('\n').slice(0, 4).join('\n     ')}`);
  }
}

// A step that waits for what never comes fails after its own timeout; the
// whole run ends after four minutes whatever happens.
setTimeout(() => {
  console.log('FAIL the run took longer than four minutes');
  console.log(`${ergebnisse.filter((x) => x).length} passed, ${ergebnisse.filter((x) => !x).length + 1} failed`);
  process.exit(1);
}, 240000).unref();

(async () => {
  const server = await serverStarten();
  const basis = `http://127.0.0.1:${server.address().port}/`;
  const b = await chromium.launch({
    executablePath: browser, headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--lang=de-DE'],
  });
  let fertig = false;
  try {
    const kontext = await b.newContext({ viewport: { width: 1280, height: 800 },
                                         acceptDownloads: true, locale: 'de-DE' });
    kontext.setDefaultTimeout(10000);
    const seite = await kontext.newPage();
    const fremd = [];
    // Every request that leaves the page (not its own blob: and data: URLs).
    seite.on('request', (r) => {
      const url = r.url();
      if (!/^(blob|data):/.test(url) && !url.startsWith(basis)) fremd.push(url);
    });
    const fehler = [];
    seite.on('pageerror', (e) => fehler.push(String(e)));

    const menueleiste = seite.getByRole('menubar');
    const menue = (name) => menueleiste.getByRole('menuitem', { name, exact: true });
    const punkt = (menuName, name, rolle = 'menuitem') => menue(menuName).locator('xpath=..')
      .getByRole('menu').getByRole(rolle, { name, exact: true });
    const schalter = (menuName, name) => punkt(menuName, name, 'menuitemcheckbox');
    const liste = seite.getByRole('listbox', { name: 'Objekte' });
    const optionen = () => liste.getByRole('option');
    const option = (name) => liste.getByRole('option', { name, exact: true });
    const namen = async () => optionen().evaluateAll((o) => o.map((x) => x.getAttribute('aria-label')));
    const markiert = async () => liste.locator('[role=option][aria-selected=true]')
      .evaluateAll((o) => o.map((x) => x.getAttribute('aria-label')));
    // As a user marks exactly these rows: a click on the first (again when
    // it took the mark of the row that had it), Ctrl or Shift on the others.
    const markieren = async (erster, ...weitere) => {
      await option(erster).click();
      if (!(await markiert()).includes(erster)) await option(erster).click();
      for (const [i, n] of weitere.entries())
        await option(n).click({ modifiers: [i % 2 ? 'Shift' : 'Control'] });
    };
    const befehl = async (menuName, name) => {
      await menue(menuName).click();
      await punkt(menuName, name).click();
    };
    const meldung = seite.getByRole('alertdialog');
    const bild = () => seite.evaluate(() => document.getElementById('ansicht').toDataURL());
    const gezeichnet = async (vorher) => {
      await seite.waitForFunction(
        (n) => Number(document.getElementById('ansicht').dataset.gezeichnet || 0) > n,
        vorher);
    };
    const zeichnungen = () => seite.evaluate(
      () => Number(document.getElementById('ansicht').dataset.gezeichnet || 0));
    const speichern = async () => {
      const [download] = await Promise.all([seite.waitForEvent('download'),
                                            befehl('Datei', 'Speichern')]);
      const datei = await download.path();
      return { name: download.suggestedFilename(), bytes: fs.readFileSync(datei) };
    };

    await pruefen('the page loads and draws its view', async () => {
      const start = Date.now();
      await seite.goto(basis);
      await seite.waitForSelector('body[data-bereit=ja]');
      await gezeichnet(0);
      console.log(`     first view drawn ${Date.now() - start} ms after navigation`);
      // The view is the page's first canvas.
      assert.strictEqual(await seite.locator('canvas').first().getAttribute('aria-label'),
                         '3D-Ansicht');
    });

    await pruefen('the menu bar: the command table\'s menus, mnemonics underlined', async () => {
      const oben = await menueleiste.locator(':scope > li > [role=menuitem]')
        .evaluateAll((k) => k.map((x) => x.getAttribute('aria-label')));
      assert.deepStrictEqual(oben, ['Datei', 'Bearbeiten', 'Festlegen', 'Konstruieren',
                                    'Abbilden', 'Messen', 'Ansicht', 'Fenster', 'Hilfe']);
      assert.strictEqual(await menue('Datei').locator('u').textContent(), 'D');
      assert.strictEqual(await menue('Festlegen').locator('u').textContent(), 'e');
      await menue('Datei').click();
      assert.strictEqual(await menue('Datei').getAttribute('aria-expanded'), 'true');
      assert.strictEqual(await punkt('Datei', 'Öffnen...').locator('u').textContent(), 'f');
      await seite.keyboard.press('Escape');
      assert.strictEqual(await menue('Datei').getAttribute('aria-expanded'), 'false');
      // Nothing marked: nothing offered; undo has nothing to undo.
      await menue('Konstruieren').click();
      assert.strictEqual(await punkt('Konstruieren', 'Schneiden').getAttribute('aria-disabled'),
                         'true');
      await seite.keyboard.press('Escape');
      await menue('Bearbeiten').click();
      const rueck = punkt('Bearbeiten', 'Rückgängig');
      assert.strictEqual(await rueck.getAttribute('aria-disabled'), 'true');
      assert.strictEqual(await rueck.getAttribute('aria-keyshortcuts'), 'Control+R Control+Z');
      await seite.keyboard.press('Escape');
    });

    await pruefen('"Öffnen..." reads the Abitur document through the file input', async () => {
      const [wahl] = await Promise.all([seite.waitForEvent('filechooser'),
                                        befehl('Datei', 'Öffnen...')]);
      await wahl.setFiles(abitur);
      await seite.waitForFunction(() => document.getElementById('titel').textContent === 'abitur.kvr');
      assert.deepStrictEqual(await namen(), ['A', 'B', 'C', 'S', 'E', 'ABC', 'Py', 'l', 'F', 'SF']);
      const beschreibung = await option('S').evaluate(
        (o) => document.getElementById(o.getAttribute('aria-describedby')).textContent);
      assert.match(beschreibung, /^Punkt: /);
      assert.deepStrictEqual(await markiert(), []);
    });

    await pruefen('saved at once, the download is what the desktop wrote', async () => {
      const { name, bytes } = await speichern();
      assert.strictEqual(name, 'abitur.kvr');
      assert.ok(bytes.equals(fs.readFileSync(abitur)), 'bytes differ from kalvorin-tool save');
    });

    await pruefen('clicks mark rows, Ctrl adds; "Schneiden" runs on them', async () => {
      await markieren('l', 'E');
      assert.deepStrictEqual(await markiert(), ['E', 'l']);
      await menue('Konstruieren').click();
      // "&Schneiden" offers itself for a line and a plane as their point.
      const schneiden = punkt('Konstruieren', 'Schnittpunkt bilden');
      assert.strictEqual(await schneiden.getAttribute('id'), 'menue-Schneiden');
      assert.strictEqual(await schneiden.getAttribute('aria-disabled'), null);
      assert.strictEqual(await schneiden.locator('u').textContent(), 'S');
      await schneiden.click();
      if (await meldung.isVisible()) await meldung.getByRole('button', { name: 'OK' }).click();
      assert.strictEqual(await optionen().count(), 11);
    });

    await pruefen('a measurement\'s message, with its exact line, in an alert dialog', async () => {
      await markieren('S', 'F');
      assert.deepStrictEqual(await markiert(), ['S', 'F']);
      // For two points "&Länge" offers itself as "&Abstand".
      await befehl('Messen', 'Abstand');
      await meldung.waitFor();
      const text = (await seite.locator('#meldungstext').textContent()).trim();
      const erwartet = fs.readFileSync(path.join(vorlagen, 'abitur_laenge_SF.txt'), 'utf8').trim();
      assert.strictEqual(text, erwartet);
      assert.match(text, /exakt: /);
      assert.strictEqual(await meldung.getAttribute('aria-describedby'), 'meldungstext');
      await meldung.getByRole('button', { name: 'OK' }).click();
      assert.ok(!(await meldung.isVisible()));
    });

    await pruefen('a construction, undone from the menu and done again by Ctrl+Y', async () => {
      await markieren('S', 'E');
      assert.deepStrictEqual(await markiert(), ['S', 'E']);
      await befehl('Konstruieren', 'Lotgerade bilden');
      assert.strictEqual(await optionen().count(), 12);
      await menue('Bearbeiten').click();
      const rueck = menueleiste.getByRole('menuitem', { name: /^Rückgängig: / });
      assert.strictEqual(await rueck.getAttribute('aria-disabled'), null);
      await rueck.click();
      assert.strictEqual(await optionen().count(), 11);
      await menue('Bearbeiten').click();
      const wieder = menueleiste.getByRole('menuitem', { name: /^Wiederholen: / });
      assert.strictEqual(await wieder.getAttribute('aria-disabled'), null);
      await seite.keyboard.press('Escape');
      await seite.locator('#ansicht').focus();
      await seite.keyboard.press('Control+Y');
      assert.strictEqual(await optionen().count(), 12);
    });

    await pruefen('saved after the steps: the bytes the desktop writes', async () => {
      await markieren('S', 'F');
      const { bytes } = await speichern();
      assert.ok(bytes.equals(fs.readFileSync(path.join(vorlagen, 'abitur_nach.kvr'))),
                'bytes differ from kalvorin-tool apply');
    });

    await pruefen('the Heftansicht is switched on and off from its menu', async () => {
      const vorher = await bild();
      const n = await zeichnungen();
      await menue('Ansicht').click();
      assert.strictEqual(await schalter('Ansicht', 'Heftansicht').getAttribute('aria-checked'),
                         'false');
      await schalter('Ansicht', 'Heftansicht').click();
      await gezeichnet(n);
      assert.notStrictEqual(await bild(), vorher);
      await menue('Ansicht').click();
      assert.strictEqual(await schalter('Ansicht', 'Heftansicht').getAttribute('aria-checked'),
                         'true');
      const m = await zeichnungen();
      await schalter('Ansicht', 'Heftansicht').click();
      await gezeichnet(m);
      assert.strictEqual(await bild(), vorher);
    });

    await pruefen('a drag turns the view, the wheel zooms it', async () => {
      const flaeche = await seite.locator('#ansicht').boundingBox();
      const mx = flaeche.x + flaeche.width / 2, my = flaeche.y + flaeche.height / 2;
      const vorher = await bild();
      let n = await zeichnungen();
      await seite.mouse.move(mx, my);
      await seite.mouse.down();
      await seite.mouse.move(mx + 60, my + 20, { steps: 4 });
      await seite.mouse.up();
      await gezeichnet(n);
      const gedreht = await bild();
      assert.notStrictEqual(gedreht, vorher);
      n = await zeichnungen();
      await seite.mouse.wheel(0, -100);
      await gezeichnet(n);
      assert.notStrictEqual(await bild(), gedreht);
    });

    await pruefen('the keyboard: Alt and a mnemonic open a menu, arrows walk it', async () => {
      await markieren('S');
      await seite.locator('#ansicht').focus();
      await seite.keyboard.press('Alt+m');
      assert.strictEqual(await menue('Messen').getAttribute('aria-expanded'), 'true');
      const fokus = () => seite.evaluate(() => document.activeElement.getAttribute('aria-label'));
      assert.strictEqual(await fokus(), 'Winkel');
      await seite.keyboard.press('ArrowDown');
      assert.strictEqual(await fokus(), 'Länge');
      await seite.keyboard.press('ArrowRight');
      assert.strictEqual(await menue('Ansicht').getAttribute('aria-expanded'), 'true');
      await seite.keyboard.press('Escape');
    });

    await pruefen('nothing was asked of another host, and the page threw nothing', async () => {
      assert.deepStrictEqual(fremd, []);
      assert.deepStrictEqual(fehler, []);
    });

    if (bilder) {
      await pruefen('screenshots', async () => {
        fs.mkdirSync(bilder, { recursive: true });
        await markieren('l', 'E');
        await seite.screenshot({ path: path.join(bilder, 'seite-1280x800.png') });
        await menue('Konstruieren').click();
        await seite.screenshot({ path: path.join(bilder, 'seite-1280x800-menue.png') });
        await seite.keyboard.press('Escape');
        await markieren('S', 'F');
        await befehl('Messen', 'Abstand');
        await meldung.waitFor();
        await seite.screenshot({ path: path.join(bilder, 'seite-1280x800-meldung.png') });
        await meldung.getByRole('button', { name: 'OK' }).click();
        const tablet = await b.newContext({ viewport: { width: 1024, height: 768 },
                                            hasTouch: true, isMobile: false,
                                            deviceScaleFactor: 2, locale: 'de-DE' });
        const t = await tablet.newPage();
        await t.goto(basis);
        await t.waitForSelector('body[data-bereit=ja]');
        const [wahl] = await Promise.all([t.waitForEvent('filechooser'),
          (async () => {
            await t.getByRole('menuitem', { name: 'Datei', exact: true }).tap();
            await t.getByRole('menuitem', { name: 'Öffnen...', exact: true }).tap();
          })()]);
        await wahl.setFiles(abitur);
        await t.waitForFunction(() => document.getElementById('titel').textContent === 'abitur.kvr');
        await t.getByRole('option', { name: 'S', exact: true }).tap();
        await t.waitForTimeout(100);
        await t.screenshot({ path: path.join(bilder, 'seite-1024x768-touch.png') });
        await t.getByRole('menuitem', { name: 'Ansicht', exact: true }).tap();
        await t.getByRole('menuitemcheckbox', { name: 'Heftansicht', exact: true }).tap();
        await t.waitForTimeout(100);
        await t.screenshot({ path: path.join(bilder, 'seite-1024x768-heftansicht.png') });
        await tablet.close();
      });
    }
    fertig = true;
  } finally {
    await b.close();
    server.close();
  }
  const bestanden = ergebnisse.filter((x) => x).length;
  const gescheitert = ergebnisse.length - bestanden;
  console.log(`${bestanden} passed, ${gescheitert} failed`);
  process.exit(fertig && gescheitert === 0 ? 0 : 1);
})().catch((e) => {
  console.log('FAIL ' + (e.stack || e));
  console.log('0 passed, 1 failed');
  process.exit(1);
});
