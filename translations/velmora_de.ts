<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>velmora</name>
    <message>
        <source>The folder list is being saved; try again in a moment.</source>
        <translation>Die Ordnerliste wird gerade gespeichert; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Cannot read the size “%1”: use a number with k, M or G, as in size:&gt;10M</source>
        <translation>Die Größe „%1“ ist nicht lesbar: Geben Sie eine Zahl mit k, M oder G an, etwa size:&gt;10M</translation>
    </message>
    <message>
        <source>Cannot read the date “%1”: use a year, a month or a day, as in modified:2019-07-14, or today, yesterday, week or month</source>
        <translation>Das Datum „%1“ ist nicht lesbar: Geben Sie ein Jahr, einen Monat oder einen Tag an, etwa modified:2019-07-14, oder today, yesterday, week oder month</translation>
    </message>
    <message>
        <source>%1 is no longer in the folder list.</source>
        <translation>%1 ist nicht mehr in der Ordnerliste.</translation>
    </message>
    <message>
        <source>These folders of %1 cannot be used; they stay in the file as they are:</source>
        <translation>Diese Ordner aus %1 können nicht verwendet werden; sie bleiben unverändert in der Datei:</translation>
    </message>
    <message>
        <source>A folder path with a line break cannot be stored.</source>
        <translation>Ein Ordnerpfad mit Zeilenumbruch kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>A folder path holding a NUL byte cannot be used.</source>
        <translation>Ein Ordnerpfad mit einem NUL-Byte kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>A folder path this long cannot be used.</source>
        <translation>Ein so langer Ordnerpfad kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>A tag with a line break cannot be stored.</source>
        <translation>Ein Tag mit Zeilenumbruch kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot lock %1: the folder list is being changed by another program. Try again in a moment: nothing was changed.</source>
        <translation>%1 kann nicht gesperrt werden: Ein anderes Programm ändert gerade die Ordnerliste. Versuchen Sie es gleich noch einmal; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>Unterordner</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a folder: why</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is not there yet: Enter or OK makes it.</source>
        <translation>%1 gibt es noch nicht: Eingabetaste oder OK legt ihn an.</translation>
    </message>
    <message>
        <source>Type the new folder&apos;s name: Enter or OK makes it.</source>
        <translation>Geben Sie den Namen des neuen Ordners ein: Eingabetaste oder OK legt ihn an.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the name holds a NUL byte</source>
        <translation>der Name enthält ein NUL-Byte</translation>
    </message>
    <message>
        <source>no program is set to open this kind of file</source>
        <translation>für diese Art von Datei ist kein Programm zum Öffnen eingestellt</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Start Copying</source>
        <translation>Kopieren beginnt</translation>
    </message>
    <message>
        <source>Start Moving</source>
        <translation>Verschieben beginnt</translation>
    </message>
    <message>
        <source>No file to delete</source>
        <translation>Keine Datei zum Löschen</translation>
    </message>
    <message>
        <source>Are you sure to delete selected files?</source>
        <translation>Möchten Sie die ausgewählten Dateien wirklich löschen?</translation>
    </message>
    <message>
        <source>Start Deleting</source>
        <translation>Löschen beginnt</translation>
    </message>
    <message>
        <source>please input new file name</source>
        <translation>Bitte geben Sie den neuen Dateinamen ein</translation>
    </message>
    <message>
        <source>input new file name</source>
        <translation>Neuer Dateiname</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>Start Undoing</source>
        <translation>Rückgängigmachen beginnt</translation>
    </message>
    <message>
        <source>These files stayed as they are:</source>
        <translation>Diese Dateien sind unverändert geblieben:</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;: it would move the file into another folder.</source>
        <translation>Ein Dateiname darf kein „/“ enthalten: Die Datei käme sonst in einen anderen Ordner.</translation>
    </message>
    <message>
        <source>A file name cannot contain a NUL character.</source>
        <translation>Ein Dateiname darf kein NUL-Zeichen enthalten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder, not a file.</source>
        <translation>„%1“ bezeichnet einen Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>Kept %1</source>
        <translation>%1 behalten</translation>
    </message>
    <message>
        <source>A file named %1 already exists. Replace it?</source>
        <translation>Eine Datei namens %1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>%1 wird kopiert</translation>
    </message>
    <message>
        <source>%1. Delete it permanently?</source>
        <translation>%1. Endgültig löschen?</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message>
        <source>Find by name</source>
        <translation>Nach Namen suchen</translation>
    </message>
    <message>
        <source>All Folders Together</source>
        <translation>Alle Ordner zusammen</translation>
    </message>
    <message>
        <source>%1
Folder changes cannot be saved while it cannot be read.</source>
        <translation>%1
Änderungen an den Ordnern können nicht gespeichert werden, solange sie nicht lesbar ist.</translation>
    </message>
    <message>
        <source>Input User Definded Tag</source>
        <translation>Eigenen Tag eingeben</translation>
    </message>
    <message>
        <source>The folder %1 of the search “%2” is not in the folder list any more.</source>
        <translation>Der Ordner %1 der Suche „%2“ ist nicht mehr in der Ordnerliste.</translation>
    </message>
    <message>
        <source>Velmora - All Folders</source>
        <translation>Velmora - Alle Ordner</translation>
    </message>
    <message>
        <source>%1 — search %2</source>
        <translation>%1 — Suche %2</translation>
    </message>
    <message>
        <source>
Changes made elsewhere are checked every %1 s</source>
        <translation>
Änderungen von anderer Stelle werden alle %1 s geprüft</translation>
    </message>
    <message>
        <source>The folder %1 is not there any more</source>
        <translation>Der Ordner %1 ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>About Velmora (read me)</source>
        <translation>Über Velmora (Liesmich)</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Version 1.1</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>eins</translation>
    </message>
    <message>
        <source>All</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Move To</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Show Auto Tags</source>
        <translation>Auto-Tags zeigen</translation>
    </message>
    <message>
        <source>Add User Defined Tag</source>
        <translation>Eigenen Tag hinzufügen</translation>
    </message>
    <message>
        <source> Click the tag name to add or remove it from the Tag Filter.</source>
        <translation> Klicken Sie auf einen Tag, um ihn in den Filter zu legen oder herauszunehmen.</translation>
    </message>
    <message>
        <source>Tag Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>of the following tags.</source>
        <translation>der folgenden Tags.</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Für</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>Tags:</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Tag filter</source>
        <translation>Tag-Filter</translation>
    </message>
    <message>
        <source>User tags</source>
        <translation>Eigene Tags</translation>
    </message>
    <message>
        <source>Scroll the tags</source>
        <translation>Tags blättern</translation>
    </message>
    <message>
        <source>Scroll the user tags</source>
        <translation>Eigene Tags blättern</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove a Folder</source>
        <translation>Ordner entfernen</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Übergeordneten Ordner öffnen</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Pfad kopieren</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Show Count in Status Line</source>
        <translation>Anzahl in der Statuszeile zeigen</translation>
    </message>
    <message>
        <source>Exclude “%1”</source>
        <translation>„%1“ ausschließen</translation>
    </message>
    <message>
        <source>First Seen</source>
        <translation>Zuerst gefunden</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>A bis Z</translation>
    </message>
    <message>
        <source>Most Files First</source>
        <translation>Meiste Dateien zuerst</translation>
    </message>
    <message>
        <source>Tags from Folder Names</source>
        <translation>Tags aus Ordnernamen</translation>
    </message>
    <message>
        <source>Keep Digits in Tags</source>
        <translation>Ziffern in Tags behalten</translation>
    </message>
    <message>
        <source>Keep Filter After Commands</source>
        <translation>Filter nach Befehlen behalten</translation>
    </message>
    <message>
        <source>Match Whole Tags</source>
        <translation>Nur ganze Tags</translation>
    </message>
    <message>
        <source>Scan Order</source>
        <translation>Lesereihenfolge</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>Suchen…</translation>
    </message>
    <message>
        <source>Save Search</source>
        <translation>Suche speichern</translation>
    </message>
    <message>
        <source>%1
Searches cannot be kept while it cannot be read.</source>
        <translation>%1
Suchen können nicht gespeichert werden, solange sie nicht lesbar ist.</translation>
    </message>
    <message>
        <source>Saved Searches</source>
        <translation>Gespeicherte Suchen</translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation>Verwalten…</translation>
    </message>
    <message>
        <source>Save Search…</source>
        <translation>Suche speichern…</translation>
    </message>
    <message>
        <source>Name of the search:</source>
        <translation>Name der Suche:</translation>
    </message>
    <message>
        <source>A search named %1 is kept already. Replace it?</source>
        <translation>Eine Suche namens %1 ist bereits gespeichert. Ersetzen?</translation>
    </message>
    <message>
        <source>Two searches cannot both be named %1; nothing was changed.</source>
        <translation>Zwei Suchen können nicht beide %1 heißen; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%L1 of %2</source>
        <comment>3 of 957,650 files</comment>
        <translation>%L1 von %2</translation>
    </message>
    <message>
        <source>
%1 of the folder, %L2 of them listed</source>
        <comment>3 files of the folder, 1 of them listed</comment>
        <translation>
%1 im Ordner, davon %L2 aufgelistet</translation>
    </message>
    <message>
        <source>Checking %1 listed earlier…</source>
        <comment>%1: 12 files</comment>
        <translation>Prüfe %1 aus einer früheren Auflistung…</translation>
    </message>
    <message>
        <source>Reading sizes and dates…</source>
        <translation>Größen und Daten werden gelesen…</translation>
    </message>
    <message>
        <source>Not checked: %1 listed as of an earlier reading</source>
        <translation>Nicht geprüft: %1 nach einem früheren Lesen aufgelistet</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <comment>%1: 12 files</comment>
        <translation>Angehalten bei %1</translation>
    </message>
    <message>
        <source>Live refresh is off for this folder</source>
        <translation>Die laufende Aktualisierung ist für diesen Ordner aus</translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>1 Ordner konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>All folders: %1</source>
        <translation>Alle Ordner: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>what failed: why</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>source and target are the same file</source>
        <translation>Quelle und Ziel sind dieselbe Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>another file took its place meanwhile</source>
        <translation>inzwischen steht eine andere Datei an ihrer Stelle</translation>
    </message>
    <message>
        <source>Copied %1 but cannot remove it</source>
        <translation>%1 wurde kopiert, kann aber nicht entfernt werden</translation>
    </message>
    <message>
        <source>its folder %1 is gone</source>
        <translation>sein Ordner %1 ist nicht mehr da</translation>
    </message>
    <message>
        <source>its folder is no longer the folder it came from</source>
        <translation>sein Ordner ist nicht mehr der, aus dem es kam</translation>
    </message>
    <message>
        <source>it has been changed since</source>
        <translation>es wurde seitdem geändert</translation>
    </message>
    <message>
        <source>a file of that name is there now</source>
        <translation>dort gibt es jetzt eine Datei dieses Namens</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2</source>
        <translation>%1 kann nicht nach %2 kopiert werden</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2</source>
        <translation>%1 kann nicht nach %2 verschoben werden</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2</source>
        <translation>%1 kann nicht in %2 umbenannt werden</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>eine Datei dieses Namens existiert bereits</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>%1 kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash (%2)</source>
        <translation>%1 kann nicht in den Papierkorb verschoben werden (%2)</translation>
    </message>
    <message>
        <source>Cannot put %1 back as %2</source>
        <translation>%1 kann nicht als %2 zurückgelegt werden</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>es ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>another file is at its place now</source>
        <translation>an seiner Stelle steht jetzt eine andere Datei</translation>
    </message>
    <message>
        <source>Cannot put %1 back from the trash</source>
        <translation>%1 kann nicht aus dem Papierkorb zurückgelegt werden</translation>
    </message>
    <message>
        <source>it is no longer in the trash</source>
        <translation>es ist nicht mehr im Papierkorb</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot lock %1: it is a symbolic link, which is not followed</source>
        <translation>%1 kann nicht gesperrt werden: Es ist eine symbolische Verknüpfung, der nicht gefolgt wird</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Not using %1: %2</source>
        <translation>%1 wird nicht verwendet: %2</translation>
    </message>
    <message>
        <source>it is a link or a file</source>
        <translation>es ist eine Verknüpfung oder eine Datei</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>es gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>others may write to it</source>
        <translation>andere dürfen hineinschreiben</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>a path - why it is refused</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Not registered:</source>
        <translation>Nicht aufgenommen:</translation>
    </message>
    <message>
        <source>not %1</source>
        <comment>a tag left out</comment>
        <translation>nicht %1</translation>
    </message>
    <message>
        <source>Copy Complete</source>
        <translation>Kopieren abgeschlossen</translation>
    </message>
    <message>
        <source>No file to copy</source>
        <translation>Keine Datei zum Kopieren</translation>
    </message>
    <message>
        <source>Copy cancelled</source>
        <translation>Kopieren abgebrochen</translation>
    </message>
    <message>
        <source>Move Complete</source>
        <translation>Verschieben abgeschlossen</translation>
    </message>
    <message>
        <source>No file to move</source>
        <translation>Keine Datei zum Verschieben</translation>
    </message>
    <message>
        <source>Move cancelled</source>
        <translation>Verschieben abgebrochen</translation>
    </message>
    <message>
        <source>Delete Complete</source>
        <translation>Löschen abgeschlossen</translation>
    </message>
    <message>
        <source>Delete cancelled</source>
        <translation>Löschen abgebrochen</translation>
    </message>
    <message>
        <source>Undo Complete</source>
        <translation>Rückgängigmachen abgeschlossen</translation>
    </message>
    <message>
        <source>Undo cancelled</source>
        <translation>Rückgängigmachen abgebrochen</translation>
    </message>
    <message>
        <source>Cannot copy %1</source>
        <translation>%1 kann nicht kopiert werden</translation>
    </message>
    <message>
        <source>Cannot move %1</source>
        <translation>%1 kann nicht verschoben werden</translation>
    </message>
    <message>
        <source>Cannot rename %1</source>
        <translation>%1 kann nicht umbenannt werden</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln Datei</numerusform>
            <numerusform>%Ln Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln Ordner konnte nicht gelesen werden</numerusform>
            <numerusform>%Ln Ordner konnten nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy cancelled after %1 of %2</source>
        <translation>Kopieren nach %1 von %2 abgebrochen</translation>
    </message>
    <message>
        <source>Copied %1 of %2; %3 not copied</source>
        <translation>%1 von %2 kopiert; %3 nicht kopiert</translation>
    </message>
    <message>
        <source>Move cancelled after %1 of %2</source>
        <translation>Verschieben nach %1 von %2 abgebrochen</translation>
    </message>
    <message>
        <source>Moved %1 of %2; %3 not moved</source>
        <translation>%1 von %2 verschoben; %3 nicht verschoben</translation>
    </message>
    <message>
        <source>Undo Move of %1</source>
        <translation>Verschieben von %1 rückgängig machen</translation>
    </message>
    <message>
        <source>Delete cancelled after %1 of %2</source>
        <translation>Löschen nach %1 von %2 abgebrochen</translation>
    </message>
    <message>
        <source>Deleted %1 of %2; %3 not deleted</source>
        <translation>%1 von %2 gelöscht; %3 nicht gelöscht</translation>
    </message>
    <message>
        <source>Undo Delete of %1</source>
        <translation>Löschen von %1 rückgängig machen</translation>
    </message>
    <message>
        <source>Undo Rename of %1</source>
        <translation>Umbenennen von %1 rückgängig machen</translation>
    </message>
    <message>
        <source>Undo cancelled after %1 of %2</source>
        <translation>Rückgängigmachen nach %1 von %2 abgebrochen</translation>
    </message>
    <message>
        <source>Undone %1 of %2; %3 not undone</source>
        <translation>%1 von %2 rückgängig gemacht; %3 nicht rückgängig gemacht</translation>
    </message>
    <message>
        <source>The folder list changed since %1 was removed: where it stood is no longer known, so it was not put back.</source>
        <translation>Die Ordnerliste hat sich geändert, seit %1 entfernt wurde: Wo der Ordner stand, ist nicht mehr bekannt, daher wurde er nicht zurückgelegt.</translation>
    </message>
    <message>
        <source>%1 has no user tag “%2” any more.</source>
        <translation>%1 hat den eigenen Tag „%2“ nicht mehr.</translation>
    </message>
    <message>
        <source>The user tags of %1 changed since, so they were left as they are.</source>
        <translation>Die eigenen Tags von %1 haben sich inzwischen geändert; sie bleiben daher, wie sie sind.</translation>
    </message>
    <message>
        <source>Undo Remove Folder</source>
        <translation>Entfernen des Ordners rückgängig machen</translation>
    </message>
    <message>
        <source>Undo Remove Tag “%1”</source>
        <translation>Entfernen des Tags „%1“ rückgängig machen</translation>
    </message>
    <message>
        <source>Undo Rename Tag “%1”</source>
        <translation>Umbenennen des Tags „%1“ rückgängig machen</translation>
    </message>
    <message>
        <source>A tag cannot hold a comma: it would be read as two tags.</source>
        <translation>Ein Tag darf kein Komma enthalten: Er würde als zwei Tags gelesen.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2 could not be started</source>
        <translation>„%1“ kann nicht geöffnet werden: %2 konnte nicht gestartet werden</translation>
    </message>
    <message numerus="yes">
        <source>Cannot open %n file(s): %1 could not be started</source>
        <translation>
            <numerusform>%n Datei kann nicht geöffnet werden: %1 konnte nicht gestartet werden</numerusform>
            <numerusform>%n Dateien können nicht geöffnet werden: %1 konnte nicht gestartet werden</numerusform>
        </translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Öffnen mit</translation>
    </message>
    <message>
        <source>Choose the program to open the files with:</source>
        <translation>Wählen Sie das Programm, mit dem die Dateien geöffnet werden:</translation>
    </message>
    <message>
        <source>Add Tag to Names</source>
        <translation>Tag in Namen schreiben</translation>
    </message>
    <message>
        <source>Tag to write into the names of the selected files:</source>
        <translation>Tag, der in die Namen der ausgewählten Dateien geschrieben wird:</translation>
    </message>
    <message>
        <source>New word for “%1” in the names of the listed files:</source>
        <translation>Neues Wort für „%1“ in den Namen der aufgelisteten Dateien:</translation>
    </message>
    <message>
        <source>Rename Tag in Names</source>
        <translation>Tag in Namen umbenennen</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>No file name changes</source>
        <translation>Kein Dateiname ändert sich</translation>
    </message>
    <message numerus="yes">
        <source>Rename %n file(s)?</source>
        <translation>
            <numerusform>%n Datei umbenennen?</numerusform>
            <numerusform>%n Dateien umbenennen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename cancelled after %1 of %2</source>
        <translation>Umbenennen nach %1 von %2 abgebrochen</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Umbenennen abgeschlossen</translation>
    </message>
    <message>
        <source>Renamed %1 of %2; %3 not renamed</source>
        <translation>%1 von %2 umbenannt; %3 nicht umbenannt</translation>
    </message>
    <message>
        <source>No file to rename</source>
        <translation>Keine Datei zum Umbenennen</translation>
    </message>
    <message>
        <source>Rename cancelled</source>
        <translation>Umbenennen abgebrochen</translation>
    </message>
    <message numerus="yes">
        <source>Renaming %n file(s)</source>
        <translation>
            <numerusform>%n Datei wird umbenannt</numerusform>
            <numerusform>%n Dateien werden umbenannt</numerusform>
        </translation>
    </message>
    <message>
        <source>These files were not renamed:</source>
        <translation>Diese Dateien wurden nicht umbenannt:</translation>
    </message>
    <message>
        <source>Add a folder with +</source>
        <translation>Ordner mit + hinzufügen</translation>
    </message>
    <message>
        <source>Add a folder to the list</source>
        <translation>Einen Ordner zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Take the selected folder off the list; its files stay</source>
        <translation>Den ausgewählten Ordner aus der Liste nehmen; seine Dateien bleiben</translation>
    </message>
    <message>
        <source>Attach a tag of your own to the selected folder</source>
        <translation>Dem ausgewählten Ordner einen eigenen Tag geben</translation>
    </message>
    <message>
        <source>Open the selected files with their programs (%1)</source>
        <translation>Die ausgewählten Dateien mit ihren Programmen öffnen (%1)</translation>
    </message>
    <message>
        <source>Copy the selected files to a folder you choose</source>
        <translation>Die ausgewählten Dateien in einen gewählten Ordner kopieren</translation>
    </message>
    <message>
        <source>Move the selected files to a folder you choose</source>
        <translation>Die ausgewählten Dateien in einen gewählten Ordner verschieben</translation>
    </message>
    <message>
        <source>Rename the selected files one by one (%1)</source>
        <translation>Die ausgewählten Dateien nacheinander umbenennen (%1)</translation>
    </message>
    <message>
        <source>Move the selected files to the trash (%1)</source>
        <translation>Die ausgewählten Dateien in den Papierkorb verschieben (%1)</translation>
    </message>
    <message>
        <source>Select every listed file, or none (%1 in the list)</source>
        <translation>Alle aufgelisteten Dateien auswählen oder keine (%1 in der Liste)</translation>
    </message>
    <message>
        <source>Show the tags cut from the file names</source>
        <translation>Die aus den Dateinamen geschnittenen Tags zeigen</translation>
    </message>
    <message>
        <source>List the files whose names hold every tag of the filter</source>
        <translation>Die Dateien zeigen, deren Namen jeden Tag des Filters enthalten</translation>
    </message>
    <message>
        <source>List the files whose names hold any tag of the filter</source>
        <translation>Die Dateien zeigen, deren Namen einen Tag des Filters enthalten</translation>
    </message>
    <message>
        <source>Other Application…</source>
        <translation>Anderes Programm…</translation>
    </message>
    <message>
        <source>Add Tag to Names…</source>
        <translation>Tag in Namen schreiben…</translation>
    </message>
</context>
<context>
    <name>velmora::mainwindow::Form1</name>
    <message>
        <source>Remove Tag from Names…</source>
        <translation>Tag aus Namen entfernen…</translation>
    </message>
    <message>
        <source>Rename Tag in Names…</source>
        <translation>Tag in Namen umbenennen…</translation>
    </message>
    <message>
        <source>Rename Tag…</source>
        <translation>Tag umbenennen…</translation>
    </message>
    <message>
        <source>New name of the tag “%1”:</source>
        <translation>Neuer Name des Tags „%1“:</translation>
    </message>
    <message>
        <source>Rename Tag</source>
        <translation>Tag umbenennen</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>Tag entfernen</translation>
    </message>
</context>
</TS>
