#pragma once
// What every element dialog shares: the two pages with the buttons below
// them, the name edit with the description that follows it, the look
// (thin/thick pair, colour field, point form, border, transparency,
// auxiliary lines), number edits with their key filter and read-only look,
// the validation protocol of OK and "Übernehmen", warnings that keep the
// dialog open, help per page, and the size that follows the screen.

#include "document/Dokument.h"
#include "eingabe/ElementEingabe.h"
#include "math/Farbe.h"
#include "model/Element.h"

#include <QDialog>
#include <QLabel>
#include <QString>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace kalvorin {

class TDokument;

// A label showing a colour; a click asks for another.
class TFarbFeld : public QLabel {
    Q_OBJECT
public:
    explicit TFarbFeld(QWidget* eltern = nullptr);
    void SetzeFarbe(TFarbe f);
    TFarbe Farbe() const { return farbe_; }
signals:
    void Geklickt();

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    TFarbe farbe_ = 0;
};

// Turns the other decimal key into the user's separator before an edit sees it.
class TZahlTastenFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;
};

QColor QFarbe(TFarbe f);
TFarbe AusQFarbe(const QColor& c);

// The colour chooser with the 16 custom colours of the settings; a changed
// custom colour goes back into the settings. False when cancelled.
bool FarbeWaehlen(QWidget* eltern, TFarbe& farbe);

// Name lists of the dialogs. They are sorted like the user reads them
// (case-blind); the empty entry, where wanted, stands first and counts as
// no selection. Filling leaves no selection.
void ListeFuellen(QComboBox* liste, std::vector<std::string> namen, bool leererEintrag);
void ListeWaehlen(QComboBox* liste, const std::string& name);
std::string ListenAuswahl(const QComboBox* liste);

// The button frame of the dialogs that are not element dialogs (coordinate
// system, settings, dilation, output): creates "OK", the cancel and the
// help button with each dialog's own texts and object names (in this
// order) into the three pointers. OK is the default button and runs ok,
// which closes the dialog itself when the input holds; cancel closes
// without a change; help opens the topic thema names (the page showing).
// Cancel and help do not take Return. The dialog lays them out.
void DialogKnoepfe(QDialog* dialog, const std::array<QPushButton**, 3>& knoepfe,
                   const std::array<const char*, 3>& texte, const std::array<const char*, 3>& namen,
                   const std::function<void()>& ok, const std::function<QString()>& thema);

// The one frame of every element dialog. A dialog of a kind holds its
// input model (document/XxxEingabe.h), shows it in its widgets and collects
// it again; everything the dialog decides is the model's. The runner
// (ui/ElementDialoge.h) opens every kind's dialog the same way through the
// five calls marked below.
class TElementDLG : public QDialog {
    Q_OBJECT
public:
    // titel: the window caption; nameObjekt: the name edit's object name.
    TElementDLG(const QString& titel, const QString& nameObjekt, QWidget* eltern = nullptr);

    // --- what a dialog of a kind provides -------------------------------
    // Preparing routine for a new element ("XxxDialogNeu").
    virtual void FuerNeuesElement(TDokument& dokument) = 0;
    // Preparing and filling routine for the element at the position
    // ("XxxDialogAusElement").
    virtual void FuerElement(TDokument& dokument, int position) = 0;
    // The accepted input into the document ("XxxUebernehmen" of the model):
    // the element's slot, or 0 when nothing was applied.
    virtual int Anwenden(TDokument& dokument) = 0;
    // The kind's kind, for the next automatic name.
    virtual TElementart Art() const = 0;

    // Set by a successful validation; the caller reads it after the dialog closed.
    bool Akzeptiert = false;
    // The document the dialog works on; nothing happens without one.
    TDokument* Dokument = nullptr;
    // Whether "Übernehmen" added elements during this call.
    bool Uebernommen = false;

    QTabWidget* Seiten = nullptr;
    QWidget* SeiteBestimmung = nullptr;
    QWidget* SeiteEigenschaften = nullptr;
    QPushButton* HilfeKnopf = nullptr;
    QPushButton* AbbruchKnopf = nullptr;
    QPushButton* UebernehmenKnopf = nullptr;
    QPushButton* OKKnopf = nullptr;
    QLineEdit* NameEdit = nullptr;
    QGroupBox* EntstehungBox = nullptr;
    QLabel* LabelEntstehung = nullptr;
    // The look; the kinds create the widgets they have (null otherwise).
    QCheckBox* Duenn = nullptr;
    QCheckBox* Dick = nullptr;
    TFarbFeld* FarbFeld = nullptr;
    QComboBox* Darstellung = nullptr; // point form
    QCheckBox* RandCheck = nullptr;   // "mit Rand"
    QSpinBox* Transparenz = nullptr;
    QCheckBox* Hilfslinien = nullptr;
    // The page "Gleichungen" of the line and plane dialogs (properties mode).
    QPlainTextEdit* Gleichungen = nullptr;

    void SetzeFarbe(TFarbe f);
    TFarbe Farbe() const;
    // The help topic of the page that is showing.
    QString HilfeThema() const;
    // "OK" or "Übernehmen": the model's check; refused, the warning and the
    // dialog stays; accepted, OK closes and "Übernehmen" applies the input
    // at once and makes the dialog ready for the next element.
    void Auswerten(bool uebernehmen);

    // A number edit with the key filter.
    QLineEdit* ZahlEdit(const QString& name);
    static void SetzeNurLesen(QLineEdit* edit, bool nurLesen);
    // A warning through the message interface; the dialog stays open.
    void Warnung(const std::string& text);
    // Scales font and spacing by max(screen width, 750) / 1024 as far as
    // the dialog still fits the screen; call once the dialog is built.
    void Skalieren();
    double Skalierung() const { return skalierung_; }

protected:
    // The start of every call: the document, nothing accepted or applied
    // yet, the page "Bestimmung" in front.
    void Vorbereiten(TDokument& dokument);
    // The page "Gleichungen", where the dialog has it: the element's exact
    // forms, hidden for a new element.
    void GleichungenZeigen(const TDreiDBasisElement* element);

    // --- what a dialog of a kind provides -------------------------------
    // Collects the widgets into the model and runs the model's validation.
    virtual TEingabePruefung Pruefen(TDokument& dokument) = 0;
    // After "Übernehmen" added the element: the model's next new input, shown.
    virtual void FuerNaechstes(const TListe& liste) = 0;

    // Call at the end of a derived constructor: adds the pages and buttons,
    // with the help topics of the kind (ui/ElementDialoge.h).
    // Without eigenschaften the dialog has the one page "Bestimmung", and
    // the buttons stand on it.
    void Fertigstellen(QWidget* bestimmung, QWidget* eigenschaften);
    // The Dicke group with the pair and the sample pictures beside them.
    QGroupBox* DickeGruppe(const QString& duennName, const QString& dickName,
                           const QString& titel = QStringLiteral("Dicke"));
    QGroupBox* FarbGruppe(const QString& name, const QString& titel = QStringLiteral("Farbe"));
    // The page "Eigenschaften" of the point and line dialogs: the kind's own
    // look at the top left, then thickness, colour and the check box for
    // the auxiliary lines.
    QWidget* EigenschaftsSeite(QWidget* darstellung, const QString& duennName,
                               const QString& dickName, const QString& farbName,
                               const QString& hilfslinienName);
    void DickeSetzen(bool duenn);
    // The sample of the thin and the thick element in the colour.
    virtual QPixmap Muster(bool dick, TFarbe farbe) const = 0;
    // The plain line sample that lines, triangles and pyramids share.
    static QPixmap LinienMuster(bool dick, TFarbe farbe);
    // The name edit changed; the point dialog shows it once more.
    virtual void NameGeaendert(const QString& name);
    void showEvent(QShowEvent* e) override;

    // The common part of the model into the widgets and back.
    void BasisZeigen(const TElementEingabe& e);
    void BasisSammeln(TElementEingabe& e) const;
    // Sets a text only when it differs: typing is not disturbed.
    static void TextSetzen(QLineEdit* edit, const std::string& text);
    static void TextSetzen(QComboBox* combo, const std::string& text);
    static std::string Text(const QLineEdit* edit);
    // The edits of a triple.
    using TEdits = std::array<QLineEdit*, 3>;
    static void EditsSetzen(const TEdits& edits, const TFeldTexte& texte, bool nurLesen);
    static TFeldTexte EditTexte(const TEdits& edits);
    // Building blocks of the "Bestimmung" pages: a centred sign, "( x | y | z )"
    // in a grid row from column spalte on, a group with a name combo (free
    // text) and the three edits of a named point or vector, a drop-down list
    // of names, and a widget that keeps its room when hidden.
    static QLabel* Zeichen(const QString& text);
    static void TripelZeile(QGridLayout* g, int zeile, int spalte, const TEdits& edits);
    QGroupBox* TeilGruppe(const QString& titel, const QString& box, const QString& combo,
                          const QString& x, const QString& y, const QString& z, QComboBox*& c,
                          TEdits& edits);
    static QComboBox* NamenListe(const QString& name);
    static void Zurueckhalten(QWidget* w);

    // Whether the description follows the name being typed.
    bool NameFolgt = true;
    // Whether a refusal brings the page "Bestimmung" to the front.
    bool BestimmungBeiAblehnung = false;
    // True while the model is being shown: the widgets' signals are not input.
    bool Zeigend = false;

private:
    void MusterAktualisieren();

    QString themaBestimmung_, themaEigenschaften_;
    std::string entstehung_;
    QLabel* musterDuenn_ = nullptr;
    QLabel* musterDick_ = nullptr;
    TZahlTastenFilter* filter_ = nullptr;
    double skalierung_ = 1;
};

// The input model of a kind as the dialog template uses it (the functions
// of document/XxxEingabe.h). Pruefen may be null where the dialog checks in
// its own way, FuerNaechste where the dialog has no "Übernehmen".
template <class E> struct TEingabeArt {
    TElementart Art;
    E (*Neu)(const TListe&);
    E (*AusElement)(const TListe&, int);
    TEingabePruefung (*Pruefen)(const TListe&, const E&);
    void (*FuerNaechste)(E&, const TListe&);
    int (*Uebernehmen)(TDokument&, const E&);
};

// The part of an element dialog that follows from its input model alone,
// the same for every kind: preparing for a new element ("XxxDialogNeu") and
// for an existing one ("XxxDialogAusElement", which also serves properties
// mode), a changed field ("EditGeaendert"), the check and the apply. A kind
// adds its widgets, showing the model in them (Zeigen) and collecting it
// again (Sammeln).
template <class E> class TElementDialog : public TElementDLG {
public:
    TElementDialog(const TEingabeArt<E>& art, const QString& titel, const QString& nameObjekt,
                   QWidget* eltern)
        : TElementDLG(titel, nameObjekt, eltern), art_(art) {}

    void DialogNeu(TDokument& dokument) {
        Vorbereiten(dokument);
        eingabe_ = art_.Neu(dokument.Liste());
        Zeigen();
        GleichungenZeigen(nullptr);
    }
    void DialogAusElement(TDokument& dokument, int position) {
        Vorbereiten(dokument);
        eingabe_ = art_.AusElement(dokument.Liste(), position);
        Zeigen();
        GleichungenZeigen(dokument.Liste()[position]);
    }

    void FuerNeuesElement(TDokument& dokument) final { DialogNeu(dokument); }
    void FuerElement(TDokument& dokument, int position) final {
        DialogAusElement(dokument, position);
    }
    int Anwenden(TDokument& dokument) final { return art_.Uebernehmen(dokument, eingabe_); }
    TElementart Art() const final { return art_.Art; }

    // The model as the widgets show it now.
    E Eingabe() const {
        E e = eingabe_;
        Sammeln(e);
        return e;
    }

protected:
    virtual void Zeigen() = 0;
    virtual void Sammeln(E& e) const = 0;

    // A field changed: the model takes the widgets, takes its step (the
    // bookkeeping of a way, a part chosen by name), and shows itself again.
    template <class Schritt> void Geaendert(Schritt schritt) {
        if (Zeigend) return;
        Sammeln(eingabe_);
        schritt(eingabe_);
        Zeigen();
    }
    void EditGeaendert() {
        Geaendert([](E&) {});
    }
    // A name combo changed: the part it names (a member of the model, or a
    // function that finds it) takes the element of that name.
    template <class Teil, class Schritt>
    void TeilGeaendert(Teil teil, std::uint32_t arten, Schritt schritt) {
        if (!Dokument) return;
        Geaendert([&](E& e) {
            TeilGewaehlt(std::invoke(teil, e), Dokument->Liste(), arten);
            schritt(e);
        });
    }
    template <class Teil> void TeilGeaendert(Teil teil, std::uint32_t arten) {
        TeilGeaendert(teil, arten, [](E&) {});
    }

    TEingabePruefung Pruefen(TDokument& dokument) override {
        Sammeln(eingabe_);
        return art_.Pruefen(dokument.Liste(), eingabe_);
    }
    void FuerNaechstes(const TListe& liste) override {
        if (!art_.FuerNaechste) return;
        art_.FuerNaechste(eingabe_, liste);
        Zeigen();
    }

    E eingabe_;

private:
    const TEingabeArt<E>& art_;
};

// Shows the model while it lives: the dialog's own signals are not input.
class TZeigen {
public:
    explicit TZeigen(bool& zeigend) : zeigend_(zeigend), vorher_(zeigend) { zeigend_ = true; }
    ~TZeigen() { zeigend_ = vorher_; }
    TZeigen(const TZeigen&) = delete;
    TZeigen& operator=(const TZeigen&) = delete;

private:
    bool& zeigend_;
    bool vorher_;
};

} // namespace kalvorin
