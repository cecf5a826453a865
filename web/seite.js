'use strict';
// Opens a .kvr file from the device and shows its view; dragging the view
// (mouse, pen or finger) turns it. Nothing leaves the device: the file is
// read in the page and given to the core in the module's own file system.
KalvorinModul().then((modul) => {
  const leinwand = document.getElementById('ansicht');
  const kontext = leinwand.getContext('2d');
  const dokument = new modul.Dokument();
  let geplant = false;

  // The canvas in device pixels, so that lines stay sharp on any screen.
  function zeichnen() {
    geplant = false;
    const verhaeltnis = window.devicePixelRatio || 1;
    const breite = Math.max(1, Math.round(leinwand.clientWidth * verhaeltnis));
    const hoehe = Math.max(1, Math.round(leinwand.clientHeight * verhaeltnis));
    if (leinwand.width !== breite || leinwand.height !== hoehe) {
      leinwand.width = breite;
      leinwand.height = hoehe;
    }
    dokument.zeichnen(kontext, breite, hoehe, verhaeltnis);
  }
  function neuZeichnen() {
    if (!geplant) {
      geplant = true;
      requestAnimationFrame(zeichnen);
    }
  }

  function melden(text) {
    if (!text) return;
    document.getElementById('meldungstext').textContent = text;
    document.getElementById('meldung').showModal();
  }

  let ordnerAngelegt = false;
  document.getElementById('datei').addEventListener('change', async (e) => {
    const datei = e.target.files[0];
    if (!datei) return;
    const inhalt = new Uint8Array(await datei.arrayBuffer());
    if (!ordnerAngelegt) {
      modul.FS.mkdir('/dokumente');
      ordnerAngelegt = true;
    }
    const pfad = '/dokumente/' + datei.name.replace(/\//g, '_');
    modul.FS.writeFile(pfad, inhalt);
    const ergebnis = dokument.laden(pfad);
    modul.FS.unlink(pfad);
    if (ergebnis !== 'nichts') document.getElementById('titel').textContent = datei.name;
    melden(dokument.meldungen());
    e.target.value = '';
    neuZeichnen();
  });

  let zuletzt = null;
  leinwand.addEventListener('pointerdown', (e) => {
    zuletzt = { x: e.offsetX, y: e.offsetY };
    leinwand.setPointerCapture(e.pointerId);
  });
  leinwand.addEventListener('pointermove', (e) => {
    if (!zuletzt) return;
    const v = window.devicePixelRatio || 1;
    dokument.drehen(zuletzt.x * v, zuletzt.y * v, e.offsetX * v, e.offsetY * v,
                    leinwand.width, leinwand.height);
    zuletzt = { x: e.offsetX, y: e.offsetY };
    neuZeichnen();
  });
  const loslassen = () => { zuletzt = null; };
  leinwand.addEventListener('pointerup', loslassen);
  leinwand.addEventListener('pointercancel', loslassen);

  new ResizeObserver(neuZeichnen).observe(leinwand);
  neuZeichnen();
});
