// Defining mappings (roles on elements) and applying them to the marked
// elements, with one level of undo.

#include "befehle/Befehle.h"
#include "befehle/BefehleHilfen.h"
#include "geometry/Abbildung.h"

#include <vector>

namespace kalvorin {

using befehle::Markierte;

namespace {

// The roles of every element, to tell whether a definition changed anything.
struct TRollenStand {
    std::vector<std::array<bool, AnzahlRollen>> Rollen;
    std::vector<TDreiDBasisElement*> Vektoren;
    std::vector<Real> Faktoren;
    explicit TRollenStand(const TListe& l) {
        for (int i = 1; i <= l.Anzahl(); ++i) {
            Rollen.push_back(l[i]->Rollen);
            Vektoren.push_back(l[i]->Projektionsvektor);
            Faktoren.push_back(l[i]->Streckungsfaktor);
        }
    }
    bool operator==(const TRollenStand&) const = default;
};

// Runs the definition of roles; it counts as a modification only when a
// role, a projection vector or a factor really changed.
template <class Festlegen>
bool RollenFestlegen(TDokument& d, const char* schritt, Festlegen festlegen) {
    TAenderung wie;
    wie.Schritt = schritt;
    return d.Aendern(
        [&](TListe& l) {
            const TRollenStand vorher(l);
            festlegen(l);
            return !(TRollenStand(l) == vorher);
        },
        wie);
}

// Gives the role to the element alone among the elements of its kind.
void RolleGeben(TListe& l, TDreiDBasisElement& traeger, TRolle rolle, bool nurGleicheArt = true) {
    for (int i = 1; i <= l.Anzahl(); ++i)
        if (!nurGleicheArt || l[i]->Art == traeger.Art) l[i]->SetzeRolle(rolle, false);
    traeger.SetzeRolle(rolle, true);
}

} // namespace

bool Spiegelung(TDokument& d) {
    const TFall fall = Fall(d.Liste(), TBefehl::Spiegelung);
    if (fall == TFall::Keiner) return false;
    return RollenFestlegen(d, "Spiegelung festlegen", [fall](TListe& l) {
        if (fall == TFall::Punktspiegelung)
            RolleGeben(l, *Markierte(l, TElementart::DfrPunkt).back(), TRolle::IstSpiegelzentrum);
        else if (fall == TFall::Geradenspiegelung)
            RolleGeben(l, *Markierte(l, TElementart::DGerade).back(), TRolle::IstSpiegelAchse);
        else if (fall == TFall::Ebenenspiegelung)
            RolleGeben(l, *Markierte(l, TElementart::DEbene).back(), TRolle::IstSpiegelEbene);
    });
}

bool Projektion(TDokument& d) {
    const TFall fall = Fall(d.Liste(), TBefehl::Projektion);
    if (fall == TFall::Keiner) return false;
    return RollenFestlegen(d, "Projektion festlegen", [fall](TListe& l) {
        TDreiDBasisElement& ebene = *Markierte(l, TElementart::DEbene).back();
        if (fall == TFall::Orthogonalprojektion) {
            RolleGeben(l, ebene, TRolle::IstO_Projektionsebene);
            return;
        }
        // A marked arrow stands for its vector: the vector becomes the direction.
        TDreiDBasisElement& vektor = *Markierte(l, TElementart::DVektor).back();
        TDreiDBasisElement* vorherigerVektor = ebene.Projektionsvektor;
        RolleGeben(l, ebene, TRolle::IstP_Projektionsebene);
        RolleGeben(l, vektor, TRolle::IstP_ProjektionsVektor, false);
        ebene.Projektionsvektor = &vektor;
        if (const int f = ProjektionPruefen(ebene, vektor); f != KeinFehler) {
            Meldungen().Meldung(ProjektionMeldung(f, ebene.Name, vektor.Name),
                                TMeldungsart::Warnung);
            ebene.SetzeRolle(TRolle::IstP_Projektionsebene, false);
            ebene.Projektionsvektor = vorherigerVektor;
            // Without the plane the vector is the direction of nothing; a stale
            // flag would be saved and listed as a projection vector.
            vektor.SetzeRolle(TRolle::IstP_ProjektionsVektor, false);
        }
        // A plane without the role holds no projection vector: the undo copy
        // and the file keep it only with the role, so a stale one would make
        // undo change the document.
        for (int i = 1; i <= l.Anzahl(); ++i)
            if (!l[i]->Rolle(TRolle::IstP_Projektionsebene)) l[i]->Projektionsvektor = nullptr;
    });
}

namespace {

struct TAbbildungsArt {
    TRolle Rolle;
    TEntstehungsart Code;
    TRueckgaengigArt Rueckgaengig;
};

TAbbildungsArt ArtVon(TAbbildungsBefehl b) {
    switch (b) {
    case TAbbildungsBefehl::Pspiegeln:
        return {TRolle::IstSpiegelzentrum, TEntstehungsart::PSpiegelung,
                TRueckgaengigArt::Punktspiegelung};
    case TAbbildungsBefehl::Gspiegeln:
        return {TRolle::IstSpiegelAchse, TEntstehungsart::ASpiegelung,
                TRueckgaengigArt::Geradenspiegelung};
    case TAbbildungsBefehl::Espiegeln:
        return {TRolle::IstSpiegelEbene, TEntstehungsart::ESpiegelung,
                TRueckgaengigArt::Ebenenspiegelung};
    case TAbbildungsBefehl::Strecken:
        return {TRolle::IstStreckungszentrum, TEntstehungsart::Streckung,
                TRueckgaengigArt::Streckung};
    case TAbbildungsBefehl::Oprojezieren:
        return {TRolle::IstO_Projektionsebene, TEntstehungsart::O_Projektion,
                TRueckgaengigArt::Orthogonalprojektion};
    case TAbbildungsBefehl::Pprojezieren:
        break;
    }
    return {TRolle::IstP_Projektionsebene, TEntstehungsart::P_Projektion,
            TRueckgaengigArt::Parallelprojektion};
}

} // namespace

bool Abbilden(TDokument& d, TAbbildungsBefehl befehl) {
    const TAbbildungsArt art = ArtVon(befehl);
    TDreiDBasisElement* m = RollenTraeger(d.Liste(), art.Rolle);
    if (!m) return false;
    const TAbbildung abbildung = AbbildungVonElement(static_cast<int>(art.Code), *m);
    return d.Aendern(
        [&](TListe& l) {
            bool vollGemeldet = false;
            // Images are added behind the originals and are not mapped again.
            const int anzahl = l.Anzahl();
            for (int i = 1; i <= anzahl; ++i) {
                TDreiDBasisElement& x = *l[i];
                if (!x.markiert) continue;
                x.markiert = false;
                const TAbbildErgebnis r = AbbildErzeugen(l, x, abbildung);
                if (r.Fehler == FehlerAbbildungNullvektor || r.Fehler == FehlerProjektionParallel ||
                    r.Fehler == FehlerNichtAbbildbar) {
                    Meldungen().Meldung(AbbildenMeldung(x.Name), TMeldungsart::Warnung);
                } else if (r.Fehler == FehlerListeVoll && !vollGemeldet) {
                    Meldungen().Meldung(std::string(ListeVollMeldung), TMeldungsart::Warnung);
                    vollGemeldet = true;
                }
            }
            return true;
        },
        {TNeuaufbau::Immer, art.Rueckgaengig});
}

bool Pspiegeln(TDokument& d) {
    return Abbilden(d, TAbbildungsBefehl::Pspiegeln);
}
bool Gspiegeln(TDokument& d) {
    return Abbilden(d, TAbbildungsBefehl::Gspiegeln);
}
bool Espiegeln(TDokument& d) {
    return Abbilden(d, TAbbildungsBefehl::Espiegeln);
}
bool Strecken(TDokument& d) {
    return Abbilden(d, TAbbildungsBefehl::Strecken);
}
bool Oprojezieren(TDokument& d) {
    return Abbilden(d, TAbbildungsBefehl::Oprojezieren);
}
bool Pprojezieren(TDokument& d) {
    return Abbilden(d, TAbbildungsBefehl::Pprojezieren);
}

} // namespace kalvorin
