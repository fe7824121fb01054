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
    <name>Clipboard</name>
    <message>
        <source>The file name %1 holds a line break and cannot be copied to the clipboard.</source>
        <translation>Der Dateiname %1 enthält einen Zeilenumbruch und kann nicht in die Zwischenablage kopiert werden.</translation>
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
    <message>
        <source>%1: --apply needs --recipe FILE FOLDER; see --help.</source>
        <translation>%1: --apply braucht --recipe DATEI ORDNER; siehe --help.</translation>
    </message>
    <message>
        <source>%1: --recipe and --undo cannot be given together; see --help.</source>
        <translation>%1: --recipe und --undo lassen sich nicht zusammen angeben; siehe --help.</translation>
    </message>
    <message>
        <source>%1: only one recipe can be given; see --help.</source>
        <translation>%1: es lässt sich nur ein Rezept angeben; siehe --help.</translation>
    </message>
    <message>
        <source>%1: --recipe needs exactly one FOLDER; see --help.</source>
        <translation>%1: --recipe braucht genau einen ORDNER; siehe --help.</translation>
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
    <name>Files</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Ein-/Ausgabefehler %1</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht erlaubt</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Gerät oder Ressource belegt</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Die Datei existiert bereits</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Umbenennen über Dateisystemgrenzen hinweg nicht möglich</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Kein Verzeichnis</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Die Programmdatei ist in Benutzung</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Dateisystem nur lesbar</translation>
    </message>
    <message>
        <source>Too many links</source>
        <translation>Zu viele Verknüpfungen</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Verzeichnis nicht leer</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>Operation not supported</source>
        <translation>Vorgang nicht unterstützt</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Veralteter Dateiverweis</translation>
    </message>
    <message>
        <source>Unknown error %1</source>
        <translation>Unbekannter Fehler %1</translation>
    </message>
</context>
<context>
    <name>FolderStore</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>„%1“ konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
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
        <source>Title Shaper Workshop

This program was written for a plain reason: a camera, a scanner or a download leaves a folder full of names like IMG_0412.JPG, and giving a hundred files sensible names one at a time is tedious and easy to get wrong. Here the whole folder is renamed in one go, and every new name can be looked at and corrected before a single file is touched.

It does one job and tries to do it safely. It never overwrites a file: a new name that is already taken is reported and that file is left as it was. It keeps no files of its own besides one line in your settings that remembers the last folder you looked at, and the records of the last 20 Gos, from which they can be undone.

The program is free. You may use it at home or at work, as often and on as many machines as you like, and pass it on to anyone, as long as you pass it on whole. Nobody owes anything for it; whoever finds it worth something may contribute, as the Pay Up page explains, but that is entirely up to you.

It comes without any warranty. The last 20 Gos can be undone, one after another, but only as long as no other program has taken the old names, so preview a large batch before you press Go.

The mode called Veze Zazedoz is the most flexible of all: it sends the names on a round trip through whatever editor you like best, with its search and replace, its columns and its macros.</source>
        <translation>Title Shaper Workshop

Dieses Programm hat einen schlichten Grund: Eine Kamera, ein Scanner oder ein Download hinterlässt einen Ordner voller Namen wie IMG_0412.JPG, und hundert Dateien einzeln sinnvolle Namen zu geben ist mühsam und fehleranfällig. Hier wird der ganze Ordner in einem Zug umbenannt, und jeder neue Name lässt sich ansehen und berichtigen, bevor auch nur eine Datei angerührt wird.

Es erledigt eine Aufgabe und versucht, sie sicher zu erledigen. Es überschreibt nie eine Datei: Ein neuer Name, den es schon gibt, wird gemeldet, und die Datei bleibt, wie sie war. Es legt keine eigenen Dateien an außer einer Zeile in Ihren Einstellungen, die sich den zuletzt angesehenen Ordner merkt, und den Protokollen der letzten 20 Umbenennungen, mit denen sie sich rückgängig machen lassen.

Das Programm ist frei. Sie dürfen es zu Hause oder bei der Arbeit nutzen, so oft und auf so vielen Rechnern, wie Sie möchten, und es an jeden weitergeben, solange Sie es vollständig weitergeben. Niemand schuldet etwas dafür; wer es etwas wert findet, darf etwas beitragen, wie die Seite Bezahlen erklärt, aber das liegt ganz bei Ihnen.

Es kommt ohne jede Gewähr. Die letzten 20 Umbenennungen lassen sich eine nach der anderen rückgängig machen, aber nur, solange kein anderes Programm die alten Namen belegt hat; sehen Sie sich einen großen Stapel also in der Vorschau an, bevor Sie Umbenennen drücken.

Die Art namens Veze Zazedoz ist die vielseitigste von allen: Sie schickt die Namen auf eine Rundreise durch den Editor, den Sie am liebsten mögen, mit seinem Suchen und Ersetzen, seinen Spalten und seinen Makros.</translation>
    </message>
    <message>
        <source>Title Shaper Workshop is written in C++ with the Qt toolkit and runs as one program file, Quillmap.

The folder tree is a control of its own. It shows the desktop, the computer with its drives and mounted media, and optionally the trash and the network shares, lists a folder&apos;s sub-folders the first time it is opened, and keeps itself up to date while folders are created, removed or renamed elsewhere.

The renaming itself is done by a small engine that knows nothing about windows or disks, so that every rule can be checked on its own. Renaming on disk refuses to replace an existing file.

Between runs the program remembers the last folder viewed, in your settings file, %1, under the key CloseDir, and the records of the last 20 Gos, in the folder TitleShaperWorkshop of your state folder ($XDG_STATE_HOME, usually ~/.local/state); delete them to start afresh.

All the texts of these pages are held in the window itself; there is no help file. The two columns of the grid are resized with the window, so that each always takes half of its width.</source>
        <translation>Title Shaper Workshop ist in C++ mit dem Qt-Toolkit geschrieben und läuft als eine einzige Programmdatei, Quillmap.

Der Ordnerbaum ist ein eigenes Steuerelement. Er zeigt den Schreibtisch, den Rechner mit seinen Laufwerken und eingehängten Medien und wahlweise den Papierkorb und die Netzwerkfreigaben, liest die Unterordner eines Ordners beim ersten Öffnen und hält sich auf dem Laufenden, während anderswo Ordner angelegt, entfernt oder umbenannt werden.

Das Umbenennen selbst erledigt eine kleine Maschine, die nichts von Fenstern oder Datenträgern weiß, damit sich jede Regel für sich prüfen lässt. Das Umbenennen auf dem Datenträger ersetzt nie eine vorhandene Datei.

Zwischen zwei Starts merkt sich das Programm den zuletzt angesehenen Ordner in Ihrer Einstellungsdatei, %1, unter dem Schlüssel CloseDir, und die Protokolle der letzten 20 Umbenennungen im Ordner TitleShaperWorkshop Ihres Zustandsordners ($XDG_STATE_HOME, meist ~/.local/state); löschen Sie beides, um neu anzufangen.

Alle Texte dieser Seiten stecken im Fenster selbst; eine Hilfedatei gibt es nicht. Die beiden Spalten des Rasters wachsen und schrumpfen mit dem Fenster, sodass jede stets die Hälfte seiner Breite einnimmt.</translation>
    </message>
    <message>
        <source>Choose a folder in the tree at the top left, or drop one onto the window; its files fill the grid below, the present names on the left and the new names on the right. Press Go to apply the checked mode at once, or press Preview, edit the results in the grid by hand and then press Go. Without a Preview in the mode now checked, Go first works the new names out as Preview does (in Part Replacer, Substring Deleter and Substring Adder afresh, so changes made by hand count only after Preview) and stops with a message when two new names are the same. After a Preview in the mode now checked, Go takes the new names as they stand; when that Preview stopped with a message, Go does nothing until a Preview passes. A blank new name leaves its file alone (Delete blanks the selected ones). Go never overwrites a file; when a new name is the name of a file further down the list, you are asked whether to go on. Checking another mode, choosing another folder and Refresh blank the new names.

Veze Zazedoz works through the clipboard: Copy puts the old names on it, one a line; edit them in any editor, copy them and Paste them back as the new names, line by line. Paste changes nothing while the clipboard holds fewer lines than there are files.
Manual: Duiplicate copies the old names over, ready to be edited by hand.
Part Replacer replaces the Replace text by the With text wherever it stands in a name, and deletes it when With is blank.
Substring Deleter deletes the String To Delete text from every name.
Substring Adder first inserts the text beside Position after that many characters, then adds Begining in front and End behind. Text placed past the end of a name is joined at its end.

Ctrl+Z (or Quillmap --undo) undoes the last 20 Gos one by one, even after a crash. Ctrl+R: Rules.
The list follows folders that are created, removed or renamed, but not files changed by other programs: press Refresh to read the folder again.</source>
        <translation>Wählen Sie oben links einen Ordner oder ziehen Sie ihn auf das Fenster; seine Dateien füllen das Raster, links die jetzigen, rechts die neuen Namen. Umbenennen wendet die gewählte Art sofort an; oder Sie drücken Vorschau, bearbeiten das Ergebnis von Hand und drücken dann Umbenennen. Ohne Vorschau in der gewählten Art berechnet Umbenennen die Namen erst wie die Vorschau (in den Arten mit Textfeldern neu: Handänderungen zählen erst nach einer Vorschau) und hält an, wenn zwei neue Namen gleich sind. Nach einer Vorschau in der gewählten Art nimmt es die Namen, wie sie dastehen; hielt die Vorschau mit einer Meldung an, tut es nichts, bis eine Vorschau gelingt. Ein leerer neuer Name lässt seine Datei, wie sie ist (Entf leert die gewählten). Umbenennen überschreibt nie eine Datei; trägt ein neuer Name den Namen einer Datei weiter unten, werden Sie gefragt, ob es weitergeht. Eine andere Art, ein anderer Ordner und Neu lesen leeren die neuen Namen.

Veze Zazedoz nutzt die Zwischenablage: Kopieren legt die alten Namen dort ab, einen je Zeile; bearbeiten Sie sie in einem Editor, kopieren Sie sie und holen Sie sie mit Einfügen als neue Namen zurück. Einfügen ändert nichts, solange die Zwischenablage weniger Zeilen hat, als es Dateien gibt.
Manuell: Duplikat übernimmt die alten Namen, bereit zum Bearbeiten.
Teil ersetzen setzt überall im Namen den Text unter Durch an die Stelle dessen unter Ersetzen; ist Durch leer, wird er gelöscht.
Text löschen löscht den Text unter Zu löschen aus jedem Namen.
Text anfügen fügt den Text neben Position nach so vielen Zeichen ein, dann Anfang vorn und Ende hinten; was hinter das Ende fiele, kommt ans Ende.

Strg+Z (oder Quillmap --undo) macht die letzten 20 Umbenennungen eine nach der anderen rückgängig, auch nach einem Absturz. Strg+R: Regeln.
Die Liste folgt neuen, entfernten und umbenannten Ordnern, nicht aber Dateien, die andere Programme ändern: Neu lesen liest den Ordner noch einmal.</translation>
    </message>
</context>
<context>
    <name>LinuxShellNamespace</name>
    <message>
        <source>File System</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
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
    <name>Preview</name>
    <message>
        <source>The new name of %1 holds the character U+FFFD where the file&apos;s name has none: a character was lost, please correct the new name.</source>
        <translation>Der neue Name von %1 enthält das Zeichen U+FFFD, wo der Name der Datei keines hat: Ein Zeichen ist verloren gegangen, bitte berichtigen Sie den neuen Namen.</translation>
    </message>
    <message>
        <source>The result of this will mean that 2 files will be called %1</source>
        <translation>Damit würden 2 Dateien %1 heißen</translation>
    </message>
    <message>
        <source>The length of the text to replace has to be at least one character</source>
        <translation>Der zu ersetzende Text muss mindestens ein Zeichen lang sein</translation>
    </message>
    <message>
        <source>The length of the text to delete has to be at least one character</source>
        <translation>Der zu löschende Text muss mindestens ein Zeichen lang sein</translation>
    </message>
    <message>
        <source>Please make sure that a non decimal number is entered for the position.</source>
        <translation>Bitte geben Sie als Position eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter text to add to at least one place.</source>
        <translation>Bitte geben Sie an mindestens einer Stelle einen Text zum Anfügen ein.</translation>
    </message>
</context>
<context>
    <name>Recipe</name>
    <message>
        <source>&quot;find&quot; must not be empty</source>
        <translation>„find“ darf nicht leer sein</translation>
    </message>
    <message>
        <source>&quot;find&quot; is not a valid regular expression (%1)</source>
        <translation>„find“ ist kein gültiger regulärer Ausdruck (%1)</translation>
    </message>
    <message>
        <source>&quot;with&quot; %1</source>
        <translation>„with“ %1</translation>
    </message>
    <message>
        <source>&quot;at&quot; must be start, end or a character position other than 0</source>
        <translation>„at“ muss start, end oder eine Zeichenposition ungleich 0 sein</translation>
    </message>
    <message>
        <source>&quot;text&quot; %1</source>
        <translation>„text“ %1</translation>
    </message>
    <message>
        <source>&quot;from&quot; must be a whole number of at least 1</source>
        <translation>„from“ muss eine ganze Zahl ab 1 sein</translation>
    </message>
    <message>
        <source>&quot;count&quot; must be a whole number of at least 0</source>
        <translation>„count“ muss eine ganze Zahl ab 0 sein</translation>
    </message>
    <message>
        <source>Counter: &quot;width&quot; must be a whole number from 1 to 20.</source>
        <translation>Zähler: „width“ muss eine ganze Zahl von 1 bis 20 sein.</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>must be a string</source>
        <translation>muss ein Text sein</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>muss true oder false sein</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>ist zu groß</translation>
    </message>
    <message>
        <source>must be one of %1</source>
        <translation>muss eines von diesen sein: %1</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;.</source>
        <translation>unbekannter Schlüssel „%1“.</translation>
    </message>
    <message>
        <source>must be start, end or a character position other than 0</source>
        <translation>muss start, end oder eine Zeichenposition ungleich 0 sein</translation>
    </message>
    <message>
        <source>The recipe must be a JSON object with &quot;counter&quot; and &quot;steps&quot;.</source>
        <translation>Das Rezept muss ein JSON-Objekt mit „counter“ und „steps“ sein.</translation>
    </message>
    <message>
        <source>The recipe: </source>
        <translation>Das Rezept: </translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>muss ein Objekt sein</translation>
    </message>
    <message>
        <source>Counter: </source>
        <translation>Zähler: </translation>
    </message>
    <message>
        <source>must be a list of steps</source>
        <translation>muss eine Liste von Schritten sein</translation>
    </message>
    <message>
        <source>Step %1: </source>
        <translation>Schritt %1: </translation>
    </message>
    <message>
        <source>must be an object with one key: replace, case, insert or remove.</source>
        <translation>muss ein Objekt mit einem Schlüssel sein: replace, case, insert oder remove.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a step; use replace, case, insert or remove.</source>
        <translation>„%1“ ist kein Schritt; möglich sind replace, case, insert und remove.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object.</source>
        <translation>„%1“ muss ein Objekt sein.</translation>
    </message>
    <message>
        <source>The recipe is not valid JSON: %1</source>
        <translation>Das Rezept ist kein gültiges JSON: %1</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>missing value</source>
        <translation>Wert fehlt</translation>
    </message>
    <message>
        <source>name not allowed</source>
        <translation>Name nicht erlaubt</translation>
    </message>
    <message>
        <source>duplicate name</source>
        <translation>doppelter Name</translation>
    </message>
    <message>
        <source>name taken by a file not renamed</source>
        <translation>Name gehört einer Datei, die nicht umbenannt wird</translation>
    </message>
    <message>
        <source>Step %1 (%2): </source>
        <translation>Schritt %1 (%2): </translation>
    </message>
    <message>
        <source>no date taken</source>
        <translation>kein Aufnahmedatum</translation>
    </message>
    <message>
        <source>no date modified</source>
        <translation>kein Änderungsdatum</translation>
    </message>
    <message>
        <source>no camera</source>
        <translation>keine Kamera</translation>
    </message>
    <message>
        <source>no artist</source>
        <translation>kein Interpret</translation>
    </message>
    <message>
        <source>no album</source>
        <translation>kein Album</translation>
    </message>
    <message>
        <source>no title</source>
        <translation>kein Titel</translation>
    </message>
    <message>
        <source>no genre</source>
        <translation>kein Genre</translation>
    </message>
    <message>
        <source>no width</source>
        <translation>keine Breite</translation>
    </message>
    <message>
        <source>no height</source>
        <translation>keine Höhe</translation>
    </message>
    <message>
        <source>no track number</source>
        <translation>keine Titelnummer</translation>
    </message>
    <message>
        <source>no year</source>
        <translation>kein Jahr</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>has an empty date format</source>
        <translation>hat ein leeres Datumsformat</translation>
    </message>
    <message>
        <source>has a date format with an unknown conversion &quot;%1&quot;</source>
        <translation>hat ein Datumsformat mit der unbekannten Umwandlung „%1“</translation>
    </message>
    <message>
        <source>has a number width &quot;%1&quot; that is not a whole number from 1 to 20</source>
        <translation>hat eine Zahlenbreite „%1“, die keine ganze Zahl von 1 bis 20 ist</translation>
    </message>
    <message>
        <source>has an unknown token {%1}</source>
        <translation>hat einen unbekannten Platzhalter {%1}</translation>
    </message>
    <message>
        <source>has a format after {%1}, which takes none</source>
        <translation>hat ein Format nach {%1}, das keines annimmt</translation>
    </message>
    <message>
        <source>has a &quot;${&quot; without a group name and its &quot;}&quot;</source>
        <translation>hat ein „${“ ohne Gruppennamen und sein „}“</translation>
    </message>
    <message>
        <source>refers to the group &quot;%1&quot;, which &quot;find&quot; does not name</source>
        <translation>verweist auf die Gruppe „%1“, die „find“ nicht benennt</translation>
    </message>
    <message>
        <source>has a &quot;$&quot; that is not followed by a group number, {group name} or &quot;$&quot; (write $$ for a dollar)</source>
        <translation>hat ein „$“, dem keine Gruppennummer, kein {Gruppenname} und kein „$“ folgt (schreiben Sie $$ für ein Dollarzeichen)</translation>
    </message>
    <message>
        <source>refers to group %1, but &quot;find&quot; has none</source>
        <translation>verweist auf Gruppe %1, aber „find“ hat keine</translation>
    </message>
    <message>
        <source>refers to group %1, but &quot;find&quot; has only %2</source>
        <translation>verweist auf Gruppe %1, aber „find“ hat nur %2</translation>
    </message>
    <message>
        <source>has a &quot;{&quot; without its &quot;}&quot; (write {{ for a brace)</source>
        <translation>hat ein „{“ ohne sein „}“ (schreiben Sie {{ für eine Klammer)</translation>
    </message>
    <message>
        <source>has a &quot;}&quot; without its &quot;{&quot; (write }} for a brace)</source>
        <translation>hat ein „}“ ohne sein „{“ (schreiben Sie }} für eine Klammer)</translation>
    </message>
    <message>
        <source>ends in a &quot;$&quot; (write $$ for a dollar)</source>
        <translation>endet auf „$“ (schreiben Sie $$ für ein Dollarzeichen)</translation>
    </message>
</context>
<context>
    <name>RecipeStore</name>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>A recipe needs a name.</source>
        <translation>Ein Rezept braucht einen Namen.</translation>
    </message>
    <message>
        <source>A recipe&apos;s name must be readable text.</source>
        <translation>Der Name eines Rezepts muss lesbarer Text sein.</translation>
    </message>
    <message>
        <source>A recipe&apos;s name is too long.</source>
        <translation>Der Name des Rezepts ist zu lang.</translation>
    </message>
    <message>
        <source>A recipe&apos;s name cannot start with a dot.</source>
        <translation>Der Name eines Rezepts darf nicht mit einem Punkt beginnen.</translation>
    </message>
    <message>
        <source>A recipe&apos;s name cannot start or end with a space.</source>
        <translation>Der Name eines Rezepts darf nicht mit einem Leerzeichen beginnen oder enden.</translation>
    </message>
    <message>
        <source>A recipe&apos;s name cannot hold &quot;/&quot;.</source>
        <translation>Der Name eines Rezepts darf kein „/“ enthalten.</translation>
    </message>
    <message>
        <source>A recipe&apos;s name cannot hold a control character.</source>
        <translation>Der Name eines Rezepts darf kein Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The recipe &quot;%1&quot; cannot be read: %2.</source>
        <translation>Das Rezept „%1“ lässt sich nicht lesen: %2.</translation>
    </message>
    <message>
        <source>The recipe &quot;%1&quot; could not be saved: %2.</source>
        <translation>Das Rezept „%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The recipe &quot;%1&quot; could not be deleted: %2.</source>
        <translation>Das Rezept „%1“ konnte nicht gelöscht werden: %2.</translation>
    </message>
</context>
<context>
    <name>Renaming</name>
    <message>
        <source>This rename batch will not work as %1 will be the same as a file not renamed yet, to continue and face the error click yes.</source>
        <translation>Dieses Umbenennen wird so nicht gelingen, denn %1 wäre der Name einer Datei, die noch nicht umbenannt ist. Um trotzdem weiterzumachen und den Fehler in Kauf zu nehmen, klicken Sie auf Ja.</translation>
    </message>
    <message>
        <source>The record needed to undo this Go cannot be written (%1). Rename the files anyway, without a way to undo it?</source>
        <translation>Das Protokoll, mit dem sich dieses Umbenennen rückgängig machen ließe, kann nicht geschrieben werden (%1). Die Dateien trotzdem umbenennen, ohne Weg zurück?</translation>
    </message>
    <message>
        <source>Nothing was renamed: the folder shown is no longer at %1, so it is listed again.</source>
        <translation>Nichts wurde umbenannt: Der angezeigte Ordner liegt nicht mehr unter %1 und wird deshalb neu gelesen.</translation>
    </message>
    <message>
        <source>the file is also under %1</source>
        <translation>die Datei liegt auch unter %1</translation>
    </message>
    <message>
        <source>the file is now %1</source>
        <translation>die Datei liegt jetzt unter %1</translation>
    </message>
    <message>
        <source>Error renaming file %1</source>
        <translation>Fehler beim Umbenennen der Datei %1</translation>
    </message>
    <message>
        <source>Error renaming file %1 (%2)</source>
        <translation>Fehler beim Umbenennen der Datei %1 (%2)</translation>
    </message>
    <message>
        <source>... and %1 more files could not be renamed.</source>
        <translation>... und %1 weitere Dateien konnten nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Renaming stopped. Files renamed: %1. Files left as they were: %2.</source>
        <translation>Umbenennen angehalten. Umbenannte Dateien: %1. Unverändert gebliebene Dateien: %2.</translation>
    </message>
    <message>
        <source>The folder cannot be opened.</source>
        <translation>Der Ordner lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>A file name cannot be empty, &quot;.&quot; or &quot;..&quot;, and cannot hold &quot;/&quot; or a NUL byte.</source>
        <translation>Ein Dateiname darf nicht leer, „.“ oder „..“ sein und weder „/“ noch ein NUL-Byte enthalten.</translation>
    </message>
</context>
<context>
    <name>TFolderTree</name>
    <message>
        <source>Could not register SHChangeNotify</source>
        <translation>Die Benachrichtigung über Ordneränderungen ließ sich nicht einrichten (SHChangeNotify)</translation>
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
    <message>
        <source>The folder was listed again while Rules was open, so no new name was written.</source>
        <translation>Der Ordner wurde neu gelesen, während Regeln offen war; deshalb wurde kein neuer Name eingetragen.</translation>
    </message>
</context>
<context>
    <name>TerminalRecipe</name>
    <message>
        <source>The recipe file %1 cannot be read.</source>
        <translation>Die Rezeptdatei %1 lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>There is no recipe file %1 and no saved recipe of that name.</source>
        <translation>Es gibt weder eine Rezeptdatei %1 noch ein gespeichertes Rezept dieses Namens.</translation>
    </message>
    <message>
        <source>The recipe %1 cannot be used: %2</source>
        <translation>Das Rezept %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>a cycle of renames, left alone</source>
        <translation>ein Kreis von Umbenennungen, unverändert gelassen</translation>
    </message>
    <message>
        <source>waits on a cycle, left alone</source>
        <translation>wartet auf einen Kreis, unverändert gelassen</translation>
    </message>
    <message>
        <source>Renamed 1 file in %1.</source>
        <translation>1 Datei in %1 umbenannt.</translation>
    </message>
    <message>
        <source>Renamed %1 files in %2.</source>
        <translation>%1 Dateien in %2 umbenannt.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read: %2.</source>
        <translation>Der Ordner %1 lässt sich nicht lesen: %2.</translation>
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
    <name>Undo</name>
    <message>
        <source>it is cut short</source>
        <translation>es ist unvollständig</translation>
    </message>
    <message>
        <source>it is not an undo record of this program</source>
        <translation>es ist kein Protokoll dieses Programms zum Rückgängigmachen</translation>
    </message>
    <message>
        <source>it was written by another version of the program (format %1)</source>
        <translation>es stammt von einer anderen Version des Programms (Format %1)</translation>
    </message>
    <message>
        <source>it is cut short or damaged</source>
        <translation>es ist unvollständig oder beschädigt</translation>
    </message>
    <message>
        <source>its checksum does not match: it was damaged or edited</source>
        <translation>seine Prüfsumme stimmt nicht: Es wurde beschädigt oder bearbeitet</translation>
    </message>
    <message>
        <source>it holds more than one batch&apos;s record</source>
        <translation>es enthält die Aufzeichnung mehr als eines Umbenennens</translation>
    </message>
    <message>
        <source>its record of the renamed files does not match: it was damaged or edited</source>
        <translation>seine Liste der umbenannten Dateien stimmt nicht: Es wurde beschädigt oder bearbeitet</translation>
    </message>
    <message>
        <source>%1 Nothing was renamed.</source>
        <translation>%1 Nichts wurde umbenannt.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Es gibt nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Undo stopped. Files renamed back: %1. Files left as they were: %2.</source>
        <translation>Rückgängigmachen angehalten. Zurückbenannte Dateien: %1. Unverändert gebliebene Dateien: %2.</translation>
    </message>
    <message>
        <source>The record of the last Go cannot be read: %1.</source>
        <translation>Das Protokoll des letzten Umbenennens lässt sich nicht lesen: %1.</translation>
    </message>
    <message>
        <source>The record of the last Go cannot be used: %1.</source>
        <translation>Das Protokoll des letzten Umbenennens ist nicht verwendbar: %1.</translation>
    </message>
    <message>
        <source>The folder of the last Go, %1, is no longer there.</source>
        <translation>Der Ordner des letzten Umbenennens, %1, ist nicht mehr da.</translation>
    </message>
    <message>
        <source>%1 is no longer the folder of the last Go.</source>
        <translation>%1 ist nicht mehr der Ordner des letzten Umbenennens.</translation>
    </message>
    <message>
        <source>The folder of the last Go, %1, cannot be read.</source>
        <translation>Der Ordner des letzten Umbenennens, %1, lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>its name is not allowed</source>
        <translation>ihr Name ist nicht erlaubt</translation>
    </message>
    <message>
        <source>a file of the old name exists</source>
        <translation>eine Datei mit dem alten Namen gibt es schon</translation>
    </message>
    <message>
        <source>it is no longer there</source>
        <translation>sie ist nicht mehr da</translation>
    </message>
    <message>
        <source>the rename back failed</source>
        <translation>das Zurückbenennen ist misslungen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>made at %1</source>
        <translation>um %1</translation>
    </message>
    <message>
        <source>made on %1 at %2</source>
        <translation>am %1 um %2</translation>
    </message>
    <message>
        <source>Undo the renaming of %1 in %2, %3?</source>
        <translation>Das Umbenennen von %1 in %2 %3 rückgängig machen?</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>%1 could not be renamed back: %2.</source>
        <translation>Nicht zurückbenannt (%1): %2.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 lässt sich nicht anlegen: %2</translation>
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
    <message>
        <source>The recipe &quot;%1&quot; cannot be used: %2</source>
        <translation>Das Rezept „%1“ ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>A recipe named &quot;%1&quot; is saved already. Replace it?</source>
        <translation>Ein Rezept namens „%1“ ist schon gespeichert. Ersetzen?</translation>
    </message>
    <message>
        <source>Delete the saved recipe &quot;%1&quot;?</source>
        <translation>Das gespeicherte Rezept „%1“ löschen?</translation>
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
    <message>
        <source> (name)</source>
        <translation> (Name)</translation>
    </message>
    <message>
        <source> (extension)</source>
        <translation> (Endung)</translation>
    </message>
    <message>
        <source>lower</source>
        <translation>klein</translation>
    </message>
    <message>
        <source>upper</source>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Jedes Wort groß</translation>
    </message>
    <message>
        <source>sentence</source>
        <translation>Satzanfang groß</translation>
    </message>
    <message>
        <source>whole name</source>
        <translation>ganzer Name</translation>
    </message>
    <message>
        <source>name without extension</source>
        <translation>Name ohne Endung</translation>
    </message>
    <message>
        <source>extension</source>
        <translation>Endung</translation>
    </message>
    <message>
        <source>UPPER</source>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Jedes Wort groß</translation>
    </message>
    <message>
        <source>Sentence case</source>
        <translation>Satzanfang groß</translation>
    </message>
    <message>
        <source>at the start</source>
        <translation>am Anfang</translation>
    </message>
    <message>
        <source>at the end</source>
        <translation>am Ende</translation>
    </message>
    <message>
        <source>before character</source>
        <translation>vor Zeichen</translation>
    </message>
    <message>
        <source>Replace pattern &quot;%1&quot; with &quot;%2&quot;%3</source>
        <translation>Muster „%1“ durch „%2“ ersetzen%3</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with &quot;%2&quot;%3</source>
        <translation>„%1“ durch „%2“ ersetzen%3</translation>
    </message>
    <message>
        <source>Letter case %1%2</source>
        <translation>Schreibweise %1%2</translation>
    </message>
    <message>
        <source>before character %1</source>
        <translation>vor Zeichen %1</translation>
    </message>
    <message>
        <source>Insert &quot;%1&quot; %2%3</source>
        <translation>„%1“ %2 einfügen%3</translation>
    </message>
    <message>
        <source>Remove %1 from character %2 from the end%3</source>
        <translation>%1 ab Zeichen %2 vom Ende her entfernen%3</translation>
    </message>
    <message>
        <source>Remove %1 from character %2%3</source>
        <translation>%1 ab Zeichen %2 entfernen%3</translation>
    </message>
</context>
</TS>
