'use strict';
// Kalvorin in the browser: the main menu built from the command table with
// the desktop's captions, shortcuts, enabled states and offers, the object
// list, the view, and the messages. Everything the page shows comes from the
// core (kalvorin.js); the page only lays it out and passes mouse, touch and
// keys on. Nothing leaves the device: a file is read in the page and given
// to the core in the module's own file system, and saving hands the bytes
// the core wrote back to the browser as a download.
KalvorinModul().then((modul) => {
  const leinwand = document.getElementById('ansicht');
  const kontext = leinwand.getContext('2d');
  const leiste = document.getElementById('menueleiste');
  const liste = document.getElementById('objektliste');
  const beschreibungen = document.getElementById('objektbeschreibungen');
  const mehrfachwahl = document.getElementById('mehrfach');
  const meldung = document.getElementById('meldung');
  const dateiwahl = document.getElementById('datei');
  const einfuegewahl = document.getElementById('einfuegedatei');
  // The decimal separator of the browser's language, as the desktop takes
  // the system's.
  modul.dezimaltrennerSetzen((1.5).toLocaleString(navigator.language).includes(',') ? ',' : '.');
  const dokument = new modul.Dokument();
  modul.FS.mkdir('/dokumente');

  // --- Drawing -----------------------------------------------------------
  // The canvas in device pixels, so that lines stay sharp on any screen.
  let geplant = false;
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
    leinwand.dataset.gezeichnet = String(Number(leinwand.dataset.gezeichnet || 0) + 1);
  }
  function neuZeichnen() {
    if (!geplant) {
      geplant = true;
      requestAnimationFrame(zeichnen);
    }
  }

  // --- Messages ----------------------------------------------------------
  const wartend = [];
  function melden(text) {
    if (!text) return;
    if (meldung.open) {
      wartend.push(text);
      return;
    }
    // The core frames some messages by line breaks; the box has its own.
    document.getElementById('meldungstext').textContent = text.replace(/^\n+|\n+$/g, '');
    meldung.showModal();
  }
  meldung.addEventListener('close', () => {
    if (wartend.length) melden(wartend.shift());
    else leinwand.focus();
  });

  // --- Captions ----------------------------------------------------------
  // "Ö&ffnen..." is shown as "Öffnen..." with the f underlined; "&&" is an
  // ampersand. Returns the plain text and the mnemonic (lower case, or '').
  function ohneKuerzel(titel) {
    let text = '';
    let kuerzel = '';
    for (let i = 0; i < titel.length; ++i) {
      if (titel[i] === '&' && i + 1 < titel.length) {
        ++i;
        if (titel[i] !== '&' && !kuerzel) kuerzel = titel[i].toLowerCase();
      }
      text += titel[i];
    }
    return { text, kuerzel };
  }
  function titelSetzen(knopf, titel) {
    const { text, kuerzel } = ohneKuerzel(titel);
    const beschriftung = knopf.querySelector('.beschriftung');
    beschriftung.replaceChildren();
    const stelle = titel.search(/&[^&]/);
    if (stelle >= 0) {
      const vor = ohneKuerzel(titel.slice(0, stelle)).text;
      const u = document.createElement('u');
      u.textContent = text[vor.length];
      beschriftung.append(vor, u, text.slice(vor.length + 1));
    } else {
      beschriftung.textContent = text;
    }
    knopf.setAttribute('aria-label', text);
    knopf.dataset.kuerzel = kuerzel;
  }

  // --- Menus -------------------------------------------------------------
  // Built once from the command table's rows; each time a menu opens, and
  // after every command, the captions and states are read again, as the
  // desktop refreshes its menus before they open.
  const punkte = new Map(); // row name -> { zeile, knopf, li }
  function menueBauen() {
    const menues = new Map([['', leiste]]);
    for (const zeile of dokument.menue()) {
      const eltern = menues.get(zeile.menue);
      const li = document.createElement('li');
      if (zeile.art === 'trenner') {
        li.setAttribute('role', 'separator');
        eltern.append(li);
        if (zeile.name) punkte.set(zeile.name, { zeile, li });
        continue;
      }
      li.setAttribute('role', 'none');
      const knopf = document.createElement('button');
      knopf.type = 'button';
      knopf.tabIndex = -1;
      knopf.id = 'menue-' + zeile.name;
      knopf.dataset.name = zeile.name;
      const beschriftung = document.createElement('span');
      beschriftung.className = 'beschriftung';
      knopf.append(beschriftung);
      li.append(knopf);
      if (zeile.art === 'menue') {
        knopf.setAttribute('role', 'menuitem');
        knopf.setAttribute('aria-haspopup', 'menu');
        knopf.setAttribute('aria-expanded', 'false');
        const menue = document.createElement('ul');
        menue.setAttribute('role', 'menu');
        menue.id = 'menue-' + zeile.name + '-punkte';
        menue.setAttribute('aria-labelledby', knopf.id);
        knopf.setAttribute('aria-controls', menue.id);
        li.append(menue);
        li.className = zeile.menue ? 'untermenue' : 'hauptmenue';
        menues.set(zeile.name, menue);
      } else {
        knopf.setAttribute('role', zeile.haken === null ? 'menuitem' : 'menuitemcheckbox');
        if (zeile.taste) {
          const taste = document.createElement('span');
          taste.className = 'taste';
          taste.setAttribute('aria-hidden', 'true');
          taste.textContent = zeile.taste;
          knopf.append(taste);
          knopf.setAttribute('aria-keyshortcuts', zeile.tasten.join(' ')
            .replace(/Ctrl/g, 'Control').replace(/Del/g, 'Delete')
            .replace(/PgUp/g, 'PageUp').replace(/PgDown/g, 'PageDown'));
        }
      }
      eltern.append(li);
      punkte.set(zeile.name, { zeile, knopf, li });
    }
    leiste.querySelector('.hauptmenue > button').tabIndex = 0;
  }
  function menueAktualisieren() {
    for (const zeile of dokument.menue()) {
      const p = punkte.get(zeile.name);
      if (!p) continue;
      p.zeile = zeile;
      p.li.hidden = !zeile.sichtbar;
      if (!p.knopf) continue;
      titelSetzen(p.knopf, zeile.titel);
      if (zeile.aktiv) p.knopf.removeAttribute('aria-disabled');
      else p.knopf.setAttribute('aria-disabled', 'true');
      if (zeile.haken !== null) p.knopf.setAttribute('aria-checked', String(zeile.haken));
    }
  }

  let offen = null; // the open menu of the menu bar (its li)
  function menueSchliessen(zurAnsicht = false) {
    for (const li of leiste.querySelectorAll('li.offen')) {
      li.classList.remove('offen');
      li.querySelector(':scope > button').setAttribute('aria-expanded', 'false');
    }
    offen = null;
    if (zurAnsicht) leinwand.focus();
  }
  function menueOeffnen(li, ersterPunkt = false) {
    if (!li.parentElement.closest('li')) {
      menueSchliessen();
      menueAktualisieren();
      offen = li;
    } else {
      for (const anderes of li.parentElement.querySelectorAll(':scope > li.offen')) {
        anderes.classList.remove('offen');
        anderes.querySelector(':scope > button').setAttribute('aria-expanded', 'false');
      }
    }
    li.classList.add('offen');
    const knopf = li.querySelector(':scope > button');
    knopf.setAttribute('aria-expanded', 'true');
    if (ersterPunkt) {
      const erster = sichtbarePunkte(li.querySelector(':scope > ul'))[0];
      if (erster) erster.focus();
    } else {
      knopf.focus();
    }
  }
  function sichtbarePunkte(menue) {
    return [...menue.querySelectorAll(':scope > li:not([hidden]) > button')];
  }

  function ausloesen(knopf) {
    const li = knopf.parentElement;
    if (knopf.getAttribute('aria-disabled') === 'true') return;
    if (li.querySelector(':scope > ul')) {
      if (li.classList.contains('offen') && !li.parentElement.closest('li')) menueSchliessen();
      else menueOeffnen(li, true);
      return;
    }
    menueSchliessen(true);
    befehl(knopf.dataset.name);
  }
  leiste.addEventListener('click', (e) => {
    const knopf = e.target.closest('button');
    if (knopf) ausloesen(knopf);
  });
  leiste.addEventListener('pointerover', (e) => {
    const knopf = e.target.closest('button');
    if (!knopf || !offen || e.pointerType === 'touch') return;
    const li = knopf.parentElement;
    if (li.classList.contains('hauptmenue') && li !== offen) menueOeffnen(li);
    else if (li.classList.contains('untermenue') && !li.classList.contains('offen')) {
      if (knopf.getAttribute('aria-disabled') !== 'true') menueOeffnen(li);
    } else if (!li.classList.contains('hauptmenue')) {
      // Another item of the same menu closes the submenu that was open.
      for (const anderes of li.parentElement.querySelectorAll(':scope > li.offen')) {
        if (anderes === li) continue;
        anderes.classList.remove('offen');
        anderes.querySelector(':scope > button').setAttribute('aria-expanded', 'false');
      }
    }
  });
  document.addEventListener('pointerdown', (e) => {
    if (offen && !leiste.contains(e.target)) menueSchliessen();
  });
  leiste.addEventListener('keydown', (e) => {
    const knopf = e.target.closest('button');
    if (!knopf) return;
    const li = knopf.parentElement;
    const hauptpunkt = li.classList.contains('hauptmenue');
    const menue = li.parentElement;
    const obere = [...leiste.querySelectorAll(':scope > li > button')];
    const nachbarHaupt = (schritt) => {
      const haupt = (offen || li.closest('.hauptmenue'));
      const i = obere.indexOf(haupt.querySelector(':scope > button'));
      const ziel = obere[(i + schritt + obere.length) % obere.length].parentElement;
      if (offen) menueOeffnen(ziel, true);
      else ziel.querySelector(':scope > button').focus();
    };
    const imMenue = (schritt) => {
      const punkteHier = sichtbarePunkte(menue);
      const i = punkteHier.indexOf(knopf);
      punkteHier[(i + schritt + punkteHier.length) % punkteHier.length].focus();
    };
    switch (e.key) {
    case 'ArrowDown':
      if (hauptpunkt) menueOeffnen(li, true);
      else imMenue(1);
      break;
    case 'ArrowUp':
      if (!hauptpunkt) imMenue(-1);
      break;
    case 'ArrowRight':
      if (li.classList.contains('untermenue') && knopf.getAttribute('aria-disabled') !== 'true')
        menueOeffnen(li, true);
      else nachbarHaupt(1);
      break;
    case 'ArrowLeft':
      if (!hauptpunkt && menue.parentElement.classList.contains('untermenue')) {
        const oben = menue.parentElement;
        oben.classList.remove('offen');
        oben.querySelector(':scope > button').setAttribute('aria-expanded', 'false');
        oben.querySelector(':scope > button').focus();
      } else {
        nachbarHaupt(-1);
      }
      break;
    case 'Enter':
    case ' ':
      ausloesen(knopf);
      break;
    case 'Escape':
      if (!hauptpunkt && menue.parentElement.classList.contains('untermenue')) {
        const oben = menue.parentElement;
        oben.classList.remove('offen');
        oben.querySelector(':scope > button').focus();
      } else {
        menueSchliessen(true);
      }
      break;
    case 'Tab':
      menueSchliessen();
      return;
    default: {
      // The underlined letter runs the item of the open menu.
      if (e.key.length !== 1 || e.ctrlKey || e.metaKey) return;
      const taste = e.key.toLowerCase();
      const bereich = hauptpunkt && !offen ? leiste : menue;
      const treffer = sichtbarePunkte(bereich).find((k) => k.dataset.kuerzel === taste);
      if (!treffer) return;
      if (e.altKey && bereich !== leiste) return;
      ausloesen(treffer);
    }
    }
    e.preventDefault();
    e.stopPropagation();
  });

  // --- Shortcuts ---------------------------------------------------------
  // The key in the command table's portable notation ("Ctrl+Shift+Z").
  function tastenname(e) {
    const namen = { Delete: 'Del', PageUp: 'PgUp', PageDown: 'PgDown', Escape: 'Esc' };
    let taste = namen[e.key] || e.key;
    if (taste.length === 1) taste = taste.toUpperCase();
    if (['Control', 'Shift', 'Alt', 'Meta'].includes(taste)) return '';
    return (e.ctrlKey || e.metaKey ? 'Ctrl+' : '') + (e.altKey ? 'Alt+' : '') +
      (e.shiftKey ? 'Shift+' : '') + taste;
  }
  document.addEventListener('keydown', (e) => {
    if (meldung.open || e.target.closest('#menueleiste') || e.target.tagName === 'INPUT') return;
    const name = tastenname(e);
    if (!name) return;
    menueAktualisieren();
    for (const p of punkte.values()) {
      if (!p.knopf || !p.zeile.tasten.includes(name)) continue;
      e.preventDefault();
      if (p.zeile.aktiv) befehl(p.zeile.name);
      return;
    }
    // Alt and the underlined letter open a menu of the menu bar.
    if (e.altKey && !e.ctrlKey && e.key.length === 1) {
      const taste = e.key.toLowerCase();
      const knopf = [...leiste.querySelectorAll(':scope > li > button')]
        .find((k) => k.dataset.kuerzel === taste);
      if (knopf && knopf.getAttribute('aria-disabled') !== 'true') {
        e.preventDefault();
        menueOeffnen(knopf.parentElement, true);
      }
    } else if (e.key === 'F10') {
      e.preventDefault();
      leiste.querySelector(':scope > li > button').focus();
    }
  });

  // --- Commands ----------------------------------------------------------
  // A row of the command table: the core runs it, or names it back for the
  // page (files and what the browser does itself).
  function befehl(name) {
    const rest = dokument.ausfuehren(name);
    if (rest) seitenbefehl(rest);
    nachBefehl();
  }
  function seitenbefehl(name) {
    switch (name) {
    case 'Oeffnen':
      dateiwahl.click();
      return;
    case 'Einfuegen':
      einfuegewahl.click();
      return;
    case 'Speichern':
    case 'Speichern_unter':
      herunterladen();
      return;
    case 'Vollbild':
      if (document.fullscreenElement) document.exitFullscreen();
      else document.documentElement.requestFullscreen?.();
      return;
    case 'Info':
      melden('Kalvorin - Analytische Geometrie\n\n' +
        'Diese Seite rechnet ganz in Ihrem Browser. Geöffnete und gespeicherte Dateien ' +
        'verlassen das Gerät nicht: Es gibt keinen Server außer dem, der diese Seite ' +
        'ausliefert, keine Anfrage an andere Rechner und keine Auswertung.');
      return;
    default: {
      const p = punkte.get(name);
      const titel = p ? ohneKuerzel(p.zeile.titel).text : name;
      melden('"' + titel + '" gibt es in der Browserfassung noch nicht.');
    }
    }
  }
  function nachBefehl() {
    objekteZeigen();
    menueAktualisieren();
    const beschriftung = dokument.beschriftung();
    document.getElementById('titel').textContent = beschriftung;
    document.title = 'Kalvorin - ' + beschriftung;
    document.getElementById('szenentext').textContent = dokument.szenentext();
    neuZeichnen();
    melden(dokument.meldungen());
  }

  // --- Files -------------------------------------------------------------
  async function dateiLesen(datei, einfuegen) {
    const inhalt = new Uint8Array(await datei.arrayBuffer());
    const pfad = '/dokumente/' + datei.name.replace(/[/\\]/g, '_');
    modul.FS.writeFile(pfad, inhalt);
    // The file stays: "Speichern" writes to it again.
    if (einfuegen) dokument.einfuegen(pfad);
    else dokument.laden(pfad);
    nachBefehl();
  }
  for (const [wahl, einfuegen] of [[dateiwahl, false], [einfuegewahl, true]]) {
    wahl.addEventListener('change', async () => {
      const datei = wahl.files[0];
      if (datei) await dateiLesen(datei, einfuegen);
      wahl.value = '';
    });
  }
  document.addEventListener('dragover', (e) => {
    if (e.dataTransfer && [...e.dataTransfer.types].includes('Files')) e.preventDefault();
  });
  document.addEventListener('drop', (e) => {
    const datei = e.dataTransfer && e.dataTransfer.files[0];
    if (!datei) return;
    e.preventDefault();
    dateiLesen(datei, false);
  });
  // The bytes the core writes, as a download under the document's name.
  function herunterladen() {
    const name = dokument.dateiname();
    const pfad = '/dokumente/' + name;
    if (!dokument.speichern(pfad)) return;
    const bytes = modul.FS.readFile(pfad);
    const verweis = document.createElement('a');
    verweis.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    verweis.download = name;
    document.body.append(verweis);
    verweis.click();
    verweis.remove();
    setTimeout(() => URL.revokeObjectURL(verweis.href), 60000);
  }

  // --- Object list -------------------------------------------------------
  // One option per row, named by the element's name, its kind and
  // description as its accessible description; aria-selected is the mark.
  let aktiveZeile = 0;
  function objekteZeigen() {
    const optionen = [];
    const texte = [];
    for (const z of dokument.objekte()) {
      const option = document.createElement('li');
      option.setAttribute('role', 'option');
      option.id = 'objekt-' + z.zeile;
      option.dataset.zeile = z.zeile;
      option.setAttribute('aria-label', z.name);
      option.setAttribute('aria-selected', String(z.markiert));
      option.setAttribute('aria-describedby', 'objektbeschreibung-' + z.zeile);
      option.title = z.art + '\n' + z.beschreibung;
      if (!z.sichtbar) option.classList.add('unsichtbar');
      const name = document.createElement('span');
      name.className = 'name';
      name.textContent = z.name;
      const art = document.createElement('span');
      art.className = 'art';
      art.textContent = z.art;
      option.append(name, art);
      optionen.push(option);
      const text = document.createElement('span');
      text.id = 'objektbeschreibung-' + z.zeile;
      text.textContent = z.art + ': ' + z.beschreibung;
      texte.push(text);
    }
    liste.replaceChildren(...optionen);
    beschreibungen.replaceChildren(...texte);
    if (aktiveZeile > optionen.length) aktiveZeile = optionen.length;
    aktiveZeileZeigen();
  }
  function aktiveZeileZeigen() {
    for (const o of liste.querySelectorAll('.aktiv')) o.classList.remove('aktiv');
    const option = document.getElementById('objekt-' + aktiveZeile);
    if (!option) {
      liste.removeAttribute('aria-activedescendant');
      return;
    }
    option.classList.add('aktiv');
    liste.setAttribute('aria-activedescendant', option.id);
    option.scrollIntoView({ block: 'nearest' });
  }
  function zeileKlicken(zeile, mehrfach) {
    aktiveZeile = zeile;
    dokument.zeileKlicken(zeile, mehrfach || mehrfachwahl.checked);
    nachBefehl();
  }
  liste.addEventListener('click', (e) => {
    const option = e.target.closest('[role=option]');
    if (option) zeileKlicken(Number(option.dataset.zeile), e.ctrlKey || e.metaKey || e.shiftKey);
  });
  liste.addEventListener('keydown', (e) => {
    const anzahl = liste.children.length;
    if (!anzahl) return;
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      aktiveZeile = Math.min(anzahl, Math.max(1, aktiveZeile + (e.key === 'ArrowDown' ? 1 : -1)));
      aktiveZeileZeigen();
    } else if (e.key === 'Home' || e.key === 'End') {
      aktiveZeile = e.key === 'Home' ? 1 : anzahl;
      aktiveZeileZeigen();
    } else if (e.key === ' ' && aktiveZeile > 0) {
      zeileKlicken(aktiveZeile, e.ctrlKey || e.metaKey || e.shiftKey);
    } else {
      return;
    }
    e.preventDefault();
    e.stopPropagation();
  });

  // --- The view: drag or swipe turns it, the wheel zooms ----------------
  let zuletzt = null;
  leinwand.addEventListener('pointerdown', (e) => {
    if (e.button !== 0) return;
    zuletzt = { x: e.offsetX, y: e.offsetY };
    leinwand.setPointerCapture(e.pointerId);
  });
  leinwand.addEventListener('pointermove', (e) => {
    if (!zuletzt) return;
    const v = window.devicePixelRatio || 1;
    dokument.drehen(zuletzt.x * v, zuletzt.y * v, e.offsetX * v, e.offsetY * v,
      leinwand.width, leinwand.height, e.shiftKey);
    zuletzt = { x: e.offsetX, y: e.offsetY };
    neuZeichnen();
  });
  const loslassen = () => { zuletzt = null; };
  leinwand.addEventListener('pointerup', loslassen);
  leinwand.addEventListener('pointercancel', loslassen);
  // As on the desktop: turning the wheel away zooms in ("Darstellungsbereich
  // verkleinern"), towards oneself out, one menu step per notch.
  let rad = 0;
  leinwand.addEventListener('wheel', (e) => {
    e.preventDefault();
    rad -= e.deltaY * (e.deltaMode === 1 ? 33 : e.deltaMode === 2 ? 100 : 1);
    const raste = 100;
    while (Math.abs(rad) >= raste) {
      const hinein = rad > 0;
      rad += hinein ? -raste : raste;
      dokument.ausfuehren(hinein ? 'ZoomIn' : 'Zoomout');
    }
    neuZeichnen();
  }, { passive: false });

  new ResizeObserver(neuZeichnen).observe(leinwand);
  menueBauen();
  nachBefehl();
  document.body.dataset.bereit = 'ja';
});
