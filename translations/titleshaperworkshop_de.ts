<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BatchProgressDialog</name>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Preparing to rename...</source>
        <translation>Umbenennen wird vorbereitet …</translation>
    </message>
    <message>
        <source>Renaming %1 of %2</source>
        <translation>Umbenennen: %1 von %2</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten …</translation>
    </message>
    <message>
        <source>Renaming %1 of %2 back</source>
        <translation>Zurückbenennen: %1 von %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Title Shaper Workshop renames many files of one folder at a time.</source>
        <translation>Title Shaper Workshop benennt viele Dateien eines Ordners in einem Zug um.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Die Version des Programms zeigen und beenden.</translation>
    </message>
    <message>
        <source>Rename the files of the last Go back to their old names, without a window, and exit: 0 when every file was renamed back, 1 when any could not be, 2 when there is nothing to undo.</source>
        <translation>Die Dateien des letzten Umbenennens ohne Fenster wieder auf ihre alten Namen zurückbenennen und beenden: 0, wenn jede Datei zurückbenannt wurde, 1, wenn eine nicht zurückbenannt werden konnte, 2, wenn es nichts rückgängig zu machen gibt.</translation>
    </message>
    <message>
        <source>The folder to open instead of the one viewed last. A file opens the folder it lies in; a path that does not exist opens its deepest existing folder.</source>
        <translation>Der Ordner, der statt des zuletzt angesehenen geöffnet wird. Eine Datei öffnet den Ordner, in dem sie liegt; ein Pfad, den es nicht gibt, öffnet seinen tiefsten vorhandenen Ordner.</translation>
    </message>
    <message>
        <source>%1: %2 (try &apos;%1 --help&apos;)</source>
        <translation>%1: %2 (siehe &apos;%1 --help&apos;)</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FOLDER]</source>
        <translation>Aufruf: %1 [Optionen] [FOLDER]</translation>
    </message>
    <message>
        <source>%1: --undo takes no folder; see --help.</source>
        <translation>%1: --undo nimmt keinen Ordner an; siehe --help.</translation>
    </message>
    <message>
        <source>%1: only one folder can be opened, but %2 were given; see --help.</source>
        <translation>%1: Es lässt sich nur ein Ordner öffnen, angegeben wurden aber %2; siehe --help.</translation>
    </message>
    <message>
        <source>Show, without a window, the new names a recipe gives the files of FOLDER: one line a file it renames, the old name, a tab and the new name, and what stands in the way of a rename. FILE is a recipe file or the name of a saved recipe. Exit 0 when every rename can be done, 1 when any cannot, 2 for a bad recipe or folder.</source>
        <translation>Zeigt ohne Fenster die neuen Namen, die ein Rezept den Dateien in ORDNER gibt: eine Zeile je umbenannter Datei mit altem Namen, Tabulator und neuem Namen, dazu, was einer Umbenennung im Weg steht. DATEI ist eine Rezeptdatei oder der Name eines gespeicherten Rezepts. Ende mit 0, wenn jede Umbenennung möglich ist, mit 1, wenn eine nicht möglich ist, mit 2 bei fehlerhaftem Rezept oder Ordner.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>With --recipe: rename the files as shown, never overwriting one; --undo renames them back.</source>
        <translation>Mit --recipe: benennt die Dateien wie gezeigt um, ohne je eine zu überschreiben; --undo benennt sie zurück.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Alle überspringen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>Title Shaper Workshop

This program was written for a plain reason: a camera, a scanner or a download leaves a folder full of names like IMG_0412.JPG, and giving a hundred files sensible names one at a time is tedious and easy to get wrong. Here the whole folder is renamed in one go, and every new name can be looked at and corrected before a single file is touched.

It does one job and tries to do it safely. It never overwrites a file: a new name that is already taken is reported and that file is left as it was. It keeps no files of its own besides one line in your settings that remembers the last folder you looked at, and the record of the last Go, from which that Go can be undone.

The program is free. You may use it at home or at work, as often and on as many machines as you like, and pass it on to anyone, as long as you pass it on whole. Nobody owes anything for it; whoever finds it worth something may contribute, as the Pay Up page explains, but that is entirely up to you.

It comes without any warranty. The last Go can be undone, but only as long as no other program has taken the old names, so preview a large batch before you press Go.

The mode called Veze Zazedoz is the most flexible of all: it sends the names on a round trip through whatever editor you like best, with its search and replace, its columns and its macros.</source>
        <translation>Title Shaper Workshop

Dieses Programm hat einen schlichten Grund: Eine Kamera, ein Scanner oder ein Download hinterlässt einen Ordner voller Namen wie IMG_0412.JPG, und hundert Dateien einzeln sinnvolle Namen zu geben ist mühsam und fehleranfällig. Hier wird der ganze Ordner in einem Zug umbenannt, und jeder neue Name lässt sich ansehen und berichtigen, bevor auch nur eine Datei angerührt wird.

Es erledigt eine Aufgabe und versucht, sie sicher zu erledigen. Es überschreibt nie eine Datei: Ein neuer Name, den es schon gibt, wird gemeldet, und die Datei bleibt, wie sie war. Es legt keine eigenen Dateien an außer einer Zeile in Ihren Einstellungen, die sich den zuletzt angesehenen Ordner merkt, und dem Protokoll des letzten Umbenennens, mit dem es sich rückgängig machen lässt.

Das Programm ist frei. Sie dürfen es zu Hause oder bei der Arbeit nutzen, so oft und auf so vielen Rechnern, wie Sie möchten, und es an jeden weitergeben, solange Sie es vollständig weitergeben. Niemand schuldet etwas dafür; wer es etwas wert findet, darf etwas beitragen, wie die Seite Bezahlen erklärt, aber das liegt ganz bei Ihnen.

Es kommt ohne jede Gewähr. Das letzte Umbenennen lässt sich rückgängig machen, aber nur, solange kein anderes Programm die alten Namen belegt hat; sehen Sie sich einen großen Stapel also in der Vorschau an, bevor Sie Umbenennen drücken.

Die Art namens Veze Zazedoz ist die vielseitigste von allen: Sie schickt die Namen auf eine Rundreise durch den Editor, den Sie am liebsten mögen, mit seinem Suchen und Ersetzen, seinen Spalten und seinen Makros.</translation>
    </message>
    <message>
        <source>Title Shaper Workshop is written in C++ with the Qt toolkit and runs as one program file, Quillmap.

The folder tree is a control of its own. It shows the desktop, the computer with its drives and mounted media, and optionally the trash and the network shares, lists a folder&apos;s sub-folders the first time it is opened, and keeps itself up to date while folders are created, removed or renamed elsewhere.

The renaming itself is done by a small engine that knows nothing about windows or disks, so that every rule can be checked on its own. Renaming on disk refuses to replace an existing file.

Between runs the program remembers the last folder viewed, in your settings file, %1, under the key CloseDir, and the record of the last Go, in the folder TitleShaperWorkshop of your state folder ($XDG_STATE_HOME, usually ~/.local/state); delete them to start afresh.

All the texts of these pages are held in the window itself; there is no help file. The two columns of the grid are resized with the window, so that each always takes half of its width.</source>
        <translation>Title Shaper Workshop ist in C++ mit dem Qt-Toolkit geschrieben und läuft als eine einzige Programmdatei, Quillmap.

Der Ordnerbaum ist ein eigenes Steuerelement. Er zeigt den Schreibtisch, den Rechner mit seinen Laufwerken und eingehängten Medien und wahlweise den Papierkorb und die Netzwerkfreigaben, liest die Unterordner eines Ordners beim ersten Öffnen und hält sich auf dem Laufenden, während anderswo Ordner angelegt, entfernt oder umbenannt werden.

Das Umbenennen selbst erledigt eine kleine Maschine, die nichts von Fenstern oder Datenträgern weiß, damit sich jede Regel für sich prüfen lässt. Das Umbenennen auf dem Datenträger ersetzt nie eine vorhandene Datei.

Zwischen zwei Starts merkt sich das Programm den zuletzt angesehenen Ordner in Ihrer Einstellungsdatei, %1, unter dem Schlüssel CloseDir, und das Protokoll des letzten Umbenennens im Ordner TitleShaperWorkshop Ihres Zustandsordners ($XDG_STATE_HOME, meist ~/.local/state); löschen Sie beides, um neu anzufangen.

Alle Texte dieser Seiten stecken im Fenster selbst; eine Hilfedatei gibt es nicht. Die beiden Spalten des Rasters wachsen und schrumpfen mit dem Fenster, sodass jede stets die Hälfte seiner Breite einnimmt.</translation>
    </message>
    <message>
        <source>Title Shaper Workshop costs nothing, and it will stay that way.

If it has saved you an afternoon of renaming and you would like to give something back, you are welcome to, but nobody expects it and nothing changes if you do not. There is no registration, no key to unlock and no version that does more for money.

The contributions that help most cost no money at all: tell the place where you found the program what you liked and what went wrong, describe a folder whose names it handled badly, or suggest a mode you missed. A short, exact report of a fault is worth more than any payment.

If you would rather send money, give it to a cause you care about in the program&apos;s name, and consider the debt paid in full.</source>
        <translation>Title Shaper Workshop kostet nichts, und dabei bleibt es.

Wenn es Ihnen einen Nachmittag Umbenennen erspart hat und Sie etwas zurückgeben möchten, sind Sie herzlich eingeladen, aber niemand erwartet es, und nichts ändert sich, wenn Sie es nicht tun. Es gibt keine Registrierung, keinen Freischaltschlüssel und keine Version, die für Geld mehr kann.

Die Beiträge, die am meisten helfen, kosten gar kein Geld: Sagen Sie dort, wo Sie das Programm gefunden haben, was Ihnen gefallen hat und was schiefging, beschreiben Sie einen Ordner, dessen Namen es schlecht behandelt hat, oder schlagen Sie eine Art vor, die Ihnen gefehlt hat. Ein kurzer, genauer Fehlerbericht ist mehr wert als jede Zahlung.

Wenn Sie lieber Geld geben, spenden Sie es im Namen des Programms für einen Zweck, der Ihnen am Herzen liegt, und betrachten Sie die Schuld als vollständig beglichen.</translation>
    </message>
    <message>
        <source>Choose a folder in the tree at the top left, or drop one onto the window; its files fill the grid below, the present names on the left and the new names on the right. Press Go to apply the checked mode at once, or press Preview, edit the results in the grid by hand and then press Go. Without a Preview in the mode now checked, Go first works the new names out as Preview does (in Part Replacer, Substring Deleter and Substring Adder afresh, so changes made by hand count only after Preview) and stops with a message when two new names are the same. After a Preview in the mode now checked, Go takes the new names as they stand; when that Preview stopped with a message, Go does nothing until a Preview passes. A blank new name leaves its file alone (Delete blanks the selected ones). Go never overwrites a file; when a new name is the name of a file further down the list, you are asked whether to go on. Checking another mode, choosing another folder and Refresh blank the new names.

Veze Zazedoz works through the clipboard: Copy puts the old names on it, one a line; edit them in any editor, copy them and Paste them back as the new names, line by line. Paste changes nothing while the clipboard holds fewer lines than there are files.
Manual: Duiplicate copies the old names over, ready to be edited by hand.
Part Replacer replaces the Replace text by the With text wherever it stands in a name, and deletes it when With is blank.
Substring Deleter deletes the String To Delete text from every name.
Substring Adder first inserts the text beside Position after that many characters, then adds Begining in front and End behind. Text placed past the end of a name is joined at its end.

Ctrl+Z (or Quillmap --undo) renames the files of the last Go back, even after a crash. Ctrl+R: Rules.
The list follows folders that are created, removed or renamed, but not files changed by other programs: press Refresh to read the folder again.</source>
        <translation>Wählen Sie oben links einen Ordner oder ziehen Sie ihn auf das Fenster; seine Dateien füllen das Raster, links die jetzigen, rechts die neuen Namen. Umbenennen wendet die gewählte Art sofort an; oder Sie drücken Vorschau, bearbeiten das Ergebnis von Hand und drücken dann Umbenennen. Ohne Vorschau in der gewählten Art berechnet Umbenennen die Namen erst wie die Vorschau (in den Arten mit Textfeldern neu: Handänderungen zählen erst nach einer Vorschau) und hält an, wenn zwei neue Namen gleich sind. Nach einer Vorschau in der gewählten Art nimmt es die Namen, wie sie dastehen; hielt die Vorschau mit einer Meldung an, tut es nichts, bis eine Vorschau gelingt. Ein leerer neuer Name lässt seine Datei, wie sie ist (Entf leert die gewählten). Umbenennen überschreibt nie eine Datei; trägt ein neuer Name den Namen einer Datei weiter unten, werden Sie gefragt, ob es weitergeht. Eine andere Art, ein anderer Ordner und Neu lesen leeren die neuen Namen.

Veze Zazedoz nutzt die Zwischenablage: Kopieren legt die alten Namen dort ab, einen je Zeile; bearbeiten Sie sie in einem Editor, kopieren Sie sie und holen Sie sie mit Einfügen als neue Namen zurück. Einfügen ändert nichts, solange die Zwischenablage weniger Zeilen hat, als es Dateien gibt.
Manuell: Duplikat übernimmt die alten Namen, bereit zum Bearbeiten.
Teil ersetzen setzt überall im Namen den Text unter Durch an die Stelle dessen unter Ersetzen; ist Durch leer, wird er gelöscht.
Text löschen löscht den Text unter Zu löschen aus jedem Namen.
Text anfügen fügt den Text neben Position nach so vielen Zeichen ein, dann Anfang vorn und Ende hinten; was hinter das Ende fiele, kommt ans Ende.

Strg+Z (oder Quillmap --undo) macht das letzte Umbenennen rückgängig, auch nach einem Absturz. Strg+R: Regeln.
Die Liste folgt neuen, entfernten und umbenannten Ordnern, nicht aber Dateien, die andere Programme ändern: Neu lesen liest den Ordner noch einmal.</translation>
    </message>
</context>
<context>
    <name>ListingIndicator</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reading the folder: %1 files so far</source>
        <translation>Der Ordner wird gelesen: bisher %1 Dateien</translation>
    </message>
</context>
<context>
    <name>NameGridModel</name>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Title Shaper Workshop</source>
        <translation>Title Shaper Workshop</translation>
    </message>
    <message>
        <source>String To Delete</source>
        <translation>Zu löschen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>With</source>
        <translation>Durch</translation>
    </message>
    <message>
        <source>Begining</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Veze Zazedoz</source>
        <translation>Veze Zazedoz</translation>
    </message>
    <message>
        <source>Part Replacer</source>
        <translation>Teil ersetzen</translation>
    </message>
    <message>
        <source>Substring Deleter</source>
        <translation>Text löschen</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Duiplicate</source>
        <translation>Duplikat</translation>
    </message>
    <message>
        <source>Substring Adder</source>
        <translation>Text anfügen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu lesen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Help &amp;&amp; Info</source>
        <translation>Hilfe &amp;&amp; Info</translation>
    </message>
    <message>
        <source>Position text</source>
        <translation>Text an der Position</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>Please do not use the character %1</source>
        <translation>Bitte verwenden Sie das Zeichen %1 nicht</translation>
    </message>
    <message>
        <source>Undo last Go</source>
        <translation>Letztes Umbenennen rückgängig machen</translation>
    </message>
    <message>
        <source>Rules...</source>
        <translation>Regeln...</translation>
    </message>
</context>
<context>
    <name>TerminalUndo</name>
    <message>
        <source>Renamed 1 file back in %1.</source>
        <translation>1 Datei in %1 zurückbenannt.</translation>
    </message>
    <message>
        <source>Renamed %1 files back in %2.</source>
        <translation>%1 Dateien in %2 zurückbenannt.</translation>
    </message>
</context>
<context>
    <name>layout::InfoPanel</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Technik</translation>
    </message>
    <message>
        <source>Pay Up</source>
        <translation>Bezahlen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>rules::RecipePreviewModel</name>
    <message>
        <source>Reading %1 of %2 files</source>
        <translation>Lese Datei %1 von %2</translation>
    </message>
    <message>
        <source>Numbering the files...</source>
        <translation>Dateien werden nummeriert...</translation>
    </message>
    <message>
        <source>Checking the new names...</source>
        <translation>Neue Namen werden geprüft...</translation>
    </message>
    <message>
        <source>%1 file renamed</source>
        <translation>%1 Datei wird umbenannt</translation>
    </message>
    <message>
        <source>%1 files renamed</source>
        <translation>%1 Dateien werden umbenannt</translation>
    </message>
    <message>
        <source>, %1 marked</source>
        <translation>, %1 markiert</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>rules::RulesDialog</name>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop reading the files</source>
        <translation>Lesen der Dateien anhalten</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Saved recipes</source>
        <translation>Gespeicherte Rezepte</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Steps, in the order they work</source>
        <translation>Schritte, in der Reihenfolge ihrer Ausführung</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Groß/klein</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Add a step:</source>
        <translation>Schritt hinzufügen:</translation>
    </message>
    <message>
        <source>Counter {n}</source>
        <translation>Zähler {n}</translation>
    </message>
    <message>
        <source>as listed</source>
        <translation>wie aufgelistet</translation>
    </message>
    <message>
        <source>by name, numbers as numbers</source>
        <translation>nach Name, Zahlen als Zahlen</translation>
    </message>
    <message>
        <source>by date modified</source>
        <translation>nach Änderungsdatum</translation>
    </message>
    <message>
        <source>by date taken</source>
        <translation>nach Aufnahmedatum</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Save recipe</source>
        <translation>Rezept speichern</translation>
    </message>
    <message>
        <source>Name of the recipe:</source>
        <translation>Name des Rezepts:</translation>
    </message>
</context>
<context>
    <name>rules::StepEditor</name>
    <message>
        <source>Works on</source>
        <translation>Wirkt auf</translation>
    </message>
    <message>
        <source>Regular expression ($1..$9 in With)</source>
        <translation>Regulärer Ausdruck ($1..$9 im Ersatztext)</translation>
    </message>
    <message>
        <source>Ignore letter case</source>
        <translation>Groß-/Kleinschreibung ignorieren</translation>
    </message>
    <message>
        <source>Every occurrence</source>
        <translation>Jedes Vorkommen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <source>Letter case</source>
        <translation>Schreibweise</translation>
    </message>
    <message>
        <source>{n} the counter, {name} the old name, {ext} its extension, {{ and }} a brace</source>
        <translation>{n} der Zähler, {name} der alte Name, {ext} seine Endung, {{ und }} eine Klammer</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Count from the end</source>
        <translation>Vom Ende her zählen</translation>
    </message>
    <message>
        <source>From character</source>
        <translation>Ab Zeichen</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Zeichen</translation>
    </message>
</context>
</TS>
