#include "ui/start/InstructionText.h"

namespace korvanti {

namespace {

// One topic after the other, in the order a newcomer meets them.
constexpr const char* kText = R"text(KORVANTI – KURZANLEITUNG

Das Wichtigste in Kürze
Korvanti soll sich ohne langes Lesen bedienen lassen: Spieler anlegen, Spieler ankreuzen, ein Spiel oder Training auswählen und auf "Start" klicken. Im Startfenster geht es auch mit der Tastatur: Die Eingabetaste startet das ausgewählte Spiel wie "Start" (nur nicht in einem Eingabefeld wie dem Datum), Strg+N legt einen neuen Spieler an und F1 öffnet diese Kurzanleitung. Die folgenden Abschnitte erklären die Stellen, die man nicht sofort sieht.

Reihenfolge der Spieler
Vor dem Spiel lässt sich die Reihenfolge der Spieler in der Übersicht ändern: eine Zeile mit der Maus greifen und an die gewünschte Stelle ziehen. Wer oben steht, beginnt. Nach jedem Spiel rückt die Reihenfolge automatisch eins weiter; der bisher erste Spieler wirft im nächsten Spiel als letzter.

Spielerbild
Ein Bild lässt sich beim Anlegen eines Spielers auswählen. Man kann es aber auch von Hand in den Ordner "pictures" im Programmordner kopieren: Der Dateiname ist der Anzeigename des Spielers mit der Endung ".jpg", zum Beispiel "Anna.jpg".

Würfe eingeben
Jeder Dart wird mit der Maus auf der Scheibe eingetragen: linke Maustaste dort, wo der Dart steckt (Treffer), rechte Maustaste dort, wohin gezielt wurde (Ziel). Nach drei Darts wird automatisch eingecheckt, solange noch keine Ziele fehlen; fehlt noch ein Ziel, wartet Korvanti darauf. Ein falsch eingegebener Dart wird korrigiert, indem man auf sein Anzeigefeld über der Scheibe klickt; danach den Dart neu eintragen. Eine ganze Aufnahme, die schon eingecheckt ist, nimmt "Letzten Wurf zurücknehmen" zurück.

Zieleingabe
Mit "Zieleingabe aktivieren" wird zu jedem Dart auch das Ziel erfasst; das erlaubt später eine genauere Auswertung. Bei "Round the Board" und bei allen Trainings schaltet Korvanti die Zieleingabe beim Auswählen selbst ein, bei den übrigen Spielen aus. Wer das nicht möchte, setzt in den Einstellungen die Option, die Zieleingabe nicht automatisch zu aktivieren.

Eigene Trainings
Auf der Seite "Spezielle Trainings" öffnet "Erstellen..." den Trainingseditor. Dort klickt man die Ziele nacheinander mit der Maus auf der Scheibe an (rechte Maustaste entfernt das letzte Ziel), legt die Anzahl der Darts je Ziel fest und speichert unter einem Namen. Das Training steht danach in der Liste und wird mit "Freies Training*" gespielt. "Training" ist freies Werfen ohne Ziele über die eingestellte Rundenzahl; jeder Dart wird gespeichert.

Statistik
"Statistik ansehen" zeigt die Auswertung entweder als Tabelle oder auf der Scheibe. Auf der Scheibe beschränkt ein Klick mit der linken Maustaste auf ein Segment die Statistik auf diese Zahl, ein Klick mit der rechten Maustaste auf genau dieses Feld. Ist ein Eintrag zu lang für seine Spalte, erscheint er vollständig als Hinweis, wenn die Maus darauf steht. "Aktualisieren" liest die Statistik neu ein.

Spiele übernehmen
Wer auch an einem zweiten Brett mit Korvanti spielt, holt dessen Spiele mit "Spiele übernehmen…" herüber: Man wählt die Datei "dart.mdb" des anderen Bretts, und Korvanti übernimmt Spieler, Spiele, Aufnahmen, Doppelquoten und Trainingsergebnisse. Spieler mit gleichem Spitznamen gelten als derselbe Spieler; Spiele, die schon vorhanden sind, werden übersprungen, zweimaliges Übernehmen verdoppelt also nichts. Die andere Datei bleibt unverändert.

Einfache Doppelstatistik
Auch ohne Zieleingabe führt Korvanti eine einfache Doppelstatistik: Der vorgeschlagene Doppel-Checkout gilt als Ziel, es sei denn, man markiert mit der rechten Maustaste ein anderes Doppel. Ein Rechtsklick außerhalb aller Doppelfelder löscht die Markierung. Das markierte oder vorgeschlagene Doppel steht unter der Scheibe.

Gegen den Computer
Auf der Seite "Trainingsspiele" spielt man 501 gegen den Computer. Für "501 gegen eigenen Schnitt" und "501 gegen eigenes Topspiel" muss mindestens ein normales Spiel 501 Double Out gespeichert sein. Bei "501 gegen Computer" wählt man, ob der eingestellte Schnitt dem Schnitt über 1000 Spiele entspricht oder ob der Computer den Schnitt in jedem Spiel möglichst exakt trifft.

Töne
Mit "Sound verwenden" in den Einstellungen spielt Korvanti nach jeder Aufnahme einen Ton ab, wenn im Ordner "sounds" des Programmordners eine Datei mit der geworfenen Punktzahl liegt ("0.mp3" bis "180.mp3"); zum Sieg erklingt "Gewonnen.mp3". Bei Dateinamen zählt die Groß- und Kleinschreibung. Töne gibt es nur bei den Spielen 301 und 501. Mit "Punkte ansagen" sagt eine deutsche Stimme die Punktzahl, wenn keine Datei dazu da ist; dieselbe Stimme sagt vor der Aufnahme eines Spielers, der auschecken kann, was er braucht ("Anna, du brauchst 121", als Datei "require121.mp3"), nennt beim Cricket die Treffer der Aufnahme ("Triple 20, Double 19") und am Ende eines Trainings das Ergebnis ("Neue Bestleistung, 312").

Zusammenfassung
Nach einem Spiel 301 oder 501 zeigt Korvanti auf Wunsch ("Zusammenfassung nach Spiel anzeigen" in den Einstellungen) eine Zusammenfassung mit Schnitt und Doppelquote jedes Spielers; von dort geht es zum nächsten Spiel oder zurück.

Tastatur und Zurücknehmen
Statt zu klicken kann man einen Dart eintippen: das Feld ("T20", "D16", "5" oder "S5", "25", "50" oder "BULL", "0" oder "M" für daneben), abgeschlossen mit Leertaste oder Enter. Getippte Darts haben keine Trefferstelle; sie zählen in allen Werten, nur nicht bei den Punkten auf der Scheibe, der Streuung und den Erwartungswerten. Enter checkt die Aufnahme ein, Rücktaste nimmt das letzte Zeichen und dann den letzten Dart zurück, Strg+Z ist "Letzten Wurf zurücknehmen", F11 schaltet auf Vollbild. War der Sieg-Dart verklickt, nimmt "Zurücknehmen" in der Zusammenfassung oder der Meldung am Spielende das Spiel zurück: es wird nicht gespeichert, und es geht vor dem letzten Dart weiter.

Matches
Auf der Seite "Spiele" (301, 501 und Cricket) und bei den Spielen gegen den Computer legt "Legs" fest, wie viele Legs zum Sieg nötig sind, und "Sets", wie viele Sätze; 1 und 1 ist ein einzelnes Spiel. Der Anwurf wechselt von Leg zu Leg, bei Sätzen auch von Satz zu Satz. Nach jedem Leg nennt ein Banner den Stand, dann beginnt das nächste Leg von selbst. Mit "Ausbullen" wirft vor dem ersten Leg jeder einen Dart auf das Bull; Korvanti misst den Abstand zur Mitte in Millimetern, wer am nächsten liegt, beginnt, bei Gleichstand werfen die Gleichen noch einmal. Am Ende zeigt die Zusammenfassung Schnitt, First 9, 180er, 140+, 100+, Checkout-Quote und höchstes Finish des Matches. Jedes Leg zählt in der Statistik als ein Spiel.

Anzeigetafel
"Anzeigetafel" im Spielfenster öffnet ein zweites Fenster für einen zweiten Bildschirm oder einen Fernseher. Es zeigt groß, was man vom Abwurf aus lesen will: die Namen, die Restpunkte (bei Cricket die Punkte), bei einem Match die Legs und Sätze, wer an der Reihe ist, die letzte Aufnahme und den Checkout-Vorschlag. Die Tafel folgt dem Spiel und schließt sich mit dem Spielfenster. F11 oder ein Doppelklick schaltet auf Vollbild und zurück, Esc verlässt das Vollbild.

Trainings und Bestleistungen
Auf der Seite "Trainingsspiele" stehen die Trainings "Bob's 27" (ab 27 Punkten je drei Darts auf D1 bis D20 und das Bull, eine Runde ohne Treffer zieht den Wert ab), "Catch 40" (die Finishes 61 bis 100 mit höchstens sechs Darts, zwei Darts bringen 3 Punkte, drei 2, vier bis sechs 1), "Halve-It" (ab 40 Punkten neun Runden auf 15, 16, ein Doppel, 17, 18, ein Triple, 19, 20 und das Bull, eine Runde ohne Treffer halbiert) und "Round the Board Triple Segmente" (T1 bis T20, gezählt werden die Darts). Diese Trainings, die Segment-Trainings, Shanghai, Round the Board und das CheckOut-Training merken sich für jeden Spieler das Ergebnis; am Ende steht, ob es eine neue Bestleistung ist ("Neue Bestleistung: 312 (bisher 287)"). Abgebrochene Trainings zählen nicht. Die Übersicht im Startfenster zeigt dazu die Zahl der Trainings, die Bestleistung, den Schnitt der letzten zehn und den Tag der Bestleistung.

Andere Dartscheiben
Neben der Standardscheibe gibt es die Scheiben "Unicorn" und "Winmau"; die Auswahl steht in den Einstellungen.

Einstellungen
"Einstellungen" öffnet den Dialog für die Dartscheibe, Master Out, Töne, die Anzeige von Punkten und Rest nach jeder Aufnahme und wie lange sie stehen bleibt, die Zusammenfassung, die Zieleingabe und die Punkteansage. Unter "Farbschema" wählt man zwischen "Hell" und "Dunkel" (helle Schrift auf dunklem Grund); alle offenen Fenster wechseln nach "Ok" sofort, die Dartscheibe behält ihre Farben. Mit "Spielfenster im Vollbild öffnen" füllt das Spielfenster den ganzen Bildschirm.

Versionen
0.1 – Erste Ausgabe: alle Spiele und Trainings, Spielerverwaltung, Computergegner, Statistik als Tabelle und auf der Scheibe.
0.2 – Matches mit Legs und Sätzen, Ausbullen.
0.3 – Bob's 27, Catch 40, Halve-It und Round the Board Triple Segmente; Bestleistungen der Trainings.

Wunschliste
- Export der Statistik
- Turniermodus
)text";

}  // namespace

QString InstructionText() {
  return QString::fromUtf8(kText);
}

}  // namespace korvanti
