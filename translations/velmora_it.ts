<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>velmora</name>
    <message>
        <source>The folder list is being saved; try again in a moment.</source>
        <translation>L&apos;elenco delle cartelle è in fase di salvataggio; riprova tra un momento.</translation>
    </message>
    <message>
        <source>Cannot read the size “%1”: use a number with k, M or G, as in size:&gt;10M</source>
        <translation>Impossibile leggere la dimensione «%1»: usa un numero con k, M o G, come in size:&gt;10M</translation>
    </message>
    <message>
        <source>Cannot read the date “%1”: use a year, a month or a day, as in modified:2019-07-14, or today, yesterday, week or month</source>
        <translation>Impossibile leggere la data «%1»: usa un anno, un mese o un giorno, come in modified:2019-07-14, oppure today, yesterday, week o month</translation>
    </message>
    <message>
        <source>%1 is no longer in the folder list.</source>
        <translation>%1 non è più nell&apos;elenco delle cartelle.</translation>
    </message>
    <message>
        <source>These folders of %1 cannot be used; they stay in the file as they are:</source>
        <translation>Queste cartelle di %1 non possono essere usate; restano nel file così come sono:</translation>
    </message>
    <message>
        <source>A folder path with a line break cannot be stored.</source>
        <translation>Un percorso di cartella con un a capo non può essere salvato.</translation>
    </message>
    <message>
        <source>A folder path holding a NUL byte cannot be used.</source>
        <translation>Un percorso di cartella che contiene un byte NUL non può essere usato.</translation>
    </message>
    <message>
        <source>A folder path this long cannot be used.</source>
        <translation>Un percorso di cartella così lungo non può essere usato.</translation>
    </message>
    <message>
        <source>A tag with a line break cannot be stored.</source>
        <translation>Un tag con un a capo non può essere salvato.</translation>
    </message>
    <message>
        <source>Cannot lock %1: the folder list is being changed by another program. Try again in a moment: nothing was changed.</source>
        <translation>Impossibile bloccare %1: un altro programma sta modificando l&apos;elenco delle cartelle. Riprova tra un momento; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>Sottocartelle</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a folder: why</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is not there yet: Enter or OK makes it.</source>
        <translation>%1 non esiste ancora: Invio o OK la crea.</translation>
    </message>
    <message>
        <source>Type the new folder&apos;s name: Enter or OK makes it.</source>
        <translation>Digita il nome della nuova cartella: Invio o OK la crea.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossibile aprire «%1»: %2</translation>
    </message>
    <message>
        <source>the name holds a NUL byte</source>
        <translation>il nome contiene un byte NUL</translation>
    </message>
    <message>
        <source>no program is set to open this kind of file</source>
        <translation>non è impostato alcun programma per aprire questo tipo di file</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 file</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Seleziona una cartella</translation>
    </message>
    <message>
        <source>Start Copying</source>
        <translation>Inizio della copia</translation>
    </message>
    <message>
        <source>Start Moving</source>
        <translation>Inizio dello spostamento</translation>
    </message>
    <message>
        <source>No file to delete</source>
        <translation>Nessun file da eliminare</translation>
    </message>
    <message>
        <source>Are you sure to delete selected files?</source>
        <translation>Eliminare davvero i file selezionati?</translation>
    </message>
    <message>
        <source>Start Deleting</source>
        <translation>Inizio dell&apos;eliminazione</translation>
    </message>
    <message>
        <source>please input new file name</source>
        <translation>Inserisci il nuovo nome del file</translation>
    </message>
    <message>
        <source>input new file name</source>
        <translation>Nuovo nome del file</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Niente da annullare</translation>
    </message>
    <message>
        <source>Start Undoing</source>
        <translation>Inizio dell&apos;annullamento</translation>
    </message>
    <message>
        <source>These files stayed as they are:</source>
        <translation>Questi file sono rimasti come erano:</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;: it would move the file into another folder.</source>
        <translation>Un nome di file non può contenere «/»: sposterebbe il file in un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>A file name cannot contain a NUL character.</source>
        <translation>Un nome di file non può contenere un carattere NUL.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder, not a file.</source>
        <translation>«%1» indica una cartella, non un file.</translation>
    </message>
    <message>
        <source>Kept %1</source>
        <translation>%1 mantenuto</translation>
    </message>
    <message>
        <source>A file named %1 already exists. Replace it?</source>
        <translation>Esiste già un file di nome %1. Sostituirlo?</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Copia di %1</translation>
    </message>
    <message>
        <source>%1. Delete it permanently?</source>
        <translation>%1. Eliminarlo definitivamente?</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>Find by name</source>
        <translation>Cerca per nome</translation>
    </message>
    <message>
        <source>All Folders Together</source>
        <translation>Tutte le cartelle insieme</translation>
    </message>
    <message>
        <source>%1
Folder changes cannot be saved while it cannot be read.</source>
        <translation>%1
Le modifiche alle cartelle non possono essere salvate finché non è leggibile.</translation>
    </message>
    <message>
        <source>Input User Definded Tag</source>
        <translation>Inserisci tag personalizzato</translation>
    </message>
    <message>
        <source>The folder %1 of the search “%2” is not in the folder list any more.</source>
        <translation>La cartella %1 della ricerca «%2» non è più nell&apos;elenco delle cartelle.</translation>
    </message>
    <message>
        <source>Velmora - All Folders</source>
        <translation>Velmora - Tutte le cartelle</translation>
    </message>
    <message>
        <source>%1 — search %2</source>
        <translation>%1 — ricerca %2</translation>
    </message>
    <message>
        <source>
Changes made elsewhere are checked every %1 s</source>
        <translation>
Le modifiche fatte altrove vengono controllate ogni %1 s</translation>
    </message>
    <message>
        <source>The folder %1 is not there any more</source>
        <translation>La cartella %1 non esiste più</translation>
    </message>
    <message>
        <source>About Velmora (read me)</source>
        <translation>Informazioni su Velmora (leggimi)</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Versione 1.1</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Uno</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Move To</source>
        <translation>Sposta in</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>Copia in</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Show Auto Tags</source>
        <translation>Tag automatici</translation>
    </message>
    <message>
        <source>Add User Defined Tag</source>
        <translation>Aggiungi tag personale</translation>
    </message>
    <message>
        <source> Click the tag name to add or remove it from the Tag Filter.</source>
        <translation> Fai clic su un tag per aggiungerlo al filtro o toglierlo.</translation>
    </message>
    <message>
        <source>Tag Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>of the following tags.</source>
        <translation>dei tag seguenti.</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Con</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Cartelle:</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Tag filter</source>
        <translation>Filtro dei tag</translation>
    </message>
    <message>
        <source>User tags</source>
        <translation>Tag personali</translation>
    </message>
    <message>
        <source>Scroll the tags</source>
        <translation>Scorri i tag</translation>
    </message>
    <message>
        <source>Scroll the user tags</source>
        <translation>Scorri i tag personali</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Aggiungi una cartella</translation>
    </message>
    <message>
        <source>Remove a Folder</source>
        <translation>Rimuovi una cartella</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Apri la cartella che lo contiene</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copia percorso</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Show Count in Status Line</source>
        <translation>Mostra il conteggio nella riga di stato</translation>
    </message>
    <message>
        <source>Exclude “%1”</source>
        <translation>Escludi «%1»</translation>
    </message>
    <message>
        <source>First Seen</source>
        <translation>Ordine di ritrovamento</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>Dalla A alla Z</translation>
    </message>
    <message>
        <source>Most Files First</source>
        <translation>Più file prima</translation>
    </message>
    <message>
        <source>Tags from Folder Names</source>
        <translation>Tag dai nomi delle cartelle</translation>
    </message>
    <message>
        <source>Keep Digits in Tags</source>
        <translation>Mantieni le cifre nei tag</translation>
    </message>
    <message>
        <source>Keep Filter After Commands</source>
        <translation>Mantieni il filtro dopo i comandi</translation>
    </message>
    <message>
        <source>Match Whole Tags</source>
        <translation>Solo tag interi</translation>
    </message>
    <message>
        <source>Scan Order</source>
        <translation>Ordine di lettura</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Decrescente</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Ordina per</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>Cerca…</translation>
    </message>
    <message>
        <source>Save Search</source>
        <translation>Salva ricerca</translation>
    </message>
    <message>
        <source>%1
Searches cannot be kept while it cannot be read.</source>
        <translation>%1
Le ricerche non possono essere conservate finché non è leggibile.</translation>
    </message>
    <message>
        <source>Saved Searches</source>
        <translation>Ricerche salvate</translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation>Gestisci…</translation>
    </message>
    <message>
        <source>Save Search…</source>
        <translation>Salva ricerca…</translation>
    </message>
    <message>
        <source>Name of the search:</source>
        <translation>Nome della ricerca:</translation>
    </message>
    <message>
        <source>A search named %1 is kept already. Replace it?</source>
        <translation>Esiste già una ricerca di nome %1. Sostituirla?</translation>
    </message>
    <message>
        <source>Two searches cannot both be named %1; nothing was changed.</source>
        <translation>Due ricerche non possono chiamarsi entrambe %1; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>%L1 of %2</source>
        <comment>3 of 957,650 files</comment>
        <translation>%L1 di %2</translation>
    </message>
    <message>
        <source>
%1 of the folder, %L2 of them listed</source>
        <comment>3 files of the folder, 1 of them listed</comment>
        <translation>
%1 della cartella, di cui %L2 elencati</translation>
    </message>
    <message>
        <source>Checking %1 listed earlier…</source>
        <comment>%1: 12 files</comment>
        <translation>Controllo di %1 elencati in precedenza…</translation>
    </message>
    <message>
        <source>Reading sizes and dates…</source>
        <translation>Lettura di dimensioni e date…</translation>
    </message>
    <message>
        <source>Not checked: %1 listed as of an earlier reading</source>
        <translation>Non controllato: %1 elencati secondo una lettura precedente</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <comment>%1: 12 files</comment>
        <translation>Interrotto a %1</translation>
    </message>
    <message>
        <source>Live refresh is off for this folder</source>
        <translation>L&apos;aggiornamento in tempo reale è disattivato per questa cartella</translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>Non è stato possibile leggere 1 cartella</translation>
    </message>
    <message>
        <source>All folders: %1</source>
        <translation>Tutte le cartelle: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>what failed: why</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>source and target are the same file</source>
        <translation>origine e destinazione sono lo stesso file</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>another file took its place meanwhile</source>
        <translation>nel frattempo un altro file ha preso il suo posto</translation>
    </message>
    <message>
        <source>Copied %1 but cannot remove it</source>
        <translation>%1 è stato copiato ma non può essere rimosso</translation>
    </message>
    <message>
        <source>its folder %1 is gone</source>
        <translation>la sua cartella %1 non esiste più</translation>
    </message>
    <message>
        <source>its folder is no longer the folder it came from</source>
        <translation>la sua cartella non è più quella da cui proveniva</translation>
    </message>
    <message>
        <source>it has been changed since</source>
        <translation>è stato modificato nel frattempo</translation>
    </message>
    <message>
        <source>a file of that name is there now</source>
        <translation>ora lì c&apos;è un file con quel nome</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2</source>
        <translation>Impossibile copiare %1 in %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2</source>
        <translation>Impossibile spostare %1 in %2</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2</source>
        <translation>Impossibile rinominare %1 in %2</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>esiste già un file con quel nome</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>Impossibile eliminare %1</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash (%2)</source>
        <translation>%1 non può essere spostato nel cestino (%2)</translation>
    </message>
    <message>
        <source>Cannot put %1 back as %2</source>
        <translation>Impossibile rimettere %1 come %2</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>non esiste più</translation>
    </message>
    <message>
        <source>another file is at its place now</source>
        <translation>ora al suo posto c&apos;è un altro file</translation>
    </message>
    <message>
        <source>Cannot put %1 back from the trash</source>
        <translation>Impossibile ripristinare %1 dal cestino</translation>
    </message>
    <message>
        <source>it is no longer in the trash</source>
        <translation>non è più nel cestino</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>Cannot lock %1: it is a symbolic link, which is not followed</source>
        <translation>Impossibile bloccare %1: è un collegamento simbolico, che non viene seguito</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>Impossibile bloccare %1: %2</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>Not using %1: %2</source>
        <translation>%1 non viene usato: %2</translation>
    </message>
    <message>
        <source>it is a link or a file</source>
        <translation>è un collegamento o un file</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>appartiene a un altro utente</translation>
    </message>
    <message>
        <source>others may write to it</source>
        <translation>altri possono scriverci</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>a path - why it is refused</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Not registered:</source>
        <translation>Non registrate:</translation>
    </message>
    <message>
        <source>not %1</source>
        <comment>a tag left out</comment>
        <translation>non %1</translation>
    </message>
    <message>
        <source>Copy Complete</source>
        <translation>Copia completata</translation>
    </message>
    <message>
        <source>No file to copy</source>
        <translation>Nessun file da copiare</translation>
    </message>
    <message>
        <source>Copy cancelled</source>
        <translation>Copia annullata</translation>
    </message>
    <message>
        <source>Move Complete</source>
        <translation>Spostamento completato</translation>
    </message>
    <message>
        <source>No file to move</source>
        <translation>Nessun file da spostare</translation>
    </message>
    <message>
        <source>Move cancelled</source>
        <translation>Spostamento annullato</translation>
    </message>
    <message>
        <source>Delete Complete</source>
        <translation>Eliminazione completata</translation>
    </message>
    <message>
        <source>Delete cancelled</source>
        <translation>Eliminazione annullata</translation>
    </message>
    <message>
        <source>Undo Complete</source>
        <translation>Annullamento completato</translation>
    </message>
    <message>
        <source>Undo cancelled</source>
        <translation>Annullamento interrotto</translation>
    </message>
    <message>
        <source>Cannot copy %1</source>
        <translation>Impossibile copiare %1</translation>
    </message>
    <message>
        <source>Cannot move %1</source>
        <translation>Impossibile spostare %1</translation>
    </message>
    <message>
        <source>Cannot rename %1</source>
        <translation>Impossibile rinominare %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln file</numerusform>
            <numerusform>%Ln file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>Non è stato possibile leggere %Ln cartella</numerusform>
            <numerusform>Non è stato possibile leggere %Ln cartelle</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy cancelled after %1 of %2</source>
        <translation>Copia annullata dopo %1 di %2</translation>
    </message>
    <message>
        <source>Copied %1 of %2; %3 not copied</source>
        <translation>Copiati %1 di %2; %3 non copiati</translation>
    </message>
    <message>
        <source>Move cancelled after %1 of %2</source>
        <translation>Spostamento annullato dopo %1 di %2</translation>
    </message>
    <message>
        <source>Moved %1 of %2; %3 not moved</source>
        <translation>Spostati %1 di %2; %3 non spostati</translation>
    </message>
    <message>
        <source>Undo Move of %1</source>
        <translation>Annulla lo spostamento di %1</translation>
    </message>
    <message>
        <source>Delete cancelled after %1 of %2</source>
        <translation>Eliminazione annullata dopo %1 di %2</translation>
    </message>
    <message>
        <source>Deleted %1 of %2; %3 not deleted</source>
        <translation>Eliminati %1 di %2; %3 non eliminati</translation>
    </message>
    <message>
        <source>Undo Delete of %1</source>
        <translation>Annulla l&apos;eliminazione di %1</translation>
    </message>
    <message>
        <source>Undo Rename of %1</source>
        <translation>Annulla la rinomina di %1</translation>
    </message>
    <message>
        <source>Undo cancelled after %1 of %2</source>
        <translation>Annullamento interrotto dopo %1 di %2</translation>
    </message>
    <message>
        <source>Undone %1 of %2; %3 not undone</source>
        <translation>Annullati %1 di %2; %3 non annullati</translation>
    </message>
    <message>
        <source>The folder list changed since %1 was removed: where it stood is no longer known, so it was not put back.</source>
        <translation>L’elenco delle cartelle è cambiato da quando %1 è stata tolta: non si sa più dove si trovava, quindi non è stata rimessa.</translation>
    </message>
    <message>
        <source>%1 has no user tag “%2” any more.</source>
        <translation>%1 non ha più il tag personale «%2».</translation>
    </message>
    <message>
        <source>The user tags of %1 changed since, so they were left as they are.</source>
        <translation>I tag personali di %1 sono cambiati nel frattempo, quindi restano come sono.</translation>
    </message>
    <message>
        <source>Undo Remove Folder</source>
        <translation>Annulla la rimozione della cartella</translation>
    </message>
    <message>
        <source>Undo Remove Tag “%1”</source>
        <translation>Annulla la rimozione del tag «%1»</translation>
    </message>
    <message>
        <source>Undo Rename Tag “%1”</source>
        <translation>Annulla la rinomina del tag «%1»</translation>
    </message>
    <message>
        <source>A tag cannot hold a comma: it would be read as two tags.</source>
        <translation>Un tag non può contenere una virgola: verrebbe letto come due tag.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2 could not be started</source>
        <translation>Impossibile aprire «%1»: non è stato possibile avviare %2</translation>
    </message>
    <message numerus="yes">
        <source>Cannot open %n file(s): %1 could not be started</source>
        <translation>
            <numerusform>Impossibile aprire %n file: non è stato possibile avviare %1</numerusform>
            <numerusform>Impossibile aprire %n file: non è stato possibile avviare %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Apri con</translation>
    </message>
    <message>
        <source>Choose the program to open the files with:</source>
        <translation>Scegli il programma con cui aprire i file:</translation>
    </message>
    <message>
        <source>Add Tag to Names</source>
        <translation>Aggiungi tag ai nomi</translation>
    </message>
    <message>
        <source>Tag to write into the names of the selected files:</source>
        <translation>Tag da scrivere nei nomi dei file selezionati:</translation>
    </message>
    <message>
        <source>New word for “%1” in the names of the listed files:</source>
        <translation>Nuova parola per «%1» nei nomi dei file elencati:</translation>
    </message>
    <message>
        <source>Rename Tag in Names</source>
        <translation>Rinomina tag nei nomi</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>No file name changes</source>
        <translation>Nessun nome di file cambia</translation>
    </message>
    <message numerus="yes">
        <source>Rename %n file(s)?</source>
        <translation>
            <numerusform>Rinominare %n file?</numerusform>
            <numerusform>Rinominare %n file?</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename cancelled after %1 of %2</source>
        <translation>Rinomina annullata dopo %1 di %2</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Rinomina completata</translation>
    </message>
    <message>
        <source>Renamed %1 of %2; %3 not renamed</source>
        <translation>Rinominati %1 di %2; %3 non rinominati</translation>
    </message>
    <message>
        <source>No file to rename</source>
        <translation>Nessun file da rinominare</translation>
    </message>
    <message>
        <source>Rename cancelled</source>
        <translation>Rinomina annullata</translation>
    </message>
    <message numerus="yes">
        <source>Renaming %n file(s)</source>
        <translation>
            <numerusform>Rinomina di %n file</numerusform>
            <numerusform>Rinomina di %n file</numerusform>
        </translation>
    </message>
    <message>
        <source>These files were not renamed:</source>
        <translation>Questi file non sono stati rinominati:</translation>
    </message>
    <message>
        <source>Add a folder with +</source>
        <translation>Aggiungi una cartella con +</translation>
    </message>
    <message>
        <source>Add a folder to the list</source>
        <translation>Aggiungi una cartella all’elenco</translation>
    </message>
    <message>
        <source>Take the selected folder off the list; its files stay</source>
        <translation>Togli la cartella selezionata dall’elenco; i suoi file restano</translation>
    </message>
    <message>
        <source>Attach a tag of your own to the selected folder</source>
        <translation>Assegna un tag personale alla cartella selezionata</translation>
    </message>
    <message>
        <source>Open the selected files with their programs (%1)</source>
        <translation>Apri i file selezionati con i loro programmi (%1)</translation>
    </message>
    <message>
        <source>Copy the selected files to a folder you choose</source>
        <translation>Copia i file selezionati in una cartella a scelta</translation>
    </message>
    <message>
        <source>Move the selected files to a folder you choose</source>
        <translation>Sposta i file selezionati in una cartella a scelta</translation>
    </message>
    <message>
        <source>Rename the selected files one by one (%1)</source>
        <translation>Rinomina i file selezionati uno alla volta (%1)</translation>
    </message>
    <message>
        <source>Move the selected files to the trash (%1)</source>
        <translation>Sposta i file selezionati nel cestino (%1)</translation>
    </message>
    <message>
        <source>Select every listed file, or none (%1 in the list)</source>
        <translation>Seleziona tutti i file elencati, o nessuno (%1 nell’elenco)</translation>
    </message>
    <message>
        <source>Show the tags cut from the file names</source>
        <translation>Mostra i tag ricavati dai nomi dei file</translation>
    </message>
    <message>
        <source>List the files whose names hold every tag of the filter</source>
        <translation>Elenca i file i cui nomi contengono tutti i tag del filtro</translation>
    </message>
    <message>
        <source>List the files whose names hold any tag of the filter</source>
        <translation>Elenca i file i cui nomi contengono uno qualsiasi dei tag del filtro</translation>
    </message>
    <message>
        <source>Other Application…</source>
        <translation>Altra applicazione…</translation>
    </message>
    <message>
        <source>Add Tag to Names…</source>
        <translation>Aggiungi tag ai nomi…</translation>
    </message>
</context>
<context>
    <name>velmora::mainwindow::Form1</name>
    <message>
        <source>Remove Tag from Names…</source>
        <translation>Togli tag dai nomi…</translation>
    </message>
    <message>
        <source>Rename Tag in Names…</source>
        <translation>Rinomina tag nei nomi…</translation>
    </message>
    <message>
        <source>Rename Tag…</source>
        <translation>Rinomina tag…</translation>
    </message>
    <message>
        <source>New name of the tag “%1”:</source>
        <translation>Nuovo nome del tag «%1»:</translation>
    </message>
    <message>
        <source>Rename Tag</source>
        <translation>Rinomina tag</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>Rimuovi tag</translation>
    </message>
</context>
</TS>
