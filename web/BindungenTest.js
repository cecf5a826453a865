'use strict';
// The page's bindings under node, on a 2D context that records its calls:
//   node --no-experimental-fetch BindungenTest.js SITE/kalvorin.js KORPUS
// A document is read as the page reads it (its bytes into the module's file
// system), drawn, turned and drawn again; a broken file gives its message.
const fs = require('fs');
const path = require('path');
const assert = require('assert');

const [modulDatei, korpus] = process.argv.slice(2);

// A context that keeps every call with its arguments and every property set.
function Aufzeichnung(breite, hoehe) {
  const aufrufe = [];
  const kontext = new Proxy({ canvas: { width: breite, height: hoehe } }, {
    get(ziel, name) {
      if (name in ziel) return ziel[name];
      if (name === 'measureText') {
        return (text) => ({ width: 7 * String(text).length, fontBoundingBoxAscent: 90,
                            fontBoundingBoxDescent: 25 });
      }
      if (name === 'createPattern') return () => ({ muster: true });
      return (...argumente) => { aufrufe.push([name, ...argumente]); };
    },
    set(ziel, name, wert) {
      aufrufe.push(['=' + String(name), wert]);
      return true;
    },
  });
  return { kontext, aufrufe };
}
globalThis.document = {
  createElement: () => ({ getContext: () => Aufzeichnung(8, 8).kontext }),
};

const Fehler = [];
function pruefen(name, f) {
  try {
    f();
    console.log('ok   ' + name);
  } catch (e) {
    Fehler.push(name);
    console.log('FAIL ' + name + '\n     ' + e.message);
  }
}

require(path.resolve(modulDatei))().then((modul) => {
  modul.FS.mkdir('/dokumente');
  // The corpus is the document fuzzer's: each file's first byte steers the
  // fuzzer, the rest is the document.
  function laden(dokument, name) {
    const pfad = '/dokumente/' + name;
    modul.FS.writeFile(pfad, fs.readFileSync(path.join(korpus, name)).subarray(1));
    return dokument.laden(pfad);
  }
  function zeichnen(dokument) {
    const a = Aufzeichnung(800, 600);
    dokument.zeichnen(a.kontext, 800, 600, 1);
    return a.aufrufe;
  }

  const d = new modul.Dokument();
  pruefen('a whole file is read without a reading error', () => {
    assert.strictEqual(laden(d, 'alle_arten'), 'gelesen');
    assert.doesNotMatch(d.meldungen(), /Einlesefehler/);
    assert.ok(d.elementanzahl() > 10, 'elements: ' + d.elementanzahl());
  });

  const bild = zeichnen(d);
  pruefen('the view is drawn: white page, lines, fills, names', () => {
    assert.deepStrictEqual(bild.find((c) => c[0] === 'fillRect'), ['fillRect', 0, 0, 800, 600]);
    const zahl = (n) => bild.filter((c) => c[0] === n).length;
    assert.ok(zahl('stroke') > 10, 'strokes: ' + zahl('stroke'));
    assert.ok(zahl('fill') > 0, 'fills: ' + zahl('fill'));
    const namen = bild.filter((c) => c[0] === 'fillText').map((c) => c[1]);
    for (const n of ['A', 'B', 'C', 'E', 'g', 'Pf']) assert.ok(namen.includes(n), 'no name ' + n);
  });
  pruefen('every pen sets its dashes, and every point lies on the canvas', () => {
    const striche = bild.filter((c) => c[0] === 'setLineDash');
    assert.ok(striche.length > 0 && striche.every((c) => c[1].every(Number.isFinite)));
    for (const c of bild.filter((c) => c[0] === 'moveTo' || c[0] === 'lineTo')) {
      assert.ok(Number.isFinite(c[1]) && Number.isFinite(c[2]), JSON.stringify(c));
    }
    const texte = bild.filter((c) => c[0] === 'fillText');
    assert.ok(texte.every((c) => c[2] >= 0 && c[2] <= 800 && c[3] >= 0 && c[3] <= 600));
  });
  pruefen('a drag turns the view', () => {
    d.drehen(400, 300, 460, 300, 800, 600);
    const gedreht = zeichnen(d);
    const linien = (b) => JSON.stringify(b.filter((c) => c[0] === 'lineTo'));
    assert.notStrictEqual(linien(gedreht), linien(bild));
  });
  pruefen('a file with broken elements is not taken as read, and says so', () => {
    const kaputt = new modul.Dokument();
    assert.notStrictEqual(laden(kaputt, 'einlesefehler'), 'gelesen');
    assert.match(kaputt.meldungen(), /Einlesefehler/);
  });

  console.log(Fehler.length ? Fehler.length + ' failed' : 'all passed');
  process.exit(Fehler.length ? 1 : 0);
});
