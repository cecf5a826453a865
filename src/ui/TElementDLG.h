#pragma once
// What every element dialog shares: the two pages with the buttons below
// them, the name edit with the description that follows it, the thin/thick
// pair, the colour field, number edits with their key filter and read-only
// look, warnings that keep the dialog open, help per page, and the size
// that follows the screen.

#include "model/Element.h"
#include "math/Farbe.h"

#include <QDialog>
#include <QLabel>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
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

class TElementDLG : public QDialog {
    Q_OBJECT
public:
    // titel: the window caption; nameObjekt: the name edit's object name.
    TElementDLG(const QString& titel, const QString& nameObjekt, QWidget* eltern = nullptr);

    // Set by a successful validation; the caller reads it after the dialog closed.
    bool Akzeptiert = false;
    std::string AlterName;
    // The document the dialog works on; nothing happens without one.
    TDokument* Dokument = nullptr;
    // Whether "Übernehmen" added elements during this call.
    bool Uebernommen = false;
    // Called after "Übernehmen" added elements (the object list refreshes).
    std::function<void()> NachUebernehmen;

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
    QCheckBox* Duenn = nullptr;
    QCheckBox* Dick = nullptr;
    TFarbFeld* FarbFeld = nullptr;

    void SetzeFarbe(TFarbe f);
    TFarbe Farbe() const;
    // The help topic of the page that is showing.
    QString HilfeThema() const;
    // "OK" or "Übernehmen".
    virtual void Auswerten(bool uebernehmen) = 0;

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
    // Call at the end of a derived constructor: adds the pages and buttons.
    void Fertigstellen(QWidget* bestimmung, QWidget* eigenschaften, const QString& themaBestimmung,
                       const QString& themaEigenschaften);
    // The Dicke group with the pair and the sample pictures beside them.
    QGroupBox* DickeGruppe(const QString& duennName, const QString& dickName);
    QGroupBox* FarbGruppe(const QString& name);
    // The page "Eigenschaften" every element dialog shares: the kind's own
    // look at the top left, then thickness, colour and the check box for
    // the auxiliary lines (returned through hilfslinien).
    QWidget* EigenschaftsSeite(QWidget* darstellung, const QString& duennName,
                               const QString& dickName, const QString& farbName,
                               const QString& hilfslinienName, QCheckBox*& hilfslinien);
    // After "Übernehmen" tried to add the element (slot of the new element,
    // 0 when the list was full; the document has been rebuilt when it was
    // added): warns, or tells the owner and proposes the next automatic name
    // of the kind. True when it was added.
    bool NachUebernahme(int slot, TElementart art);
    void DickeSetzen(bool duenn);
    // The sample of the thin and the thick element in the colour.
    virtual QPixmap Muster(bool dick, TFarbe farbe) const = 0;
    // The name followed into the description; the point dialog shows more.
    virtual void NameGeaendert(const QString& name);
    void showEvent(QShowEvent* e) override;

private:
    void MusterAktualisieren();

    QString themaBestimmung_, themaEigenschaften_;
    QLabel* musterDuenn_ = nullptr;
    QLabel* musterDick_ = nullptr;
    TZahlTastenFilter* filter_ = nullptr;
    double skalierung_ = 1;
};

} // namespace kalvorin
