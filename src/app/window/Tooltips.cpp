#include "app/window/Tooltips.h"

#include <QWidget>

#include <utility>

namespace tallyhand::app {

namespace {

using Tip = std::pair<const char*, const char*>;

// Object name, tooltip.
constexpr Tip kTips[] = {
    // Calculator
    {"Button20", "Die Hand leeren (Strg+N); die Rang-Felder behalten das letzte Ergebnis"},
    {"Button18", "Outs, Odds und Rang der eingetragenen Karten neu berechnen"},
    {"lst_patterns", "Eine Handkategorie wählen: ihre Kombinationen erscheinen rechts"},
    // Statistics
    {"lb3", "Klick: die Spiele mit diesen Hole Cards unter „Hole Cards“ auflisten"},
    {"lb4", "Klick: dieses Spiel im Rechner nachspielen"},
    {"lb_tour", "Klick: alle Statistiken für dieses Turnier aufbauen (0 = Cash Games)"},
    {"lb_game", "Klick: dieses Spiel im Rechner nachspielen"},
    {"lb_stat_hole", "Klick: Spiele und Gewinne/Verluste dieser Hole-Card-Klasse zeigen"},
    {"lb_stat_games", "Klick: dieses Spiel im Rechner nachspielen"},
    {"rb_torte", "Die Sklansky-Gruppen der Spiele als Tortendiagramm"},
    {"rb_balken", "Die Sklansky-Gruppe jedes Spiels als Balken; ein Klick auf einen Balken spielt das Spiel nach"},
    {"rb_overall", "Ihre Chips zu Beginn jedes Spiels"},
    {"rb_pergame", "Gewinn oder Verlust Ihrer Chips je Spiel"},
    {"Button85", "Das Chipchart für den Namen im Feld Player neu zeichnen"},
    {"Chart_1", "Klick auf einen Balken: dieses Spiel nachspielen; Kontextmenü: als Bild speichern"},
    {"Chart_2", "Im Balkenmodus spielt ein Klick auf einen Balken das Spiel nach; Kontextmenü: als Bild speichern"},
    {"Button89", "Gewinnerwartung der gezeigten Hände vor dem Flop berechnen"},
    {"Button91", "Gewinnerwartung der gezeigten Hände mit dem Flop des Spiels berechnen"},
    {"Button92", "Gewinnerwartung der gezeigten Hände mit Flop und Turn des Spiels berechnen"},
    {"lb_wahrs", "Doppelklick: die Ergebnisse der letzten Berechnung erneut zeigen"},
    {"rb_ge_pr", "Gewinne in Prozent zeigen"},
    {"rb_ge_ab", "Gewinne als Anzahl zeigen"},
    {"rb_sp_pr", "Splits in Prozent zeigen"},
    {"rb_sp_ab", "Splits als Anzahl zeigen"},
    // Rebuild page
    {"Button87", "Alle Hand-Histories neu einlesen und die Datenbank neu erzeugen"},
    // Simulation
    {"Button146", "Die eingetragenen Hände über zufällige Boards spielen und auswerten"},
    {"Button145", "Alle Karten der Simulation löschen"},
    {"rb_sp_wahr", "Gewinne in Prozent zeigen"},
    {"rb_sp_wahr_2", "Gewinne als Anzahl zeigen"},
    {"rb_wahr_23", "Splits in Prozent zeigen"},
    {"rb_sp_wahr_24", "Splits als Anzahl zeigen"},
    // Practice table
    {"Button74", "Ein neues Spiel: Sie und neun Programmspieler mit je 1500 Chips"},
    {"Button75", "Die nächste Hand geben (nach Spielende: ein neues Spiel)"},
    {"Button76", "Ein neues Spiel Heads Up: Sie gegen einen Programmspieler"},
    {"rb_1", "Ihre Aktion: Bet mit dem Betrag unter Einsatz"},
    {"rb_2", "Ihre Aktion: Call"},
    {"rb_3", "Ihre Aktion: Check"},
    {"rb_4", "Ihre Aktion: Raise mit dem Betrag unter Einsatz"},
    {"rb_5", "Ihre Aktion: Fold"},
    // Developer page
    {"All_Kombi", "Alle Kombinationstabellen neu erzeugen"},
    {"Button11", "Die Kombinationstabellen in den Ordner data schreiben"},
    {"Button12", "Die Kombinationstabellen aus dem Ordner data laden"},
    {"Button17", "Die Musterlisten aus den Kombinationstabellen bilden"},
    {"Button83", "Showdown-Berechnung über die gezeigten Hände"},
    {"Button90", "Eine Testziehung von Karten zeigen"},
};

} // namespace

void applyTooltips(QWidget& window)
{
    for (const auto& [name, tip] : kTips)
        for (QWidget* widget : window.findChildren<QWidget*>(QString::fromLatin1(name)))
            if (widget->toolTip().isEmpty())
                widget->setToolTip(QString::fromUtf8(tip));
}

} // namespace tallyhand::app
