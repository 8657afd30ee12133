#pragma once
// The printouts on a Qt printer: the printer or PDF chosen in the standard print
// dialog, with PRINTDLG to cancel; the preview one click away from it.

#include "print/mise_en_page.h"

#include <QDialog>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
struct EtatGlobal;

// PRINTDLG: the meeting being printed and "Annuler".
class DialogueImpression : public QDialog {
public:
    DialogueImpression(const EtatGlobal& etat, Impression impression, QWidget* parent = nullptr);
    bool Annulee() const { return annulee_; }

private:
    bool annulee_ = false;
};

// What the printer measures, from the fonts on its own resolution.
Mesures MesuresDe(QPagedPaintDevice& device);

enum class ResultatImpression { Imprime, Annule, Echec };

// Draws the printout on a device, page after page; `continuer` is asked between
// pages (false stops the job).
ResultatImpression DessinerImpression(EtatGlobal& etat, Impression impression, QPagedPaintDevice& device,
                                      const std::function<bool()>& continuer = {});
// The whole job on a printer: PRINTDLG shown, the main window blocked, a failure
// said, and a cancelled PDF removed rather than left half written.
ResultatImpression Imprimer(EtatGlobal& etat, Impression impression, QPrinter& imprimante, QWidget* parent);

// Commands 210 and 1005 and the card view's button: the print dialog, whose
// "Aperçu" opens the preview (which prints too).
int OuvrirImpression(EtatGlobal& etat, Impression impression, QWidget* parent);
int OuvrirApercu(EtatGlobal& etat, Impression impression, QPrinter& imprimante, QWidget* parent);
