#include "document/Angebote.h"

#include "model/Markierung.h"

#include <string_view>

namespace kalvorin {

namespace {

struct TZeile {
    std::string_view Muster;
    std::string_view Spalten; // one letter per column, '-' disables
};

// Creation: Punkt, Gerade, Ebene, Strecke, Pfeil, Vektor, Dreieck, Pyramide.
constexpr TZeile ErzeugenTabelle[] = {
    {"2-----", "-x-xxx--"}, {"3-----", "--x---x-"}, {"4-----", "--------"}, {"11----", "xxx-x---"},
    {"12----", "--x-----"}, {"--1---", "-----R--"}, {"--2---", "--x-----"}, {"1-1---", "--x-----"},
    {"---1--", "-----N--"}, {"1----1", "-------x"}, {"-11---", "--x-----"},
};

// Constructions: Schneiden, Lot, Mitte, Verknuepfen.
constexpr TZeile KonstruktionsTabelle[] = {
    {"2-----", "--M-"}, {"3-----", "--S-"}, {"1-1---", "IL--"}, {"1--1--", "IL--"},
    {"1---1-", "I---"}, {"--2---", "PLw-"}, {"---2--", "g-W-"}, {"--11--", "P---"},
    {"-2----", "---x"}, {"-3----", "---+"}, {"-1----", "---#"}, {"12----", "---p"},
    {"13----", "---p"},
};

// Mappings (short pattern): Spiegelung, Streckung, Projektion.
constexpr TZeile AbbildungsTabelle[] = {
    {"1---", "SX-"},
    {"--1-", "G--"},
    {"---1", "E-O"},
    {"-1-1", "--P"},
};

// Measurement (long pattern): Winkel, Laenge, Flaeche, Volumen; ' ' enables
// under the reset caption like 'x'.
constexpr TZeile MessTabelle[] = {
    {"2------", "-A--"}, {"3------", "--x-"}, {"4------", "---x"}, {"1-1----", "-A--"},
    {"1--1---", "-A--"}, {"1----1-", "---x"}, {"-1-----", "-B--"}, {"-2-----", "S-v-"},
    {"-3-----", "---D"}, {"--2----", "xA--"}, {"--11---", "x --"}, {"---2---", "x---"},
    {"----1--", "-x--"}, {"-----1-", "--x-"}, {"------1", "---x"},
};

const TZeile* Suche(const TZeile* anfang, const TZeile* ende, const std::string& muster) {
    for (const TZeile* z = anfang; z != ende; ++z)
        if (z->Muster == muster) return z;
    return nullptr;
}

std::string OhneKaufmannsUnd(std::string_view s) {
    std::string r;
    for (char c : s)
        if (c != '&') r += c;
    return r;
}

TAngebot& Befehl(TAngebote& a, TBefehl b) {
    return a.Befehle[static_cast<int>(b)];
}

void Setze(TAngebote& a, TBefehl b, std::string_view menue, std::string_view grafik = {},
           std::string_view liste = {}) {
    TAngebot& x = Befehl(a, b);
    x.aktiv = false;
    x.Menue = menue;
    x.GrafikPopup = grafik;
    x.ListenPopup = liste;
}

void Erzeugen(TAngebote& a) {
    struct TName {
        TBefehl Befehl;
        std::string_view Menue, Wort;
    };
    static constexpr TName namen[] = {
        {TBefehl::ErzPunkt, "&Punkt", "Punkt"},
        {TBefehl::ErzGerade, "&Gerade", "Gerade"},
        {TBefehl::ErzEbene, "&Ebene", "Ebene"},
        {TBefehl::ErzStrecke, "&Strecke", "Strecke"},
        {TBefehl::ErzPfeil, "P&feil", "Pfeil"},
        {TBefehl::ErzVektor, "&Vektor", "Vektor"},
        {TBefehl::ErzDreieck, "&Dreieck", "Dreieck"},
        {TBefehl::ErzPyramide, "&Pyramide", "Pyramide"},
    };
    for (const auto& n : namen) {
        const std::string wort(n.Wort);
        Setze(a, n.Befehl, n.Menue, wort + " durch markierte Objekte festlegen",
              wort + " festlegen");
    }
    const TZeile* z =
        Suche(std::begin(ErzeugenTabelle), std::end(ErzeugenTabelle), a.StandardMuster);
    if (!z) return;
    for (int i = 0; i < 8; ++i) {
        const char c = z->Spalten[i];
        if (c == '-') continue;
        TAngebot& x = Befehl(a, namen[i].Befehl);
        x.aktiv = true;
        if (namen[i].Befehl == TBefehl::ErzVektor && (c == 'R' || c == 'N')) {
            const std::string wort = c == 'R' ? "Richtungsvektor" : "Normalvektor";
            x.Menue = "&" + wort;
            x.GrafikPopup = wort + " durch markierte Objekte festlegen";
            x.ListenPopup = wort + " festlegen";
        }
    }
}

void Konstruieren(TAngebote& a) {
    Setze(a, TBefehl::Schneiden, "&Schneiden", "Schneiden", "Schneiden");
    Setze(a, TBefehl::Loteerzeugen, "&Lot erzeugen", "Lot erzeugen", "Lot erzeugen");
    Setze(a, TBefehl::Mittebilden, "&Mitte bilden", "Mitte bilden", "Mitte bilden");
    Setze(a, TBefehl::Verknuepfen, "&Verknüpfen");
    Setze(a, TBefehl::VSumme, "&Vektorsumme");
    Setze(a, TBefehl::VGegen, "&Gegenvektor");
    Setze(a, TBefehl::MVProdukt, "Vektor&produkt");
    const TZeile* z =
        Suche(std::begin(KonstruktionsTabelle), std::end(KonstruktionsTabelle), a.StandardMuster);
    if (!z) return;
    auto biete = [&a](TBefehl b, std::string_view menue) {
        TAngebot& x = Befehl(a, b);
        x.aktiv = true;
        if (!menue.empty()) {
            x.Menue = menue;
            if (!x.GrafikPopup.empty()) x.GrafikPopup = x.ListenPopup = OhneKaufmannsUnd(menue);
        }
    };
    switch (z->Spalten[0]) {
    case 'I':
        biete(TBefehl::Schneiden, "Auf &Inzidenz untersuchen");
        break;
    case 'P':
        biete(TBefehl::Schneiden, "&Schnittpunkt bilden");
        break;
    case 'g':
        biete(TBefehl::Schneiden, "&Schnittgerade bilden");
        break;
    default:
        break;
    }
    if (z->Spalten[1] == 'L') biete(TBefehl::Loteerzeugen, "&Lotgerade bilden");
    switch (z->Spalten[2]) {
    case 'M':
        biete(TBefehl::Mittebilden, "&Mittelpunkt bilden");
        break;
    case 'S':
        biete(TBefehl::Mittebilden, "&Schwerpunkt bilden");
        break;
    case 'w':
        biete(TBefehl::Mittebilden, "&Mittelgerade bilden");
        break;
    case 'W':
        biete(TBefehl::Mittebilden, "&Mittelebene bilden");
        break;
    default:
        break;
    }
    switch (z->Spalten[3]) {
    case 'x':
        biete(TBefehl::Verknuepfen, {});
        biete(TBefehl::VSumme, {});
        biete(TBefehl::MVProdukt, {});
        break;
    case '+':
        biete(TBefehl::Verknuepfen, {});
        biete(TBefehl::VSumme, {});
        break;
    case 'p':
        biete(TBefehl::Verknuepfen, {});
        biete(TBefehl::VSumme, "&Vektorsumme (Pfeil)");
        break;
    case '#':
        biete(TBefehl::Verknuepfen, {});
        biete(TBefehl::VGegen, {});
        break;
    default:
        break;
    }
}

void AbbildungenFestlegen(TAngebote& a) {
    Setze(a, TBefehl::Spiegelung, "Spiegelung festlegen");
    Setze(a, TBefehl::MStreckung, "Streckung festlegen");
    Setze(a, TBefehl::Projektion, "Projektion festlegen");
    const TZeile* z =
        Suche(std::begin(AbbildungsTabelle), std::end(AbbildungsTabelle), a.KurzMuster);
    if (!z) return;
    switch (z->Spalten[0]) {
    case 'S':
        Befehl(a, TBefehl::Spiegelung).Menue = "Punktspiegelung festlegen";
        break;
    case 'G':
        Befehl(a, TBefehl::Spiegelung).Menue = "Geradenspiegelung festlegen";
        break;
    case 'E':
        Befehl(a, TBefehl::Spiegelung).Menue = "Ebenenspiegelung festlegen";
        break;
    default:
        break;
    }
    switch (z->Spalten[2]) {
    case 'O':
        Befehl(a, TBefehl::Projektion).Menue = "Orthogonalprojektion festlegen";
        break;
    case 'P':
        Befehl(a, TBefehl::Projektion).Menue = "Parallelprojektion festlegen";
        break;
    default:
        break;
    }
    Befehl(a, TBefehl::Spiegelung).aktiv = z->Spalten[0] != '-';
    Befehl(a, TBefehl::MStreckung).aktiv = z->Spalten[1] != '-';
    Befehl(a, TBefehl::Projektion).aktiv = z->Spalten[2] != '-';
}

void Messen(TAngebote& a) {
    Setze(a, TBefehl::MessWinkel, "&Winkel");
    Setze(a, TBefehl::MessLaenge, "&Länge");
    Setze(a, TBefehl::MessFlaeche, "&Fläche");
    Setze(a, TBefehl::MessVolumen, "&Volumen");
    const TZeile* z = Suche(std::begin(MessTabelle), std::end(MessTabelle), a.LangMuster);
    if (!z) return;
    static constexpr TBefehl spalten[] = {TBefehl::MessWinkel, TBefehl::MessLaenge,
                                          TBefehl::MessFlaeche, TBefehl::MessVolumen};
    for (int i = 0; i < 4; ++i) {
        const char c = z->Spalten[i];
        if (c == '-') continue;
        TAngebot& x = Befehl(a, spalten[i]);
        x.aktiv = true;
        switch (c) {
        case 'A':
            x.Menue = "&Abstand";
            break;
        case 'B':
            x.Menue = "&Betrag";
            break;
        case 'S':
            x.Menue = "&Winkel/Skalarprodukt";
            break;
        case 'v':
            x.Menue = "&Betrag des Vektorprodukts";
            break;
        case 'D':
            x.Menue = "&Volumen/Determinante";
            break;
        default:
            break;
        }
    }
}

void AbbildungenAnwenden(TAngebote& a, const TListe& liste) {
    struct TRollenEintrag {
        TRolle Rolle;
        std::string_view Text;
    };
    static constexpr TRollenEintrag eintraege[AnzahlAbbildungsBefehle] = {
        {TRolle::IstSpiegelzentrum, "Punktspiegelung an "},
        {TRolle::IstSpiegelAchse, "Geradenspiegelung an "},
        {TRolle::IstSpiegelEbene, "Ebenenspiegelung an "},
        {TRolle::IstStreckungszentrum, "Streckung an "},
        {TRolle::IstO_Projektionsebene, "Orthogonalprojektion auf "},
        {TRolle::IstP_Projektionsebene, "Parallelprojektion auf "},
    };
    a.AbbildungsTrenner = false;
    for (int i = 0; i < AnzahlAbbildungsBefehle; ++i) {
        TAbbildungsAngebot& x = a.Abbildungen[i];
        x = {};
        x.Element = RollenTraeger(liste, eintraege[i].Rolle);
        if (x.Element) {
            x.sichtbar = true;
            x.Menue = std::string(eintraege[i].Text) + x.Element->Name;
            a.AbbildungsTrenner = true;
        }
    }
}

} // namespace

std::string MarkierungsMuster(const std::array<int, AnzahlElementarten>& z, int laenge) {
    // point, vector, line, plane, segment, triangle, pyramid
    static constexpr int arten[] = {0, 2, 5, 8, 4, 6, 7};
    std::string m;
    for (int i = 0; i < laenge && i < 7; ++i) {
        const int n = z[arten[i]];
        m += n <= 0 ? '-' : static_cast<char>('0' + (n > 9 ? 9 : n));
    }
    return m;
}

std::string KurzMuster(const TListe& l) {
    return MarkierungsMuster(MarkierteJeArt(l), 4);
}
std::string StandardMuster(const TListe& l) {
    return MarkierungsMuster(MarkierteJeArt(l), 6);
}
std::string LangMuster(const TListe& l) {
    return MarkierungsMuster(MarkierteJeArt(l), 7);
}

TAngebote BerechneAngebote(const TListe& liste) {
    TAngebote a;
    const auto zaehler = MarkierteJeArt(liste);
    a.KurzMuster = MarkierungsMuster(zaehler, 4);
    a.StandardMuster = MarkierungsMuster(zaehler, 6);
    a.LangMuster = MarkierungsMuster(zaehler, 7);
    Erzeugen(a);
    Konstruieren(a);
    AbbildungenFestlegen(a);
    Messen(a);
    AbbildungenAnwenden(a, liste);
    return a;
}

} // namespace kalvorin
