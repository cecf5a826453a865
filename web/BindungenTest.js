'use strict';
// The page's bindings under node, on a 2D context that records its calls:
//   node --no-experimental-fetch BindungenTest.js SITE/kalvorin.js KORPUS ABITUR.kvr
// A document is read as the page reads it (its bytes into the module's file
// system), drawn, turned and drawn again; a broken file gives its message.
// On the Abitur document the menu, the object list, marking, commands, undo
// and redo, messages and saving go the way the page uses them.
const fs = require('fs');
const path = require('path');
const assert = require('assert');

const [modulDatei, korpus, abiturDatei] = process.argv.slice(2);

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
  pruefen('at twice the pixel ratio the picture is the same, twice as large', () => {
    const zwei = Aufzeichnung(1600, 1200);
    d.zeichnen(zwei.kontext, 1600, 1200, 2);
    // The size of the font each name is first written in.
    const schriften = (b) => {
      let schrift = 0;
      const r = new Map();
      for (const c of b) {
        if (c[0] === '=font') schrift = parseInt(c[1], 10);
        if (c[0] === 'fillText' && !r.has(c[1])) r.set(c[1], schrift);
      }
      return r;
    };
    const einfach = schriften(bild), doppelt = schriften(zwei.aufrufe);
    assert.deepStrictEqual([...doppelt.keys()].sort(), [...einfach.keys()].sort());
    for (const [text, px] of doppelt) {
      assert.ok(Math.abs(px - 2 * einfach.get(text)) <= 2,
                `${text}: ${px} px beside ${einfach.get(text)} px`);
    }
  });
  pruefen('a drag turns the view', () => {
    d.drehen(400, 300, 460, 300, 800, 600, false);
    const gedreht = zeichnen(d);
    const linien = (b) => JSON.stringify(b.filter((c) => c[0] === 'lineTo'));
    assert.notStrictEqual(linien(gedreht), linien(bild));
  });
  pruefen('a file with broken elements is not taken as read, and says so', () => {
    const kaputt = new modul.Dokument();
    assert.notStrictEqual(laden(kaputt, 'einlesefehler'), 'gelesen');
    assert.match(kaputt.meldungen(), /Einlesefehler/);
  });

  const a = new modul.Dokument();
  modul.FS.writeFile('/dokumente/abitur.kvr', fs.readFileSync(abiturDatei));
  const menue = () => new Map(a.menue().map((z) => [z.name, z]));
  const namen = () => a.objekte().map((z) => z.name);
  const zeileVon = (name) => a.objekte().find((z) => z.name === name).zeile;
  const markiert = () => a.objekte().filter((z) => z.markiert).map((z) => z.name);
  // As a user marks exactly these: a click on the first (a second one when
  // the first click took the mark of a row that had it), Ctrl on the others.
  const markieren = (...namen) => {
    a.zeileKlicken(zeileVon(namen[0]), false);
    if (!markiert().includes(namen[0])) a.zeileKlicken(zeileVon(namen[0]), false);
    for (const n of namen.slice(1)) a.zeileKlicken(zeileVon(n), true);
  };
  pruefen('the Abitur document is read, its rows named by the elements', () => {
    assert.strictEqual(a.laden('/dokumente/abitur.kvr'), 'gelesen');
    assert.strictEqual(a.meldungen(), '');
    assert.deepStrictEqual(namen(), ['A', 'B', 'C', 'S', 'E', 'ABC', 'Py', 'l', 'F', 'SF']);
    const s = a.objekte().find((z) => z.name === 'S');
    assert.strictEqual(s.art, 'Punkt');
    assert.match(s.beschreibung, /4/);
    assert.strictEqual(a.beschriftung(), 'abitur.kvr');
    assert.strictEqual(a.dateiname(), 'abitur.kvr');
  });
  pruefen('the menu: every row of the table, captions and states as the desktop has them', () => {
    const zeilen = a.menue();
    assert.deepStrictEqual(zeilen.slice(0, 3).map((z) => [z.art, z.name, z.menue, z.titel]),
      [['menue', 'Datei', '', '&Datei'], ['befehl', 'Neu', 'Datei', '&Neu'],
       ['befehl', 'Oeffnen', 'Datei', 'Ö&ffnen...']]);
    const m = menue();
    assert.strictEqual(m.get('Rueckgaengig').titel, 'Rückgängig');
    assert.strictEqual(m.get('Rueckgaengig').taste, 'Ctrl+R');
    assert.deepStrictEqual(m.get('Rueckgaengig').tasten, ['Ctrl+R', 'Ctrl+Z']);
    assert.strictEqual(m.get('Rueckgaengig').aktiv, false);
    assert.strictEqual(m.get('Schneiden').aktiv, false, 'nothing is marked');
    assert.strictEqual(m.get('Speichern').aktiv, true);
    assert.strictEqual(m.get('Pspiegeln').sichtbar, false);
    assert.strictEqual(m.get('Heftansicht').haken, false);
    assert.strictEqual(m.get('Neu').haken, null);
    assert.ok(zeilen.some((z) => z.art === 'trenner'));
  });
  pruefen('a click marks one row, Ctrl adds the next, and the offers follow', () => {
    assert.ok(a.zeileKlicken(zeileVon('l'), false));
    assert.ok(a.zeileKlicken(zeileVon('E'), true));
    assert.deepStrictEqual(a.objekte().filter((z) => z.markiert).map((z) => z.name), ['E', 'l']);
    assert.strictEqual(menue().get('Schneiden').aktiv, true);
    assert.strictEqual(menue().get('Loeschen').aktiv, true);
    assert.ok(a.zeileKlicken(zeileVon('S'), false));
    assert.deepStrictEqual(markiert(), ['S']);
    assert.ok(a.zeileKlicken(zeileVon('S'), false));
    assert.deepStrictEqual(markiert(), [], 'a click on the one marked row takes its mark');
  });
  pruefen('a construction, undone and done again', () => {
    markieren('S', 'E');
    assert.strictEqual(a.ausfuehren('Loteerzeugen'), '');
    assert.strictEqual(a.elementanzahl(), 11);
    const rueck = menue().get('Rueckgaengig');
    assert.ok(rueck.aktiv && rueck.titel.startsWith('Rückgängig: '), rueck.titel);
    assert.strictEqual(a.ausfuehren('Rueckgaengig'), '');
    assert.strictEqual(a.elementanzahl(), 10);
    const wieder = menue().get('Wiederholen');
    assert.ok(wieder.aktiv && wieder.titel.startsWith('Wiederholen: '), wieder.titel);
    assert.strictEqual(a.ausfuehren('Wiederholen'), '');
    assert.strictEqual(a.elementanzahl(), 11);
  });
  pruefen('a measurement says its value with the exact one', () => {
    a.meldungen();
    markieren('S', 'F');
    assert.deepStrictEqual(markiert(), ['S', 'F']);
    assert.strictEqual(menue().get('MessLaenge').titel, '&Abstand');
    assert.strictEqual(a.ausfuehren('MessLaenge'), '');
    assert.strictEqual(a.meldungen().trim(), fs.readFileSync(
      path.join(path.dirname(abiturDatei), 'abitur_laenge_SF.txt'), 'utf8').trim());
  });
  pruefen('the Heftansicht switches, the rows the page runs come back', () => {
    assert.strictEqual(a.ausfuehren('Heftansicht'), '');
    assert.strictEqual(menue().get('Heftansicht').haken, true);
    assert.strictEqual(a.ausfuehren('Heftansicht'), '');
    assert.strictEqual(menue().get('Heftansicht').haken, false);
    assert.strictEqual(a.ausfuehren('Oeffnen'), 'Oeffnen');
    assert.strictEqual(a.ausfuehren('Speichern'), 'Speichern');
    assert.strictEqual(a.ausfuehren('Gibtsnicht'), 'Gibtsnicht');
  });
  pruefen('saved and read again, the document is the same', () => {
    assert.ok(a.speichern('/dokumente/gespeichert.kvr'));
    const bytes = modul.FS.readFile('/dokumente/gespeichert.kvr');
    assert.ok(bytes.length > 200);
    const b = new modul.Dokument();
    assert.strictEqual(b.laden('/dokumente/gespeichert.kvr'), 'gelesen');
    assert.deepStrictEqual(b.objekte(), a.objekte());
    assert.ok(b.speichern('/dokumente/wieder.kvr'));
    assert.deepStrictEqual(modul.FS.readFile('/dokumente/wieder.kvr'), bytes);
  });

  console.log(Fehler.length ? Fehler.length + ' failed' : 'all passed');
  process.exit(Fehler.length ? 1 : 0);
});
