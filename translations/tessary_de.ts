<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Resizes, turns and converts many pictures in one go, and hands them to your mail program.</source>
        <translation>Ändert Größe, Drehung und Format vieler Bilder auf einmal und übergibt sie Ihrem E-Mail-Programm.</translation>
    </message>
    <message>
        <source>Tessary is free software under the MIT licence:</source>
        <translation>Tessary ist freie Software unter der MIT-Lizenz:</translation>
    </message>
    <message>
        <source>About Tessary</source>
        <translation>Über Tessary</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>it is in the list already, as %1</source>
        <translation>es steht bereits als %1 in der Liste</translation>
    </message>
    <message>
        <source>it has %1 pages and only its first could be written in its place, so it is kept as it is</source>
        <translation>es hat %1 Seiten, und nur die erste könnte an seiner Stelle geschrieben werden; daher bleibt es, wie es ist</translation>
    </message>
    <message>
        <source>its name would put it outside %1</source>
        <translation>sein Name würde es außerhalb von %1 ablegen</translation>
    </message>
    <message>
        <source>something that is not a file has its name</source>
        <translation>etwas, das keine Datei ist, trägt seinen Namen</translation>
    </message>
    <message>
        <source>it would be written over the source picture %1, which is not to be overwritten</source>
        <translation>es würde das Quellbild %1 überschreiben, das nicht überschrieben werden soll</translation>
    </message>
    <message>
        <source>another result of this batch, from %1, has its name</source>
        <translation>ein anderes Ergebnis dieser Stapelverarbeitung, aus %1, trägt seinen Namen</translation>
    </message>
    <message>
        <source>its name %1 is a source picture&apos;s</source>
        <translation>sein Name %1 ist der eines Quellbilds</translation>
    </message>
    <message>
        <source>the batch was stopped</source>
        <translation>die Stapelverarbeitung wurde angehalten</translation>
    </message>
    <message>
        <source>The padding colour &quot;%1&quot; is not an RGB colour in hex, such as FFFFFF for white, nor empty for transparent.</source>
        <translation>Die Leinwandfarbe „%1“ ist weder eine hexadezimale RGB-Farbe wie FFFFFF für Weiß noch leer für transparent.</translation>
    </message>
    <message>
        <source>the new size of %1 x %2 pixels is not possible</source>
        <translation>die neue Größe von %1 × %2 Pixeln ist nicht möglich</translation>
    </message>
    <message>
        <source>a &apos;}&apos; without its &apos;{&apos;</source>
        <translation>ein „}“ ohne zugehöriges „{“</translation>
    </message>
    <message>
        <source>a &apos;{&apos; without its &apos;}&apos;</source>
        <translation>ein „{“ ohne zugehöriges „}“</translation>
    </message>
    <message>
        <source>The name template &quot;%1&quot; has %2.</source>
        <translation>Die Namensvorlage „%1“ enthält %2.</translation>
    </message>
    <message>
        <source>The name template &quot;%1&quot; has the unknown token {%2}; the tokens are {name}, {ext}, {w}, {h}, {n}, {n:3}, {date}, {time} and {folder}.</source>
        <translation>Die Namensvorlage „%1“ enthält den unbekannten Platzhalter {%2}; die Platzhalter sind {name}, {ext}, {w}, {h}, {n}, {n:3}, {date}, {time} und {folder}.</translation>
    </message>
    <message>
        <source>The name template &quot;%1&quot; would put results outside the destination folder.</source>
        <translation>Die Namensvorlage „%1“ würde Ergebnisse außerhalb des Zielordners ablegen.</translation>
    </message>
    <message>
        <source>The name template &quot;%1&quot; gives no file name after its last &quot;/&quot;.</source>
        <translation>Die Namensvorlage „%1“ ergibt nach ihrem letzten „/“ keinen Dateinamen.</translation>
    </message>
    <message>
        <source>%1 cannot be changed for a further output</source>
        <translation>%1 kann für eine weitere Ausgabe nicht geändert werden</translation>
    </message>
    <message>
        <source>further output %1 (%2): %3</source>
        <translation>weitere Ausgabe %1 (%2): %3</translation>
    </message>
    <message>
        <source>the source&apos;s type</source>
        <translation>der Typ der Quelle</translation>
    </message>
    <message>
        <source>full size</source>
        <translation>volle Größe</translation>
    </message>
    <message>
        <source>fitted to the desktop</source>
        <translation>an die Desktopgröße angepasst</translation>
    </message>
    <message>
        <source>cannot make the folder %1 (%2)</source>
        <translation>der Ordner %1 kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>another result of this batch has its name %1</source>
        <translation>ein anderes Ergebnis dieser Stapelverarbeitung trägt seinen Namen %1</translation>
    </message>
    <message>
        <source>a file of its name appeared while the batch ran, and is kept</source>
        <translation>eine Datei seines Namens ist während der Stapelverarbeitung entstanden und bleibt erhalten</translation>
    </message>
    <message>
        <source>cannot write the file (%1)</source>
        <translation>die Datei kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>about %1 in all</source>
        <translation>insgesamt etwa %1</translation>
    </message>
    <message>
        <source>; a mail of them fits in %1</source>
        <translation>; eine E-Mail mit ihnen passt in %1</translation>
    </message>
    <message>
        <source>; a mail of them would be made smaller to fit in %1</source>
        <translation>; für eine E-Mail würden sie verkleinert, damit sie in %1 passen</translation>
    </message>
    <message>
        <source>it cannot be made as small as %1 KB</source>
        <translation>es lässt sich nicht auf %1 KB verkleinern</translation>
    </message>
    <message>
        <source>its pages are no longer those the batch planned for</source>
        <translation>seine Seiten entsprechen nicht mehr dem Plan der Stapelverarbeitung</translation>
    </message>
    <message>
        <source>turned without re-encoding: 1 JPEG photo</source>
        <translation>ohne Neukodierung gedreht: 1 JPEG-Foto</translation>
    </message>
    <message>
        <source>turned without re-encoding: %1 JPEG photos</source>
        <translation>ohne Neukodierung gedreht: %1 JPEG-Fotos</translation>
    </message>
    <message>
        <source>%1: re-encoded, as %2</source>
        <translation>%1: neu kodiert, weil %2</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>One result could not be made:</source>
        <translation>Ein Ergebnis konnte nicht erstellt werden:</translation>
    </message>
    <message>
        <source>%1 results could not be made:</source>
        <translation>%1 Ergebnisse konnten nicht erstellt werden:</translation>
    </message>
    <message>
        <source>One picture could not be processed:</source>
        <translation>Ein Bild konnte nicht verarbeitet werden:</translation>
    </message>
    <message>
        <source>%1 pictures could not be processed:</source>
        <translation>%1 Bilder konnten nicht verarbeitet werden:</translation>
    </message>
    <message>
        <source>... and %1 more (see the details)</source>
        <translation>… und %1 weitere (siehe Details)</translation>
    </message>
    <message>
        <source>One JPEG photo was re-encoded instead of turned without loss:</source>
        <translation>Ein JPEG-Foto wurde neu kodiert statt verlustfrei gedreht:</translation>
    </message>
    <message>
        <source>%1 JPEG photos were re-encoded instead of turned without loss:</source>
        <translation>%1 JPEG-Fotos wurden neu kodiert statt verlustfrei gedreht:</translation>
    </message>
</context>
<context>
    <name>Browse</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Create Time</source>
        <translation>Erstellt am</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 Bilder</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>%1 Bild</translation>
    </message>
    <message>
        <source>, %1 marked, %2</source>
        <translation>, %1 markiert, %2</translation>
    </message>
    <message>
        <source>Please mark the pictures before Copy</source>
        <translation>Bitte markieren Sie die Bilder vor dem Kopieren</translation>
    </message>
    <message>
        <source>Please mark the pictures before Move</source>
        <translation>Bitte markieren Sie die Bilder vor dem Verschieben</translation>
    </message>
    <message>
        <source>Please mark the pictures before Mail</source>
        <translation>Bitte markieren Sie die Bilder vor dem Versenden</translation>
    </message>
    <message>
        <source>Please mark the pictures before Resize</source>
        <translation>Bitte markieren Sie die Bilder vor dem Ändern der Größe</translation>
    </message>
    <message>
        <source>These pictures could not be %1:

%2</source>
        <translation>Diese Bilder konnten nicht %1 werden:

%2</translation>
    </message>
    <message>
        <source>These pictures are already in &quot;%1&quot;, so they were not %2:

%3</source>
        <translation>Diese Bilder liegen bereits in „%1“ und wurden daher nicht %2:

%3</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verschoben</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>kopiert</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a picture or a folder that can be read.</source>
        <translation>„%1“ kann nicht geöffnet werden: Es ist weder ein Bild noch ein lesbarer Ordner.</translation>
    </message>
    <message>
        <source>Cannot open %1 of the given files: they are not pictures or folders that can be read.</source>
        <translation>%1 der angegebenen Dateien können nicht geöffnet werden: Sie sind weder Bilder noch lesbare Ordner.</translation>
    </message>
    <message>
        <source>1 given picture is in another folder and was not marked.</source>
        <translation>1 angegebenes Bild liegt in einem anderen Ordner und wurde nicht markiert.</translation>
    </message>
    <message>
        <source>%1 given pictures are in other folders and were not marked.</source>
        <translation>%1 angegebene Bilder liegen in anderen Ordnern und wurden nicht markiert.</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 can be changed by other users</source>
        <translation>%1 kann von anderen Benutzern geändert werden</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>it is a thumbnail itself</source>
        <translation>es ist selbst eine Miniatur</translation>
    </message>
</context>
<context>
    <name>CommandPrompt</name>
    <message>
        <source>Mark the selected picture in order to resize, mail, move or copy the marked pictures</source>
        <translation>Das ausgewählte Bild markieren, um die markierten Bilder in der Größe zu ändern, zu versenden, zu verschieben oder zu kopieren</translation>
    </message>
    <message>
        <source>Mark the selected picture</source>
        <translation>Ausgewähltes Bild markieren</translation>
    </message>
    <message>
        <source>Select the all pictures in the folder</source>
        <translation>Alle Bilder im Ordner auswählen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Refresh the file list</source>
        <translation>Dateiliste aktualisieren</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Copy the marked pictures to pointed folder</source>
        <translation>Die markierten Bilder in einen gewählten Ordner kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Move the marked pictures to pointed folder</source>
        <translation>Die markierten Bilder in einen gewählten Ordner verschieben</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Mail the marked pictures</source>
        <translation>Die markierten Bilder per E-Mail senden</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Resize the marked pictures</source>
        <translation>Die Größe der markierten Bilder ändern</translation>
    </message>
    <message>
        <source>Tessary</source>
        <translation>Tessary</translation>
    </message>
    <message>
        <source>Set the program option</source>
        <translation>Die Programmoptionen einstellen</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Show the pictures as a list with their size, type and time</source>
        <translation>Die Bilder als Liste mit Größe, Typ und Zeit zeigen</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Show the pictures as thumbnails</source>
        <translation>Die Bilder als Miniaturen zeigen</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturen</translation>
    </message>
    <message>
        <source>Sort the list by name; again: the other way round</source>
        <translation>Die Liste nach Namen sortieren; erneut: umgekehrt</translation>
    </message>
    <message>
        <source>Sort the list by size; again: the other way round</source>
        <translation>Die Liste nach Größe sortieren; erneut: umgekehrt</translation>
    </message>
    <message>
        <source>Sort the list by type; again: the other way round</source>
        <translation>Die Liste nach Typ sortieren; erneut: umgekehrt</translation>
    </message>
    <message>
        <source>Sort the list by time; again: the other way round</source>
        <translation>Die Liste nach Zeit sortieren; erneut: umgekehrt</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Go back to the folder shown before</source>
        <translation>Zurück zum zuvor gezeigten Ordner</translation>
    </message>
    <message>
        <source>Go forward to the folder left by Back</source>
        <translation>Vorwärts zu dem Ordner, den „Zurück“ verlassen hat</translation>
    </message>
    <message>
        <source>Show or hide the files and folders whose names begin with a dot</source>
        <translation>Dateien und Ordner, deren Namen mit einem Punkt beginnen, zeigen oder verbergen</translation>
    </message>
    <message>
        <source>Show the picture on the whole screen; the arrow keys go through the folder</source>
        <translation>Das Bild auf dem ganzen Bildschirm zeigen; die Pfeiltasten blättern durch den Ordner</translation>
    </message>
    <message>
        <source>Show the folder&apos;s pictures one after the other on the whole screen</source>
        <translation>Die Bilder des Ordners nacheinander auf dem ganzen Bildschirm zeigen</translation>
    </message>
</context>
<context>
    <name>ConfirmDialog</name>
    <message>
        <source>Tessary Confirm</source>
        <translation>Tessary – Bestätigung</translation>
    </message>
    <message>
        <source>Yes to all</source>
        <translation>Ja, alle</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>No to all</source>
        <translation>Nein, keine</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Resize as default setting</source>
        <translation>Größe mit Standardeinstellungen ändern</translation>
    </message>
    <message>
        <source>Resize as default setting and mail</source>
        <translation>Größe mit Standardeinstellungen ändern und versenden</translation>
    </message>
    <message>
        <source>Display resize dialog then mail</source>
        <translation>Größe im Dialog ändern, dann versenden</translation>
    </message>
    <message>
        <source>Resize with preset</source>
        <translation>Größe mit Voreinstellung ändern</translation>
    </message>
    <message>
        <source>Tessary has been removed from this computer,
so its menu items cannot run any more.

To take them out of the menus, install Tessary again
and run: tessary-menu --uninstall</source>
        <translation>Tessary wurde von diesem Computer entfernt,
daher können seine Menüeinträge nicht mehr ausgeführt werden.

Um sie aus den Menüs zu entfernen, installieren Sie Tessary erneut
und führen Sie aus: tessary-menu --uninstall</translation>
    </message>
</context>
<context>
    <name>FileOperation</name>
    <message>
        <source>Moving</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>This folder already holds a file named &quot;%1&quot;.

Replace it with the one you are moving or copying?</source>
        <translation>Dieser Ordner enthält bereits eine Datei namens „%1“.

Soll sie durch die verschobene oder kopierte Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>From: %1
To: %2</source>
        <translation>Von: %1
Nach: %2</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Yes to &amp;all</source>
        <translation>Ja, &amp;alle</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>N&amp;o to all</source>
        <translation>N&amp;ein, keine</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.

Create it?</source>
        <translation>Der Ordner „%1“ existiert nicht.

Soll er angelegt werden?</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>the copy is not complete</source>
        <translation>die Kopie ist unvollständig</translation>
    </message>
    <message>
        <source>: copied, but the original could not be removed</source>
        <translation>: kopiert, aber das Original konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>: no such file</source>
        <translation>: Datei nicht vorhanden</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>no space left on the device</source>
        <translation>kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere (%1)</source>
        <translation>es ist eine Verknüpfung, die ins Leere führt (%1)</translation>
    </message>
    <message>
        <source>something that is not a file has its name</source>
        <translation>etwas, das keine Datei ist, trägt seinen Namen</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>sein Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file it replaces cannot be moved to the Trash (%1)</source>
        <translation>die Datei, die es ersetzt, kann nicht in den Papierkorb verschoben werden (%1)</translation>
    </message>
    <message>
        <source>a file of that name is there already</source>
        <translation>es gibt bereits eine Datei dieses Namens</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>others may enter %1</source>
        <translation>andere Benutzer haben Zugriff auf %1</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>Slideshow &amp;Pace</source>
        <translation>Diashow-&amp;Intervall</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>This folder has no picture to show</source>
        <translation>Dieser Ordner enthält kein Bild zum Anzeigen</translation>
    </message>
    <message>
        <source> Address </source>
        <translation> Adresse </translation>
    </message>
    <message>
        <source>The window&apos;s place and the list&apos;s view and columns cannot be kept for the next start.

%1</source>
        <translation>Fensterposition sowie Ansicht und Spalten der Liste können nicht für den nächsten Start gespeichert werden.

%1</translation>
    </message>
</context>
<context>
    <name>FurtherOutputDialog</name>
    <message>
        <source>Further output</source>
        <translation>Weitere Ausgabe</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>as the main output</source>
        <translation>wie die Hauptausgabe</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>x</source>
        <translation>×</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>DPI:</source>
        <translation>DPI:</translation>
    </message>
    <message>
        <source>This output cannot be used: %1.</source>
        <translation>Diese Ausgabe kann nicht verwendet werden: %1.</translation>
    </message>
</context>
<context>
    <name>HandOff</name>
    <message>
        <source>Resize with Tessary</source>
        <translation>Größe mit Tessary ändern</translation>
    </message>
    <message>
        <source>&amp;Resize</source>
        <translation>&amp;Größe ändern</translation>
    </message>
    <message>
        <source>Tessary found %1 in %2 and the folders under it.

Resize them?</source>
        <translation>Tessary hat %1 in %2 und den Ordnern darunter gefunden.

Soll ihre Größe geändert werden?</translation>
    </message>
    <message>
        <source>Tessary found %1 in %2 folders and the folders under them.

Resize them?</source>
        <translation>Tessary hat %1 in %2 Ordnern und den Ordnern darunter gefunden.

Soll ihre Größe geändert werden?</translation>
    </message>
    <message>
        <source>Tessary found %1: %2 you chose, and %3 in %4 and the folders under it.

Resize them?</source>
        <translation>Tessary hat %1 gefunden: %2 von Ihnen gewählt und %3 in %4 und den Ordnern darunter.

Soll ihre Größe geändert werden?</translation>
    </message>
    <message>
        <source>Tessary found %1: %2 you chose, and %3 in %4 folders and the folders under them.

Resize them?</source>
        <translation>Tessary hat %1 gefunden: %2 von Ihnen gewählt und %3 in %4 Ordnern und den Ordnern darunter.

Soll ihre Größe geändert werden?</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 Bild</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 Bilder</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>There is no picture in %1.</source>
        <translation>In %1 gibt es kein Bild.</translation>
    </message>
    <message>
        <source>None of the chosen files is a picture.</source>
        <translation>Keine der gewählten Dateien ist ein Bild.</translation>
    </message>
    <message>
        <source>There is no preset named &quot;%1&quot; any more.</source>
        <translation>Es gibt keine Voreinstellung namens „%1“ mehr.</translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>Tessary cannot hand pictures to a mail program: the xdg-email command (package xdg-utils) is not installed.</source>
        <translation>Tessary kann keine Bilder an ein E-Mail-Programm übergeben: Der Befehl xdg-email (Paket xdg-utils) ist nicht installiert.</translation>
    </message>
    <message>
        <source>No mail program could be found to write the message. Choose a default mail program in your desktop&apos;s settings and try again.</source>
        <translation>Es wurde kein E-Mail-Programm gefunden, um die Nachricht zu schreiben. Wählen Sie in den Einstellungen Ihres Desktops ein Standard-E-Mail-Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The mail program could not be started to write the message.</source>
        <translation>Das E-Mail-Programm konnte nicht gestartet werden, um die Nachricht zu schreiben.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Up Folder	Backspace</source>
        <translation>Übergeordneter Ordner	Backspace</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>Resize ...</source>
        <translation>Größe ändern …</translation>
    </message>
    <message>
        <source>Mail To ...</source>
        <translation>Per E-Mail senden …</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy To ...</source>
        <translation>&amp;Kopieren nach …</translation>
    </message>
    <message>
        <source>Move To ...</source>
        <translation>Verschieben nach …</translation>
    </message>
    <message>
        <source>Select All	Ctrl+A</source>
        <translation>Alles auswählen	Ctrl+A</translation>
    </message>
    <message>
        <source>Refresh	F5</source>
        <translation>Aktualisieren	F5</translation>
    </message>
    <message>
        <source>Option ...</source>
        <translation>Optionen …</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Details	Ctrl+1</source>
        <translation>&amp;Details	Ctrl+1</translation>
    </message>
    <message>
        <source>T&amp;humbnails	Ctrl+2</source>
        <translation>&amp;Miniaturen	Ctrl+2</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Nach &amp;Name sortieren</translation>
    </message>
    <message>
        <source>Sort by Si&amp;ze</source>
        <translation>Nach &amp;Größe sortieren</translation>
    </message>
    <message>
        <source>Sort by T&amp;ype</source>
        <translation>Nach &amp;Typ sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;Create Time</source>
        <translation>Nach &amp;Erstellungszeit sortieren</translation>
    </message>
    <message>
        <source>H&amp;idden Files	Ctrl+H</source>
        <translation>&amp;Versteckte Dateien	Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;Full Screen	F11</source>
        <translation>Voll&amp;bild	F11</translation>
    </message>
    <message>
        <source>Slidesho&amp;w	Shift+F11</source>
        <translation>Dias&amp;how	Shift+F11</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <source>&amp;Back	Alt+Left</source>
        <translation>&amp;Zurück	Alt+Left</translation>
    </message>
    <message>
        <source>&amp;Forward	Alt+Right</source>
        <translation>&amp;Vorwärts	Alt+Right</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Visit my web</source>
        <translation>Website des Autors besuchen</translation>
    </message>
    <message>
        <source>Check the new version ...</source>
        <translation>Nach neuer Version suchen …</translation>
    </message>
    <message>
        <source>Mail to me</source>
        <translation>E-Mail an den Autor</translation>
    </message>
    <message>
        <source>Bug report</source>
        <translation>Fehler melden</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>Ü&amp;ber …</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Letzte Stapelverarbeitung rückgängig machen</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 was changed since Tessary wrote it; it was left as it is</source>
        <translation>%1 wurde geändert, seit Tessary es geschrieben hat; es bleibt, wie es ist</translation>
    </message>
    <message>
        <source>cannot remove %1</source>
        <translation>%1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 was left as it is: %2</source>
        <translation>%1 bleibt, wie es ist: %2</translation>
    </message>
    <message>
        <source>the program&apos;s path cannot stand in a menu entry: %1</source>
        <translation>der Pfad des Programms kann nicht in einem Menüeintrag stehen: %1</translation>
    </message>
    <message>
        <source>; no menu was changed</source>
        <translation>; kein Menü wurde geändert</translation>
    </message>
    <message>
        <source>%1 is not Tessary&apos;s; it was left as it is</source>
        <translation>%1 gehört nicht zu Tessary; es bleibt, wie es ist</translation>
    </message>
    <message>
        <source>it is written in %1, which Tessary cannot write back unchanged</source>
        <translation>es ist in %1 geschrieben, das Tessary nicht unverändert zurückschreiben kann</translation>
    </message>
    <message>
        <source>it is not valid %1</source>
        <translation>es ist kein gültiges %1</translation>
    </message>
    <message>
        <source>it is not a list of Thunar actions</source>
        <translation>es ist keine Liste von Thunar-Aktionen</translation>
    </message>
    <message>
        <source>it is not a list of Thunar actions without ours</source>
        <translation>es ist keine Liste von Thunar-Aktionen ohne unsere</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>The file managers&apos; menus could not all be written:

</source>
        <translation>Die Menüs der Dateimanager konnten nicht alle geschrieben werden:

</translation>
    </message>
    <message>
        <source>Option...</source>
        <translation>Optionen …</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Menu Context</source>
        <translation>Kontextmenü</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>The %1 can have at most %2 bytes: the rest was not taken.</source>
        <translation>%1 darf höchstens %2 Bytes lang sein: Der Rest wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>subject</source>
        <translation>Der Betreff</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Der Text</translation>
    </message>
    <message>
        <source>(%F = Attach file name)</source>
        <translation>(%F = Name der angehängten Datei)</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Select the menu items that viewed in menu context </source>
        <translation>Wählen Sie die Einträge des Kontextmenüs </translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Resize as default setting</source>
        <translation>Größe mit Standardeinstellungen ändern</translation>
    </message>
    <message>
        <source>Resize and mail</source>
        <translation>Größe ändern und versenden</translation>
    </message>
    <message>
        <source>Resize as default setting and mail</source>
        <translation>Größe mit Standardeinstellungen ändern und versenden</translation>
    </message>
    <message>
        <source>Display resize dialog then mail</source>
        <translation>Größe im Dialog ändern, dann versenden</translation>
    </message>
    <message>
        <source>Resize with preset, an item for each preset</source>
        <translation>Größe mit Voreinstellung ändern, ein Eintrag je Voreinstellung</translation>
    </message>
    <message>
        <source>unknown option name &apos;%1&apos;</source>
        <translation>unbekannter Optionsname „%1“</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number from 0 to 4294967295</source>
        <translation>%1: „%2“ ist keine Zahl von 0 bis 4294967295</translation>
    </message>
    <message>
        <source>it changes no option</source>
        <translation>es ändert keine Option</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=VALUE</source>
        <translation>„%1“ ist nicht NAME=WERT</translation>
    </message>
    <message>
        <source>%1: %2 is not from %3 to %4</source>
        <translation>%1: %2 liegt nicht zwischen %3 und %4</translation>
    </message>
    <message>
        <source>The options cannot be kept.

%1</source>
        <translation>Die Optionen können nicht gespeichert werden.

%1</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is none of %3, nor their numbers 0 to %4</source>
        <translation>%1: „%2“ ist keiner der Werte %3 und auch keine ihrer Nummern 0 bis %4</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>cannot write the file (%1)</source>
        <translation>die Datei kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>its %1 pages differ in size, and a picture of this type keeps its pages in one size</source>
        <translation>seine %1 Seiten sind unterschiedlich groß, und ein Bild dieses Typs hat nur Seiten einer Größe</translation>
    </message>
    <message>
        <source>cannot open the file (%1)</source>
        <translation>die Datei kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is not of the expected picture type</source>
        <translation>die Datei hat nicht den erwarteten Bildtyp</translation>
    </message>
    <message>
        <source>not a picture of a type Tessary reads</source>
        <translation>kein Bild eines Typs, den Tessary lesen kann</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>cannot read the file (%1)</source>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>das Bild ist zu groß (%1 × %2 Pixel)</translation>
    </message>
    <message>
        <source>%1 x %2 pixels is not a size a picture can have</source>
        <translation>%1 × %2 Pixel ist keine mögliche Bildgröße</translation>
    </message>
    <message>
        <source>the encoder&apos;s HEIF file has no EXIF item to hold the camera data</source>
        <translation>die HEIF-Datei des Encoders hat kein EXIF-Element für die Kameradaten</translation>
    </message>
    <message>
        <source>the encoder made no JPEG XL</source>
        <translation>der Encoder hat kein JPEG XL erzeugt</translation>
    </message>
    <message>
        <source>the picture is damaged or unsupported</source>
        <translation>das Bild ist beschädigt oder wird nicht unterstützt</translation>
    </message>
    <message>
        <source>an icon can be at most %1 x %1 pixels; this picture is %2 x %3</source>
        <translation>ein Symbol darf höchstens %1 × %1 Pixel groß sein; dieses Bild hat %2 × %3</translation>
    </message>
    <message>
        <source>pictures of this type cannot be written</source>
        <translation>Bilder dieses Typs können nicht geschrieben werden</translation>
    </message>
    <message>
        <source>its result could not be read back (%1)</source>
        <translation>sein Ergebnis konnte nicht zurückgelesen werden (%1)</translation>
    </message>
    <message>
        <source>its result still holds %1, which is not to be kept</source>
        <translation>sein Ergebnis enthält noch %1, was nicht behalten werden soll</translation>
    </message>
    <message>
        <source>the encoder made no JPEG</source>
        <translation>der Encoder hat kein JPEG erzeugt</translation>
    </message>
    <message>
        <source>its EXIF block of %1 bytes is more than a JPEG file holds</source>
        <translation>sein EXIF-Block von %1 Bytes ist größer, als eine JPEG-Datei fasst</translation>
    </message>
    <message>
        <source>the encoder made no PNG</source>
        <translation>der Encoder hat kein PNG erzeugt</translation>
    </message>
    <message>
        <source>the encoder made no WebP</source>
        <translation>der Encoder hat kein WebP erzeugt</translation>
    </message>
    <message>
        <source>the encoder made an empty WebP</source>
        <translation>der Encoder hat ein leeres WebP erzeugt</translation>
    </message>
    <message>
        <source>the encoder made no TIFF</source>
        <translation>der Encoder hat kein TIFF erzeugt</translation>
    </message>
    <message>
        <source>it is not a JPEG file</source>
        <translation>es ist keine JPEG-Datei</translation>
    </message>
    <message>
        <source>page %1: %2</source>
        <translation>Seite %1: %2</translation>
    </message>
    <message>
        <source>its metadata does not fit a JPEG file&apos;s segments</source>
        <translation>seine Metadaten passen nicht in die Segmente einer JPEG-Datei</translation>
    </message>
    <message>
        <source>its width of %1 pixels is not a whole number of its %2-pixel JPEG blocks, and a turn without re-encoding would lose its right edge</source>
        <translation>seine Breite von %1 Pixeln ist kein ganzes Vielfaches seiner %2-Pixel-JPEG-Blöcke, und eine Drehung ohne Neukodierung würde den rechten Rand verlieren</translation>
    </message>
    <message>
        <source>its height of %1 pixels is not a whole number of its %2-pixel JPEG blocks, and a turn without re-encoding would lose its bottom edge</source>
        <translation>seine Höhe von %1 Pixeln ist kein ganzes Vielfaches seiner %2-Pixel-JPEG-Blöcke, und eine Drehung ohne Neukodierung würde den unteren Rand verlieren</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>%1 is not a file: the presets that come with Tessary are offered, and none can be saved or deleted until it is moved away.</source>
        <translation>%1 ist keine Datei: Die mit Tessary gelieferten Voreinstellungen werden angeboten, und keine kann gespeichert oder gelöscht werden, bis es entfernt ist.</translation>
    </message>
    <message>
        <source>The presets file %1 was damaged: the presets that could be read are kept, and those that come with Tessary are back.</source>
        <translation>Die Voreinstellungsdatei %1 war beschädigt: Die lesbaren Voreinstellungen bleiben erhalten, und die mit Tessary gelieferten sind wieder da.</translation>
    </message>
    <message>
        <source>The presets cannot be written to %1: %2.</source>
        <translation>Die Voreinstellungen können nicht nach %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>There is no preset named &apos;%1&apos; to delete.</source>
        <translation>Es gibt keine Voreinstellung namens „%1“ zum Löschen.</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Eine Voreinstellung braucht einen Namen.</translation>
    </message>
    <message>
        <source>A preset&apos;s name can have at most %1 characters.</source>
        <translation>Der Name einer Voreinstellung darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot hold control characters.</source>
        <translation>Der Name einer Voreinstellung darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A preset&apos;s name must be text: this one holds bytes that are not UTF-8.</source>
        <translation>Der Name einer Voreinstellung muss Text sein: Dieser enthält Bytes, die kein UTF-8 sind.</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot begin with a dot.</source>
        <translation>Der Name einer Voreinstellung darf nicht mit einem Punkt beginnen.</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot begin or end with a space.</source>
        <translation>Der Name einer Voreinstellung darf nicht mit einem Leerzeichen beginnen oder enden.</translation>
    </message>
    <message>
        <source>the presets could not be put into words</source>
        <translation>die Voreinstellungen konnten nicht in Textform gebracht werden</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Picture Properties</source>
        <translation>Bildeigenschaften</translation>
    </message>
    <message>
        <source>Image Width</source>
        <translation>Bildbreite</translation>
    </message>
    <message>
        <source>Image Height</source>
        <translation>Bildhöhe</translation>
    </message>
    <message>
        <source>Cannot show %1: %2</source>
        <translation>%1 kann nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>Only part of %1 can be shown: %2</source>
        <translation>Von %1 kann nur ein Teil angezeigt werden: %2</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Process</source>
        <translation>Verarbeitung</translation>
    </message>
    <message>
        <source>Reading Pictures Information</source>
        <translation>Bildinformationen werden gelesen</translation>
    </message>
    <message>
        <source>Resizing Pictures</source>
        <translation>Bildgrößen werden geändert</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Resize</name>
    <message>
        <source>Resizing : </source>
        <translation>Größenänderung: </translation>
    </message>
    <message>
        <source>Reading : </source>
        <translation>Lesen: </translation>
    </message>
    <message>
        <source>Do you want to overwrite this file?</source>
        <translation>Möchten Sie diese Datei überschreiben?</translation>
    </message>
    <message>
        <source>Transfer to GIF from 24 bit to 8 bit colors will lose some colors and take some time, would you keep on?</source>
        <translation>Die Umwandlung in GIF (von 24-Bit- in 8-Bit-Farben) verliert einige Farben und dauert einige Zeit. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>no private folder for the mail copies could be made in %1</source>
        <translation>in %1 konnte kein privater Ordner für die E-Mail-Kopien angelegt werden</translation>
    </message>
</context>
<context>
    <name>ResizeDialog</name>
    <message>
        <source>Tessary...</source>
        <translation>Tessary …</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>in the folder:</source>
        <translation>im Ordner:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>If the dest folder is empty, TSY will auto create .\resize\ folder</source>
        <translation>Ist der Zielordner leer, legt TSY automatisch den Ordner .\resize\ an</translation>
    </message>
    <message>
        <source>save image type</source>
        <translation>Speichern als</translation>
    </message>
    <message>
        <source>Quality
(JPEG only)</source>
        <translation>Qualität
(nur JPEG)</translation>
    </message>
    <message>
        <source>Worst</source>
        <translation>Schlechteste</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Overwrite the source file (not recommend)</source>
        <translation>Quelldatei überschreiben (nicht empfohlen)</translation>
    </message>
    <message>
        <source>Image to resize</source>
        <translation>Bildgröße ändern</translation>
    </message>
    <message>
        <source>Image Resize option</source>
        <translation>Optionen der Größenänderung</translation>
    </message>
    <message>
        <source>Constrain Proportion</source>
        <translation>Proportionen beibehalten</translation>
    </message>
    <message>
        <source>Resize as</source>
        <translation>Größe ändern auf</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>pixel</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Resize as your desktop size</source>
        <translation>Auf Ihre Desktopgröße ändern</translation>
    </message>
    <message>
        <source>Image to rotate</source>
        <translation>Bild drehen</translation>
    </message>
    <message>
        <source>Image rotate option</source>
        <translation>Optionen der Drehung</translation>
    </message>
    <message>
        <source>Rotate 90 degree</source>
        <translation>Um 90 Grad drehen</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Rotate -90 degree</source>
        <translation>Um −90 Grad drehen</translation>
    </message>
    <message>
        <source>Image to set DPI</source>
        <translation>DPI festlegen</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Do not enlarge smaller pictures</source>
        <translation>Kleinere Bilder nicht vergrößern</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Dateidatum beibehalten</translation>
    </message>
    <message>
        <source>Move replaced files to the Trash</source>
        <translation>Ersetzte Dateien in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Höchstens</translation>
    </message>
    <message>
        <source>KB per picture</source>
        <translation>KB je Bild</translation>
    </message>
    <message>
        <source>Mail at most</source>
        <translation>E-Mail höchstens</translation>
    </message>
    <message>
        <source>KB in all</source>
        <translation>KB insgesamt</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>unbegrenzt</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Further outputs</source>
        <translation>Weitere Ausgaben</translation>
    </message>
    <message>
        <source>Name of each result:</source>
        <translation>Name jedes Ergebnisses:</translation>
    </message>
    <message>
        <source>{name} {ext} of the source, {w} {h} of the result, {n} or {n:3} its number, {date} {time} when taken, {folder}; &quot;/&quot; makes folders</source>
        <translation>{name} {ext} der Quelle, {w} {h} des Ergebnisses, {n} oder {n:3} seine Nummer, {date} {time} der Aufnahme, {folder}; „/“ legt Ordner an</translation>
    </message>
    <message>
        <source>When a file exists:</source>
        <translation>Wenn die Datei schon existiert:</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>The name template is too long: it can have at most %1 bytes.</source>
        <translation>Die Namensvorlage ist zu lang: Sie darf höchstens %1 Bytes haben.</translation>
    </message>
    <message>
        <source>The further outputs are too many to store: together they can have at most %1 bytes.</source>
        <translation>Es sind zu viele weitere Ausgaben zum Speichern: Zusammen dürfen sie höchstens %1 Bytes haben.</translation>
    </message>
    <message>
        <source>Each picture is also written as each of these, from the same decode.</source>
        <translation>Jedes Bild wird zusätzlich als jede dieser Ausgaben geschrieben, aus derselben Dekodierung.</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Weitergabe</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Zuschnitt</translation>
    </message>
    <message>
        <source>A size in pixels:</source>
        <translation>Eine Größe in Pixeln:</translation>
    </message>
    <message>
        <source>Take exactly that size</source>
        <translation>Genau diese Größe annehmen</translation>
    </message>
    <message>
        <source>Fill it, cropping what is over</source>
        <translation>Ausfüllen, Überstehendes abschneiden</translation>
    </message>
    <message>
        <source>Fit inside it, on a canvas</source>
        <translation>Einpassen, auf einer Leinwand</translation>
    </message>
    <message>
        <source>Keep:</source>
        <translation>Behalten:</translation>
    </message>
    <message>
        <source>the centre</source>
        <translation>die Mitte</translation>
    </message>
    <message>
        <source>the most interesting part</source>
        <translation>den interessantesten Teil</translation>
    </message>
    <message>
        <source>the top or left</source>
        <translation>oben bzw. links</translation>
    </message>
    <message>
        <source>the bottom or right</source>
        <translation>unten bzw. rechts</translation>
    </message>
    <message>
        <source>Canvas colour:</source>
        <translation>Leinwandfarbe:</translation>
    </message>
    <message>
        <source>transparent</source>
        <translation>transparent</translation>
    </message>
    <message>
        <source>Width is for:</source>
        <translation>Breite gilt für:</translation>
    </message>
    <message>
        <source>the width, height for the height</source>
        <translation>die Breite, Höhe für die Höhe</translation>
    </message>
    <message>
        <source>the longer side</source>
        <translation>die längere Seite</translation>
    </message>
    <message>
        <source>the shorter side</source>
        <translation>die kürzere Seite</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Voreinstellung:</translation>
    </message>
    <message>
        <source>(the options below)</source>
        <translation>(die Optionen unten)</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Name der Voreinstellung:</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Voreinstellung „%1“ löschen?</translation>
    </message>
    <message>
        <source>Metadata kept:</source>
        <translation>Behaltene Metadaten:</translation>
    </message>
    <message>
        <source>In mailed copies:</source>
        <translation>In versendeten Kopien:</translation>
    </message>
    <message>
        <source>All of it</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>All but location and personal data</source>
        <translation>Alle außer Standort und persönlichen Daten</translation>
    </message>
    <message>
        <source>Only the colour profile and resolution</source>
        <translation>Nur Farbprofil und Auflösung</translation>
    </message>
    <message>
        <source>Location and personal data: GPS position, place names, serial numbers, owner and author names, maker notes and contacts. Camera, exposure, date taken and copyright stay.</source>
        <translation>Standort und persönliche Daten: GPS-Position, Ortsnamen, Seriennummern, Besitzer- und Autorennamen, Herstellerdaten und Kontakte. Kamera, Belichtung, Aufnahmedatum und Copyright bleiben.</translation>
    </message>
    <message>
        <source>Convert colours to sRGB for the web</source>
        <translation>Farben für das Web in sRGB umwandeln</translation>
    </message>
    <message>
        <source>working out the size...</source>
        <translation>Größe wird ermittelt …</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen …</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten …</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Set as default</source>
        <translation>Als Standard festlegen</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Resize and mail</source>
        <translation>Größe ändern und versenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>the same as source</source>
        <translation>wie die Quelle</translation>
    </message>
    <message>
        <source>select the destination folder...</source>
        <translation>Zielordner auswählen …</translation>
    </message>
    <message>
        <source>The destination folder&apos;s name is too long: it can have at most %1 bytes.</source>
        <translation>Der Name des Zielordners ist zu lang: Er darf höchstens %1 Bytes haben.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte geben Sie eine positive ganze Zahl ein.</translation>
    </message>
    <message>
        <source>The pictures you&apos;ve selected will be auto resize to fit the desktop&apos;s size</source>
        <translation>Die ausgewählten Bilder werden automatisch an die Desktopgröße angepasst</translation>
    </message>
    <message>
        <source>The pictures you&apos;ve selected will be resize to the desktop&apos;s size (%1*%2)<byte value="xd"/>
uncheck Constrain Proportion might distort your picture(s)</source>
        <translation>Die ausgewählten Bilder werden auf die Desktopgröße (%1*%2) gebracht<byte value="xd"/>
Ohne „Proportionen beibehalten“ können die Bilder verzerrt werden</translation>
    </message>
    <message>
        <source>The pictures you&apos;ve selected are not the same size<byte value="xd"/>
Please resize them in percent or uncheck Constrain Proportion</source>
        <translation>Die ausgewählten Bilder sind nicht gleich groß<byte value="xd"/>
Bitte ändern Sie ihre Größe in Prozent oder deaktivieren Sie „Proportionen beibehalten“</translation>
    </message>
    <message>
        <source>The pictures you&apos;ve selected are not the same size</source>
        <translation>Die ausgewählten Bilder sind nicht gleich groß</translation>
    </message>
    <message>
        <source>The size of the pictures you&apos;ve selected is:%1*%2</source>
        <translation>Die Größe der ausgewählten Bilder ist: %1*%2</translation>
    </message>
    <message>
        <source><byte value="xd"/>
uncheck Constrain Proportion might distort your picture(s)</source>
        <translation><byte value="xd"/>
Ohne „Proportionen beibehalten“ können die Bilder verzerrt werden</translation>
    </message>
    <message>
        <source>The size(%1*%2) of the pictures you&apos;ve selected is not match the Constrain Proportion of your setting: %3*%4<byte value="xd"/>
Please reset width and height or uncheck Constrain Proportion</source>
        <translation>Die Größe (%1*%2) der ausgewählten Bilder passt nicht zu den beibehaltenen Proportionen Ihrer Einstellung: %3*%4<byte value="xd"/>
Bitte setzen Sie Breite und Höhe neu oder deaktivieren Sie „Proportionen beibehalten“</translation>
    </message>
    <message>
        <source>The longer side of each picture will be %1, the other in proportion</source>
        <translation>Die längere Seite jedes Bildes erhält %1, die andere folgt im Verhältnis</translation>
    </message>
    <message>
        <source>The shorter side of each picture will be %1, the other in proportion</source>
        <translation>Die kürzere Seite jedes Bildes erhält %1, die andere folgt im Verhältnis</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 Pixel</translation>
    </message>
    <message>
        <source>%1 % of it</source>
        <translation>%1 % davon</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(%1*%2 for the pictures you&apos;ve selected)</source>
        <translation><byte value="xd"/>
(%1*%2 für die ausgewählten Bilder)</translation>
    </message>
    <message>
        <source>The pictures will fill %1*%2 exactly, cropped where their proportions differ</source>
        <translation>Die Bilder füllen genau %1*%2 aus, beschnitten, wo ihre Proportionen abweichen</translation>
    </message>
    <message>
        <source>The pictures will fit inside %1*%2 whole, on a canvas of exactly that size</source>
        <translation>Die Bilder passen ganz in %1*%2, auf einer Leinwand genau dieser Größe</translation>
    </message>
    <message>
        <source>Please give the new width and height: 1 to %1 pixels, or 1 to %2 percent</source>
        <translation>Bitte geben Sie die neue Breite und Höhe an: 1 bis %1 Pixel oder 1 bis %2 Prozent</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Please give a DPI from 1 to %1</source>
        <translation><byte value="xd"/>
Bitte geben Sie einen DPI-Wert von 1 bis %1 an</translation>
    </message>
    <message>
        <source>Your select Pictures:</source>
        <translation>Ihre ausgewählten Bilder:</translation>
    </message>
    <message>
        <source><byte value="xd"/>
the X DPI:%1</source>
        <translation><byte value="xd"/>
X-DPI: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The X DPI: not the same</source>
        <translation><byte value="xd"/>
X-DPI: unterschiedlich</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The Y DPI:%1</source>
        <translation><byte value="xd"/>
Y-DPI: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The Y DPI: not the same</source>
        <translation><byte value="xd"/>
Y-DPI: unterschiedlich</translation>
    </message>
    <message>
        <source>These options cannot be kept as the default.

%1</source>
        <translation>Diese Optionen können nicht als Standard gespeichert werden.

%1</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Systemsteuerung</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Home Folder</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Pictures Folder</source>
        <translation>Bilderordner</translation>
    </message>
    <message>
        <source>System Folder</source>
        <translation>Systemordner</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Datenträger</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>%1: it was changed after the batch wrote it, so it is left, and the file it replaced stays in the Trash</source>
        <translation>%1: es wurde geändert, nachdem die Stapelverarbeitung es geschrieben hat, und bleibt daher; die Datei, die es ersetzt hat, bleibt im Papierkorb</translation>
    </message>
    <message>
        <source>%1: it was changed after the batch wrote it, so it is left</source>
        <translation>%1: es wurde geändert, nachdem die Stapelverarbeitung es geschrieben hat, und bleibt daher</translation>
    </message>
    <message>
        <source>%1: the file it replaced is no longer in the Trash, so the result is left</source>
        <translation>%1: die Datei, die es ersetzt hat, ist nicht mehr im Papierkorb, daher bleibt das Ergebnis</translation>
    </message>
    <message>
        <source>%1: the file the batch replaced is no longer in the Trash</source>
        <translation>%1: die von der Stapelverarbeitung ersetzte Datei ist nicht mehr im Papierkorb</translation>
    </message>
    <message>
        <source>%1: the file it replaced did not go to the Trash (the Trash option was off), so it cannot come back</source>
        <translation>%1: die Datei, die es ersetzt hat, kam nicht in den Papierkorb (die Papierkorb-Option war ausgeschaltet) und kann daher nicht zurückkommen</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Es gibt keine Stapelverarbeitung, die rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <source>The last batch is still running; it can be undone once it has ended.</source>
        <translation>Die letzte Stapelverarbeitung läuft noch; sie kann rückgängig gemacht werden, sobald sie beendet ist.</translation>
    </message>
    <message>
        <source>The last batch left nothing to undo.</source>
        <translation>Die letzte Stapelverarbeitung hat nichts hinterlassen, was rückgängig zu machen wäre.</translation>
    </message>
    <message>
        <source>Nothing of the last batch can be undone:</source>
        <translation>Von der letzten Stapelverarbeitung kann nichts rückgängig gemacht werden:</translation>
    </message>
    <message>
        <source>1 file comes back from the Trash</source>
        <translation>1 Datei kommt aus dem Papierkorb zurück</translation>
    </message>
    <message>
        <source>%1 files come back from the Trash</source>
        <translation>%1 Dateien kommen aus dem Papierkorb zurück</translation>
    </message>
    <message>
        <source>1 result is removed</source>
        <translation>1 Ergebnis wird entfernt</translation>
    </message>
    <message>
        <source>%1 results are removed</source>
        <translation>%1 Ergebnisse werden entfernt</translation>
    </message>
    <message>
        <source>1 half-written file is removed</source>
        <translation>1 halb geschriebene Datei wird entfernt</translation>
    </message>
    <message>
        <source>%1 half-written files are removed</source>
        <translation>%1 halb geschriebene Dateien werden entfernt</translation>
    </message>
    <message>
        <source>the folders it made are removed</source>
        <translation>die von ihr angelegten Ordner werden entfernt</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Letzte Stapelverarbeitung rückgängig machen</translation>
    </message>
    <message>
        <source>Undo the last batch?</source>
        <translation>Die letzte Stapelverarbeitung rückgängig machen?</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig machen</translation>
    </message>
    <message>
        <source>These stay as they are:</source>
        <translation>Diese bleiben, wie sie sind:</translation>
    </message>
    <message>
        <source>Not all of the last batch could be undone:</source>
        <translation>Die letzte Stapelverarbeitung konnte nicht vollständig rückgängig gemacht werden:</translation>
    </message>
</context>
<context>
    <name>tessary</name>
    <message>
        <source>Usage: tessary [--] [FILE...]
       tessary --help | --version
Opens the picture browser; given files, it shows their folder with
the pictures marked and the first one previewed.
</source>
        <translation>Aufruf: tessary [--] [DATEI...]
       tessary --help | --version
Öffnet den Bildbrowser; mit Dateien zeigt er deren Ordner mit
markierten Bildern und einer Vorschau des ersten.
</translation>
    </message>
</context>
<context>
    <name>tessary-batch</name>
    <message>
        <source>--sort needs name, size, type or time, not &apos;%1&apos;</source>
        <translation>--sort braucht name, size, type oder time, nicht „%1“</translation>
    </message>
    <message>
        <source>--set takes NAME=VALUE, not &apos;%1&apos;</source>
        <translation>--set erwartet NAME=WERT, nicht „%1“</translation>
    </message>
    <message>
        <source>--answer takes ask, yes-to-all or no-to-all, not &apos;%1&apos;</source>
        <translation>--answer erwartet ask, yes-to-all oder no-to-all, nicht „%1“</translation>
    </message>
    <message>
        <source>--desktop-size takes WIDTHxHEIGHT in pixels, not &apos;%1&apos;</source>
        <translation>--desktop-size erwartet BREITExHÖHE in Pixeln, nicht „%1“</translation>
    </message>
    <message>
        <source>--files-from needs a FILE, or - for standard input</source>
        <translation>--files-from braucht eine DATEI oder - für die Standardeingabe</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 64, not &apos;%1&apos;</source>
        <translation>--jobs erwartet eine Zahl von 1 bis 64, nicht „%1“</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (a file whose name starts with a dash goes after --)</source>
        <translation>unbekannte Option „%1“ (eine Datei, deren Name mit einem Bindestrich beginnt, steht nach --)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--null goes with --files-from</source>
        <translation>--null gehört zu --files-from</translation>
    </message>
    <message>
        <source>--also cannot go with --mail, which sends one copy of a picture</source>
        <translation>--also geht nicht zusammen mit --mail, das je Bild eine Kopie sendet</translation>
    </message>
    <message>
        <source>the list is longer than %1 MB</source>
        <translation>die Liste ist länger als %1 MB</translation>
    </message>
    <message>
        <source>name %1 of the list is longer than %2 bytes, which no path is</source>
        <translation>Name %1 der Liste ist länger als %2 Bytes, was kein Pfad sein kann</translation>
    </message>
    <message>
        <source>Try &apos;tessary-batch --help&apos;.</source>
        <translation>Weitere Informationen mit „tessary-batch --help“.</translation>
    </message>
    <message>
        <source>--list needs one FOLDER</source>
        <translation>--list braucht einen ORDNER</translation>
    </message>
    <message>
        <source>not a folder: %1</source>
        <translation>kein Ordner: %1</translation>
    </message>
    <message>
        <source>there is no preset named &apos;%1&apos;; --list-presets lists them</source>
        <translation>es gibt keine Voreinstellung namens „%1“; --list-presets listet sie auf</translation>
    </message>
    <message>
        <source>desktop=1 needs the desktop size, and there is no screen; give it with --desktop-size WxH</source>
        <translation>desktop=1 braucht die Desktopgröße, und es gibt keinen Bildschirm; geben Sie sie mit --desktop-size BxH an</translation>
    </message>
    <message>
        <source>cannot find the primary screen&apos;s size; give it with --desktop-size WxH</source>
        <translation>die Größe des Hauptbildschirms ist nicht zu ermitteln; geben Sie sie mit --desktop-size BxH an</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>--files-from: cannot read %1 (%2)</source>
        <translation>--files-from: %1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder; --recursive takes the pictures under it</source>
        <translation>%1 ist ein Ordner; --recursive nimmt die Bilder darunter</translation>
    </message>
    <message>
        <source>--answer ask reads its answers from standard input, which --files-from - reads the list from</source>
        <translation>--answer ask liest seine Antworten aus der Standardeingabe, aus der --files-from - die Liste liest</translation>
    </message>
    <message>
        <source>there is no picture under %1</source>
        <translation>unter %1 gibt es kein Bild</translation>
    </message>
    <message>
        <source>Usage: tessary-batch [OPTION]... FILE...
Resize, rotate, flip, set the DPI of and convert the pictures FILE... in one
batch, with the options stored by Tessary (&quot;Set as default&quot; in its resize
dialog), changed for this run by --set.

Options:
  --set NAME=VALUE     change one stored option for this run only (nothing is
                       saved); may be given many times. NAME is one of:
                         override         1: write over the source pictures
                         dest             destination folder; empty: a folder
                                          &quot;resize&quot; beside each picture;
                                          relative: taken from each picture&apos;s
                                          folder
                         imagetype        the type written, by name or
                                          number: same (0) as the source,
                                          jpg (1) JPEG, bmp (2) BMP,
                                          gif (3) GIF, ico (4) ICO,
                                          png (5) PNG, tiff (6) TIFF,
                                          pcx (7) PCX, webp (8) WebP,
                                          avif (9) AVIF, heic (10) HEIC,
                                          jxl (11) JPEG XL
                         qualilty         quality of JPEG, WebP, AVIF, HEIC
                                          and JPEG XL, 0 to 100
                         image_to_resize  1: resize
                         image_to_rotate  1: rotate or flip (see rotate)
                         image_set_dpi    1: set xdpi and ydpi
                         constraint       1: keep proportions (dialog only)
                         desktop          1: fit into the desktop size
                         width, height    new size
                         wpercent,        unit of width and height:
                         hpercent           pixels (0), percent (1)
                         rotate           left (0) 90 degrees, flip (1) top
                                          to bottom, right (2) 90 degrees
                         xdpi, ydpi       resolution to write
                         noenlarge        1: a picture smaller than its new
                                          size keeps its own (default 0)
                         keepdates        1: each result gets its source&apos;s
                                          modification time (default 1)
                         trash            1: a file the batch replaces is
                                          moved to the Trash (default 1)
                         maxkb            most KB of each result: a lower
                                          quality (JPEG, WebP, AVIF, HEIC,
                                          JPEG XL), then a smaller size; 0: no
                                          limit (default)
                         mailmaxkb        with --mail: most KB of all copies
                                          together; 0: no limit (default)
                         nametemplate     the result&apos;s name without its
                                          extension (default {name}):
                                          {name} and {ext} of the source,
                                          {w} and {h} of the result, {n} the
                                          picture&apos;s number (from 1; {n:3}
                                          as 001), {date} and {time} when
                                          it was taken (YYYY-MM-DD,
                                          HH-MM-SS), {folder} the source&apos;s
                                          folder; &quot;/&quot; makes folders below
                                          the destination; not used with
                                          override=1
                         onexists         when a result&apos;s name exists:
                                          ask (0, default), keep-both (1:
                                          &quot;name (2).jpg&quot;), skip (2),
                                          replace (3)
                         also             the stored further outputs, as
                                          --also&apos;s, separated by &quot;;&quot;
                         metadata         what each result keeps of the
                                          photo&apos;s metadata: all (0, the
                                          default); private (1): only the
                                          camera, the lens, the exposure,
                                          the date taken, the copyright,
                                          the colour profile and the
                                          resolution; profile (2): only the
                                          colour profile and the
                                          resolution. Whatever no list
                                          names goes; each result is read
                                          back by Exiv2, and one holding
                                          anything else fails
                         mailmetadata     the same for the copies of --mail
                                          (default private)
                         srgb             1: pixels in sRGB with the sRGB
                                          profile embedded, for the web
                         fit              with width and height in pixels:
                                          stretch (0, default): the picture
                                          takes that size; fill (1): scaled
                                          to cover it and cropped; pad (2):
                                          scaled to fit inside and laid on
                                          a canvas of that size
                         anchor           what fill keeps: centre (0,
                                          default), attention (1): the most
                                          interesting part, start (2): top
                                          or left, end (3): bottom or right
                         padcolour        the canvas of pad, RGB in hex
                                          (default FFFFFF, white); empty:
                                          transparent where the type can be
                         side             both (0, default): width and
                                          height; longer (1): the longer
                                          side takes width; shorter (2):
                                          the shorter does; the other
                                          follows in proportion
                         lossless         1: a JPEG only turned, flipped,
                                          set upright by its EXIF
                                          orientation or given a DPI, and
                                          written as JPEG, keeps its own
                                          compressed data, turned, and is
                                          not re-encoded (default); one
                                          whose turned edge is not a whole
                                          number of JPEG blocks is
                                          re-encoded whole instead, and the
                                          run says so; 0: always re-encode
                       An option whose values have names above takes the name
                       or its number (fit=pad or fit=2); another word is
                       refused with the names. Numbers outside their range
                       are refused: switches 0-1, imagetype 0-11, qualilty
                       0-100, rotate 0-2, DPI 1-65535, sizes 1-65535 pixels
                       or 1-10000 percent.
  --also CHANGES       one further output of every picture, from the same
                       decode: the options with CHANGES, NAME=VALUE pairs
                       separated by &quot;,&quot; (a backslash keeps a &quot;,&quot; or &quot;;&quot; in
                       a value), e.g. --also &apos;width=320,nametemplate={name}-
                       thumb&apos;; may be given many times, after the stored
                       further outputs. An output that fails fails alone.
                       Not with --mail, which sends one copy of a picture
  --files-from FILE    also take the pictures listed in FILE, one a line,
                       or standard input for &quot;-&quot;: for lists of any length,
                       from find or another program
  --null               with --files-from: the names are separated by NUL
                       bytes (find -print0), so any name is safe
  --dry-run            write nothing: print the batch&apos;s plan, each result&apos;s
                       path, its size in pixels as written, about how many
                       bytes it would take and what it does to a file of
                       its name, one a line separated by tabs, then the
                       total; the bytes come from encoding one picture of
                       each kind (the same type and size), the heaviest
                       kinds first, for under a second. The run writes
                       exactly where its plan says
  --undo               undo the last batch, from its journal: every file it
                       replaced comes back from the Trash, and every result
                       it wrote goes, but only while it is as the batch left
                       it; a result changed since is left and named, and so
                       is a file whose original cannot come back (the
                       Trash was off, or has been emptied). With --dry-run
                       it only says what it would do. Works after a batch
                       that was stopped or killed, and after a restart
  --preset NAME        start from the preset NAME instead of the stored
                       options (--set and --also still apply on top)
  --save-preset NAME   store the options of this command line (the stored
                       ones or --preset&apos;s, with --set and --also) as the
                       preset NAME, replacing one of that name, and exit
  --list-presets       print the presets&apos; names, one a line, and exit
  --delete-preset NAME delete the preset NAME (those that come with Tessary
                       too) and exit
  --answer POLICY      how to answer the questions of the batch (&quot;overwrite
                       this file?&quot;, &quot;convert to 256 colours?&quot;):
                         ask         ask on the terminal
                         yes-to-all  answer &quot;Yes to all&quot; every time
                         no-to-all   answer &quot;No to all&quot; every time
                       Default: ask when standard input is a terminal,
                       else no-to-all.
  --desktop-size WxH   the desktop size used with desktop=1; default: the
                       primary screen&apos;s size
  --jobs N             pictures worked on at once (default: one per core)
  --mail               resize into temporary copies and hand them to your mail
                       client as attachments of a new message, with the mail
                       subject and body stored by Tessary (with override=1 the
                       overwritten pictures are attached); needs xdg-email
  --recursive          a FILE that is a folder stands for every picture under
                       it, depth first in name order; the batch&apos;s own
                       &quot;resize&quot; folders are never entered, and with an
                       absolute dest the folders below FILE are made again
                       under it. Without it a folder is a usage error
  --info               resize nothing: print each FILE&apos;s properties as the
                       preview shows them, after a line &quot;== FILE&quot;: its EXIF
                       entries as &quot;title&lt;TAB&gt;value&quot; with an empty line between
                       the IFD groups, or its width and height when it has no
                       EXIF, or &quot;cannot read picture&quot;
  --list FOLDER        resize nothing: print the rows Tessary&apos;s file list shows
                       for FOLDER, one a line: name, size, type and time,
                       separated by tabs, &quot;..&quot; first where the list has it
  --sort COLUMN        with --list: name (the default), size, type or time
  --descending         with --list: the other way round (folders stay first)
  --help               show this text and exit
  --version            show the version and exit
  --                   end of options: every later argument is a FILE, even
                       one that starts with a dash

While it runs, the picture being handled is shown on standard error when
that is a terminal. At the end one line &quot;written: N, skipped: M, failed: K&quot;
goes to standard output, counting results (a picture with further outputs
has several), then one line &quot;PATH: reason&quot; per failed result, &quot;PATH (output
N, NAME): reason&quot; when pictures have several. A result skipped by an answer
or by onexists=2 is not a failure. When results were to lose metadata, a
line says what was removed: &quot;removed: GPS position from 12 pictures,
serial numbers from 12&quot;. When JPEG photos were to be turned without
re-encoding, a line counts them, &quot;turned without re-encoding: 12 JPEG
photos&quot;, then one line &quot;PATH: re-encoded, as ...&quot; for each re-encoded
instead.

With --undo, one line &quot;undone: N back from the Trash, M results removed&quot;,
then a line &quot;PATH: reason&quot; for each file left as it is; when nothing can
be undone it says why and does nothing.

Exit status: 0 when no picture failed, 1 when one failed (with --info: one
could not be read; with --undo: something was left, or nothing could be
undone), 2 for a usage error (nothing is done then).
</source>
        <translation>Aufruf: tessary-batch [OPTION]... DATEI...
Ändert Größe, Drehung, Spiegelung, DPI und Format der Bilder DATEI... in einer
Stapelverarbeitung, mit den von Tessary gespeicherten Optionen („Als Standard
festlegen“ in seinem Dialog zur Größenänderung), für diesen Lauf geändert
durch --set.

Optionen:
  --set NAME=WERT      eine gespeicherte Option nur für diesen Lauf ändern (es
                       wird nichts gespeichert); mehrfach möglich. NAME ist:
                         override         1: die Quellbilder überschreiben
                         dest             Zielordner; leer: ein Ordner
                                          „resize“ neben jedem Bild;
                                          relativ: vom Ordner jedes Bildes
                                          aus
                         imagetype        der geschriebene Typ, als Name
                                          oder Zahl: same (0) wie die
                                          Quelle, jpg (1) JPEG, bmp (2) BMP,
                                          gif (3) GIF, ico (4) ICO,
                                          png (5) PNG, tiff (6) TIFF,
                                          pcx (7) PCX, webp (8) WebP,
                                          avif (9) AVIF, heic (10) HEIC,
                                          jxl (11) JPEG XL
                         qualilty         Qualität von JPEG, WebP, AVIF, HEIC
                                          und JPEG XL, 0 bis 100
                         image_to_resize  1: Größe ändern
                         image_to_rotate  1: drehen oder spiegeln (siehe
                                          rotate)
                         image_set_dpi    1: xdpi und ydpi festlegen
                         constraint       1: Proportionen beibehalten (nur
                                          im Dialog)
                         desktop          1: in die Desktopgröße einpassen
                         width, height    neue Größe
                         wpercent,        Einheit von Breite und Höhe:
                         hpercent           pixels (0), percent (1)
                         rotate           left (0): 90 Grad nach links;
                                          flip (1): von oben nach unten
                                          spiegeln; right (2): 90 Grad nach
                                          rechts
                         xdpi, ydpi       zu schreibende Auflösung
                         noenlarge        1: ein Bild, das kleiner als seine
                                          neue Größe ist, behält seine eigene
                                          (Standard 0)
                         keepdates        1: jedes Ergebnis erhält die
                                          Änderungszeit seiner Quelle
                                          (Standard 1)
                         trash            1: eine Datei, die die
                                          Stapelverarbeitung ersetzt, wird
                                          in den Papierkorb verschoben
                                          (Standard 1)
                         maxkb            höchstens so viele KB je Ergebnis:
                                          erst eine geringere Qualität (JPEG,
                                          WebP, AVIF, HEIC, JPEG XL), dann
                                          eine kleinere Größe; 0: unbegrenzt
                                          (Standard)
                         mailmaxkb        mit --mail: höchstens so viele KB
                                          für alle Kopien zusammen;
                                          0: unbegrenzt (Standard)
                         nametemplate     der Name des Ergebnisses ohne
                                          Endung (Standard {name}): {name}
                                          und {ext} der Quelle, {w} und {h}
                                          des Ergebnisses, {n} die Nummer
                                          des Bildes (ab 1; {n:3} als 001),
                                          {date} und {time} der Aufnahme
                                          (JJJJ-MM-TT, HH-MM-SS), {folder}
                                          der Ordner der Quelle; „/“ legt
                                          Ordner unter dem Ziel an; nicht
                                          mit override=1
                         onexists         wenn der Name eines Ergebnisses
                                          schon existiert: ask (0,
                                          Standard): fragen; keep-both (1):
                                          beide behalten („name (2).jpg“);
                                          skip (2): überspringen;
                                          replace (3): ersetzen
                         also             die gespeicherten weiteren
                                          Ausgaben, wie bei --also, getrennt
                                          durch „;“
                         metadata         was jedes Ergebnis von den
                                          Metadaten des Fotos behält:
                                          all (0, Standard): alles;
                                          private (1): nur Kamera, Objektiv,
                                          Belichtung, Aufnahmedatum,
                                          Copyright, Farbprofil und
                                          Auflösung; profile (2): nur
                                          Farbprofil und Auflösung. Was
                                          keine Liste nennt, entfällt; jedes
                                          Ergebnis wird von Exiv2
                                          zurückgelesen, und eines, das
                                          noch anderes enthält, scheitert
                         mailmetadata     dasselbe für die Kopien von --mail
                                          (Standard private)
                         srgb             1: Pixel in sRGB mit eingebettetem
                                          sRGB-Profil, für das Web
                         fit              mit Breite und Höhe in Pixeln:
                                          stretch (0, Standard): das Bild
                                          nimmt diese Größe an; fill (1):
                                          so skaliert, dass es sie bedeckt,
                                          und beschnitten; pad (2): so
                                          skaliert, dass es hineinpasst, und
                                          auf eine Leinwand dieser Größe
                                          gelegt
                         anchor           was fill behält: centre (0,
                                          Standard): die Mitte;
                                          attention (1): den
                                          interessantesten Teil; start (2):
                                          oben bzw. links; end (3): unten
                                          bzw. rechts
                         padcolour        die Leinwand von pad, RGB in Hex
                                          (Standard FFFFFF, Weiß); leer:
                                          transparent, wo der Typ es kann
                         side             both (0, Standard): Breite und
                                          Höhe; longer (1): die längere
                                          Seite erhält die Breite;
                                          shorter (2): die kürzere; die
                                          andere folgt im Verhältnis
                         lossless         1: ein JPEG, das nur gedreht,
                                          gespiegelt, nach seiner
                                          EXIF-Ausrichtung aufgerichtet
                                          oder mit DPI versehen und als JPEG
                                          geschrieben wird, behält seine
                                          eigenen komprimierten Daten,
                                          gedreht, und wird nicht neu
                                          kodiert (Standard); eines, dessen
                                          gedrehter Rand kein ganzes
                                          Vielfaches der JPEG-Blöcke ist,
                                          wird stattdessen ganz neu kodiert,
                                          und der Lauf meldet es; 0: immer
                                          neu kodieren
                       Eine Option, deren Werte oben Namen haben, nimmt den
                       Namen oder seine Zahl (fit=pad oder fit=2); ein
                       anderes Wort wird unter Nennung der Namen abgelehnt.
                       Zahlen außerhalb ihres Bereichs werden abgelehnt:
                       Schalter 0–1, imagetype 0–11, qualilty 0–100, rotate
                       0–2, DPI 1–65535, Größen 1–65535 Pixel oder 1–10000
                       Prozent.
  --also ÄNDERUNGEN    eine weitere Ausgabe jedes Bildes aus derselben
                       Dekodierung: die Optionen mit ÄNDERUNGEN, durch „,“
                       getrennte NAME=WERT-Paare (ein Backslash bewahrt ein
                       „,“ oder „;“ in einem Wert), z. B. --also
                       &apos;width=320,nametemplate={name}-thumb&apos;; mehrfach
                       möglich, nach den gespeicherten weiteren Ausgaben.
                       Schlägt eine Ausgabe fehl, betrifft das nur sie.
                       Nicht mit --mail, das je Bild eine Kopie sendet
  --files-from DATEI   auch die in DATEI aufgeführten Bilder nehmen, eines
                       je Zeile, oder die Standardeingabe bei „-“: für Listen
                       jeder Länge, aus find oder einem anderen Programm
  --null               mit --files-from: die Namen sind durch NUL-Bytes
                       getrennt (find -print0), so ist jeder Name sicher
  --dry-run            nichts schreiben: den Plan der Stapelverarbeitung
                       ausgeben, je Ergebnis eine Zeile mit seinem Pfad,
                       seiner geschriebenen Größe in Pixeln, etwa wie viele
                       Bytes es belegen würde und was es mit einer Datei
                       seines Namens tut, durch Tabulatoren getrennt, dann
                       die Summe; die Bytes stammen aus dem Kodieren je
                       eines Bildes jeder Art (gleicher Typ und gleiche
                       Größe), die aufwendigsten Arten zuerst, in weniger
                       als einer Sekunde. Der Lauf schreibt genau dorthin,
                       wo sein Plan es sagt
  --undo               die letzte Stapelverarbeitung anhand ihres Protokolls
                       rückgängig machen: Jede Datei, die sie ersetzt hat,
                       kommt aus dem Papierkorb zurück, und jedes Ergebnis,
                       das sie geschrieben hat, wird entfernt, aber nur,
                       solange es so ist, wie sie es hinterlassen hat; ein
                       seither geändertes Ergebnis bleibt und wird genannt,
                       ebenso eine Datei, deren Original nicht zurückkommen
                       kann (der Papierkorb war ausgeschaltet oder wurde
                       geleert). Mit --dry-run wird nur ausgegeben, was
                       geschehen würde. Wirkt auch nach einer angehaltenen
                       oder gewaltsam beendeten Stapelverarbeitung und nach
                       einem Neustart
  --preset NAME        mit der Voreinstellung NAME statt der gespeicherten
                       Optionen beginnen (--set und --also gelten
                       zusätzlich)
  --save-preset NAME   die Optionen dieser Befehlszeile (die gespeicherten
                       oder die von --preset, mit --set und --also) als
                       Voreinstellung NAME speichern, eine gleichnamige
                       ersetzen, und beenden
  --list-presets       die Namen der Voreinstellungen ausgeben, einen je
                       Zeile, und beenden
  --delete-preset NAME die Voreinstellung NAME löschen (auch die mit Tessary
                       gelieferten) und beenden
  --answer STRATEGIE   wie die Fragen der Stapelverarbeitung beantwortet
                       werden („Diese Datei überschreiben?“, „In 256 Farben
                       umwandeln?“):
                         ask         im Terminal fragen
                         yes-to-all  jedes Mal „Ja, alle“ antworten
                         no-to-all   jedes Mal „Nein, keine“ antworten
                       Standard: ask, wenn die Standardeingabe ein Terminal
                       ist, sonst no-to-all.
  --desktop-size BxH   die Desktopgröße für desktop=1; Standard: die Größe
                       des Hauptbildschirms
  --jobs N             gleichzeitig bearbeitete Bilder (Standard: eines je
                       Kern)
  --mail               in temporäre Kopien umwandeln und diese Ihrem
                       E-Mail-Programm als Anhänge einer neuen Nachricht
                       übergeben, mit dem von Tessary gespeicherten Betreff
                       und Text (mit override=1 werden die überschriebenen
                       Bilder angehängt); braucht xdg-email
  --recursive          eine DATEI, die ein Ordner ist, steht für jedes Bild
                       darunter, zuerst in die Tiefe, nach Namen geordnet;
                       die eigenen „resize“-Ordner der Stapelverarbeitung
                       werden nie betreten, und mit einem absoluten dest
                       werden die Ordner unter DATEI dort neu angelegt. Ohne
                       diese Option ist ein Ordner ein Aufruffehler
  --info               nichts ändern: die Eigenschaften jeder DATEI ausgeben,
                       wie die Vorschau sie zeigt, nach einer Zeile
                       „== DATEI“: ihre EXIF-Einträge als „Titel&lt;TAB&gt;Wert“
                       mit einer Leerzeile zwischen den IFD-Gruppen, oder
                       Breite und Höhe, wenn sie kein EXIF hat, oder
                       „cannot read picture“
  --list ORDNER        nichts ändern: die Zeilen ausgeben, die Tessarys
                       Dateiliste für ORDNER zeigt, eine je Zeile: Name,
                       Größe, Typ und Zeit, durch Tabulatoren getrennt, „..“
                       zuerst, wo die Liste es hat
  --sort SPALTE        mit --list: name (Standard), size, type oder time
  --descending         mit --list: umgekehrt (Ordner bleiben vorn)
  --help               diesen Text zeigen und beenden
  --version            die Version zeigen und beenden
  --                   Ende der Optionen: jedes weitere Argument ist eine
                       DATEI, auch eines, das mit einem Bindestrich beginnt

Während des Laufs steht das bearbeitete Bild auf der Standardfehlerausgabe,
wenn diese ein Terminal ist. Am Ende geht eine Zeile
„written: N, skipped: M, failed: K“ auf die Standardausgabe, die Ergebnisse
zählend (ein Bild mit weiteren Ausgaben hat mehrere), dann je gescheitertem
Ergebnis eine Zeile „PFAD: Grund“, „PFAD (output N, NAME): Grund“, wenn
Bilder mehrere haben. Ein durch eine Antwort oder onexists=2 übersprungenes
Ergebnis ist kein Fehler. Sollten Ergebnisse Metadaten verlieren, sagt eine
Zeile, was entfernt wurde:
„removed: GPS position from 12 pictures, serial numbers from 12“.
Sollten JPEG-Fotos ohne Neukodierung gedreht werden, zählt eine Zeile sie,
„ohne Neukodierung gedreht: 12 JPEG-Fotos“, dann folgt für jedes, das
stattdessen neu kodiert wurde, eine Zeile „PFAD: re-encoded, as Grund“.

Mit --undo folgt eine Zeile
„undone: N back from the Trash, M results removed“,
dann für jede Datei, die bleibt, wie sie ist, eine Zeile „PFAD: Grund“;
lässt sich nichts rückgängig machen, wird gesagt, warum, und nichts getan.

Die Zeilen „written:“, „removed:“ und „undone:“ bleiben in jeder Sprache
englisch, damit Skripte sie lesen können.

Exit-Status: 0, wenn kein Bild scheiterte, 1, wenn eines scheiterte (mit
--info: eines nicht gelesen werden konnte; mit --undo: etwas blieb oder
nichts rückgängig gemacht werden konnte), 2 bei einem Aufruffehler (dann
geschieht nichts).
</translation>
    </message>
    <message>
        <source>--undo undoes the last batch, and takes no FILE</source>
        <translation>--undo macht die letzte Stapelverarbeitung rückgängig und nimmt keine DATEI</translation>
    </message>
</context>
<context>
    <name>tessary-menu</name>
    <message>
        <source>Usage: tessary-menu --command N [--preset NAME] [--wait] [--pictures-only] [--nautilus]
                    [--] FILE...
       tessary-menu --install | --uninstall

Hands FILEs to Tessary the way its file-manager menu items do, or puts those
items into the menus of Dolphin, Nautilus, Nemo and Thunar. A FILE that is a
folder stands for every picture under it, as with tessary-batch --recursive.

  --command N      the command for tessary: 0 the resize dialog, 1 resize with
                   the default settings, 2 the same and mail the results,
                   3 resize with the preset of --preset; other numbers open
                   the main window
  --preset NAME    the preset of --command 3
  --wait           wait for tessary to end and exit with its status
  --pictures-only  pass on only the files with a picture extension
  --nautilus       take the files from NAUTILUS_SCRIPT_SELECTED_URIS when it is
                   set (what Nautilus&apos;s scripts get), not from the arguments

A folder, or files none of which is a picture, is shown to the user in a window
first (the pictures found, with Resize and Cancel), so it needs a screen.
  --install        write the menu items that Tessary&apos;s options select
  --uninstall      remove every menu item of Tessary&apos;s
  --help           show this help
  --version        show the version

Exit status: 0 done, 1 failed, 2 wrong usage or a path too long for a hand-off.
</source>
        <translation>Aufruf: tessary-menu --command N [--preset NAME] [--wait] [--pictures-only] [--nautilus]
                    [--] DATEI...
       tessary-menu --install | --uninstall

Übergibt DATEIen an Tessary, wie es seine Einträge im Dateimanager-Menü tun,
oder trägt diese Einträge in die Menüs von Dolphin, Nautilus, Nemo und Thunar
ein. Eine DATEI, die ein Ordner ist, steht für jedes Bild darunter, wie bei
tessary-batch --recursive.

  --command N      der Befehl für tessary: 0 der Dialog zur Größenänderung,
                   1 Größe mit den Standardeinstellungen ändern, 2 dasselbe
                   und die Ergebnisse versenden, 3 Größe mit der
                   Voreinstellung von --preset ändern; andere Zahlen öffnen
                   das Hauptfenster
  --preset NAME    die Voreinstellung für --command 3
  --wait           auf das Ende von tessary warten und mit seinem Status enden
  --pictures-only  nur die Dateien mit einer Bilddateiendung weitergeben
  --nautilus       die Dateien aus NAUTILUS_SCRIPT_SELECTED_URIS nehmen, wenn
                   gesetzt (was Nautilus-Skripte erhalten), nicht aus den
                   Argumenten

Ein Ordner oder Dateien, von denen keine ein Bild ist, werden dem Benutzer
zuerst in einem Fenster gezeigt (die gefundenen Bilder, mit „Größe ändern“
und „Abbrechen“), daher ist ein Bildschirm nötig.
  --install        die Menüeinträge schreiben, die Tessarys Optionen wählen
  --uninstall      jeden Menüeintrag von Tessary entfernen
  --help           diese Hilfe zeigen
  --version        die Version zeigen

Exit-Status: 0 erledigt, 1 gescheitert, 2 falscher Aufruf oder ein für eine
Übergabe zu langer Pfad.
</translation>
    </message>
    <message>
        <source>Try &apos;tessary-menu --help&apos;.</source>
        <translation>Weitere Informationen mit „tessary-menu --help“.</translation>
    </message>
    <message>
        <source>Cannot start %1: %2.</source>
        <translation>%1 kann nicht gestartet werden: %2.</translation>
    </message>
    <message>
        <source> Tessary asks before it resizes a folder&apos;s pictures, in a window; there is no screen (tessary-batch --recursive works without one).</source>
        <translation> Tessary fragt in einem Fenster, bevor es die Größe der Bilder eines Ordners ändert; es gibt keinen Bildschirm (tessary-batch --recursive kommt ohne aus).</translation>
    </message>
    <message>
        <source>There is no preset named &quot;%1&quot; any more.</source>
        <translation>Es gibt keine Voreinstellung namens „%1“ mehr.</translation>
    </message>
    <message>
        <source>The path is longer than a hand-off can carry (%1 bytes): %2</source>
        <translation>Der Pfad ist länger, als eine Übergabe fassen kann (%1 Bytes): %2</translation>
    </message>
    <message>
        <source>Cannot find the tessary program.</source>
        <translation>Das Programm tessary ist nicht zu finden.</translation>
    </message>
    <message>
        <source>There is no private folder for the hand-off: %1.</source>
        <translation>Es gibt keinen privaten Ordner für die Übergabe: %1.</translation>
    </message>
    <message>
        <source>Cannot lock the hand-off: %1.</source>
        <translation>Die Übergabe kann nicht gesperrt werden: %1.</translation>
    </message>
    <message>
        <source>Cannot make the hand-off block %1: %2.</source>
        <translation>Der Übergabeblock %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Tessary works on the files of this computer, and %1 is not one.</source>
        <translation>Tessary arbeitet mit den Dateien dieses Computers, und %1 ist keine davon.</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>nichts zu tun</translation>
    </message>
    <message>
        <source>--command needs a number from 0 to 4294967295</source>
        <translation>--command braucht eine Zahl von 0 bis 4294967295</translation>
    </message>
    <message>
        <source>--preset needs a NAME</source>
        <translation>--preset braucht einen NAMEN</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--command N is missing</source>
        <translation>--command N fehlt</translation>
    </message>
    <message>
        <source>--preset NAME goes with --command 3, and only with it</source>
        <translation>--preset NAME gehört zu --command 3 und nur dazu</translation>
    </message>
</context>
</TS>
